#pragma once
// Every colour the drawings use, in one place: the screen pictures (cross-section
// and input sketch), the printed pages, the envelope chart and field card, and
// the dialog and frame artwork; with the black-and-white mappings of the
// cross-sections.

#include <QColor>

namespace vendrix {

// The screen pictures.
namespace pictureColours {
inline const QColor paleBlue(204, 236, 255), rust(202, 62, 21), skyBlue(47, 177, 255),
    paleYellow(255, 234, 168), amber(255, 204, 51), ochre(204, 153, 51), centreBlue(0, 0, 255),
    pink(241, 163, 202), darkMagenta(142, 21, 85), titleYellow(255, 255, 0),
    typeImageTan(223, 201, 159);
} // namespace pictureColours

// The printed pages and the field card.
namespace pageColours {
inline const QColor foundation(223, 255, 201), sky(221, 249, 253), fluid(157, 236, 249),
    peach(255, 235, 215), rose(225, 190, 175), scaleBar(192, 192, 192), cardFluid(200, 235, 250);
} // namespace pageColours

// The filling envelope chart.
namespace envelopeChartColours {
inline const QColor tension(0, 70, 200), height(0, 140, 60), allowable(210, 0, 0),
    unsafeShade(255, 222, 222), limit(230, 120, 0), grid(215, 215, 215);
} // namespace envelopeChartColours

// The design check picture.
namespace designCheckColours {
inline const QColor loadedWater(120, 180, 235), protectedWater(175, 215, 245), fill(214, 178, 120),
    outline(90, 58, 5), foundation(200, 190, 160), contact(230, 120, 0), uplift(0, 90, 200),
    action(200, 0, 0), pass(0, 130, 0), fail(200, 0, 0);
} // namespace designCheckColours

// The dialog pictures and the program's frame: schematic, not results.
namespace artworkColours {
inline const QColor slurryLower(150, 110, 70), slurryUpper(196, 160, 110), water(120, 170, 220),
    foundation(110, 90, 60), geotextile(40, 40, 40), ink(40, 40, 40), tubeLight(242, 193, 78),
    tubeDark(194, 124, 14), tubeEdge(90, 58, 5), skyTop(140, 196, 232), skyHorizon(214, 236, 248),
    seaTop(62, 124, 177, 130), seaBottom(27, 73, 101, 170), foam(255, 255, 255, 170),
    seaBed(107, 79, 42), seaBedTop(139, 109, 62), title(20, 60, 90), siteSkyTop(150, 190, 235),
    siteSkyHorizon(225, 235, 245), shore(200, 180, 130), fabric(90, 90, 95);
} // namespace artworkColours

// The colours of the screen cross-section, in colour or black and white.
struct ScreenPalette
{
    bool blackWhite = false;
    QColor background, foundationFill, fluidFill, tubeFill, lowerFill, consolidatedFill;
    QColor resultText, resultBack, titleText, titleBack, symbolBack, warningBox;
    QColor paleBlueLabel, skyLabel, amberLabel;
};

ScreenPalette screenPalette(bool blackWhite);

// The colours of the printed cross-section pages, in colour or black and white.
struct PagePalette
{
    QColor foundation, foundationOutline;
    QColor sky, skyOutline;
    QColor fluid, fluidOutline;
    QColor peach, rose;
    QColor skyText, fluidText, roseText; // label backgrounds
    QColor peachOutline, roseOutline;
    QColor notice; // the non-convergence box
    QColor scaleBar;
};

PagePalette pagePalette(bool blackWhite);

} // namespace vendrix

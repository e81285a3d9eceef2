#pragma once
// Every colour the drawings use, in one place: the screen pictures (cross-section
// and input sketch), the printed pages, the envelope chart and field card, and
// the dialog and frame artwork; with the black-and-white mappings of the
// cross-sections.

#include <QColor>

namespace vendrix {

// The screen pictures.
namespace pictureColours {
inline const QColor paleBlue(204, 236, 255);
inline const QColor rust(202, 62, 21);
inline const QColor skyBlue(47, 177, 255);
inline const QColor paleYellow(255, 234, 168);
inline const QColor amber(255, 204, 51);
inline const QColor ochre(204, 153, 51);
inline const QColor centreBlue(0, 0, 255);
inline const QColor pink(241, 163, 202);
inline const QColor darkMagenta(142, 21, 85);
inline const QColor titleYellow(255, 255, 0);
inline const QColor sketchTubeBrown(223, 201, 159);
} // namespace pictureColours

// The printed pages and the field card.
namespace pageColours {
inline const QColor foundation(223, 255, 201);
inline const QColor sky(221, 249, 253);
inline const QColor fluid(157, 236, 249);
inline const QColor peach(255, 235, 215);
inline const QColor rose(225, 190, 175);
inline const QColor scaleBar(192, 192, 192);
inline const QColor cardFluid(200, 235, 250);
} // namespace pageColours

// The filling envelope chart.
namespace envelopeChartColours {
inline const QColor tension(0, 70, 200);
inline const QColor height(0, 140, 60);
inline const QColor allowable(210, 0, 0);
inline const QColor unsafeShade(255, 222, 222);
inline const QColor limit(230, 120, 0);
inline const QColor grid(215, 215, 215);
} // namespace envelopeChartColours

// The dialog pictures and the program's frame: schematic, not results.
namespace artworkColours {
inline const QColor slurryLower(150, 110, 70);
inline const QColor slurryUpper(196, 160, 110);
inline const QColor water(120, 170, 220);
inline const QColor foundation(110, 90, 60);
inline const QColor geotextile(40, 40, 40);
inline const QColor ink(40, 40, 40);
inline const QColor tubeLight(242, 193, 78);
inline const QColor tubeDark(194, 124, 14);
inline const QColor tubeEdge(90, 58, 5);
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

#include "graphics/drawing_palette.h"

namespace vendrix {

ScreenPalette screenPalette(bool blackWhite)
{
    using namespace pictureColours;
    const QColor white = Qt::white, black = Qt::black;
    if (blackWhite)
        return {true,  white, white, white, white, white, white, black,
                white, black, white, white, white, white, white, white};
    return {false, paleBlue,    rust, skyBlue, paleYellow, amber,    amber,   Qt::white,
            rust,  titleYellow, rust, rust,    pink,       paleBlue, skyBlue, amber};
}

PagePalette pagePalette(bool blackWhite)
{
    using namespace pageColours;
    if (blackWhite) {
        const QColor w = Qt::white, b = Qt::black;
        return {w, b, w, b, w, b, w, w, w, w, w, b, b, pictureColours::pink, scaleBar};
    }
    return {foundation, Qt::white, sky,   Qt::white, fluid, Qt::white, peach,
            rose,       sky,       fluid, rose,      peach, rose,      pictureColours::pink,
            scaleBar};
}

} // namespace vendrix

#pragma once
// How a cross-section scene is laid out on one medium: the screen picture (in
// picture pixels, y downwards, whole pixels) or a printed page (in twips, y
// upwards). Everything that differs between the two is data here: the place
// and scale of the tube, the frame's boxes, the offsets of dimensions and
// labels, fonts, line widths and the colour of each role.

#include "graphics/cross_section_marks.h"
#include "graphics/cross_section_scene.h"
#include "graphics/tube_outline.h"

#include <QColor>
#include <QLineF>
#include <QPointF>

#include <array>
#include <cmath>
#include <optional>
#include <vector>

namespace vendrix {

struct CrossSectionLayout;

// Sizes are in the medium's units: pixels on the screen, twips on the page.
struct SceneFont
{
    double size = 0;
    int weight = 400; // the page's bold title is 600
};

struct SceneStroke
{
    double width = 1;
    Qt::PenCapStyle cap = Qt::SquareCap;
};

// A box of the frame between two corners, filled and perhaps outlined.
struct SceneBox
{
    QPointF from, to;
    SceneRole fill;
    std::optional<SceneRole> outline; // none: filled only
};

enum class TextAnchor { Left, Centre };

struct TextSpot
{
    QPointF at; // top-left corner, or top centre
    TextAnchor anchor = TextAnchor::Left;
};

// Distances along a dimension, in the medium's units ("above" away from the base).
struct WidthDimensionStyle
{
    double extensionAbove, extensionBelow; // extension lines around the crest
    double lineAbove; // the dimension line above the crest
    double labelAbove; // top of the label above the crest
};

struct HeightDimensionStyle
{
    double outerX; // where the crest and base lines start, right of the tube
    double crestLineEnd, baseLineEnd; // where they end, left of the tube's right edge
    double lineX; // the dimension line, right of the tube
    double labelX; // the label's centre, right of the tube
    double baseLineRaise; // the base line lies this far above the base
    double baseArrowRaise; // the arrow at the base points at this height
};

struct FinalHeightStyle
{
    double extension; // the dimension line passes both ends by this much
    double tick; // half the length of the tick at the base
    double labelOffset; // the label's left edge right of the dimension line
    double arrowBack; // +1: the arrows point out of the dimension, -1: into it
};

struct ArrowStyle
{
    double length = 12, spread = 4;
};

// The screen's legend of unit weights: swatches with their texts.
struct LegendStyle
{
    double left;
    std::array<double, 4> rowTops;
    std::array<QColor, 4> swatches, swatchOutlines;
    bool outlinedSwatches; // black and white: outlined white boxes
    QSizeF swatchSize {30, 11};
    double textGap = 35; // from the swatch's left edge to its text
};

// The screen's centre-line symbol under the base.
struct CentreSymbolStyle
{
    QPointF letterAt;
    QLineF stem, foot;
};

struct CrossSectionStyle
{
    OutlinePlacement place; // metres to the medium's units
    double up = 1; // +1 where y grows upwards (page), -1 where downwards (screen)
    bool wholeUnits = false; // screen: placed points are cut to whole pixels
    bool drawsTube = true; // false: a page without a width shows its title only
    std::array<std::optional<QColor>, kSceneRoles> colours; // none: transparent

    std::vector<SceneBox> ground; // sky and foundation, in the order they are painted
    double waterLeft = 0, waterRight = 0;
    double waterFullTop = 0; // the band's top when it covers the whole tube
    std::optional<double> waterCeiling; // the band never reaches above this
    bool waterWhenDry = false; // the band is drawn even when its top is the base

    SceneFont labelFont, largeFont, titleFont;
    SceneStroke outline, dimension, finalDimension, centreLine;
    ArrowStyle arrow;
    TextSpot title;

    CentreLinePattern dashes;
    double dashReach; // dashes stop this far above the crest
    double dashReachOverConsolidated; // the same when drawn again over a consolidated shape
    bool dashEndWithinReach; // page: the dash's end is tested, screen: its start

    WidthDimensionStyle width;
    HeightDimensionStyle height;
    FinalHeightStyle finalHeight;
    double labelRaise; // the height labels' tops stand this far above their middles

    std::vector<TextSpot> asFilledResults, consolidatedResults;
    QPointF noticeFrom, noticeTo; // the notice box
    std::vector<QPointF> noticeLines;

    std::optional<LegendStyle> legend;
    std::optional<CentreSymbolStyle> centreSymbol;
    bool scaleBar = false;
    bool widthLabelOverCentreLine = false; // drawn again once the centre line is redrawn
    bool traceFromBaseCentre = false; // the as-filled trace under a consolidated shape
    bool consolidatedLeftFirst = false;

    QColor colour(SceneRole role) const { return colours[std::size_t(role)].value_or(Qt::black); }
    std::optional<QColor> back(SceneRole role) const { return colours[std::size_t(role)]; }
    double snap(double value) const { return wholeUnits ? std::trunc(value) : value; }
    // The medium's y of a height `metres` above the base, moved `raise` further up.
    double y(double metres, double raise = 0) const
    {
        return place.baseY + place.yScale * metres + up * raise;
    }
    // Whether y `a` lies below y `b` on the medium.
    bool below(double a, double b) const { return up * (a - b) < 0; }
};

// The screen picture laid out by `layout`, in colour or black and white.
CrossSectionStyle screenCrossSectionStyle(const CrossSectionLayout &layout, bool blackWhite);

// A printed page for a tube `maxWidth` metres wide, in colour or black and white.
CrossSectionStyle pageCrossSectionStyle(double maxWidth, bool blackWhite);

} // namespace vendrix

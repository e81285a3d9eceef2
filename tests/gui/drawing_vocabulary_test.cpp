// The pieces the screen picture, the printed pages and the field card share:
// the tube outline from the profile, the centre line's dashes and the palettes.
#include "graphics/cross_section_marks.h"
#include "graphics/drawing_palette.h"
#include "graphics/tube_outline.h"

#include <gtest/gtest.h>

using namespace vendrix;

namespace {

// A profile that rises by 1 cm per point from the base contact at x = 2 m and
// draws in by 1 mm per point: the crest is at (1.64, 3.6).
TubeSolution risingProfile()
{
    TubeSolution s;
    for (size_t i = 0; i < kProfilePoints; ++i) {
        s.profileX[i] = 2.0 - 0.001 * double(i);
        s.profileY[i] = 0.01 * double(i);
    }
    return s;
}

} // namespace

TEST(TubeOutline, HalfStartsAtTheBaseCentreAndClipsAtTheCeilingWithTheCrestWidth)
{
    const TubeSolution s = risingProfile();
    struct Case
    {
        double ceiling;
        int firstClipped; // index into the profile; -1 for none
    };
    const Case cases[] = {{HUGE_VAL, -1}, {10.0, -1}, {3.6, -1}, {1.005, 101}, {0.0, 1}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.ceiling);
        const QPolygonF half = tubeHalfOutline(s, c.ceiling);
        ASSERT_EQ(half.size(), kProfilePoints + 1);
        EXPECT_EQ(half[0], QPointF(0, 0));
        for (int i = 0; i < kProfilePoints; ++i) {
            const QPointF p = half[i + 1];
            if (c.firstClipped < 0 || i < c.firstClipped) {
                EXPECT_EQ(p, QPointF(s.profileX[size_t(i)], s.profileY[size_t(i)])) << i;
            } else {
                EXPECT_DOUBLE_EQ(p.y(), c.ceiling) << i;
                // The first point above keeps its x; the rest close the layer at the crest's x.
                EXPECT_DOUBLE_EQ(p.x(), i == c.firstClipped ? s.profileX[size_t(i)] : 1.64) << i;
            }
        }
    }
}

TEST(TubeOutline, ExtentIsTheWidestAndHighestPointAndNeverNegative)
{
    TubeSolution s = risingProfile();
    EXPECT_DOUBLE_EQ(profileExtent(s).halfWidth, 2.0);
    EXPECT_DOUBLE_EQ(profileExtent(s).crestHeight, 3.6);
    s.profileX.fill(-1);
    s.profileY.fill(std::nan(""));
    EXPECT_EQ(profileExtent(s).halfWidth, 0);
    EXPECT_EQ(profileExtent(s).crestHeight, 0);
}

TEST(TubeOutline, PlacementMirrorsTheLeftHalfAndFlipsScreenY)
{
    const QPolygonF metres {QPointF(0, 0), QPointF(2, 1)};
    struct Case
    {
        OutlinePlacement placement;
        double side;
        QPointF expected;
    };
    const Case cases[] = {
        {{314, 266.5, 50, -50}, 1, {414, 216.5}}, // screen: y runs down
        {{314, 266.5, 50, -50}, -1, {214, 216.5}},
        {{6000, -11000, 1000, 1000}, -1, {4000, -10000}}, // page: y runs up
    };
    for (const Case &c : cases) {
        const QPolygonF placed = placedOutline(metres, c.placement, c.side);
        EXPECT_EQ(placed[0], QPointF(c.placement.centreX, c.placement.baseY));
        EXPECT_EQ(placed[1], c.expected);
    }
}

TEST(CentreLine, ScreenAndPageDashesFollowTheirLongShortPattern)
{
    const std::vector<std::pair<double, double>> screen
        = {{-10, 30},  {35, 40},   {45, 85},   {90, 95},   {100, 140}, {145, 150},
           {155, 195}, {200, 205}, {210, 250}, {255, 260}, {265, 305}};
    const std::vector<std::pair<double, double>> page
        = {{-200, 800},  {1000, 1200}, {1400, 2400}, {2600, 2800}, {3000, 4000}, {4200, 4400},
           {4600, 5600}, {5800, 6000}, {6200, 7200}, {7400, 7600}, {7800, 8800}};
    const auto screenDashes = centreLineDashes(kScreenCentreLine);
    const auto pageDashes = centreLineDashes(kPageCentreLine);
    for (size_t i = 0; i < kCentreLineDashes; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(screenDashes[i].from, screen[i].first);
        EXPECT_EQ(screenDashes[i].to, screen[i].second);
        EXPECT_EQ(pageDashes[i].from, page[i].first);
        EXPECT_EQ(pageDashes[i].to, page[i].second);
    }
}

TEST(DrawingPalette, BlackAndWhiteLeavesOnlyBlackAndWhiteWhereColourFills)
{
    const ScreenPalette screen = screenPalette(true);
    EXPECT_TRUE(screen.blackWhite);
    for (const QColor &c :
         {screen.background, screen.foundationFill, screen.fluidFill, screen.tubeFill,
          screen.lowerFill, screen.consolidatedFill, screen.resultBack, screen.titleBack,
          screen.symbolBack, screen.warningBox, screen.paleBlueLabel, screen.skyLabel,
          screen.amberLabel})
        EXPECT_EQ(c, QColor(Qt::white));
    EXPECT_EQ(screen.resultText, QColor(Qt::black));
    EXPECT_EQ(screen.titleText, QColor(Qt::black));

    const PagePalette page = pagePalette(true);
    for (const QColor &c : {page.foundation, page.sky, page.fluid, page.peach, page.rose,
                            page.skyText, page.fluidText, page.roseText})
        EXPECT_EQ(c, QColor(Qt::white));
    for (const QColor &c : {page.foundationOutline, page.skyOutline, page.fluidOutline,
                            page.peachOutline, page.roseOutline})
        EXPECT_EQ(c, QColor(Qt::black));
}

TEST(DrawingPalette, ColourModeTellsTheRegionsApart)
{
    const ScreenPalette screen = screenPalette(false);
    const PagePalette page = pagePalette(false);
    EXPECT_FALSE(screen.blackWhite);
    // Regions that touch each other in the pictures.
    const std::pair<QColor, QColor> apart[] = {{screen.fluidFill, screen.tubeFill},
                                               {screen.tubeFill, screen.lowerFill},
                                               {screen.foundationFill, screen.background},
                                               {page.fluid, page.sky},
                                               {page.peach, page.rose},
                                               {page.foundation, page.sky}};
    for (const auto &[a, b] : apart)
        EXPECT_NE(a, b) << a.name().toStdString();
    // Labels sit on the colour of the region behind them.
    const std::pair<QColor, QColor> same[]
        = {{page.skyText, page.sky}, {page.fluidText, page.fluid}, {page.roseText, page.rose}};
    for (const auto &[label, region] : same)
        EXPECT_EQ(label, region);
}

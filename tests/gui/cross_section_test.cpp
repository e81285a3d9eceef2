// The cross-section picture as a user sees it: colours at known places, the
// scale rules, the centre line, legend, notice and consolidated shapes.
#include "engine/analysis_run.h"
#include "graphics/cross_section_drawing.h"
#include "graphics/drawing_palette.h"
#include "graphics/image_export.h"
#include "graphics/picture_painting.h"
#include "graphics/report_pages.h"
#include "post/consolidation.h"
#include "report/cross_section_dxf.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace vendrix;
namespace colours = vendrix::crossSectionColours;

namespace {

constexpr int kW = 628;
constexpr int kH = 410;

ProjectRecord solvedProject()
{
    ProjectRecord record;
    EXPECT_FALSE(runAnalysis(record).refused());
    record.state.shapeShown = Shape::AsFilled;
    return record;
}

// A half-ellipse profile of the given half width and height (m).
void setEllipse(TubeSolution &s, double halfWidth, double height)
{
    for (int i = 0; i < kProfilePoints; ++i) {
        const double angle = M_PI * 0.5 * i / (kProfilePoints - 1);
        s.profileX[static_cast<size_t>(i)] = halfWidth * std::cos(angle);
        s.profileY[static_cast<size_t>(i)] = height * std::sin(angle);
    }
    s.maxWidth = 2 * halfWidth;
}

QImage picture(const ProjectRecord &record, QSize size = QSize(kW, kH))
{
    return renderDrawing(
        [&record](QPainter &p, const QRectF &target) { drawCrossSection(p, target, record); },
        size);
}

QColor at(const QImage &image, double x, double y)
{
    return image.pixelColor(static_cast<int>(x), static_cast<int>(y));
}

int rightmostOf(const QImage &image, int y, const QColor &colour)
{
    for (int x = image.width() - 1; x >= 0; --x)
        if (image.pixelColor(x, y) == colour)
            return x;
    return -1;
}

int leftmostOf(const QImage &image, int y, const QColor &colour)
{
    for (int x = 0; x < image.width(); ++x)
        if (image.pixelColor(x, y) == colour)
            return x;
    return -1;
}

// Places of each kind of area, in picture pixels, to compare pictures drawn on
// different devices.
std::vector<QPointF> areaSamples(const ProjectRecord &record)
{
    const CrossSectionLayout l = crossSectionLayout(record.solution, kW, kH);
    return {{5, 5},
            {5, l.baseY - 5},
            {5, kH - 5.0},
            {l.centreX + 20, l.baseY - l.scale * 0.3},
            {l.centreX + 20, l.baseY - l.scale * 1.3}};
}

// `scaled` holds the picture at `factor` device pixels per picture pixel,
// sampled `offset` device pixels into each enlarged pixel.
void expectSamePicture(const QImage &scaled, int factor, int offset, const ProjectRecord &record)
{
    const QImage screen = picture(record);
    for (const QPointF &point : areaSamples(record)) {
        SCOPED_TRACE(point.y());
        EXPECT_EQ(scaled.pixelColor(static_cast<int>(factor * point.x() + offset),
                                    static_cast<int>(factor * point.y() + offset)),
                  screen.pixelColor(point.toPoint()));
    }
}

} // namespace

TEST(CrossSection, AreasHaveTheirColoursInColourAndBlackAndWhite)
{
    ProjectRecord record = solvedProject();
    const CrossSectionLayout l = crossSectionLayout(record.solution, kW, kH);
    const double A = l.baseY;
    const double tubeX = l.centreX + 20;
    struct Place
    {
        const char *what;
        double x, y;
        QColor colour, blackWhite;
    };
    const Place places[] = {
        {"sky above the fluid", 5, 5, colours::paleBlue, Qt::white},
        {"fluid band", 5, A - 5, colours::skyBlue, Qt::white},
        {"foundation", 5, kH - 5, colours::rust, Qt::white},
        {"upper slurry", tubeX, A - l.scale * (record.input.slurryHeightLower + 0.3),
         colours::paleYellow, Qt::white},
        {"lower slurry", tubeX, A - l.scale * 0.3, colours::amber, Qt::white},
    };
    for (int blackWhite : {0, 1}) {
        record.display.screenBlackWhite = blackWhite;
        const QImage image = picture(record);
        for (const Place &place : places) {
            SCOPED_TRACE(std::string(place.what) + (blackWhite ? " b/w" : " colour"));
            EXPECT_EQ(at(image, place.x, place.y), blackWhite ? place.blackWhite : place.colour);
        }
    }
}

TEST(CrossSection, ScaleWidensNarrowTubesAndLimitsTallOnes)
{
    struct Case
    {
        const char *what;
        double halfWidth, height;
        double expectedHalfWidthPixels, expectedHeightPixels;
    };
    const Case cases[] = {
        {"narrow tube widened to 0.2 W", 0.5, 0.4, 0.2 * kW, 0.4 * 0.2 * kW / 0.5},
        {"wide tube limited to 0.37 W", 4.0, 1.0, 0.37 * kW, 0.37 * kW / 4.0},
        {"narrow tall tube widened, then limited to 0.52 H", 0.5, 3.0, 0.52 * kH / 6.0, 0.52 * kH},
        {"middle tube at the start scale", 1.5, 1.0, 0.15 * kW * 1.5, 0.15 * kW},
        {"all points at zero keep the start scale", 0, 0, 0, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        TubeSolution s;
        setEllipse(s, c.halfWidth, c.height);
        const CrossSectionLayout l = crossSectionLayout(s, kW, kH);
        EXPECT_NEAR(l.scale * c.halfWidth, c.expectedHalfWidthPixels, 1e-9);
        EXPECT_NEAR(l.scale * c.height, c.expectedHeightPixels, 1e-9);
        if (c.halfWidth == 0) {
            EXPECT_DOUBLE_EQ(l.scale, 0.15 * kW);
        }
    }

    // The drawn tube reaches the widened half width on the screen.
    ProjectRecord record = solvedProject();
    setEllipse(record.solution, 0.5, 0.4);
    const CrossSectionLayout l = crossSectionLayout(record.solution, kW, kH);
    const QImage image = picture(record);
    const int row = static_cast<int>(l.baseY - 2);
    EXPECT_NEAR(rightmostOf(image, row, colours::amber), l.centreX + 0.2 * kW, 2);
    EXPECT_NEAR(leftmostOf(image, row, colours::amber), l.centreX - 0.2 * kW, 2);
}

// The classic method solves a given pressure as one slurry in the lower fluid
// up to the top; the exact method solves the water level and layers as entered.
TEST(CrossSection, GivenPressureIsDrawnWithTheLayeringItsMethodSolved)
{
    struct Case
    {
        SolutionMethod method;
        bool asEntered;
    };
    const Case cases[] = {{SolutionMethod::Classic, false}, {SolutionMethod::Exact, true}};
    for (const Case &c : cases) {
        SCOPED_TRACE(solutionMethodName(c.method));
        ProjectRecord record = solvedProject();
        record.input.analysisType = AnalysisType::GivenPressure;
        record.solution.method = c.method;
        record.input.fluidHeightLower = 0.5 * record.solution.maxHeight; // below the crest
        const CrossSectionLayout l = crossSectionLayout(record.solution, kW, kH);
        const QImage image = picture(record);
        const double bandTop = std::trunc(l.baseY - l.scale * record.input.fluidHeightLower);
        EXPECT_EQ(at(image, 5, 2), c.asEntered ? colours::paleBlue : colours::skyBlue);
        EXPECT_EQ(at(image, 5, bandTop - 3), c.asEntered ? colours::paleBlue : colours::skyBlue);
        EXPECT_EQ(at(image, 5, bandTop + 3), colours::skyBlue);
        // Classic: the whole tube in the slurry colour, upper part included.
        const double upper = l.baseY - l.scale * (record.input.slurryHeightLower + 0.3);
        EXPECT_EQ(at(image, l.centreX + 20, upper),
                  c.asEntered ? colours::paleYellow : colours::amber);

        // The printed page: sky above the fluid only when the level is drawn.
        QImage page(850, 1100, QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter painter(&page);
        drawReportPage(painter, QRectF(page.rect()), record, 3, {});
        painter.end();
        const QColor sky = pagePalette(false).sky;
        int skyPixels = 0;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                skyPixels += page.pixelColor(x, y) == sky;
        EXPECT_EQ(skyPixels > 10000, c.asEntered) << skyPixels;

        // The CAD drawing: the fluid level and the slurry interface as lines.
        const std::string dxf = crossSectionDxf(record);
        for (const char *layer : {dxfLayers::kFluidLevel, dxfLayers::kSlurryInterface}) {
            SCOPED_TRACE(layer);
            EXPECT_EQ(dxf.find(std::string("  8\r\n") + layer) != std::string::npos, c.asEntered);
        }
    }
}

TEST(CrossSection, OneLayerIsTheLowerColourAndItsLegendRowHasNoText)
{
    const double rowY = 0.72 * kH + 2 * 0.035 * kH;
    const double x0 = std::trunc(0.55 * kW);
    for (int twoLayers : {0, 1}) {
        SCOPED_TRACE(twoLayers);
        ProjectRecord record = solvedProject();
        record.input.twoSlurryLayers = twoLayers;
        const CrossSectionLayout l = crossSectionLayout(record.solution, kW, kH);
        const QImage image = picture(record);
        const double upper = l.baseY - l.scale * (record.input.slurryHeightLower + 0.3);
        EXPECT_EQ(at(image, l.centreX + 20, upper),
                  twoLayers ? colours::paleYellow : colours::amber);
        // The swatch stays; the text beside it is there only with two layers.
        EXPECT_EQ(at(image, x0 + 5, rowY + 5), colours::paleYellow);
        bool textFound = false;
        for (int x = static_cast<int>(x0) + 35; x < kW && !textFound; ++x)
            for (int y = static_cast<int>(rowY); y < rowY + 11; ++y)
                textFound |= image.pixelColor(x, y) != colours::rust;
        EXPECT_EQ(textFound, twoLayers == 1);
    }
}

TEST(CrossSection, CentreLineDashesStopFiftyPixelsAboveTheCrest)
{
    struct Case
    {
        const char *what;
        double height; // m, of a 2 m half width tube
        bool highDashDrawn;
    };
    const Case cases[] = {{"low tube", 0.3, false}, {"high tube", 2.0, true}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        ProjectRecord record = solvedProject();
        setEllipse(record.solution, 2.0, c.height);
        const CrossSectionLayout l = crossSectionLayout(record.solution, kW, kH);
        const QImage image = picture(record);
        // A dash that is always drawn, and one drawn only for tall tubes.
        EXPECT_EQ(at(image, l.centreX, l.baseY - 80), colours::centreBlue);
        EXPECT_EQ(at(image, l.centreX, l.baseY - 120) == colours::centreBlue, c.highDashDrawn);
        // Gaps between dashes are not drawn.
        EXPECT_NE(at(image, l.centreX, l.baseY - 32), colours::centreBlue);
    }
}

TEST(CrossSection, NonConvergenceNoticeExactlyWhenWarned)
{
    const double boxX = std::trunc(0.14 * kW) + 4;
    const double boxY = std::trunc(0.01 * kH + 0.035 * kH) + 2;
    for (int blackWhite : {0, 1}) {
        for (int warning : {0, 1}) {
            SCOPED_TRACE(blackWhite * 10 + warning);
            ProjectRecord record = solvedProject();
            record.display.screenBlackWhite = blackWhite;
            record.solution.convergenceWarning = warning;
            const QImage image = picture(record);
            const QColor box = blackWhite ? QColor(Qt::white) : colours::pink;
            const QColor background = blackWhite ? QColor(Qt::white) : colours::paleBlue;
            EXPECT_EQ(at(image, boxX, boxY), warning ? box : background);
            EXPECT_EQ(at(image, std::trunc(0.14 * kW), boxY + 20) == colours::darkMagenta,
                      warning == 1);
        }
    }
}

TEST(CrossSection, NonConvergenceNoticeLeavesTheWidthDimensionVisible)
{
    // A tall tube: 3.0 m high out of 10 m, near the ideal circle's 3.18 m, which
    // the run warns about; its crest would stand under the notice.
    ProjectRecord record;
    record.input.analysisType = AnalysisType::GivenHeight;
    record.input.desiredMaxHeight = 3.0;
    ASSERT_FALSE(runAnalysis(record).refused());
    record.state.shapeShown = Shape::AsFilled;
    record.solution.convergenceWarning = true;
    for (const QSize size : {QSize(kW, kH), QSize(900, 600)}) {
        SCOPED_TRACE(size.width());
        const QImage image = picture(record, size);
        const CrossSectionLayout l
            = crossSectionLayout(record.solution, size.width(), size.height());
        // The box as drawn: pink down the column just inside its left edge.
        const int boxX = int(0.14 * size.width()) + 4;
        int boxBottom = -1;
        for (int y = 0; y < size.height(); ++y)
            if (image.pixelColor(boxX, y) == colours::pink)
                boxBottom = y;
        ASSERT_GT(boxBottom, 0);
        // The width dimension line (20 pixels above the crest) is black from end
        // to end, and its label (40 pixels above the crest) starts below the box.
        const double crest = l.baseY - l.scale * l.crestHeight;
        EXPECT_GT(crest - 40, boxBottom);
        const int lineY = int(crest - 20);
        const int xl = int(l.centreX - l.scale * l.halfWidth),
                  xr = int(l.centreX + l.scale * l.halfWidth);
        int black = 0;
        for (int x = xl + 13; x < xr - 13; ++x)
            black += image.pixelColor(x, lineY) == QColor(Qt::black);
        EXPECT_GT(black, (xr - xl - 26) * 0.6) << "line at y " << lineY;
    }
}

TEST(CrossSection, SmallPicturesKeepTheResultLinesApart)
{
    const ProjectRecord record = solvedProject();
    for (const QSize size : {QSize(kW, kH), QSize(600, 400), QSize(450, 300), QSize(300, 200),
                             QSize(300, 500), QSize(900, 230)}) {
        SCOPED_TRACE(std::to_string(size.width()) + "x" + std::to_string(size.height()));
        const QImage image = picture(record, size);
        // The five result lines are white text on the foundation, left of the
        // centre: count the bands of rows that hold white pixels.
        int bands = 0;
        bool inBand = false;
        for (int y = int(0.65 * size.height()) + 2; y < int(0.9 * size.height()); ++y) {
            bool white = false;
            for (int x = int(0.1 * size.width()); x < int(0.45 * size.width()) && !white; ++x) {
                const QColor c = image.pixelColor(x, y); // smoothed text: light, not only white
                white = std::min({c.red(), c.green(), c.blue()}) > 150;
            }
            bands += white && !inBand;
            inBand = white;
        }
        EXPECT_EQ(bands, 5);
    }
}

TEST(CrossSection, ConsolidatedShapesFillOverTheAsFilledOutline)
{
    ProjectRecord record = solvedProject();
    record.input.consolidatedUnitWeight = 14;
    computeConsolidationOption1(record);
    const CrossSectionLayout l = crossSectionLayout(record.solution, kW, kH);

    record.state.shapeShown = Shape::Option1;
    QImage image = picture(record);
    EXPECT_EQ(at(image, l.centreX + 20, l.baseY - 5), colours::amber);
    // Above the consolidated top the as-filled tube is only an outline.
    EXPECT_EQ(at(image, l.centreX + 20, l.baseY - l.scale * l.crestHeight + 8), colours::paleBlue);

    computeConsolidationOption2(record);
    record.state.shapeShown = Shape::Option2;
    image = picture(record);
    const int row = static_cast<int>(l.baseY - 0.5 * l.scale * record.consolidation.finalHeight);
    // The rectangle's outline is pale yellow around the amber fill.
    const int width = rightmostOf(image, row, colours::paleYellow)
        - leftmostOf(image, row, colours::paleYellow);
    EXPECT_NEAR(width, l.scale * record.solution.maxWidth, 1.5);
    EXPECT_EQ(at(image, l.centreX + 0.5 * width - 3, row), colours::amber);
    EXPECT_EQ(at(image, l.centreX + 20, l.baseY - l.scale * record.consolidation.finalHeight - 4),
              colours::skyBlue);
}

TEST(CrossSection, FineDevicesDrawTheSamePictureScaled)
{
    ProjectRecord record = solvedProject();
    // Three times the dots per inch: a printer-like device.
    QImage fine(3 * kW, 3 * kH, QImage::Format_RGB32);
    fine.setDotsPerMeterX(qRound(288 / 0.0254));
    fine.setDotsPerMeterY(qRound(288 / 0.0254));
    fine.fill(Qt::white);
    {
        QPainter p(&fine);
        drawCrossSection(p, QRectF(0, 0, 3 * kW, 3 * kH), record);
    }
    expectSamePicture(fine, 3, 1, record);
}

TEST(CrossSection, DoubleScaleScreensDrawTheSamePictureSharper)
{
    ProjectRecord record = solvedProject();
    QImage doubled(2 * kW, 2 * kH, QImage::Format_RGB32);
    doubled.setDevicePixelRatio(2);
    doubled.fill(Qt::white);
    {
        QPainter p(&doubled);
        drawCrossSection(p, QRectF(0, 0, kW, kH), record);
    }
    expectSamePicture(doubled, 2, 0, record);
}

TEST(CrossSection, ConsolidatedShapesInColourAndBlackAndWhite)
{
    struct Case
    {
        Shape shape;
        int blackWhite;
        QColor fill;
        QColor foundation;
    };
    const Case cases[] = {
        {Shape::Option1, 0, colours::amber, colours::rust},
        {Shape::Option1, 1, Qt::white, Qt::white},
        {Shape::Option2, 0, colours::amber, colours::rust},
        {Shape::Option2, 1, Qt::white, Qt::white},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(static_cast<int>(c.shape) * 10 + c.blackWhite);
        ProjectRecord record = solvedProject();
        record.input.consolidatedUnitWeight = 14;
        if (c.shape == Shape::Option1)
            computeConsolidationOption1(record);
        else
            computeConsolidationOption2(record);
        record.state.shapeShown = c.shape;
        record.display.screenBlackWhite = c.blackWhite;
        const CrossSectionLayout l = crossSectionLayout(record.solution, kW, kH);
        const QImage image = picture(record);
        const double top = l.baseY - l.scale * record.consolidation.finalHeight;

        // Inside the consolidated fill, right of the final-height dimension.
        EXPECT_EQ(at(image, l.centreX + 20, l.baseY - 5), c.fill);
        // Its outline is pale yellow in both modes.
        bool outlineFound = false;
        for (int y = static_cast<int>(top) - 2; y <= static_cast<int>(top) + 2; ++y)
            outlineFound
                |= image.pixelColor(static_cast<int>(l.centreX + 20), y) == colours::paleYellow;
        EXPECT_TRUE(outlineFound);

        // The as-filled tube is only a black outline: walking right from the
        // centre half-way up between the consolidated top and the crest, the
        // first dark pixel is that outline, inside the tube's half width.
        const int row = static_cast<int>(0.5 * (top + l.baseY - l.scale * l.crestHeight));
        int firstBlack = -1;
        for (int x = static_cast<int>(l.centreX) + 5; x < kW && firstBlack < 0; ++x)
            if (image.pixelColor(x, row) == QColor(Qt::black))
                firstBlack = x;
        EXPECT_GT(firstBlack, l.centreX + 0.5 * l.scale * l.halfWidth);
        EXPECT_LE(firstBlack, l.centreX + l.scale * l.halfWidth + 1);
        if (c.blackWhite == 0) {
            EXPECT_NE(at(image, l.centreX + 20, row), c.fill);
        }

        // No legend after consolidation: its first swatch place shows the foundation.
        const double x0 = std::trunc(0.55 * kW);
        const double swatchY = std::trunc(0.72 * kH + 0.035 * kH);
        EXPECT_EQ(at(image, x0 + 5, swatchY + 5), c.foundation);
        EXPECT_EQ(at(image, x0, swatchY + 5), c.foundation);

        // The centre line is drawn again over the fill.
        EXPECT_EQ(at(image, l.centreX, l.baseY - 10), colours::centreBlue);
    }
}

// On the consolidated pictures no line runs through a label: the centre line
// stops at "Width = ...", and the final height's dimension line passes beside
// "final H = ..." instead of under it.
TEST(CrossSection, LinesStayClearOfTheConsolidatedLabels)
{
    for (const Shape shape : {Shape::Option1, Shape::Option2}) {
        SCOPED_TRACE(shape == Shape::Option1 ? "Option 1" : "Option 2");
        ProjectRecord record = solvedProject();
        record.input.consolidatedUnitWeight = 14;
        if (shape == Shape::Option1)
            computeConsolidationOption1(record);
        else
            computeConsolidationOption2(record);
        record.state.shapeShown = shape;
        const CrossSectionLayout l = crossSectionLayout(record.solution, kW, kH);
        const QImage image = picture(record);
        const double K = l.baseY - l.scale * l.crestHeight;
        const int labelRows = kPictureSmallFontPixels;
        int blueInWidthLabel = 0;
        for (int y = 0; y < labelRows; ++y)
            for (int dx = -2; dx <= 2; ++dx)
                blueInWidthLabel += at(image, l.centreX + dx, K - 40 + y) == colours::centreBlue;
        EXPECT_EQ(blueInWidthLabel, 0);

        const double s = l.scale, finalHeight = record.consolidation.finalHeight;
        const int xd = static_cast<int>(l.centreX - 0.25 * s * record.solution.maxWidth);
        const double labelTop = l.baseY - 0.5 * s * finalHeight - 10;
        int lineBroken = 0;
        for (int y = 0; y < labelRows; ++y) {
            bool black = false;
            for (int dx = -1; dx <= 1; ++dx)
                black = black || at(image, xd + dx, labelTop + y) == QColor(Qt::black);
            lineBroken += !black;
        }
        EXPECT_EQ(lineBroken, 0);
    }
}

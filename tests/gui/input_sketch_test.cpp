// The input display: the fixed tube outline, what is drawn for which input,
// the labels in display units and the window that repaints from the record.
#include "app/window/input_display.h"
#include "input_sketch_support.h"

#include <QLabel>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

using namespace vendrix;
using namespace vendrix::test;

namespace {

QColor at(const QImage &image, double x, double y)
{
    return image.pixelColor(static_cast<int>(x), static_cast<int>(y));
}

} // namespace

TEST(InputSketch, OutlinePassesThroughItsFixedPointsSmoothly)
{
    const auto &outline = schematicOutline();
    struct Fixed
    {
        int index;
        double x, y;
    };
    const Fixed fixed[]
        = {{0, 10.775, 0},         {210, 18.035, 10.836}, {358, 0, 19.845}, {359, 0, 19.847},
           {513, -18.160, 10.516}, {719, -10.712, 0},     {720, 0, 0},      {724, 0, 0}};
    for (const Fixed &f : fixed) {
        SCOPED_TRACE(f.index);
        EXPECT_NEAR(outline[static_cast<size_t>(f.index)].x(), f.x, 1e-9);
        EXPECT_NEAR(outline[static_cast<size_t>(f.index)].y(), f.y, 1e-9);
    }
    double widest = 0, highest = 0;
    for (int i = 0; i < 720; ++i) {
        const QPointF &p = outline[static_cast<size_t>(i)];
        widest = std::max(widest, std::fabs(p.x()));
        highest = std::max(highest, p.y());
        EXPECT_GE(p.y(), 0) << i;
        if (i > 0) {
            const QPointF step = p - outline[static_cast<size_t>(i - 1)];
            EXPECT_LT(std::hypot(step.x(), step.y()), 0.4) << i;
        }
    }
    EXPECT_NEAR(widest, 18.40, 0.1);
    EXPECT_NEAR(highest, 19.847, 1e-9);
}

// The heights and unit weights the sketch depends on.
constexpr double TubeInput::*kSketchInputs[]
    = {&TubeInput::fluidHeightLower,      &TubeInput::fluidUnitWeightLower,
       &TubeInput::fluidUnitWeightUpper,  &TubeInput::slurryHeightLower,
       &TubeInput::slurryUnitWeightLower, &TubeInput::slurryUnitWeightUpper};

TEST(InputSketch, WhatIsDrawnFollowsTheInput)
{
    struct Case
    {
        const char *what;
        AnalysisType type;
        double fluidHeight, fluidLower, fluidUpper, slurryHeight, slurryLower, slurryUpper;
        bool fluidDrawn, fluidToTop, lowerSlurry, upperLayer, heightOutside, heightInside;
        SolutionMethod method = kDefaultSolutionMethod;
    };
    const Case cases[] = {
        {"initial two-layer tube in water", AnalysisType::GivenStrength, 2, 10, 0, 1, 12, 11, true,
         false, true, true, true, true},
        {"equal outside fluids fill the window", AnalysisType::GivenStrength, 2, 10, 10, 1, 12, 11,
         true, true, true, true, false, true},
        {"no outside fluid height", AnalysisType::GivenHeight, 0, 10, 0, 1, 12, 11, false, false,
         true, true, false, true},
        {"no lower slurry height", AnalysisType::GivenStrength, 2, 10, 0, 0, 12, 11, true, false,
         false, false, true, false},
        {"one slurry", AnalysisType::GivenStrength, 2, 10, 0, 1, 12, 12.005, true, false, true,
         false, true, false},
        {"given pressure, classic", AnalysisType::GivenPressure, 0, 10, 0, 1, 12, 11, true, true,
         true, false, false, false, SolutionMethod::Classic},
        {"given pressure, exact", AnalysisType::GivenPressure, 2, 10, 0, 1, 12, 11, true, false,
         true, true, true, true, SolutionMethod::Exact},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        ProjectRecord record;
        TubeInput &in = record.input;
        in.analysisType = c.type;
        const double inputs[] = {c.fluidHeight,  c.fluidLower,  c.fluidUpper,
                                 c.slurryHeight, c.slurryLower, c.slurryUpper};
        for (std::size_t i = 0; i < std::size(kSketchInputs); ++i)
            in.*kSketchInputs[i] = inputs[i];
        const SketchContent content = sketchContent(in, c.method, kH);
        EXPECT_EQ(content.fluidDrawn, c.fluidDrawn);
        EXPECT_EQ(content.fluidDrawn && content.fluidToTop, c.fluidDrawn && c.fluidToTop);
        EXPECT_EQ(content.lowerSlurry, c.lowerSlurry);
        EXPECT_EQ(content.upperLayer, c.upperLayer);
        EXPECT_EQ(content.heightOutside, c.heightOutside);
        EXPECT_EQ(content.heightInside, c.heightInside);

        // And on the screen.
        const QImage image = sketch(record, c.method);
        const double base = 0.8 * kH, u = 0.03 * kH, centre = 0.6 * kW;
        EXPECT_EQ(at(image, 5, base - 5), c.fluidDrawn ? kSky : kPaleBlue);
        EXPECT_EQ(at(image, kW - 5, 5), c.fluidDrawn && c.fluidToTop ? kSky : kPaleBlue);
        EXPECT_EQ(at(image, centre + 30, base - 3 * u), c.lowerSlurry ? kAmber : kPaleYellow);
        EXPECT_EQ(at(image, centre + 30, base - 15 * u),
                  c.upperLayer || !c.lowerSlurry ? kPaleYellow : kAmber);
        EXPECT_EQ(at(image, std::trunc(0.13 * kW), base - 20) == QColor(Qt::black),
                  c.heightOutside);
        EXPECT_EQ(at(image, std::trunc(0.5 * kW), base - 20) == QColor(Qt::black), c.heightInside);
    }
}

TEST(InputSketch, LabelsShowTwoDecimalsInDisplayUnitsAndTheRequestedType)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    struct Case
    {
        int english;
        AnalysisType type;
        const char *outside, *inside, *letter;
    };
    const Case cases[] = {
        {0, AnalysisType::GivenStrength, "H-out = 2.00  [m]", "H-in = 1.00  [m]", ">A<"},
        {1, AnalysisType::GivenHeight, "H-out = 6.56  [ft]", "H-in = 3.28  [ft]", ">B<"},
        {0, AnalysisType::GivenPressure, "H-out = 2.00  [m]", "H-in = 1.00  [m]", ">C<"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.outside);
        ProjectRecord record;
        record.display.unitSystem = c.english ? UnitSystem::English : UnitSystem::SI;
        record.input.analysisType = c.type;
        const std::string path = dir.filePath("sketch.svg").toStdString();
        const auto failure
            = writeDrawingImage(path, QSize(kW, kH), [&record](QPainter &p, const QRectF &target) {
                  drawInputSketch(p, target, record, SolutionMethod::Exact);
              });
        ASSERT_FALSE(failure) << failure->messageText;
        QFile file(QString::fromStdString(path));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString svg = QString::fromUtf8(file.readAll());
        for (const char *text : {c.outside, c.inside, "Requested type of analysis", c.letter,
                                 "Drawing is NOT to scale, just an approximate display"})
            EXPECT_TRUE(svg.contains(QString::fromLatin1(text))) << text;
    }
}

TEST(InputSketch, WindowRepaintsFromTheRecordAndKeepsItsProportions)
{
    ProjectRecord record;
    record.state.hideDialogTags = true;
    SolutionMethod method = SolutionMethod::Classic;
    InputDisplay window(record, method);
    window.resize(700, 600);
    window.show();
    const QImage before = window.grab().toImage();
    // The sketch fits the width; the tube is not cut off at the right edge.
    EXPECT_EQ(before.pixelColor(before.width() - 3, 5), kPaleBlue);
    EXPECT_FALSE(window.findChild<QLabel *>("dialogTag")->isVisible());

    record.input.analysisType = AnalysisType::GivenPressure;
    record.state.hideDialogTags = false;
    window.update();
    const QImage after = window.grab().toImage();
    EXPECT_NE(before, after);
    EXPECT_EQ(after.pixelColor(after.width() - 3, 5), kSky);
    EXPECT_TRUE(window.findChild<QLabel *>("dialogTag")->isVisible());

    // The method it was given is read at every paint.
    method = SolutionMethod::Exact;
    window.update();
    EXPECT_EQ(window.grab().toImage().pixelColor(after.width() - 3, 5), kPaleBlue);
}

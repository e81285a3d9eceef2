// The input display checked where the engineer looks: the height of the outside
// fluid band, the dimension marks at both levels, the banner of each type of
// analysis, and the display repainting in the main window when the input
// menu closes.
#include "app/window/desktop_hooks.h"
#include "app/window/input_display.h"
#include "app/window/main_window.h"
#include "input_sketch_support.h"
#include "shell_test_support.h"

#include <QDir>
#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>

using namespace vendrix;
using namespace vendrix::test;

namespace {

bool dark(const QImage &image, int x, int y)
{
    return qGray(image.pixel(x, y)) < 60;
}

ProjectRecord withFluid(AnalysisType type, double fluidHeight, double slurryHeight,
                        double fluidUpper)
{
    ProjectRecord record;
    record.input.analysisType = type;
    record.input.fluidHeightLower = fluidHeight;
    record.input.slurryHeightLower = slurryHeight;
    record.input.fluidUnitWeightLower = 10;
    record.input.fluidUnitWeightUpper = fluidUpper;
    return record;
}

} // namespace

TEST(InputSketchRules, FluidBandTopFollowsTheHeights)
{
    struct Case
    {
        const char *what;
        ProjectRecord record;
        double top; // share of the height where the fluid begins; < 0: no fluid
        SolutionMethod method = kDefaultSolutionMethod;
    };
    const Case cases[] = {
        {"outside fluid above the lower layer", withFluid(AnalysisType::GivenStrength, 2, 1, 0),
         0.8 - 0.45},
        {"outside fluid as high as the layer", withFluid(AnalysisType::GivenHeight, 1, 1, 0),
         0.8 - 0.25},
        {"outside fluid below the layer", withFluid(AnalysisType::GivenStrength, 0.5, 1.5, 0),
         0.8 - 0.25},
        {"no lower layer, some fluid", withFluid(AnalysisType::GivenStrength, 0.2, 0, 0),
         0.8 - 0.45},
        {"same fluid above", withFluid(AnalysisType::GivenHeight, 2, 1, 10.005), 0.0},
        // The classic method solves a given pressure in the lower fluid up to
        // the top; the exact one solves the water level as entered.
        {"given pressure", withFluid(AnalysisType::GivenPressure, 2, 1, 0), 0.0,
         SolutionMethod::Classic},
        {"given pressure without fluid", withFluid(AnalysisType::GivenPressure, 0, 1, 0), 0.0,
         SolutionMethod::Classic},
        {"given pressure, exact", withFluid(AnalysisType::GivenPressure, 2, 1, 0), 0.8 - 0.45,
         SolutionMethod::Exact},
        {"given pressure without fluid, exact", withFluid(AnalysisType::GivenPressure, 0, 1, 0), -1,
         SolutionMethod::Exact},
        {"no fluid", withFluid(AnalysisType::GivenStrength, 0, 1, 0), -1},
        {"no fluid, same unit weights", withFluid(AnalysisType::GivenHeight, 0, 1, 10), -1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const QImage image = sketch(c.record, c.method);
        const int x = kW - 3; // right of the tube
        EXPECT_EQ(image.pixelColor(x, int(0.8 * kH) - 3), c.top < 0 ? kPaleBlue : kSky);
        if (c.top < 0)
            continue;
        const int level = int(c.top * kH);
        EXPECT_EQ(image.pixelColor(x, level + 3), kSky);
        if (level > 3) {
            EXPECT_EQ(image.pixelColor(x, level - 3), kPaleBlue);
        }
    }
}

TEST(InputSketchRules, DimensionsMarkBothLevelsFromOutside)
{
    const ProjectRecord record; // two slurries under 2 m of water
    const QImage image = sketch(record);
    struct Level
    {
        const char *what;
        double x, y; // shares of the width and height
        int outward; // -1: the arrow comes from above, +1 from below
    };
    const Level levels[] = {{"fluid surface", 0.13, 0.35, -1},
                            {"base line beside the tube", 0.13, 0.8, +1},
                            {"boundary of the upper layer", 0.5, 0.8 - 0.318, -1},
                            {"base line inside the tube", 0.5, 0.8, +1}};
    for (const Level &l : levels) {
        SCOPED_TRACE(l.what);
        const int x = int(l.x * kW);
        const int y = int(l.y * kH);
        // A tick 20 pixels across the line.
        EXPECT_TRUE(dark(image, x - 8, y));
        EXPECT_TRUE(dark(image, x + 8, y));
        EXPECT_FALSE(dark(image, x - 14, y));
        // The arrowhead widens away from the level, on the outside.
        const int away = y + 8 * l.outward;
        EXPECT_TRUE(dark(image, x + 2, away) || dark(image, x + 3, away));
        EXPECT_TRUE(dark(image, x - 2, away) || dark(image, x - 3, away));
        // The line goes on 20 pixels past the level.
        EXPECT_TRUE(dark(image, x, y + 18 * l.outward));
    }
}

TEST(InputSketchRules, BannerShowsTheRequestedTypeOnly)
{
    const AnalysisType types[]
        = {AnalysisType::GivenStrength, AnalysisType::GivenHeight, AnalysisType::GivenPressure};
    QList<QImage> images;
    for (AnalysisType type : types) {
        ProjectRecord record;
        record.input.analysisType = type;
        images.push_back(sketch(record));
    }
    const QRect banner(8, 8, 207, 25);
    EXPECT_NE(images[0].copy(banner), images[1].copy(banner));
    EXPECT_NE(images[1].copy(banner), images[2].copy(banner));
    EXPECT_NE(images[0].copy(banner), images[2].copy(banner));
    // Types A and B draw the same problem; only the banner tells them apart.
    QImage a = images[0];
    QImage b = images[1];
    QPainter(&a).fillRect(banner, Qt::white);
    QPainter(&b).fillRect(banner, Qt::white);
    EXPECT_EQ(a, b);
    // The banner stays clear of the crest of the tube.
    EXPECT_LT(banner.bottom(), int((0.8 - 0.03 * 19.847) * kH));
}

TEST(InputSketchRules, MainWindowRepaintsTheDisplayWhenTheInputMenuCloses)
{
    QTemporaryDir dir;
    QSettings settings(dir.filePath("settings.ini"), QSettings::IniFormat);
    ProjectRecord record;
    record.state.dataDirectory = dir.filePath("data").toStdString();
    test::RecordingServices recorder;
    MainWindow frame(record, recorder.services(), nullptr, standardDesktopHooks(), &settings);
    frame.resize(1000, 600);
    frame.show();
    frame.newProject();
    auto *display = qobject_cast<InputDisplay *>(frame.inputDisplay());
    ASSERT_NE(display, nullptr);
    QApplication::processEvents();

    struct PaintCounter : QObject
    {
        int paints = 0;
        bool eventFilter(QObject *, QEvent *event) override
        {
            paints += event->type() == QEvent::Paint ? 1 : 0;
            return false;
        }
    } counter;
    display->installEventFilter(&counter);
    const QImage before = display->grab().toImage();
    counter.paints = 0;
    record.input.analysisType = AnalysisType::GivenPressure;
    emit frame.mainMenu()->inputChanged();
    QApplication::processEvents();
    EXPECT_GT(counter.paints, 0) << "the display is repainted without being asked";
    EXPECT_NE(display->grab().toImage(), before);

    // Choosing the classic method shows the given pressure in fluid up to the top.
    const QPoint corner(display->width() - 3, 5);
    EXPECT_EQ(display->grab().toImage().pixelColor(corner), kPaleBlue);
    counter.paints = 0;
    frame.action("methodClassic")->trigger();
    QApplication::processEvents();
    EXPECT_GT(counter.paints, 0);
    EXPECT_EQ(display->grab().toImage().pixelColor(corner), kSky);
    display->removeEventFilter(&counter);
    record.state.projectOpen = false;
}

TEST(InputSketchRules, OutlineHasNoKinksOrBumps)
{
    const auto &outline = schematicOutline();
    // Each side climbs steadily to the crest and the direction of the outline
    // turns only a little from one point to the next, so no corner or bump shows.
    double largestTurn = 0;
    std::size_t worst = 0;
    for (std::size_t i = 1; i <= 719; ++i) {
        SCOPED_TRACE(i);
        const QPointF step = outline[i] - outline[i - 1];
        if (i <= 358) {
            EXPECT_GE(step.y(), 0);
        }
        if (i >= 360) {
            EXPECT_LE(step.y(), 0);
        }
        if (i >= 2 && i != 359 && i != 360) {
            const QPointF before = outline[i - 1] - outline[i - 2];
            double turn
                = std::fabs(std::atan2(step.y(), step.x()) - std::atan2(before.y(), before.x()));
            turn = std::min(turn, 2 * M_PI - turn);
            if (turn > largestTurn) {
                largestTurn = turn;
                worst = i;
            }
        }
    }
    EXPECT_LT(largestTurn, 0.06) << "at point " << worst;
}

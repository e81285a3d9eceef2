// The input display as the engineer sees it: which fluid, layers and heights the
// sketch shows for the entered data, its labels, the banner of the requested
// type of analysis, the window's repaint after the input changes and the
// picture written by `vendrix run --sketch`.
#include "app/display_input_widget.h"
#include "app/main_frame.h"
#include "graphics/analysis_type_image.h"
#include "graphics/input_sketch_drawing.h"
#include "graphics/sketch_image.h"
#include "graphics/sketch_outline.h"
#include "shell_test_support.h"

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPaintEngine>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

using namespace vendrix;
using namespace vendrix::sketch_colours;

namespace {

constexpr int kWidth = 584;
constexpr int kHeight = 366;

// A paint device that keeps the texts painted on it, with their size.
class TextRecorder : public QPaintDevice
{
public:
    struct Text
    {
        QString text;
        qreal width = 0;
    };

    TextRecorder(int width, int height)
        : m_width(width)
        , m_height(height)
    { }

    QPaintEngine *paintEngine() const override { return &m_engine; }
    const QList<Text> &texts() const { return m_engine.texts; }
    bool contains(const QString &text) const
    {
        for (const Text &t : texts())
            if (t.text == text)
                return true;
        return false;
    }
    qreal widthOf(const QString &text) const
    {
        for (const Text &t : texts())
            if (t.text == text)
                return t.width;
        return 0;
    }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
            return m_width;
        case PdmHeight:
            return m_height;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDepth:
            return 32;
        case PdmNumColors:
            return INT_MAX;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        default:
            return 0;
        }
    }

private:
    class Engine : public QPaintEngine
    {
    public:
        Engine()
            : QPaintEngine(QPaintEngine::AllFeatures)
        { }
        bool begin(QPaintDevice *) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState &) override { }
        void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override { }
        void drawPath(const QPainterPath &) override { }
        void drawPolygon(const QPointF *, int, PolygonDrawMode) override { }
        void drawRects(const QRectF *, int) override { }
        void drawLines(const QLineF *, int) override { }
        void drawEllipse(const QRectF &) override { }
        void drawTextItem(const QPointF &, const QTextItem &item) override
        {
            texts.push_back({item.text(), item.width()});
        }
        Type type() const override { return User; }

        QList<Text> texts;
    };

    int m_width;
    int m_height;
    mutable Engine m_engine;
};

QImage paintSketch(const ProjectRecord &record, int width = kWidth, int height = kHeight)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    drawInputSketch(painter, QRectF(0, 0, width, height), record);
    painter.end();
    return image;
}

void recordTexts(const ProjectRecord &record, TextRecorder &recorder)
{
    QPainter painter(&recorder);
    drawInputSketch(painter, QRectF(0, 0, recorder.width(), recorder.height()), record);
}

// The colour at a share of the window's width and height.
QColor colourAt(const QImage &image, double xShare, double yShare)
{
    return image.pixelColor(int(xShare * image.width()), int(yShare * image.height()));
}

// The colour at a point of the schematic: offset from the tube axis and height
// above the base, in the sketch's own units (0.03 of the window height).
QColor schematicColour(const QImage &image, double a, double b, QPoint offset = {})
{
    const double unit = 0.03 * kHeight;
    return image.pixelColor(offset.x() + int(0.6 * kWidth + unit * a),
                            offset.y() + int(0.8 * kHeight - unit * b));
}

enum class Fluid { None, Band, HighBand, WholeWindow };

struct SketchCase
{
    const char *name;
    AnalysisType type;
    double fluidHeight; // m
    double slurryHeight; // m
    double slurryLower, slurryUpper; // kN/m3
    double fluidLower, fluidUpper; // kN/m3
    int english;
    Fluid fluid;
    QColor lowerPart; // tube near its base
    QColor upperPart; // tube near its crest
    const char *outsideLabel; // nullptr: no H-out dimension
    const char *insideLabel; // nullptr: no H-in dimension
};

const SketchCase kCases[] = {
    {"two slurries, fluid above the layer", AnalysisType::GivenStrength, 2.0, 1.0, 12, 11, 10, 0, 0,
     Fluid::HighBand, kSlurryLower, kSlurryPale, "H-out = 2.00  [m]", "H-in = 1.00  [m]"},
    {"fluid not above the layer", AnalysisType::GivenHeight, 1.0, 1.5, 12, 11, 10, 0, 0,
     Fluid::Band, kSlurryLower, kSlurryPale, "H-out = 1.00  [m]", "H-in = 1.50  [m]"},
    {"same fluid inside and above", AnalysisType::GivenStrength, 2.0, 1.0, 12, 11, 10, 10, 0,
     Fluid::WholeWindow, kSlurryLower, kSlurryPale, nullptr, "H-in = 1.00  [m]"},
    {"no outside fluid", AnalysisType::GivenStrength, 0.0, 1.0, 12, 11, 10, 0, 0, Fluid::None,
     kSlurryLower, kSlurryPale, nullptr, "H-in = 1.00  [m]"},
    {"no outside fluid, same unit weights", AnalysisType::GivenHeight, 0.0, 1.0, 12, 11, 10, 10, 0,
     Fluid::None, kSlurryLower, kSlurryPale, nullptr, "H-in = 1.00  [m]"},
    {"no lower slurry height", AnalysisType::GivenStrength, 2.0, 0.0, 12, 11, 10, 0, 0,
     Fluid::HighBand, kSlurryPale, kSlurryPale, "H-out = 2.00  [m]", nullptr},
    {"one slurry", AnalysisType::GivenHeight, 2.0, 1.0, 12, 12.005, 10, 0, 0, Fluid::HighBand,
     kSlurryLower, kSlurryLower, "H-out = 2.00  [m]", nullptr},
    {"given pumping pressure", AnalysisType::GivenPressure, 2.0, 1.0, 12, 11, 10, 0, 0,
     Fluid::WholeWindow, kSlurryLower, kSlurryLower, nullptr, nullptr},
    {"given pumping pressure without fluid", AnalysisType::GivenPressure, 0.0, 0.0, 12, 11, 10, 0,
     0, Fluid::WholeWindow, kSlurryPale, kSlurryPale, nullptr, nullptr},
    {"English units", AnalysisType::GivenStrength, 2.0, 1.0, 12, 11, 10, 0, 1, Fluid::HighBand,
     kSlurryLower, kSlurryPale, "H-out = 6.56  [ft]", "H-in = 3.28  [ft]"},
    {"two decimals", AnalysisType::GivenStrength, 3.237, 0.994, 12, 11, 10, 0, 0, Fluid::HighBand,
     kSlurryLower, kSlurryPale, "H-out = 3.24  [m]", "H-in = 0.99  [m]"},
};

ProjectRecord recordFor(const SketchCase &c)
{
    ProjectRecord record;
    record.input.analysisType = c.type;
    record.input.fluidHeightLower = c.fluidHeight;
    record.input.slurryHeightLower = c.slurryHeight;
    record.input.slurryUnitWeightLower = c.slurryLower;
    record.input.slurryUnitWeightUpper = c.slurryUpper;
    record.input.fluidUnitWeightLower = c.fluidLower;
    record.input.fluidUnitWeightUpper = c.fluidUpper;
    record.display.englishUnits = c.english;
    return record;
}

TEST(InputSketch, ShowsTheFluidLayersAndHeightsOfTheInput)
{
    for (const SketchCase &c : kCases) {
        SCOPED_TRACE(c.name);
        const ProjectRecord record = recordFor(c);
        const QImage image = paintSketch(record);

        // Right of the tube: near the top of the window, just below the level of
        // a fluid that does not reach the layer, and just above the base line.
        const QColor top = colourAt(image, 0.98, 0.1);
        const QColor middle = colourAt(image, 0.03, 0.5);
        const QColor low = colourAt(image, 0.03, 0.75);
        EXPECT_EQ(top, c.fluid == Fluid::WholeWindow ? kFluid : kBackground);
        EXPECT_EQ(middle,
                  c.fluid == Fluid::WholeWindow || c.fluid == Fluid::HighBand ? kFluid
                                                                              : kBackground);
        EXPECT_EQ(low, c.fluid == Fluid::None ? kBackground : kFluid);
        if (c.fluid == Fluid::HighBand) {
            EXPECT_EQ(colourAt(image, 0.98, 0.8 - 0.45 - 0.01), kBackground);
            EXPECT_EQ(colourAt(image, 0.98, 0.8 - 0.45 + 0.01), kFluid);
        }
        if (c.fluid == Fluid::Band) {
            EXPECT_EQ(colourAt(image, 0.98, 0.8 - 0.25 - 0.01), kBackground);
            EXPECT_EQ(colourAt(image, 0.98, 0.8 - 0.25 + 0.01), kFluid);
        }
        EXPECT_EQ(colourAt(image, 0.3, 0.85), kFoundation);

        EXPECT_EQ(schematicColour(image, 6, 3), c.lowerPart);
        EXPECT_EQ(schematicColour(image, 6, 16), c.upperPart);

        TextRecorder texts(kWidth, kHeight);
        recordTexts(record, texts);
        EXPECT_TRUE(texts.contains(QString::fromLatin1(kSketchNote)));
        bool outside = false;
        bool inside = false;
        for (const TextRecorder::Text &t : texts.texts()) {
            outside |= t.text.startsWith("H-out");
            inside |= t.text.startsWith("H-in");
        }
        EXPECT_EQ(outside, c.outsideLabel != nullptr);
        EXPECT_EQ(inside, c.insideLabel != nullptr);
        if (c.outsideLabel != nullptr) {
            EXPECT_TRUE(texts.contains(c.outsideLabel));
            // The label lies on the fluid, left of the tube, above the base line.
            // (Its top edge, beside the dimension line and above the letters.)
            EXPECT_EQ(image.pixelColor(int(0.13 * kWidth) + 25, int(0.8 * kHeight) - 49), kFluid);
        }
        if (c.insideLabel != nullptr) {
            EXPECT_TRUE(texts.contains(c.insideLabel));
        }
    }
}

TEST(InputSketch, DimensionLinesReachBothLevels)
{
    // Default data: the outside fluid band from 0.35 of the height to the base
    // line, the boundary of the upper layer at 0.482.
    const QImage image = paintSketch(ProjectRecord());
    struct Level
    {
        const char *name;
        double xShare;
        double yShare;
    };
    const Level levels[] = {{"fluid surface", 0.13, 0.35},
                            {"base line, outside", 0.13, 0.8},
                            {"layer boundary", 0.5, 0.482},
                            {"base line, inside", 0.5, 0.8}};
    for (const Level &level : levels) {
        SCOPED_TRACE(level.name);
        const int x = int(level.xShare * kWidth);
        const int y = int(level.yShare * kHeight);
        // The tick spans 20 pixels across the line; beyond it the picture goes on.
        EXPECT_LT(qGray(image.pixel(x - 8, y)), 80);
        EXPECT_LT(qGray(image.pixel(x + 8, y)), 80);
        EXPECT_GT(qGray(image.pixel(x - 14, y)), 80);
        // The arrowhead points at the level from outside: dark just outside,
        // ending at the level.
        const int outside = level.yShare < 0.79 ? -8 : 8;
        EXPECT_LT(qGray(image.pixel(x + 1, y + outside)), 80);
    }
}

TEST(InputSketch, OutlineIsASmoothTubeThroughItsFixedPoints)
{
    const auto &outline = sketchOutline();
    struct Fixed
    {
        std::size_t index;
        double a, b;
    };
    const Fixed fixed[]
        = {{0, 10.775, 0},         {210, 18.035, 10.836}, {358, 0, 19.845}, {359, 0, 19.847},
           {513, -18.160, 10.516}, {719, -10.712, 0},     {720, 0, 0},      {724, 0, 0}};
    for (const Fixed &f : fixed) {
        SCOPED_TRACE(f.index);
        EXPECT_NEAR(outline[f.index].a, f.a, 1e-9);
        EXPECT_NEAR(outline[f.index].b, f.b, 1e-9);
    }
    // Each side climbs steadily to the crest, the widest point lies near
    // mid-height, and consecutive points are close together with no sharp turn.
    double widestRight = 0, widestLeft = 0, heightRight = 0, heightLeft = 0;
    for (std::size_t i = 1; i <= 719; ++i) {
        SCOPED_TRACE(i);
        const double step
            = std::hypot(outline[i].a - outline[i - 1].a, outline[i].b - outline[i - 1].b);
        EXPECT_LT(step, 0.35);
        if (i <= 358) {
            EXPECT_GE(outline[i].b, outline[i - 1].b);
        }
        if (i >= 360) {
            EXPECT_LE(outline[i].b, outline[i - 1].b);
        }
        if (i >= 2 && i != 359 && i != 360) {
            const double h1 = std::atan2(outline[i - 1].b - outline[i - 2].b,
                                         outline[i - 1].a - outline[i - 2].a);
            const double h2
                = std::atan2(outline[i].b - outline[i - 1].b, outline[i].a - outline[i - 1].a);
            double turn = std::fabs(h2 - h1);
            turn = std::min(turn, 2 * M_PI - turn);
            EXPECT_LT(turn, 0.06);
        }
        if (outline[i].a > widestRight) {
            widestRight = outline[i].a;
            heightRight = outline[i].b;
        }
        if (-outline[i].a > widestLeft) {
            widestLeft = -outline[i].a;
            heightLeft = outline[i].b;
        }
    }
    EXPECT_NEAR(widestRight, 18.40, 0.02);
    EXPECT_NEAR(widestLeft, 18.40, 0.02);
    EXPECT_GT(heightRight, 6.0);
    EXPECT_LT(heightRight, 12.0);
    EXPECT_GT(heightLeft, 6.0);
    EXPECT_LT(heightLeft, 12.0);
}

TEST(InputSketch, BannerNamesTheRequestedTypeOfAnalysis)
{
    const AnalysisType types[]
        = {AnalysisType::GivenStrength, AnalysisType::GivenHeight, AnalysisType::GivenPressure};
    const char *letters[] = {"A", "B", "C"};
    const QRect banner = analysisTypeImageRect(QRectF(0, 0, kWidth, kHeight)).toAlignedRect();
    QList<QImage> regions;
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(letters[i]);
        ProjectRecord record;
        record.input.analysisType = types[i];
        TextRecorder texts(kWidth, kHeight);
        recordTexts(record, texts);
        EXPECT_TRUE(texts.contains("Requested type of analysis:"));
        EXPECT_TRUE(texts.contains(letters[i]));
        for (int j = 0; j < 3; ++j)
            EXPECT_EQ(texts.contains(letters[j]), i == j) << letters[j];
        regions.push_back(paintSketch(record).copy(banner));
    }
    EXPECT_NE(regions[0], regions[1]);
    EXPECT_NE(regions[1], regions[2]);
    EXPECT_NE(regions[0], regions[2]);
    // The banner stays clear of the tube's crest.
    EXPECT_LT(banner.bottom(), int((0.8 - 0.03 * 19.85) * kHeight));
}

TEST(InputSketch, ScalesWithTheWindow)
{
    // Twice the size, as on a 200 % screen or a finer image: the same colours at
    // the same places, and text twice as wide, so nothing is blurred or tiny.
    const ProjectRecord record;
    const QImage small = paintSketch(record);
    const QImage large = paintSketch(record, 2 * kWidth, 2 * kHeight);
    const double points[][2] = {{0.03, 0.5}, {0.98, 0.1}, {0.6, 0.7}, {0.6, 0.35}, {0.3, 0.85}};
    for (const auto &p : points) {
        SCOPED_TRACE(testing::Message() << p[0] << "," << p[1]);
        EXPECT_EQ(colourAt(small, p[0], p[1]), colourAt(large, p[0], p[1]));
    }
    TextRecorder smallTexts(kWidth, kHeight);
    TextRecorder largeTexts(2 * kWidth, 2 * kHeight);
    recordTexts(record, smallTexts);
    recordTexts(record, largeTexts);
    for (const QString &text : {QString::fromLatin1(kSketchNote), QString("H-out = 2.00  [m]"),
                                QString("Requested type of analysis:")}) {
        SCOPED_TRACE(text.toStdString());
        ASSERT_GT(smallTexts.widthOf(text), 0);
        EXPECT_NEAR(largeTexts.widthOf(text) / smallTexts.widthOf(text), 2.0, 0.2);
    }
}

TEST(InputSketch, KeepsItsProportionsInAnyWindowShape)
{
    // A wider window shows more fluid and ground on both sides, a taller one more
    // sky above: the tube keeps its size and the dimensions stay beside it.
    struct Shape
    {
        const char *name;
        int width, height;
        QPoint offset; // where the standard picture lands
    };
    const Shape shapes[] = {{"standard", kWidth, kHeight, {0, 0}},
                            {"wide", 2 * kWidth, kHeight, {kWidth / 2, 0}},
                            {"tall", kWidth, 2 * kHeight, {0, kHeight}}};
    const ProjectRecord record;
    for (const Shape &shape : shapes) {
        SCOPED_TRACE(shape.name);
        const QImage image = paintSketch(record, shape.width, shape.height);
        EXPECT_EQ(schematicColour(image, 18.0, 8.0, shape.offset), kSlurryLower);
        EXPECT_EQ(schematicColour(image, 19.0, 8.0, shape.offset), kFluid);
        EXPECT_EQ(schematicColour(image, -15.0, 15.0, shape.offset), kSlurryPale);
        // The outside dimension line, left of the tube.
        EXPECT_LT(qGray(image.pixel(shape.offset.x() + int(0.13 * kWidth),
                                    shape.offset.y() + int(0.6 * kHeight))),
                  80);
        // Fluid and ground reach both sides, sky the top.
        EXPECT_EQ(image.pixelColor(1, shape.height - 2), kFoundation);
        EXPECT_EQ(image.pixelColor(shape.width - 2, int(shape.offset.y() + 0.7 * kHeight)), kFluid);
        EXPECT_EQ(image.pixelColor(shape.width - 2, 2), kBackground);
    }
}

TEST(InputSketch, DisplayRepaintsWhenTheInputChanges)
{
    QTemporaryDir dir;
    QSettings settings(dir.filePath("settings.ini"), QSettings::IniFormat);
    ProjectRecord record;
    record.state.dataDirectory = dir.filePath("data").toStdString();
    test::RecordingServices recorder;
    DesktopHooks hooks;
    hooks.createInputDisplay = createInputDisplay;
    CMainFrame frame(record, recorder.services(), nullptr, hooks, &settings);
    frame.resize(1000, 600);
    frame.show();
    frame.newProject();
    auto *display = qobject_cast<CDisplyInput *>(frame.inputDisplay());
    ASSERT_NE(display, nullptr);
    QApplication::processEvents();
    const QRect area = display->contentsRect();
    auto fluidAtTop = [&] {
        const QImage shown = display->grab().toImage();
        return shown.pixelColor(area.left() + int(0.98 * area.width()),
                                area.top() + int(0.1 * area.height()))
            == kFluid;
    };
    EXPECT_FALSE(fluidAtTop());

    // Changing the data through the input menu repaints the display.
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
    record.input.analysisType = AnalysisType::GivenPressure;
    emit frame.mainMenu()->inputChanged();
    QApplication::processEvents();
    EXPECT_GT(counter.paints, 0);
    EXPECT_TRUE(fluidAtTop());
    display->removeEventFilter(&counter);
    record.state.projectOpen = 0;
}

TEST(InputSketch, TagFollowsTheHiddenTagsSwitch)
{
    for (int hidden : {1, 0}) {
        SCOPED_TRACE(hidden);
        ProjectRecord record;
        record.state.hideDialogTags = hidden;
        CDisplyInput display(record);
        display.show();
        auto *tag = display.findChild<QLabel *>("dialogTag");
        ASSERT_NE(tag, nullptr);
        EXPECT_EQ(tag->isVisible(), hidden == 0);
        EXPECT_EQ(display.windowTitle(), "Display of Input Data");
    }
}

TEST(InputSketch, PictureFileIsWrittenOrTheFailureReported)
{
    QTemporaryDir dir;
    ProjectRecord record;
    std::string error;
    const std::string path = dir.filePath("sketch.png").toStdString();
    ASSERT_TRUE(writeSketchImage(record, path, 400, 250, error)) << error;
    QImage written(QString::fromStdString(path));
    EXPECT_EQ(written.size(), QSize(400, 250));
    EXPECT_EQ(written.pixelColor(200, 240), kFoundation);
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files) == QStringList {"sketch.png"})
        << "no temporary file is left";

    struct Bad
    {
        const char *name;
        std::string path;
        int width, height;
    };
    const Bad bad[]
        = {{"missing folder", dir.filePath("missing/sketch.png").toStdString(), 400, 250},
           {"zero size", dir.filePath("empty.png").toStdString(), 0, 250},
           {"unknown type", dir.filePath("sketch.gif").toStdString(), 400, 250}};
    for (const Bad &b : bad) {
        SCOPED_TRACE(b.name);
        error.clear();
        EXPECT_FALSE(writeSketchImage(record, b.path, b.width, b.height, error));
        EXPECT_FALSE(error.empty());
        EXPECT_FALSE(QFile::exists(QString::fromStdString(b.path)));
    }
}

TEST(InputSketch, BatchCommandDrawsTheSketchWithoutADisplay)
{
    QTemporaryDir dir;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY");
    environment.remove("WAYLAND_DISPLAY");
    environment.remove("QT_QPA_PLATFORM");
    struct Run
    {
        const char *name;
        QStringList arguments;
        QSize size;
        QColor topRight;
    };
    const Run runs[] = {
        {"default size", {"--set", "analysisType=GivenStrength"}, QSize(628, 410), kBackground},
        {"given size, type C",
         {"--set", "analysisType=GivenPressure", "--size", "300x200"},
         QSize(300, 200),
         kFluid},
    };
    for (const Run &run : runs) {
        SCOPED_TRACE(run.name);
        const QString png = dir.filePath(QString::fromLatin1(run.name) + ".png");
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(VENDRIX_EXECUTABLE,
                      QStringList {"run"} + run.arguments + QStringList {"--sketch", png});
        ASSERT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
        const QImage image(png);
        EXPECT_EQ(image.size(), run.size);
        EXPECT_EQ(colourAt(image, 0.98, 0.1), run.topRight);
    }
}

// With VENDRIX_SCREENSHOT_DIR set, the sketches for the documentation.
TEST(InputSketch, Screenshots)
{
    const QByteArray directory = qgetenv("VENDRIX_SCREENSHOT_DIR");
    if (directory.isEmpty())
        GTEST_SKIP() << "VENDRIX_SCREENSHOT_DIR not set";
    struct Shot
    {
        const char *file;
        AnalysisType type;
        double slurryUpper;
        double fluidHeight;
    };
    const Shot shots[] = {
        {"sketch-given-strength.png", AnalysisType::GivenStrength, 11, 2.0},
        {"sketch-given-height.png", AnalysisType::GivenHeight, 11, 2.0},
        {"sketch-given-pressure.png", AnalysisType::GivenPressure, 11, 2.0},
        {"sketch-one-layer.png", AnalysisType::GivenStrength, 12, 2.0},
        {"sketch-no-water.png", AnalysisType::GivenHeight, 11, 0.0},
    };
    QDir().mkpath(QString::fromLocal8Bit(directory));
    for (const Shot &shot : shots) {
        SCOPED_TRACE(shot.file);
        ProjectRecord record;
        record.input.analysisType = shot.type;
        record.input.slurryUnitWeightUpper = shot.slurryUpper;
        record.input.fluidHeightLower = shot.fluidHeight;
        CDisplyInput display(record);
        display.resize(display.sizeHint());
        display.show();
        QApplication::processEvents();
        EXPECT_TRUE(display.grab().save(QString::fromLocal8Bit(directory) + "/" + shot.file));
    }
}

} // namespace

// The CAD drawing, the comma-separated outline, the workbook and the report's
// paper as the vendrix executable writes them, read back by independent tools:
// ezdxf (the Python DXF library), openpyxl and pdfinfo.
#include "graphics/locale_paper.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "program_run_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

using vendrix::test::Finished;
using vendrix::test::runProgram;

QString sourceFile(const char *path)
{
    return QDir::cleanPath(QStringLiteral(VENDRIX_TEST_DATA_DIR "/../../") + path);
}

// The Debian interpreter, which carries python3-ezdxf (another Python first on
// the PATH may not).
const QString kPython = QStringLiteral("/usr/bin/python3");

bool ezdxfAvailable()
{
    return runProgram(kPython, {"-c", "import ezdxf"}).status == 0;
}

struct ExportCase
{
    const char *name;
    QStringList arguments;
    bool english;
    int consolidate; // 0 as filled, 1 or 2
    bool slurryInterface; // two layers shown as filled
};

// Width and height of the shown shape from the run's JSON, in metres.
void expectedExtent(const QJsonObject &json, int consolidate, double &width, double &height)
{
    const QJsonObject solution = json["solution"].toObject();
    width = solution["maxWidth"].toDouble();
    height = solution["maxHeight"].toDouble();
    if (consolidate == 0)
        return;
    const QJsonObject consolidation = json["consolidation"].toObject();
    height = consolidation["finalHeight"].toDouble();
    if (consolidate == 1) {
        double half = 0;
        for (const QJsonValue x : consolidation["shapeX"].toArray())
            half = std::max(half, x.toDouble());
        width = 2 * half;
    }
}

// One closed outline on the TUBE layer, standing on y = 0, symmetric about
// x = 0 and as wide and high as the reported shape.
void expectOneClosedOutline(const QJsonObject &facts, double width, double height)
{
    QJsonObject outline;
    int outlines = 0;
    for (const QJsonValue p : facts["polylines"].toArray()) {
        if (p["layer"].toString() == "TUBE") {
            outline = p.toObject();
            ++outlines;
        }
    }
    ASSERT_EQ(outlines, 1);
    EXPECT_TRUE(outline["closed"].toBool());
    const double spanX = outline["maxX"].toDouble() - outline["minX"].toDouble();
    EXPECT_NEAR(spanX, width, 0.005 * width);
    EXPECT_NEAR(outline["maxY"].toDouble(), height, 0.005 * height);
    EXPECT_NEAR(outline["minY"].toDouble(), 0, 1e-6);
    EXPECT_NEAR(outline["minX"].toDouble(), -outline["maxX"].toDouble(), 1e-6);
}

// The foundation lies on y = 0 and the centre line on x = 0, one line each.
void expectFoundationAndCentreLineThroughTheOrigin(const QJsonObject &lines)
{
    const QJsonArray foundation = lines["FOUNDATION"].toArray();
    ASSERT_EQ(foundation.size(), 1);
    EXPECT_EQ(foundation[0].toArray()[1].toDouble(), 0.0);
    EXPECT_EQ(foundation[0].toArray()[3].toDouble(), 0.0);
    const QJsonArray centre = lines["CENTRE_LINE"].toArray();
    ASSERT_EQ(centre.size(), 1);
    EXPECT_EQ(centre[0].toArray()[0].toDouble(), 0.0);
    EXPECT_EQ(centre[0].toArray()[2].toDouble(), 0.0);
}

TEST(BatchExports, CadDrawingReadBackByEzdxfSpansTheReportedShape)
{
    if (!ezdxfAvailable())
        GTEST_SKIP() << "python3-ezdxf is not installed";
    const QString english = sourceFile("examples/given-pressure-english.Vdx");
    const ExportCase cases[] = {
        {"as filled", {}, false, 0, true},
        {"two layers and water",
         {"--set", "twoSlurryLayers=1", "--set", "slurryHeightLower=1", "--set",
          "fluidHeightLower=1"},
         false,
         0,
         true},
        {"one layer", {"--set", "twoSlurryLayers=0"}, false, 0, false},
        // A given pressure: the exact method solves the two layers entered, the
        // classic one a single slurry.
        {"English", {english}, true, 0, true},
        {"English, classic", {english, "--method", "classic"}, true, 0, false},
        {"Option 1", {"--consolidate", "1", "--set", "consolidatedUnitWeight=14"}, false, 1, false},
        {"Option 2 in feet", {english, "--consolidate", "2"}, true, 2, false},
    };
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const ExportCase &c : cases) {
        SCOPED_TRACE(c.name);
        const QString dxf = dir.filePath("tube.dxf");
        const Finished run = runProgram(VENDRIX_EXECUTABLE,
                                        QStringList {"run"} + c.arguments
                                            + QStringList {"--json", "--profile", "--dxf", dxf});
        ASSERT_EQ(run.status, 0) << run.err.toStdString();
        double width = 0, height = 0;
        expectedExtent(QJsonDocument::fromJson(run.out.toUtf8()).object(), c.consolidate, width,
                       height);
        const double unit = c.english ? 3.28084 : 1.0;

        const Finished read = runProgram(kPython, {sourceFile("tests/tools/read_dxf.py"), dxf});
        ASSERT_EQ(read.status, 0) << read.err.toStdString();
        const QJsonObject facts = QJsonDocument::fromJson(read.out.toUtf8()).object();
        EXPECT_TRUE(facts["auditErrors"].toArray().isEmpty()) << read.out.toStdString();
        EXPECT_EQ(facts["insunits"].toInt(), c.english ? 2 : 6);
        const QJsonArray layers = facts["layers"].toArray();
        for (const char *layer : {"TUBE", "TUBE_AS_FILLED", "SLURRY_INTERFACE", "FLUID_LEVEL",
                                  "FOUNDATION", "CENTRE_LINE", "DIMENSIONS", "TEXT"})
            EXPECT_TRUE(layers.contains(QString::fromLatin1(layer))) << layer;

        expectOneClosedOutline(facts, width * unit, height * unit);
        const QJsonObject lines = facts["lines"].toObject();
        expectFoundationAndCentreLineThroughTheOrigin(lines);
        EXPECT_EQ(lines.contains("SLURRY_INTERFACE"), c.slurryInterface);
        EXPECT_GE(facts["texts"].toArray().size(), 6);
    }
}

TEST(BatchExports, CsvHoldsTheOutlineInTheProjectsUnit)
{
    const struct
    {
        QStringList arguments;
        const char *header;
        int rows;
        double unit;
    } cases[] = {
        {{}, "x [m],y [m]", 722, 1.0},
        {{sourceFile("examples/given-pressure-english.Vdx")}, "x [ft],y [ft]", 722, 3.28084},
        {{"--consolidate", "2", "--set", "consolidatedUnitWeight=14"}, "x [m],y [m]", 4, 1.0},
    };
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const auto &c : cases) {
        SCOPED_TRACE(c.header);
        const QString csv = dir.filePath("outline.csv");
        const Finished run
            = runProgram(VENDRIX_EXECUTABLE,
                         QStringList {"run"} + c.arguments + QStringList {"--json", "--csv", csv});
        ASSERT_EQ(run.status, 0) << run.err.toStdString();
        const QJsonObject json = QJsonDocument::fromJson(run.out.toUtf8()).object();
        const double halfWidth = json["solution"]["maxWidth"].toDouble() / 2 * c.unit;
        const double height = c.rows == 4 ? json["consolidation"]["finalHeight"].toDouble()
                                          : json["solution"]["maxHeight"].toDouble();
        QFile file(csv);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QStringList rows = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
        ASSERT_EQ(rows.size(), c.rows + 1);
        EXPECT_EQ(rows[0], c.header);
        double top = 0;
        for (int i = 1; i < rows.size(); ++i) {
            const QStringList xy = rows[i].split(',');
            ASSERT_EQ(xy.size(), 2) << rows[i].toStdString();
            bool okX = false, okY = false;
            const double x = xy[0].toDouble(&okX), y = xy[1].toDouble(&okY);
            ASSERT_TRUE(okX && okY) << rows[i].toStdString();
            EXPECT_LE(std::abs(x), halfWidth * 1.005 + 1e-4) << i;
            EXPECT_GE(y, 0);
            top = std::max(top, y);
        }
        EXPECT_NEAR(top, height * c.unit, 0.005 * height * c.unit);
    }
}

TEST(BatchExports, ReportPaperFromTheOptionOrTheLocale)
{
    const struct
    {
        QStringList arguments;
        const char *lcAll;
        const char *lcPaper;
        const char *pageSize;
    } cases[] = {
        {{"--paper", "letter"}, "", "", "612 x 792"},
        {{"--paper", "a4"}, "", "en_US.UTF-8", "595 x 842"},
        {{}, "", "en_US.UTF-8", "612 x 792"},
        {{}, "", "de_DE.UTF-8", "595 x 842"},
        {{}, "C", "en_CA.UTF-8", "595 x 842"}, // LC_ALL decides every category
    };
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.lcPaper) + " " + c.arguments.join(' ').toStdString());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"LC_ALL", "LC_PAPER", "LANG"})
            environment.remove(name);
        if (*c.lcAll)
            environment.insert("LC_ALL", c.lcAll);
        if (*c.lcPaper)
            environment.insert("LC_PAPER", c.lcPaper);
        const QString pdf = dir.filePath("report.pdf");
        const Finished run = runProgram(
            VENDRIX_EXECUTABLE, QStringList {"run", "--pdf", pdf} + c.arguments, environment);
        ASSERT_EQ(run.status, 0) << run.err.toStdString();
        const Finished info = runProgram("pdfinfo", {pdf});
        const QRegularExpression size("Page size:\\s+([0-9.]+) x ([0-9.]+) pts");
        const QRegularExpressionMatch m = size.match(info.out);
        ASSERT_TRUE(m.hasMatch()) << info.out.toStdString();
        const QString rounded = QString("%1 x %2")
                                    .arg(std::lround(m.captured(1).toDouble()))
                                    .arg(std::lround(m.captured(2).toDouble()));
        EXPECT_EQ(rounded.toStdString(), c.pageSize);
    }
}

TEST(BatchExports, LocalePaperFollowsThePosixOrderOfVariables)
{
    const struct
    {
        const char *lcAll, *lcPaper, *lang;
        QPageSize::PageSizeId paper;
    } cases[] = {
        {nullptr, nullptr, nullptr, QPageSize::A4},
        {nullptr, nullptr, "en_US.UTF-8", QPageSize::Letter},
        {nullptr, "fr_CA.UTF-8", "de_DE.UTF-8", QPageSize::Letter},
        {nullptr, "en_GB.UTF-8", "en_US.UTF-8", QPageSize::A4},
        {"C.UTF-8", "en_US.UTF-8", nullptr, QPageSize::A4},
        {"es_MX", nullptr, nullptr, QPageSize::Letter},
        {"", "en_US@euro", nullptr, QPageSize::Letter},
        {nullptr, "POSIX", "en_US", QPageSize::A4},
        {nullptr, "nonsense", nullptr, QPageSize::A4},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.lcAll ? c.lcAll : "-") + " " + (c.lcPaper ? c.lcPaper : "-")
                     + " " + (c.lang ? c.lang : "-"));
        EXPECT_EQ(vendrix::paperOfLocale(c.lcAll, c.lcPaper, c.lang), c.paper);
    }
}

TEST(BatchExports, VersionIsTheProjectVersion)
{
    const Finished version = runProgram(VENDRIX_EXECUTABLE, {"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.toStdString(), std::string("vendrix ") + VENDRIX_VERSION_TEXT + "\n");
}

} // namespace

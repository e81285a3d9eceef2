// The parametric study on screen and on paper: the window opened from the main
// menu, its table with failed points, cancelling a long study, the chart's
// curves counted in a rendered image, and the batch files through the hooks.

#include "app/dialogs/results/parametric_study_window.h"
#include "app/window/main_menu.h"
#include "dialog_test_support.h"
#include "graphics/image_export.h"
#include "graphics/study_chart.h"
#include "graphics/study_page.h"
#include "model/project_file.h"
#include "program_run_support.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QProgressBar>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace vendrix {
namespace {

using namespace vendrix::test;

// Waits for the worker; the window stays responsive meanwhile.
bool finished(ParametricStudyWindow &window, int ms = 20000)
{
    return QTest::qWaitFor([&] { return !window.isComputing(); }, ms);
}

void setRange(ParametricStudyWindow &window, const char *field, const char *from, const char *to,
              int steps)
{
    child<QComboBox>(window, "studyField")->setCurrentText(field);
    typeInto(window, "studyFrom", from);
    typeInto(window, "studyTo", to);
    child<QSpinBox>(window, "studySteps")->setValue(steps);
}

TEST(ParametricStudyWindow, OpensFromTheMainMenuAndTabulatesEveryPointWithItsReason)
{
    ProjectRecord record;
    record.state.projectOpen = true;
    record.input.analysisType = AnalysisType::GivenHeight; // 2.5 m: too high for 6 m
    RecordingServices recorder;
    MainMenu menu(record, recorder.services());
    QString opened;
    menu.runDialog = [&](QDialog &dialog) {
        opened = dialog.objectName();
        return 0;
    };
    QTest::mouseClick(child<QPushButton>(menu, "parametricStudy"), Qt::LeftButton);
    EXPECT_EQ(opened, "parametricStudy"); // before any run

    const struct
    {
        const char *secondValues; // nullptr: no second input
        int rows;
        int failed;
    } cases[] = {{nullptr, 4, 1}, {"11.5, 12.5", 8, 2}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.secondValues ? c.secondValues : "one input");
        ParametricStudyWindow window(record, recorder.services(), SolutionMethod::Exact);
        showActive(window);
        setRange(window, "circumference", "6", "12", 4);
        child<QCheckBox>(window, "useSecondInput")->setChecked(c.secondValues != nullptr);
        if (c.secondValues) {
            child<QComboBox>(window, "secondField")->setCurrentText("slurryUnitWeightLower");
            typeInto(window, "secondValues", c.secondValues);
        }
        window.recomputeNow();
        ASSERT_TRUE(finished(window));
        const QAbstractItemModel *table = child<QTableView>(window, "studyPoints")->model();
        ASSERT_EQ(table->rowCount(), c.rows);
        const int remark = table->columnCount() - 1;
        const auto text
            = [table](int row, int column) { return table->index(row, column).data().toString(); };
        int failed = 0;
        for (int row = 0; row < table->rowCount(); ++row) {
            const bool fails = text(row, remark).startsWith("Error No.302");
            failed += fails;
            EXPECT_EQ(text(row, remark - 1) == "-", fails) << row;
        }
        EXPECT_EQ(failed, c.failed);
        EXPECT_TRUE(child(window, "saveTable")->isEnabled());
    }
    EXPECT_FALSE(record.state.resultsValid);
}

TEST(ParametricStudyWindow, RefusedRangesNameTheInputAndShowNoTable)
{
    const struct
    {
        const char *from;
        const char *to;
        const char *status;
    } cases[] = {
        {"abc", "12", "Please enter a number."},
        {"-4", "12", "Circumference"},
    };
    ProjectRecord record;
    RecordingServices recorder;
    ParametricStudyWindow window(record, recorder.services(), SolutionMethod::Exact);
    showActive(window);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.from);
        setRange(window, "circumference", c.from, c.to, 5);
        window.recomputeNow();
        EXPECT_TRUE(window.statusText().contains(c.status)) << window.statusText().toStdString();
        EXPECT_EQ(child<QTableView>(window, "studyPoints")->model()->rowCount(), 0);
        EXPECT_FALSE(child(window, "printStudy")->isEnabled());
    }
}

// A study long enough for the progress bar; Cancel stops it, the points not
// computed say so, and the project is the same, byte for byte.
TEST(ParametricStudyWindow, CancelStopsALongStudyAndLeavesTheProjectUntouched)
{
    ProjectRecord record;
    const std::string before = serializeProject(record);
    RecordingServices recorder;
    {
        ParametricStudyWindow window(record, recorder.services(), SolutionMethod::Classic);
        window.setQuietStudyTime(0); // an idle machine finishes within the usual half second
        showActive(window);
        setRange(window, "circumference", "8", "14", 1000);
        child<QCheckBox>(window, "useSecondInput")->setChecked(true);
        typeInto(window, "secondValues", "60, 80, 100, 120, 140, 160, 180, 200");
        window.recomputeNow();
        auto *cancel = child<QPushButton>(window, "cancelStudy");
        ASSERT_TRUE(QTest::qWaitFor([&] { return cancel->isVisible(); }, 5000));
        EXPECT_TRUE(child<QProgressBar>(window, "studyProgress")->isVisible());
        QTest::mouseClick(cancel, Qt::LeftButton);
        ASSERT_TRUE(finished(window, 5000));
        ASSERT_EQ(window.points().size(), 8000u);
        EXPECT_EQ(window.points().back().error, kStudyCancelled);
        EXPECT_FALSE(cancel->isVisible());
        // Closing while a new study runs waits for its worker.
        typeInto(window, "studyTo", "15");
        window.recomputeNow();
    }
    EXPECT_EQ(serializeProject(record), before);
}

// A change while a long study runs drops it: what arrives belongs to the new values.
TEST(ParametricStudyWindow, ChangesDropTheStudyStillRunning)
{
    ProjectRecord record;
    RecordingServices recorder;
    ParametricStudyWindow window(record, recorder.services(), SolutionMethod::Classic);
    showActive(window);
    setRange(window, "circumference", "8", "14", 1000);
    window.recomputeNow();
    ASSERT_TRUE(window.isComputing());
    child<QSpinBox>(window, "studySteps")->setValue(3);
    window.recomputeNow();
    ASSERT_TRUE(finished(window));
    QTest::qWait(200); // the dropped worker's end, had it been taken
    EXPECT_EQ(window.points().size(), 3u);
    EXPECT_EQ(child<QTableView>(window, "studyPoints")->model()->rowCount(), 3);
    EXPECT_TRUE(window.points().back().solved) << window.points().back().error;
}

TEST(ParametricStudyWindow, SavesTableAndChartAndPrintsThePage)
{
    QTemporaryDir directory;
    ASSERT_TRUE(directory.isValid());
    ProjectRecord record;
    record.display.unitSystem = UnitSystem::English;
    RecordingServices recorder;
    ParametricStudyWindow window(record, recorder.services(), SolutionMethod::Exact);
    const QString pdf = directory.filePath("study.pdf");
    window.setPrinterChooser([&](QWidget *) { return pdfPrinter(pdf); });
    showActive(window);
    setRange(window, "circumference", "30", "40", 3); // feet
    window.recomputeNow();
    ASSERT_TRUE(finished(window));
    EXPECT_NEAR(window.request().first.values.back(), 40 / 3.28084, 1e-3);
    recorder.nextFileName = directory.filePath("table");
    click(window, "saveTable");
    QFile csv(directory.filePath("table.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_TRUE(csv.readLine().startsWith("circumference [ft],"));
    for (const char *name : {"chart.png", "chart.svg"}) {
        recorder.nextFileName = directory.filePath(name);
        click(window, "savePicture");
        EXPECT_GT(QFileInfo(recorder.nextFileName).size(), 1000) << name;
    }
    click(window, "printStudy");
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", pdf, "-"});
    ASSERT_TRUE(pdftotext.waitForFinished(10000));
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    EXPECT_TRUE(text.contains("30 to 40 in 3 steps")) << text.toStdString();
    EXPECT_TRUE(recorder.shown.empty());
}

// Axes end on round steps around their values, whatever the range.
TEST(ChartAxis, RoundedEndsEncloseTheValuesInAFewRoundSteps)
{
    const struct
    {
        double low, high;
    } cases[] = {{0, 9.7}, {2.27, 3.30}, {-0.3, 0.45}, {5, 5}, {0, 0}, {1e-7, 3e-7}, {40, 8}};
    for (const auto &c : cases) {
        SCOPED_TRACE(std::to_string(c.low) + " .. " + std::to_string(c.high));
        const ChartAxis axis = ChartAxis::rounded(c.low, c.high, 6);
        EXPECT_LE(axis.low, std::min(c.low, c.high));
        EXPECT_GE(axis.high, std::max(c.low, c.high));
        const double intervals = (axis.high - axis.low) / axis.step;
        EXPECT_NEAR(intervals, std::round(intervals), 1e-6);
        EXPECT_GE(intervals, 1);
        EXPECT_LE(intervals, 13);
        const double mantissa = axis.step / std::pow(10, std::floor(std::log10(axis.step)));
        EXPECT_TRUE(std::abs(mantissa - 1) < 1e-9 || std::abs(mantissa - 2) < 1e-9
                    || std::abs(mantissa - 5) < 1e-9)
            << axis.step;
    }
}

// Per curve: points solved and failed, each result's range in display units.
TEST(StudyPage, SummaryCountsFailuresAndRangesPerCurve)
{
    ProjectRecord project;
    project.input.analysisType = AnalysisType::GivenHeight;
    project.display.unitSystem = UnitSystem::English;
    StudyRequest request;
    request.first = {"circumference", {6, 8, 10, 12}};
    request.second = StudyAxis {"slurryUnitWeightLower", {11, 13}};
    const std::vector<StudyPoint> points = runStudy(project, request);
    StudyChartData data {&request, &points, {StudyValue::Height}, project.display};
    const std::vector<StudySummaryRow> rows = studySummaryRows(data);
    ASSERT_EQ(rows.size(), 2u);
    for (const StudySummaryRow &row : rows) {
        SCOPED_TRACE(row.curve);
        EXPECT_EQ(row.solved, 3);
        EXPECT_EQ(row.failed, 1); // 6 m is too small for 2.5 m
        ASSERT_EQ(row.ranges.size(), 1u);
        EXPECT_NEAR(row.ranges[0].first, 2.5 * 3.28084, 1e-6); // the given height, in feet
        EXPECT_NEAR(row.ranges[0].second, 2.5 * 3.28084, 1e-6);
    }
    EXPECT_TRUE(rows[1].curve.starts_with("slurryUnitWeightLower = ")) << rows[1].curve;
}

// Close enough to tell the chart's colours apart, antialiased edges aside.
int pixelsOf(const QImage &image, QColor colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            n += std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green())
                    + std::abs(c.blue() - colour.blue())
                < 12;
        }
    return n;
}

TEST(StudyChart, DrawsOneCurvePerSecondValueForEachResult)
{
    const struct
    {
        std::vector<double> second; // empty: no second input
        std::vector<StudyValue> shown;
        size_t curves;
        size_t colours;
    } cases[] = {
        {{}, {StudyValue::Height}, 1, 1},
        {{11, 12, 13}, {StudyValue::Height}, 3, 3},
        {{11, 12, 13}, {StudyValue::Height, StudyValue::PumpingPressure}, 6, 3},
    };
    ProjectRecord project;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.curves);
        StudyRequest request;
        request.first = {"circumference", rangeValues(8, 12, 5)};
        if (!c.second.empty())
            request.second = StudyAxis {"slurryUnitWeightLower", c.second};
        const std::vector<StudyPoint> points = runStudy(project, request);
        StudyChartData data {&request, &points, c.shown, project.display};
        const std::vector<ChartSeries> series = studyChartSeries(data);
        ASSERT_EQ(series.size(), c.curves);
        std::set<QRgb> colours;
        for (const ChartSeries &s : series)
            colours.insert(s.colour.rgb());
        EXPECT_EQ(colours.size(), c.colours);
        const QImage image = renderDrawing(
            [&](QPainter &p, const QRectF &r) { drawStudyChart(p, r, data); }, QSize(800, 500));
        for (const QRgb colour : colours)
            EXPECT_GT(pixelsOf(image, QColor(colour)), 200) << std::hex << colour;
        for (const ChartSeries &s : series) {
            ASSERT_EQ(s.runs.size(), 1u);
            EXPECT_EQ(s.runs.front().size(), 5u);
            EXPECT_EQ(s.legend.isEmpty(), c.second.empty() || s.onRight);
        }
    }
}

// The chart and the page reach their files through the batch hooks.
TEST(StudyBatchExecutable, WritesTheChartAndThePrintablePage)
{
    QTemporaryDir directory;
    ASSERT_TRUE(directory.isValid());
    const QStringList vary {
        "run",    "--vary", "circumference=8:12:5", "--vary", "slurryUnitWeightLower=11,12",
        "--study"};
    const QString png = directory.filePath("study.png");
    test::Finished done = test::runProgram(
        VENDRIX_EXECUTABLE, vary + QStringList {png, "--size", "640x400"}, test::withoutDisplay());
    EXPECT_EQ(done.status, 0) << done.err.toStdString();
    EXPECT_EQ(QImage(png).size(), QSize(640, 400));
    const QString pdf = directory.filePath("study.pdf");
    done = test::runProgram(VENDRIX_EXECUTABLE, vary + QStringList {pdf}, test::withoutDisplay());
    EXPECT_EQ(done.status, 0) << done.err.toStdString();
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", pdf, "-"});
    ASSERT_TRUE(pdftotext.waitForFinished(10000));
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    for (const char *expected : {"PARAMETRIC STUDY", "8 to 12 in 5 steps",
                                 "slurryUnitWeightLower = 12", "Summary of the table"})
        EXPECT_TRUE(text.contains(expected)) << expected << "\n" << text.toStdString();
}

} // namespace
} // namespace vendrix

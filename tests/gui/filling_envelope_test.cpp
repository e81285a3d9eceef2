// The filling envelope on screen and on paper: the chart painted into an
// image, the field card read back from its PDF, and the window opened from
// the main menu without a run.

#include "app/dialogs/results/filling_envelope_dialog.h"
#include "app/window/main_menu.h"
#include "dialog_test_support.h"
#include "graphics/envelope_chart.h"
#include "graphics/field_card.h"
#include "graphics/image_export.h"
#include "program_run_support.h"

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace vendrix {
namespace {

using namespace vendrix::test;

// Close enough to tell the colours of the chart apart, antialiased edges included.
bool near(QColor a, QColor b)
{
    return std::abs(a.red() - b.red()) < 12 && std::abs(a.green() - b.green()) < 12
        && std::abs(a.blue() - b.blue()) < 12;
}

// How many pixels of a colour lie in a small square around a point.
int pixelsNear(const QImage &image, QPointF at, int radius, QColor colour)
{
    int n = 0;
    for (int y = int(at.y()) - radius; y <= int(at.y()) + radius; ++y)
        for (int x = int(at.x()) - radius; x <= int(at.x()) + radius; ++x)
            if (image.rect().contains(x, y) && near(image.pixelColor(x, y), colour))
                ++n;
    return n;
}

QString pdfText(const QString &pdf)
{
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", pdf, "-"});
    EXPECT_TRUE(pdftotext.waitForFinished(10000));
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

TEST(EnvelopeChart, ShowsTheAllowableLineAndTheMarkedLimit)
{
    for (UnitSystem units : {UnitSystem::SI, UnitSystem::English}) {
        SCOPED_TRACE(static_cast<int>(units));
        const FillingEnvelope e = computeFillingEnvelope(TubeInput {}, {});
        ASSERT_EQ(e.state, SafeLimitState::Found);
        const QSize size(800, 500);
        const QImage image = renderDrawing(
            [&](QPainter &p, const QRectF &r) { drawEnvelopeChart(p, r, e, units); }, size);
        const EnvelopeChartLayout l = envelopeChartLayout(e, units, 800, 500);
        const double yAllowable = l.yOfTension(e.allowableTension);
        // The dashed line: along its row at least a third of the plot is its colour.
        int red = 0;
        for (int x = int(l.plot.left()); x < int(l.plot.right()); ++x)
            red += pixelsNear(image, QPointF(x, yAllowable), 0, envelopeChartColours::allowable)
                > 0;
        EXPECT_GT(red, l.plot.width() / 3);
        // Both markers of the limit, and the shaded unsafe side right of it.
        const double x = l.xOf(e.safeLimit.pumpingPressure);
        EXPECT_GT(pixelsNear(image, QPointF(x, yAllowable), 3, envelopeChartColours::limit), 10);
        EXPECT_GT(pixelsNear(image, QPointF(x, l.yOfHeight(e.safeLimit.maxHeight)), 3,
                             envelopeChartColours::limit),
                  10);
        const QPointF unsafe((x + l.plot.right()) / 2, l.plot.bottom() - 0.4 * l.plot.height());
        EXPECT_GT(pixelsNear(image, unsafe, 3, envelopeChartColours::unsafeShade), 10);
        const QPointF safe((x + l.plot.left()) / 2, l.plot.bottom() - 0.4 * l.plot.height());
        EXPECT_EQ(pixelsNear(image, safe, 3, envelopeChartColours::unsafeShade), 0);
    }
}

TEST(FieldCard, PdfCarriesBothSafeNumbersWithUnits)
{
    QTemporaryDir directory;
    ASSERT_TRUE(directory.isValid());
    struct Case
    {
        int english;
        const char *pressure;
        const char *height;
    };
    const Case cases[] = {{0, "11.63 [kPa]", "2.68 [m]"}, {1, "1.69 [psi]", "8.80 [ft]"}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.english);
        ProjectRecord record;
        record.info.title = "Harbour dike";
        record.display.unitSystem = c.english ? UnitSystem::English : UnitSystem::SI;
        const FillingEnvelope e = computeFillingEnvelope(record.input, {});
        const QString pdf = directory.filePath(QString("card%1.pdf").arg(c.english));
        const auto failure = writeFieldCardPdf(record, e, pdf.toStdString());
        ASSERT_FALSE(failure) << failure->messageText;
        const QString text = pdfText(pdf);
        SCOPED_TRACE(text.toStdString());
        EXPECT_TRUE(text.contains("MAXIMUM PUMPING PRESSURE"));
        EXPECT_TRUE(text.contains("STOP FILLING AT HEIGHT"));
        EXPECT_TRUE(text.contains(c.pressure));
        EXPECT_TRUE(text.contains(c.height));
        EXPECT_TRUE(text.contains("Harbour dike"));
        EXPECT_TRUE(text.contains("Gauge table"));
        EXPECT_TRUE(text.contains(QRegularExpression("Page 1 of +1")));
    }
}

TEST(FieldCard, GaugeRowsStepRoundPressuresUpToTheLimit)
{
    const TubeInput in;
    const FillingEnvelope e = computeFillingEnvelope(in, {});
    const std::vector<GaugeRow> rows = gaugeTableRows(in, e, UnitSystem::SI);
    ASSERT_GE(rows.size(), 3u);
    EXPECT_EQ(rows.back().pumpingPressure, e.safeLimit.pumpingPressure);
    // Round steps from one step up: no tube stands at zero pressure.
    const double step = rows.front().pumpingPressure;
    EXPECT_GT(step, 0.0);
    EXPECT_GT(rows.front().maxHeight, 0.0);
    for (size_t i = 1; i + 1 < rows.size(); ++i) {
        EXPECT_NEAR(rows[i].pumpingPressure, (i + 1) * step, 1e-12);
        EXPECT_GT(rows[i].maxHeight, rows[i - 1].maxHeight);
        EXPECT_LT(rows[i].workingTension, e.allowableTension);
    }
}

// The executable without a display: the help names the options, and the chart
// and the field card reach their files through the batch hooks.
TEST(EnvelopeBatchExecutable, WritesChartAndFieldCard)
{
    QTemporaryDir directory;
    ASSERT_TRUE(directory.isValid());
    auto run = [](const QStringList &arguments) {
        const test::Finished finished
            = test::runProgram(VENDRIX_EXECUTABLE, arguments, test::withoutDisplay());
        EXPECT_EQ(finished.status, 0) << finished.err.toStdString();
        return finished.out;
    };
    const QString help = run({"--help"});
    for (const char *option : {"--envelope FILE", "--envelope-max-pressure KPA", "maxSafePressure"})
        EXPECT_TRUE(help.contains(option)) << option;
    const QString png = directory.filePath("chart.png");
    run({"run", "--envelope", png, "--size", "640x400"});
    EXPECT_EQ(QImage(png).size(), QSize(640, 400));
    const QString pdf = directory.filePath("card.pdf");
    const QString out = run({"run", "--set", "englishUnits=1", "--envelope", pdf});
    EXPECT_TRUE(out.contains("Maximum pumping pressure  = 1.69 [psi]")) << out.toStdString();
    const QString text = pdfText(pdf);
    EXPECT_TRUE(text.contains("1.69 [psi]"));
    EXPECT_TRUE(text.contains("8.80 [ft]"));
}

TEST(FillingEnvelopeWindow, OpensWithoutARunAndFollowsItsFields)
{
    ProjectRecord record;
    record.state.projectOpen = true;
    RecordingServices recorder;
    MainMenu menu(record, recorder.services());
    QPushButton *button = child<QPushButton>(menu, "fillingEnvelope");
    ASSERT_NE(button, nullptr);
    EXPECT_TRUE(button->isEnabled());
    EXPECT_FALSE(menu.resultButtonsEnabled());
    bool opened = false;
    menu.runDialog = [&](QDialog &dialog) {
        opened = dialog.objectName() == "fillingEnvelope";
        return 0;
    };
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_TRUE(opened);

    FillingEnvelopeDialog dialog(record, recorder.services());
    showActive(dialog);
    EXPECT_EQ(child<QLabel>(dialog, "maxPumpingPressure")->text(),
              "Maximum pumping pressure:  11.63 [kPa]");
    EXPECT_EQ(child<QLabel>(dialog, "stopFillingHeight")->text(),
              "Stop filling at height:  2.68 [m]");
    EXPECT_GE(child<QTableWidget>(dialog, "points")->rowCount(), 100);

    typeInto(dialog, "ultimateStrength", "60");
    dialog.recomputeNow();
    EXPECT_EQ(child<QLabel>(dialog, "maxPumpingPressure")->text(),
              "Maximum pumping pressure:  5.96 [kPa]");
    EXPECT_EQ(record.input.ultimateStrength, 100.0); // the project keeps its own

    typeInto(dialog, "maxPressure", "5");
    dialog.recomputeNow();
    EXPECT_EQ(child<QLabel>(dialog, "maxPumpingPressure")->text(),
              "No safe limit: limit not reached in the range");
    EXPECT_TRUE(dialog.statusText().startsWith("No safe limit within the range"));

    typeInto(dialog, "circumference", "abc");
    dialog.recomputeNow();
    EXPECT_EQ(dialog.statusText(), "Please enter a number.");
    EXPECT_EQ(dialog.envelope().maxPressure, 5.0); // the last good envelope stays
}

// Replaces a field's text by typing, an empty text included.
void retype(QWidget &dialog, const char *field, const QString &text)
{
    auto *edit = child<QLineEdit>(dialog, field);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

// Values the window cannot use leave no figure of an earlier tube on screen,
// in a file or on a card; valid values bring everything back.
TEST(FillingEnvelopeWindow, InvalidFieldsClearTheFiguresAndDisableSaveAndPrint)
{
    const struct
    {
        const char *field;
        const char *text;
        const char *status;
    } cases[] = {
        {"circumference", "", "Please enter a number."},
        {"circumference", "-4", "Circumference of tube should be greater than zero."},
        {"ultimateStrength", "0", "Strength should be greater than zero."},
        {"maxPressure", "0", "The pressures must end above 0"},
    };
    ProjectRecord record;
    RecordingServices recorder;
    FillingEnvelopeDialog dialog(record, recorder.services());
    int printersAsked = 0;
    dialog.setPrinterChooser([&](QWidget *) {
        ++printersAsked;
        return std::unique_ptr<QPrinter>();
    });
    showActive(dialog);
    auto *pressure = child<QLabel>(dialog, "maxPumpingPressure");
    QWidget *chart = child(dialog, "envelopeChart");
    auto tensionPixels = [chart] {
        const QImage image = chart->grab().toImage();
        return pixelsNear(image, QPointF(image.width() / 2, image.height() / 2),
                          std::max(image.width(), image.height()), QColor(0, 70, 200));
    };
    ASSERT_GT(tensionPixels(), 50);
    const QString good[] = {"10", "100", ""};
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.field) + " = '" + c.text + "'");
        retype(dialog, c.field, c.text);
        // Stale at once, before the typing pause ends.
        EXPECT_FALSE(child(dialog, "printFieldCard")->isEnabled());
        ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog.statusText().isEmpty(); }, 2000));
        EXPECT_TRUE(dialog.statusText().startsWith(c.status)) << dialog.statusText().toStdString();
        EXPECT_FALSE(pressure->text().contains(QRegularExpression("[0-9]")));
        EXPECT_FALSE(child<QLabel>(dialog, "stopFillingHeight")
                         ->text()
                         .contains(QRegularExpression("[0-9]")));
        EXPECT_EQ(child<QTableWidget>(dialog, "points")->rowCount(), 0);
        EXPECT_EQ(tensionPixels(), 0);
        for (const char *button : {"saveTable", "savePicture", "printFieldCard"}) {
            SCOPED_TRACE(button);
            EXPECT_FALSE(child(dialog, button)->isEnabled());
            click(dialog, button);
        }
        EXPECT_TRUE(recorder.fileDialogCaptions.empty());
        EXPECT_EQ(printersAsked, 0);

        const int index = std::string(c.field) == "circumference" ? 0
            : std::string(c.field) == "ultimateStrength"          ? 1
                                                                  : 2;
        retype(dialog, c.field, good[index]);
        ASSERT_TRUE(QTest::qWaitFor([&] { return pressure->text().contains("11.63"); }, 2000));
        EXPECT_TRUE(child(dialog, "printFieldCard")->isEnabled());
        EXPECT_GT(tensionPixels(), 50);
    }
}

// The table starts with the safety columns and shows psi with significant
// digits; the heading without a limit says which way the range misses it.
TEST(FillingEnvelopeWindow, TableAndHeadingReadAtAGlance)
{
    const struct
    {
        UnitSystem units;
        const char *strength;
        const char *heading; // nullptr: a limit is found
    } cases[] = {
        {UnitSystem::English, "", nullptr},
        {UnitSystem::SI, "0.5", "No safe limit: over the limit at the bottom of the range"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.units == UnitSystem::English ? "psi" : "weak fabric");
        ProjectRecord record;
        record.display.unitSystem = c.units;
        RecordingServices recorder;
        FillingEnvelopeDialog dialog(record, recorder.services());
        showActive(dialog);
        if (*c.strength) {
            retype(dialog, "ultimateStrength", c.strength);
            dialog.recomputeNow();
        }
        auto *table = child<QTableWidget>(dialog, "points");
        ASSERT_GE(table->rowCount(), 3);
        EXPECT_TRUE(table->horizontalHeaderItem(1)->text().startsWith("Working tension"));
        EXPECT_TRUE(table->horizontalHeaderItem(2)->text().startsWith("Tension / allowable"));
        // The first pressures differ in the table as they do in the file.
        const QString first = table->item(0, 0)->text(), second = table->item(1, 0)->text();
        EXPECT_NE(first, second);
        EXPECT_GT(first.toDouble(), 0) << first.toStdString();
        const QString heading = child<QLabel>(dialog, "maxPumpingPressure")->text();
        if (c.heading)
            EXPECT_EQ(heading, c.heading);
        else
            EXPECT_TRUE(heading.startsWith("Maximum pumping pressure:")) << heading.toStdString();
    }
}

TEST(FillingEnvelopeWindow, SavesTableAndPictureAndPrintsTheCard)
{
    QTemporaryDir directory;
    ASSERT_TRUE(directory.isValid());
    ProjectRecord record;
    RecordingServices recorder;
    FillingEnvelopeDialog dialog(record, recorder.services());
    const QString pdf = directory.filePath("card.pdf");
    dialog.setPrinterChooser([&](QWidget *) { return pdfPrinter(pdf); });
    showActive(dialog);
    recorder.nextFileName = directory.filePath("table");
    click(dialog, "saveTable");
    QFile csv(directory.filePath("table.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_TRUE(csv.readLine().startsWith("Pumping pressure [kPa],"));
    for (const char *name : {"chart.png", "chart.svg"}) {
        recorder.nextFileName = directory.filePath(name);
        click(dialog, "savePicture");
        EXPECT_GT(QFileInfo(recorder.nextFileName).size(), 1000) << name;
    }
    click(dialog, "printFieldCard");
    EXPECT_TRUE(pdfText(pdf).contains("11.63 [kPa]"));
    EXPECT_TRUE(recorder.shown.empty());
}

} // namespace
} // namespace vendrix

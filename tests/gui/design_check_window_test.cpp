// The design check on screen and on paper: the window's rows and verdicts,
// the picture's water levels and pressure diagram, and the report page that
// is printed only when chosen.

#include "app/dialogs/input/design_check_dialog.h"
#include "app/dialogs/results/design_check_window.h"
#include "app/window/main_menu.h"
#include "dialog_test_support.h"
#include "engine/analysis_run.h"
#include "graphics/design_check_drawing.h"
#include "graphics/drawing_palette.h"
#include "graphics/report_pdf.h"
#include "report/design_check_rows.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace vendrix {
namespace {

using namespace vendrix::test;

// A given-strength tube checked against its own strength (passes), on a soft
// foundation (fails), with the loaded water higher than the protected.
ProjectRecord checkedProject()
{
    ProjectRecord r;
    r.designCheck.waterLevelLoaded = 1.6;
    r.designCheck.waterLevelProtected = 0.4;
    r.designCheck.allowableBearingPressure = 1;
    return r;
}

int pixelsOf(const QImage &image, const QRect &part, const QColor &colour)
{
    int n = 0;
    for (int y = part.top(); y <= part.bottom(); ++y)
        for (int x = part.left(); x <= part.right(); ++x)
            n += image.pixelColor(x, y) == colour ? 1 : 0;
    return n;
}

TEST(DesignCheckWindow, ShowsARowPerCheckWithVerdictsInWordsAndTheMethodNote)
{
    ProjectRecord record = checkedProject();
    RecordingServices recorder;
    DesignCheckWindow window(record, recorder.services(), SolutionMethod::Classic);
    ASSERT_TRUE(window.result().has_value());
    const auto *table = child<QTableWidget>(window, "checks");
    const std::vector<DesignCheckRow> rows
        = designCheckRows(record.designCheck, *window.result(), record.display);
    ASSERT_EQ(table->rowCount(), int(rows.size()));
    const struct
    {
        const char *check;
        const char *verdict;
    } expected[] = {
        {"Fabric utilisation, circumferential", "PASS"},
        {"Fabric utilisation, axial", ""}, // not checked
        {"Maximum contact pressure q", "FAIL"},
        {"Sliding safety factor", window.result()->pass.sliding == true ? "PASS" : "FAIL"},
    };
    for (const auto &e : expected) {
        SCOPED_TRACE(e.check);
        const auto found = table->findItems(QString::fromLatin1(e.check), Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        EXPECT_EQ(table->item(found[0]->row(), 3)->text(), QString::fromLatin1(e.verdict));
    }
    EXPECT_EQ(table->findItems(QStringLiteral("not checked"), Qt::MatchExactly).size(), 3);
    EXPECT_TRUE(child<QLabel>(window, "notes")->text().contains("Solved by the exact method"));
    EXPECT_TRUE(child<QLabel>(window, "notes")->text().contains("not re-solved"));
    EXPECT_EQ(window.helpTopic(), QStringLiteral("::/Design_Check.htm"));
}

// The main menu opens the window on the open project; after "Inputs..." the
// rows follow the inputs stored meanwhile.
TEST(DesignCheckWindow, OpensFromTheMainMenuAndRecomputesAfterTheInputs)
{
    ProjectRecord record = checkedProject();
    RecordingServices recorder;
    MainMenu menu(record, recorder.services());
    QString before, after;
    bool opened = false;
    menu.runDialog = [&](QDialog &dialog) {
        if (qobject_cast<DesignCheckDialog *>(&dialog) != nullptr) {
            child<QLineEdit>(dialog, "allowableBearingPressure")->setText(QStringLiteral("1000"));
            dialog.accept();
            return int(dialog.result());
        }
        opened = qobject_cast<DesignCheckWindow *>(&dialog) != nullptr;
        if (!opened)
            return 0;
        const auto *table = child<QTableWidget>(dialog, "checks");
        const auto pressure = [table] {
            const auto found
                = table->findItems(QStringLiteral("Maximum contact pressure q"), Qt::MatchExactly);
            return found.size() == 1 ? table->item(found[0]->row(), 3)->text() : QString();
        };
        before = pressure();
        auto *inputs = child<QPushButton>(dialog, "editInputs");
        EXPECT_TRUE(inputs->isEnabled());
        inputs->click();
        after = pressure();
        return 0;
    };
    child<QPushButton>(menu, "designCheck")->click();
    ASSERT_TRUE(opened);
    EXPECT_EQ(before, QStringLiteral("FAIL"));
    EXPECT_EQ(after, QStringLiteral("PASS"));
    EXPECT_EQ(record.designCheck.allowableBearingPressure, 1000);
}

TEST(DesignCheckPicture, DrawsBothWaterLevelsAndTheContactPressure)
{
    const ProjectRecord record = checkedProject();
    TubeSolution exact;
    ASSERT_FALSE(solveForDesignCheck(record, exact).has_value());
    const DesignCheckResult r = computeDesignCheck(record.input, exact, record.designCheck);
    QImage image(600, 400, QImage::Format_RGB32);
    image.fill(Qt::black);
    {
        QPainter painter(&image);
        drawDesignCheckPicture(painter, QRectF(image.rect()), exact, r);
    }
    namespace colours = designCheckColours;
    const QRect left(0, 0, 60, 400), right(540, 0, 60, 400);
    const int loadedLeft = pixelsOf(image, left, colours::loadedWater);
    const int protectedRight = pixelsOf(image, right, colours::protectedWater);
    EXPECT_GT(loadedLeft, 0);
    EXPECT_GT(protectedRight, 0);
    EXPECT_EQ(pixelsOf(image, left, colours::protectedWater), 0);
    // The loaded water stands higher: 1.6 m against 0.4 m.
    EXPECT_GT(loadedLeft, 3 * protectedRight);
    EXPECT_EQ(pixelsOf(image, image.rect(), Qt::black), 0) << "the whole area is painted";
    EXPECT_GT(pixelsOf(image, image.rect(), colours::fill), 1000);
}

QString pdfText(const QString &path)
{
    QProcess tool;
    tool.start("pdftotext", {"-layout", path, "-"});
    EXPECT_TRUE(tool.waitForFinished(10000));
    return QString::fromUtf8(tool.readAllStandardOutput());
}

TEST(DesignCheckReportPage, PrintedLastOnlyWhenChosen)
{
    QTemporaryDir dir;
    for (bool chosen : {false, true}) {
        SCOPED_TRACE(chosen);
        ProjectRecord record = checkedProject();
        ASSERT_FALSE(runAnalysis(record).refused());
        record.state.shapeShown = Shape::AsFilled;
        record.display.addDesignCheckPage = chosen;
        const QString path = dir.filePath(chosen ? "with.pdf" : "without.pdf");
        ASSERT_FALSE(writeReportPdf(record, path.toStdString(), QPageSize(QPageSize::A4),
                                    "Tue Dec  8 07:01:11 2026"));
        const QString text = pdfText(path);
        EXPECT_EQ(text.contains("DESIGN CHECK"), chosen);
        EXPECT_TRUE(text.contains(QRegularExpression(chosen ? "Page 4 of +4" : "Page 3 of +3")));
        EXPECT_EQ(text.contains("Maximum contact pressure q"), chosen);
        EXPECT_EQ(text.contains("FAIL"), chosen);
    }
}

} // namespace
} // namespace vendrix

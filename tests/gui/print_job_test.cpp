#include "app/printing/add_page_dialog.h"
#include "app/printing/print_job.h"
#include "app/printing/printout_graphics_dialog.h"
#include "dialog_test_support.h"
#include "engine/analysis_run.h"
#include "graphics/report_pages.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace vendrix;
using vendrix::test::child;

namespace {

ProjectRecord consolidatedProject()
{
    ProjectRecord r;
    r.state.resultsValid = true;
    r.state.shapeShown = Shape::Option1;
    r.display.omitConsolidationPage = true;
    r.display.printBlackWhite = true;
    r.info.includeLogo = false;
    return r;
}

} // namespace

TEST(ReportOptionDialogs, OpenWithStoredChoicesAndWriteThemOnOk)
{
    const ProjectRecord r = consolidatedProject();
    ReportOptions options = reportOptionsOf(r);
    UiServices services;
    AddPageDialog dialog(r, options, services, nullptr);
    EXPECT_TRUE(child<QRadioButton>(dialog, "omitConsolidationPage1")->isChecked());
    EXPECT_TRUE(child<QRadioButton>(dialog, "printBlackWhite1")->isChecked());
    EXPECT_TRUE(child<QRadioButton>(dialog, "includeLogo0")->isChecked());

    child<QRadioButton>(dialog, "omitConsolidationPage0")->setChecked(true);
    child<QRadioButton>(dialog, "printBlackWhite0")->setChecked(true);
    child<QRadioButton>(dialog, "includeLogo1")->setChecked(true);
    dialog.accept();
    EXPECT_TRUE(dialog.addConsolidationPage());
    EXPECT_FALSE(options.omitConsolidationPage);
    EXPECT_FALSE(options.printBlackWhite);
    EXPECT_TRUE(options.includeLogo);
    // The record changes only when the project document stores the options.
    EXPECT_EQ(reportOptionsOf(r), reportOptionsOf(consolidatedProject()));
}

TEST(ReportOptionDialogs, EscapeKeepsTheStoredChoices)
{
    ProjectRecord r = consolidatedProject();
    r.display.omitConsolidationPage = false;
    ReportOptions options = reportOptionsOf(r);
    UiServices services;
    AddPageDialog dialog(r, options, services, nullptr);
    child<QRadioButton>(dialog, "printBlackWhite0")->setChecked(true);
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.addConsolidationPage());
    EXPECT_TRUE(options.printBlackWhite);
}

TEST(ReportOptionDialogs, TagsShowOnlyWhileTagsAreOn)
{
    test::forEachTagSetting(consolidatedProject(), [](ProjectRecord &r, bool hidden) {
        UiServices services;
        ReportOptions options;
        AddPageDialog addPage(r, options, services, nullptr);
        PrintoutGraphicsDialog graphics(r, options, services, nullptr);
        test::expectTag(addPage, "IDD_ADD_PAGE", hidden);
        test::expectTag(graphics, "IDD_DISPLAY_GRAPHICS", hidden);
    });
}

TEST(PrintJob, OptionDialogAndPageCountFollowTheShownShape)
{
    struct Row
    {
        std::optional<Shape> shapeShown;
        bool pressOk;
        bool choosePage;
        bool chooseDesignCheck;
        int pages;
        const char *dialogTitle;
    };
    const Row rows[] = {
        {Shape::AsFilled, true, false, false, 3, "Printout of Graphics"},
        {Shape::Option1, true, true, false, 4, "Another page to report"},
        {Shape::Option2, true, false, false, 3, "Another page to report"},
        {Shape::Option2, false, true, true, 3, "Another page to report"}, // Escape: 3 pages
        {Shape::AsFilled, true, false, true, 4, "Printout of Graphics"},
        {Shape::Option1, true, true, true, 5, "Another page to report"},
        {Shape::Option2, true, false, true, 4, "Another page to report"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(static_cast<int>(row.shapeShown.value_or(Shape::AsFilled)) * 10 + row.pressOk);
        ProjectRecord r = consolidatedProject();
        r.state.shapeShown = row.shapeShown;
        UiServices services;
        QString shownTitle;
        ReportOptions options = reportOptionsOf(r);
        const int pages = preparePrintJob(r, options, services, nullptr, [&](QDialog &dialog) {
            shownTitle = dialog.windowTitle();
            if (auto *add = dialog.findChild<QRadioButton *>("omitConsolidationPage0"))
                add->setChecked(row.choosePage);
            if (auto *omit = dialog.findChild<QRadioButton *>("omitConsolidationPage1"))
                omit->setChecked(!row.choosePage);
            child<QCheckBox>(dialog, "addDesignCheckPage")->setChecked(row.chooseDesignCheck);
            if (row.pressOk)
                dialog.accept();
            else
                dialog.reject();
            return dialog.result();
        });
        EXPECT_EQ(pages, row.pages);
        EXPECT_EQ(options.addDesignCheckPage, row.pressOk && row.chooseDesignCheck);
        if (row.pressOk) {
            ProjectRecord printed = r;
            applyReportOptions(options, printed);
            EXPECT_EQ(reportPageCount(printed), row.pages);
        }
        EXPECT_EQ(shownTitle, QString::fromLatin1(row.dialogTitle));
    }
}

// Printing with a logo that cannot be printed tells the user so; without a
// logo to include nothing is said.
TEST(PrintJob, UnusableLogoIsReportedBeforePrinting)
{
    const struct
    {
        bool includeLogo;
        const char *logoPath;
        bool warned;
    } rows[] = {
        {true, "/nonexistent/logo.bmp", true},
        {false, "/nonexistent/logo.bmp", false},
        {true, "", false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(std::string(row.logoPath) + (row.includeLogo ? " included" : ""));
        ProjectRecord r = consolidatedProject();
        r.state.shapeShown = Shape::AsFilled;
        r.info.includeLogo = row.includeLogo;
        r.info.logoPath = RecordText(row.logoPath);
        vendrix::test::RecordingServices recorder;
        ReportOptions options = reportOptionsOf(r);
        preparePrintJob(r, options, recorder.services(), nullptr, [](QDialog &dialog) {
            dialog.accept();
            return dialog.result();
        });
        ASSERT_EQ(recorder.shown.size(), row.warned ? 1u : 0u);
        if (row.warned) {
            EXPECT_NE(recorder.shown[0].messageText.find("/nonexistent/logo.bmp"),
                      std::string::npos);
        }
    }
}

TEST(PrintJob, AvailableOnlyWithValidResults)
{
    ProjectRecord r;
    EXPECT_FALSE(printingAvailable(r));
    r.state.resultsValid = true;
    EXPECT_TRUE(printingAvailable(r));
}

// The printer path of the job: the same pages painted through QPrinter (here
// its PDF output, as "Print to File" does) fit the printable area of Letter.
TEST(PrintJob, PrinterReceivesEveryPageInsideItsPrintableArea)
{
    ProjectRecord r;
    resetProject(r, "/tmp");
    ASSERT_FALSE(runAnalysis(r).refused());
    r.state.shapeShown = Shape::AsFilled;
    r.info.title = "Printer check";
    QTemporaryDir dir;
    const QString path = dir.filePath("printed.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setPageMargins(QMarginsF(0.25, 0.25, 0.25, 0.25), QPageLayout::Inch);
    ReportPrintSetup setup;
    setup.pageCount = 3;
    setup.printedOn = "Tue Dec  8 07:01:11 2026";
    ASSERT_TRUE(paintReport(printer, r, setup, 2, 3));

    QProcess info;
    info.start("pdfinfo", {path});
    info.waitForFinished(30000);
    EXPECT_TRUE(info.readAllStandardOutput().contains("Pages:           2"));
    QProcess text;
    text.start("pdftotext", {"-layout", path, "-"});
    text.waitForFinished(30000);
    const QByteArray pages = text.readAllStandardOutput();
    EXPECT_TRUE(pages.contains("Page 2 of"));
    EXPECT_TRUE(pages.contains("Page 3 of"));
    EXPECT_TRUE(pages.contains("CROSS-SECTION:"));
    // Nothing lands outside the page: the bounding boxes of every word lie
    // within the paper.
    QProcess boxes;
    boxes.start("pdftotext", {"-bbox", path, "-"});
    boxes.waitForFinished(30000);
    const QString html = QString::fromUtf8(boxes.readAllStandardOutput());
    const QRegularExpression word(QStringLiteral(
        "xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\""));
    int words = 0;
    for (auto it = word.globalMatch(html); it.hasNext(); ++words) {
        const auto m = it.next();
        EXPECT_GE(m.captured(1).toDouble(), 0);
        EXPECT_GE(m.captured(2).toDouble(), 0);
        EXPECT_LE(m.captured(3).toDouble(), 612.5);
        EXPECT_LE(m.captured(4).toDouble(), 792.5);
    }
    EXPECT_GT(words, 50);
}

TEST(PrintJob, PreviewStandsOverTheMainWindowAtAReadableZoom)
{
    QWidget mainWindow;
    mainWindow.setGeometry(40, 40, 760, 700);
    mainWindow.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&mainWindow));
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog dialog(&printer, &mainWindow);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [](QPrinter *p) {
        QPainter painter(p);
        painter.drawText(100, 100, QStringLiteral("page"));
    });
    placePreviewWindow(dialog, &mainWindow);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QApplication::processEvents();
    EXPECT_TRUE(dialog.isMaximized());
    EXPECT_GE(dialog.width(), mainWindow.width());
    EXPECT_GE(dialog.height(), mainWindow.height() - 40);
    auto *view = dialog.findChild<QPrintPreviewWidget *>();
    ASSERT_NE(view, nullptr);
    EXPECT_GT(view->zoomFactor(), 0.75) << "the page's text is readable";
    // The toolbar shows the zoom in use: "Fit width" pressed, "Fit page" not.
    EXPECT_EQ(view->zoomMode(), QPrintPreviewWidget::FitToWidth);
    int fitButtons = 0;
    for (QAction *action : dialog.findChildren<QAction *>()) {
        const QString text = action->text();
        if (text == "Fit width" || text == "Fit page") {
            SCOPED_TRACE(text.toStdString());
            ++fitButtons;
            EXPECT_EQ(action->isChecked(), text == "Fit width");
        }
    }
    EXPECT_EQ(fitButtons, 2);
    dialog.close();
}

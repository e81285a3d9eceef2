#include "app/print_job.h"
#include "app/report_option_dialogs.h"

#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace vendrix;

namespace {

template<typename T> T *child(QWidget &parent, const char *name)
{
    T *widget = parent.findChild<T *>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

ProjectRecord consolidatedProject()
{
    ProjectRecord r;
    r.state.resultsValid = 1;
    r.state.shapeShown = ShapeOption1;
    r.display.omitConsolidationPage = 1;
    r.display.printBlackWhite = 1;
    r.info.includeLogo = 0;
    return r;
}

} // namespace

TEST(ReportOptionDialogs, OpenWithStoredChoicesAndWriteThemOnOk)
{
    ProjectRecord r = consolidatedProject();
    UiServices services;
    CAddPage dialog(r, services, nullptr);
    EXPECT_TRUE(child<QRadioButton>(dialog, "omitConsolidationPage1")->isChecked());
    EXPECT_TRUE(child<QRadioButton>(dialog, "printBlackWhite1")->isChecked());
    EXPECT_TRUE(child<QRadioButton>(dialog, "includeLogo0")->isChecked());

    child<QRadioButton>(dialog, "omitConsolidationPage0")->setChecked(true);
    child<QRadioButton>(dialog, "printBlackWhite0")->setChecked(true);
    child<QRadioButton>(dialog, "includeLogo1")->setChecked(true);
    dialog.accept();
    EXPECT_TRUE(dialog.addConsolidationPage());
    EXPECT_EQ(r.display.omitConsolidationPage, 0);
    EXPECT_EQ(r.display.printBlackWhite, 0);
    EXPECT_EQ(r.info.includeLogo, 1);
}

TEST(ReportOptionDialogs, EscapeKeepsTheStoredChoices)
{
    ProjectRecord r = consolidatedProject();
    r.display.omitConsolidationPage = 0;
    UiServices services;
    CAddPage dialog(r, services, nullptr);
    child<QRadioButton>(dialog, "printBlackWhite0")->setChecked(true);
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.addConsolidationPage());
    EXPECT_EQ(r.display.printBlackWhite, 1);
}

TEST(PrintJob, OptionDialogAndPageCountFollowTheShownShape)
{
    struct Row
    {
        int shapeShown;
        bool pressOk;
        bool choosePage;
        int pages;
        const char *dialogTitle;
    };
    const Row rows[] = {
        {ShapeAsFilled, true, false, 3, "Printout of Graphics"},
        {ShapeOption1, true, true, 4, "Another page to report"},
        {ShapeOption2, true, false, 3, "Another page to report"},
        {ShapeOption2, false, true, 3, "Another page to report"}, // Escape: 3 pages
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.shapeShown * 10 + row.pressOk);
        ProjectRecord r = consolidatedProject();
        r.state.shapeShown = row.shapeShown;
        UiServices services;
        QString shownTitle;
        const int pages = preparePrintJob(r, services, nullptr, [&](QDialog &dialog) {
            shownTitle = dialog.windowTitle();
            if (auto *add = dialog.findChild<QRadioButton *>("omitConsolidationPage0"))
                add->setChecked(row.choosePage);
            if (auto *omit = dialog.findChild<QRadioButton *>("omitConsolidationPage1"))
                omit->setChecked(!row.choosePage);
            if (row.pressOk)
                dialog.accept();
            else
                dialog.reject();
            return dialog.result();
        });
        EXPECT_EQ(pages, row.pages);
        EXPECT_EQ(shownTitle, QString::fromLatin1(row.dialogTitle));
    }
}

TEST(PrintJob, AvailableOnlyWithValidResults)
{
    ProjectRecord r;
    EXPECT_FALSE(printingAvailable(r));
    r.state.resultsValid = 1;
    EXPECT_TRUE(printingAvailable(r));
}

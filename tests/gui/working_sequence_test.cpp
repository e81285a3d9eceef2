// One engineer's whole session driven through the real windows: start, New,
// every input dialog, Run, numerical results, both consolidation options,
// quantities, Save, Close, reopen, Run again with the same results.
#include "app/window/main_window.h"
#include "app/window/vendrix_application.h"
#include "shell_test_support.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QTimer>

#include <cstring>
#include <memory>

using namespace vendrix;
using namespace vendrix::test;

namespace {

int confirm(QDialog &dialog)
{
    clickOk(dialog);
    EXPECT_FALSE(dialog.isVisible()) << dialog.metaObject()->className();
    return dialog.result();
}

bool sameSolution(const TubeSolution &a, const TubeSolution &b)
{
    return std::memcmp(a.profileX.data(), b.profileX.data(), sizeof a.profileX) == 0
        && std::memcmp(a.profileY.data(), b.profileY.data(), sizeof a.profileY) == 0
        && a.computedCircumference == b.computedCircumference && a.inletPressure == b.inletPressure
        && a.totalArea == b.totalArea
        && a.ultimateStrengthCircumferential == b.ultimateStrengthCircumferential
        && a.ultimateStrengthAxial == b.ultimateStrengthAxial
        && a.convergenceWarning == b.convergenceWarning && a.maxHeight == b.maxHeight
        && a.maxWidth == b.maxWidth && a.heightAtMaxWidth == b.heightAtMaxWidth
        && a.baseWidth == b.baseWidth && a.areaLowerSlurry == b.areaLowerSlurry
        && a.areaUpperSlurry == b.areaUpperSlurry;
}

} // namespace

// The session's windows and what they would have shown, kept from step to step.
class WorkingSequence : public ::testing::Test
{
protected:
    WorkingSequence()
        : settings(dir.filePath("settings.ini"), QSettings::IniFormat)
        , services(recorder.services())
    {
        question.install(services);
        program = std::make_unique<VendrixApplication>(
            services, prepareDataDirectory(dir.filePath("home").toStdString()));
        frame = std::make_unique<MainWindow>(program->record(), services, nullptr, DesktopHooks {},
                                             &settings);
        frame->setDialogRunner(script.runner());
        frame->show();
    }

    ProjectRecord &record() { return program->record(); }
    void press(const char *button)
    {
        QTest::mouseClick(child<QPushButton>(*frame->mainMenu(), button), Qt::LeftButton);
    }

    void scriptEveryInputDialog();
    void enterEveryInput();
    void runAndReadTheResults();
    void consolidateByBothOptions();
    void enterQuantities();
    void saveCloseAndReopen();

    QTemporaryDir dir;
    QSettings settings;
    RecordingServices recorder;
    UiServices services;
    SaveQuestion question;
    DialogScript script;
    std::unique_ptr<VendrixApplication> program;
    std::unique_ptr<MainWindow> frame;
    TubeSolution firstRun;
};

void WorkingSequence::scriptEveryInputDialog()
{
    script.steps["InputMenu"] = [](QDialog &dialog) {
        for (const char *button :
             {"units", "generalInformation", "slurryData", "reductionFactors", "analysisType"})
            click(dialog, button);
        click(dialog, "ok");
        return dialog.result();
    };
    script.steps["UnitsDialog"] = [](QDialog &dialog) {
        typeInto(dialog, "currencyUnit", "EUR");
        return confirm(dialog);
    };
    script.steps["GeneralInformationDialog"] = [](QDialog &dialog) {
        typeInto(dialog, "title", "Harbour groin 7");
        typeInto(dialog, "designer", "R. Engineer");
        return confirm(dialog);
    };
    script.steps["SlurryDialog"] = [](QDialog &dialog) {
        typeInto(dialog, "circumference", "12");
        typeInto(dialog, "slurryUnitWeightLower", "13");
        typeInto(dialog, "slurryUnitWeightUpper", "11.5");
        typeInto(dialog, "fluidHeightLower", "1.5");
        // The transporting medium has its own modal window.
        QTimer::singleShot(0, [] {
            auto *medium = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            ASSERT_NE(medium, nullptr);
            typeInto(*medium, "transportUnitWeight", "10");
            clickOk(*medium);
        });
        click(dialog, "transportMedium");
        return confirm(dialog);
    };
    script.steps["ReductionFactorsDialog"] = [](QDialog &dialog) {
        typeInto(dialog, "rfCreep", "1.7");
        return confirm(dialog);
    };
    script.steps["AnalysisTypeDialog"] = [](QDialog &dialog) {
        clickRadio(dialog, "analysisType_1");
        typeInto(dialog, "desiredMaxHeight", "2.6");
        return confirm(dialog);
    };
}

// New, then every input dialog through the input menu.
void WorkingSequence::enterEveryInput()
{
    frame->action("fileNew")->trigger();
    ASSERT_NE(frame->mainMenu(), nullptr);
    scriptEveryInputDialog();
    press("modifyInputData");
    EXPECT_TRUE(recorder.shown.empty());
    EXPECT_EQ(record().display.currencyUnit, "EUR");
    EXPECT_EQ(record().info.designer, "R. Engineer");
    EXPECT_EQ(record().input.circumference, 12);
    EXPECT_EQ(record().input.transportUnitWeight, 10);
    EXPECT_EQ(record().input.rfCreep, 1.7);
    EXPECT_EQ(record().input.analysisType, AnalysisType::GivenHeight);
    EXPECT_EQ(record().input.desiredMaxHeight, 2.6);
    EXPECT_TRUE(frame->document().isModified());
}

// Run, then the numerical results.
void WorkingSequence::runAndReadTheResults()
{
    press("runVendrix");
    ASSERT_TRUE(frame->mainMenu()->resultButtonsEnabled());
    EXPECT_EQ(record().solution.convergenceWarning, 0);
    EXPECT_NEAR(record().solution.maxHeight, 2.6, 0.05);
    firstRun = record().solution;
    QString numericalText;
    script.steps["NumericalResultsDialog"] = [&](QDialog &dialog) {
        for (QLabel *label : dialog.findChildren<QLabel *>())
            numericalText += label->text() + "\n";
        click(dialog, "return");
        return dialog.result();
    };
    press("viewNumericalResults");
    EXPECT_TRUE(numericalText.contains("Maximum height of tube,  H = 2.6 [m]"))
        << numericalText.toStdString();
}

void WorkingSequence::consolidateByBothOptions()
{
    int option = 1;
    script.steps["ConsolidatedDataDialog"] = [&](QDialog &dialog) {
        typeInto(dialog, "specificGravitySolids", "2.65");
        typeInto(dialog, "consolidatedUnitWeight", "15"); // heavier than the 13 pumped
        click(dialog, option == 1 ? "runOption1" : "runOption2");
        return dialog.result();
    };
    for (option = 1; option <= 2; ++option) {
        SCOPED_TRACE(option);
        press("consolidatedShape");
        EXPECT_EQ(record().state.shapeShown, option == 1 ? Shape::Option1 : Shape::Option2);
        const double area = record().consolidation.consolidatedArea;
        EXPECT_GT(area, 0);
        EXPECT_LT(area, record().solution.totalArea);
    }
    EXPECT_TRUE(recorder.shown.empty());
}

// Quantities for a 40 m tube.
void WorkingSequence::enterQuantities()
{
    script.steps["QuantitiesDialog"] = [](QDialog &dialog) {
        typeInto(dialog, "costPerUnitArea", "8.5");
        typeInto(dialog, "tubeLength", "40");
        click(dialog, "return");
        return dialog.result();
    };
    press("quantityAndCost");
    EXPECT_EQ(record().input.tubeLength, 40);
    EXPECT_EQ(record().input.costPerUnitArea, "8.5");
}

// Save (a new project asks for its name), Close without a question; something
// else in memory, then reopen from the recent-file list.
void WorkingSequence::saveCloseAndReopen()
{
    recorder.nextFileName = dir.filePath("groin7.Vdx");
    frame->action("fileSave")->trigger();
    EXPECT_FALSE(frame->document().isModified());
    frame->action("fileClose")->trigger();
    EXPECT_TRUE(question.asked.empty());
    EXPECT_EQ(frame->mainMenu(), nullptr);

    record().input = TubeInput();
    frame->action("fileRecent1")->trigger();
    ASSERT_NE(frame->mainMenu(), nullptr);
    EXPECT_FALSE(frame->mainMenu()->resultButtonsEnabled());
    EXPECT_EQ(record().input.circumference, 12);
    EXPECT_EQ(record().input.tubeLength, 40);
    EXPECT_EQ(record().info.title, "Harbour groin 7");
}

TEST_F(WorkingSequence, FromStartToReopenedProjectWithIdenticalResults)
{
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QFileInfo(QString::fromStdString(record().state.dataDirectory)).isDir());
    ASSERT_NO_FATAL_FAILURE(enterEveryInput());
    ASSERT_NO_FATAL_FAILURE(runAndReadTheResults());
    consolidateByBothOptions();
    enterQuantities();
    ASSERT_NO_FATAL_FAILURE(saveCloseAndReopen());

    // Run again: the same results to the last bit.
    record().solution = TubeSolution();
    press("runVendrix");
    EXPECT_TRUE(sameSolution(record().solution, firstRun));
    EXPECT_TRUE(recorder.shown.empty());
    frame->action("fileClose")->trigger();
}

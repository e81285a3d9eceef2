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

TEST(WorkingSequence, FromStartToReopenedProjectWithIdenticalResults)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QSettings settings(dir.filePath("settings.ini"), QSettings::IniFormat);
    RecordingServices recorder;
    UiServices services = recorder.services();
    SaveQuestion question;
    question.install(services);
    VendrixApplication program(services, prepareDataDirectory(dir.filePath("home").toStdString()));
    ProjectRecord &record = program.record();
    ASSERT_TRUE(QFileInfo(QString::fromStdString(record.state.dataDirectory)).isDir());

    DialogScript script;
    MainWindow frame(record, services, nullptr, DesktopHooks {}, &settings);
    frame.setDialogRunner(script.runner());
    frame.show();

    // New.
    frame.action("fileNew")->trigger();
    MainMenu *menu = frame.mainMenu();
    ASSERT_NE(menu, nullptr);

    // Every input dialog through the input menu.
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
    QTest::mouseClick(child<QPushButton>(*menu, "modifyInputData"), Qt::LeftButton);
    EXPECT_TRUE(recorder.shown.empty());
    EXPECT_EQ(record.display.currencyUnit, "EUR");
    EXPECT_EQ(record.info.designer, "R. Engineer");
    EXPECT_EQ(record.input.circumference, 12);
    EXPECT_EQ(record.input.transportUnitWeight, 10);
    EXPECT_EQ(record.input.rfCreep, 1.7);
    EXPECT_EQ(record.input.analysisType, AnalysisType::GivenHeight);
    EXPECT_EQ(record.input.desiredMaxHeight, 2.6);
    EXPECT_TRUE(frame.document().isModified());

    // Run, then the numerical results.
    QTest::mouseClick(child<QPushButton>(*menu, "runVendrix"), Qt::LeftButton);
    ASSERT_TRUE(menu->resultButtonsEnabled());
    EXPECT_EQ(record.solution.convergenceWarning, 0);
    EXPECT_NEAR(record.solution.maxHeight, 2.6, 0.05);
    const TubeSolution firstRun = record.solution;
    QString numericalText;
    script.steps["NumericalResultsDialog"] = [&](QDialog &dialog) {
        for (QLabel *label : dialog.findChildren<QLabel *>())
            numericalText += label->text() + "\n";
        click(dialog, "return");
        return dialog.result();
    };
    QTest::mouseClick(child<QPushButton>(*menu, "viewNumericalResults"), Qt::LeftButton);
    EXPECT_TRUE(numericalText.contains("Maximum height of tube,  H = 2.6 [m]"))
        << numericalText.toStdString();

    // Both consolidation options.
    int option = 1;
    script.steps["ConsolidatedDataDialog"] = [&](QDialog &dialog) {
        typeInto(dialog, "specificGravitySolids", "2.65");
        typeInto(dialog, "consolidatedUnitWeight", "15"); // heavier than the 13 pumped
        click(dialog, option == 1 ? "runOption1" : "runOption2");
        return dialog.result();
    };
    double area[3] = {};
    for (option = 1; option <= 2; ++option) {
        SCOPED_TRACE(option);
        QTest::mouseClick(child<QPushButton>(*menu, "consolidatedShape"), Qt::LeftButton);
        EXPECT_EQ(record.state.shapeShown, option == 1 ? ShapeOption1 : ShapeOption2);
        area[option] = record.consolidation.consolidatedArea;
        EXPECT_GT(area[option], 0);
        EXPECT_LT(area[option], record.solution.totalArea);
    }
    EXPECT_TRUE(recorder.shown.empty());

    // Quantities for a 40 m tube.
    script.steps["QuantitiesDialog"] = [](QDialog &dialog) {
        typeInto(dialog, "costPerUnitArea", "8.5");
        typeInto(dialog, "tubeLength", "40");
        click(dialog, "return");
        return dialog.result();
    };
    QTest::mouseClick(child<QPushButton>(*menu, "quantityAndCost"), Qt::LeftButton);
    EXPECT_EQ(record.input.tubeLength, 40);
    EXPECT_EQ(record.input.costPerUnitArea, "8.5");

    // Save (a new project asks for its name), Close without a question.
    recorder.nextFileName = dir.filePath("groin7.Vdx");
    frame.action("fileSave")->trigger();
    EXPECT_FALSE(frame.document().isModified());
    frame.action("fileClose")->trigger();
    EXPECT_TRUE(question.asked.empty());
    EXPECT_EQ(frame.mainMenu(), nullptr);

    // Something else in memory, then reopen from the recent-file list.
    record.input = TubeInput();
    frame.action("fileRecent1")->trigger();
    menu = frame.mainMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_FALSE(menu->resultButtonsEnabled());
    EXPECT_EQ(record.input.circumference, 12);
    EXPECT_EQ(record.input.tubeLength, 40);
    EXPECT_EQ(record.info.title, "Harbour groin 7");

    // Run again: the same results to the last bit.
    record.solution = TubeSolution();
    QTest::mouseClick(child<QPushButton>(*menu, "runVendrix"), Qt::LeftButton);
    EXPECT_TRUE(sameSolution(record.solution, firstRun));
    EXPECT_TRUE(recorder.shown.empty());
    frame.action("fileClose")->trigger();
}

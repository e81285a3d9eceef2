// The main menu and the input menu: which result buttons are usable when, what
// the input menu opens, the refused run, the resource tags and the results text
// file.
#include "app/dialogs/common/form_dialog.h"
#include "app/dialogs/results/graphical_results_window.h"
#include "app/window/input_menu.h"
#include "app/window/main_menu.h"
#include "model/project_file.h"
#include "model/project_record.h"
#include "shell_test_support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QSignalSpy>

#include <fstream>
#include <sstream>

using namespace vendrix;
using namespace vendrix::test;

namespace {

const char *const kResultButtons[] = {"viewNumericalResults", "viewCrossSection", "saveResultsText",
                                      "quantityAndCost", "consolidatedShape"};

void expectResultButtons(MainMenu &menu, bool enabled)
{
    for (const char *name : kResultButtons) {
        SCOPED_TRACE(name);
        EXPECT_EQ(child<QPushButton>(menu, name)->isEnabled(), enabled);
    }
}

struct MainMenuFixture : ::testing::Test
{
    ProjectRecord record;
    RecordingServices recorder;
    DialogScript script;
    int commits = 0;

    // The recorder's services, counting the stores into the record.
    UiServices countingServices()
    {
        UiServices services = recorder.services();
        services.commitToRecord
            = [this](const QString &, const std::function<void()> &store, StepEffect) {
                  ++commits;
                  store();
              };
        return services;
    }
};

} // namespace

TEST_F(MainMenuFixture, TextsAndControlNumbers)
{
    MainMenu menu(record, recorder.services());
    const struct
    {
        const char *name;
        int id;
        const char *text;
    } buttons[] = {
        {"modifyInputData", 1001, "&Modify Input Data"},
        {"runVendrix", 1002, "&Run Vendrix"},
        {"viewNumericalResults", 1003, "View &Numerical Results"},
        {"viewCrossSection", 1004, "View &Cross-Section\nof  Geosynthetic  Tube"},
        {"saveResultsText", 1005, "Save Results as &Text File"},
        {"quantityAndCost", 1006,
         "Calculate &Quantity and Cost of\nGeosynthetic and Fill Material"},
        {"consolidatedShape", 1045, "Calculate Con&solidated\nShape of Tube"},
        {"parametricStudy", 1047, "&Parametric Study"},
        {"designCheck", 1048, "&Design Check"},
    };
    for (const auto &b : buttons) {
        SCOPED_TRACE(b.name);
        QPushButton *button = child<QPushButton>(menu, b.name);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), QString::fromLatin1(b.text));
        EXPECT_EQ(button->property("controlId").toInt(), b.id);
    }
    EXPECT_EQ(menu.palette().color(QPalette::Window), QColor(102, 236, 204));
}

// The keyboard reaches every entry: Alt with the underlined letter, and Enter
// on the focused button.
TEST_F(MainMenuFixture, KeyboardPressesTheEntries)
{
    const struct
    {
        const char *name;
        bool enter; // else Alt + letter
        Qt::Key key;
        const char *opened; // dialog class, or empty for the run
    } cases[] = {
        {"runVendrix", false, Qt::Key_R, ""},
        {"runVendrix", true, Qt::Key_Return, ""},
        {"fillingEnvelope", false, Qt::Key_E, "vendrix::FillingEnvelopeDialog"},
        {"fillingEnvelope", true, Qt::Key_Enter, "vendrix::FillingEnvelopeDialog"},
        {"modifyInputData", false, Qt::Key_M, "vendrix::InputMenu"},
        {"designCheck", false, Qt::Key_D, "vendrix::DesignCheckWindow"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.name) + (c.enter ? " Enter" : " Alt"));
        ProjectRecord fresh;
        MainMenu menu(fresh, recorder.services());
        std::vector<std::string> opened;
        menu.runDialog = [&](QDialog &dialog) {
            opened.push_back(dialog.metaObject()->className());
            return 0;
        };
        menu.show();
        QApplication::setActiveWindow(&menu);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&menu));
        QPushButton *button = child<QPushButton>(menu, c.name);
        button->setFocus();
        if (c.enter)
            QTest::keyClick(button, c.key);
        else
            QTest::keyClick(menu.windowHandle(), c.key, Qt::AltModifier);
        // A mnemonic presses its button with the short animation of a click.
        (void)QTest::qWaitFor([&] { return menu.resultButtonsEnabled() || !opened.empty(); }, 1000);
        if (*c.opened == 0) {
            EXPECT_TRUE(menu.resultButtonsEnabled());
            EXPECT_TRUE(opened.empty());
        } else {
            ASSERT_EQ(opened.size(), 1u);
            EXPECT_EQ(opened[0], c.opened);
        }
    }
}

TEST_F(MainMenuFixture, ResultButtonsFollowRunAndModifyInputData)
{
    record.state.resultsValid = true; // left over from an earlier run
    MainMenu menu(record, countingServices());
    menu.runDialog = script.runner();
    QSignalSpy inputChanged(&menu, &MainMenu::inputChanged);
    menu.show();
    EXPECT_EQ(record.state.resultsValid, 0) << "opening the main menu clears the results";
    expectResultButtons(menu, false);

    const struct
    {
        const char *step;
        bool enabledAfter;
        int resultsValidAfter;
    } steps[] = {
        {"runVendrix", true, 1}, {"modifyInputData", false, 0}, {"runVendrix", true, 1},
        {"runVendrix", true, 1}, {"modifyInputData", false, 0}, {"modifyInputData", false, 0},
    };
    for (const auto &s : steps) {
        SCOPED_TRACE(s.step);
        QTest::mouseClick(child<QPushButton>(menu, s.step), Qt::LeftButton);
        expectResultButtons(menu, s.enabledAfter);
        EXPECT_EQ(menu.resultButtonsEnabled(), s.enabledAfter);
        EXPECT_EQ(record.state.resultsValid, s.resultsValidAfter);
    }
    // The input menu was shown each time and closed without changes: nothing
    // was stored, yet the input display is repainted.
    EXPECT_EQ(script.count("InputMenu"), 3);
    EXPECT_EQ(commits, 0);
    EXPECT_EQ(inputChanged.count(), 3);
    EXPECT_EQ(record.state.shapeShown, Shape::AsFilled);
    EXPECT_TRUE(recorder.shown.empty());
}

TEST_F(MainMenuFixture, RefusedRunShowsError302AndKeepsTheButtons)
{
    MainMenu menu(record, recorder.services());
    menu.runDialog = script.runner();
    record.input.analysisType = AnalysisType::GivenHeight;
    record.input.desiredMaxHeight = 3.19; // above the 3.183 m diameter of a 10 m circle
    menu.runAnalysis();
    ASSERT_EQ(recorder.shown.size(), 1u);
    EXPECT_EQ(recorder.shown[0].errorNumberText, "Error No.302");
    expectResultButtons(menu, false);
    EXPECT_EQ(record.state.resultsValid, 0);

    // After a good run a refused one leaves the results usable.
    record.input.desiredMaxHeight = 2.5;
    menu.runAnalysis();
    expectResultButtons(menu, true);
    record.input.desiredMaxHeight = 3.19;
    menu.runAnalysis();
    EXPECT_EQ(recorder.shown.size(), 2u);
    expectResultButtons(menu, true);
    EXPECT_EQ(record.state.resultsValid, 1);
}

// The darkest grey of a control as drawn: its text.
int darkestGrey(QWidget *widget)
{
    const QImage image = widget->grab().toImage();
    int darkest = 255;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            darkest = std::min(darkest, qGray(image.pixel(x, y)));
    return darkest;
}

TEST_F(MainMenuFixture, DisabledResultButtonsLookDisabled)
{
    MainMenu menu(record, recorder.services());
    menu.runDialog = script.runner();
    menu.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&menu));
    expectResultButtons(menu, false);
    std::vector<int> disabled;
    for (const char *name : kResultButtons)
        disabled.push_back(darkestGrey(child<QPushButton>(menu, name)));
    QTest::mouseClick(child<QPushButton>(menu, "runVendrix"), Qt::LeftButton);
    expectResultButtons(menu, true);
    for (std::size_t i = 0; i < std::size(kResultButtons); ++i) {
        SCOPED_TRACE(kResultButtons[i]);
        const int enabled = darkestGrey(child<QPushButton>(menu, kResultButtons[i]));
        EXPECT_LT(enabled, 60);
        EXPECT_GT(disabled[i], enabled + 60);
    }
}

TEST_F(MainMenuFixture, RunRefusesAFileWithoutCircumference)
{
    // Saved by hand or by another program: the file opens, the run refuses it.
    const QString path = QDir::temp().filePath(QStringLiteral("vendrix_no_circumference.Vdx"));
    record.input.circumference = -4;
    record.input.analysisType = AnalysisType::GivenHeight;
    const auto saveFailure = saveProjectFile(path.toStdString(), record);
    ASSERT_FALSE(saveFailure) << saveFailure->messageText;
    ProjectRecord opened;
    const auto openFailure = openProjectFile(path.toStdString(), opened);
    ASSERT_FALSE(openFailure) << openFailure->messageText;
    QFile::remove(path);
    EXPECT_EQ(opened.input.circumference, -4);
    for (const int english : {0, 1}) {
        SCOPED_TRACE(english);
        opened.display.unitSystem = english ? UnitSystem::English : UnitSystem::SI;
        recorder.shown.clear();
        MainMenu menu(opened, recorder.services());
        menu.runDialog = script.runner();
        menu.show();
        QTest::mouseClick(child<QPushButton>(menu, "runVendrix"), Qt::LeftButton);
        ASSERT_EQ(recorder.shown.size(), 1u);
        EXPECT_EQ(recorder.shown[0].errorNumberText, "Error No.108");
        EXPECT_EQ(recorder.shown[0].messageText,
                  "Circumference of tube should be greater than zero.\n\nPlease correcet");
        expectResultButtons(menu, false);
        EXPECT_EQ(opened.state.resultsValid, 0);
    }
}

TEST_F(MainMenuFixture, RunAppliesTheInputRulesFirst)
{
    // Values a dialog stored before its OK was refused, or a file carried: the
    // Run refuses them as the batch run does, and nothing is solved.
    const struct
    {
        const char *name;
        void (*breakRule)(TubeInput &);
        const char *errorNumber;
        const char *messageStart;
    } cases[] = {
        {"medium heavier than slurry", [](TubeInput &in) { in.transportUnitWeight = 20; },
         "Error No.101", "Unit weight of slurry should not be smaller than"},
        {"upper fluid heavier", [](TubeInput &in) { in.fluidUnitWeightUpper = 11; }, "Error No.106",
         "Unit weight of outer upper liquid"},
        {"reduction factor below 1", [](TubeInput &in) { in.rfCreep = 0.5; }, "Error No.201",
         "Value should not be smaller than 1.0."},
        {"no strength", [](TubeInput &in) { in.ultimateStrength = -3; }, "Error No.301",
         "Strength should be greater than zero."},
        {"weightless medium", [](TubeInput &in) { in.transportUnitWeight = 0; }, "",
         "Unit weight of transporting medium should be greater than zero."},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ProjectRecord broken;
        c.breakRule(broken.input);
        recorder.shown.clear();
        MainMenu menu(broken, recorder.services());
        menu.runDialog = script.runner();
        menu.show();
        QTest::mouseClick(child<QPushButton>(menu, "runVendrix"), Qt::LeftButton);
        ASSERT_EQ(recorder.shown.size(), 1u);
        EXPECT_EQ(recorder.shown[0].errorNumberText, c.errorNumber);
        EXPECT_EQ(recorder.shown[0].messageText.rfind(c.messageStart, 0), 0u)
            << recorder.shown[0].messageText;
        expectResultButtons(menu, false);
        EXPECT_FALSE(broken.state.resultsValid);
    }
}

TEST_F(MainMenuFixture, InputMenuOpensEachInputDialog)
{
    InputMenu menu(record, recorder.services(), nullptr, script.runner());
    const struct
    {
        const char *button;
        int id;
        const char *text;
        const char *dialog;
    } entries[] = {
        {"units", 1009, "Select &Units: Metric (SI) or English and Currency", "UnitsDialog"},
        {"generalInformation", 1010, "General &Information", "GeneralInformationDialog"},
        {"slurryData", 1011, "Slurry and &Geometry Data", "SlurryDialog"},
        {"reductionFactors", 1012, "Geosynthetic Reduction &Factors", "ReductionFactorsDialog"},
        {"analysisType", 1013, "&Type of Analysis", "AnalysisTypeDialog"},
    };
    showActive(menu);
    EXPECT_EQ(menu.windowTitle(), "Modify Input Data");
    EXPECT_EQ(menu.palette().color(QPalette::Window), QColor(255, 196, 136));
    for (const auto &e : entries) {
        SCOPED_TRACE(e.button);
        QPushButton *button = child<QPushButton>(menu, e.button);
        EXPECT_EQ(button->text(), QString::fromLatin1(e.text));
        EXPECT_EQ(button->property("controlId").toInt(), e.id);
        script.ran.clear();
        QTest::mouseClick(button, Qt::LeftButton);
        ASSERT_EQ(script.ran.size(), 1u);
        EXPECT_EQ(script.ran[0], e.dialog);
        EXPECT_TRUE(menu.isVisible());
    }
    QPushButton *back = child<QPushButton>(menu, "ok");
    EXPECT_EQ(back->text(), "&Return to Main Menu");
    QTest::mouseClick(back, Qt::LeftButton);
    EXPECT_FALSE(menu.isVisible());
}

TEST_F(MainMenuFixture, RefusedGeneralInformationStoresNothing)
{
    record.state.dataDirectory = "/nonexistent";
    MainMenu menu(record, countingServices());
    int commitsWhileInInformation = -1;
    script.steps["InputMenu"] = [&](QDialog &dialog) {
        click(dialog, "generalInformation");
        click(dialog, "ok");
        return int(QDialog::Accepted);
    };
    script.steps["GeneralInformationDialog"] = [&](QDialog &dialog) {
        typeInto(dialog, "designer", "");
        clickOk(dialog); // refused: no designer
        commitsWhileInInformation = commits;
        dialog.reject();
        return int(QDialog::Rejected);
    };
    menu.runDialog = script.runner();
    menu.modifyInputData();
    EXPECT_EQ(commitsWhileInInformation, 0);
    ASSERT_EQ(recorder.shown.size(), 1u);
    EXPECT_EQ(recorder.shown[0].errorNumberText, "Error No.1120");
}

TEST_F(MainMenuFixture, HiddenButtonTogglesEveryResourceTag)
{
    MainMenu menu(record, recorder.services());
    menu.runDialog = script.runner();
    menu.show();
    QLabel *tag = child<QLabel>(menu, "dialogTag");
    EXPECT_EQ(tag->text(), "IDD_START");
    EXPECT_FALSE(tag->isVisible());
    QPushButton *toggle = child<QPushButton>(menu, "tagToggle");
    EXPECT_EQ(toggle->size(), QSize(10, 10));
    EXPECT_EQ(toggle->property("controlId").toInt(), 1007);

    bool innerTagVisible = false;
    QString innerTagText;
    script.steps["InputMenu"] = [&](QDialog &dialog) {
        click(dialog, "slurryData");
        click(dialog, "ok");
        return int(QDialog::Accepted);
    };
    script.steps["SlurryDialog"] = [&](QDialog &dialog) {
        QLabel *inner = child<QLabel>(dialog, "dialogTag");
        innerTagVisible = inner->isVisible();
        innerTagText = inner->text();
        dialog.reject();
        return int(QDialog::Rejected);
    };
    for (int click = 1; click <= 3; ++click) {
        SCOPED_TRACE(click);
        QTest::mouseClick(toggle, Qt::LeftButton);
        const bool shown = click % 2 == 1;
        EXPECT_EQ(record.state.hideDialogTags, shown ? 0 : 1);
        EXPECT_EQ(tag->isVisible(), shown);
        menu.modifyInputData();
        EXPECT_EQ(innerTagVisible, shown);
        EXPECT_EQ(innerTagText, "IDD_MODIFY_SLURRY");
    }
}

TEST_F(MainMenuFixture, CrossSectionShowsTheFilledShapeAndRestoresTheShownOne)
{
    MainMenu menu(record, recorder.services());
    std::optional<Shape> shownDuring;
    int calls = 0;
    menu.showGraphicalResults = [&](QWidget *) {
        ++calls;
        shownDuring = record.state.shapeShown;
    };
    menu.runAnalysis();
    record.state.shapeShown = Shape::Option2;
    QTest::mouseClick(child<QPushButton>(menu, "viewCrossSection"), Qt::LeftButton);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(shownDuring, Shape::AsFilled);
    EXPECT_EQ(record.state.shapeShown, Shape::Option2);
}

TEST_F(MainMenuFixture, SaveDialogsStartInTheProjectFolderElseTheLastOneUsed)
{
    QTemporaryDir projectDir, otherDir;
    ASSERT_TRUE(projectDir.isValid() && otherDir.isValid());
    std::vector<QString> suggested;
    UiServices services = recorder.services();
    services.saveFileName = [&](QWidget *, const QString &, const QString &path, const QString &) {
        suggested.push_back(path);
        return QString(); // cancelled
    };
    record.info.projectPath = projectDir.filePath("dike.Vdx").toStdString();
    MainMenu menu(record, services);
    menu.runAnalysis();
    GraphicalResultsWindow graphics(record, services);
    QTest::mouseClick(child<QPushButton>(menu, "saveResultsText"), Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>(graphics, "BITMAP_FILE"), Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>(graphics, "exportToExcel"), Qt::LeftButton);
    ASSERT_EQ(suggested.size(), 3u);
    for (const QString &path : suggested)
        EXPECT_EQ(QFileInfo(path).absolutePath(), projectDir.path()) << path.toStdString();

    // A project not saved yet: the folder where the last file was saved.
    record.info.projectPath.clear();
    services.saveFileName = [&](QWidget *, const QString &, const QString &path, const QString &) {
        suggested.push_back(path);
        return otherDir.filePath("results.txt");
    };
    MainMenu unsaved(record, services);
    unsaved.runAnalysis();
    unsaved.saveResultsAsText();
    unsaved.saveResultsAsText();
    EXPECT_EQ(QFileInfo(suggested.back()).absolutePath(), otherDir.path());
}

TEST_F(MainMenuFixture, ResultsTextFileWrittenWithTxtAddedAndFailuresReported)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    MainMenu menu(record, recorder.services());
    menu.runAnalysis();
    recorder.nextFileName = dir.filePath("results");
    QTest::mouseClick(child<QPushButton>(menu, "saveResultsText"), Qt::LeftButton);
    std::ifstream file(dir.filePath("results.txt").toStdString(), std::ios::binary);
    ASSERT_TRUE(file.good());
    std::stringstream bytes;
    bytes << file.rdbuf();
    EXPECT_EQ(bytes.str().rfind("    TITLE PAGE  \r\n", 0), 0u);
    EXPECT_TRUE(recorder.shown.empty());

    recorder.nextFileName = dir.filePath("missing/results.txt");
    menu.saveResultsAsText();
    ASSERT_EQ(recorder.shown.size(), 1u);
    EXPECT_TRUE(recorder.shown[0].errorIcon);

    recorder.nextFileName.clear(); // cancelled: nothing written, nothing shown
    menu.saveResultsAsText();
    EXPECT_EQ(recorder.shown.size(), 1u);
}

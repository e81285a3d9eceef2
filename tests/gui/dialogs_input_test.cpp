// Units, reduction factors, type of analysis and the conflict message, driven
// with key and mouse events.
#include "app/dialogs/common/conflict_dialog.h"
#include "app/dialogs/input/analysis_type_dialog.h"
#include "app/dialogs/input/general_information_dialog.h"
#include "app/dialogs/input/reduction_factors_dialog.h"
#include "app/dialogs/input/slurry_dialog.h"
#include "app/dialogs/input/unit_weight_dialog.h"
#include "app/dialogs/input/units_dialog.h"
#include "app/dialogs/results/consolidated_data_dialog.h"
#include "dialog_test_support.h"
#include "graphics/qt_text.h"
#include "model/c_format.h"
#include "model/company_files.h"
#include "model/field_table.h"
#include "model/project_record.h"
#include "post/consolidation.h"

#include <QDir>
#include <QLabel>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>

#include <unistd.h>

using namespace vendrix;
using namespace vendrix::test;

TEST(InputDialogs, OpenWithTheFocusOnTheChosenRadioAndEnterNeverCloses)
{
    for (const int english : {0, 1}) {
        SCOPED_TRACE(english);
        ProjectRecord record;
        record.display.unitSystem = english ? UnitSystem::English : UnitSystem::SI;
        RecordingServices recorder;
        UnitsDialog dialog(record, recorder.services());
        showActive(dialog);
        EXPECT_EQ(focusName(dialog), english ? "englishUnits_1" : "englishUnits_0");
        pressEnter(dialog);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), 0);
    }
    for (const AnalysisType type :
         {AnalysisType::GivenStrength, AnalysisType::GivenHeight, AnalysisType::GivenPressure}) {
        SCOPED_TRACE(static_cast<int>(type));
        ProjectRecord record;
        record.input.analysisType = type;
        RecordingServices recorder;
        AnalysisTypeDialog dialog(record, recorder.services());
        showActive(dialog);
        const std::string radio = "analysisType_" + std::to_string(static_cast<int>(type));
        EXPECT_EQ(focusName(dialog).toStdString(), radio);
        pressEnter(dialog); // to the value of that objective
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_TRUE(qobject_cast<QLineEdit *>(dialog.focusWidget()) != nullptr);
    }
}

TEST(InputDialogs, AltOPressesOk)
{
    const std::vector<
        std::pair<const char *, std::function<QDialog *(ProjectRecord &, const UiServices &)>>>
        dialogs = {
            {"units", [](auto &r, auto &s) { return new UnitsDialog(r, s); }},
            {"general information",
             [](auto &r, auto &s) { return new GeneralInformationDialog(r, s); }},
            {"slurry", [](auto &r, auto &s) { return new SlurryDialog(r, s); }},
            {"water", [](auto &r, auto &s) { return new UnitWeightDialog(r, s); }},
            {"reduction factors",
             [](auto &r, auto &s) { return new ReductionFactorsDialog(r, s); }},
            {"type of analysis", [](auto &r, auto &s) { return new AnalysisTypeDialog(r, s); }},
        };
    for (const auto &[name, make] : dialogs) {
        SCOPED_TRACE(name);
        QTemporaryDir data;
        ProjectRecord record;
        record.info.designer = "A. Engineer";
        record.state.dataDirectory = data.path().toStdString();
        RecordingServices recorder;
        std::unique_ptr<QDialog> dialog(make(record, recorder.services()));
        showActive(*dialog);
        QTest::keyClick(dialog->focusWidget(), Qt::Key_O, Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([&] { return dialog->result() == QDialog::Accepted; }, 2000));
        EXPECT_TRUE(recorder.shown.empty());
    }
}

TEST(InputDialogs, ChoosingLayersOrObjectiveKeepsTheDialogSize)
{
    ProjectRecord record;
    RecordingServices recorder;
    SlurryDialog slurry(record, recorder.services());
    AnalysisTypeDialog analysis(record, recorder.services());
    const std::vector<std::pair<QDialog *, std::vector<const char *>>> cases = {
        {&slurry, {"twoSlurryLayers_0", "twoSlurryLayers_1", "twoSlurryLayers_0"}},
        {&analysis, {"analysisType_1", "analysisType_2", "analysisType_0", "analysisType_2"}},
    };
    for (const auto &[dialog, radios] : cases) {
        SCOPED_TRACE(dialog->windowTitle().toStdString());
        showActive(*dialog);
        const QRect opened = dialog->geometry();
        for (const char *radio : radios) {
            SCOPED_TRACE(radio);
            clickRadio(*dialog, radio);
            QApplication::processEvents(); // the layout settles
            EXPECT_EQ(dialog->geometry(), opened);
        }
    }
}

TEST(ConflictMessage, NoLineOfTheMessageIsBrokenUp)
{
    ProjectRecord record;
    const auto failure = checkConsolidationData(record, 2.65, 11.0); // lighter than the slurry
    ASSERT_TRUE(failure.has_value());
    ASSERT_EQ(failure->errorNumberText(), "Error No.401");
    ConflictDialog dialog;
    dialog.errorNumberText = failure->errorNumberText();
    dialog.messageText = failure->messageText;
    showActive(dialog);
    QLabel *message = child<QLabel>(dialog, "messageText");
    int widest = 0;
    for (const QString &line : message->text().split('\n'))
        widest = std::max(widest, message->fontMetrics().horizontalAdvance(line));
    EXPECT_GE(message->contentsRect().width(), widest);
}

TEST(UnitsDialog, EnterOrderAndStoredChoices)
{
    ProjectRecord record;
    RecordingServices recorder;
    UnitsDialog dialog(record, recorder.services());
    showActive(dialog);
    EXPECT_FALSE(child(dialog, "dialogTag")->isVisible());
    expectEnterOrder(dialog, {"englishUnits_0", "currencyUnit", "englishUnits_1"});
    pressEnter(dialog); // no successor: nothing happens
    EXPECT_EQ(focusName(dialog), "englishUnits_1");
    EXPECT_TRUE(dialog.isVisible());

    clickRadio(dialog, "englishUnits_1");
    clickRadio(dialog, "printBlackWhite_1");
    clickRadio(dialog, "asianPacific_1");
    typeInto(dialog, "currencyUnit", QString::fromUtf8("\u20AC"));
    child<QPushButton>(dialog, "ok")->click(); // focus is in the currency field
    EXPECT_EQ(record.display.unitSystem, UnitSystem::SI);
    EXPECT_TRUE(child<QRadioButton>(dialog, "englishUnits_1")->isChecked());
    clickOk(dialog);
    EXPECT_FALSE(dialog.isVisible()) << focusName(dialog).toStdString();
    EXPECT_EQ(record.display.unitSystem, UnitSystem::English);
    EXPECT_EQ(record.display.printBlackWhite, 1);
    EXPECT_EQ(record.display.asianPacific, 1);
    EXPECT_EQ(record.display.currencyUnit, "\x80");
}

TEST(UnitsDialog, CancelStoresNothingAndTagsFollowTheToggle)
{
    ProjectRecord record;
    record.state.hideDialogTags = false;
    RecordingServices recorder;
    UnitsDialog dialog(record, recorder.services());
    showActive(dialog);
    EXPECT_TRUE(child(dialog, "dialogTag")->isVisible());
    clickRadio(dialog, "englishUnits_1");
    typeInto(dialog, "currencyUnit", "EUR");
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(record.display.unitSystem, UnitSystem::SI);
    EXPECT_EQ(record.display.currencyUnit, "$");
}

TEST(ReductionFactorsDialog, EnterOrderRuleAndDefault)
{
    ProjectRecord record;
    RecordingServices recorder;
    ReductionFactorsDialog dialog(record, recorder.services());
    showActive(dialog);
    expectEnterOrder(dialog,
                     {"rfInstallationDamage", "rfDurability", "rfCreep", "rfSeamAxial",
                      "rfSeamCircumferential", "rfInstallationDamage"});

    typeInto(dialog, "rfDurability", "0.9");
    typeInto(dialog, "rfCreep", "0.8");
    clickOk(dialog);
    ASSERT_EQ(recorder.shown.size(), 1u);
    EXPECT_EQ(recorder.shown[0].errorNumberText, "Error No.201");
    EXPECT_EQ(recorder.shown[0].messageText,
              "Value should not be smaller than 1.0.\n\nPlease correcet");
    EXPECT_EQ(focusName(dialog), "rfDurability");
    EXPECT_EQ(record.input.rfDurability, 1.0);

    typeInto(dialog, "rfSeamAxial", "3");
    click(dialog, "default");
    expectTexts(dialog, {"rfDurability=1", "rfCreep=1.5", "rfSeamAxial=2"});
    typeInto(dialog, "rfSeamAxial", "2.5");
    clickOk(dialog);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(record.input.rfSeamAxial, 2.5);
    EXPECT_EQ(record.input.rfSeamCircumferential, 2.0);
}

TEST(AnalysisTypeDialog, OnlyTheChosenObjectiveIsVisible)
{
    ProjectRecord record;
    record.input.analysisType = AnalysisType::GivenHeight;
    RecordingServices recorder;
    AnalysisTypeDialog dialog(record, recorder.services());
    showActive(dialog);
    auto visible = [&](const char *name) { return child(dialog, name)->isVisible(); };
    EXPECT_FALSE(visible("ultimateStrength"));
    EXPECT_TRUE(visible("desiredMaxHeight"));
    EXPECT_TRUE(visible("desiredMaxHeightLabel"));
    EXPECT_TRUE(visible("desiredMaxHeightUnit"));
    EXPECT_FALSE(visible("pumpingPressure"));
    EXPECT_FALSE(visible("pressurePicture"));

    clickRadio(dialog, "analysisType_2");
    EXPECT_FALSE(visible("desiredMaxHeight"));
    EXPECT_TRUE(visible("pumpingPressure"));
    EXPECT_TRUE(visible("pumpingPressureUnit"));
    EXPECT_TRUE(visible("pressurePicture"));

    click(dialog, "cancel");
    EXPECT_EQ(record.input.analysisType, AnalysisType::GivenHeight);
}

TEST(AnalysisTypeDialog, F1AsksForItsHelpTopic)
{
    ProjectRecord record;
    RecordingServices recorder;
    AnalysisTypeDialog dialog(record, recorder.services());
    QSignalSpy help(&dialog, &FormDialog::helpRequested);
    showActive(dialog);
    QTest::keyClick(child(dialog, "ultimateStrength"), Qt::Key_F1);
    ASSERT_EQ(help.count(), 1);
    EXPECT_EQ(help.at(0).at(0).toString(), "::/Analysis_Type.htm");
}

TEST(AnalysisTypeDialog, EnterGoesFromObjectiveToValueAndBack)
{
    ProjectRecord record;
    RecordingServices recorder;
    AnalysisTypeDialog dialog(record, recorder.services());
    showActive(dialog);
    expectEnterOrder(dialog, {"analysisType_0", "ultimateStrength", "analysisType_0"});
    EXPECT_TRUE(dialog.isVisible());
}

TEST(AnalysisTypeDialog, RulesOfTheChosenObjective)
{
    struct Case
    {
        int objective;
        const char *field;
        const char *value;
        const char *errorNumber; // empty: accepted
    };
    const Case cases[] = {
        {0, "ultimateStrength", "0", "Error No.301"},
        {0, "ultimateStrength", "0.1", ""},
        {1, "desiredMaxHeight", "3.2", "Error No.302"},
        {1, "desiredMaxHeight", "3.18", ""},
        {1, "desiredMaxHeight", "0", "Error No.303"},
        {2, "pumpingPressure", "-1", "Error No.304"},
        {2, "pumpingPressure", "0", ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.field) + " = " + c.value);
        ProjectRecord record;
        RecordingServices recorder;
        AnalysisTypeDialog dialog(record, recorder.services());
        showActive(dialog);
        QTest::mouseClick(
            child<QRadioButton>(dialog, ("analysisType_" + std::to_string(c.objective)).c_str()),
            Qt::LeftButton);
        typeInto(dialog, c.field, c.value);
        clickOk(dialog);
        if (*c.errorNumber == 0) {
            EXPECT_TRUE(recorder.shown.empty());
            EXPECT_EQ(static_cast<int>(record.input.analysisType), c.objective);
            continue;
        }
        ASSERT_EQ(recorder.shown.size(), 1u);
        EXPECT_EQ(recorder.shown[0].errorNumberText, c.errorNumber);
        EXPECT_EQ(focusName(dialog), c.field);
        EXPECT_EQ(record.input.analysisType, AnalysisType::GivenStrength);
    }
}

TEST(AnalysisTypeDialog, EnglishValuesDefaultAndTruncate)
{
    ProjectRecord record;
    record.display.unitSystem = 1 ? UnitSystem::English : UnitSystem::SI;
    RecordingServices recorder;
    AnalysisTypeDialog dialog(record, recorder.services());
    showActive(dialog);
    EXPECT_EQ(text(dialog, "ultimateStrength"), "6851.9");
    EXPECT_EQ(child<QLabel>(dialog, "ultimateStrengthUnit")->text(), "[lb/ft]");
    EXPECT_EQ(child<QLabel>(dialog, "pumpingPressureUnit")->text(), "[psi]");

    clickRadio(dialog, "analysisType_1");
    typeInto(dialog, "desiredMaxHeight", "7.77777");
    click(dialog, "truncate");
    EXPECT_EQ(text(dialog, "desiredMaxHeight"), "7.778");
    EXPECT_EQ(text(dialog, "ultimateStrength"), "6851.9"); // only the chosen value
    click(dialog, "default");
    EXPECT_EQ(text(dialog, "desiredMaxHeight"), "8");
    EXPECT_EQ(text(dialog, "ultimateStrength"), "6851.9");
    EXPECT_TRUE(child<QRadioButton>(dialog, "analysisType_1")->isChecked());
    clickOk(dialog);
    EXPECT_EQ(record.input.analysisType, AnalysisType::GivenHeight);
    EXPECT_NEAR(record.input.desiredMaxHeight, 8 / 3.28084, 1e-12);
    EXPECT_NEAR(record.input.ultimateStrength, 100.0, 1e-12);
    EXPECT_NEAR(record.input.pumpingPressure, 20.0, 1e-12);
}

TEST(ConflictMessage, ShowsNumberAndTextAndClosesWithOk)
{
    ConflictDialog dialog;
    dialog.errorNumberText = "Error No.101";
    dialog.messageText = "Unit weight (9.807 kN/m \xB3).\n\nPlease correcet";
    showActive(dialog);
    EXPECT_EQ(dialog.windowTitle(), "Conflict -- before running . . . ");
    EXPECT_EQ(child<QLabel>(dialog, "errorNumberText")->text(), "Error No.101");
    EXPECT_EQ(child<QLabel>(dialog, "messageText")->text(),
              QString::fromUtf8("Unit weight (9.807 kN/m \u00B3).\n\nPlease correcet"));
    EXPECT_EQ(dialog.palette().color(QPalette::Window), QColor(190, 150, 220));
    pressEnter(dialog);
    EXPECT_FALSE(dialog.isVisible());
}

TEST(ConflictMessage, DefaultServicesShowItModally)
{
    QString seenNumber;
    QTimer::singleShot(0, [&] {
        auto *shown = qobject_cast<ConflictDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(shown, nullptr);
        seenNumber = shown->findChild<QLabel *>("errorNumberText")->text();
        shown->accept();
    });
    defaultUiServices().conflict(nullptr, "Error No.302", "too high");
    EXPECT_EQ(seenNumber, "Error No.302");
}

namespace {

template<typename D> std::unique_ptr<FormDialog> inputDialog(ProjectRecord &r, const UiServices &s)
{
    return std::make_unique<D>(r, s);
}

} // namespace

// Every input dialog: OK pressed while a field has the focus does nothing;
// "&Default" (where present) followed by Cancel leaves the record as it was.
TEST(InputDialogs, OkNeedsTheFocusAndDefaultThenCancelStoresNothing)
{
    struct Case
    {
        const char *name;
        std::unique_ptr<FormDialog> (*make)(ProjectRecord &, const UiServices &);
        const char *field;
    };
    const Case cases[] = {
        {"units", inputDialog<UnitsDialog>, "currencyUnit"},
        {"general information", inputDialog<GeneralInformationDialog>, "designer"},
        {"slurry", inputDialog<SlurryDialog>, "circumference"},
        {"unit weight", inputDialog<UnitWeightDialog>, "transportUnitWeight"},
        {"reduction factors", inputDialog<ReductionFactorsDialog>, "rfCreep"},
        {"type of analysis", inputDialog<AnalysisTypeDialog>, "ultimateStrength"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ProjectRecord record;
        record.display.unitSystem = 1 ? UnitSystem::English : UnitSystem::SI;
        record.info.designer = "D";
        record.input.rfCreep = 1.7;
        record.input.ultimateStrength = 120;
        record.input.circumference = 12;
        record.input.transportUnitWeight = 10;
        RecordingServices recorder;
        const UiServices services = recorder.services();
        std::unique_ptr<FormDialog> dialog = c.make(record, services);
        showActive(*dialog);
        typeInto(*dialog, c.field, "7");
        child<QPushButton>(*dialog, "ok")->click();
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_TRUE(recorder.shown.empty());

        if (auto *defaults = dialog->findChild<QPushButton *>("default"))
            QTest::mouseClick(defaults, Qt::LeftButton);
        if (dialog->findChild<QPushButton *>("cancel"))
            click(*dialog, "cancel");
        else
            QTest::keyClick(dialog.get(), Qt::Key_Escape); // General Information has no Cancel
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(record.display.currencyUnit, "$");
        EXPECT_EQ(record.info.designer, "D");
        EXPECT_EQ(record.input.circumference, 12.0);
        EXPECT_EQ(record.input.transportUnitWeight, 10.0);
        EXPECT_EQ(record.input.rfCreep, 1.7);
        EXPECT_EQ(record.input.ultimateStrength, 120.0);
    }
}

// The frame of the default button sits on OK when a dialog opens, not on the
// first button after the focused field (Cancel, Save Data for Future Runs).
TEST(InputDialogs, OkCarriesTheDefaultFrame)
{
    const std::pair<const char *,
                    std::unique_ptr<FormDialog> (*)(ProjectRecord &, const UiServices &)>
        cases[] = {
            {"units", inputDialog<UnitsDialog>},
            {"general information", inputDialog<GeneralInformationDialog>},
            {"slurry", inputDialog<SlurryDialog>},
            {"unit weight", inputDialog<UnitWeightDialog>},
            {"reduction factors", inputDialog<ReductionFactorsDialog>},
            {"type of analysis", inputDialog<AnalysisTypeDialog>},
        };
    for (const auto &[name, make] : cases) {
        SCOPED_TRACE(name);
        ProjectRecord record;
        RecordingServices recorder;
        const UiServices services = recorder.services();
        std::unique_ptr<FormDialog> dialog = make(record, services);
        showActive(*dialog);
        QStringList framed;
        for (QPushButton *button : dialog->findChildren<QPushButton *>())
            if (button->isDefault())
                framed << button->objectName();
        EXPECT_EQ(framed, QStringList({"ok"}));
    }
}

// A new account has no company file yet: opening General Information is quiet
// about it, while a company file that cannot be read is still reported.
TEST(GeneralInformationDialog, MissingCompanyFileIsNotReported)
{
    for (const bool unreadable : {false, true}) {
        SCOPED_TRACE(unreadable ? "unreadable company file" : "no company file");
        QTemporaryDir data;
        ASSERT_TRUE(data.isValid());
        ProjectRecord record;
        record.state.dataDirectory = data.path().toStdString();
        // A folder in its place cannot be read as the file.
        const QString companyFile
            = QString::fromStdString(companyFilePath(record.state.dataDirectory));
        ASSERT_TRUE(!unreadable || QDir(data.path()).mkpath(companyFile));
        RecordingServices recorder;
        std::fflush(stderr);
        const int saved = ::dup(2);
        std::FILE *capture = std::tmpfile();
        ::dup2(::fileno(capture), 2);
        {
            GeneralInformationDialog dialog(record, recorder.services());
            std::fflush(stderr);
        }
        ::dup2(saved, 2);
        ::close(saved);
        std::rewind(capture);
        std::string printed(4096, '\0');
        printed.resize(std::fread(printed.data(), 1, printed.size(), capture));
        std::fclose(capture);
        EXPECT_EQ(printed.find("open failed on input file") != std::string::npos, unreadable)
            << printed;
    }
}

// "&Default" shows each field's default from the field table, in the units the
// dialog shows; Type of Analysis only that of the objective chosen.
TEST(InputDialogs, DefaultShowsTheFieldTableDefaults)
{
    struct Case
    {
        const char *name;
        std::unique_ptr<FormDialog> (*make)(ProjectRecord &, const UiServices &);
        AnalysisType objective;
    };
    const Case cases[] = {
        {"slurry", inputDialog<SlurryDialog>, AnalysisType::GivenStrength},
        {"unit weight", inputDialog<UnitWeightDialog>, AnalysisType::GivenStrength},
        {"reduction factors", inputDialog<ReductionFactorsDialog>, AnalysisType::GivenStrength},
        {"strength", inputDialog<AnalysisTypeDialog>, AnalysisType::GivenStrength},
        {"height", inputDialog<AnalysisTypeDialog>, AnalysisType::GivenHeight},
        {"pressure", inputDialog<AnalysisTypeDialog>, AnalysisType::GivenPressure},
        {"consolidation", inputDialog<ConsolidatedDataDialog>, AnalysisType::GivenStrength},
    };
    const FieldId objectives[]
        = {FieldId::UltimateStrength, FieldId::DesiredMaxHeight, FieldId::PumpingPressure};
    for (const UnitSystem units : {UnitSystem::SI, UnitSystem::English}) {
        for (const Case &c : cases) {
            SCOPED_TRACE(std::string(c.name) + (units == UnitSystem::SI ? " SI" : " English"));
            ProjectRecord record;
            record.display.unitSystem = units;
            record.input.analysisType = c.objective;
            RecordingServices recorder;
            std::unique_ptr<FormDialog> dialog = c.make(record, recorder.services());
            QTest::mouseClick(child<QPushButton>(*dialog, "default"), Qt::LeftButton);
            int checked = 0;
            for (FieldEdit *edit : dialog->findChildren<FieldEdit *>()) {
                const bool otherObjective
                    = std::find(std::begin(objectives), std::end(objectives), edit->field())
                        != std::end(objectives)
                    && edit->field() != objectives[static_cast<int>(c.objective)];
                if (!edit->entry().dialogDefault || otherObjective)
                    continue;
                SCOPED_TRACE(edit->entry().name);
                EXPECT_EQ(fromQString(edit->text()),
                          formatFieldNumber(dialogDefaultValue(edit->field(), units)));
                ++checked;
            }
            EXPECT_GT(checked, 0);
        }
    }
}

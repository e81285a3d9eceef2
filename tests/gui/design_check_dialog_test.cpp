// The Design Check dialog driven with key and mouse events: its rules, OK and
// Cancel, the empty water levels and its help topic.
#include "app/dialogs/input/design_check_dialog.h"
#include "dialog_test_support.h"

#include <QSignalSpy>

namespace vendrix {
namespace {

using namespace test;

TEST(DesignCheckDialog, ShowsTheRecordWithEmptyLevelsInTheShownUnits)
{
    ProjectRecord record;
    record.display.unitSystem = UnitSystem::English;
    record.designCheck.waterLevelProtected = 1.0;
    ShownDialog<DesignCheckDialog> shown(record);
    expectTexts(shown.dialog,
                {"waterLevelLoaded=", "waterLevelProtected=3.28084", "foundationFriction=0.5",
                 "requiredSafetyOverturning=2"});
    EXPECT_EQ(child<QLineEdit>(shown.dialog, "waterLevelLoaded")->placeholderText(),
              "follow the outside fluid height");
    EXPECT_EQ(child<QLabel>(shown.dialog, "allowableBearingPressureUnit")->text(), "[psf]");
    QSignalSpy help(&shown.dialog, &FormDialog::helpRequested);
    QTest::keyClick(child(shown.dialog, "designWaveHeight"), Qt::Key_F1);
    ASSERT_EQ(help.count(), 1);
    EXPECT_EQ(help.at(0).at(0).toString(), "::/Design_Check.htm");
}

// A bad value is refused with its rule's message and the focus on its field;
// nothing reaches the record until OK passes every rule.
TEST(DesignCheckDialog, RefusesBadValuesAndStoresOnlyOnOk)
{
    struct Case
    {
        std::initializer_list<const char *> typed;
        const char *number; // empty: a plain message box
        const char *focus;
    };
    const Case cases[] = {
        {{"fabricStiffness=-5"}, "Error No.603", "fabricStiffness"},
        {{"waterLevelLoaded=1", "waterLevelProtected=2"}, "Error No.605", "waterLevelLoaded"},
        {{"foundationFriction=2"}, "Error No.606", "foundationFriction"},
        {{"designWaveHeight=high"}, "", "designWaveHeight"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.focus);
        ProjectRecord record;
        ShownDialog<DesignCheckDialog> shown(record);
        typeInto(shown.dialog, c.typed);
        clickOk(shown.dialog);
        ASSERT_EQ(shown.recorder.shown.size(), 1u);
        EXPECT_EQ(shown.recorder.shown[0].errorNumberText, c.number);
        EXPECT_EQ(focusName(shown.dialog), c.focus);
        EXPECT_TRUE(shown.dialog.isVisible());
        EXPECT_EQ(record.designCheck.foundationFriction, 0.5);
        EXPECT_EQ(record.designCheck.waterLevelLoaded, kFollowFluidHeight);
    }
}

TEST(DesignCheckDialog, OkStoresInSiAndEmptyLevelsFollowTheFluid)
{
    ProjectRecord record;
    record.display.unitSystem = UnitSystem::English;
    record.designCheck.waterLevelLoaded = 2.0;
    ShownDialog<DesignCheckDialog> shown(record);
    // Emptied with the keyboard, as the user empties a field.
    QLineEdit *loaded = child<QLineEdit>(shown.dialog, "waterLevelLoaded");
    loaded->setFocus();
    loaded->selectAll();
    QTest::keyClick(loaded, Qt::Key_Backspace);
    typeInto(shown.dialog,
             {"fabricStrengthAxial=685.19", "allowableBearingPressure=2088.46",
              "requiredSafetySliding=1.3"});
    clickOk(shown.dialog);
    EXPECT_TRUE(shown.recorder.shown.empty());
    EXPECT_EQ(shown.dialog.result(), QDialog::Accepted);
    const DesignCheckInputs &c = record.designCheck;
    EXPECT_EQ(c.waterLevelLoaded, kFollowFluidHeight);
    EXPECT_EQ(c.waterLevelProtected, kFollowFluidHeight);
    EXPECT_NEAR(c.fabricStrengthAxial, 10.0, 1e-9);
    EXPECT_NEAR(c.allowableBearingPressure, 100.0, 1e-9);
    EXPECT_EQ(c.requiredSafetySliding, 1.3);
}

TEST(DesignCheckDialog, CancelAndDefaultChangeNothingStored)
{
    ProjectRecord record;
    record.designCheck.waterLevelProtected = 0.5;
    record.designCheck.foundationFriction = 0.3;
    RecordingServices recorder;
    bool stored = true;
    // The editing function runs the dialog: Default, then Cancel.
    stored = editDesignCheckInputs(nullptr, record, recorder.services(), [](QDialog &dialog) {
        showActive(dialog);
        click(dialog, "default");
        expectTexts(dialog,
                    {"waterLevelProtected=", "foundationFriction=0.5", "waveStabilityLimit=1"});
        click(dialog, "cancel");
        return dialog.result();
    });
    EXPECT_FALSE(stored);
    EXPECT_EQ(record.designCheck.waterLevelProtected, 0.5);
    EXPECT_EQ(record.designCheck.foundationFriction, 0.3);
}

} // namespace
} // namespace vendrix

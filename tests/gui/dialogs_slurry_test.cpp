// Slurry Data and the unit weight of the transporting medium, driven with key
// and mouse events.
#include "app/dialogs/input/slurry_dialog.h"
#include "app/dialogs/input/unit_weight_dialog.h"
#include "dialog_test_support.h"
#include "model/project_record.h"

#include <QLabel>
#include <QRadioButton>

#include <clocale>
#include <locale>

using namespace vendrix;
using namespace vendrix::test;

namespace {

ProjectRecord englishRecord()
{
    ProjectRecord record;
    record.display.unitSystem = 1 ? UnitSystem::English : UnitSystem::SI;
    return record;
}

} // namespace

TEST(SlurryDialog, ShowsEnglishUnitsAndStoresSiAgain)
{
    ProjectRecord record = englishRecord();
    ShownDialog<SlurryDialog> shown(record);
    auto &[recorder, dialog] = shown;
    expectTexts(dialog, {"circumference=32.8084", "slurryUnitWeightLower=76.387524"});
    EXPECT_EQ(child<QLabel>(dialog, "circumferenceUnit")->text(), "[ft]");
    EXPECT_EQ(child<QLabel>(dialog, "slurryUnitWeightLowerUnit")->text(),
              QString::fromUtf8("[lb/ft \u00B3]"));

    clickOk(dialog);
    EXPECT_TRUE(recorder.shown.empty());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_NEAR(record.input.circumference, 10.0, 1e-12);
    EXPECT_NEAR(record.input.slurryUnitWeightLower, 12.0, 1e-12);
    EXPECT_NEAR(record.input.slurryUnitWeightUpper, 11.0, 1e-12);
    EXPECT_NEAR(record.input.fluidHeightLower, 2.0, 1e-12);
}

TEST(SlurryDialog, DisabledUpperLayerFieldLooksDisabled)
{
    ProjectRecord record;
    ShownDialog<SlurryDialog> shown(record);
    auto &[recorder, dialog] = shown;
    QLineEdit *upper = child<QLineEdit>(dialog, "slurryUnitWeightUpper");
    auto look = [upper] {
        const QImage image = upper->grab().toImage();
        int darkest = 255;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                darkest = std::min(darkest, qGray(image.pixel(x, y)));
        // Darkest grey (the text) and the field's ground beside the text.
        return std::pair(darkest, QColor(image.pixel(image.width() / 6, image.height() / 2)));
    };
    const auto [enabledText, enabledGround] = look();
    clickRadio(dialog, "twoSlurryLayers_0");
    ASSERT_FALSE(upper->isEnabled());
    const auto [disabledText, disabledGround] = look();
    EXPECT_LT(enabledText, 60);
    EXPECT_GT(disabledText, enabledText + 60);
    EXPECT_EQ(enabledGround, QColor(Qt::white));
    EXPECT_NE(disabledGround, QColor(Qt::white)) << "a white ground looks editable";
}

TEST(SlurryDialog, AsianPacificLabels)
{
    ProjectRecord record;
    record.display.asianPacific = true;
    RecordingServices recorder;
    SlurryDialog dialog(record, recorder.services());
    EXPECT_EQ(child<QLabel>(dialog, "fluidUnitWeightUpperUnit")->text(), "[kN/m^3]");
}

TEST(SlurryDialog, EnterWalksTheOrderAndNeverPressesOk)
{
    ProjectRecord record;
    ShownDialog<SlurryDialog> shown(record);
    auto &[recorder, dialog] = shown;
    expectEnterOrder(dialog,
                     {"circumference", "slurryUnitWeightLower", "slurryUnitWeightUpper",
                      "fluidUnitWeightLower", "fluidUnitWeightUpper", "slurryHeightLower",
                      "fluidHeightLower", "circumference"});
    EXPECT_TRUE(dialog.isVisible());

    // One layer: the upper slurry and the hidden Hin-Lower are passed over.
    clickRadio(dialog, "twoSlurryLayers_0");
    expectEnterOrder(dialog,
                     {"circumference", "slurryUnitWeightLower", "fluidUnitWeightLower",
                      "fluidUnitWeightUpper", "fluidHeightLower", "circumference"});
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(recorder.shown.empty());
}

TEST(SlurryDialog, OkActsOnlyWithTheFocus)
{
    ProjectRecord record;
    ShownDialog<SlurryDialog> shown(record);
    auto &[recorder, dialog] = shown;
    typeInto(dialog, "circumference", "12");
    child<QPushButton>(dialog, "ok")->click(); // pressed while the field has the focus
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(record.input.circumference, 10.0);

    child(dialog, "ok")->setFocus();
    pressEnter(dialog);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(record.input.circumference, 12.0);
}

TEST(SlurryDialog, NumberedRulesFocusTheOffendingField)
{
    // What is typed, and the error it brings; the last field typed gets the focus.
    const char *cases[] = {"circumference=-4 -> Error No.108",
                           "circumference=0 -> Error No.108",
                           "slurryUnitWeightLower=9.8 -> Error No.101",
                           "slurryUnitWeightUpper=9.8 -> Error No.102",
                           "slurryUnitWeightUpper=12.5 -> Error No.103",
                           "fluidUnitWeightUpper=-1 -> Error No.104",
                           "fluidUnitWeightLower=-1 -> Error No.104",
                           "fluidUnitWeightLower=11.5 -> Error No.105",
                           "fluidUnitWeightLower=0 fluidUnitWeightUpper=1 -> Error No.106",
                           "slurryHeightLower=-0.1 -> Error No.107",
                           "fluidHeightLower=-0.1 -> Error No.107"};
    for (const char *c : cases) {
        SCOPED_TRACE(c);
        const QStringList typedAndError = QString::fromLatin1(c).split(" -> ");
        const QStringList typed = typedAndError.front().split(' ');
        ProjectRecord record;
        const ProjectRecord before = record;
        ShownDialog<SlurryDialog> shown(record);
        auto &[recorder, dialog] = shown;
        for (const QString &field : typed)
            typeInto(dialog, field.section('=', 0, 0).toLatin1().constData(),
                     field.section('=', 1));
        clickOk(dialog);
        ASSERT_EQ(recorder.shown.size(), 1u);
        EXPECT_EQ(recorder.shown[0].errorNumberText, typedAndError.back().toStdString());
        EXPECT_EQ(focusName(dialog), typed.back().section('=', 0, 0));
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(record.input.slurryUnitWeightLower, before.input.slurryUnitWeightLower);
        EXPECT_EQ(record.input.fluidUnitWeightLower, before.input.fluidUnitWeightLower);
        EXPECT_EQ(record.input.fluidHeightLower, before.input.fluidHeightLower);
    }
}

TEST(SlurryDialog, Error101NamesTheMediumInTheShownUnit)
{
    ProjectRecord record;
    ShownDialog<SlurryDialog> shown(record);
    auto &[recorder, dialog] = shown;
    typeInto(dialog, "slurryUnitWeightLower", "9.8");
    clickOk(dialog);
    ASSERT_EQ(recorder.shown.size(), 1u);
    EXPECT_NE(recorder.shown[0].messageText.find("(9.807 kN/m \xB3)."), std::string::npos);
}

TEST(SlurryDialog, OneLayerUpperFollowsLowerAndTwoLayersRestoreIt)
{
    ProjectRecord record;
    record.input.twoSlurryLayers = false;
    record.input.slurryUnitWeightUpper = 12.0;
    ShownDialog<SlurryDialog> shown(record);
    auto &[recorder, dialog] = shown;
    QLineEdit *upper = child<QLineEdit>(dialog, "slurryUnitWeightUpper");
    EXPECT_FALSE(upper->isEnabled());
    EXPECT_FALSE(child(dialog, "slurryHeightLower")->isVisible());

    typeInto(dialog, "slurryUnitWeightLower", "13");
    QTest::keyClick(child(dialog, "slurryUnitWeightLower"), Qt::Key_Tab);
    EXPECT_EQ(upper->text(), "13");

    clickRadio(dialog, "twoSlurryLayers_1");
    EXPECT_TRUE(upper->isEnabled());
    EXPECT_EQ(upper->text(), "12"); // the remembered upper value
    EXPECT_TRUE(child(dialog, "slurryHeightLower")->isVisible());

    typeInto(dialog, "slurryUnitWeightUpper", "11.5");
    clickRadio(dialog, "twoSlurryLayers_0");
    EXPECT_EQ(upper->text(), "13");
    clickRadio(dialog, "twoSlurryLayers_1");
    EXPECT_EQ(upper->text(), "11.5");

    // The arrow keys choose the layers as well.
    child(dialog, "twoSlurryLayers_1")->setFocus();
    QTest::keyClick(child(dialog, "twoSlurryLayers_1"), Qt::Key_Left);
    EXPECT_TRUE(child<QRadioButton>(dialog, "twoSlurryLayers_0")->isChecked());
    EXPECT_FALSE(upper->isEnabled());
    EXPECT_EQ(upper->text(), "13");
    clickOk(dialog);
    EXPECT_FALSE(record.input.twoSlurryLayers);
    EXPECT_EQ(record.input.slurryUnitWeightLower, 13.0);
    EXPECT_EQ(record.input.slurryUnitWeightUpper, 13.0);
}

TEST(SlurryDialog, DefaultThenCancelLeavesTheRecord)
{
    ProjectRecord record = englishRecord();
    record.input.twoSlurryLayers = false;
    const TubeInput before = record.input;
    ShownDialog<SlurryDialog> shown(record);
    auto &[recorder, dialog] = shown;
    click(dialog, "default");
    expectTexts(dialog,
                {"circumference=30", "slurryUnitWeightLower=75", "slurryUnitWeightUpper=70",
                 "fluidUnitWeightLower=62.43", "fluidUnitWeightUpper=0", "slurryHeightLower=3",
                 "fluidHeightLower=5"});
    EXPECT_TRUE(child<QRadioButton>(dialog, "twoSlurryLayers_1")->isChecked());
    EXPECT_TRUE(child(dialog, "slurryUnitWeightUpper")->isEnabled());
    EXPECT_TRUE(child(dialog, "slurryHeightLower")->isVisible());

    click(dialog, "cancel");
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(record.input.circumference, before.circumference);
    EXPECT_FALSE(record.input.twoSlurryLayers);
    EXPECT_EQ(record.input.slurryUnitWeightLower, before.slurryUnitWeightLower);
    EXPECT_EQ(record.input.fluidUnitWeightLower, before.fluidUnitWeightLower);
}

TEST(SlurryDialog, TruncateRoundsEveryValueToThousandths)
{
    ProjectRecord record;
    ShownDialog<SlurryDialog> shown(record);
    auto &[recorder, dialog] = shown;
    typeInto(dialog,
             {"circumference=10.23456", "slurryUnitWeightLower=12.3444",
              "fluidUnitWeightUpper=0.0004", "fluidHeightLower=0.0005"});
    click(dialog, "truncate");
    expectTexts(dialog,
                {"circumference=10.235", "slurryUnitWeightLower=12.344", "fluidUnitWeightUpper=0",
                 "fluidHeightLower=0.001"});
    EXPECT_EQ(record.input.circumference, 10.0);
}

TEST(SlurryDialog, TruncateRoundsOnlyTheRememberedUnitWeightsInUse)
{
    // With one layer the upper field shows the lower weight: rounding it must not
    // replace the upper weight that two layers bring back.
    const struct
    {
        bool twoLayers;
        const char *otherRadio, *upperThere, *backRadio, *upperBack;
    } cases[] = {
        {true, "twoSlurryLayers_0", "12.556", "twoSlurryLayers_1", "11.235"},
        {false, "twoSlurryLayers_1", "11", "twoSlurryLayers_0", "12.556"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.twoLayers ? "two layers" : "one layer");
        ProjectRecord record;
        record.input.twoSlurryLayers = c.twoLayers;
        RecordingServices recorder;
        SlurryDialog dialog(record, recorder.services());
        showActive(dialog);
        if (c.twoLayers)
            typeInto(dialog, "slurryUnitWeightUpper", "11.23456");
        typeInto(dialog, "slurryUnitWeightLower", "12.5555");
        click(dialog, "truncate");
        EXPECT_EQ(text(dialog, "slurryUnitWeightLower"), "12.556");
        clickRadio(dialog, c.otherRadio);
        EXPECT_EQ(text(dialog, "slurryUnitWeightUpper"), c.upperThere);
        clickRadio(dialog, c.backRadio);
        EXPECT_EQ(text(dialog, "slurryUnitWeightUpper"), c.upperBack);
    }
}

TEST(SlurryDialog, CommaIsRefusedUnderACommaLocale)
{
    // A German user: Qt and the C library both prefer a comma.
    const QLocale previousQt;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    struct CommaDecimal : std::numpunct<char>
    {
        char do_decimal_point() const override { return ','; }
    };
    const std::locale previous = std::locale::global(std::locale(std::locale(), new CommaDecimal));

    ProjectRecord record;
    ShownDialog<SlurryDialog> shown(record);
    auto &[recorder, dialog] = shown;
    EXPECT_EQ(text(dialog, "slurryUnitWeightUpper"), "11");
    expectCommaRefusedAndPointTaken(dialog, recorder, "fluidHeightLower",
                                    record.input.fluidHeightLower, 2.5);

    std::locale::global(previous);
    QLocale::setDefault(previousQt);
}

TEST(UnitWeightDialog, EnglishValueDefaultTruncateAndImmediateStore)
{
    ProjectRecord record = englishRecord();
    RecordingServices recorder;
    {
        UnitWeightDialog dialog(record, recorder.services());
        showActive(dialog);
        EXPECT_EQ(text(dialog, "transportUnitWeight"), "62.4300000706589");
        click(dialog, "default");
        EXPECT_EQ(text(dialog, "transportUnitWeight"), "62.43");
        click(dialog, "cancel");
        EXPECT_EQ(record.input.transportUnitWeight, 9.8073607);
    }
    UnitWeightDialog dialog(record, recorder.services());
    showActive(dialog);
    typeInto(dialog, "transportUnitWeight", "64.12345");
    pressEnter(dialog); // Enter in the only field does nothing
    EXPECT_TRUE(dialog.isVisible());
    click(dialog, "truncate");
    EXPECT_EQ(text(dialog, "transportUnitWeight"), "64.123");
    clickOk(dialog);
    EXPECT_NEAR(record.input.transportUnitWeight, 64.123 / 6.365627, 1e-12);
}

// The medium divides the consolidation ratios: zero, negative and denormal unit
// weights are refused with the focus on the field, and nothing is stored.
TEST(UnitWeightDialog, RefusesWeightsThatAreNotPositiveNormalNumbers)
{
    ProjectRecord record;
    ShownDialog<UnitWeightDialog> shown(record);
    auto &[recorder, dialog] = shown;
    for (const char *typed : {"0", "-1", "4.9e-324", "-4.9e-324"}) {
        SCOPED_TRACE(typed);
        recorder.shown.clear();
        typeInto(dialog, "transportUnitWeight", typed);
        clickOk(dialog);
        ASSERT_EQ(recorder.shown.size(), 1u);
        EXPECT_EQ(recorder.shown[0].messageText,
                  "Unit weight of transporting medium should be greater than zero.\n\nPlease "
                  "correcet");
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(focusName(dialog), "transportUnitWeight");
        EXPECT_EQ(record.input.transportUnitWeight, 9.8073607);
    }
}

// Consolidation data, its explanation windows and the quantities dialog, with
// stand-in computations: these tests check what the windows do with the
// results (focus, storing, showing, saving, printing), not the formulas.
#include "../core/record_variants.h"
#include "app/dialogs/results/consolidated_data_dialog.h"
#include "app/dialogs/results/consolidation_explanation_dialog.h"
#include "app/dialogs/results/post_processing_hooks.h"
#include "app/dialogs/results/quantities_dialog.h"
#include "dialog_test_support.h"
#include "model/project_record.h"

#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <fstream>

using namespace vendrix;
using namespace vendrix::test;

namespace {

struct ConsolidationCalls
{
    std::vector<std::pair<double, double>> checked; // Gs, shown unit weight
    int option1 = 0;
    int option2 = 0;
    std::optional<Failure> failure;

    ConsolidationHooks hooks()
    {
        ConsolidationHooks h;
        h.check = [this](const ProjectRecord &, double gs, double shown) {
            checked.emplace_back(gs, shown);
            return failure;
        };
        h.computeOption1 = [this](ProjectRecord &r) {
            ++option1;
            r.consolidation.finalHeight = 1.0;
        };
        h.computeOption2 = [this](ProjectRecord &r) {
            ++option2;
            r.consolidation.finalHeight = 2.0;
        };
        return h;
    }
};

} // namespace

TEST(ConsolidationDialog, EnterSwapsFieldsAndComputesNothing)
{
    ProjectRecord record;
    RecordingServices recorder;
    ConsolidationCalls calls;
    ConsolidatedDataDialog dialog(record, recorder.services(), nullptr, calls.hooks());
    showActive(dialog);
    expectEnterOrder(dialog,
                     {"specificGravitySolids", "consolidatedUnitWeight", "specificGravitySolids"});
    child<QPushButton>(dialog, "runOption1")->click(); // the focus is in a field
    EXPECT_TRUE(calls.checked.empty());
    EXPECT_TRUE(dialog.isVisible());
}

TEST(ConsolidationDialog, AltOneRunsOptionOne)
{
    ProjectRecord record;
    RecordingServices recorder;
    ConsolidationCalls calls;
    ConsolidatedDataDialog dialog(record, recorder.services(), nullptr, calls.hooks());
    showActive(dialog);
    QTest::keyClick(dialog.focusWidget(), Qt::Key_1, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return calls.option1 == 1; }, 2000));
    EXPECT_EQ(dialog.result(), int(QDialog::Accepted));
}

TEST(ConsolidationDialog, OptionsStoreRunAndShowTheCrossSection)
{
    for (int option : {1, 2}) {
        SCOPED_TRACE(option);
        ProjectRecord record;
        record.display.unitSystem = 1 ? UnitSystem::English : UnitSystem::SI;
        RecordingServices recorder;
        ConsolidationCalls calls;
        ConsolidatedDataDialog dialog(record, recorder.services(), nullptr, calls.hooks());
        int crossSections = 0;
        double heightWhenShown = 0;
        dialog.setCrossSectionView([&](QWidget *) {
            ++crossSections;
            heightWhenShown = record.consolidation.finalHeight;
        });
        showActive(dialog);
        EXPECT_EQ(text(dialog, "consolidatedUnitWeight"), "76.387524");
        typeInto(dialog, "specificGravitySolids", "2.65");
        typeInto(dialog, "consolidatedUnitWeight", "89.118778");
        if (option == 1)
            click(dialog, "runOption1");
        else
            child<QPushButton>(dialog, "runOption2")->click(); // no focus needed
        ASSERT_EQ(calls.checked.size(), 1u);
        EXPECT_EQ(calls.checked[0], std::make_pair(2.65, 89.118778));
        EXPECT_EQ(calls.option1, option == 1 ? 1 : 0);
        EXPECT_EQ(calls.option2, option == 2 ? 1 : 0);
        EXPECT_EQ(record.state.shapeShown, option == 1 ? Shape::Option1 : Shape::Option2);
        EXPECT_EQ(record.input.specificGravitySolids, 2.65);
        EXPECT_NEAR(record.input.consolidatedUnitWeight, 14.0, 1e-12);
        EXPECT_EQ(crossSections, 1);
        EXPECT_EQ(heightWhenShown, option); // computed before it is shown
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
}

TEST(ConsolidationDialog, RefusedValuesKeepTheDialogAndFocusTheField)
{
    ProjectRecord record;
    RecordingServices recorder;
    ConsolidationCalls calls;
    calls.failure = Failure {402, "Gs\n\nPlease correcet", "specificGravitySolids"};
    ConsolidatedDataDialog dialog(record, recorder.services(), nullptr, calls.hooks());
    showActive(dialog);
    typeInto(dialog, "specificGravitySolids", "0.999");
    click(dialog, "runOption2");
    ASSERT_EQ(recorder.shown.size(), 1u);
    EXPECT_EQ(recorder.shown[0].errorNumberText, "Error No.402");
    EXPECT_EQ(focusName(dialog), "specificGravitySolids");
    EXPECT_EQ(calls.option2, 0);
    EXPECT_EQ(record.state.shapeShown, std::nullopt);
    EXPECT_EQ(record.input.specificGravitySolids, 2.7);
    EXPECT_TRUE(dialog.isVisible());
}

TEST(ConsolidationDialog, DefaultTruncateCancelAndWithoutComputations)
{
    ProjectRecord record;
    record.input.slurryUnitWeightLower = 11.95;
    record.input.consolidatedUnitWeight = 13.5;
    RecordingServices recorder;
    ConsolidationCalls calls;
    {
        ConsolidatedDataDialog dialog(record, recorder.services(), nullptr, calls.hooks());
        showActive(dialog);
        typeInto(dialog, "specificGravitySolids", "2.65432");
        click(dialog, "truncate");
        EXPECT_EQ(text(dialog, "specificGravitySolids"), "2.654");
        click(dialog, "default");
        EXPECT_EQ(text(dialog, "specificGravitySolids"), "2.7");
        EXPECT_EQ(text(dialog, "consolidatedUnitWeight"), "12");
        click(dialog, "cancel");
        EXPECT_EQ(record.input.consolidatedUnitWeight, 13.5);
        EXPECT_TRUE(calls.checked.empty());
    }
    ConsolidatedDataDialog without(record, recorder.services(), nullptr, ConsolidationHooks {});
    EXPECT_FALSE(child(without, "runOption1")->isEnabled());
    EXPECT_FALSE(child(without, "runOption2")->isEnabled());
}

TEST(ConsolidationDialog, ExplanationOpensItsPhotosAndExtremeCase)
{
    ProjectRecord record;
    RecordingServices recorder;
    ConsolidationExplanationDialog dialog(record, recorder.services());
    showActive(dialog);
    for (const char *button : {"photos1", "photos2", "extreme"}) {
        SCOPED_TRACE(button);
        QString title;
        QTimer::singleShot(0, [&] {
            QWidget *shown = QApplication::activeModalWidget();
            ASSERT_NE(shown, nullptr);
            title = shown->windowTitle();
            pressEnter(*shown); // "&RETURN" has the focus
        });
        click(dialog, button);
        EXPECT_FALSE(title.isEmpty());
        EXPECT_NE(title, dialog.windowTitle());
    }
    EXPECT_EQ(focusName(dialog), "extreme");
}

namespace {

struct QuantityCalls
{
    std::vector<std::pair<std::string, double>> computed; // cost text, shown length
    std::vector<std::string> written;

    QuantitiesHooks hooks()
    {
        QuantitiesHooks h;
        h.compute = [this](const ProjectRecord &r, const std::string &cost, double length) {
            computed.emplace_back(cost, length);
            QuantitiesValues v;
            v.areaPerLength = 32.8084;
            v.totalCost = length * 2;
            v.storageCapacity = length * 10;
            v.volumeAfterConsolidation = length * 5;
            v.consolidationShown = r.state.shapeShown >= Shape::Option1;
            return v;
        };
        h.checkLength = [](double length) -> std::optional<Failure> {
            if (length < 0)
                return Failure {501, "Length should not be negative\n\nPlease correcet",
                                "tubeLength"};
            return std::nullopt;
        };
        h.writeText = [this](const std::string &path, const ProjectRecord &, const std::string &,
                             double, const std::string &) {
            written.push_back(path);
            return true;
        };
        return h;
    }
};

} // namespace

TEST(QuantitiesDialog, RecalculatesWhileTypingAndRefusesCharacters)
{
    ProjectRecord record;
    record.state.shapeShown = Shape::AsFilled;
    RecordingServices recorder;
    QuantityCalls calls;
    QuantitiesDialog dialog(record, recorder.services(), nullptr, calls.hooks());
    showActive(dialog);
    EXPECT_EQ(child<QLabel>(dialog, "areaPerLength")->text(), "32.81");
    EXPECT_FALSE(child(dialog, "volumeAfterConsolidation")->isVisible());
    EXPECT_EQ(child<QLabel>(dialog, "costUnit")->text(), QString::fromUtf8("[ $ ] / m \u00B2"));

    typeInto(dialog, "tubeLength", "100");
    EXPECT_EQ(calls.computed.back().second, 100.0);
    EXPECT_EQ(child<QLabel>(dialog, "totalCost")->text(), "200.00");
    EXPECT_EQ(child<QLabel>(dialog, "storageCapacity")->text(), "1000");

    typeInto(dialog, "costPerUnitArea", "-3");
    ASSERT_EQ(recorder.shown.size(), 2u); // once for each change of a text holding "-"
    EXPECT_EQ(recorder.shown[0].errorNumberText, "Error No.1100");
    EXPECT_EQ(calls.computed.back().first, "-3");

    recorder.shown.clear();
    click(dialog, "return");
    EXPECT_EQ(recorder.shown.size(), 1u); // shown again, and the dialog stays
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(record.input.costPerUnitArea, "0.00");
}

TEST(QuantitiesDialog, EnterOrderNegativeLengthAndStoring)
{
    ProjectRecord record;
    record.display.unitSystem = 1 ? UnitSystem::English : UnitSystem::SI;
    record.state.shapeShown = Shape::Option2;
    RecordingServices recorder;
    QuantityCalls calls;
    QuantitiesDialog dialog(record, recorder.services(), nullptr, calls.hooks());
    showActive(dialog);
    EXPECT_TRUE(child(dialog, "volumeAfterConsolidation")->isVisible());
    EXPECT_EQ(text(dialog, "tubeLength"), "3.28084");
    child(dialog, "costPerUnitArea")->setFocus();
    const char *order[] = {"costPerUnitArea", "tubeLength", "quantityRemarks", "costPerUnitArea"};
    for (const char *expected : order) {
        SCOPED_TRACE(expected);
        EXPECT_EQ(focusName(dialog), expected);
        pressEnter(dialog);
    }
    EXPECT_TRUE(dialog.isVisible());

    typeInto(dialog, "tubeLength", "-1");
    click(dialog, "return");
    ASSERT_EQ(recorder.shown.size(), 1u);
    EXPECT_EQ(recorder.shown[0].errorNumberText, "Error No.501");
    EXPECT_EQ(focusName(dialog), "tubeLength");

    typeInto(dialog, "tubeLength", "328.084");
    typeInto(dialog, "costPerUnitArea", "12.5.3");
    typeInto(dialog, "quantityRemarks", "Dike section A");
    click(dialog, "return");
    EXPECT_EQ(recorder.shown.size(), 1u);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_NEAR(record.input.tubeLength, 100.0, 1e-12);
    EXPECT_EQ(record.input.costPerUnitArea, "12.5.3");
    EXPECT_EQ(record.input.quantityRemarks, "Dike section A");
}

// Costs and lengths beyond the range of numbers: the totals stay empty rather
// than showing "inf", and OK refuses them, leaving the record as it was.
TEST(QuantitiesDialog, TotalsBeyondRangeAreRefused)
{
    ProjectRecord record;
    record.solution.computedCircumference = 10;
    record.solution.totalArea = 7;
    RecordingServices recorder;
    QuantitiesDialog dialog(record, recorder.services(), nullptr, defaultQuantitiesHooks());
    showActive(dialog);
    struct Case
    {
        std::string cost;
        const char *length;
        const char *message;
    };
    const Case cases[] = {
        {"1" + std::string(400, '0'), "100", "Cost per unit area is too large."},
        {"12", "1e308", "Length of tube is too large for the quantities to be computed."},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.length);
        recorder.shown.clear();
        typeInto(dialog, "costPerUnitArea", QString::fromStdString(c.cost));
        typeInto(dialog, "tubeLength", c.length);
        EXPECT_EQ(child<QLabel>(dialog, "totalCost")->text(), "");
        click(dialog, "return");
        ASSERT_EQ(recorder.shown.size(), 1u);
        EXPECT_EQ(recorder.shown[0].messageText, std::string(c.message) + "\n\nPlease correcet");
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(record.input.tubeLength, 1.0);
    }
    typeInto(dialog, "costPerUnitArea", "1" + QString(38, '0'));
    typeInto(dialog, "tubeLength", "100");
    EXPECT_FALSE(child<QLabel>(dialog, "totalCost")->text().contains("inf"));
    click(dialog, "return");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(QuantitiesDialog, EscapeStoresNothing)
{
    ProjectRecord record;
    RecordingServices recorder;
    QuantityCalls calls;
    QuantitiesDialog dialog(record, recorder.services(), nullptr, calls.hooks());
    showActive(dialog);
    typeInto(dialog, "tubeLength", "50");
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(record.input.tubeLength, 1.0);
}

TEST(QuantitiesDialog, SavesThroughTheFileDialogWithTxtAdded)
{
    ProjectRecord record;
    RecordingServices recorder;
    QuantityCalls calls;
    QuantitiesDialog dialog(record, recorder.services(), nullptr, calls.hooks());
    showActive(dialog);
    recorder.nextFileName = QString();
    click(dialog, "saveText");
    EXPECT_TRUE(calls.written.empty()); // cancelled
    recorder.nextFileName = "/tmp/quantities";
    click(dialog, "saveText");
    ASSERT_EQ(calls.written.size(), 1u);
    EXPECT_EQ(calls.written[0], "/tmp/quantities.txt");
}

TEST(QuantitiesDialog, PrintsOnePageToPdf)
{
    QTemporaryDir directory;
    ASSERT_TRUE(directory.isValid());
    const QString pdf = directory.filePath("quantities.pdf");
    ProjectRecord record;
    record.state.shapeShown = Shape::Option1;
    RecordingServices recorder;
    QuantityCalls calls;
    QuantitiesDialog dialog(record, recorder.services(), nullptr, calls.hooks());
    dialog.setPrinterChooser([&](QWidget *) { return pdfPrinter(pdf); });
    showActive(dialog);
    typeInto(dialog, "quantityRemarks", "Remark line");
    click(dialog, "print");
    ASSERT_TRUE(QFile::exists(pdf));

    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", pdf, "-"});
    ASSERT_TRUE(pdftotext.waitForFinished(10000));
    const QString printed = QString::fromUtf8(pdftotext.readAllStandardOutput());
    EXPECT_TRUE(printed.contains("Remark line")) << printed.toStdString();
    EXPECT_TRUE(printed.contains("Total storage capacity of tube is 10")) << printed.toStdString();
    EXPECT_TRUE(printed.contains("Estimated total volume after consolidation is 5"));
    EXPECT_TRUE(printed.contains("Cost per unit area"));
    QProcess pdfinfo;
    pdfinfo.start("pdfinfo", {pdf});
    ASSERT_TRUE(pdfinfo.waitForFinished(10000));
    EXPECT_TRUE(QString::fromUtf8(pdfinfo.readAllStandardOutput())
                    .contains(QRegularExpression("Pages:\\s+1\\n")));

    // A cancelled print dialog prints nothing.
    QFile::remove(pdf);
    dialog.setPrinterChooser([](QWidget *) { return std::unique_ptr<QPrinter>(); });
    click(dialog, "print");
    EXPECT_FALSE(QFile::exists(pdf));
}

// What RETURN refuses is never written or printed: the same message, and
// neither the file dialog nor the printer is asked for.
TEST(QuantitiesDialog, SaveAndPrintApplyTheRulesOfReturn)
{
    const struct
    {
        const char *cost;
        const char *length;
        const char *errorNumber;
        const char *message;
    } cases[] = {
        {"5.10", "-5", "Error No.501", "Length should not be negative\n\nPlease correcet"},
        {"5x", "10", "Error No.1100", "Please insert a number and not a character."},
        {"5.10", "ten", "", "Please enter a number."},
    };
    for (const char *button : {"saveText", "print"}) {
        for (const auto &c : cases) {
            SCOPED_TRACE(std::string(button) + " " + c.cost + " " + c.length);
            ProjectRecord record;
            RecordingServices recorder;
            recorder.nextFileName = "/tmp/vendrix_refused_quantities.txt";
            QuantityCalls calls;
            QuantitiesDialog dialog(record, recorder.services(), nullptr, calls.hooks());
            int printersAsked = 0;
            dialog.setPrinterChooser([&](QWidget *) {
                ++printersAsked;
                return std::unique_ptr<QPrinter>();
            });
            showActive(dialog);
            typeInto(dialog, "costPerUnitArea", c.cost);
            typeInto(dialog, "tubeLength", c.length);
            recorder.shown.clear();
            click(dialog, button);
            ASSERT_EQ(recorder.shown.size(), 1u);
            EXPECT_EQ(recorder.shown[0].errorNumberText, c.errorNumber);
            EXPECT_EQ(recorder.shown[0].messageText, c.message);
            EXPECT_TRUE(recorder.fileDialogCaptions.empty());
            EXPECT_TRUE(calls.written.empty());
            EXPECT_EQ(printersAsked, 0);
            EXPECT_TRUE(dialog.isVisible());
        }
    }
}

TEST(QuantitiesDialog, UnitLabelsFollowUnitsStyleAndCurrency)
{
    struct Case
    {
        test::UnitStyle style;
        const char *area;
        const char *cost;
        const char *volume;
    };
    const Case cases[] = {
        {{UnitSystem::SI, false}, "m \u00B2 / m", "[ \u20AC ] / m \u00B2", "m \u00B3"},
        {{UnitSystem::SI, true}, "m^2 / m", "[ \u20AC ] / m^2", "m^3"},
        {{UnitSystem::English, false}, "ft \u00B2 / ft", "[ \u20AC ] / ft \u00B2", "ft \u00B3"},
        {{UnitSystem::English, true}, "ft^2 / ft", "[ \u20AC ] / ft^2", "ft^3"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(test::traceName(c.style));
        ProjectRecord record;
        test::applyStyle(record, c.style);
        record.display.currencyUnit = "\x80";
        RecordingServices recorder;
        QuantitiesDialog dialog(record, recorder.services(), nullptr, QuantitiesHooks {});
        EXPECT_EQ(child<QLabel>(dialog, "areaUnit")->text(), QString::fromUtf8(c.area));
        EXPECT_EQ(child<QLabel>(dialog, "costUnit")->text(), QString::fromUtf8(c.cost));
        EXPECT_EQ(child<QLabel>(dialog, "storageUnit")->text(), QString::fromUtf8(c.volume));
        EXPECT_EQ(child<QLabel>(dialog, "lengthUnit")->text(),
                  c.style.units == UnitSystem::English ? "ft" : "m");
        // Without the post-processing library nothing can be saved or printed.
        EXPECT_FALSE(child(dialog, "saveText")->isEnabled());
        EXPECT_FALSE(child(dialog, "print")->isEnabled());
    }
}

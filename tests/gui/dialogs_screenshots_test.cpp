// Pictures of every dialog for the documentation: with VENDRIX_SCREENSHOT_DIR
// set, each dialog is shown with the initial project and grabbed to a PNG file.
#include "app/dialogs/common/conflict_dialog.h"
#include "app/dialogs/input/analysis_type_dialog.h"
#include "app/dialogs/input/general_information_dialog.h"
#include "app/dialogs/input/reduction_factors_dialog.h"
#include "app/dialogs/input/slurry_dialog.h"
#include "app/dialogs/input/unit_weight_dialog.h"
#include "app/dialogs/input/units_dialog.h"
#include "app/dialogs/results/consolidated_data_dialog.h"
#include "app/dialogs/results/consolidation_explanation_dialog.h"
#include "app/dialogs/results/extreme_case_dialog.h"
#include "app/dialogs/results/numerical_results_dialog.h"
#include "app/dialogs/results/option_photos_dialog.h"
#include "app/dialogs/results/quantities_dialog.h"
#include "app/help/help_center.h"
#include "app/window/main_menu.h"
#include "dialog_test_support.h"
#include "engine/analysis_run.h"
#include "model/input_rules.h"
#include "model/project_record.h"

#include <QDir>
#include <QPainter>

#include <functional>
#include <memory>

using namespace vendrix;
using namespace vendrix::test;

namespace {

void grabTo(QWidget &widget, const char *fileName)
{
    const QByteArray directory = qgetenv("VENDRIX_SCREENSHOT_DIR");
    widget.show();
    QApplication::processEvents();
    const QPixmap picture = widget.grab();
    EXPECT_FALSE(picture.isNull()) << fileName;
    if (!directory.isEmpty()) {
        QDir().mkpath(QString::fromLocal8Bit(directory));
        EXPECT_TRUE(picture.save(QString::fromLocal8Bit(directory) + "/" + fileName)) << fileName;
    }
}

} // namespace

TEST(DialogScreenshots, InputDialogs)
{
    ProjectRecord record;
    RecordingServices recorder;
    const UiServices services = recorder.services();
    {
        UnitsDialog dialog(record, services);
        grabTo(dialog, "dialog_units.png");
    }
    {
        SlurryDialog dialog(record, services);
        grabTo(dialog, "dialog_slurry_data.png");
    }
    {
        ProjectRecord english;
        english.display.englishUnits = 1;
        english.input.twoSlurryLayers = 0;
        SlurryDialog dialog(english, services);
        grabTo(dialog, "dialog_slurry_data_one_layer_english.png");
    }
    {
        UnitWeightDialog dialog(record, services);
        grabTo(dialog, "dialog_unit_weight_of_water.png");
    }
    {
        ReductionFactorsDialog dialog(record, services);
        grabTo(dialog, "dialog_geosynthetic_parameters.png");
    }
    {
        AnalysisTypeDialog dialog(record, services);
        grabTo(dialog, "dialog_type_of_analysis.png");
    }
    {
        ProjectRecord pressure;
        pressure.input.analysisType = AnalysisType::GivenPressure;
        pressure.state.hideDialogTags = 0;
        AnalysisTypeDialog dialog(pressure, services);
        grabTo(dialog, "dialog_type_of_analysis_pressure_with_tag.png");
    }
    {
        ProjectRecord light;
        light.input.slurryUnitWeightLower = 9.8;
        const auto failure = checkStoredInputs(light);
        ASSERT_TRUE(failure.has_value());
        ConflictDialog dialog;
        dialog.errorNumberText = failure->errorNumberText;
        dialog.messageText = failure->messageText;
        grabTo(dialog, "dialog_conflict_message.png");
    }
}

// Help asked with F1 from a modal dialog, beside it; and controls that do
// nothing drawn grey.
TEST(DialogScreenshots, HelpFromADialogAndDisabledControls)
{
    ProjectRecord record;
    RecordingServices recorder;
    const UiServices services = recorder.services();
    {
        HelpCenter help;
        help.install();
        SlurryDialog dialog(record, services);
        dialog.setWindowModality(Qt::ApplicationModal);
        dialog.move(20, 20);
        showActive(dialog);
        QTest::keyClick(dialog.focusWidget(), Qt::Key_F1);
        ASSERT_NE(help.browser(), nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(help.browser()));
        QApplication::processEvents();
        // Both windows as they stand on the screen.
        const QRect both = dialog.geometry().united(help.browser()->geometry());
        QImage picture(both.size(), QImage::Format_RGB32);
        picture.fill(QColor(90, 90, 90));
        QPainter painter(&picture);
        // The help window stands above the dialog that asked for it.
        for (QWidget *window :
             {static_cast<QWidget *>(&dialog), static_cast<QWidget *>(help.browser())})
            painter.drawPixmap(window->geometry().topLeft() - both.topLeft(), window->grab());
        painter.end();
        const QByteArray directory = qgetenv("VENDRIX_SCREENSHOT_DIR");
        if (!directory.isEmpty()) {
            EXPECT_TRUE(picture.save(QString::fromLocal8Bit(directory) + "/help_from_dialog.png"));
        }
    }
    {
        ProjectRecord oneLayer;
        oneLayer.input.twoSlurryLayers = 0;
        oneLayer.input.slurryUnitWeightUpper = oneLayer.input.slurryUnitWeightLower;
        SlurryDialog dialog(oneLayer, services);
        grabTo(dialog, "dialog_slurry_data_one_layer.png");
    }
    {
        MainMenu menu(record, services);
        grabTo(menu, "main_menu_before_run.png");
    }
}

TEST(DialogScreenshots, InformationAndResultDialogs)
{
    ProjectRecord record;
    record.state.dataDirectory = "/nonexistent";
    record.info.title = "Harbour dike, section A";
    record.info.designer = "A. Engineer";
    record.info.companyName = "Tube Works Ltd.";
    record.info.companyStreet1 = "1 Dike Road";
    record.info.dateTime = "Tue Dec  8 07:10:00 2026";
    record.info.description = "Two tubes side by side,\r\nfilled with dredged sand.";
    RecordingServices recorder;
    const UiServices services = recorder.services();
    {
        GeneralInformationDialog dialog(record, services);
        grabTo(dialog, "dialog_general_information.png");
    }
    ASSERT_FALSE(runAnalysis(record).refused);
    {
        NumericalResultsDialog dialog(record, services);
        grabTo(dialog, "dialog_numerical_results.png");
    }
    {
        ConsolidationHooks available;
        available.check
            = [](const ProjectRecord &, double, double) { return std::optional<RuleFailure>(); };
        available.computeOption1 = [](ProjectRecord &) {};
        available.computeOption2 = [](ProjectRecord &) {};
        ConsolidatedDataDialog dialog(record, services, nullptr, available);
        grabTo(dialog, "dialog_consolidation_data.png");
    }
    {
        ConsolidationExplanationDialog dialog(record, services);
        grabTo(dialog, "dialog_consolidation_explanation.png");
    }
    {
        ExtremeCaseDialog dialog(record, services);
        grabTo(dialog, "dialog_extreme_case.png");
    }
    {
        OptionPhotosDialog dialog(record, services, 1);
        grabTo(dialog, "dialog_photos_option1.png");
    }
    {
        OptionPhotosDialog dialog(record, services, 2);
        grabTo(dialog, "dialog_photos_option2.png");
    }
    {
        // Picture values only: the real figures come from the post-processing library.
        QuantitiesHooks pictureValues;
        pictureValues.compute = [](const ProjectRecord &r, const std::string &, double length) {
            QuantitiesValues v;
            v.areaPerLength = r.solution.computedCircumference;
            v.storageCapacity = r.solution.totalArea * length;
            return v;
        };
        record.input.tubeLength = 100;
        record.input.quantityRemarks = "Dike section A";
        QuantitiesDialog dialog(record, services, nullptr, pictureValues);
        grabTo(dialog, "dialog_quantities.png");
    }
}

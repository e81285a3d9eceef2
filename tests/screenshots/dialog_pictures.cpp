// The input and result dialogs as they open on the initial project, the help
// window asked from a dialog with F1, and the main menu before a run.
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
#include "engine/analysis_run.h"
#include "model/input_rules.h"
#include "model/project_record.h"
#include "screenshot_folder.h"

#include <QApplication>
#include <QPainter>
#include <QTest>

#include <tuple>

namespace vendrix::screenshots {
namespace {

void takeSlurryPictures(ScreenshotFolder &folder, const UiServices &services)
{
    ProjectRecord record;
    {
        SlurryDialog dialog(record, services);
        folder.grab(dialog, "dialog_slurry_data.png");
    }
    {
        ProjectRecord english;
        english.display.unitSystem = 1 ? UnitSystem::English : UnitSystem::SI;
        english.input.twoSlurryLayers = false;
        SlurryDialog dialog(english, services);
        folder.grab(dialog, "dialog_slurry_data_one_layer_english.png");
    }
    {
        ProjectRecord oneLayer;
        oneLayer.input.twoSlurryLayers = false;
        oneLayer.input.slurryUnitWeightUpper = oneLayer.input.slurryUnitWeightLower;
        SlurryDialog dialog(oneLayer, services);
        folder.grab(dialog, "dialog_slurry_data_one_layer.png");
    }
}

void takeAnalysisTypePictures(ScreenshotFolder &folder, const UiServices &services)
{
    {
        ProjectRecord record;
        AnalysisTypeDialog dialog(record, services);
        folder.grab(dialog, "dialog_type_of_analysis.png");
    }
    {
        ProjectRecord pressure;
        pressure.input.analysisType = AnalysisType::GivenPressure;
        pressure.state.hideDialogTags = false;
        AnalysisTypeDialog dialog(pressure, services);
        folder.grab(dialog, "dialog_type_of_analysis_pressure_with_tag.png");
    }
}

// The conflict message of a slurry lighter than water, as the rules word it.
void takeConflictPicture(ScreenshotFolder &folder)
{
    ProjectRecord light;
    light.input.slurryUnitWeightLower = 9.8;
    const auto failure = checkStoredInputs(light);
    if (!failure) {
        folder.fail("a slurry lighter than water was accepted");
        return;
    }
    ConflictDialog dialog;
    dialog.errorNumberText = failure->errorNumberText();
    dialog.messageText = failure->messageText;
    folder.grab(dialog, "dialog_conflict_message.png");
}

// Help asked with F1 from a modal dialog opens beside it: both windows as
// they stand on the screen, the help window above the dialog.
void takeHelpFromDialogPicture(ScreenshotFolder &folder, const UiServices &services)
{
    ProjectRecord record;
    HelpCenter help;
    help.install();
    SlurryDialog dialog(record, services);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.move(20, 20);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    (void)QTest::qWaitForWindowActive(&dialog);
    QTest::keyClick(dialog.focusWidget(), Qt::Key_F1);
    if (help.browser() == nullptr || !QTest::qWaitForWindowExposed(help.browser())) {
        folder.fail("F1 in the slurry dialog opened no help window");
        return;
    }
    QApplication::processEvents();
    const QRect both = dialog.geometry().united(help.browser()->geometry());
    QImage picture(both.size(), QImage::Format_RGB32);
    picture.fill(QColor(90, 90, 90));
    QPainter painter(&picture);
    for (QWidget *window :
         {static_cast<QWidget *>(&dialog), static_cast<QWidget *>(help.browser())})
        painter.drawPixmap(window->geometry().topLeft() - both.topLeft(), window->grab());
    painter.end();
    folder.save(picture, "help_from_dialog.png");
}

ProjectRecord informedProject()
{
    ProjectRecord record;
    record.state.dataDirectory = "/nonexistent"; // no company files to offer
    ProjectInfo &info = record.info;
    std::tie(info.title, info.designer, info.dateTime)
        = std::tuple("Harbour dike, section A", "A. Engineer", "Tue Dec  8 07:10:00 2026");
    std::tie(info.companyName, info.companyStreet1) = std::tuple("Tube Works Ltd.", "1 Dike Road");
    info.description = "Two tubes side by side,\r\nfilled with dredged sand.";
    return record;
}

void takeConsolidationPictures(ScreenshotFolder &folder, ProjectRecord &record,
                               const UiServices &services)
{
    {
        ConsolidationHooks available;
        available.check
            = [](const ProjectRecord &, double, double) { return std::optional<Failure>(); };
        available.computeOption1 = [](ProjectRecord &) {};
        available.computeOption2 = [](ProjectRecord &) {};
        ConsolidatedDataDialog dialog(record, services, nullptr, available);
        folder.grab(dialog, "dialog_consolidation_data.png");
    }
    {
        ConsolidationExplanationDialog dialog(record, services);
        folder.grab(dialog, "dialog_consolidation_explanation.png");
    }
    {
        ExtremeCaseDialog dialog(record, services);
        folder.grab(dialog, "dialog_extreme_case.png");
    }
    {
        OptionPhotosDialog dialog(record, services, Shape::Option1);
        folder.grab(dialog, "dialog_photos_option1.png");
    }
    {
        OptionPhotosDialog dialog(record, services, Shape::Option2);
        folder.grab(dialog, "dialog_photos_option2.png");
    }
}

void takeQuantitiesPicture(ScreenshotFolder &folder, ProjectRecord record,
                           const UiServices &services)
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
    folder.grab(dialog, "dialog_quantities.png");
}

} // namespace

void takeInputDialogPictures(ScreenshotFolder &folder)
{
    const UiServices services = silentServices();
    ProjectRecord record;
    {
        UnitsDialog dialog(record, services);
        folder.grab(dialog, "dialog_units.png");
    }
    takeSlurryPictures(folder, services);
    {
        UnitWeightDialog dialog(record, services);
        folder.grab(dialog, "dialog_unit_weight_of_water.png");
    }
    {
        ReductionFactorsDialog dialog(record, services);
        folder.grab(dialog, "dialog_geosynthetic_parameters.png");
    }
    takeAnalysisTypePictures(folder, services);
    takeConflictPicture(folder);
}

void takeHelpAndMenuPictures(ScreenshotFolder &folder)
{
    const UiServices services = silentServices();
    takeHelpFromDialogPicture(folder, services);
    ProjectRecord record;
    MainMenu menu(record, services);
    folder.grab(menu, "main_menu_before_run.png");
}

void takeResultDialogPictures(ScreenshotFolder &folder)
{
    const UiServices services = silentServices();
    ProjectRecord record = informedProject();
    {
        GeneralInformationDialog dialog(record, services);
        folder.grab(dialog, "dialog_general_information.png");
    }
    if (runAnalysis(record).refused()) {
        folder.fail("the initial project was refused");
        return;
    }
    {
        NumericalResultsDialog dialog(record, services);
        folder.grab(dialog, "dialog_numerical_results.png");
    }
    takeConsolidationPictures(folder, record, services);
    takeQuantitiesPicture(folder, record, services);
}

} // namespace vendrix::screenshots

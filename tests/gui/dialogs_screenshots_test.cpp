// Pictures of every dialog for the documentation: with VENDRIX_SCREENSHOT_DIR
// set, each dialog is shown with the initial project and grabbed to a PNG file.
#include "app/analysis_type_dialog.h"
#include "app/geosyn_parameters_dialog.h"
#include "app/modify_slurry_dialog.h"
#include "app/modify_units_dialog.h"
#include "app/policing_dialog.h"
#include "app/unit_weight_dialog.h"
#include "dialog_test_support.h"
#include "model/input_rules.h"
#include "model/project_record.h"

#include <QDir>

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
        CModifyUnits dialog(record, services);
        grabTo(dialog, "dialog_units.png");
    }
    {
        CModifySlurry dialog(record, services);
        grabTo(dialog, "dialog_slurry_data.png");
    }
    {
        ProjectRecord english;
        english.display.englishUnits = 1;
        english.input.twoSlurryLayers = 0;
        CModifySlurry dialog(english, services);
        grabTo(dialog, "dialog_slurry_data_one_layer_english.png");
    }
    {
        CUnitWeight dialog(record, services);
        grabTo(dialog, "dialog_unit_weight_of_water.png");
    }
    {
        CGeosynParameters dialog(record, services);
        grabTo(dialog, "dialog_geosynthetic_parameters.png");
    }
    {
        CAnalysisType dialog(record, services);
        grabTo(dialog, "dialog_type_of_analysis.png");
    }
    {
        ProjectRecord pressure;
        pressure.input.analysisType = AnalysisType::GivenPressure;
        pressure.state.hideDialogTags = 0;
        CAnalysisType dialog(pressure, services);
        grabTo(dialog, "dialog_type_of_analysis_pressure_with_tag.png");
    }
    {
        ProjectRecord light;
        light.input.slurryUnitWeightLower = 9.8;
        const auto failure = checkStoredInputs(light);
        ASSERT_TRUE(failure.has_value());
        CPolicing dialog;
        dialog.errorNumberText = failure->errorNumberText;
        dialog.messageText = failure->messageText;
        grabTo(dialog, "dialog_conflict_message.png");
    }
}

// The drawings: the cross-section in each shape and mode with its window, the
// input sketch for each type of analysis and its variants, and the filling
// envelope window with its field card, and the design check window.
#include "../gui/input_sketch_support.h"
#include "app/dialogs/results/design_check_window.h"
#include "app/dialogs/results/filling_envelope_dialog.h"
#include "app/dialogs/results/graphical_results_window.h"
#include "app/window/project_document.h"
#include "engine/analysis_run.h"
#include "graphics/field_card.h"
#include "model/project_record.h"
#include "post/consolidation.h"
#include "screenshot_folder.h"

#include <QApplication>
#include <QPainter>

namespace vendrix::screenshots {
namespace {

struct CrossSectionShot
{
    const char *file;
    Shape shape;
    int blackWhite;
    int warning;
};

void takeCrossSectionPicture(ScreenshotFolder &folder, const CrossSectionShot &shot)
{
    ProjectRecord record;
    if (runAnalysis(record).refused()) {
        folder.fail("the initial project was refused");
        return;
    }
    record.input.consolidatedUnitWeight = 14;
    if (shot.shape == Shape::Option1)
        computeConsolidationOption1(record);
    if (shot.shape == Shape::Option2)
        computeConsolidationOption2(record);
    record.state.shapeShown = shot.shape;
    record.display.screenBlackWhite = shot.blackWhite;
    record.solution.convergenceWarning = shot.warning;
    GraphicalResultsWindow dialog(record, silentServices());
    dialog.show();
    QApplication::processEvents();
    const QPixmap window = dialog.grab();
    folder.save(dialog.view()->picture(), shot.file);
    if (shot.shape == Shape::AsFilled && shot.blackWhite == 0 && shot.warning == 0)
        folder.save(window, "dialog_graphical_results.png");
}

void takeCrossSectionPictures(ScreenshotFolder &folder)
{
    const CrossSectionShot shots[] = {
        {"cross-section-as-filled.png", Shape::AsFilled, 0, 0},
        {"cross-section-option1.png", Shape::Option1, 0, 0},
        {"cross-section-option2.png", Shape::Option2, 0, 0},
        {"cross-section-bw.png", Shape::AsFilled, 1, 0},
        {"cross-section-not-converged.png", Shape::AsFilled, 0, 1},
    };
    for (const CrossSectionShot &shot : shots)
        takeCrossSectionPicture(folder, shot);
}

void takeSketchPictures(ScreenshotFolder &folder)
{
    const std::pair<AnalysisType, const char *> types[] = {
        {AnalysisType::GivenStrength, "sketch-given-strength.png"},
        {AnalysisType::GivenHeight, "sketch-given-height.png"},
        {AnalysisType::GivenPressure, "sketch-given-pressure.png"},
    };
    for (const auto &[type, file] : types) {
        ProjectRecord record;
        record.input.analysisType = type;
        folder.save(test::sketch(record), file);
    }
    ProjectRecord oneLayer;
    oneLayer.input.slurryUnitWeightUpper = oneLayer.input.slurryUnitWeightLower;
    folder.save(test::sketch(oneLayer), "sketch-one-layer.png");
    ProjectRecord noWater;
    noWater.input.analysisType = AnalysisType::GivenHeight;
    noWater.input.fluidHeightLower = 0;
    folder.save(test::sketch(noWater), "sketch-no-water.png");
}

// The window, and the field card on A4 at 100 dots per inch.
void takeEnvelopePictures(ScreenshotFolder &folder)
{
    ProjectRecord record;
    record.info.title = "Harbour dike, cell 3";
    record.info.projectNumber = "2026-114";
    record.info.stationNumber = "0+450";
    FillingEnvelopeDialog dialog(record, silentServices());
    folder.grab(dialog, "filling_envelope_window.png");

    QImage card(827, 1169, QImage::Format_RGB32);
    card.setDotsPerMeterX(3937);
    card.setDotsPerMeterY(3937);
    card.fill(Qt::white);
    {
        QPainter painter(&card);
        drawFieldCard(painter, QRectF(0, 0, card.width(), card.height()), dialog.cardRecord(),
                      dialog.envelope(), "Tue Dec  8 14:00:00 2026");
    }
    folder.save(card, "field_card.png");
}

// The design check of a tube between a high and a low water level.
void takeDesignCheckPicture(ScreenshotFolder &folder)
{
    ProjectRecord record;
    record.designCheck = sampleDesignCheck();
    DesignCheckWindow window(record, silentServices(), SolutionMethod::Exact);
    folder.grab(window, "design_check_window.png");
}

} // namespace

void takeDrawingPictures(ScreenshotFolder &folder)
{
    takeCrossSectionPictures(folder);
    takeSketchPictures(folder);
    takeEnvelopePictures(folder);
    takeDesignCheckPicture(folder);
}

} // namespace vendrix::screenshots

#include "graphics/cross_section_scene.h"

#include "engine/numerical_results.h"
#include "graphics/cross_section_marks.h"
#include "graphics/tube_outline.h"
#include "model/solved_layering.h"
#include "model/units.h"

#include <algorithm>
#include <cmath>

namespace vendrix {

namespace {

std::string sceneTitle(const ProjectRecord &record, std::optional<Shape> shape, SceneMedium medium)
{
    if (medium == SceneMedium::Page)
        return shape == Shape::AsFilled ? "CROSS-SECTION:"
            : shape == Shape::Option1   ? "CROSS-SECTION AFTER CONSOLIDATION:  OPTION #1"
                                        : "CROSS-SECTION AFTER CONSOLIDATION:  OPTION #2";
    if (shape != Shape::AsFilled)
        return "Consolidated Shape";
    static const char *const types[] = {" A.", " B.", " C."};
    const int type = std::clamp(static_cast<int>(record.input.analysisType), 0, 2);
    return std::string("Results of Analysis Type:") + types[type];
}

std::vector<std::string> legendRows(const ProjectRecord &record)
{
    const TubeInput &in = record.input;
    const double k = UnitFactors::forSettings(record.display.unitSystem).unitWeight;
    const char *unit = unitLabels(record.display).unitWeight;
    const bool twoLayers = in.twoSlurryLayers;
    return {valueText(twoLayers ? "Unit weight of lower slurry = " : "Unit weight of slurry = ",
                      in.slurryUnitWeightLower * k, unit),
            twoLayers
                ? valueText("Unit weight of upper slurry = ", in.slurryUnitWeightUpper * k, unit)
                : std::string(),
            valueText("Unit weight of outer lower fluid = ", in.fluidUnitWeightLower * k, unit),
            valueText("Unit weight of outer upper fluid = ", in.fluidUnitWeightUpper * k, unit)};
}

void addTexts(CrossSectionScene &scene, const ProjectRecord &record, SceneMedium medium)
{
    const double toDisplay = UnitFactors::forSettings(record.display.unitSystem).length;
    const char *unit = unitLabels(record.display).length;
    scene.title = sceneTitle(record, scene.shape, medium);
    scene.widthLabel = valueText("Width = ", 2 * scene.halfWidth * toDisplay, unit);
    scene.heightLabel = valueText("H = ", scene.crestHeight * toDisplay, unit);
    scene.finalHeightLabel = valueText("final H = ", scene.finalHeight * toDisplay, unit);
    // The page prints whole tensions.
    for (const ResultLine &line : crossSectionResultLines(record, scene.asFilled()))
        scene.resultLines.push_back(
            valueText(line.label, line.value, line.unit,
                      medium == SceneMedium::Page ? line.printedDecimals : 1));
    if (record.solution.convergenceWarning) {
        const auto &notice = medium == SceneMedium::Page ? kPrintedNonConvergenceNotice
                                                         : kDisplayedNonConvergenceNotice;
        scene.notice.assign(notice.begin(), notice.end());
    }
    scene.legend = legendRows(record);
    scene.scale = {toDisplay, record.solution.maxHeight * toDisplay, unit};
}

} // namespace

CrossSectionScene crossSectionScene(const ProjectRecord &record, std::optional<Shape> shape,
                                    SceneMedium medium)
{
    const TubeInput &in = record.input;
    const bool oneSlurry = simplifiedLayering(record);
    CrossSectionScene scene;
    scene.shape = shape;
    const ProfileExtent extent = profileExtent(record.solution);
    scene.halfWidth = extent.halfWidth;
    scene.crestHeight = extent.crestHeight;
    // Not a number never enlarges the screen picture; it draws as no extent.
    if (medium == SceneMedium::Screen) {
        if (!std::isfinite(scene.halfWidth))
            scene.halfWidth = 0;
        if (!std::isfinite(scene.crestHeight))
            scene.crestHeight = 0;
    }
    scene.maxWidth = record.solution.maxWidth;
    scene.water = {oneSlurry, in.fluidHeightLower};

    scene.tubeHalf = tubeHalfOutline(record.solution);
    scene.tubeFill = oneSlurry ? SceneRole::LowerSlurry : SceneRole::Tube;
    if (scene.asFilled() && !oneSlurry) {
        // With one layer the circumference lies above every point: the whole
        // tube is the lower layer.
        const double boundary = in.twoSlurryLayers ? in.slurryHeightLower : in.circumference;
        scene.lowerLayerHalf = tubeHalfOutline(record.solution, boundary);
    }
    if (shape == Shape::Option1)
        scene.consolidatedHalf = consolidatedHalfOutline(record.consolidation);
    scene.finalHeight = record.consolidation.finalHeight;
    addTexts(scene, record, medium);
    return scene;
}

} // namespace vendrix

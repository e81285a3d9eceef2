#pragma once
// The cross-section of a solved tube as plain data: outlines and levels in
// metres (x from the centre line, y above the base), the texts of its labels,
// result lines and notices, and its colours by role. It is computed from the
// record alone; a style (cross_section_style.h) places it on the screen picture
// or a printed page and one routine (cross_section_painting.h) paints it.
// A new drawing element goes here first, then into that routine.

#include "model/project_record.h"

#include <QPolygonF>

#include <string>
#include <vector>

namespace vendrix {

// The screen picture and the printed page word some texts differently: the
// title, the notice and the decimals of the tensions.
enum class SceneMedium { Screen, Page };

// What each colour paints; every style gives each role its colour.
enum class SceneRole {
    Sky,
    SkyOutline,
    Foundation,
    FoundationOutline,
    Water,
    WaterOutline,
    Tube,
    TubeOutline,
    LowerSlurry,
    LowerSlurryOutline,
    TubeTrace, // the as-filled outline under a consolidated shape
    Consolidated,
    ConsolidatedOutline,
    CentreLine,
    CentreSymbolBack,
    Ink, // dimension lines and label texts
    LabelInWater,
    LabelInAir,
    FinalHeightLabel,
    ResultText,
    ResultBack,
    TitleText,
    TitleBack,
    NoticeBox,
    NoticeOutline,
    NoticeText,
    ScaleBar,
};
inline constexpr std::size_t kSceneRoles = std::size_t(SceneRole::ScaleBar) + 1;

// The outside water as the solution saw it. The classic given-pressure search
// solves one slurry with the lower fluid standing over the whole tube, so its
// band covers the whole drawing whatever level was entered.
struct WaterBand
{
    bool overWholeTube = false;
    double level = 0; // m above the base, as entered

    // Whether a point `height` above the base lies in the water, with `height`
    // in drawing units of `scale` per metre.
    bool holds(double height, double scale = 1) const
    {
        return overWholeTube || height < scale * level;
    }
};

// The page's scale bar is chosen from the tube's height in display units.
struct SceneScale
{
    double displayPerMetre = 1; // display length units per metre
    double maxHeightDisplay = 0;
    std::string unit; // the display length unit, "m" or "ft"
};

struct CrossSectionScene
{
    std::optional<Shape> shape; // none: only the outline of the tube as filled
    bool asFilled() const { return shape == Shape::AsFilled; }
    bool consolidated() const { return showsConsolidatedShape(shape); }

    double halfWidth = 0; // the profile's largest x, m
    double crestHeight = 0; // the profile's largest y, m
    double maxWidth = 0; // the solution's width, m
    WaterBand water;

    QPolygonF tubeHalf; // the half as filled (base centre, then profile), m
    SceneRole tubeFill = SceneRole::Tube; // the lower slurry's when solved as one slurry
    QPolygonF lowerLayerHalf; // the lower slurry layer's half; empty when not drawn

    QPolygonF consolidatedHalf; // Option 1: the consolidated half outline, m
    double finalHeight = 0; // m, of the consolidated shape

    std::string title;
    std::string widthLabel, heightLabel, finalHeightLabel;
    std::vector<std::string> resultLines;
    std::vector<std::string> notice; // empty when the solution converged
    std::vector<std::string> legend; // four rows; an empty text keeps its swatch
    SceneScale scale;
};

// The scene of `shape` for the solution in `record`, worded for `medium`.
CrossSectionScene crossSectionScene(const ProjectRecord &record, std::optional<Shape> shape,
                                    SceneMedium medium);

} // namespace vendrix

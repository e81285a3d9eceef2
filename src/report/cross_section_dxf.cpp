#include "report/cross_section_dxf.h"

#include "engine/numerical_results.h"
#include "engine/reduction_factors.h"
#include "model/atomic_file.h"
#include "model/c_format.h"
#include "model/solved_layering.h"
#include "model/units.h"
#include "report/dxf_writer.h"
#include "report/shape_outline.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace vendrix {

namespace {

namespace layers = dxfLayers;

// A closed outline in drawing units without repeated points (the crest and,
// for the consolidated shape, the base centre appear twice in the export order).
std::vector<DxfPoint> closedOutline(const std::vector<OutlinePoint> &outline, double factor)
{
    std::vector<DxfPoint> points;
    for (const OutlinePoint &p : outline) {
        const DxfPoint q {p.x * factor, p.y * factor};
        if (points.empty() || std::hypot(q.x - points.back().x, q.y - points.back().y) > 1e-9)
            points.push_back(q);
    }
    while (points.size() > 1
           && std::hypot(points.front().x - points.back().x, points.front().y - points.back().y)
               <= 1e-9)
        points.pop_back();
    return points;
}

// Where a level meets the right half of the tube as filled (m), or nothing when
// it passes over the crest or under the base.
std::optional<double> halfWidthAtLevel(const TubeSolution &s, double level)
{
    if (!(level > 0))
        return std::nullopt;
    for (size_t i = 1; i < kProfilePoints; ++i) {
        const double y0 = s.profileY[i - 1], y1 = s.profileY[i];
        if (y1 >= level && y0 < level) {
            const double t = (level - y0) / (y1 - y0);
            return s.profileX[i - 1] + t * (s.profileX[i] - s.profileX[i - 1]);
        }
    }
    return std::nullopt;
}

// Sizes of the drawing in drawing units.
struct Frame
{
    double factor = 1; // drawing units per metre
    double halfWidth = 0; // of the shape shown
    double height = 0; // of the shape shown
    double widthLevel = 0; // height of the widest point
    double reach = 0; // half length of the foundation and fluid lines
    double gap = 0; // between the tube and its dimensions
    double textHeight = 0;
};

Frame frameFor(const std::vector<DxfPoint> &shown, const std::vector<DxfPoint> &asFilled,
               double factor)
{
    Frame f;
    f.factor = factor;
    double widest = 0;
    for (const DxfPoint &p : shown) {
        if (std::abs(p.x) > f.halfWidth) {
            f.halfWidth = std::abs(p.x);
            f.widthLevel = p.y;
        }
        f.height = std::max(f.height, p.y);
    }
    for (const DxfPoint &p : asFilled)
        widest = std::max(widest, std::abs(p.x));
    const double size = std::max({2 * f.halfWidth, f.height, 1e-6});
    f.gap = 0.08 * size;
    f.textHeight = 0.025 * size;
    f.reach = 1.3 * std::max(widest, f.halfWidth) + f.gap;
    return f;
}

std::string lengthText(const char *label, double value, const UnitLabels &units)
{
    return label + formatResult(2, value) + " " + units.length;
}

void arrow(DxfWriter &dxf, DxfPoint tip, double dx, double dy, double size)
{
    // A filled head pointing along (dx, dy), a sixth as wide as long on each side.
    const DxfPoint back {tip.x - dx * size, tip.y - dy * size};
    dxf.triangle(layers::kDimensions, tip, {back.x - dy * size / 6, back.y + dx * size / 6},
                 {back.x + dy * size / 6, back.y - dx * size / 6});
}

void dimensions(DxfWriter &dxf, const Frame &f, const UnitLabels &units)
{
    const double a = 1.2 * f.textHeight;
    const double y = f.height + f.gap;
    for (double side : {-1.0, 1.0})
        dxf.line(layers::kDimensions, {side * f.halfWidth, f.widthLevel + 0.2 * f.gap},
                 {side * f.halfWidth, y + 0.3 * f.gap});
    dxf.line(layers::kDimensions, {-f.halfWidth, y}, {f.halfWidth, y});
    arrow(dxf, {f.halfWidth, y}, 1, 0, a);
    arrow(dxf, {-f.halfWidth, y}, -1, 0, a);
    dxf.text(layers::kDimensions, {0, y + 0.5 * f.textHeight}, f.textHeight,
             lengthText("Width = ", 2 * f.halfWidth, units), DxfAlign::Centre);

    const double x = f.halfWidth + f.gap;
    dxf.line(layers::kDimensions, {0.2 * f.halfWidth, f.height}, {x + 0.3 * f.gap, f.height});
    dxf.line(layers::kDimensions, {x, 0}, {x, f.height});
    arrow(dxf, {x, f.height}, 0, 1, a);
    arrow(dxf, {x, 0}, 0, -1, a);
    dxf.text(layers::kDimensions, {x - 0.6 * f.textHeight, 0.5 * f.height}, f.textHeight,
             lengthText("H = ", f.height, units), DxfAlign::Centre, 90);
}

// Foundation, centre line, outside fluid level and slurry interface.
void surroundings(DxfWriter &dxf, const ProjectRecord &record, const Frame &f)
{
    const TubeInput &in = record.input;
    const TubeSolution &s = record.solution;
    double crest = 0;
    for (size_t i = 0; i < kProfilePoints; ++i)
        crest = std::max(crest, s.profileY[i] * f.factor);
    dxf.line(layers::kFoundation, {-f.reach, 0}, {f.reach, 0});
    // Up to just below the width dimension, whose text stands on the centre.
    dxf.line(layers::kCentreLine, {0, -f.gap}, {0, std::max(crest, f.height) + 0.6 * f.gap});

    // Solved as one slurry in the lower fluid, the fluid has no level of its own.
    const bool oneSlurry = simplifiedLayering(record);
    if (!oneSlurry && in.fluidHeightLower > 0) {
        const double level = in.fluidHeightLower * f.factor;
        if (const auto x = halfWidthAtLevel(s, in.fluidHeightLower)) {
            dxf.line(layers::kFluidLevel, {-f.reach, level}, {-*x * f.factor, level});
            dxf.line(layers::kFluidLevel, {*x * f.factor, level}, {f.reach, level});
        } else {
            dxf.line(layers::kFluidLevel, {-f.reach, level}, {f.reach, level});
        }
    }
    if (record.state.shapeShown == Shape::AsFilled && !oneSlurry && hasTwoSlurryLayers(in)) {
        if (const auto x = halfWidthAtLevel(s, in.slurryHeightLower)) {
            const double level = in.slurryHeightLower * f.factor;
            dxf.line(layers::kSlurryInterface, {-*x * f.factor, level}, {*x * f.factor, level});
        }
    }
}

void textBlock(DxfWriter &dxf, const ProjectRecord &record, const Frame &f)
{
    const UnitFactors factors = UnitFactors::forSettings(record.display.unitSystem);
    const UnitLabels units = unitLabels(record.display);
    const TubeSolution &s = record.solution;
    const ReductionFactorProducts rf = reductionFactorProducts(record.input);
    static const char *const types[] = {"A", "B", "C"};
    const int type = std::clamp(static_cast<int>(record.input.analysisType), 0, 2);

    std::vector<std::string> lines;
    if (!record.info.title.cp1252.empty())
        lines.push_back(record.info.title.cp1252);
    switch (record.state.shapeShown.value_or(Shape::AsFilled)) {
    case Shape::Option1:
        lines.emplace_back("Consolidated shape, Option 1");
        break;
    case Shape::Option2:
        lines.emplace_back("Consolidated shape, Option 2");
        break;
    default:
        lines.push_back(std::string("Tube as filled, analysis type ") + types[type]);
        break;
    }
    lines.push_back(
        lengthText("Circumference = ", s.computedCircumference * factors.length, units));
    const double working = s.ultimateStrengthCircumferential / rf.circumferential;
    lines.push_back("Tension at working conditions = "
                    + formatResult(1, working * factors.forcePerLength) + " "
                    + units.forcePerLength);
    lines.push_back("Required ultimate strength = "
                    + formatResult(1, s.ultimateStrengthCircumferential * factors.forcePerLength)
                    + " " + units.forcePerLength);
    lines.emplace_back(isEnglish(record.display) ? "Lengths in feet" : "Lengths in metres");
    // The same warning as the picture and the printed page, so the drawing is not taken for a
    // design.
    if (s.convergenceWarning)
        lines.insert(lines.end(), kDisplayedNonConvergenceNotice.begin(),
                     kDisplayedNonConvergenceNotice.end());

    double y = -f.gap - 1.5 * f.textHeight;
    for (const std::string &line : lines) {
        dxf.text(layers::kText, {-f.reach, y}, f.textHeight, line);
        y -= 1.6 * f.textHeight;
    }
}

} // namespace

std::string crossSectionDxf(const ProjectRecord &record)
{
    const bool english = isEnglish(record.display);
    const double factor = english ? kFeetPerMetre : 1.0;
    DxfWriter dxf(english ? DxfUnit::Feet : DxfUnit::Metres);
    dxf.addLayer(layers::kTube, 30);
    dxf.addLayer(layers::kAsFilled, 8);
    dxf.addLayer(layers::kSlurryInterface, 40);
    dxf.addLayer(layers::kFluidLevel, 5);
    dxf.addLayer(layers::kFoundation, 1);
    dxf.addLayer(layers::kCentreLine, 5, true);
    dxf.addLayer(layers::kDimensions, 7);
    dxf.addLayer(layers::kText, 7);

    const std::vector<DxfPoint> shown = closedOutline(shownOutline(record), factor);
    const std::vector<DxfPoint> asFilled = closedOutline(asFilledOutline(record), factor);
    const Frame frame = frameFor(shown, asFilled, factor);
    const UnitLabels units = unitLabels(record.display);

    dxf.polyline(layers::kTube, shown, true);
    if (showsConsolidatedShape(record.state))
        dxf.polyline(layers::kAsFilled, asFilled, true);
    surroundings(dxf, record, frame);
    dimensions(dxf, frame, units);
    textBlock(dxf, record, frame);
    return dxf.document();
}

std::optional<Failure> writeCrossSectionDxfFile(const std::filesystem::path &path,
                                                const ProjectRecord &record)
{
    return writeFileAtomically(path, crossSectionDxf(record));
}

} // namespace vendrix

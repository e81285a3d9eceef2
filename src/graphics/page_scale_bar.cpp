#include "graphics/page_scale_bar.h"

#include "graphics/cross_section_style.h"
#include "graphics/page_grid.h"
#include "graphics/scene_surface.h"

#include <string>
#include <vector>

namespace vendrix {

namespace {

namespace grid = pageGrid::crossSection;

struct ScaleRow
{
    double limit; // maximum height in display units (0: never chosen by height)
    double n; // bar length in display units
    std::vector<const char *> labels;
    double cell; // display units per cell
};

// The first rows serve only tubes too narrow for the 0-to-2 bar at true scale;
// the choice by height starts at kFirstHeightRow.
constexpr std::size_t kFirstHeightRow = 3;

const std::vector<ScaleRow> &scaleRows()
{
    static const std::vector<ScaleRow> rows = {
        {0, 0.2, {"0", "0.1", "0.2"}, 0.05},
        {0, 0.5, {"0", "0.25", "0.5"}, 0.125},
        {0, 1, {"0", "0.5", "1.0"}, 0.25},
        {2, 2, {"0", "1.0", "2.0"}, 0.5},
        {4, 4, {"0", "1", "2", "3", "4"}, 1},
        {6, 6, {"0", "2", "4", "6"}, 1},
        {10, 10, {"0", "2", "4", "6", "8", "10"}, 2},
        {20, 20, {"0", "5", "10", "15", "20"}, 2.5},
        {30, 30, {"0", "5", "10", "15", "20", "25", "30"}, 5},
        {1e300, 50, {"0", "10", "20", "30", "40", "50"}, 10},
    };
    return rows;
}

// Where the unit label after the bar starts.
double scaleUnitX(std::size_t row, double u)
{
    const auto &rows = scaleRows();
    return row + 1 == rows.size() ? 1200 + 52 * u : grid::kScaleLeft + rows[row].n * u + 200;
}

// The row for a maximum height of `hd` display units at `u` twips per unit:
// the row of that height, or the largest smaller one whose unit label still
// ends inside the frame (small tubes are drawn at a large scale).
std::size_t scaleRowFor(const SceneSurface &surface, double hd, double u, const std::string &unit)
{
    const auto &rows = scaleRows();
    std::size_t r = kFirstHeightRow;
    while (r + 1 < rows.size() && hd > rows[r].limit)
        ++r;
    while (r > 0 && scaleUnitX(r, u) + surface.textWidth(unit) > pageGrid::kRuleRight)
        --r;
    return r;
}

void scaleBarLabels(SceneSurface &surface, std::size_t r, double u, const std::string &unit)
{
    const auto &rows = scaleRows();
    const ScaleRow &bar = rows[r];
    const double step = bar.n / double(bar.labels.size() - 1);
    for (std::size_t i = 0; i < bar.labels.size(); ++i) {
        const std::string label = bar.labels[i];
        // Rows with decimal labels centre them a little further left.
        const double d = r <= kFirstHeightRow ? 150 : (label.size() == 1 ? 50 : 80);
        surface.text({{grid::kScaleLeft + double(i) * step * u - d, grid::kScaleLabelsY}}, label,
                     Qt::black, std::nullopt);
    }
    // The last row writes its unit without the leading blank.
    surface.text({{scaleUnitX(r, u), grid::kScaleLabelsY}},
                 r + 1 == rows.size() ? unit : " " + unit, Qt::black, std::nullopt);
}

} // namespace

void paintPageScaleBar(SceneSurface &surface, const SceneScale &scale, double twipsPerMetre,
                       const CrossSectionStyle &style)
{
    const double left = grid::kScaleLeft;
    surface.setFont(style.labelFont);
    surface.text({{left, grid::kScaleCaptionY}}, "SCALE:", Qt::black, std::nullopt);
    const double u = twipsPerMetre / scale.displayPerMetre; // twips per display unit
    const std::size_t r = scaleRowFor(surface, scale.maxHeightDisplay, u, " " + scale.unit);
    scaleBarLabels(surface, r, u, scale.unit);
    const ScaleRow &bar = scaleRows()[r];
    surface.setNoPen();
    surface.setBrush(style.colour(SceneRole::ScaleBar));
    const int cells = int(bar.n / bar.cell + 0.5);
    for (int i = 0; i < cells; ++i) {
        const double x1 = left + i * bar.cell * u, x2 = left + (i + 1) * bar.cell * u;
        if (i % 2 == 0)
            surface.rectangle({x1, grid::kScaleBarBottom}, {x2, grid::kScaleBarMiddle});
        else
            surface.rectangle({x1, grid::kScaleBarMiddle}, {x2, grid::kScaleBarTop});
    }
    surface.setPen(Qt::black, style.outline);
    surface.setBrush(std::nullopt);
    surface.rectangle({left, grid::kScaleBarBottom}, {left + bar.n * u, grid::kScaleBarTop});
}

} // namespace vendrix

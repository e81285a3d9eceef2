// Pages 3 and 4 of the printed report: the cross-section at true scale (tied
// to the tube's maximum width) with dimensions, result lines and a scale bar.

#include "engine/numerical_results.h"
#include "graphics/cross_section_marks.h"
#include "graphics/drawing_palette.h"
#include "graphics/page_canvas.h"
#include "graphics/report_pages.h"
#include "graphics/tube_outline.h"
#include "model/solved_layering.h"
#include "model/units.h"

#include <algorithm>

namespace vendrix {

namespace {

constexpr double kCentreX = 6000;
constexpr double kBaseY = -11000;
constexpr double kBandTop = -2000;

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
// The frame's right edge; no label of the bar may pass it.
constexpr double kFrameRight = 11200;

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
    return row + 1 == rows.size() ? 1200 + 52 * u : 1000 + rows[row].n * u + 200;
}

// The row for a maximum height of `hd` display units at `u` twips per unit:
// the row of that height, or the largest smaller one whose unit label still
// ends inside the frame (small tubes are drawn at a large scale).
std::size_t scaleRowFor(const PageCanvas &canvas, double hd, double u, const std::string &unit)
{
    const auto &rows = scaleRows();
    std::size_t r = kFirstHeightRow;
    while (r + 1 < rows.size() && hd > rows[r].limit)
        ++r;
    while (r > 0 && scaleUnitX(r, u) + canvas.textWidth(unit) > kFrameRight)
        --r;
    return r;
}

// One cross-section page, block by block, in the order they are drawn over
// each other.
class CrossSectionPage
{
public:
    CrossSectionPage(PageCanvas &canvas, const ProjectRecord &record, Shape shape)
        : m_canvas(canvas)
        , m_record(record)
        , m_shape(shape)
        , m_factors(UnitFactors::forSettings(record.display.unitSystem))
        , m_units(unitLabels(record.display))
        , m_colours(pagePalette(record.display.printBlackWhite))
        , m_oneSlurry(simplifiedLayering(record))
        , m_extent(profileExtent(record.solution))
        , m_tube(tubeHalfOutline(record.solution))
    { }

    void paint();

private:
    void title();
    void ground();
    void tubeAsFilled();
    void lowerLayer();
    void centreLine(double limit);
    void widthDimension();
    void heightDimension();
    void resultLines();
    void notice();
    void scaleBar();
    void scaleBarLabels(std::size_t row, double u);
    void consolidatedShape();
    void finalHeightDimension();

    // Twips from metres on this page (x from the centre line, y above the base).
    OutlinePlacement placement() const { return {kCentreX, kBaseY, m_f, m_f}; }
    std::vector<QPointF> onPage(const QPolygonF &metres, double side) const
    {
        return placedPoints(metres, placement(), side);
    }
    double crest() const { return m_f * m_extent.crestHeight + kBaseY; }
    std::string lengthText(const char *label, double metres) const
    {
        return valueText(label, metres * m_factors.length, m_units.length);
    }

    PageCanvas &m_canvas;
    const ProjectRecord &m_record;
    Shape m_shape;
    UnitFactors m_factors;
    UnitLabels m_units;
    PagePalette m_colours;
    bool m_oneSlurry; // solved as one slurry in the lower fluid (classic given pressure)
    ProfileExtent m_extent;
    QPolygonF m_tube; // the half as filled, metres
    double m_f = 0; // twips per metre
};

void CrossSectionPage::paint()
{
    title();
    // Without a width there is no scale; the page then shows its texts only.
    const double maxWidth = m_record.solution.maxWidth;
    if (!(maxWidth > 0))
        return;
    m_f = 7000 / maxWidth;
    ground();
    tubeAsFilled();
    if (m_shape == Shape::AsFilled && !m_oneSlurry)
        lowerLayer();
    centreLine(crest() + 2300);
    widthDimension();
    heightDimension();
    resultLines();
    if (m_record.solution.convergenceWarning)
        notice();
    scaleBar();
    if (m_shape != Shape::AsFilled) {
        consolidatedShape();
        finalHeightDimension();
        centreLine(m_f * m_extent.crestHeight - 10700);
    }
}

void CrossSectionPage::title()
{
    m_canvas.setFont(220, 600);
    m_canvas.text(1200, -1010,
                  m_shape == Shape::AsFilled ? "CROSS-SECTION:"
                      : m_shape == Shape::Option1
                      ? "CROSS-SECTION AFTER CONSOLIDATION:  OPTION #1"
                      : "CROSS-SECTION AFTER CONSOLIDATION:  OPTION #2");
    m_canvas.setFont(220);
}

// Foundation, sky band and the outside fluid limited to the band.
void CrossSectionPage::ground()
{
    const PagePalette &c = m_colours;
    m_canvas.setPen(c.foundationOutline, 1);
    m_canvas.setBrush(c.foundation);
    m_canvas.rectangle(500, -12000, 11500, kBaseY);
    m_canvas.setPen(c.skyOutline, 1);
    m_canvas.setBrush(c.sky);
    m_canvas.rectangle(500, kBandTop, 11500, kBaseY);
    const double fluidTop = m_oneSlurry
        ? kBandTop
        : std::min(kBaseY + m_f * m_record.input.fluidHeightLower, kBandTop);
    if (fluidTop > kBaseY) {
        m_canvas.setPen(c.fluidOutline, 1);
        m_canvas.setBrush(c.fluid);
        m_canvas.rectangle(500, kBaseY, 11500, fluidTop);
    }
}

// The tube as filled, right half then left half: filled, or only its outline
// under a consolidated shape.
void CrossSectionPage::tubeAsFilled()
{
    for (double side : {1.0, -1.0}) {
        if (m_shape == Shape::AsFilled) {
            m_canvas.setPen(m_colours.peachOutline, 1);
            m_canvas.setBrush(m_oneSlurry ? m_colours.rose : m_colours.peach);
            m_canvas.polygon(onPage(m_tube, side));
        } else {
            m_canvas.setPen(Qt::black, 1);
            m_canvas.setNoBrush();
            m_canvas.polyline(onPage(m_tube, side));
        }
    }
}

// The lower slurry layer; with one layer the circumference lies above every
// point and the whole tube is the lower layer.
void CrossSectionPage::lowerLayer()
{
    const TubeInput &in = m_record.input;
    const double boundary = in.twoSlurryLayers ? in.slurryHeightLower : in.circumference;
    const QPolygonF layer = tubeHalfOutline(m_record.solution, boundary);
    m_canvas.setPen(m_colours.roseOutline, 1);
    m_canvas.setBrush(m_colours.rose);
    for (double side : {1.0, -1.0})
        m_canvas.polygon(onPage(layer, side));
}

void CrossSectionPage::centreLine(double limit)
{
    static const auto dashes = centreLineDashes(kPageCentreLine);
    m_canvas.setPen(pictureColours::centreBlue, 40);
    for (std::size_t i = 0; i < dashes.size(); ++i) {
        const double from = kBaseY + dashes[i].from, to = kBaseY + dashes[i].to;
        if (i < kAlwaysDrawnDashes || limit > to)
            m_canvas.line(kCentreX, from, kCentreX, to);
    }
}

// The width above the crest.
void CrossSectionPage::widthDimension()
{
    const double top = crest(), half = m_f * m_extent.halfWidth;
    const double xr = kCentreX + half, xl = kCentreX - half;
    m_canvas.setPen(Qt::black, 20);
    m_canvas.setNoBrush();
    m_canvas.line(xl, top + 400, xl, top - 500);
    m_canvas.line(xr, top + 400, xr, top - 500);
    m_canvas.line(xl, top + 200, xr, top + 200);
    m_canvas.polyline({{xl + 120, top + 240}, {xl, top + 200}, {xl + 120, top + 160}});
    m_canvas.polyline({{xr - 120, top + 240}, {xr, top + 200}, {xr - 120, top + 160}});
    const bool inFluid
        = m_oneSlurry || m_f * m_extent.crestHeight + 400 < m_f * m_record.input.fluidHeightLower;
    m_canvas.setTextBackground(inFluid ? m_colours.fluidText : m_colours.skyText);
    m_canvas.textCentred(kCentreX, top + 400, lengthText("Width = ", 2 * m_extent.halfWidth));
}

// The height right of the tube.
void CrossSectionPage::heightDimension()
{
    const double top = crest(), xr = kCentreX + m_f * m_extent.halfWidth;
    m_canvas.line(xr + 1000, top, xr - 500, top);
    m_canvas.line(xr + 1000, -10999, xr - 100, -10999);
    m_canvas.line(xr + 700, top, xr + 700, -10999);
    m_canvas.polyline({{xr + 740, top - 120}, {xr + 700, top}, {xr + 660, top - 120}});
    m_canvas.polyline({{xr + 740, -10880}, {xr + 700, -11000}, {xr + 660, -10880}});
    const bool inFluid
        = m_oneSlurry || m_record.input.fluidHeightLower > 0.5 * m_extent.crestHeight;
    m_canvas.setTextBackground(inFluid ? m_colours.fluidText : m_colours.skyText);
    m_canvas.textCentred(xr + 800, 0.5 * m_f * m_extent.crestHeight - 10900,
                         lengthText("H = ", m_extent.crestHeight));
    m_canvas.setTextBackground(std::nullopt);
}

// Below the drawing: as filled in two columns, a consolidated shape in one.
void CrossSectionPage::resultLines()
{
    const bool asFilled = m_shape == Shape::AsFilled;
    static const QPointF asFilledAt[]
        = {{1000, -13300}, {1000, -13600}, {1000, -13900}, {6000, -13300}, {6000, -13600}};
    std::size_t i = 0;
    for (const ResultLine &line : crossSectionResultLines(m_record, asFilled)) {
        const QPointF at = asFilled ? asFilledAt[i] : QPointF(1000, -13100 - 300 * double(i));
        m_canvas.text(at.x(), at.y(),
                      valueText(line.label, line.value, line.unit, line.printedDecimals));
        ++i;
    }
}

void CrossSectionPage::notice()
{
    m_canvas.setPen(Qt::black, 1);
    m_canvas.setBrush(m_colours.notice);
    m_canvas.rectangle(2400, -3000, 9400, -4500);
    m_canvas.setTextBackground(m_colours.notice);
    double y = -3100;
    for (const char *line : kPrintedNonConvergenceNotice) {
        m_canvas.text(2600, y, line);
        y -= 300;
    }
    m_canvas.setTextBackground(std::nullopt);
}

// The scale bar, chosen by the maximum height in display units.
void CrossSectionPage::scaleBar()
{
    m_canvas.text(1000, -12200, "SCALE:");
    const double u = m_f / m_factors.length; // twips per display unit
    const double hd = m_record.solution.maxHeight * m_factors.length;
    const std::string lengthUnit = std::string(" ") + m_units.length;
    const std::size_t r = scaleRowFor(m_canvas, hd, u, lengthUnit);
    scaleBarLabels(r, u);
    const ScaleRow &bar = scaleRows()[r];
    m_canvas.setNoPen();
    m_canvas.setBrush(m_colours.scaleBar);
    const int cells = int(bar.n / bar.cell + 0.5);
    for (int i = 0; i < cells; ++i) {
        const double x1 = 1000 + i * bar.cell * u, x2 = 1000 + (i + 1) * bar.cell * u;
        if (i % 2 == 0)
            m_canvas.rectangle(x1, -13000, x2, -12940);
        else
            m_canvas.rectangle(x1, -12940, x2, -12880);
    }
    m_canvas.setPen(Qt::black, 1);
    m_canvas.setNoBrush();
    m_canvas.rectangle(1000, -13000, 1000 + bar.n * u, -12880);
}

void CrossSectionPage::scaleBarLabels(std::size_t r, double u)
{
    const auto &rows = scaleRows();
    const ScaleRow &bar = rows[r];
    const double step = bar.n / double(bar.labels.size() - 1);
    for (std::size_t i = 0; i < bar.labels.size(); ++i) {
        const std::string label = bar.labels[i];
        // Rows with decimal labels centre them a little further left.
        const double d = r <= kFirstHeightRow ? 150 : (label.size() == 1 ? 50 : 80);
        m_canvas.text(1000 + double(i) * step * u - d, -12500, label);
    }
    // The last row writes its unit without the leading blank.
    const std::string lengthUnit = std::string(" ") + m_units.length;
    m_canvas.text(scaleUnitX(r, u), -12500,
                  r + 1 == rows.size() ? std::string(m_units.length) : lengthUnit);
}

// The as-filled outline once more, then the consolidated shape over it.
void CrossSectionPage::consolidatedShape()
{
    m_canvas.setPen(Qt::black, 1);
    m_canvas.setNoBrush();
    std::vector<QPointF> trace = onPage(m_tube, -1.0);
    const std::vector<QPointF> right = onPage(m_tube, 1.0);
    trace.insert(trace.end(), right.rbegin(), right.rend());
    m_canvas.polyline(trace);
    m_canvas.setPen(m_colours.peachOutline, 1);
    m_canvas.setBrush(m_colours.rose);
    const ConsolidationResult &con = m_record.consolidation;
    if (m_shape == Shape::Option1) {
        const QPolygonF shape = consolidatedHalfOutline(con);
        m_canvas.polygon(onPage(shape, -1.0));
        m_canvas.polygon(onPage(shape, 1.0));
    } else {
        const double maxWidth = m_record.solution.maxWidth;
        m_canvas.rectangle(kCentreX - 0.5 * m_f * maxWidth, kBaseY, kCentreX + 0.5 * m_f * maxWidth,
                           m_f * con.finalHeight + kBaseY);
    }
}

void CrossSectionPage::finalHeightDimension()
{
    const double finalHeight = m_record.consolidation.finalHeight;
    const double maxWidth = m_record.solution.maxWidth;
    const double cx = kCentreX - 0.25 * m_f * maxWidth;
    const double top = m_f * finalHeight + kBaseY;
    m_canvas.setPen(Qt::black, 1);
    m_canvas.setNoBrush();
    m_canvas.line(cx, -11400, cx, top + 400);
    m_canvas.line(cx - 200, kBaseY, cx + 200, kBaseY);
    m_canvas.line(cx - 200, top, kCentreX - 0.1 * m_f * maxWidth, top);
    m_canvas.polyline({{cx - 40, -11120}, {cx, kBaseY}, {cx + 40, -11120}});
    m_canvas.polyline({{cx - 40, top + 120}, {cx, top}, {cx + 40, top + 120}});
    m_canvas.setTextBackground(m_colours.roseText);
    m_canvas.text(cx - 200, 0.5 * m_f * finalHeight - 10900, lengthText("final H = ", finalHeight));
    m_canvas.setTextBackground(std::nullopt);
}

} // namespace

void drawCrossSectionPage(PageCanvas &canvas, const ProjectRecord &record, Shape shape)
{
    CrossSectionPage(canvas, record, shape).paint();
}

} // namespace vendrix

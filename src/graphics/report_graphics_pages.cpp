// Pages 3 and 4 of the printed report: the cross-section at true scale (tied
// to the tube's maximum width) with dimensions, result lines and a scale bar.

#include "graphics/page_canvas.h"
#include "graphics/report_pages.h"
#include "model/c_format.h"
#include "model/units.h"

#include <algorithm>

namespace vendrix {

namespace {

constexpr double kCentreX = 6000;
constexpr double kBaseY = -11000;
constexpr double kBandTop = -2000;

struct PageColours
{
    QColor foundation, foundationOutline;
    QColor sky, skyOutline;
    QColor fluid, fluidOutline;
    QColor peach, rose;
    QColor skyText, fluidText, roseText; // label backgrounds
    QColor peachOutline, roseOutline;
};

PageColours coloursFor(bool blackWhite)
{
    if (blackWhite) {
        const QColor w = Qt::white, b = Qt::black;
        return {w, b, w, b, w, b, w, w, w, w, w, b, b};
    }
    const QColor sky(221, 249, 253), fluid(157, 236, 249), rose(225, 190, 175);
    return {QColor(223, 255, 201),
            Qt::white,
            sky,
            Qt::white,
            fluid,
            Qt::white,
            QColor(255, 235, 215),
            rose,
            sky,
            fluid,
            rose,
            QColor(255, 235, 215),
            rose};
}

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

void centreLine(PageCanvas &canvas, double limit)
{
    static const double always[3][2] = {{-11200, -10200}, {-10000, -9800}, {-9600, -8600}};
    static const double more[8][2]
        = {{-8400, -8200}, {-8000, -7000}, {-6800, -6600}, {-6400, -5400},
           {-5200, -5000}, {-4800, -3800}, {-3600, -3400}, {-3200, -2200}};
    canvas.setPen(QColor(0, 0, 255), 40);
    for (const auto &d : always)
        canvas.line(kCentreX, d[0], kCentreX, d[1]);
    for (const auto &d : more)
        if (limit > d[1])
            canvas.line(kCentreX, d[0], kCentreX, d[1]);
}

} // namespace

void drawCrossSectionPage(PageCanvas &canvas, const ProjectRecord &record, int kind)
{
    const TubeInput &in = record.input;
    const TubeSolution &sol = record.solution;
    const bool english = isEnglish(record.display);
    const UnitFactors factors = UnitFactors::forSettings(record.display.unitSystem);
    const UnitLabels units = unitLabels(record.display);
    const std::string lengthUnit = std::string(" ") + units.length;
    const PageColours c = coloursFor(record.display.printBlackWhite);
    const bool typeC = in.analysisType == AnalysisType::GivenPressure;

    canvas.setFont(220, 600);
    canvas.text(1200, -1010,
                kind == 1       ? "CROSS-SECTION:"
                    : kind == 2 ? "CROSS-SECTION AFTER CONSOLIDATION:  OPTION #1"
                                : "CROSS-SECTION AFTER CONSOLIDATION:  OPTION #2");
    canvas.setFont(220);

    // Without a width there is no scale; the page then shows its texts only.
    if (!(sol.maxWidth > 0))
        return;
    const double f = 7000 / sol.maxWidth; // twips per metre
    const double u = f / factors.length; // twips per display unit

    // Profile: the base centre, then the 361 points from the base contact to the crest.
    std::vector<QPointF> profile {QPointF(0, 0)};
    double cmax = 0, dmax = 0;
    for (int i = 0; i < kProfilePoints; ++i) {
        profile.emplace_back(sol.profileX[std::size_t(i)], sol.profileY[std::size_t(i)]);
        cmax = std::max(cmax, sol.profileX[std::size_t(i)]);
        dmax = std::max(dmax, sol.profileY[std::size_t(i)]);
    }
    auto half = [&](const std::vector<QPointF> &points, double side) {
        std::vector<QPointF> out;
        out.reserve(points.size());
        for (const QPointF &p : points)
            out.emplace_back(kCentreX + side * f * p.x(), f * p.y() + kBaseY);
        return out;
    };

    // Foundation, sky band and the outside fluid limited to the band.
    canvas.setPen(c.foundationOutline, 1);
    canvas.setBrush(c.foundation);
    canvas.rectangle(500, -12000, 11500, kBaseY);
    canvas.setPen(c.skyOutline, 1);
    canvas.setBrush(c.sky);
    canvas.rectangle(500, kBandTop, 11500, kBaseY);
    const double fluidTop = typeC ? kBandTop : std::min(kBaseY + f * in.fluidHeightLower, kBandTop);
    if (fluidTop > kBaseY) {
        canvas.setPen(c.fluidOutline, 1);
        canvas.setBrush(c.fluid);
        canvas.rectangle(500, kBaseY, 11500, fluidTop);
    }

    // The tube as filled, right half then left half.
    for (double side : {1.0, -1.0}) {
        if (kind == 1) {
            const QColor fill = typeC ? c.rose : c.peach;
            canvas.setPen(c.peachOutline, 1);
            canvas.setBrush(fill);
            canvas.polygon(half(profile, side));
        } else {
            canvas.setPen(Qt::black, 1);
            canvas.setNoBrush();
            canvas.polyline(half(profile, side));
        }
    }

    // Lower slurry layer: points above its boundary are moved down to it.
    if (kind == 1 && !typeC) {
        const double boundary = in.twoSlurryLayers ? in.slurryHeightLower : in.circumference;
        std::vector<QPointF> layer = profile;
        bool first = true;
        for (QPointF &p : layer) {
            if (p.y() > boundary) {
                p = QPointF(first ? p.x() : profile.back().x(), boundary);
                first = false;
            }
        }
        canvas.setPen(c.roseOutline, 1);
        canvas.setBrush(c.rose);
        for (double side : {1.0, -1.0})
            canvas.polygon(half(layer, side));
    }

    const double crest = f * dmax + kBaseY;
    centreLine(canvas, crest + 2300);

    // Width dimension above the crest.
    const double xr = kCentreX + f * cmax, xl = kCentreX - f * cmax;
    canvas.setPen(Qt::black, 20);
    canvas.setNoBrush();
    canvas.line(xl, crest + 400, xl, crest - 500);
    canvas.line(xr, crest + 400, xr, crest - 500);
    canvas.line(xl, crest + 200, xr, crest + 200);
    canvas.polyline({{xl + 120, crest + 240}, {xl, crest + 200}, {xl + 120, crest + 160}});
    canvas.polyline({{xr - 120, crest + 240}, {xr, crest + 200}, {xr - 120, crest + 160}});
    const bool widthInFluid = typeC || f * dmax + 400 < f * in.fluidHeightLower;
    canvas.setTextBackground(widthInFluid ? c.fluidText : c.skyText);
    canvas.textCentred(kCentreX, crest + 400,
                       "Width = " + formatC("%.1f", 2 * cmax * factors.length) + lengthUnit);

    // Height dimension right of the tube.
    canvas.line(xr + 1000, crest, xr - 500, crest);
    canvas.line(xr + 1000, -10999, xr - 100, -10999);
    canvas.line(xr + 700, crest, xr + 700, -10999);
    canvas.polyline({{xr + 740, crest - 120}, {xr + 700, crest}, {xr + 660, crest - 120}});
    canvas.polyline({{xr + 740, -10880}, {xr + 700, -11000}, {xr + 660, -10880}});
    const bool heightInFluid = typeC || in.fluidHeightLower > 0.5 * dmax;
    canvas.setTextBackground(heightInFluid ? c.fluidText : c.skyText);
    canvas.textCentred(xr + 800, 0.5 * f * dmax - 10900,
                       "H = " + formatC("%.1f", dmax * factors.length) + lengthUnit);
    canvas.setTextBackground(std::nullopt);

    // Result lines below the drawing.
    const std::string areaUnit = std::string(" ") + units.area;
    const std::string forceUnit = std::string(" ") + units.forcePerLength;
    if (kind == 1) {
        canvas.text(1000, -13300,
                    "Circumference = " + formatC("%.1f", sol.computedCircumference * factors.length)
                        + lengthUnit);
        canvas.text(1000, -13600,
                    "Pumping pressure = "
                        + formatC("%.1f", sol.inletPressure * factors.pumpingPressure)
                        + (english ? " [psi]" : " [kPa]"));
        canvas.text(1000, -13900,
                    "Cross-sectional area of tube = "
                        + formatC("%.1f", sol.totalArea * factors.area) + areaUnit);
        canvas.text(
            6000, -13300,
            "T-ult (circumferential) = "
                + formatC("%.0f", sol.ultimateStrengthCircumferential * factors.forcePerLength)
                + forceUnit);
        canvas.text(6000, -13600,
                    "T-ult (axial) = "
                        + formatC("%.0f", sol.ultimateStrengthAxial * factors.forcePerLength)
                        + forceUnit);
    } else {
        const std::string weightUnit = std::string(" ") + units.unitWeight;
        canvas.text(1000, -13100,
                    "Unit weight of slurry = "
                        + formatC("%.1f", in.slurryUnitWeightLower * factors.unitWeight)
                        + weightUnit);
        canvas.text(1000, -13400,
                    "Unit weight of consolidated (saturated) fill = "
                        + formatC("%.1f", in.consolidatedUnitWeight * factors.unitWeight)
                        + weightUnit);
        canvas.text(1000, -13700,
                    "Initial cross-sectional area of tube = "
                        + formatC("%.1f", sol.totalArea * factors.area) + areaUnit);
        canvas.text(1000, -14000,
                    "Consolidated cross-sectional area of tube = "
                        + formatC("%.1f", record.consolidation.consolidatedArea * factors.area)
                        + areaUnit);
    }

    if (sol.convergenceWarning) {
        canvas.setPen(Qt::black, 1);
        canvas.setBrush(QColor(241, 163, 202));
        canvas.rectangle(2400, -3000, 9400, -4500);
        canvas.setTextBackground(QColor(241, 163, 202));
        canvas.text(2600, -3100, "Vendrix encountered numerical difficulties in converging to the");
        canvas.text(2600, -3400, "prescribed  constraints.  Consequently, the results may not");
        canvas.text(2600, -3700, "correspond to input data.");
        canvas.setTextBackground(std::nullopt);
    }

    // Scale bar, chosen by the maximum height in display units.
    canvas.text(1000, -12200, "SCALE:");
    const double hd = sol.maxHeight * factors.length;
    const auto &rows = scaleRows();
    const std::size_t lastRow = rows.size() - 1;
    // The last row writes its unit without the leading blank.
    const std::size_t r = scaleRowFor(canvas, hd, u, lengthUnit);
    const ScaleRow &bar = rows[r];
    const double step = bar.n / double(bar.labels.size() - 1);
    for (std::size_t i = 0; i < bar.labels.size(); ++i) {
        const std::string label = bar.labels[i];
        // Rows with decimal labels centre them a little further left.
        const double d = r <= kFirstHeightRow ? 150 : (label.size() == 1 ? 50 : 80);
        canvas.text(1000 + double(i) * step * u - d, -12500, label);
    }
    canvas.text(scaleUnitX(r, u), -12500, r == lastRow ? std::string(units.length) : lengthUnit);
    canvas.setNoPen();
    canvas.setBrush(QColor(192, 192, 192));
    const int cells = int(bar.n / bar.cell + 0.5);
    for (int i = 0; i < cells; ++i) {
        const double x1 = 1000 + i * bar.cell * u, x2 = 1000 + (i + 1) * bar.cell * u;
        if (i % 2 == 0)
            canvas.rectangle(x1, -13000, x2, -12940);
        else
            canvas.rectangle(x1, -12940, x2, -12880);
    }
    canvas.setPen(Qt::black, 1);
    canvas.setNoBrush();
    canvas.rectangle(1000, -13000, 1000 + bar.n * u, -12880);

    if (kind == 2 || kind == 3) {
        // The as-filled outline once more, then the consolidated shape over it.
        canvas.setPen(Qt::black, 1);
        canvas.setNoBrush();
        std::vector<QPointF> trace = half(profile, -1.0);
        std::vector<QPointF> right = half(profile, 1.0);
        trace.insert(trace.end(), right.rbegin(), right.rend());
        canvas.polyline(trace);
        canvas.setPen(c.peachOutline, 1);
        canvas.setBrush(c.rose);
        const ConsolidationResult &con = record.consolidation;
        if (kind == 2) {
            std::vector<QPointF> shape;
            for (int i = 0; i < kProfileArraySize; ++i)
                shape.emplace_back(con.shapeX[std::size_t(i)], con.shapeY[std::size_t(i)]);
            canvas.polygon(half(shape, -1.0));
            canvas.polygon(half(shape, 1.0));
        } else {
            canvas.rectangle(kCentreX - 0.5 * f * sol.maxWidth, kBaseY,
                             kCentreX + 0.5 * f * sol.maxWidth, f * con.finalHeight + kBaseY);
        }
        const double cx = kCentreX - 0.25 * f * sol.maxWidth;
        const double top = f * con.finalHeight + kBaseY;
        canvas.setPen(Qt::black, 1);
        canvas.setNoBrush();
        canvas.line(cx, -11400, cx, top + 400);
        canvas.line(cx - 200, kBaseY, cx + 200, kBaseY);
        canvas.line(cx - 200, top, kCentreX - 0.1 * f * sol.maxWidth, top);
        canvas.polyline({{cx - 40, -11120}, {cx, kBaseY}, {cx + 40, -11120}});
        canvas.polyline({{cx - 40, top + 120}, {cx, top}, {cx + 40, top + 120}});
        canvas.setTextBackground(c.roseText);
        canvas.text(cx - 200, 0.5 * f * con.finalHeight - 10900,
                    "final H = " + formatC("%.1f", con.finalHeight * factors.length) + lengthUnit);
        canvas.setTextBackground(std::nullopt);
        centreLine(canvas, f * dmax - 10700);
    }
}

} // namespace vendrix

#include "graphics/field_card.h"

#include "engine/reduction_factors.h"
#include "graphics/drawing_palette.h"
#include "graphics/envelope_chart.h"
#include "graphics/page_canvas.h"
#include "graphics/qt_text.h"
#include "graphics/report_pages.h"
#include "graphics/report_pdf.h"
#include "graphics/tube_outline.h"
#include "model/c_format.h"
#include "model/units.h"

#include <QFileInfo>
#include <QMarginsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>
#include <ctime>

namespace vendrix {

namespace {

constexpr int kMaxGaugeSteps = 12;
constexpr double kLineStep = 235; // twips between data lines
constexpr const char *kDisclaimerLine
    = "Computed by Vendrix from the inputs above. Check the gauge and the height together; "
      "stop at whichever limit comes first. This card does not replace the engineer's judgement.";

struct Units
{
    UnitFactors f;
    UnitLabels l;
    std::string value(double v, double factor, const char *label) const
    {
        return formatResult(2, v * factor) + " " + label;
    }
};

// Words of a text on lines of at most `width` characters.
std::vector<std::string> wrapped(const std::string &text, size_t width)
{
    std::vector<std::string> lines;
    std::string line;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(' ', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string word = text.substr(start, end - start);
        if (!line.empty() && line.size() + 1 + word.size() > width) {
            lines.push_back(line);
            line.clear();
        }
        line += (line.empty() ? "" : " ") + word;
        start = end + 1;
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}

constexpr double kValueIndent = 2300; // from a label to its value
constexpr double kRightColumn = 6000;
constexpr double kCardRight = 11100;

// A value stays in its column: a long one is drawn smaller (down to 140 twips),
// then cut with "...", as the report's title page fits its fields.
void labelled(PageCanvas &canvas, double x, double y, const std::string &label,
              const std::string &value)
{
    canvas.setFont(180, 600);
    canvas.text(x, y, label);
    const double width = (x < kRightColumn ? kRightColumn - 150 : kCardRight) - (x + kValueIndent);
    double height = 180;
    canvas.setFont(height);
    while (height > 140 && canvas.textWidth(value) > width)
        canvas.setFont(height -= 10);
    canvas.text(x + kValueIndent, y, canvas.elided(value, width));
}

void drawProjectData(PageCanvas &canvas, const ProjectRecord &record, const Units &u)
{
    const ProjectInfo &info = record.info;
    const TubeInput &in = record.input;
    double y = -1250;
    std::string number = info.projectNumber.cp1252;
    if (!info.projectNumberSuffix.cp1252.empty())
        number += "__" + info.projectNumberSuffix.cp1252;
    labelled(canvas, 600, y, "Project:", info.title.cp1252);
    labelled(canvas, 600, y -= kLineStep, "Project No.:", number);
    labelled(canvas, 600, y -= kLineStep, "Station No.:", info.stationNumber.cp1252);
    labelled(canvas, 600, y -= kLineStep, "Client:", info.client.cp1252);
    labelled(canvas, 600, y -= kLineStep, "Designer:", info.designer.cp1252);
    labelled(canvas, 600, y -= kLineStep,
             "Circumference:", u.value(in.circumference, u.f.length, u.l.length));
    const bool two = hasTwoSlurryLayers(in);
    labelled(canvas, 600, y -= kLineStep, two ? "Slurry (lower/upper):" : "Slurry:",
             two ? formatC("%.2f / %.2f %s", in.slurryUnitWeightLower * u.f.unitWeight,
                           in.slurryUnitWeightUpper * u.f.unitWeight, u.l.unitWeight)
                 : u.value(in.slurryUnitWeightLower, u.f.unitWeight, u.l.unitWeight));
    labelled(canvas, 600, y -= kLineStep, "Fluid (lower/upper):",
             formatC("%.2f / %.2f %s", in.fluidUnitWeightLower * u.f.unitWeight,
                     in.fluidUnitWeightUpper * u.f.unitWeight, u.l.unitWeight));
    labelled(canvas, 600, y -= kLineStep,
             "Fluid height:", u.value(in.fluidHeightLower, u.f.length, u.l.length));

    const ReductionFactorProducts rf = reductionFactorProducts(in);
    y = -1250;
    labelled(canvas, 6000, y, "Ultimate strength:",
             u.value(in.ultimateStrength, u.f.forcePerLength, u.l.forcePerLength));
    labelled(canvas, 6000, y -= kLineStep, "RFid / RFd / RFc:",
             formatC("%.2f / %.2f / %.2f", in.rfInstallationDamage, in.rfDurability, in.rfCreep));
    labelled(canvas, 6000, y -= kLineStep, "RFss circ. / axial:",
             formatC("%.2f / %.2f", in.rfSeamCircumferential, in.rfSeamAxial));
    labelled(canvas, 6000, y -= kLineStep, "Product (circ.):", formatC("%.3f", rf.circumferential));
    labelled(
        canvas, 6000, y -= kLineStep, "Allowable tension:",
        u.value(in.ultimateStrength / rf.circumferential, u.f.forcePerLength, u.l.forcePerLength));
}

void drawSafeNumbers(PageCanvas &canvas, const FillingEnvelope &e, const Units &u,
                     UnitSystem unitSystem)
{
    canvas.setPen(Qt::black, 20);
    canvas.setNoBrush();
    canvas.rectangle(600, -3500, 11100, -5150);
    canvas.setPen(Qt::black, 1);
    if (e.state != SafeLimitState::Found) {
        canvas.setFont(300, 600);
        canvas.text(800, -3650, "NO SAFE PUMPING LIMIT");
        canvas.setFont(200);
        double y = -4150;
        for (const std::string &line : wrapped(safeLimitReason(e, unitSystem), 95))
            canvas.text(800, y, line), y -= 250;
        return;
    }
    const EnvelopePoint &s = e.safeLimit;
    canvas.setFont(220, 600);
    canvas.textCentred(3225, -3620, "MAXIMUM PUMPING PRESSURE");
    canvas.textCentred(8475, -3620, "STOP FILLING AT HEIGHT");
    canvas.setFont(600, 600);
    canvas.textCentred(3225, -3980, u.value(s.pumpingPressure, u.f.pumpingPressure, u.l.pressure));
    canvas.textCentred(8475, -3980, u.value(s.maxHeight, u.f.length, u.l.length));
    canvas.line(5850, -3550, 5850, -4760);
    canvas.setFont(180);
    canvas.textCentred(5850, -4850,
                       "At the limit: width " + u.value(s.maxWidth, u.f.length, u.l.length)
                           + ",  storage " + u.value(s.area, u.f.area, u.l.volumePerLength)
                           + ",  working tension "
                           + u.value(s.workingTension, u.f.forcePerLength, u.l.forcePerLength));
}

void drawGaugeTable(PageCanvas &canvas, const std::vector<GaugeRow> &rows, const Units &u,
                    double allowable)
{
    const double x[] = {700, 2300, 3900, 5200};
    canvas.setFont(180, 600);
    canvas.text(600, -5350, "Gauge table");
    canvas.setFont(160, 600);
    canvas.text(x[0], -5620, std::string("Pressure ") + u.l.pressure);
    canvas.text(x[1], -5620, std::string("Height ") + u.l.length);
    canvas.text(x[2], -5620, std::string("Tension ") + u.l.forcePerLength);
    canvas.text(x[3], -5620, "% allow.");
    canvas.line(600, -5840, 5800, -5840);
    canvas.setFont(160);
    double y = -5880;
    for (const GaugeRow &r : rows) {
        canvas.text(x[0], y, formatC("%.2f", r.pumpingPressure * u.f.pumpingPressure));
        canvas.text(x[1], y, formatC("%.3f", r.maxHeight * u.f.length));
        canvas.text(x[2], y, formatC("%.2f", r.workingTension * u.f.forcePerLength));
        canvas.text(x[3], y,
                    allowable > 0 ? formatC("%.0f", 100 * r.workingTension / allowable) : "-");
        y -= 200;
    }
}

void drawTubeAtLimit(PageCanvas &canvas, const ProjectRecord &record, const FillingEnvelope &e,
                     const Units &u)
{
    const TubeSolution &s = e.safeLimitShape;
    canvas.setFont(180, 600);
    canvas.text(6200, -5350,
                e.state == SafeLimitState::Found ? "Tube at the safe limit" : "Tube shape");
    const ProfileExtent extent = profileExtent(s);
    const double half = extent.halfWidth, top = extent.crestHeight;
    if (!(half > 0) || !(top > 0))
        return;
    const double centre = 8650, base = -8200;
    const double f = std::min(4400 / (2 * half), 2300 / top); // twips per metre
    if (record.input.fluidHeightLower > 0) {
        canvas.setNoPen();
        canvas.setBrush(pageColours::cardFluid);
        const double level = std::min(record.input.fluidHeightLower, 1.15 * top);
        canvas.rectangle(6200, base, 11100, base + f * level);
    }
    // Up the left side from the base contact and down the right side, without
    // the centre of the base.
    const OutlinePlacement placement {centre, base, f, f};
    const QPolygonF tube = tubeHalfOutline(s);
    std::vector<QPointF> outline = placedPoints(tube, placement, -1);
    const std::vector<QPointF> right = placedPoints(tube, placement, 1);
    outline.erase(outline.begin());
    outline.insert(outline.end(), right.rbegin(), right.rend() - 1);
    canvas.setPen(Qt::black, 15);
    canvas.setBrush(pageColours::rose);
    canvas.polygon(outline);
    canvas.setPen(Qt::black, 20);
    canvas.line(6200, base, 11100, base);
    canvas.setPen(Qt::black, 1);
    canvas.line(centre, base, centre, base + f * top);
    canvas.setFont(160);
    canvas.text(centre + 80, base + f * top * 0.6,
                "H = " + u.value(s.maxHeight, u.f.length, u.l.length));
}

} // namespace

std::vector<GaugeRow> gaugeTableRows(const TubeInput &input, const FillingEnvelope &envelope,
                                     UnitSystem units)
{
    const UnitFactors f = UnitFactors::forSettings(units);
    const bool found = envelope.state == SafeLimitState::Found;
    const double top = found ? envelope.safeLimit.pumpingPressure : envelope.maxPressure;
    const double step = niceStep(top * f.pumpingPressure, kMaxGaugeSteps - 2) / f.pumpingPressure;
    std::vector<GaugeRow> rows;
    auto add = [&](const EnvelopePoint &p) {
        rows.push_back({p.pumpingPressure, p.maxHeight, p.workingTension});
    };
    // No tube stands at zero pressure, so the table starts one step up; a step
    // just below the limit would repeat it.
    for (int i = 1; i < kMaxGaugeSteps && i * step < top - 0.25 * step; ++i)
        add(envelopePointAt(input, i * step));
    add(found ? envelope.safeLimit : envelopePointAt(input, top));
    return rows;
}

void drawFieldCard(QPainter &painter, const QRectF &area, const ProjectRecord &record,
                   const FillingEnvelope &envelope, const std::string &printedOn)
{
    const UnitSystem unitSystem = record.display.unitSystem;
    const Units u {UnitFactors::forSettings(unitSystem), unitLabels(record.display)};
    ReportPrintSetup setup;
    setup.pageCount = 1;
    setup.printedOn = printedOn;
    PageCanvas canvas(painter, area);
    drawPageHeader(canvas, record, setup);
    canvas.setFont(280, 600);
    canvas.text(600, -760, "FIELD CARD:  FILLING LIMITS");
    drawProjectData(canvas, record, u);
    drawSafeNumbers(canvas, envelope, u, unitSystem);
    drawGaugeTable(canvas, gaugeTableRows(record.input, envelope, unitSystem), u,
                   envelope.allowableTension);
    drawTubeAtLimit(canvas, record, envelope, u);

    const QRectF chart(canvas.toDevice(600, -8500), canvas.toDevice(11100, -13850));
    drawEnvelopeChart(painter, chart.normalized(), envelope, unitSystem);
    canvas.setPen(Qt::black, 1);
    canvas.setNoBrush();
    canvas.rectangle(600, -8500, 11100, -13850);
    canvas.setFont(150);
    double y = -13950;
    for (const std::string &line : wrapped(kDisclaimerLine, 120))
        canvas.text(600, y, line), y -= 200;
    drawPageFooter(canvas, record, 1, setup);
}

bool paintFieldCard(QPagedPaintDevice &device, const ProjectRecord &record,
                    const FillingEnvelope &envelope, const std::string &printedOn)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const QRect paintRect = device.pageLayout().paintRectPixels(device.logicalDpiX());
    drawFieldCard(painter, QRectF(0, 0, paintRect.width(), paintRect.height()), record, envelope,
                  printedOn);
    return painter.end();
}

std::optional<Failure> writeFieldCardPdf(const ProjectRecord &record,
                                         const FillingEnvelope &envelope,
                                         const std::filesystem::path &path)
{
    const auto paint = [&record, &envelope](QPdfWriter &writer) {
        return paintFieldCard(writer, record, envelope, asctimeText(std::time(nullptr)));
    };
    return writePdfFile(path, QStringLiteral("Vendrix field card"), QPageSize(QPageSize::A4), paint,
                        "the field card");
}

} // namespace vendrix

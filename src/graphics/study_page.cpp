#include "graphics/study_page.h"

#include "graphics/page_canvas.h"
#include "graphics/page_grid.h"
#include "graphics/report_pages.h"
#include "graphics/report_pdf.h"
#include "model/c_format.h"
#include "model/units.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <cmath>
#include <ctime>
#include <limits>

namespace vendrix {

namespace {

constexpr double kLineStep = 235; // twips between data lines
constexpr double kChartTop = -2900;
constexpr double kChartBottom = -9600;
// The page's text margins.
constexpr double kTextLeft = pageGrid::kHeaderTextLeft;
constexpr double kTextRight = pageGrid::kHeaderTextRight;
constexpr size_t kMaxSummaryColumns = 2;

const char *objectiveText(AnalysisType type)
{
    switch (type) {
    case AnalysisType::GivenHeight:
        return "given height";
    case AnalysisType::GivenPressure:
        return "given pumping pressure";
    case AnalysisType::GivenStrength:
        break;
    }
    return "given strength";
}

std::string shownValue(const std::string &field, double stored, const DisplaySettings &display)
{
    return formatFieldNumber(shownStudyInput(field, stored, display));
}

// "circumference [m]: 8 to 12 in 5 steps" or the list of a second input.
std::string axisLine(const StudyAxis &axis, const DisplaySettings &display, bool second)
{
    const std::string unit = quantityLabel(studyInputQuantity(axis.field), display);
    std::string line = axis.field + (unit.empty() ? "" : " " + unit) + ":  ";
    if (axis.values.empty())
        return line;
    if (!second)
        return line + shownValue(axis.field, axis.values.front(), display) + " to "
            + shownValue(axis.field, axis.values.back(), display) + " in "
            + std::to_string(axis.values.size()) + " steps";
    for (size_t i = 0; i < axis.values.size(); ++i)
        line += (i != 0 ? ", " : "") + shownValue(axis.field, axis.values[i], display);
    return line;
}

void drawInputs(PageCanvas &canvas, const ProjectRecord &project, const StudyChartData &data)
{
    double y = -1250;
    auto line = [&](const std::string &label, const std::string &value) {
        canvas.setFont(180, 600);
        canvas.text(kTextLeft, y, label);
        canvas.setFont(180);
        canvas.text(2900, y, canvas.elided(value, kTextRight - 2900));
        y -= kLineStep;
    };
    line("Project:", project.info.title.cp1252);
    line("Objective:",
         std::string(objectiveText(project.input.analysisType)) + ", "
             + solutionMethodName(data.request->method) + " method");
    line("Varied input:", axisLine(data.request->first, data.display, false));
    if (data.request->second)
        line("Second input:", axisLine(*data.request->second, data.display, true));
    line("Other inputs:", "as in the project");
}

std::string rangeText(const std::pair<double, double> &range)
{
    if (!std::isfinite(range.first))
        return "-";
    return formatResult(3, range.first) + " - " + formatResult(3, range.second);
}

void drawSummary(PageCanvas &canvas, const StudyChartData &data)
{
    const double x[] = {kTextLeft, 4300, 5300, 6300, 8700};
    double y = kChartBottom - 250;
    canvas.setFont(180, 600);
    canvas.text(kTextLeft, y, "Summary of the table");
    y -= 270;
    canvas.setFont(160, 600);
    canvas.text(x[0], y, "Curve");
    canvas.text(x[1], y, "Solved");
    canvas.text(x[2], y, "Failed");
    for (size_t k = 0; k < std::min(kMaxSummaryColumns, data.shown.size()); ++k)
        canvas.text(
            x[3 + k], y,
            canvas.elided(std::string(studyValueLabel(data.shown[k])) + " "
                              + quantityLabel(studyValueQuantity(data.shown[k]), data.display),
                          2350));
    y -= 220;
    canvas.line(kTextLeft, y, kTextRight, y);
    canvas.setFont(160);
    for (const StudySummaryRow &row : studySummaryRows(data)) {
        y -= 40;
        canvas.text(x[0], y, canvas.elided(row.curve, x[1] - x[0] - 100));
        canvas.text(x[1], y, std::to_string(row.solved));
        canvas.text(x[2], y, std::to_string(row.failed));
        for (size_t k = 0; k < std::min(kMaxSummaryColumns, row.ranges.size()); ++k)
            canvas.text(x[3 + k], y, rangeText(row.ranges[k]));
        y -= 160;
    }
}

} // namespace

std::vector<StudySummaryRow> studySummaryRows(const StudyChartData &data)
{
    std::vector<StudySummaryRow> rows;
    if (!data.request || !data.points)
        return rows;
    const std::optional<StudyAxis> &second = data.request->second;
    const size_t families = second ? second->values.size() : 1;
    const size_t count = data.request->first.values.size();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (size_t family = 0; family < families; ++family) {
        StudySummaryRow &row = rows.emplace_back();
        row.curve = second ? studyValueCaption(second->field, second->values[family], data.display)
                           : "all points";
        row.ranges.assign(data.shown.size(), {nan, nan});
        for (size_t i = family * count; i < (family + 1) * count && i < data.points->size(); ++i) {
            const StudyPoint &point = (*data.points)[i];
            (point.solved ? row.solved : row.failed) += 1;
            for (size_t k = 0; k < data.shown.size(); ++k) {
                const double v = studyValueOf(point, data.shown[k])
                    * displayFactor(studyValueQuantity(data.shown[k]), data.display);
                if (!std::isfinite(v))
                    continue;
                auto &[low, high] = row.ranges[k];
                low = std::isfinite(low) ? std::min(low, v) : v;
                high = std::isfinite(high) ? std::max(high, v) : v;
            }
        }
    }
    return rows;
}

void drawStudyPage(QPainter &painter, const QRectF &area, const ProjectRecord &project,
                   const StudyChartData &data, const std::string &printedOn)
{
    ReportPrintSetup setup;
    setup.pageCount = 1;
    setup.printedOn = printedOn;
    PageCanvas canvas(painter, area);
    drawPageHeader(canvas, project, setup);
    canvas.setFont(280, 600);
    canvas.text(kTextLeft, -760, "PARAMETRIC STUDY");
    if (data.request && data.points) {
        drawInputs(canvas, project, data);
        const QRectF chart(canvas.toDevice(kTextLeft, kChartTop),
                           canvas.toDevice(kTextRight, kChartBottom));
        drawStudyChart(painter, chart.normalized(), data);
        canvas.setPen(Qt::black, 1);
        canvas.setNoBrush();
        canvas.rectangle(kTextLeft, kChartTop, kTextRight, kChartBottom);
        drawSummary(canvas, data);
    }
    drawPageFooter(canvas, project, 1, setup);
}

bool paintStudyPage(QPagedPaintDevice &device, const ProjectRecord &project,
                    const StudyChartData &data, const std::string &printedOn)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const QRect paintRect = device.pageLayout().paintRectPixels(device.logicalDpiX());
    drawStudyPage(painter, QRectF(0, 0, paintRect.width(), paintRect.height()), project, data,
                  printedOn);
    return painter.end();
}

std::optional<Failure> writeStudyPdf(const ProjectRecord &project, const StudyChartData &data,
                                     const std::string &path)
{
    const auto paint = [&project, &data](QPdfWriter &writer) {
        return paintStudyPage(writer, project, data, asctimeText(std::time(nullptr)));
    };
    return writePdfFile(path, QStringLiteral("Vendrix parametric study"), QPageSize(QPageSize::A4),
                        paint, "the parametric study");
}

} // namespace vendrix

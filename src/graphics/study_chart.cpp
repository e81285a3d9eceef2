#include "graphics/study_chart.h"

#include "graphics/drawing_palette.h"
#include "graphics/picture_painting.h"
#include "graphics/qt_text.h"
#include "model/c_format.h"
#include "model/units.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>

namespace vendrix {

namespace {

// Beyond this many points a curve is a line without dots.
constexpr size_t kMaxMarkedPoints = 30;

// Eight colours told apart in print and by most colour-blind readers.
const QColor kFamilyColours[kStudyMaxFamily] = {
    QColor(0, 70, 200),  QColor(210, 60, 0),  QColor(0, 140, 60),    QColor(150, 40, 170),
    QColor(0, 150, 170), QColor(190, 140, 0), QColor(100, 100, 100), QColor(220, 0, 120),
};

// The colour of one result alone, as the filling envelope draws it.
QColor singleColour(size_t result)
{
    return result == 0 ? envelopeChartColours::tension : envelopeChartColours::height;
}

QString axisTitle(StudyValue value, const DisplaySettings &display)
{
    return toQString(std::string(studyValueLabel(value)) + " "
                     + quantityLabel(studyValueQuantity(value), display));
}

// The runs of one curve: the points of one second value, broken at failures.
std::vector<std::vector<QPointF>> curveRuns(const StudyChartData &data, size_t family,
                                            StudyValue value)
{
    const StudyRequest &request = *data.request;
    const std::vector<StudyPoint> &points = *data.points;
    const size_t count = request.first.values.size();
    const double xFactor = shownStudyInput(request.first.field, 1.0, data.display);
    const double yFactor = displayFactor(studyValueQuantity(value), data.display);
    std::vector<std::vector<QPointF>> runs(1);
    for (size_t i = family * count; i < (family + 1) * count && i < points.size(); ++i) {
        const double y = studyValueOf(points[i], value);
        if (!std::isfinite(y)) {
            if (!runs.back().empty())
                runs.emplace_back();
            continue;
        }
        runs.back().emplace_back(points[i].first * xFactor, y * yFactor);
    }
    if (runs.back().empty() && runs.size() > 1)
        runs.pop_back();
    return runs;
}

// Low and high of the series on one side; NaN when none has a point.
std::pair<double, double> seriesRange(const std::vector<ChartSeries> &series, bool onRight)
{
    double low = std::numeric_limits<double>::infinity(), high = -low;
    for (const ChartSeries &s : series)
        if (s.onRight == onRight)
            for (const std::vector<QPointF> &run : s.runs)
                for (const QPointF &p : run)
                    low = std::min(low, p.y()), high = std::max(high, p.y());
    return {low, high};
}

} // namespace

std::string quantityLabel(Quantity quantity, const DisplaySettings &display)
{
    const char *label = quantityUnitLabel(quantity, display);
    return label ? label : "";
}

std::string studyValueCaption(const std::string &field, double stored,
                              const DisplaySettings &display)
{
    std::string caption
        = field + " = " + formatFieldNumber(shownStudyInput(field, stored, display));
    const std::string unit = quantityLabel(studyInputQuantity(field), display);
    return unit.empty() ? caption : caption + " " + unit;
}

std::vector<ChartSeries> studyChartSeries(const StudyChartData &data)
{
    std::vector<ChartSeries> series;
    if (!data.request || !data.points)
        return series;
    const std::optional<StudyAxis> &second = data.request->second;
    const size_t families = second ? second->values.size() : 1;
    const size_t shown = std::min<size_t>(2, data.shown.size());
    const bool marked = data.request->first.values.size() <= kMaxMarkedPoints;
    for (size_t result = 0; result < shown; ++result) {
        for (size_t family = 0; family < families; ++family) {
            ChartSeries &s = series.emplace_back();
            s.runs = curveRuns(data, family, data.shown[result]);
            s.onRight = result == 1;
            s.style = result == 1 ? Qt::DashLine : Qt::SolidLine;
            s.markers = marked;
            s.colour = second ? kFamilyColours[family % kStudyMaxFamily] : singleColour(result);
            if (second && result == 0)
                s.legend = toQString(
                    studyValueCaption(second->field, second->values[family], data.display));
        }
    }
    return series;
}

ChartLayout studyChartLayout(const StudyChartData &data, const std::vector<ChartSeries> &series,
                             double width, double height)
{
    ChartLayout l;
    l.plot = chartPlotArea(width, height);
    if (!data.request || data.request->first.values.empty() || data.shown.empty())
        return l;
    const StudyAxis &first = data.request->first;
    const auto [lowX, highX] = std::minmax_element(first.values.begin(), first.values.end());
    const double xFactor = shownStudyInput(first.field, 1.0, data.display);
    l.x = ChartAxis::rounded(*lowX * xFactor, *highX * xFactor, 8);
    const std::string unit = quantityLabel(studyInputQuantity(first.field), data.display);
    l.x.title = toQString(unit.empty() ? first.field : first.field + " " + unit);
    const bool family = data.request->second.has_value();
    for (size_t result = 0; result < std::min<size_t>(2, data.shown.size()); ++result) {
        const auto [low, high] = seriesRange(series, result == 1);
        ChartAxis &axis = result == 0 ? l.left : l.right.emplace();
        axis = ChartAxis::rounded(low, high, 6);
        axis.title = axisTitle(data.shown[result], data.display);
        if (family && data.shown.size() > 1)
            axis.title += result == 0 ? QStringLiteral(" (solid)") : QStringLiteral(" (dashed)");
        axis.colour = family ? QColor(Qt::black) : singleColour(result);
    }
    return l;
}

void drawStudyChart(QPainter &painter, const QRectF &target, const StudyChartData &data)
{
    const QSizeF size = beginPicture(painter, target);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.fillRect(QRectF(QPointF(0, 0), size), Qt::white);
    painter.setFont(pictureFont(kPictureSmallFontPixels));
    const std::vector<ChartSeries> series = studyChartSeries(data);
    const ChartLayout layout = studyChartLayout(data, series, size.width(), size.height());
    drawChartAxes(painter, layout);
    for (const ChartSeries &s : series)
        drawChartSeries(painter, layout, s);
    drawChartLegend(painter, layout, series);
    const bool empty = std::all_of(series.begin(), series.end(), [](const ChartSeries &s) {
        return s.runs.empty() || s.runs.front().empty();
    });
    if (empty) {
        painter.setPen(Qt::black);
        painter.drawText(layout.plot, Qt::AlignCenter,
                         data.shown.empty() ? QStringLiteral("No result chosen.")
                                            : QStringLiteral("No point could be computed."));
    }
    painter.restore();
}

} // namespace vendrix

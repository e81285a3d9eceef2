#include "graphics/chart_painter.h"

#include "graphics/drawing_palette.h"
#include "model/c_format.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace vendrix {

namespace {

// Tick labels carry as many decimals as the step needs; a tick that only
// rounding keeps off zero is written as zero, never "-0".
QString tickText(double value, double step)
{
    const int decimals
        = step >= 1 ? 0 : std::min(6, static_cast<int>(std::ceil(-std::log10(step))));
    if (std::abs(value) < 1e-9 * step)
        value = 0;
    return QString::fromStdString(formatC("%.*f", decimals, value));
}

// The ticks of an axis, accumulated from the first one as the steps go.
template<typename Visit> void forEachTick(const ChartAxis &axis, Visit visit)
{
    const double first = std::ceil(axis.low / axis.step - 1e-9) * axis.step + 0.0;
    const double span = (axis.high - axis.low) * (1 + 1e-9);
    for (double v = first; v - axis.low <= span; v += axis.step)
        visit(v);
}

void drawGrid(QPainter &painter, const ChartLayout &l)
{
    const QRectF &r = l.plot;
    painter.setPen(QPen(envelopeChartColours::grid, 0.6));
    forEachTick(l.x, [&](double v) {
        painter.drawLine(QPointF(l.xAt(v), r.top()), QPointF(l.xAt(v), r.bottom()));
    });
    forEachTick(l.left, [&](double v) {
        painter.drawLine(QPointF(r.left(), l.yAt(v)), QPointF(r.right(), l.yAt(v)));
    });
}

void drawTicks(QPainter &painter, const ChartLayout &l)
{
    const QRectF &r = l.plot;
    const QFontMetricsF metrics(painter.font());
    const double th = metrics.height();
    painter.setPen(l.x.colour);
    forEachTick(l.x, [&](double v) {
        const double x = l.xAt(v);
        painter.drawLine(QPointF(x, r.bottom()), QPointF(x, r.bottom() + 4));
        const QString t = tickText(v, l.x.step);
        painter.drawText(QPointF(x - metrics.horizontalAdvance(t) / 2, r.bottom() + 4 + th), t);
    });
    painter.setPen(l.left.colour);
    forEachTick(l.left, [&](double v) {
        const double y = l.yAt(v);
        const QString t = tickText(v, l.left.step);
        painter.drawLine(QPointF(r.left() - 4, y), QPointF(r.left(), y));
        painter.drawText(QPointF(r.left() - 6 - metrics.horizontalAdvance(t), y + th / 3), t);
    });
    if (!l.right)
        return;
    painter.setPen(l.right->colour);
    forEachTick(*l.right, [&](double v) {
        const double y = l.yAt(v, true);
        painter.drawLine(QPointF(r.right(), y), QPointF(r.right() + 4, y));
        painter.drawText(QPointF(r.right() + 6, y + th / 3), tickText(v, l.right->step));
    });
}

void drawTitles(QPainter &painter, const ChartLayout &l, const ChartMargins &m)
{
    const QRectF &r = l.plot;
    const QFontMetricsF metrics(painter.font());
    const double th = metrics.height();
    painter.setPen(l.x.colour);
    painter.drawText(
        QPointF(r.center().x() - metrics.horizontalAdvance(l.x.title) / 2, r.bottom() + 8 + 2 * th),
        l.x.title);
    painter.setPen(l.left.colour);
    painter.drawText(QPointF(r.left() - m.left + 4, r.top() - 8), l.left.title);
    if (!l.right)
        return;
    painter.setPen(l.right->colour);
    painter.drawText(
        QPointF(r.right() + m.right - 4 - metrics.horizontalAdvance(l.right->title), r.top() - 8),
        l.right->title);
}

// How much of the curves a box would hide: samples along every segment.
int hiddenSamples(const ChartLayout &l, const std::vector<ChartSeries> &series, const QRectF &box)
{
    constexpr int kSamples = 8;
    int hidden = 0;
    for (const ChartSeries &s : series)
        for (const std::vector<QPointF> &run : s.runs)
            for (size_t i = 0; i < run.size(); ++i) {
                const QPointF a(l.xAt(run[i].x()), l.yAt(run[i].y(), s.onRight));
                const QPointF b = i + 1 < run.size()
                    ? QPointF(l.xAt(run[i + 1].x()), l.yAt(run[i + 1].y(), s.onRight))
                    : a;
                for (int k = 0; k < kSamples; ++k)
                    hidden += static_cast<int>(box.contains(a + (b - a) * (double(k) / kSamples)));
            }
    return hidden;
}

// The plot corner where the legend hides least of the curves (top right first).
QRectF legendBox(const ChartLayout &l, const std::vector<ChartSeries> &series, QSizeF size)
{
    const QRectF &r = l.plot;
    const double inset = 6;
    const QPointF corners[] = {
        {r.right() - inset - size.width(), r.top() + inset},
        {r.left() + inset, r.top() + inset},
        {r.right() - inset - size.width(), r.bottom() - inset - size.height()},
        {r.left() + inset, r.bottom() - inset - size.height()},
    };
    QRectF best;
    int fewest = -1;
    for (const QPointF &corner : corners) {
        const QRectF box(corner, size);
        const int hidden = hiddenSamples(l, series, box);
        if (fewest < 0 || hidden < fewest)
            best = box, fewest = hidden;
    }
    return best;
}

} // namespace

double niceStep(double top, int count)
{
    if (!(top > 0) || !std::isfinite(top))
        return 1;
    const double raw = top / std::max(1, count);
    const double decade = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0})
        if (m * decade >= raw)
            return m * decade;
    return 10 * decade;
}

ChartAxis ChartAxis::rounded(double low, double high, int count)
{
    if (!std::isfinite(low) || !std::isfinite(high))
        low = 0, high = 1;
    if (high < low)
        std::swap(low, high);
    if (!(high - low > 1e-9 * std::max(std::abs(low), std::abs(high)))) {
        const double pad = std::max(1e-6, 0.1 * std::abs(high));
        low -= pad;
        high += pad;
    }
    ChartAxis axis;
    axis.step = niceStep(high - low, count);
    axis.low = std::floor(low / axis.step + 1e-9) * axis.step + 0.0;
    axis.high = std::ceil(high / axis.step - 1e-9) * axis.step + 0.0;
    return axis;
}

double ChartLayout::xAt(double value) const
{
    return plot.left() + (value - x.low) / (x.high - x.low) * plot.width();
}

double ChartLayout::yAt(double value, bool onRight) const
{
    const ChartAxis &axis = onRight && right ? *right : left;
    return plot.bottom() - (value - axis.low) / (axis.high - axis.low) * plot.height();
}

QRectF chartPlotArea(double width, double height, const ChartMargins &m)
{
    return QRectF(m.left, m.top, std::max(10.0, width - m.left - m.right),
                  std::max(10.0, height - m.top - m.bottom));
}

void drawChartAxes(QPainter &painter, const ChartLayout &layout, const ChartMargins &margins)
{
    drawGrid(painter, layout);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(layout.plot);
    drawTicks(painter, layout);
    drawTitles(painter, layout, margins);
}

void drawChartSeries(QPainter &painter, const ChartLayout &layout, const ChartSeries &series)
{
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(series.colour, 2, series.style));
    for (const std::vector<QPointF> &run : series.runs) {
        QPainterPath path;
        for (size_t i = 0; i < run.size(); ++i) {
            const QPointF at(layout.xAt(run[i].x()), layout.yAt(run[i].y(), series.onRight));
            if (i == 0)
                path.moveTo(at);
            else
                path.lineTo(at);
        }
        painter.drawPath(path);
    }
    if (!series.markers)
        return;
    painter.setPen(QPen(series.colour, 1));
    painter.setBrush(series.colour);
    for (const std::vector<QPointF> &run : series.runs)
        for (const QPointF &p : run)
            painter.drawEllipse(QPointF(layout.xAt(p.x()), layout.yAt(p.y(), series.onRight)), 2.5,
                                2.5);
    painter.setBrush(Qt::NoBrush);
}

void drawChartLegend(QPainter &painter, const ChartLayout &layout,
                     const std::vector<ChartSeries> &series)
{
    const QFontMetricsF metrics(painter.font());
    const double line = metrics.height() + 2;
    double width = 0;
    int rows = 0;
    for (const ChartSeries &s : series) {
        if (s.legend.isEmpty())
            continue;
        width = std::max(width, metrics.horizontalAdvance(s.legend));
        ++rows;
    }
    if (rows == 0)
        return;
    const double swatch = 22;
    const QRectF box = legendBox(layout, series, QSizeF(width + swatch + 12, rows * line + 6));
    painter.setPen(QPen(Qt::gray, 1));
    painter.setBrush(Qt::white);
    painter.drawRect(box);
    double y = box.top() + 3;
    for (const ChartSeries &s : series) {
        if (s.legend.isEmpty())
            continue;
        painter.setPen(QPen(s.colour, 2, s.style));
        painter.drawLine(QPointF(box.left() + 4, y + line / 2),
                         QPointF(box.left() + 4 + swatch, y + line / 2));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(box.left() + swatch + 8, y, width + 2, line),
                         Qt::AlignLeft | Qt::AlignVCenter, s.legend);
        y += line;
    }
    painter.setBrush(Qt::NoBrush);
}

} // namespace vendrix

#include "graphics/envelope_chart.h"

#include "graphics/chart_painter.h"
#include "graphics/picture_painting.h"
#include "graphics/qt_text.h"
#include "model/c_format.h"
#include "model/units.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace vendrix {

namespace {

namespace colours = envelopeChartColours;

// The smallest multiple of the step at or above the value.
double roundUp(double value, double step)
{
    return std::ceil(value / step - 1e-9) * step;
}

ChartSeries curve(const std::vector<EnvelopePoint> &points, const EnvelopeChartLayout &layout,
                  bool tension)
{
    ChartSeries series;
    series.colour = tension ? colours::tension : colours::height;
    series.onRight = !tension;
    std::vector<QPointF> &run = series.runs.emplace_back();
    for (const EnvelopePoint &p : points)
        run.emplace_back(p.pumpingPressure * layout.pressureFactor,
                         tension ? p.workingTension * layout.tensionFactor
                                 : p.maxHeight * layout.lengthFactor);
    return series;
}

void drawSafeLimit(QPainter &painter, const EnvelopeChartLayout &l, const FillingEnvelope &e,
                   const UnitLabels &units)
{
    const EnvelopePoint &s = e.safeLimit;
    const double x = l.xOf(s.pumpingPressure);
    painter.setPen(QPen(colours::limit, 1.5, Qt::DashLine));
    painter.drawLine(QPointF(x, l.plot.top()), QPointF(x, l.plot.bottom()));
    painter.setPen(QPen(colours::limit, 2));
    painter.setBrush(colours::limit);
    painter.drawEllipse(QPointF(x, l.yOfTension(s.workingTension)), 4.5, 4.5);
    painter.drawEllipse(QPointF(x, l.yOfHeight(s.maxHeight)), 4.5, 4.5);
    const QString label = QString::fromStdString(
        formatC("Safe limit %.2f %s, height %.2f %s", s.pumpingPressure * l.pressureFactor,
                units.pressure, s.maxHeight * l.lengthFactor, units.length));
    const QFontMetricsF metrics(painter.font());
    const double w = metrics.horizontalAdvance(label);
    const double lx = std::clamp(x - w / 2, l.plot.left() + 2, l.plot.right() - w - 2);
    const QRectF box(lx - 3, l.plot.top() + 4, w + 6, metrics.height() + 2);
    painter.setPen(QPen(colours::limit, 1));
    painter.setBrush(Qt::white);
    painter.drawRect(box);
    painter.setPen(Qt::black);
    painter.drawText(box, Qt::AlignCenter, label);
}

void drawAllowable(QPainter &painter, const EnvelopeChartLayout &l, const FillingEnvelope &e,
                   const UnitLabels &units)
{
    const double y = l.yOfTension(e.allowableTension);
    if (y < l.plot.top())
        return;
    painter.setPen(QPen(colours::allowable, 2, Qt::DashLine));
    painter.drawLine(QPointF(l.plot.left(), y), QPointF(l.plot.right(), y));
    const QString label = QString::fromStdString(
        formatC("Allowable %.2f %s", e.allowableTension * l.tensionFactor, units.forcePerLength));
    const QFontMetricsF metrics(painter.font());
    const QRectF box(l.plot.left() + 4, y - 4 - metrics.height(),
                     metrics.horizontalAdvance(label) + 6, metrics.height());
    painter.fillRect(box, Qt::white);
    painter.setPen(colours::allowable);
    painter.drawText(box, Qt::AlignCenter, label);
}

} // namespace

double EnvelopeChartLayout::xOf(double kPa) const
{
    return xAt(kPa * pressureFactor);
}

double EnvelopeChartLayout::yOfTension(double kNm) const
{
    return yAt(kNm * tensionFactor);
}

double EnvelopeChartLayout::yOfHeight(double metres) const
{
    return yAt(metres * lengthFactor, true);
}

EnvelopeChartLayout envelopeChartLayout(const FillingEnvelope &envelope, UnitSystem units,
                                        double width, double height)
{
    const UnitFactors f = UnitFactors::forSettings(units);
    const UnitLabels labels = unitLabels(units, true);
    EnvelopeChartLayout l;
    l.pressureFactor = f.pumpingPressure;
    l.tensionFactor = f.forcePerLength;
    l.lengthFactor = f.length;
    l.plot = chartPlotArea(width, height);
    double tension = envelope.allowableTension, metres = 0;
    for (const EnvelopePoint &p : envelope.points) {
        tension = std::max(tension, p.workingTension);
        metres = std::max(metres, p.maxHeight);
    }
    l.x.high = std::max(1e-6, envelope.maxPressure * f.pumpingPressure);
    l.x.step = niceStep(l.x.high, 8);
    l.x.title = QStringLiteral("Pumping pressure ") + toQString(labels.pressure);
    const double t = std::max(1e-6, 1.08 * tension * f.forcePerLength);
    l.left.high = roundUp(t, niceStep(t, 6));
    l.left.step = niceStep(l.left.high, 6);
    l.left.colour = colours::tension;
    l.left.title = QStringLiteral("Working tension ") + toQString(labels.forcePerLength);
    const double h = std::max(1e-6, 1.1 * metres * f.length);
    ChartAxis &right = l.right.emplace();
    right.high = roundUp(h, niceStep(h, 6));
    right.step = niceStep(right.high, 6);
    right.colour = colours::height;
    right.title = QStringLiteral("Height ") + toQString(labels.length);
    return l;
}

void drawEnvelopeChart(QPainter &painter, const QRectF &target, const FillingEnvelope &envelope,
                       UnitSystem unitSystem)
{
    const QSizeF size = beginPicture(painter, target);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.fillRect(QRectF(QPointF(0, 0), size), Qt::white);
    painter.setFont(pictureFont(kPictureSmallFontPixels));
    const EnvelopeChartLayout l
        = envelopeChartLayout(envelope, unitSystem, size.width(), size.height());
    const UnitLabels units = unitLabels(unitSystem, true);

    // Pressures above the safe limit (all of them when there is none below the allowable).
    if (envelope.state != SafeLimitState::NotReachedInRange && !envelope.points.empty()) {
        const double from = envelope.state == SafeLimitState::Found
            ? l.xOf(envelope.safeLimit.pumpingPressure)
            : l.plot.left();
        const QRectF unsafe(from, l.plot.top(), l.plot.right() - from, l.plot.height());
        painter.fillRect(unsafe, colours::unsafeShade);
        painter.setPen(colours::allowable);
        painter.drawText(unsafe.adjusted(0, 0, 0, -8), Qt::AlignHCenter | Qt::AlignBottom,
                         QStringLiteral("UNSAFE"));
    }
    drawChartAxes(painter, l);
    drawAllowable(painter, l, envelope, units);
    drawChartSeries(painter, l, curve(envelope.points, l, false));
    drawChartSeries(painter, l, curve(envelope.points, l, true));
    if (envelope.state == SafeLimitState::Found) {
        drawSafeLimit(painter, l, envelope, units);
    } else {
        painter.setPen(Qt::black);
        painter.drawText(
            QRectF(l.plot.left() + 4, l.plot.top() + 4, l.plot.width() - 8, l.plot.height() / 2),
            Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
            toQString(safeLimitReason(envelope, unitSystem)));
    }
    painter.restore();
}

} // namespace vendrix

#include "graphics/envelope_chart.h"

#include "graphics/picture_painting.h"
#include "graphics/qt_text.h"
#include "model/c_format.h"
#include "model/units.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace vendrix {

namespace {

constexpr double kLeftMargin = 64;
constexpr double kRightMargin = 58;
constexpr double kTopMargin = 40;
constexpr double kBottomMargin = 46;

namespace colours = envelopeChartColours;

// The smallest multiple of the step at or above the value.
double roundUp(double value, double step)
{
    return std::ceil(value / step - 1e-9) * step;
}

QString number(double value, double step)
{
    const int decimals
        = step >= 1 ? 0 : std::min(6, static_cast<int>(std::ceil(-std::log10(step))));
    return QString::fromStdString(formatC("%.*f", decimals, value));
}

QPainterPath curve(const std::vector<EnvelopePoint> &points, const EnvelopeChartLayout &layout,
                   bool tension)
{
    QPainterPath path;
    for (size_t i = 0; i < points.size(); ++i) {
        const EnvelopePoint &p = points[i];
        const QPointF at(layout.xOf(p.pumpingPressure),
                         tension ? layout.yOfTension(p.workingTension)
                                 : layout.yOfHeight(p.maxHeight));
        if (i == 0)
            path.moveTo(at);
        else
            path.lineTo(at);
    }
    return path;
}

void drawAxes(QPainter &painter, const EnvelopeChartLayout &l, const UnitLabels &units)
{
    const QRectF &r = l.plot;
    const QFontMetricsF metrics(painter.font());
    const double th = metrics.height();
    painter.setPen(QPen(colours::grid, 0.6));
    const double xStep = niceStep(l.pressureTop, 8);
    for (double v = 0; v <= l.pressureTop * (1 + 1e-9); v += xStep)
        painter.drawLine(QPointF(r.left() + v / l.pressureTop * r.width(), r.top()),
                         QPointF(r.left() + v / l.pressureTop * r.width(), r.bottom()));
    const double tStep = niceStep(l.tensionTop, 6);
    for (double v = 0; v <= l.tensionTop * (1 + 1e-9); v += tStep)
        painter.drawLine(QPointF(r.left(), r.bottom() - v / l.tensionTop * r.height()),
                         QPointF(r.right(), r.bottom() - v / l.tensionTop * r.height()));

    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(r);
    for (double v = 0; v <= l.pressureTop * (1 + 1e-9); v += xStep) {
        const double x = r.left() + v / l.pressureTop * r.width();
        painter.drawLine(QPointF(x, r.bottom()), QPointF(x, r.bottom() + 4));
        const QString t = number(v, xStep);
        painter.drawText(QPointF(x - metrics.horizontalAdvance(t) / 2, r.bottom() + 4 + th), t);
    }
    painter.setPen(colours::tension);
    for (double v = 0; v <= l.tensionTop * (1 + 1e-9); v += tStep) {
        const double y = r.bottom() - v / l.tensionTop * r.height();
        const QString t = number(v, tStep);
        painter.drawLine(QPointF(r.left() - 4, y), QPointF(r.left(), y));
        painter.drawText(QPointF(r.left() - 6 - metrics.horizontalAdvance(t), y + th / 3), t);
    }
    painter.setPen(colours::height);
    const double hStep = niceStep(l.heightTop, 6);
    for (double v = 0; v <= l.heightTop * (1 + 1e-9); v += hStep) {
        const double y = r.bottom() - v / l.heightTop * r.height();
        painter.drawLine(QPointF(r.right(), y), QPointF(r.right() + 4, y));
        painter.drawText(QPointF(r.right() + 6, y + th / 3), number(v, hStep));
    }
    painter.setPen(Qt::black);
    const QString xTitle = QStringLiteral("Pumping pressure ") + toQString(units.pressure);
    painter.drawText(
        QPointF(r.center().x() - metrics.horizontalAdvance(xTitle) / 2, r.bottom() + 8 + 2 * th),
        xTitle);
    painter.setPen(colours::tension);
    painter.drawText(QPointF(r.left() - kLeftMargin + 4, r.top() - 8),
                     QStringLiteral("Working tension ") + toQString(units.forcePerLength));
    painter.setPen(colours::height);
    const QString hTitle = QStringLiteral("Height ") + toQString(units.length);
    painter.drawText(
        QPointF(r.right() + kRightMargin - 4 - metrics.horizontalAdvance(hTitle), r.top() - 8),
        hTitle);
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
    return plot.left() + kPa * pressureFactor / pressureTop * plot.width();
}

double EnvelopeChartLayout::yOfTension(double kNm) const
{
    return plot.bottom() - kNm * tensionFactor / tensionTop * plot.height();
}

double EnvelopeChartLayout::yOfHeight(double metres) const
{
    return plot.bottom() - metres * lengthFactor / heightTop * plot.height();
}

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

EnvelopeChartLayout envelopeChartLayout(const FillingEnvelope &envelope, UnitSystem units,
                                        double width, double height)
{
    const UnitFactors f = UnitFactors::forSettings(units);
    EnvelopeChartLayout l;
    l.pressureFactor = f.pumpingPressure;
    l.tensionFactor = f.forcePerLength;
    l.lengthFactor = f.length;
    l.plot = QRectF(kLeftMargin, kTopMargin, std::max(10.0, width - kLeftMargin - kRightMargin),
                    std::max(10.0, height - kTopMargin - kBottomMargin));
    double tension = envelope.allowableTension, metres = 0;
    for (const EnvelopePoint &p : envelope.points) {
        tension = std::max(tension, p.workingTension);
        metres = std::max(metres, p.maxHeight);
    }
    l.pressureTop = std::max(1e-6, envelope.maxPressure * f.pumpingPressure);
    const double t = std::max(1e-6, 1.08 * tension * f.forcePerLength);
    l.tensionTop = roundUp(t, niceStep(t, 6));
    const double h = std::max(1e-6, 1.1 * metres * f.length);
    l.heightTop = roundUp(h, niceStep(h, 6));
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
    drawAxes(painter, l, units);
    drawAllowable(painter, l, envelope, units);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colours::height, 2));
    painter.drawPath(curve(envelope.points, l, false));
    painter.setPen(QPen(colours::tension, 2));
    painter.drawPath(curve(envelope.points, l, true));
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

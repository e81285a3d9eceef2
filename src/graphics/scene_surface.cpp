#include "graphics/scene_surface.h"

#include "graphics/page_canvas.h"
#include "graphics/picture_painting.h"
#include "graphics/qt_text.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace vendrix {

namespace {

QPointF wholePixels(QPointF p)
{
    return {std::trunc(p.x()), std::trunc(p.y())};
}

QPolygonF wholePixels(const QPolygonF &points)
{
    QPolygonF cut;
    cut.reserve(points.size());
    for (const QPointF &p : points)
        cut << wholePixels(p);
    return cut;
}

// The point `arrow.length` back from `tip` along `back`, moved `side` times the
// spread across it.
QPointF arrowEnd(QPointF tip, QPointF back, const ArrowStyle &arrow, double side)
{
    return {tip.x() + back.x() * arrow.length - side * back.y() * arrow.spread,
            tip.y() + back.y() * arrow.length + side * back.x() * arrow.spread};
}

} // namespace

void ScreenSurface::setFont(const SceneFont &font)
{
    m_painter.setFont(pictureFont(static_cast<int>(font.size)));
}

void ScreenSurface::setPen(const QColor &colour, const SceneStroke &stroke)
{
    m_painter.setPen(QPen(colour, stroke.width, Qt::SolidLine, stroke.cap));
}

void ScreenSurface::setNoPen()
{
    m_painter.setPen(Qt::NoPen);
}

void ScreenSurface::setBrush(std::optional<QColor> colour)
{
    if (colour)
        m_painter.setBrush(*colour);
    else
        m_painter.setBrush(Qt::NoBrush);
}

void ScreenSurface::fill(QPointF from, QPointF to, const QColor &colour)
{
    m_painter.fillRect(QRectF(from, to), colour);
}

void ScreenSurface::rectangle(QPointF from, QPointF to)
{
    m_painter.drawRect(QRectF(from, to));
}

void ScreenSurface::polygon(const QPolygonF &points)
{
    m_painter.drawPolygon(wholePixels(points));
}

void ScreenSurface::polyline(const QPolygonF &points)
{
    m_painter.drawPolyline(wholePixels(points));
}

void ScreenSurface::line(QPointF from, QPointF to)
{
    m_painter.drawLine(wholePixels(from), wholePixels(to));
}

void ScreenSurface::arrowhead(QPointF tip, QPointF back, const ArrowStyle &arrow)
{
    const QPointF point = wholePixels(tip);
    m_painter.drawLine(point, wholePixels(arrowEnd(tip, back, arrow, 1)));
    m_painter.drawLine(point, wholePixels(arrowEnd(tip, back, arrow, -1)));
}

void ScreenSurface::text(const TextSpot &spot, const std::string &text, const QColor &ink,
                         std::optional<QColor> back)
{
    const QString value = toQString(text);
    const QColor background = back.value_or(Qt::transparent);
    if (spot.anchor == TextAnchor::Centre)
        drawCentredLabel(m_painter, spot.at.x(), spot.at.y(), value, ink, background);
    else
        drawLabel(m_painter, spot.at.x(), spot.at.y(), value, ink, background);
}

double ScreenSurface::textWidth(const std::string &text) const
{
    return QFontMetricsF(m_painter.font()).horizontalAdvance(toQString(text));
}

void PageSurface::setFont(const SceneFont &font)
{
    m_canvas.setFont(font.size, font.weight);
}

void PageSurface::setPen(const QColor &colour, const SceneStroke &stroke)
{
    m_canvas.setPen(colour, stroke.width); // the page's strokes end flat
}

void PageSurface::setNoPen()
{
    m_canvas.setNoPen();
}

void PageSurface::setBrush(std::optional<QColor> colour)
{
    if (colour)
        m_canvas.setBrush(*colour);
    else
        m_canvas.setNoBrush();
}

void PageSurface::fill(QPointF from, QPointF to, const QColor &colour)
{
    m_canvas.setNoPen();
    m_canvas.setBrush(colour);
    rectangle(from, to);
}

void PageSurface::rectangle(QPointF from, QPointF to)
{
    m_canvas.rectangle(from.x(), from.y(), to.x(), to.y());
}

void PageSurface::polygon(const QPolygonF &points)
{
    m_canvas.polygon({points.begin(), points.end()});
}

void PageSurface::polyline(const QPolygonF &points)
{
    m_canvas.polyline({points.begin(), points.end()});
}

void PageSurface::line(QPointF from, QPointF to)
{
    m_canvas.line(from.x(), from.y(), to.x(), to.y());
}

void PageSurface::arrowhead(QPointF tip, QPointF back, const ArrowStyle &arrow)
{
    m_canvas.polyline({arrowEnd(tip, back, arrow, 1), tip, arrowEnd(tip, back, arrow, -1)});
}

void PageSurface::text(const TextSpot &spot, const std::string &text, const QColor &ink,
                       std::optional<QColor> back)
{
    m_canvas.setTextColour(ink);
    m_canvas.setTextBackground(back);
    if (spot.anchor == TextAnchor::Centre)
        m_canvas.textCentred(spot.at.x(), spot.at.y(), text);
    else
        m_canvas.text(spot.at.x(), spot.at.y(), text);
    m_canvas.setTextBackground(std::nullopt);
}

double PageSurface::textWidth(const std::string &text) const
{
    return m_canvas.textWidth(text);
}

} // namespace vendrix

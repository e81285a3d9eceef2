#include "graphics/design_check_drawing.h"

#include "graphics/drawing_palette.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace vendrix {

namespace {

namespace colours = designCheckColours;

// Room beside the tube for the water, and below the base for the diagrams,
// as parts of the tube's width and height.
constexpr double kSideRoom = 0.45;
constexpr double kDiagramDepth = 0.4;
constexpr double kHeadRoom = 0.18;

// Metres to the area's pixels, the same scale both ways.
class WorldMap
{
public:
    WorldMap(const QRectF &area, double halfWidth, double top, double bottom)
        : m_area(area)
    {
        const double worldWidth = 2 * halfWidth * (1 + kSideRoom);
        m_scale = std::min(area.width() / worldWidth, area.height() / (top + bottom));
        m_originX = area.center().x();
        m_originY = area.top() + (area.height() - (top + bottom) * m_scale) / 2 + top * m_scale;
    }
    QPointF at(double x, double y) const
    {
        return {m_originX + x * m_scale, m_originY - y * m_scale};
    }
    double scale() const { return m_scale; }
    const QRectF &area() const { return m_area; }

private:
    QRectF m_area;
    double m_scale = 1, m_originX = 0, m_originY = 0;
};

QPolygonF tubeOutline(const WorldMap &map, const TubeSolution &tube)
{
    QPolygonF outline;
    for (int i = 0; i < kProfilePoints; ++i)
        outline << map.at(tube.profileX[size_t(i)], tube.profileY[size_t(i)]);
    for (int i = kProfilePoints - 1; i >= 0; --i)
        outline << map.at(-tube.profileX[size_t(i)], tube.profileY[size_t(i)]);
    return outline;
}

void drawWater(QPainter &painter, const WorldMap &map, const DesignCheckResult &r)
{
    const QRectF &a = map.area();
    const QPointF centre = map.at(0, 0);
    const double loadedTop = map.at(0, std::max(r.loadedLevel, 0.0)).y();
    const double protectedTop = map.at(0, std::max(r.protectedLevel, 0.0)).y();
    painter.fillRect(QRectF(QPointF(a.left(), loadedTop), QPointF(centre.x(), centre.y())),
                     colours::loadedWater);
    painter.fillRect(QRectF(QPointF(centre.x(), protectedTop), QPointF(a.right(), centre.y())),
                     colours::protectedWater);
    painter.setPen(QPen(colours::uplift, 0));
    painter.drawText(QPointF(a.left() + 4, loadedTop - 4), QStringLiteral("h1"));
    const double textHeight = painter.fontMetrics().height();
    painter.drawText(
        QRectF(centre.x(), protectedTop - textHeight - 4, a.right() - centre.x() - 4, textHeight),
        Qt::AlignRight | Qt::AlignBottom, QStringLiteral("h2"));
}

void arrow(QPainter &painter, QPointF from, QPointF to, double head)
{
    painter.drawLine(from, to);
    const QPointF d = to - from;
    const double length = std::hypot(d.x(), d.y());
    if (!(length > 0))
        return;
    const QPointF u = d / length, n(-u.y(), u.x());
    painter.drawPolygon(QPolygonF {to, to - u * head + n * head / 2, to - u * head - n * head / 2});
}

// q(x) under the base (x from the centre line, + towards the protected side).
QPolygonF contactDiagram(const WorldMap &map, const DesignCheckResult &r, double b,
                         double metresPerKpa)
{
    const double n = *r.normalForce, e = r.eccentricity.value_or(0);
    QPolygonF diagram;
    if (r.partialContact) {
        const double side = e > 0 ? 1 : -1, length = 3 * (b / 2 - std::fabs(e));
        diagram << map.at(side * b / 2, 0) << map.at(side * (b / 2 - length), 0)
                << map.at(side * b / 2, -*r.maxContactPressure * metresPerKpa);
        return diagram;
    }
    const auto q = [&](double x) { return n / b * (1 + 12 * e * x / (b * b)); };
    diagram << map.at(-b / 2, 0) << map.at(b / 2, 0) << map.at(b / 2, -q(b / 2) * metresPerKpa)
            << map.at(-b / 2, -q(-b / 2) * metresPerKpa);
    return diagram;
}

void drawBaseDiagrams(QPainter &painter, const WorldMap &map, const TubeSolution &tube,
                      const DesignCheckResult &r)
{
    const double b = tube.baseWidth, depth = kDiagramDepth * 0.8 * tube.maxHeight;
    const double excess = r.waterUnitWeight * std::max(r.loadedLevel - r.protectedLevel, 0.0);
    const double largest = std::max(r.maxContactPressure.value_or(0), excess);
    if (!(b > 0) || !(largest > 0))
        return;
    const double metresPerKpa = depth / largest;
    if (r.maxContactPressure && r.normalForce) {
        painter.setPen(QPen(colours::contact.darker(130), 0));
        painter.setBrush(
            QColor(colours::contact.red(), colours::contact.green(), colours::contact.blue(), 150));
        painter.drawPolygon(contactDiagram(map, r, b, metresPerKpa));
    }
    if (excess > 0) {
        painter.setPen(QPen(colours::uplift, 0, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolygon(QPolygonF {map.at(-b / 2, 0), map.at(b / 2, 0),
                                       map.at(-b / 2, -excess * metresPerKpa)});
    }
}

void drawActions(QPainter &painter, const WorldMap &map, const TubeSolution &tube,
                 const DesignCheckResult &r)
{
    const double head = std::max(6.0, map.area().height() / 45);
    const double h = tube.maxHeight, reach = 0.25 * h;
    painter.setPen(QPen(colours::action, std::max(1.0, head / 5)));
    painter.setBrush(colours::action);
    if (r.loadedLevel > r.protectedLevel) {
        const double y = std::max(r.protectedLevel, 0.0) + (r.loadedLevel - r.protectedLevel) / 3;
        const double x = -tube.maxWidth / 2;
        arrow(painter, map.at(x - reach, y), map.at(x, y), head);
    }
    if (r.submergedWeight)
        arrow(painter, map.at(0, 0.75 * h), map.at(0, 0.75 * h - reach), head);
    if (r.normalForce && r.eccentricity && *r.normalForce > 0)
        arrow(painter, map.at(*r.eccentricity, -reach), map.at(*r.eccentricity, 0), head);
}

} // namespace

void drawDesignCheckPicture(QPainter &painter, const QRectF &area, const TubeSolution &tube,
                            const DesignCheckResult &r)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(area);
    painter.fillRect(area, Qt::white);
    QFont font = painter.font();
    font.setPixelSize(std::max(8, int(area.height() / 22)));
    painter.setFont(font);
    const double top = std::max(tube.maxHeight, r.loadedLevel) + kHeadRoom * tube.maxHeight;
    const WorldMap map(area, tube.maxWidth / 2, top, kDiagramDepth * tube.maxHeight);
    drawWater(painter, map, r);
    const QPointF groundLeft = map.at(0, 0);
    painter.fillRect(QRectF(QPointF(area.left(), groundLeft.y()), area.bottomRight()),
                     QColor(colours::foundation.red(), colours::foundation.green(),
                            colours::foundation.blue(), 90));
    painter.setPen(QPen(colours::outline, std::max(1.0, area.height() / 250)));
    painter.setBrush(colours::fill);
    painter.drawPolygon(tubeOutline(map, tube));
    painter.setPen(QPen(Qt::black, 0));
    painter.drawLine(QPointF(area.left(), groundLeft.y()), QPointF(area.right(), groundLeft.y()));
    drawBaseDiagrams(painter, map, tube, r);
    drawActions(painter, map, tube, r);
    painter.restore();
}

} // namespace vendrix

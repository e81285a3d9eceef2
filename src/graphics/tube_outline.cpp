#include "graphics/tube_outline.h"

#include <algorithm>

namespace vendrix {

ProfileExtent profileExtent(const TubeSolution &solution)
{
    ProfileExtent extent;
    for (size_t i = 0; i < kProfilePoints; ++i) {
        extent.halfWidth = std::max(extent.halfWidth, solution.profileX[i]);
        extent.crestHeight = std::max(extent.crestHeight, solution.profileY[i]);
    }
    return extent;
}

QPolygonF tubeHalfOutline(const TubeSolution &solution, double ceiling)
{
    QPolygonF half;
    half.reserve(kProfilePoints + 1);
    half << QPointF(0, 0);
    bool above = false;
    for (size_t i = 0; i < kProfilePoints; ++i) {
        double x = solution.profileX[i];
        double y = solution.profileY[i];
        if (y > ceiling) {
            if (above)
                x = solution.profileX[kProfilePoints - 1];
            above = true;
            y = ceiling;
        }
        half << QPointF(x, y);
    }
    return half;
}

QPolygonF consolidatedHalfOutline(const ConsolidationResult &consolidation)
{
    QPolygonF half;
    half.reserve(kProfileArraySize);
    for (size_t i = 0; i < kProfileArraySize; ++i)
        half << QPointF(consolidation.shapeX[i], consolidation.shapeY[i]);
    return half;
}

QPolygonF placedOutline(const QPolygonF &metres, const OutlinePlacement &placement, double side)
{
    QPolygonF placed;
    placed.reserve(metres.size());
    for (const QPointF &p : metres)
        placed << placement.place(p, side);
    return placed;
}

std::vector<QPointF> placedPoints(const QPolygonF &metres, const OutlinePlacement &placement,
                                  double side)
{
    const QPolygonF placed = placedOutline(metres, placement, side);
    return {placed.begin(), placed.end()};
}

QPainterPath schematicTubeOutline(const QRectF &box, qreal baseShare)
{
    const qreal baseHalf = box.width() * baseShare / 2;
    const QPointF bottomCentre(box.center().x(), box.bottom());
    QPainterPath path;
    path.moveTo(bottomCentre.x() - baseHalf, box.bottom());
    path.lineTo(bottomCentre.x() + baseHalf, box.bottom());
    path.cubicTo(box.right() + box.width() * 0.02, box.bottom(), box.right(),
                 box.top() + box.height() * 0.35, box.center().x() + box.width() * 0.25,
                 box.top() + box.height() * 0.04);
    path.quadTo(box.center().x(), box.top() - box.height() * 0.04,
                box.center().x() - box.width() * 0.25, box.top() + box.height() * 0.04);
    path.cubicTo(box.left(), box.top() + box.height() * 0.35, box.left() - box.width() * 0.02,
                 box.bottom(), bottomCentre.x() - baseHalf, box.bottom());
    path.closeSubpath();
    return path;
}

} // namespace vendrix

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

} // namespace vendrix

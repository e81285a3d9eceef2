#pragma once
// The tube's outline. From the solved profile for every drawing of a solved
// tube (the screen cross-section, the printed cross-section pages and the field
// card): built in metres (x from the centre line, y above the base), then placed
// on the drawing's own coordinates. A schematic one for the artwork.

#include "model/project_record.h"

#include <QPainterPath>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>

#include <cmath>
#include <vector>

namespace vendrix {

// The largest x and y of the profile, m (0 when there are none).
struct ProfileExtent
{
    double halfWidth = 0;
    double crestHeight = 0;
};

ProfileExtent profileExtent(const TubeSolution &solution);

// One half of the tube as filled: the centre of the base, then the profile from
// the edge of the base contact to the crest. Every point above `ceiling` (m) is
// moved down onto it, at the crest's x after the first one: the top of the lower
// slurry layer.
QPolygonF tubeHalfOutline(const TubeSolution &solution, double ceiling = HUGE_VAL);

// One half of the consolidated Option 1 shape: its points as they are.
QPolygonF consolidatedHalfOutline(const ConsolidationResult &consolidation);

// Where metres land on a drawing: x = centreX + side · xScale · x and
// y = baseY + yScale · y (yScale negative where the drawing's y runs down).
struct OutlinePlacement
{
    double centreX = 0;
    double baseY = 0;
    double xScale = 1;
    double yScale = 1;

    QPointF place(const QPointF &metres, double side) const
    {
        return {centreX + side * xScale * metres.x(), baseY + yScale * metres.y()};
    }
};

// The half on `side` (+1 right, -1 left) in drawing coordinates.
QPolygonF placedOutline(const QPolygonF &metres, const OutlinePlacement &placement, double side);

// The same as the points the page canvas draws.
std::vector<QPointF> placedPoints(const QPolygonF &metres, const OutlinePlacement &placement,
                                  double side);

// The tube of the artwork, not drawn from a profile: flat base (`baseShare` of
// the width), bulging sides and a rounded crest filling `box`.
QPainterPath schematicTubeOutline(const QRectF &box, qreal baseShare);

} // namespace vendrix

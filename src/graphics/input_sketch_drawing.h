#pragma once
// The schematic of the problem being entered: foundation, outside fluid, a tube
// of fixed shape with its slurry layers, the outside and inside heights with
// their values and the requested type of analysis. Only the heights in the
// labels come from the data; the drawing is not to scale.

#include "model/project_record.h"

#include <QColor>
#include <QRectF>

class QPainter;

namespace vendrix {

namespace sketch_colours {
inline const QColor kFoundation(202, 62, 21);
inline const QColor kFluid(47, 177, 255);
inline const QColor kTubeOutline(255, 255, 0);
inline const QColor kSlurryLower(255, 204, 51);
inline const QColor kSlurryPale(255, 234, 168);
inline const QColor kBackground(204, 236, 255);
} // namespace sketch_colours

inline constexpr char kSketchNote[] = "Drawing is NOT to scale, just an approximate display";

// Height of the sketch window at its standard size, in pixels: fixed lengths of
// the drawing (ticks, arrowheads, label offsets, pens, fonts) are given for it
// and grow or shrink with the target's height.
inline constexpr double kSketchStandardWidth = 584.0;
inline constexpr double kSketchStandardHeight = 366.0;

// The part of `target` the sketch is laid out in: the proportions of the
// standard window, as large as fits, centred across and resting on the bottom.
// A taller target shows more sky above it, a wider one more fluid and ground on
// both sides, so the labels and dimensions never slide off the tube.
QRectF sketchArea(const QRectF &target);

// Where the banner naming the type of analysis sits, for a sketch in `target`.
QRectF analysisTypeImageRect(const QRectF &target);

// Paints the whole sketch into `target` from the record alone.
void drawInputSketch(QPainter &painter, const QRectF &target, const ProjectRecord &record);

} // namespace vendrix

#pragma once
// The input display: a schematic of the problem being entered (foundation,
// outside fluid, a tube of fixed shape, the upper slurry layer, the heights
// H-out and H-in and the requested type of analysis). Not drawn to scale.

#include "model/project_record.h"

#include <QPointF>
#include <QRectF>

#include <array>

class QPainter;

namespace vendrix {

inline constexpr int kSchematicPoints = 725;
// The upper slurry layer is the outline from this point to kSchematicUpperLast.
inline constexpr int kSchematicUpperFirst = 210;
inline constexpr int kSchematicUpperLast = 513;

// The fixed tube outline in schematic units (offset from the axis, height above
// the base): up the right side from the edge of the base contact, over the
// crest, down the left side, then five points at the base centre.
const std::array<QPointF, kSchematicPoints> &schematicOutline();

// What the sketch shows for a record, so that the window and the tests agree.
struct SketchContent
{
    bool fluidDrawn = false;
    bool fluidToTop = false; // the fluid reaches the top of the picture
    bool lowerSlurry = false; // tube filled amber (else pale yellow)
    bool upperLayer = false;
    bool heightOutside = false; // "H-out" dimension
    bool heightInside = false; // "H-in" dimension
};

// `method` is the one chosen for the next run: the sketch shows the layering
// that method will solve.
SketchContent sketchContent(const TubeInput &input, SolutionMethod method, double pictureHeight);

// With `withTypeImage` false the image naming the requested type of analysis
// is left out, for a window that places it itself.
void drawInputSketch(QPainter &painter, const QRectF &target, const ProjectRecord &record,
                     SolutionMethod method, bool withTypeImage = true);

// The 207 by 25 image naming the requested type of analysis, top-left at (x, y)
// in picture pixels.
void drawAnalysisTypeImage(QPainter &painter, double x, double y, AnalysisType analysisType);

} // namespace vendrix

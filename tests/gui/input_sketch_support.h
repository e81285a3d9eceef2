#pragma once
// The input sketch drawn off screen at the size of the input display, and the
// colours it fills its areas with.

#include "graphics/image_export.h"
#include "graphics/input_sketch_drawing.h"

#include <QColor>
#include <QImage>
#include <QPainter>

namespace vendrix::test {

constexpr int kW = 584;
constexpr int kH = 366;
inline const QColor kSky(47, 177, 255);
inline const QColor kPaleBlue(204, 236, 255);
inline const QColor kAmber(255, 204, 51);
inline const QColor kPaleYellow(255, 234, 168);

// For the solution method chosen for the next run.
inline QImage sketch(const ProjectRecord &record, SolutionMethod method = kDefaultSolutionMethod,
                     QSize size = QSize(kW, kH))
{
    return renderDrawing(
        [&record, method](QPainter &p, const QRectF &target) {
            drawInputSketch(p, target, record, method);
        },
        size);
}

} // namespace vendrix::test

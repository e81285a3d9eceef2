#include "graphics/sketch_image.h"

#include "graphics/batch_report.h"
#include "graphics/image_export.h"
#include "graphics/input_sketch_drawing.h"

namespace vendrix {

bool writeSketchImage(const ProjectRecord &record, const std::string &path, int width, int height,
                      std::string &error)
{
    if (!ensureGraphicsApplication(error))
        return false;
    return writeDrawingImage(
        path, QSize(width, height),
        [&record](QPainter &painter, const QRectF &target) {
            drawInputSketch(painter, target, record);
        },
        error);
}

} // namespace vendrix

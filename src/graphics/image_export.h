#pragma once
// Drawings saved as image files: PNG, Windows bitmap or SVG, chosen by the
// file's extension. Works without a display (batch mode).

#include "model/project_record.h"

#include <QImage>
#include <QRectF>
#include <QSize>

#include <functional>
#include <string>

class QPainter;

namespace vendrix {

using DrawingRoutine = std::function<void(QPainter &, const QRectF &)>;

// The drawing painted into a white image of `size` pixels.
QImage renderDrawing(const DrawingRoutine &draw, QSize size);

// Writes the drawing to `path` (.png, .bmp or .svg) through a temporary file;
// false with a reason for an unknown extension or a file that cannot be written.
bool writeDrawingImage(const std::string &path, QSize size, const DrawingRoutine &draw,
                       std::string &error);

// The same for the batch command, which may not have started the graphics yet.
bool writeBatchDrawing(const std::string &path, int width, int height, const DrawingRoutine &draw,
                       std::string &error);

// The cross-section of the current shape. Matches BatchHooks::writeCrossSectionImage.
bool writeCrossSectionImage(const ProjectRecord &record, const std::string &path, int width,
                            int height, std::string &error);

// The input sketch. Matches BatchHooks::writeSketchImage.
bool writeSketchImage(const ProjectRecord &record, const std::string &path, int width, int height,
                      std::string &error);

} // namespace vendrix

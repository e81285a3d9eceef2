#pragma once
// Drawings saved as image files: PNG, Windows bitmap or SVG, chosen by the
// file's extension. Works without a display (batch mode).

#include "model/failure.h"
#include "model/project_record.h"

#include <QImage>
#include <QRectF>
#include <QSize>
#include <filesystem>

#include <functional>
#include <optional>
#include <string>

class QPainter;

namespace vendrix {

using DrawingRoutine = std::function<void(QPainter &, const QRectF &)>;

// The drawing painted into a white image of `size` pixels.
QImage renderDrawing(const DrawingRoutine &draw, QSize size);

// Writes the drawing to `path` (.png, .bmp or .svg) through a temporary file;
// a failure for an unknown extension or a file that cannot be written.
std::optional<Failure> writeDrawingImage(const std::filesystem::path &path, QSize size,
                                         const DrawingRoutine &draw);

// The same for the batch command, which may not have started the graphics yet.
std::optional<Failure> writeBatchDrawing(const std::filesystem::path &path, int width, int height,
                                         const DrawingRoutine &draw);

// The cross-section of the current shape. Matches BatchHooks::writeCrossSectionImage.
std::optional<Failure> writeCrossSectionImage(const ProjectRecord &record,
                                              const std::filesystem::path &path, int width,
                                              int height);

// The input sketch for the method that solved the record (the batch command
// draws after its run). Matches BatchHooks::writeSketchImage.
std::optional<Failure> writeSketchImage(const ProjectRecord &record,
                                        const std::filesystem::path &path, int width, int height);

} // namespace vendrix

#include "graphics/image_export.h"

#include "model/windows1252.h"

#include "graphics/batch_report.h"
#include "graphics/bmp_file.h"
#include "graphics/cross_section_drawing.h"
#include "graphics/input_sketch_drawing.h"
#include "model/atomic_file.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>

#include <algorithm>
#include <cctype>

namespace vendrix {

namespace {

std::string lowerExtension(const std::filesystem::path &file)
{
    const std::string &path = file.native();
    const size_t dot = path.find_last_of('.');
    const size_t slash = path.find_last_of('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return {};
    std::string extension = path.substr(dot + 1);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

QByteArray svgBytes(QSize size, const DrawingRoutine &draw)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setResolution(96);
    generator.setTitle(QStringLiteral("Vendrix"));
    QPainter painter(&generator);
    draw(painter, QRectF(QPointF(0, 0), size));
    painter.end();
    return buffer.data();
}

} // namespace

QImage renderDrawing(const DrawingRoutine &draw, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    draw(painter, QRectF(QPointF(0, 0), size));
    painter.end();
    return image;
}

std::optional<Failure> writeDrawingImage(const std::filesystem::path &path, QSize size,
                                         const DrawingRoutine &draw)
{
    if (size.width() < 1 || size.height() < 1 || size.width() > 10000 || size.height() > 10000)
        return Failure::plain("The picture size must lie between 1x1 and 10000x10000 pixels.");
    const std::string extension = lowerExtension(path);
    QByteArray bytes;
    if (extension == "svg") {
        bytes = svgBytes(size, draw);
    } else if (extension == "bmp") {
        const std::string bmp = bmpFileBytes(renderDrawing(draw, size));
        bytes = QByteArray(bmp.data(), static_cast<qsizetype>(bmp.size()));
    } else if (extension == "png") {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (!renderDrawing(draw, size).save(&buffer, "PNG"))
            return Failure::plain("The PNG picture could not be made.");
    } else {
        return Failure::plain("Unknown picture type \"" + utf8ToWindows1252(extension)
                              + "\": use .png, .bmp or .svg.");
    }
    return writeFileAtomically(path, std::string_view(bytes.constData(), bytes.size()));
}

std::optional<Failure> writeBatchDrawing(const std::filesystem::path &path, int width, int height,
                                         const DrawingRoutine &draw)
{
    if (auto failure = ensureGraphicsApplication())
        return failure;
    return writeDrawingImage(path, QSize(width, height), draw);
}

std::optional<Failure> writeCrossSectionImage(const ProjectRecord &record,
                                              const std::filesystem::path &path, int width,
                                              int height)
{
    const auto draw = [&record](QPainter &painter, const QRectF &target) {
        drawCrossSection(painter, target, record);
    };
    return writeBatchDrawing(path, width, height, draw);
}

std::optional<Failure> writeSketchImage(const ProjectRecord &record,
                                        const std::filesystem::path &path, int width, int height)
{
    const auto draw = [&record](QPainter &painter, const QRectF &target) {
        drawInputSketch(painter, target, record, record.solution.method);
    };
    return writeBatchDrawing(path, width, height, draw);
}

} // namespace vendrix

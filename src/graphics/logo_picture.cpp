#include "graphics/logo_picture.h"

#include "graphics/dib_image.h"
#include "graphics/page_canvas.h"
#include "model/dib_file.h"
#include "model/regular_file.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <QSvgRenderer>

namespace vendrix {

namespace {

QByteArray viewOf(std::string_view bytes)
{
    return QByteArray::fromRawData(bytes.data(), qsizetype(bytes.size()));
}

bool isWindowsBitmap(std::string_view bytes)
{
    return bytes.substr(0, 2) == "BM";
}

// Only what names an svg element goes to the vector reader, which otherwise
// complains on the error output about every file it cannot parse.
bool mayBeSvg(std::string_view bytes)
{
    return bytes.find("<svg") != std::string_view::npos;
}

} // namespace

LogoPicture::LogoPicture() = default;
LogoPicture::~LogoPicture() = default;

bool LogoPicture::loadFromFile(const std::string &path)
{
    clear();
    // A FIFO or device named as the logo is refused instead of waited for.
    std::string bytes;
    if (readRegularFile(path, bytes, kDibMaxFileBytes))
        return false;
    return loadFromBytes(bytes);
}

bool LogoPicture::loadFromBytes(std::string_view bytes)
{
    clear();
    // A bitmap is ours to decode, with its own rules, even where Qt would take it.
    if (isWindowsBitmap(bytes)) {
        DibImage bitmap;
        if (!bitmap.loadFromBytes(bytes))
            return false;
        m_image = bitmap.image();
        return true;
    }
    return loadRaster(bytes) || loadVector(bytes);
}

bool LogoPicture::loadRaster(std::string_view bytes)
{
    QByteArray data = viewOf(bytes);
    QBuffer device(&data);
    device.open(QIODevice::ReadOnly);
    QImageReader reader(&device);
    const QByteArray format = reader.format();
    if (format != "png" && format != "jpeg")
        return false;
    // The size is known before any pixel is decoded; a huge one is refused unread.
    const QSize size = reader.size();
    if (size.isEmpty() || qint64(size.width()) * size.height() > kDibMaxPixels)
        return false;
    reader.setAutoTransform(true);
    return reader.read(&m_image);
}

bool LogoPicture::loadVector(std::string_view bytes)
{
    if (!mayBeSvg(bytes))
        return false;
    auto renderer = std::make_unique<QSvgRenderer>(viewOf(bytes));
    if (!renderer->isValid())
        return false;
    m_vector = std::move(renderer);
    return true;
}

bool LogoPicture::draw(PageCanvas &canvas, double x, double y, double width, double height) const
{
    if (m_vector) {
        canvas.vectors(*m_vector, x, y, width, height);
        return true;
    }
    if (m_image.isNull())
        return false;
    canvas.image(m_image, x, y, width, height);
    return true;
}

void LogoPicture::clear()
{
    m_image = QImage();
    m_vector.reset();
}

std::optional<std::string> logoProblem(const std::string &path)
{
    const std::string tail = " The report is printed without the logo.";
    std::string bytes;
    if (const auto failure = readRegularFile(path, bytes, kDibMaxFileBytes)) {
        // The logo's path is a record text, in the message's own code.
        std::string message = failure->messageText;
        if (const std::size_t at = message.find(kFailurePathMark); at != std::string::npos)
            message.replace(at, 2, path);
        return "The logo cannot be used: " + message + "." + tail;
    }
    LogoPicture logo;
    if (!logo.loadFromBytes(bytes))
        return "The logo \"" + path
            + "\" cannot be used: Vendrix prints PNG, JPEG and SVG pictures and Windows bitmaps "
              "(.bmp) with a 40-byte header, stored bottom-up and uncompressed, each complete "
              "and of at most 16 million pixels."
            + tail;
    return std::nullopt;
}

} // namespace vendrix

#include "graphics/dib_image.h"

#include "graphics/page_canvas.h"
#include "model/dib_file.h"
#include "model/regular_file.h"

#include <cstring>

namespace vendrix {

bool DibImage::loadFromFile(const std::string &path)
{
    clear();
    // A FIFO or device named as the logo is refused instead of waited for.
    std::string bytes;
    if (readRegularFile(path, bytes, kDibMaxFileBytes))
        return false;
    return loadFromBytes(bytes);
}

bool DibImage::loadFromBytes(std::string_view bytes)
{
    clear();
    DibPicture picture;
    if (!decodeDib(bytes, picture))
        return false;
    QImage image(picture.width, picture.height, QImage::Format_RGB32);
    if (image.isNull())
        return false;
    for (int row = 0; row < picture.height; ++row)
        std::memcpy(image.scanLine(row),
                    picture.pixels.data() + std::size_t(row) * std::size_t(picture.width),
                    std::size_t(picture.width) * 4);
    m_image = std::move(image);
    m_colourCount = picture.colourCount;
    return true;
}

bool DibImage::draw(PageCanvas &canvas, double x, double y, double width, double height) const
{
    if (m_image.isNull())
        return false;
    canvas.image(m_image, x, y, width, height);
    return true;
}

void DibImage::clear()
{
    m_image = QImage();
    m_colourCount = 0;
}

} // namespace vendrix

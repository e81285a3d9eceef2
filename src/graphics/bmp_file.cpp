#include "graphics/bmp_file.h"

#include "model/atomic_file.h"

#include <cstdint>

namespace vendrix {

namespace {

void put16(std::string &bytes, std::uint16_t value)
{
    bytes += static_cast<char>(value & 0xFF);
    bytes += static_cast<char>(value >> 8);
}

void put32(std::string &bytes, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        bytes += static_cast<char>((value >> shift) & 0xFF);
}

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint16_t kBitsPerPixel = 24;

} // namespace

std::string bmpFileBytes(const QImage &source)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB888);
    const auto width = static_cast<std::uint32_t>(image.width());
    const auto height = static_cast<std::uint32_t>(image.height());
    // Rows are padded to whole 32-bit words.
    const std::uint32_t rowBytes = ((kBitsPerPixel * width + 31) / 32) * 4;
    const std::uint32_t imageSize = rowBytes * height;
    const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize;

    std::string bytes;
    bytes.reserve(offset + imageSize);
    bytes += "BM";
    put32(bytes, offset + imageSize);
    put16(bytes, 0);
    put16(bytes, 0);
    put32(bytes, offset);

    put32(bytes, kInfoHeaderSize);
    put32(bytes, width);
    put32(bytes, height); // positive: the bottom row comes first
    put16(bytes, 1); // planes
    put16(bytes, kBitsPerPixel);
    put32(bytes, 0); // no compression
    put32(bytes, imageSize);
    put32(bytes, 0); // horizontal and vertical resolution not given
    put32(bytes, 0);
    put32(bytes, 0); // no colour table
    put32(bytes, 0);

    for (int y = image.height() - 1; y >= 0; --y) {
        const uchar *row = image.constScanLine(y);
        const size_t start = bytes.size();
        for (std::uint32_t x = 0; x < width; ++x) {
            bytes += static_cast<char>(row[3 * x + 2]); // blue, green, red
            bytes += static_cast<char>(row[3 * x + 1]);
            bytes += static_cast<char>(row[3 * x]);
        }
        bytes.append(rowBytes - (bytes.size() - start), '\0');
    }
    return bytes;
}

std::optional<Failure> writeBmpFile(const std::filesystem::path &path, const QImage &image)
{
    if (image.isNull())
        return Failure::plain("There is no picture to save.");
    return writeFileAtomically(path, bmpFileBytes(image));
}

} // namespace vendrix

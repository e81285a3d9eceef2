#include "model/dib_file.h"

#include <algorithm>

namespace vendrix {

namespace {

constexpr std::size_t kFileHeaderBytes = 14;
constexpr std::size_t kInfoHeaderBytes = 40;

std::uint32_t readU32(std::string_view b, std::size_t at)
{
    const auto *p = reinterpret_cast<const unsigned char *>(b.data() + at);
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16
        | std::uint32_t(p[3]) << 24;
}

std::uint16_t readU16(std::string_view b, std::size_t at)
{
    const auto *p = reinterpret_cast<const unsigned char *>(b.data() + at);
    return std::uint16_t(p[0] | p[1] << 8);
}

std::uint32_t rgb(int r, int g, int b)
{
    return 0xFF000000u | std::uint32_t(r) << 16 | std::uint32_t(g) << 8 | std::uint32_t(b);
}

// Scales a value cut out by a bit mask to 0..255.
int maskedChannel(std::uint32_t value, std::uint32_t mask)
{
    if (mask == 0)
        return 0;
    int shift = 0;
    while (((mask >> shift) & 1u) == 0)
        ++shift;
    const std::uint32_t m = mask >> shift;
    const std::uint32_t v = (value >> shift) & m;
    return int((std::uint64_t(v) * 255 + m / 2) / m);
}

std::array<std::uint32_t, 256> buildDefaultPalette()
{
    std::array<std::uint32_t, 256> p {};
    // The 20 colours every palette device keeps for itself.
    const std::uint32_t first[10]
        = {rgb(0, 0, 0),       rgb(128, 0, 0),    rgb(0, 128, 0),   rgb(128, 128, 0),
           rgb(0, 0, 128),     rgb(128, 0, 128),  rgb(0, 128, 128), rgb(192, 192, 192),
           rgb(192, 220, 192), rgb(166, 202, 240)};
    const std::uint32_t last[10]
        = {rgb(255, 251, 240), rgb(160, 160, 164), rgb(128, 128, 128), rgb(255, 0, 0),
           rgb(0, 255, 0),     rgb(255, 255, 0),   rgb(0, 0, 255),     rgb(255, 0, 255),
           rgb(0, 255, 255),   rgb(255, 255, 255)};
    int n = 0;
    for (std::uint32_t c : first)
        p[n++] = c;
    const int levels[6] = {0, 44, 86, 135, 192, 255};
    for (int r : levels)
        for (int g : levels)
            for (int b : levels)
                p[n++] = rgb(r, g, b);
    // Grey ramp between the cube and the closing system colours (20 steps).
    for (int i = 0; i < 20; ++i) {
        const int v = 8 + i * 12;
        p[n++] = rgb(v, v, v);
    }
    for (std::uint32_t c : last)
        p[n++] = c;
    return p;
}

} // namespace

int dibColourCount(int bitsPerPixel, std::uint32_t compression, std::uint32_t usedColours)
{
    int count = 0;
    switch (bitsPerPixel) {
    case 1:
        count = 2;
        break;
    case 4:
        count = 16;
        break;
    case 8:
        count = 256;
        break;
    case 16:
    case 32:
        count = compression == 3 ? 3 : 0;
        break;
    default:
        count = 0;
    }
    if (usedColours != 0 && usedColours <= std::uint32_t(count))
        count = int(usedColours);
    return count;
}

const std::array<std::uint32_t, 256> &defaultDibPalette()
{
    static const std::array<std::uint32_t, 256> palette = buildDefaultPalette();
    return palette;
}

std::vector<std::uint32_t> defaultDibPalette(int count)
{
    const auto &all = defaultDibPalette();
    if (count == 2)
        return {all[0], all[255]};
    if (count == 16) {
        std::vector<std::uint32_t> v(all.begin(), all.begin() + 8);
        v.insert(v.end(), all.end() - 8, all.end());
        return v;
    }
    return {all.begin(), all.end()};
}

namespace {

// What the two headers say about the pixels, once they have been checked.
struct DibLayout
{
    std::int32_t width = 0;
    std::int32_t height = 0;
    int bits = 0;
    int colours = 0; // colour-table entries
    bool bitFields = false; // 16 or 32 bits with their own channel masks
    std::int64_t rowBytes = 0;
    std::string_view data; // the pixel block, as far as the file holds it
};

// False when the headers do not describe a bottom-up bitmap with a plain pixel
// layout whose colour table and pixel block lie within the bytes.
bool readLayout(std::string_view bytes, std::int64_t maxPixels, DibLayout &layout)
{
    if (bytes.size() < kFileHeaderBytes + kInfoHeaderBytes)
        return false;
    if (bytes[0] != 'B' || bytes[1] != 'M')
        return false;
    const std::uint32_t fileSize = readU32(bytes, 2);
    const std::uint32_t pixelOffset = readU32(bytes, 10);
    const std::size_t h = kFileHeaderBytes;
    if (readU32(bytes, h) != kInfoHeaderBytes)
        return false;
    const std::int32_t width = std::int32_t(readU32(bytes, h + 4));
    const std::int32_t height = std::int32_t(readU32(bytes, h + 8));
    const int bits = readU16(bytes, h + 14);
    const std::uint32_t compression = readU32(bytes, h + 16);
    const int colours = dibColourCount(bits, compression, readU32(bytes, h + 32));
    if (h + kInfoHeaderBytes + std::size_t(colours) * 4 > bytes.size())
        return false; // short colour table

    // A top-down image (negative height) or an empty one has no positive size.
    if (width <= 0 || height <= 0)
        return false;
    if (std::int64_t(width) * height > maxPixels)
        return false;
    // Only plain pixel layouts are decoded; run-length and other encodings are refused.
    const bool bitFields = compression == 3 && (bits == 16 || bits == 32);
    if (compression != 0 && !bitFields)
        return false;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return false;

    const std::int64_t rowBytes = ((std::int64_t(bits) * width + 31) / 32) * 4;
    const std::int64_t imageSize = rowBytes * height;
    // A file shorter than its size in pixels claims would print a black band.
    if (std::uint64_t(pixelOffset) + std::uint64_t(imageSize) > bytes.size())
        return false;
    std::int64_t toRead = std::min<std::int64_t>(imageSize, std::int64_t(fileSize) - pixelOffset);
    if (toRead <= 0)
        return false;
    if (std::uint64_t(pixelOffset) + std::uint64_t(toRead) > bytes.size())
        return false; // short pixel block
    layout = DibLayout {width,
                        height,
                        bits,
                        colours,
                        bitFields,
                        rowBytes,
                        bytes.substr(pixelOffset, std::size_t(toRead))};
    return true;
}

std::vector<std::uint32_t> readColourTable(std::string_view bytes, int colours)
{
    std::vector<std::uint32_t> table;
    table.reserve(std::size_t(colours));
    for (int i = 0; i < colours; ++i) {
        const std::size_t at = kFileHeaderBytes + kInfoHeaderBytes + std::size_t(i) * 4;
        const auto *p = reinterpret_cast<const unsigned char *>(bytes.data() + at);
        table.push_back(rgb(p[2], p[1], p[0]));
    }
    return table;
}

// The red, green and blue masks of 16- and 32-bit pixels; false when the
// file's own masks are cut off.
bool readMasks(std::string_view bytes, const DibLayout &layout, std::uint32_t masks[3])
{
    masks[0] = 0x7C00, masks[1] = 0x03E0, masks[2] = 0x001F;
    if (layout.bits == 32)
        masks[0] = 0xFF0000, masks[1] = 0xFF00, masks[2] = 0xFF;
    if (!layout.bitFields)
        return true;
    // The three masks stand where the colour table would, even when the
    // used-colour count claims fewer entries.
    const std::size_t at = kFileHeaderBytes + kInfoHeaderBytes;
    if (at + 12 > bytes.size())
        return false;
    for (int i = 0; i < 3; ++i)
        masks[i] = readU32(bytes, at + std::size_t(i) * 4);
    return true;
}

// Reads the pixels of one bitmap; bytes beyond what the file holds stay zero,
// as in a freshly created bitmap.
struct PixelReader
{
    const DibLayout &layout;
    const std::vector<std::uint32_t> &table;
    const std::uint32_t *masks;

    unsigned byteAt(std::int64_t offset) const
    {
        return offset < std::int64_t(layout.data.size())
            ? unsigned(static_cast<unsigned char>(layout.data[std::size_t(offset)]))
            : 0u;
    }

    std::uint32_t indexColour(unsigned index) const
    {
        return index < table.size() ? table[index] : rgb(0, 0, 0);
    }

    std::uint32_t masked(std::uint32_t v) const
    {
        return rgb(maskedChannel(v, masks[0]), maskedChannel(v, masks[1]),
                   maskedChannel(v, masks[2]));
    }

    // Pixel x of the row that starts at rowStart in the pixel block.
    std::uint32_t pixel(std::int64_t rowStart, std::int32_t x) const
    {
        switch (layout.bits) {
        case 1:
            return indexColour((byteAt(rowStart + x / 8) >> (7 - x % 8)) & 1u);
        case 4:
            return indexColour((byteAt(rowStart + x / 2) >> ((x % 2) != 0 ? 0 : 4)) & 0xFu);
        case 8:
            return indexColour(byteAt(rowStart + x));
        case 16:
            return masked(byteAt(rowStart + 2 * x) | byteAt(rowStart + 2 * x + 1) << 8);
        case 24: {
            const std::int64_t at = rowStart + 3 * std::int64_t(x);
            return rgb(int(byteAt(at + 2)), int(byteAt(at + 1)), int(byteAt(at)));
        }
        default: {
            const std::int64_t at = rowStart + 4 * std::int64_t(x);
            return masked(byteAt(at) | byteAt(at + 1) << 8 | byteAt(at + 2) << 16
                          | std::uint32_t(byteAt(at + 3)) << 24);
        }
        }
    }
};

} // namespace

bool decodeDib(std::string_view bytes, DibPicture &picture, std::int64_t maxPixels)
{
    picture = DibPicture {};
    DibLayout layout;
    if (!readLayout(bytes, maxPixels, layout))
        return false;
    std::vector<std::uint32_t> table = readColourTable(bytes, layout.colours);
    std::uint32_t masks[3];
    if (!readMasks(bytes, layout, masks))
        return false;

    const PixelReader reader {layout, table, masks};
    const std::int32_t width = layout.width;
    const std::int32_t height = layout.height;
    picture.pixels.resize(std::size_t(width) * std::size_t(height));
    for (std::int32_t row = 0; row < height; ++row) {
        // The file stores rows bottom-up.
        const std::int64_t rowStart = std::int64_t(height - 1 - row) * layout.rowBytes;
        std::uint32_t *out = picture.pixels.data() + std::size_t(row) * std::size_t(width);
        for (std::int32_t x = 0; x < width; ++x)
            out[x] = reader.pixel(rowStart, x);
    }
    picture.width = width;
    picture.height = height;
    picture.bitsPerPixel = layout.bits;
    picture.colourCount = layout.colours;
    picture.pixelBytesRead = std::int64_t(layout.data.size());
    picture.colourTable = std::move(table);
    return true;
}

} // namespace vendrix

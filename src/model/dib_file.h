#pragma once
// Decoding of Windows bitmap files (the company logo) without any graphics
// library, so the checks can run anywhere. Every read is bounded by the bytes
// given; a file that fails any check gives no picture.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace vendrix {

// Largest logo accepted, in pixels (width × height); larger files are refused
// instead of exhausting memory.
inline constexpr std::int64_t kDibMaxPixels = 16LL * 1024 * 1024;

// Largest logo file read, in bytes (a 16-million-pixel bitmap at 32 bits).
inline constexpr std::size_t kDibMaxFileBytes = 200u * 1024 * 1024;

struct DibPicture
{
    int width = 0; // pixels
    int height = 0; // pixels
    int bitsPerPixel = 0;
    int colourCount = 0; // colour-table entries in use (0 without a table)
    std::int64_t pixelBytesRead = 0; // bytes of pixel data taken from the file
    // 0xAARRGGBB, row 0 at the top (the file stores rows bottom-up).
    std::vector<std::uint32_t> pixels;
    std::vector<std::uint32_t> colourTable; // 0xFFRRGGBB, colourCount entries

    bool empty() const { return pixels.empty(); }
};

// Number of colour-table entries: 2, 16, 256 for 1, 4, 8 bits; 3 for 16/32 bits
// with bit fields (compression 3), else 0; a non-zero used-colour count not
// above that number replaces it.
int dibColourCount(int bitsPerPixel, std::uint32_t compression, std::uint32_t usedColours);

// Returns false and leaves `picture` empty when the bytes are not a bottom-up
// Windows bitmap with a 40-byte information header that can be decoded.
bool decodeDib(std::string_view bytes, DibPicture &picture, std::int64_t maxPixels = kDibMaxPixels);

// The fixed 256-colour table used when an image brings no colour table of its
// own: 10 system colours, a 6×6×6 colour cube, a grey ramp, 10 system colours.
const std::array<std::uint32_t, 256> &defaultDibPalette();

// The default palette cut to `count` entries: first and last for 2, the first
// 8 and last 8 for 16, all 256 otherwise.
std::vector<std::uint32_t> defaultDibPalette(int count);

} // namespace vendrix

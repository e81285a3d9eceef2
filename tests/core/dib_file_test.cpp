#include "model/dib_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

using namespace vendrix;

namespace {

void put32(std::string &s, std::size_t at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        s[at + std::size_t(i)] = char((v >> (8 * i)) & 0xFF);
}

void put16(std::string &s, std::size_t at, std::uint16_t v)
{
    s[at] = char(v & 0xFF);
    s[at + 1] = char(v >> 8);
}

struct BmpLayout
{
    int width = 4;
    int height = 3;
    int bits = 24;
    int tableEntries = 0;
    std::uint32_t usedColours = 0;
    std::uint32_t compression = 0;
};

// A bottom-up bitmap whose pixel bytes are 0,1,2,... and colour table entry i is
// (blue i, green 2i, red 3i); the size field equals the bytes written.
std::string makeBmp(const BmpLayout &s)
{
    const int rowBytes = ((s.bits * s.width + 31) / 32) * 4;
    const int pixelBytes = rowBytes * (s.height < 0 ? -s.height : s.height);
    const int offset = 14 + 40 + 4 * s.tableEntries;
    std::string b(std::size_t(offset + pixelBytes), '\0');
    b[0] = 'B';
    b[1] = 'M';
    put32(b, 2, std::uint32_t(b.size()));
    put32(b, 10, std::uint32_t(offset));
    put32(b, 14, 40);
    put32(b, 18, std::uint32_t(s.width));
    put32(b, 22, std::uint32_t(s.height));
    put16(b, 26, 1);
    put16(b, 28, std::uint16_t(s.bits));
    put32(b, 30, s.compression);
    put32(b, 46, s.usedColours);
    for (int i = 0; i < s.tableEntries; ++i) {
        b[std::size_t(54 + 4 * i)] = char(i);
        b[std::size_t(55 + 4 * i)] = char(2 * i);
        b[std::size_t(56 + 4 * i)] = char(3 * i);
    }
    for (int i = 0; i < pixelBytes; ++i)
        b[std::size_t(offset + i)] = char(i & 0xFF);
    return b;
}

std::uint32_t tableColour(int i)
{
    return 0xFF000000u | std::uint32_t((3 * i) & 0xFF) << 16 | std::uint32_t((2 * i) & 0xFF) << 8
        | std::uint32_t(i & 0xFF);
}

} // namespace

TEST(DibFile, DecodesEveryPlainDepth)
{
    struct Row
    {
        BmpLayout layout;
        int colours;
        // Expected top-left pixel: comes from the last stored row (bottom-up).
        std::uint32_t topLeft;
    };
    // 4×3 images: row bytes 4 (1 and 4 bits), 4 (8 bits), 12 (24 bits); the top
    // row is the third stored row.
    const std::vector<Row> rows = {
        {{4, 3, 1, 2}, 2, tableColour((8 >> 7) & 1)},
        {{4, 3, 4, 16}, 16, tableColour(8 >> 4)},
        {{4, 3, 8, 256}, 256, tableColour(8)},
        {{4, 3, 24, 0}, 0, 0xFF000000u | 26u << 16 | 25u << 8 | 24u},
        {{4, 3, 32, 0}, 0, 0xFF000000u | 34u << 16 | 33u << 8 | 32u},
        // 16 bits 5-5-5: bytes 16,17 -> 0x1110: red 4, green 8, blue 16 of 31.
        {{4, 3, 16, 0}, 0, 0xFF000000u | 33u << 16 | 66u << 8 | 132u},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.layout.bits);
        DibPicture p;
        ASSERT_TRUE(decodeDib(makeBmp(r.layout), p));
        EXPECT_EQ(p.width, 4);
        EXPECT_EQ(p.height, 3);
        EXPECT_EQ(p.colourCount, r.colours);
        EXPECT_EQ(p.pixels.size(), 12u);
        EXPECT_EQ(p.pixels[0], r.topLeft);
    }
}

// Every pixel of small images whose stored rows (bottom row first, each padded
// to 4 bytes) are given byte by byte; the colours were worked out by hand.
TEST(DibFile, DecodesEveryPixel)
{
    const auto c = [](std::uint32_t r, std::uint32_t g, std::uint32_t b) {
        return 0xFF000000u | r << 16 | g << 8 | b;
    };
    const auto t = tableColour;
    struct Row
    {
        const char *name;
        BmpLayout layout;
        std::string pixelBytes;
        std::vector<std::uint32_t> masks; // bit fields, written over the table
        std::vector<std::uint32_t> expected; // top row first
    };
    const std::vector<Row> rows = {
        {"1 bit across a byte",
         {10, 2, 1, 2},
         std::string("\xA5\x80\0\0\x0F\x40\0\0", 8),
         {},
         {t(0), t(0), t(0), t(0), t(1), t(1), t(1), t(1), t(0), t(1), //
          t(1), t(0), t(1), t(0), t(0), t(1), t(0), t(1), t(1), t(0)}},
        {"4 bits",
         {3, 2, 4, 16},
         std::string("\x12\x30\0\0\xAB\xC0\0\0", 8),
         {},
         {t(10), t(11), t(12), t(1), t(2), t(3)}},
        {"8 bits",
         {3, 2, 8, 256},
         std::string("\x05\x06\x07\0\xC8\x01\xFF\0", 8),
         {},
         {t(200), t(1), t(255), t(5), t(6), t(7)}},
        {"24 bits",
         {2, 2, 24, 0},
         std::string("\x01\x02\x03\x04\x05\x06\0\0\x0A\x14\x1E\x28\x32\x3C\0\0", 16),
         {},
         {c(30, 20, 10), c(60, 50, 40), c(3, 2, 1), c(6, 5, 4)}},
        {"16 bits 5-5-5",
         {3, 1, 16, 0},
         std::string("\xFF\x7F\x00\x7C\x21\x04\0\0", 8),
         {},
         {c(255, 255, 255), c(255, 0, 0), c(8, 8, 8)}},
        {"16 bits 5-6-5 fields",
         {2, 1, 16, 3, 0, 3},
         std::string("\x10\x84\xE0\x07", 4),
         {0xF800, 0x07E0, 0x001F},
         {c(132, 130, 132), c(0, 255, 0)}},
        {"32 bits",
         {2, 1, 32, 0},
         std::string("\x01\x02\x03\x04\xFF\x80\0\0", 8),
         {},
         {c(3, 2, 1), c(0, 128, 255)}},
        {"32 bits fields, blue in the top byte",
         {1, 1, 32, 3, 0, 3},
         std::string("\x01\x02\x03\x04", 4),
         {0xFF, 0xFF00, 0xFF000000},
         {c(1, 2, 4)}},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        std::string b = makeBmp(r.layout);
        const std::size_t offset = 54 + 4 * std::size_t(r.layout.tableEntries);
        ASSERT_EQ(b.size() - offset, r.pixelBytes.size());
        b.replace(offset, r.pixelBytes.size(), r.pixelBytes);
        for (std::size_t i = 0; i < r.masks.size(); ++i)
            put32(b, 54 + 4 * i, r.masks[i]);
        DibPicture p;
        ASSERT_TRUE(decodeDib(b, p));
        EXPECT_EQ(p.bitsPerPixel, r.layout.bits);
        EXPECT_EQ(p.pixels, r.expected);
    }
    // Masks that end the file, the one pixel lying over the last of them.
    std::string b = makeBmp({1, 1, 16, 3, 0, 3});
    put32(b, 54, 0x7C00);
    put32(b, 58, 0x03E0);
    put32(b, 62, 0x001F);
    put32(b, 10, 62);
    b.resize(66);
    put32(b, 2, 66);
    DibPicture p;
    ASSERT_TRUE(decodeDib(b, p));
    EXPECT_EQ(p.pixels, std::vector<std::uint32_t> {c(0, 0, 255)});
}

TEST(DibFile, UsedColourCountShortensTheTable)
{
    EXPECT_EQ(dibColourCount(8, 0, 16), 16);
    EXPECT_EQ(dibColourCount(8, 0, 300), 256);
    EXPECT_EQ(dibColourCount(4, 0, 0), 16);
    EXPECT_EQ(dibColourCount(16, 3, 0), 3);
    EXPECT_EQ(dibColourCount(32, 3, 0), 3);
    EXPECT_EQ(dibColourCount(32, 0, 5), 0);
    EXPECT_EQ(dibColourCount(24, 0, 0), 0);

    // An 8-bit file with 16 used colours: 16 table entries, pixels right behind.
    BmpLayout s {4, 3, 8, 16, 16};
    DibPicture p;
    ASSERT_TRUE(decodeDib(makeBmp(s), p));
    EXPECT_EQ(p.colourCount, 16);
    ASSERT_EQ(p.colourTable.size(), 16u);
    EXPECT_EQ(p.colourTable[15], tableColour(15));
    // Index 8 of the top row lies inside the table; bytes past 15 fall outside
    // it and become black instead of reading beyond the table.
    EXPECT_EQ(p.pixels[0], tableColour(8));
    EXPECT_EQ(p.pixels[8], 0xFF000000u);
}

TEST(DibFile, PixelBytesLimitedByTheSizeField)
{
    std::string b = makeBmp({4, 3, 24, 0});
    put32(b, 2, 14 + 40 + 12); // size field: only the first (bottom) row
    DibPicture p;
    ASSERT_TRUE(decodeDib(b, p));
    EXPECT_EQ(p.pixelBytesRead, 12);
    EXPECT_EQ(p.pixels[8], 0xFF000000u | 2u << 16 | 1u << 8 | 0u); // bottom row kept
    EXPECT_EQ(p.pixels[0], 0xFF000000u); // rows beyond the size field stay zero
}

TEST(DibFile, RefusesFilesThatFailAnyCheck)
{
    struct Row
    {
        const char *name;
        std::string bytes;
    };
    std::string wrongType = makeBmp({});
    wrongType[0] = 'P';
    std::string coreHeader = makeBmp({});
    put32(coreHeader, 14, 12);
    std::string shortTable = makeBmp({4, 3, 8, 256});
    shortTable.resize(14 + 40 + 100);
    std::string truncated = makeBmp({});
    truncated.resize(truncated.size() - 1);
    // Bit fields with a used-colour count of 1 and the file ending after that
    // one entry: the masks are missing.
    std::string shortMasks = makeBmp({1, 1, 16, 1, 1, 3});
    put32(shortMasks, 10, 54); // the one pixel row overlaps the table entry
    shortMasks.resize(58);
    put32(shortMasks, 2, 58);
    // 100 bytes whose header claims 4096 x 4096 pixels (and the file's size).
    std::string claimsMore = makeBmp({1, 1, 24, 0});
    put32(claimsMore, 18, 4096);
    put32(claimsMore, 22, 4096);
    claimsMore.resize(100, '\0');
    put32(claimsMore, 2, 100);
    std::string noPixels = makeBmp({});
    put32(noPixels, 2, 54); // size field ends where the pixels begin
    const std::vector<Row> rows = {
        {"empty", ""},
        {"file header only", makeBmp({}).substr(0, 14)},
        {"wrong type", wrongType},
        {"12-byte header", coreHeader},
        {"negative height", makeBmp({4, -3, 24, 0})},
        {"zero width", makeBmp({0, 3, 24, 0})},
        {"short colour table", shortTable},
        {"truncated pixels", truncated},
        {"no pixel bytes", noPixels},
        {"shorter than its header claims", claimsMore},
        {"bit-field masks missing", shortMasks},
        {"run-length encoded", makeBmp({4, 3, 8, 256, 0, 1})},
        {"two bits", makeBmp({4, 3, 2, 0})},
        {"huge",
         makeBmp({1, 1, 24, 0}).replace(18, 8, std::string("\xff\xff\x00\x00\xff\xff\x00\x00", 8))},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        DibPicture p {7, 7, 7, 7, 7, {7}, {7}};
        EXPECT_FALSE(decodeDib(r.bytes, p));
        EXPECT_TRUE(p.empty());
        EXPECT_TRUE(p.colourTable.empty());
        EXPECT_EQ(std::vector<std::int64_t>(
                      {p.width, p.height, p.bitsPerPixel, p.colourCount, p.pixelBytesRead}),
                  std::vector<std::int64_t>(5, 0));
    }
}

TEST(DibFile, DefaultPaletteHasItsStructure)
{
    const auto &all = defaultDibPalette();
    EXPECT_EQ(all[0], 0xFF000000u);
    EXPECT_EQ(all[255], 0xFFFFFFFFu);
    EXPECT_EQ(all[10], 0xFF000000u); // cube starts at (0, 0, 0)
    EXPECT_EQ(all[10 + 215], 0xFFFFFFFFu); // and ends at (255, 255, 255)
    // The system colours, ten at each end.
    const std::uint32_t system[20]
        = {0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000, 0xFF000080, 0xFF800080, 0xFF008080,
           0xFFC0C0C0, 0xFFC0DCC0, 0xFFA6CAF0, 0xFFFFFBF0, 0xFFA0A0A4, 0xFF808080, 0xFFFF0000,
           0xFF00FF00, 0xFFFFFF00, 0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0xFFFFFFFF};
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(all[std::size_t(i < 10 ? i : 236 + i)], system[i]) << i;
    EXPECT_EQ(all[11], 0xFF00002Cu); // cube levels 0, 44, 86, 135, 192, 255
    EXPECT_EQ(all[10 + 36 * 3 + 6 * 2 + 5], 0xFF8756FFu);
    EXPECT_EQ(all[226], 0xFF080808u); // grey ramp 8, 20, ... 236
    EXPECT_EQ(all[245], 0xFFECECECu);
    EXPECT_EQ(defaultDibPalette(2), (std::vector<std::uint32_t> {0xFF000000u, 0xFFFFFFFFu}));
    const auto sixteen = defaultDibPalette(16);
    ASSERT_EQ(sixteen.size(), 16u);
    EXPECT_EQ(sixteen[7], all[7]);
    EXPECT_EQ(sixteen[8], all[248]);
    EXPECT_EQ(sixteen[15], all[255]);
    EXPECT_EQ(defaultDibPalette(3).size(), 256u);
}

// Random corruptions of valid files must never read out of bounds (checked by
// the sanitizer builds) and never give a picture inconsistent with its size.
TEST(DibFile, RandomMutationsNeverCrash)
{
    std::mt19937 rng(20261208);
    const std::vector<std::string> seeds
        = {makeBmp({5, 4, 1, 2}),  makeBmp({5, 4, 4, 16}),       makeBmp({7, 3, 8, 256}),
           makeBmp({3, 5, 24, 0}), makeBmp({3, 2, 16, 3, 0, 3}), makeBmp({2, 2, 32, 0})};
    int decoded = 0;
    for (int round = 0; round < 4000; ++round) {
        std::string b = seeds[std::size_t(round) % seeds.size()];
        const int edits = 1 + int(rng() % 6);
        for (int e = 0; e < edits; ++e) {
            switch (rng() % 3) {
            case 0:
                if (!b.empty())
                    b[rng() % b.size()] = char(rng());
                break;
            case 1:
                b.resize(rng() % (b.size() + 1));
                break;
            default:
                // Hit the size, offset and header fields more often.
                if (b.size() >= 54)
                    b[std::size_t(2 + rng() % 52)] = char(rng());
            }
        }
        DibPicture p;
        if (decodeDib(b, p, 1 << 16)) {
            ++decoded;
            EXPECT_EQ(p.pixels.size(), std::size_t(p.width) * std::size_t(p.height));
        }
    }
    EXPECT_GT(decoded, 0);
}

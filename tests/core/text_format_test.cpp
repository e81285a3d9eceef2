#include "model/c_format.h"
#include "model/windows1252.h"
#include "number_parse_cases.h"

#include <gtest/gtest.h>

#include <clocale>
#include <locale>

namespace vendrix {
namespace {

// A comma-decimal locale installed globally, as a user's environment might.
struct CommaDecimal : std::numpunct<char>
{
    char do_decimal_point() const override { return ','; }
};

TEST(CFormat, NumbersUseADotWhateverTheLocale)
{
    const std::locale previous = std::locale::global(std::locale(std::locale(), new CommaDecimal));
    const char *cLocale = std::setlocale(LC_ALL, nullptr);
    const std::string saved = cLocale ? cLocale : "C";
    // Any installed comma locale also switches printf itself.
    for (const char *name : {"de_DE.UTF-8", "de_DE", "fr_FR.UTF-8", "C.UTF-8"}) {
        if (std::setlocale(LC_ALL, name))
            break;
    }
    EXPECT_EQ(formatC("%.2f", 3.1831 - 0.005), "3.18");
    EXPECT_EQ(formatC("%10.3f", -1.5), "    -1.500");
    EXPECT_EQ(formatFieldNumber(10.0), "10");
    EXPECT_EQ(formatFieldNumber(10.0 * 3.28084), "32.8084");
    EXPECT_EQ(formatFieldNumber(9.8073607 * 6.365627), "62.4300000706589");
    double value = 0;
    EXPECT_TRUE(parseFieldNumber(" 12.5 ", value));
    EXPECT_EQ(value, 12.5);
    std::setlocale(LC_ALL, saved.c_str());
    std::locale::global(previous);
}

TEST(CFormat, FieldNumbers)
{
    const auto no = std::nullopt;
    test::expectNumbersRead(parseFieldNumber,
                            {{"10", 10},
                             {"  -3.5", -3.5},
                             {"1e2", 100},
                             {"abc", no},
                             {"12,5", no},
                             {"1.2.3", no},
                             {"", no},
                             {"   ", no}});
}

TEST(CFormat, ResultsThatWouldPrintAsZero)
{
    const struct
    {
        int decimals;
        double value;
        const char *expected;
    } cases[] = {
        {0, 0.0, "0"},
        {1, 0.0, "0.0"},
        {0, 0.4, "0.40"},
        {0, 0.5, "0.50"},
        {0, 0.51, "1"},
        {1, 0.034, "0.034"},
        {1, 0.05, "0.1"},
        {0, -0.27, "-0.27"},
        {3, 0.0001234, "0.00012"},
        {0, 12.4, "12"},
        {1, 1e-15, "1.0e-15"},
        {2, 0.00999, "0.01"},
        // Below 1e-4 always with an exponent, never some values of a window in each notation.
        {1, 8e-8, "8.0e-08"},
        {1, 9.9e-13, "9.9e-13"},
        {0, -3e-6, "-3.0e-06"},
        {1, 0.001, "0.0010"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(formatResult(c.decimals, c.value), c.expected);
    }
}

TEST(CFormat, LongOutputIsNotCut)
{
    const std::string long_text(1000, 'x');
    EXPECT_EQ(formatC("%s!", long_text.c_str()), long_text + "!");
}

// Control characters cannot break an output line or act on a terminal; line
// breaks of any convention become one "\n" in a text of several lines.
TEST(CFormat, PrintableLineAndLines)
{
    struct Case
    {
        std::string text, line, lines;
    };
    const Case cases[] = {
        {"\r\nA\rB\n\nC\r", "  A B  C ", "\nA\nB\n\nC\n"},
        {std::string("x\ty\x1b[2J\x7f\x80\xff\0z", 12), std::string("x y [2J \x80\xff z"),
         std::string("x y [2J \x80\xff z")},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(printableLine(c.text), c.line);
        EXPECT_EQ(printableLines(c.text), c.lines);
    }
}

TEST(Windows1252, EveryByteRoundTripsThroughUtf8)
{
    for (int b = 0; b < 256; ++b) {
        SCOPED_TRACE(b);
        const std::string bytes(1, static_cast<char>(b));
        EXPECT_EQ(utf8ToWindows1252(windows1252ToUtf8(bytes)), bytes);
    }
    EXPECT_EQ(windows1252ToUtf8("\x80\xB3"), "\xE2\x82\xAC\xC2\xB3");
    // One '?' per character the code page lacks; a broken sequence costs one
    // '?' per byte and never swallows the character after it.
    const struct
    {
        const char *utf8;
        const char *expected;
    } cases[] = {
        {"\xC3\xA9\xE2\x82\xAC", "\xE9\x80"},
        {"\xE6\xBC\xA2", "?"}, // outside the code page
        {"\xF0\x9F\x98\x80\x41", "?A"}, // four bytes, outside too (0x41: A)
        {"\xC3", "?"}, // cut sequence
        {"\xF0\x9F\x98", "???"},
        {"\xC3x\xE2\x82x", "?x??x"}, // a lead byte without its continuation
        {"\xFF\xF8\x80x", "???x"}, // bytes that never start a character
    };
    for (const auto &c : cases)
        EXPECT_EQ(utf8ToWindows1252(c.utf8), c.expected) << c.utf8;
}

} // namespace
} // namespace vendrix

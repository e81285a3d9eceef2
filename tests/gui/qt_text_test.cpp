#include "graphics/qt_text.h"

#include <gtest/gtest.h>

namespace vendrix {
namespace {

TEST(QtText, EveryWindows1252ByteSurvivesTheRoundTrip)
{
    for (int b = 0; b < 256; ++b) {
        SCOPED_TRACE(b);
        const std::string bytes(1, static_cast<char>(b));
        const QString text = toQString(bytes);
        ASSERT_EQ(text.size(), 1);
        EXPECT_EQ(fromQString(text), bytes);
    }
}

TEST(QtText, KnownCharacters)
{
    EXPECT_EQ(toQString("\x80"), QString(QChar(0x20AC)));
    EXPECT_EQ(toQString("[kN/m \xB3]"), QStringLiteral("[kN/m ³]"));
    EXPECT_EQ(fromQString(QStringLiteral("€ ²")), std::string("\x80 \xB2"));
    EXPECT_EQ(fromQString(QStringLiteral("漢")), "?");
}

} // namespace
} // namespace vendrix

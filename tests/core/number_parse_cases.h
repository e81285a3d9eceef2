#pragma once
// Checks a number reader against texts it must take (with their value) or refuse.

#include <gtest/gtest.h>

#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace vendrix::test {

// nullopt: the text is refused.
using NumberText = std::pair<std::string_view, std::optional<double>>;

inline void expectNumbersRead(bool (*read)(std::string_view, double &),
                              const std::vector<NumberText> &cases)
{
    for (const auto &[text, expected] : cases) {
        SCOPED_TRACE(std::string(text));
        double value = -1;
        EXPECT_EQ(read(text, value), expected.has_value());
        if (expected) {
            EXPECT_EQ(value, *expected);
        }
    }
}

} // namespace vendrix::test

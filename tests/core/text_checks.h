#pragma once
// Reading texts the program writes: their lines, and pieces they hold or lack.

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vendrix::test {

// The lines of a text written with Windows line ends, without the CR LF.
inline std::vector<std::string> crLfLines(const std::string &text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find("\r\n", start);
        EXPECT_NE(end, std::string::npos) << "every line ends with CR LF";
        if (end == std::string::npos)
            break;
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

// Pieces a text must hold and pieces it must not.
struct TextPieces
{
    std::vector<std::string> present;
    std::vector<std::string> absent;
};

using PieceFinder = bool (*)(const std::string &text, const std::string &piece);

inline bool holdsPiece(const std::string &text, const std::string &piece)
{
    return text.find(piece) != std::string::npos;
}

inline void expectPieces(const std::string &text, const TextPieces &pieces,
                         PieceFinder finds = holdsPiece)
{
    for (const std::string &piece : pieces.present)
        EXPECT_TRUE(finds(text, piece)) << "missing: " << piece << "\n" << text;
    for (const std::string &piece : pieces.absent)
        EXPECT_FALSE(finds(text, piece)) << "unexpected: " << piece;
}

} // namespace vendrix::test

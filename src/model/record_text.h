#pragma once
// A text of the project record as the project file stores it: Windows-1252
// bytes. A type of its own, so that it cannot be mixed by accident with the
// UTF-8 of paths, the terminal or JSON: windows1252.h converts it for those,
// graphics/qt_text.h for QString.

#include <string>
#include <utility>

namespace vendrix {

struct RecordText
{
    std::string cp1252;

    RecordText() = default;
    explicit RecordText(std::string windows1252)
        : cp1252(std::move(windows1252))
    { }
    // Literals in the program are ASCII, the same in either encoding.
    RecordText(const char *ascii)
        : cp1252(ascii)
    { }

    bool empty() const { return cp1252.empty(); }
    std::size_t size() const { return cp1252.size(); }
    bool operator==(const RecordText &) const = default;
    bool operator==(const char *ascii) const { return cp1252 == ascii; }
};

} // namespace vendrix

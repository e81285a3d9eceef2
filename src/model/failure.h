#pragma once
// A refused input, run or file: its error number, the message the user reads
// and the field that gets the keyboard focus. Rules, the run and the file
// functions all report with this one type; callers recognise an error by its
// number, never by its text.

#include <filesystem>
#include <string>
#include <utility>

namespace vendrix {

// Stands in the message for the file the failure is about.
inline constexpr const char *kFailurePathMark = "%1";

struct Failure
{
    // A rule's refusal is written {number, message, field}; a file's adds the path.
    Failure(int number = 0, std::string messageText = {}, std::string focusField = {},
            std::filesystem::path path = {})
        : number(number)
        , messageText(std::move(messageText))
        , focusField(std::move(focusField))
        , path(std::move(path))
    { }

    int number = 0; // 101 for "Error No.101"; 0 for a plain message without a number
    // Windows-1252, including any "\n\nPlease correcet"; with a path, its first
    // "%1" marks where the file's name goes.
    std::string messageText;
    std::string focusField; // record field name of the offending input (= widget objectName)
    // The file the message is about, kept apart so that its name reaches the
    // terminal, JSON and message boxes in its own encoding (UTF-8 on Linux).
    std::filesystem::path path;

    // "Error No.101", or empty for a plain message.
    std::string errorNumberText() const;

    // A plain message without a number or a field, e.g. why a file cannot be read.
    static Failure plain(std::string messageText) { return {0, std::move(messageText), {}, {}}; }
    // A plain message about a file; "%1" in the message stands for its name.
    static Failure aboutFile(std::string messageText, std::filesystem::path path)
    {
        return {0, std::move(messageText), {}, std::move(path)};
    }
};

// The whole message in UTF-8, the path put in place of its mark: what the
// batch command prints and writes into JSON.
std::string failureTextUtf8(const Failure &failure);

} // namespace vendrix

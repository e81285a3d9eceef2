#pragma once
// A refused input, run or file: its error number, the message the user reads
// and the field that gets the keyboard focus. Rules, the run and the file
// functions all report with this one type; callers recognise an error by its
// number, never by its text.

#include <string>
#include <utility>

namespace vendrix {

struct Failure
{
    int number = 0; // 101 for "Error No.101"; 0 for a plain message without a number
    std::string messageText; // Windows-1252, including any "\n\nPlease correcet"
    std::string focusField; // record field name of the offending input (= widget objectName)

    // "Error No.101", or empty for a plain message.
    std::string errorNumberText() const;

    // A plain message without a number or a field, e.g. why a file cannot be read.
    static Failure plain(std::string messageText) { return {0, std::move(messageText), {}}; }
};

} // namespace vendrix

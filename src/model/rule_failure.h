#pragma once
// A failed input rule: what the conflict message dialog shows and which field
// gets the keyboard focus.

#include <string>

namespace vendrix {

struct RuleFailure
{
    std::string errorNumberText; // "Error No.101"
    std::string messageText; // Windows-1252, including any "\n\nPlease correcet"
    std::string focusField; // record field name of the offending input (= widget objectName)
};

} // namespace vendrix

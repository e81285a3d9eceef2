#pragma once
// The design check as the window and the printed page show it: a summary of
// the inputs, one row per check in the display units, and the notes that
// qualify the results. Texts are Windows-1252 bytes.

#include "model/solution_method.h"
#include "post/design_check.h"

#include <string>
#include <vector>

namespace vendrix {

enum class RowVerdict {
    None, // a value without a verdict, or no value (the note says why)
    Pass,
    Fail,
};

struct DesignCheckRow
{
    std::string check; // "Sliding safety factor"
    std::string value; // "2.13", or "-" when the check gives none
    std::string limit; // ">= 1.5"
    RowVerdict verdict = RowVerdict::None;
    std::string note; // the reason, the band or what follows from the value
};

// "PASS", "FAIL" or "".
const char *verdictText(RowVerdict verdict);

// "Available strength, circumferential: 100 kN/m", ... as used by the check.
std::vector<std::string> designCheckInputLines(const DesignCheckInputs &check,
                                               const DesignCheckResult &result,
                                               const DisplaySettings &display);

std::vector<DesignCheckRow> designCheckRows(const DesignCheckInputs &check,
                                            const DesignCheckResult &result,
                                            const DisplaySettings &display);

// What qualifies every result: the method the check solves by (when the
// program's choice is another) and the conventions of the rigid-body checks.
std::vector<std::string> designCheckNotes(const DesignCheckResult &result, SolutionMethod chosen);

} // namespace vendrix

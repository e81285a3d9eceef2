#pragma once
// The numbered input rules of the input dialogs. Each check takes a record (a
// dialog checks a copy holding what was typed), applies the rules in their
// fixed order and returns the first failure: its error number text, its message
// (Windows-1252) and the record field name of the input that gets the focus. No
// value means every rule passed.

#include "model/failure.h"
#include "model/field_table.h"
#include "model/project_record.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vendrix {

// Fixed tail of most numbered messages (spelling as the users know it).
inline constexpr const char *kPleaseCorrect = "\n\nPlease correcet";

// Field-format messages, shown in a plain message box (not the conflict dialog).
inline constexpr const char *kPleaseEnterNumber = "Please enter a number.";
// "Please enter no more than 40 characters."
std::string tooManyCharactersMessage(int maximum);

// ---- Field format -------------------------------------------------------------

// Reads a numeric field as typed. Only finite numbers count: "abc", "", "12,5",
// "nan" and "inf" are refused, so a non-number can never reach the record.
std::optional<double> parseShownNumber(std::string_view text);

// The same as a rule: on failure the message is "Please enter a number.", the
// error number text is empty (plain message box) and the focus goes to `field`.
std::optional<Failure> checkNumberField(FieldId field, std::string_view text, double &value);

// "Please enter no more than %1 characters." when `text` is longer than the
// field allows (its maxLength in the field table); error number text empty
// (plain message box), focus on `field`.
std::optional<Failure> checkTextLength(FieldId field, std::string_view text);

// ---- Bounds of every number field ---------------------------------------------

// "<what> should lie between <lowest> and <highest> <unit>.", the limits in the
// shown unit, when the shown value of `field` is outside the bounds of its
// field-table entry.
std::optional<Failure> checkNumberBounds(FieldId field, double shown,
                                         const DisplaySettings &display);

// ---- Slurry Data (Errors 101 to 108) ----------------------------------------

// Error 108: no tube without a circumference. The first rule of Slurry Data, and
// checked again before a run, since a project file may carry any value.
std::optional<Failure> checkCircumference(double circumference);

// The slurry rules on the record's values. The unit weights of the slurry are
// compared with the transporting medium in kN/m3; the others compare the values
// as the dialog shows them (display units), as they always have.
std::optional<Failure> checkSlurryData(const ProjectRecord &record);

// ---- Unit Weight of Water ------------------------------------------------------

// The transporting medium divides the consolidation ratios and weighs the
// slurry: its unit weight (stored, kN/m3) must be a positive normal number.
// The failure has no error number (plain message box), focus on the field.
std::optional<Failure> checkTransportUnitWeight(double transportUnitWeight);

// ---- Geosynthetic Design Parameters (Error 201) -------------------------------

std::optional<Failure> checkReductionFactors(const ProjectRecord &record);

// ---- Type of Analysis (Errors 301 to 304) ------------------------------------

// A desired height above the ideal circular diameter; the run refuses it too.
inline constexpr int kDesiredHeightAboveDiameter = 302;

// Only the rules of the selected objective apply, on the values as shown; the
// desired height may not exceed the ideal circular diameter.
std::optional<Failure> checkAnalysisType(const ProjectRecord &record);

// ---- Design Check (Errors 601 to 610) ------------------------------------------

// Every input of the design check not negative (but a level's -1, which
// follows the outside fluid), the loaded level not below the protected one when
// both are given, then their bounds. The levels are compared with the tube's
// height by the check itself, which knows the tube.
std::optional<Failure> checkDesignCheckInputs(const ProjectRecord &record);

// ---- All analysis inputs of a record -----------------------------------------

// The rules of Unit Weight of Water, Slurry Data, Geosynthetic Design Parameters,
// Type of Analysis and Design Check, in that order: what pressing OK in each of
// those dialogs without a change would report. The batch command applies the same.
std::optional<Failure> checkStoredInputs(const ProjectRecord &record);

// ---- General Information (Error 1120) ----------------------------------------

std::optional<Failure> checkGeneralInformation(std::string_view designer);

// ---- Quantities: cost per unit area (Error 1100) ----------------------------

// One failure per character among the first 15 of the cost text that is neither
// a digit nor a point (two bad characters give two messages); later characters
// are not examined. focusField is empty: the focus stays where it is.
std::vector<Failure> costTextFailures(std::string_view costText);

// The first of costTextFailures, for callers that show a single message.
std::optional<Failure> checkCostText(std::string_view costText);

} // namespace vendrix

#pragma once
// Every saved field of the project record, described once: its name (the
// --set name, the JSON key, the dialog widget's objectName), what it holds, the
// physical quantity of a number (which display factor converts it), and whether
// the project file stores it.

#include "model/failure.h"
#include "model/project_record.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vendrix {

// Choice: an enumeration (analysisType, englishUnits), set by name or number.
enum class FieldKind { Number, Flag, Choice, Text };

// What a number field measures; the display factor of units.h that belongs to it.
enum class Quantity { None, Length, Area, ForcePerLength, Pressure, UnitWeight };

struct FieldEntry
{
    const char *name; // the record field name, e.g. "circumference"
    FieldKind kind;
    Quantity quantity; // None for everything but a physical number
    bool inProjectFile; // false: kept with the program's settings only
    double *(*number)(ProjectRecord &);
    bool *(*flag)(ProjectRecord &);
    std::string *(*text)(ProjectRecord &);
};

// Fields of TubeInput, ProjectInfo and DisplaySettings, in that order.
const std::vector<FieldEntry> &recordFields();

const FieldEntry *findRecordField(std::string_view name);

// The factor from the stored SI value of `quantity` to the displayed one.
double displayFactor(Quantity quantity, const DisplaySettings &display);

// A number field's stored SI value as displayed, and a displayed value as
// stored. An unknown name or a field without a quantity is not converted.
double shownFieldValue(std::string_view name, double stored, const DisplaySettings &display);
double storedFieldValue(std::string_view name, double shown, const DisplaySettings &display);

// Sets a field from command-line text (UTF-8). Numbers are read in the stored
// SI units, in plain decimal notation only; on/off fields take 0 or 1
// (englishUnits: 1 shows English units);
// analysisType takes 0, 1, 2, GivenStrength, GivenHeight or GivenPressure.
// A failure with a readable reason leaves the record unchanged.
std::optional<Failure> setRecordField(ProjectRecord &record, std::string_view name,
                                      std::string_view value);

} // namespace vendrix

#pragma once
// Every saved field of the project record by its name, for setting fields from
// the command line and for listing them in machine-readable output.

#include "model/project_record.h"

#include <string>
#include <string_view>
#include <vector>

namespace vendrix {

enum class FieldKind { Number, Flag, Text };

struct FieldEntry
{
    const char *name; // the record field name, e.g. "circumference"
    FieldKind kind;
    double *(*number)(ProjectRecord &);
    bool *(*flag)(ProjectRecord &);
    std::string *(*text)(ProjectRecord &);
};

// Fields of TubeInput, ProjectInfo and DisplaySettings, in that order.
const std::vector<FieldEntry> &recordFields();

const FieldEntry *findRecordField(std::string_view name);

// Sets a field from command-line text (UTF-8). Numbers are read in the stored
// SI units, in plain decimal notation only; on/off fields take 0 or 1
// (englishUnits: 1 shows English units);
// analysisType takes 0, 1, 2, GivenStrength, GivenHeight or GivenPressure.
// Returns false with a readable reason, leaving the record unchanged.
bool setRecordField(ProjectRecord &record, std::string_view name, std::string_view value,
                    std::string &error);

} // namespace vendrix

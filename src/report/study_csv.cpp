#include "report/study_csv.h"

#include "model/atomic_file.h"
#include "model/c_format.h"
#include "model/windows1252.h"

#include <charconv>

namespace vendrix {

namespace {

// Plain ASCII units, as in the envelope's file, so any spreadsheet reads them alike.
const char *csvUnit(Quantity quantity, UnitSystem units)
{
    const bool english = units == UnitSystem::English;
    switch (quantity) {
    case Quantity::Length:
        return english ? "ft" : "m";
    case Quantity::Area:
        return english ? "ft^2" : "m^2";
    case Quantity::ForcePerLength:
        return english ? "lb/ft" : "kN/m";
    case Quantity::Pressure:
        return english ? "psi" : "kPa";
    case Quantity::UnitWeight:
        return english ? "lb/ft^3" : "kN/m^3";
    case Quantity::FoundationPressure:
        return english ? "psf" : "kPa";
    case Quantity::None:
        break;
    }
    return "-";
}

Quantity fieldQuantity(const std::string &field)
{
    const FieldEntry *entry = findRecordField(field);
    return entry ? entry->quantity : Quantity::None;
}

DisplaySettings settingsFor(UnitSystem units)
{
    DisplaySettings display;
    display.unitSystem = units;
    return display;
}

// A message as one quoted cell: line breaks become blanks, quotes are doubled.
std::string quotedCell(const std::string &windows1252)
{
    std::string cell = "\"";
    for (char c : windows1252ToUtf8(printableLine(windows1252))) {
        cell += c;
        if (c == '"')
            cell += '"';
    }
    return cell + "\"";
}

std::string headerRow(const StudyRequest &request, UnitSystem units)
{
    std::string row;
    for (const StudyAxis *axis : {&request.first, request.second ? &*request.second : nullptr}) {
        if (axis)
            row += formatC("%s [%s],", axis->field.c_str(),
                           csvUnit(fieldQuantity(axis->field), units));
    }
    for (StudyValue value : allStudyValues())
        row += formatC("%s [%s],", studyValueLabel(value),
                       csvUnit(studyValueQuantity(value), units));
    return row + "Converged,Error\n";
}

std::string pointRow(const StudyRequest &request, const StudyPoint &point, UnitSystem units)
{
    const DisplaySettings display = settingsFor(units);
    std::string row
        = shortestNumber(shownStudyInput(request.first.field, point.first, display)) + ",";
    if (request.second)
        row += shortestNumber(shownStudyInput(request.second->field, point.second, display)) + ",";
    for (StudyValue value : allStudyValues()) {
        if (point.solved)
            row += formatC("%.10g",
                           studyValueOf(point, value)
                               * displayFactor(studyValueQuantity(value), display));
        row += ",";
    }
    if (point.solved)
        return row + (point.solution.convergenceWarning ? "no" : "yes") + ",\n";
    return row + "," + quotedCell(point.error) + "\n";
}

} // namespace

std::string shortestNumber(double value)
{
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

std::string studyCsvText(const StudyRequest &request, const std::vector<StudyPoint> &points,
                         UnitSystem units)
{
    std::string text = headerRow(request, units);
    for (const StudyPoint &point : points)
        text += pointRow(request, point, units);
    return text;
}

std::optional<Failure> writeStudyCsvFile(const std::string &path, const StudyRequest &request,
                                         const std::vector<StudyPoint> &points, UnitSystem units)
{
    return writeFileAtomically(path, studyCsvText(request, points, units));
}

} // namespace vendrix

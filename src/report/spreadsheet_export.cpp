#include "report/spreadsheet_export.h"

#include "model/atomic_file.h"
#include "model/c_format.h"
#include "model/units.h"

namespace vendrix {

namespace {

void appendPoint(std::string &text, double x, double y)
{
    text += "\t" + formatC("%10.3f", x) + "\t" + formatC("%10.3f", y) + "\t\r\n";
}

// The right half from the base outwards and up, then the left half back down.
void appendOutline(std::string &text, const ProfileArray &x, const ProfileArray &y, double factor)
{
    for (int i = 0; i <= 360; ++i)
        appendPoint(text, x[static_cast<size_t>(i)] * factor, y[static_cast<size_t>(i)] * factor);
    for (int i = 360; i >= 0; --i)
        appendPoint(text, -x[static_cast<size_t>(i)] * factor, y[static_cast<size_t>(i)] * factor);
}

} // namespace

std::string spreadsheetText(const ProjectRecord &record)
{
    const bool english = record.display.englishUnits != 0;
    const double factor = english ? kFeetPerMetre : 1.0;
    const char *unit = english ? " [ft]" : " [m]";
    std::string text = std::string("\tX") + unit + "\tY" + unit + "\r\n\r\n";
    switch (record.state.shapeShown) {
    case ShapeOption1:
        appendOutline(text, record.consolidation.shapeX, record.consolidation.shapeY, factor);
        break;
    case ShapeOption2: {
        const double halfWidth = record.solution.maxWidth / 2 * factor;
        const double height = record.consolidation.finalHeight * factor;
        appendPoint(text, halfWidth, 0);
        appendPoint(text, halfWidth, height);
        appendPoint(text, -halfWidth, height);
        appendPoint(text, -halfWidth, 0);
        break;
    }
    default:
        appendOutline(text, record.solution.profileX, record.solution.profileY, factor);
        break;
    }
    return text;
}

bool writeSpreadsheetFile(const std::string &path, const ProjectRecord &record, std::string &error)
{
    return writeFileAtomically(path, spreadsheetText(record), error);
}

} // namespace vendrix

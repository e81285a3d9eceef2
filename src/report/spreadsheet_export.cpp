#include "report/spreadsheet_export.h"

#include "model/atomic_file.h"
#include "model/c_format.h"
#include "model/units.h"
#include "report/shape_outline.h"

namespace vendrix {

std::string spreadsheetText(const ProjectRecord &record)
{
    const bool english = isEnglish(record.display);
    const double factor = english ? kFeetPerMetre : 1.0;
    const char *unit = english ? " [ft]" : " [m]";
    std::string text = std::string("\tX") + unit + "\tY" + unit + "\r\n\r\n";
    for (const OutlinePoint &p : shownOutline(record))
        text += "\t" + formatC("%10.3f", p.x * factor) + "\t" + formatC("%10.3f", p.y * factor)
            + "\t\r\n";
    return text;
}

std::optional<Failure> writeSpreadsheetFile(const std::filesystem::path &path,
                                            const ProjectRecord &record)
{
    return writeFileAtomically(path, spreadsheetText(record));
}

} // namespace vendrix

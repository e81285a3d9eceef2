#include "report/outline_csv.h"

#include "model/atomic_file.h"
#include "model/c_format.h"
#include "model/units.h"
#include "report/shape_outline.h"

namespace vendrix {

std::string outlineCsvText(const ProjectRecord &record)
{
    const bool english = isEnglish(record.display);
    const double factor = english ? kFeetPerMetre : 1.0;
    std::string text = english ? "x [ft],y [ft]\n" : "x [m],y [m]\n";
    for (const OutlinePoint &p : shownOutline(record))
        text += formatC("%.4f,%.4f\n", p.x * factor, p.y * factor);
    return text;
}

std::optional<Failure> writeOutlineCsvFile(const std::filesystem::path &path,
                                           const ProjectRecord &record)
{
    return writeFileAtomically(path, outlineCsvText(record));
}

} // namespace vendrix

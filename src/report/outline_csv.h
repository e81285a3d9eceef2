#pragma once
// The outline of the shape that the cross-section shows as comma-separated
// values for spreadsheets and plotting tools.

#include "model/failure.h"
#include "model/project_record.h"

#include <filesystem>
#include <optional>
#include <string>

namespace vendrix {

// A header row "x [m],y [m]" (or [ft] in English units) and one row per point
// of the shown outline in display units, '.' decimals, LF line ends; UTF-8
// (the text is plain ASCII).
std::string outlineCsvText(const ProjectRecord &record);

// The reason when the file could not be written; an existing file is then
// left as it was.
std::optional<Failure> writeOutlineCsvFile(const std::filesystem::path &path,
                                           const ProjectRecord &record);

} // namespace vendrix

#pragma once
// The shape and the numbers of a run as a spreadsheet workbook (.xlsx): sheet
// "Profile" holds the columns of the tab-separated export, sheet "Inputs and
// results" one row per input and result (name, value, unit). Values are in
// the project's display units at full precision; the profile is shown with the
// tab-separated export's three decimals but keeps every digit.

#include "model/failure.h"
#include "model/project_record.h"

#include <filesystem>
#include <optional>

namespace vendrix {

// The reason when the file could not be written; an existing file is then
// left as it was.
std::optional<Failure> writeXlsxFile(const std::filesystem::path &path,
                                     const ProjectRecord &record);

} // namespace vendrix

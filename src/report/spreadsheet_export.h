#pragma once
// The profile coordinates of the current shape as tab-separated text that
// spreadsheet programs open as a two-column table (".xls").

#include "model/failure.h"
#include "model/project_record.h"

#include <filesystem>
#include <optional>
#include <string>

namespace vendrix {

// Both halves of the shape that the cross-section drawing shows (as filled,
// Option 1 or the Option 2 rectangle), in display units; CR LF line ends.
std::string spreadsheetText(const ProjectRecord &record);

// The reason when the file could not be written; an existing file is then
// left as it was.
std::optional<Failure> writeSpreadsheetFile(const std::filesystem::path &path,
                                            const ProjectRecord &record);

} // namespace vendrix

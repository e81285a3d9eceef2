#pragma once
// The results text file: project identification, input data, results and, when
// a consolidated shape is current, the consolidated tube, in display units.

#include "model/failure.h"
#include "model/project_record.h"

#include <filesystem>
#include <optional>
#include <string>

namespace vendrix {

// Windows-1252 text with CR LF line ends.
std::string resultsText(const ProjectRecord &record);

// The reason when the file could not be written; an existing file is then
// left as it was.
std::optional<Failure> writeResultsTextFile(const std::filesystem::path &path,
                                            const ProjectRecord &record);

} // namespace vendrix

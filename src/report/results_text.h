#pragma once
// The results text file: project identification, input data, results and, when
// a consolidated shape is current, the consolidated tube, in display units.

#include "model/project_record.h"

#include <string>

namespace vendrix {

// Windows-1252 text with CR LF line ends.
std::string resultsText(const ProjectRecord &record);

// False with a reason when the file could not be written; an existing file is
// then left as it was.
bool writeResultsTextFile(const std::string &path, const ProjectRecord &record, std::string &error);

} // namespace vendrix

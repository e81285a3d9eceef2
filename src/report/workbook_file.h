#pragma once
// A workbook (.xlsx) made with libxlsxwriter and written like every other file
// of the program: the same refusals, and an existing file left as it was when
// the new one could not be written.

#include "model/failure.h"

#include <ctime>
#include <filesystem>
#include <functional>
#include <optional>
#include <xlsxwriter.h>

namespace vendrix {

// Adds the sheets; returns the first error of libxlsxwriter, or LXW_NO_ERROR.
using WorkbookContent = std::function<lxw_error(lxw_workbook *)>;

std::optional<Failure> writeWorkbookFile(const std::filesystem::path &path,
                                         const WorkbookContent &content);

// The creation time stamped into a workbook: SOURCE_DATE_EPOCH when it holds a
// time, else a fixed one, so that one project always makes the same file.
std::time_t workbookCreationTime();

} // namespace vendrix

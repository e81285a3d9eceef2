#pragma once
// The printed report written to a PDF file without any window (batch mode and
// the desktop program alike).

#include "model/failure.h"
#include "model/project_record.h"

#include <QPageSize>
#include <optional>

#include <string>

namespace vendrix {

// Writes 3 pages, or 4 with the consolidation page (see reportPageCount), in
// colour or black and white and with the logo as the project settings say, on
// the paper of the user's locale (LC_PAPER).
// The file is replaced only when complete; a failure otherwise.
std::optional<Failure> writeReportPdf(const ProjectRecord &record, const std::string &path);

// The same with a chosen paper size and print time (asctime form).
std::optional<Failure> writeReportPdf(const ProjectRecord &record, const std::string &path,
                                      const QPageSize &pageSize, const std::string &printedOn);

} // namespace vendrix

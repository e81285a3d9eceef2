#pragma once
// The printed report for the batch command: works without a display and
// without an application object created by the caller.

#include "model/failure.h"
#include "model/project_record.h"

#include <QPageSize>
#include <filesystem>

#include <optional>
#include <string>

namespace vendrix {

// Makes sure a graphics application object exists, offscreen when no platform
// was chosen, so that fonts and images work without a display. A failure when
// another kind of application object is already running.
std::optional<Failure> ensureGraphicsApplication();

// Makes sure a graphics application object exists (offscreen when no platform
// was chosen), then writes the report PDF on `paper`.
std::optional<Failure> writeReportPdfInBatch(const ProjectRecord &record,
                                             const std::filesystem::path &path,
                                             const QPageSize &paper);

} // namespace vendrix

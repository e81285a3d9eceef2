#pragma once
// The printed report for the batch command: works without a display and
// without an application object created by the caller.

#include "model/project_record.h"

#include <QPageSize>

#include <string>

namespace vendrix {

// Makes sure a graphics application object exists, offscreen when no platform
// was chosen, so that fonts and images work without a display. False with a
// reason when another kind of application object is already running.
bool ensureGraphicsApplication(std::string &error);

// Makes sure a graphics application object exists (offscreen when no platform
// was chosen), then writes the report PDF on `paper`.
bool writeReportPdfInBatch(const ProjectRecord &record, const std::string &path,
                           const QPageSize &paper, std::string &error);

} // namespace vendrix

#pragma once
// The input sketch saved as a picture file (batch mode, no display needed).

#include "model/project_record.h"

#include <string>

namespace vendrix {

// Writes the sketch of `record` at width x height pixels to `path` (.png, or .bmp
// and .svg like the cross-section) through a temporary file beside it. False
// with a readable reason when it cannot. Matches BatchHooks::writeSketchImage.
bool writeSketchImage(const ProjectRecord &record, const std::string &path, int width, int height,
                      std::string &error);

} // namespace vendrix

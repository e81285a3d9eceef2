#pragma once
// The cross-section being shown (as filled, Option 1 or Option 2) as a CAD
// drawing at true scale in the project's length unit (metres or feet).

#include "model/failure.h"
#include "model/project_record.h"

#include <filesystem>
#include <optional>
#include <string>

namespace vendrix {

// Layers of the drawing.
namespace dxfLayers {
inline constexpr const char *kTube = "TUBE"; // the shape shown, one closed polyline
inline constexpr const char *kAsFilled = "TUBE_AS_FILLED"; // under a consolidated shape
inline constexpr const char *kSlurryInterface = "SLURRY_INTERFACE";
inline constexpr const char *kFluidLevel = "FLUID_LEVEL";
inline constexpr const char *kFoundation = "FOUNDATION";
inline constexpr const char *kCentreLine = "CENTRE_LINE";
inline constexpr const char *kDimensions = "DIMENSIONS";
inline constexpr const char *kText = "TEXT";
} // namespace dxfLayers

// The base lies on y = 0 and the centre line on x = 0.
std::string crossSectionDxf(const ProjectRecord &record);

// The reason when the file could not be written; an existing file is then
// left as it was.
std::optional<Failure> writeCrossSectionDxfFile(const std::filesystem::path &path,
                                                const ProjectRecord &record);

} // namespace vendrix

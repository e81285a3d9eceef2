#pragma once
// The filling envelope's chart and field card written to files without any
// window (batch mode and the desktop program alike).

#include "model/failure.h"
#include "post/filling_envelope.h"

#include <filesystem>
#include <optional>
#include <string>

namespace vendrix {

struct ProjectRecord;

// The chart as .png, .bmp or .svg of width × height pixels. Matches
// BatchHooks::writeEnvelopeChart.
std::optional<Failure> writeEnvelopeChartImage(const ProjectRecord &record,
                                               const FillingEnvelope &envelope,
                                               const std::filesystem::path &path, int width,
                                               int height);

// The field card as a PDF. Matches BatchHooks::writeEnvelopeCard.
std::optional<Failure> writeFieldCardInBatch(const ProjectRecord &record,
                                             const FillingEnvelope &envelope,
                                             const std::filesystem::path &path);

} // namespace vendrix

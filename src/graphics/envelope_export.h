#pragma once
// The filling envelope's chart and field card written to files without any
// window (batch mode and the desktop program alike).

#include "post/filling_envelope.h"

#include <string>

namespace vendrix {

struct ProjectRecord;

// The chart as .png, .bmp or .svg of width × height pixels. Matches
// BatchHooks::writeEnvelopeChart.
bool writeEnvelopeChartImage(const ProjectRecord &record, const FillingEnvelope &envelope,
                             const std::string &path, int width, int height, std::string &error);

// The field card as a PDF. Matches BatchHooks::writeEnvelopeCard.
bool writeFieldCardInBatch(const ProjectRecord &record, const FillingEnvelope &envelope,
                           const std::string &path, std::string &error);

} // namespace vendrix

#pragma once
// `vendrix run ...`: the analysis without a window. Links no Qt; drawing and
// printing are supplied by the executable through BatchHooks.

#include "cli/batch_options.h"
#include "model/project_record.h"
#include "post/filling_envelope.h"

#include <cstdio>
#include <functional>
#include <string>

namespace vendrix {

struct BatchHooks
{
    // Each returns false with a readable reason in `error`; an empty hook means
    // the feature is not available in this build.
    std::function<bool(const ProjectRecord &, const std::string &path, int width, int height,
                       std::string &error)>
        writeCrossSectionImage; // png, bmp or svg by the file's extension
    std::function<bool(const ProjectRecord &, const std::string &path, int width, int height,
                       std::string &error)>
        writeSketchImage;
    std::function<bool(const ProjectRecord &, const std::string &path, ReportPaper paper,
                       std::string &error)>
        writeReportPdf;
    std::function<bool(const ProjectRecord &, const FillingEnvelope &, const std::string &path,
                       int width, int height, std::string &error)>
        writeEnvelopeChart; // png or svg by the file's extension
    std::function<bool(const ProjectRecord &, const FillingEnvelope &, const std::string &path,
                       std::string &error)>
        writeEnvelopeCard; // the field card as PDF
};

// Exit statuses of `vendrix run` (an interruption ends with 128 + the signal).
inline constexpr int kBatchDone = 0;
inline constexpr int kBatchRefused = 2; // a refused input, run, option or file

// argv[0] is "run". Returns the process exit status.
int runBatchCommand(int argc, char **argv, const BatchHooks &hooks, std::FILE *out, std::FILE *err);

} // namespace vendrix

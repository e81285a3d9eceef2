#pragma once
// `vendrix run ...`: the analysis without a window. Links no Qt; drawing and
// printing are supplied by the executable through BatchHooks.

#include "cli/batch_options.h"
#include "model/atomic_file.h"
#include "model/project_record.h"
#include "post/filling_envelope.h"
#include "post/parametric_study.h"

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vendrix {

struct BatchHooks
{
    // Each returns the failure that stopped it, or nothing; an empty hook means
    // the feature is not available in this build.
    using Written = std::optional<Failure>;
    std::function<Written(const ProjectRecord &, const std::filesystem::path &path, int width,
                          int height)>
        writeCrossSectionImage; // png, bmp or svg by the file's extension
    std::function<Written(const ProjectRecord &, const std::filesystem::path &path, int width,
                          int height)>
        writeSketchImage;
    std::function<Written(const ProjectRecord &, const std::filesystem::path &path,
                          ReportPaper paper)>
        writeReportPdf;
    std::function<Written(const ProjectRecord &, const FillingEnvelope &,
                          const std::filesystem::path &path, int width, int height)>
        writeEnvelopeChart; // png or svg by the file's extension
    std::function<Written(const ProjectRecord &, const FillingEnvelope &,
                          const std::filesystem::path &path)>
        writeEnvelopeCard; // the field card as PDF
    std::function<Written(const ProjectRecord &, const StudyRequest &,
                          const std::vector<StudyPoint> &, const std::string &path, int width,
                          int height)>
        writeStudyChart; // the study's chart: png, svg or pdf by the file's extension
    // Why the logo file cannot be printed (Windows-1252), or nothing when it can.
    std::function<std::optional<std::string>(const std::string &path)> logoProblem;
};

// Exit statuses of `vendrix run` (an interruption ends with 128 + the signal).
inline constexpr int kBatchDone = 0;
inline constexpr int kBatchRefused = 2; // a refused input, run, option or file
inline constexpr int kBatchInterrupted = kSignalExitStatusBase + SIGINT; // 130, Ctrl+C
inline constexpr int kBatchTerminated = kSignalExitStatusBase + SIGTERM; // 143, kill

// argv[0] is "run". Returns the process exit status.
int runBatchCommand(int argc, char **argv, const BatchHooks &hooks, std::FILE *out, std::FILE *err);

} // namespace vendrix

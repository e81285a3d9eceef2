#include "app/desktop_program.h"
#include "app/window/desktop_hooks.h"
#include "cli/batch_command.h"
#include "cli/batch_options.h"
#include "graphics/batch_report.h"
#include "graphics/envelope_export.h"
#include "graphics/image_export.h"
#include "graphics/locale_paper.h"
#include "graphics/logo_picture.h"
#include "graphics/study_export.h"
#include "vendrix_version.h"

#include <cstdio>
#include <cstring>

namespace {

QPageSize reportPageSize(vendrix::ReportPaper paper)
{
    switch (paper) {
    case vendrix::ReportPaper::A4:
        return QPageSize(QPageSize::A4);
    case vendrix::ReportPaper::Letter:
        return QPageSize(QPageSize::Letter);
    default:
        return vendrix::localePaperSize();
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (argc > 1 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(vendrix::batchUsage(), stdout);
        return vendrix::kBatchDone;
    }
    if (argc > 1 && std::strcmp(argv[1], "--version") == 0) {
        std::fputs("vendrix " VENDRIX_VERSION "\n", stdout);
        return vendrix::kBatchDone;
    }
    if (argc > 1 && std::strcmp(argv[1], "run") == 0) {
        vendrix::BatchHooks hooks;
        // The printed report as PDF (--pdf FILE.pdf); needs no display.
        hooks.writeReportPdf = [](const vendrix::ProjectRecord &record,
                                  const std::filesystem::path &path, vendrix::ReportPaper paper) {
            return vendrix::writeReportPdfInBatch(record, path, reportPageSize(paper));
        };
        hooks.writeCrossSectionImage = vendrix::writeCrossSectionImage;
        hooks.writeSketchImage = vendrix::writeSketchImage;
        hooks.writeEnvelopeChart = vendrix::writeEnvelopeChartImage;
        hooks.writeEnvelopeCard = vendrix::writeFieldCardInBatch;
        hooks.writeStudyChart = vendrix::writeStudyFile;
        hooks.logoProblem = [](const std::string &path) -> std::optional<std::string> {
            // The picture readers want the graphics application (an SVG's texts need fonts);
            // without one the report cannot be written either, and says so.
            if (vendrix::ensureGraphicsApplication())
                return std::nullopt;
            return vendrix::logoProblem(path);
        };
        return vendrix::runBatchCommand(argc - 1, argv + 1, hooks, stdout, stderr);
    }

    // No arguments, or a project file: the desktop program.
    return vendrix::runDesktopProgram(argc, argv, vendrix::standardDesktopHooks());
}

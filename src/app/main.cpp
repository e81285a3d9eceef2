#include "app/cli/batch_command.h"
#include "app/cli/batch_options.h"
#include "app/desktop_hooks.h"
#include "app/desktop_program.h"
#include "graphics/batch_report.h"
#include "graphics/envelope_export.h"
#include "graphics/image_export.h"

#include <cstdio>
#include <cstring>

int main(int argc, char **argv)
{
    if (argc > 1 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(vendrix::batchUsage(), stdout);
        return 0;
    }
    if (argc > 1 && std::strcmp(argv[1], "run") == 0) {
        vendrix::BatchHooks hooks;
        // The printed report as PDF (--pdf FILE.pdf); needs no display.
        hooks.writeReportPdf = vendrix::writeReportPdfInBatch;
        hooks.writeCrossSectionImage = vendrix::writeCrossSectionImage;
        hooks.writeSketchImage = vendrix::writeSketchImage;
        hooks.writeEnvelopeChart = vendrix::writeEnvelopeChartImage;
        hooks.writeEnvelopeCard = vendrix::writeFieldCardInBatch;
        return vendrix::runBatchCommand(argc - 1, argv + 1, hooks, stdout, stderr);
    }

    // No arguments, or a project file: the desktop program.
    return vendrix::runDesktopProgram(argc, argv, vendrix::standardDesktopHooks());
}

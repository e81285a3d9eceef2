#include "app/app_info.h"
#include "app/cli/batch_command.h"
#include "graphics/batch_report.h"

#include <cstdio>
#include <cstring>

int main(int argc, char **argv)
{
    if (argc > 1 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(vendrix::programUsage(), stdout);
        return 0;
    }
    if (argc > 1 && std::strcmp(argv[1], "run") == 0) {
        vendrix::BatchHooks hooks;
        // The printed report as PDF (--pdf FILE.pdf); needs no display.
        hooks.writeReportPdf = vendrix::writeReportPdfInBatch;
        return vendrix::runBatchCommand(argc - 1, argv + 1, hooks, stdout, stderr);
    }
    std::fputs(vendrix::programUsage(), stdout);
    return 0;
}

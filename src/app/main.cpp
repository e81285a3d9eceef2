#include "app/cli/batch_command.h"
#include "app/cli/batch_options.h"
#include "graphics/batch_report.h"

#include <cstdio>
#include <cstring>

int main(int argc, char **argv)
{
    if (argc > 1 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(vendrix::batchUsage(), stdout);
        return 0;
    }
    vendrix::BatchHooks hooks;
    // The printed report as PDF (--pdf FILE.pdf); needs no display.
    hooks.writeReportPdf = vendrix::writeReportPdfInBatch;
    if (argc > 1 && std::strcmp(argv[1], "run") == 0)
        return vendrix::runBatchCommand(argc - 1, argv + 1, hooks, stdout, stderr);

    // Until the desktop program is in place, a start without arguments analyses
    // the initial project (or the project named) and prints its results.
    char runWord[] = "run";
    char *runArgs[] = {runWord, argc > 1 ? argv[1] : nullptr, nullptr};
    return vendrix::runBatchCommand(argc > 1 ? 2 : 1, runArgs, hooks, stdout, stderr);
}

#include "app/cli/batch_command.h"

namespace vendrix {

int runBatchCommand(int, char **, const BatchHooks &, std::FILE *, std::FILE *err)
{
    std::fputs("vendrix run: not available yet\n", err);
    return 2;
}

} // namespace vendrix

#pragma once
// `vendrix run ...`: the analysis without a window. Links no Qt; drawing and
// printing are supplied by the executable through BatchHooks.

#include <cstdio>

namespace vendrix {

struct BatchHooks
{
};

// argv[0] is "run". Returns the process exit status.
int runBatchCommand(int argc, char **argv, const BatchHooks &hooks, std::FILE *out,
                    std::FILE *err);

} // namespace vendrix

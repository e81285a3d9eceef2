#pragma once
// Runs `vendrix run ...` in the test process and captures what it prints.

#include "cli/batch_command.h"

#include <cstdio>
#include <string>
#include <vector>

namespace vendrix::test {

struct BatchResult
{
    int status = 0;
    std::string out;
    std::string err;
};

inline std::string readAllAndClose(std::FILE *file)
{
    std::rewind(file);
    std::string text;
    char buffer[4096];
    size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        text.append(buffer, n);
    std::fclose(file);
    return text;
}

// args without the leading "run".
inline BatchResult runBatch(std::vector<std::string> args, const BatchHooks &hooks = {})
{
    args.insert(args.begin(), "run");
    std::vector<char *> argv;
    for (std::string &a : args)
        argv.push_back(a.data());
    std::FILE *out = std::tmpfile();
    std::FILE *err = std::tmpfile();
    BatchResult result;
    result.status = runBatchCommand(static_cast<int>(argv.size()), argv.data(), hooks, out, err);
    result.out = readAllAndClose(out);
    result.err = readAllAndClose(err);
    return result;
}

} // namespace vendrix::test

#pragma once
// Runs `vendrix run ...` in the test process and captures what it prints.

#include "cli/batch_command.h"

#include <gtest/gtest.h>

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

// A call (without the leading "run") and a part of what it prints.
struct CallAndText
{
    std::vector<std::string> args;
    const char *text;
};

// Each call ends with status 2 and says why on the error stream; with
// `quietOutput` it prints nothing else.
inline void expectRefused(const std::vector<CallAndText> &calls, bool quietOutput = false)
{
    for (const CallAndText &call : calls) {
        std::string shown;
        for (const std::string &arg : call.args)
            shown += arg + " ";
        SCOPED_TRACE(shown);
        const BatchResult r = runBatch(call.args);
        EXPECT_EQ(r.status, 2);
        EXPECT_NE(r.err.find(call.text), std::string::npos) << r.err;
        if (quietOutput) {
            EXPECT_EQ(r.out, "");
        }
    }
}

} // namespace vendrix::test

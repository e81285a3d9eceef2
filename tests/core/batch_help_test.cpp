// --help and the manual page are made from one table of options, which the
// batch command's parser accepts.
#include "cli/batch_help.h"
#include "cli/batch_options.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace vendrix {
namespace {

bool parses(std::vector<std::string> args, BatchOptions &options, std::string &error)
{
    args.insert(args.begin(), "run");
    std::vector<char *> argv;
    for (std::string &a : args)
        argv.push_back(a.data());
    const auto failure = parseBatchOptions(static_cast<int>(argv.size()), argv.data(), options);
    if (failure)
        error = failure->messageText;
    return !failure;
}

// The man(7) spelling of an option: every hyphen escaped.
std::string roffName(const std::string &name)
{
    std::string out;
    for (char c : name)
        out += c == '-' ? std::string("\\-") : std::string(1, c);
    return out;
}

TEST(BatchHelp, EveryOptionIsAcceptedAndDescribedInHelpAndManualPage)
{
    const std::string help = batchUsage();
    const std::string page = manualPage("2026-12-08");
    for (const OptionHelp &option : batchOptionHelp()) {
        SCOPED_TRACE(option.name);
        BatchOptions options;
        std::string error;
        std::vector<std::string> args = {option.name};
        if (*option.sample)
            args.push_back(option.sample);
        EXPECT_TRUE(parses(args, options, error)) << error;
        EXPECT_NE(help.find(std::string("  ") + option.name + " "), std::string::npos);
        EXPECT_NE(page.find(roffName(option.name)), std::string::npos);
    }
    for (const CommandForm &form : commandForms())
        EXPECT_NE(help.find(form.synopsis), std::string::npos) << form.synopsis;
}

TEST(BatchHelp, ManualPageIsWellFormedMarkup)
{
    const std::string page = manualPage("2026-12-08");
    EXPECT_EQ(page.rfind(".TH VENDRIX 1 \"2026-12-08\" \"Vendrix ", 0), 0u);
    for (const char *section : {"NAME", "SYNOPSIS", "DESCRIPTION", "OPTIONS", "EXIT STATUS",
                                "ENVIRONMENT", "FILES", "EXAMPLES"})
        EXPECT_NE(page.find(std::string("\n.SH ") + section + "\n"), std::string::npos) << section;
    // A line of text starting with a dot or quote would be read as a request.
    const std::set<std::string> requests
        = {"TH", "SH", "SS", "PP", "TP", "B", "BI", "I", "RS", "RE", "EX", "EE", "br"};
    size_t start = 0;
    while (start < page.size()) {
        const size_t end = page.find('\n', start);
        const std::string line = page.substr(start, end - start);
        if (!line.empty() && (line[0] == '.' || line[0] == '\'')) {
            EXPECT_TRUE(requests.count(line.substr(1, line.find(' ') - 1))) << line;
        }
        start = end + 1;
    }
}

TEST(BatchHelp, PaperAndExportOptions)
{
    struct Case
    {
        std::vector<std::string> args;
        bool accepted;
        ReportPaper paper;
    };
    const Case cases[] = {
        {{}, true, ReportPaper::LocaleDefault},
        {{"--paper", "a4"}, true, ReportPaper::A4},
        {{"--paper", "letter"}, true, ReportPaper::Letter},
        {{"--paper", "A3"}, false, ReportPaper::LocaleDefault},
        {{"--paper"}, false, ReportPaper::LocaleDefault},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.args.empty() ? "none" : c.args.back());
        BatchOptions options;
        std::string error;
        EXPECT_EQ(parses(c.args, options, error), c.accepted);
        if (c.accepted)
            EXPECT_EQ(options.paper, c.paper);
        else
            EXPECT_NE(error.find("--paper"), std::string::npos) << error;
    }
    BatchOptions options;
    std::string error;
    ASSERT_TRUE(parses({"--dxf", "a.dxf", "--csv", "b.csv"}, options, error));
    EXPECT_EQ(options.dxfPath, "a.dxf");
    EXPECT_EQ(options.csvPath, "b.csv");
}

// Each file option fills its own file name and no other.
TEST(BatchHelp, EachFileOptionNamesItsOwnFile)
{
    const struct
    {
        const char *option;
        std::filesystem::path BatchOptions::*path;
    } cases[] = {
        {"--save", &BatchOptions::savePath},       {"--results", &BatchOptions::resultsPath},
        {"--xls", &BatchOptions::spreadsheetPath}, {"--quantities", &BatchOptions::quantitiesPath},
        {"--image", &BatchOptions::imagePath},     {"--sketch", &BatchOptions::sketchPath},
        {"--pdf", &BatchOptions::pdfPath},         {"--dxf", &BatchOptions::dxfPath},
        {"--csv", &BatchOptions::csvPath},         {"--envelope", &BatchOptions::envelopePath},
        {"--xlsx", &BatchOptions::workbookPath},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.option);
        BatchOptions options;
        std::string error;
        ASSERT_TRUE(parses({c.option, "f.png"}, options, error)) << error;
        for (const auto &other : cases)
            EXPECT_EQ(options.*other.path, other.path == c.path ? "f.png" : "") << other.option;
    }
}

} // namespace
} // namespace vendrix

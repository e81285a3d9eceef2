// The example projects are where users start: each must get through every
// step of the main menu (run, both consolidation options, quantities, the
// filling envelope) with either solution method, and give the results, to the
// last digit, that the released program gives (example_results.txt: the name,
// the method and the option, a tab, the batch command's JSON).
#include "batch_test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace vendrix {
namespace {

using test::runBatch;

TEST(Examples, EveryExampleGetsThroughEveryMenuEntry)
{
    const std::filesystem::path examples
        = std::filesystem::path(VENDRIX_TEST_DATA_DIR).parent_path().parent_path() / "examples";
    const std::filesystem::path work
        = std::filesystem::temp_directory_path() / "vendrix_examples_test";
    std::filesystem::create_directories(work);
    std::map<std::string, std::string> expected;
    std::ifstream reference(std::string(VENDRIX_TEST_DATA_DIR) + "/example_results.txt");
    for (std::string line; std::getline(reference, line);)
        expected[line.substr(0, line.find('\t'))] = line.substr(line.find('\t') + 1) + "\n";
    // The examples, and the initial project under the objective none of them has.
    std::vector<std::pair<std::string, std::vector<std::string>>> projects
        = {{"initial given-height", {"--set", "analysisType=GivenHeight"}}};
    for (const auto &entry : std::filesystem::directory_iterator(examples))
        if (entry.path().extension() == ".Vdx")
            projects.push_back({entry.path().filename().string(), {entry.path().string()}});
    int checked = 0;
    for (const auto &[name, project] : projects) {
        for (const char *method : {"exact", "classic"}) {
            for (const char *option : {"1", "2"}) {
                const std::string run = name + " " + method + " " + option;
                SCOPED_TRACE(run);
                std::vector<std::string> args = project;
                args.insert(args.end(),
                            {"--method", method, "--consolidate", option, "--quantities",
                             (work / "quantities.txt").string(), "--envelope",
                             (work / "envelope.csv").string(), "--json"});
                const auto r = runBatch(args);
                EXPECT_EQ(r.status, 0) << r.err;
                EXPECT_EQ(r.err, "");
                EXPECT_EQ(r.out, expected[run]);
                ++checked;
            }
        }
    }
    std::filesystem::remove_all(work);
    EXPECT_GE(checked, 4 * 4);
}

} // namespace
} // namespace vendrix

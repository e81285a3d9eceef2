#include "failure_test_support.h"
// The filling envelope in the batch command: the JSON object, the CSV file,
// the hooks for the chart and the field card, and malformed options.

#include "batch_test_support.h"
#include "cli/batch_command.h"
#include "model/atomic_file.h"
#include "post/filling_envelope.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace vendrix {
namespace {

using test::BatchResult;
using test::runBatch;

// The number after "key": in a JSON text, NaN when the value is not a number.
double jsonNumber(const std::string &json, const std::string &key)
{
    const size_t at = json.find("\"" + key + "\": ");
    if (at == std::string::npos)
        return -1;
    const char *start = json.c_str() + at + key.size() + 4;
    char *end = nullptr;
    const double v = std::strtod(start, &end);
    return end == start ? std::nan("") : v;
}

TEST(BatchEnvelope, JsonCarriesTheSafeLimitInSi)
{
    const BatchResult r = runBatch({"--json", "--envelope-max-pressure", "30"});
    ASSERT_EQ(r.status, 0) << r.err;
    EnvelopeRequest request;
    request.maxPressure = 30;
    const FillingEnvelope e = computeFillingEnvelope(TubeInput {}, request);
    ASSERT_EQ(e.state, SafeLimitState::Found);
    EXPECT_DOUBLE_EQ(jsonNumber(r.out, "maxSafePressure"), e.safeLimit.pumpingPressure);
    EXPECT_DOUBLE_EQ(jsonNumber(r.out, "heightAtMaxSafePressure"), e.safeLimit.maxHeight);
    EXPECT_DOUBLE_EQ(jsonNumber(r.out, "widthAtMaxSafePressure"), e.safeLimit.maxWidth);
    EXPECT_DOUBLE_EQ(jsonNumber(r.out, "areaAtMaxSafePressure"), e.safeLimit.area);
    EXPECT_DOUBLE_EQ(jsonNumber(r.out, "allowableTension"), 100 / (1.3 * 1.5 * 2.0));
    EXPECT_EQ(jsonNumber(r.out, "points"), static_cast<double>(e.points.size()));
    EXPECT_EQ(r.out.find("\"reason\""), std::string::npos);
}

TEST(BatchEnvelope, JsonSaysWhyThereIsNoSafeLimit)
{
    const test::CallAndText cases[] = {
        {{"--set", "ultimateStrength=1", "--envelope-max-pressure", "500"},
         "\"reason\": \"No safe pumping pressure: already at the bottom of the range"},
        {{"--envelope-max-pressure", "2"},
         "\"reason\": \"No safe limit within the range: up to 2.00 [kPa]"},
        // English display units still give SI in the JSON.
        {{"--set", "englishUnits=1", "--envelope-max-pressure", "2"},
         "\"reason\": \"No safe limit within the range: up to 2.00 [kPa]"},
    };
    for (const test::CallAndText &c : cases) {
        std::vector<std::string> args = c.args;
        args.push_back("--json");
        const BatchResult r = runBatch(args);
        SCOPED_TRACE(r.out);
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_NE(r.out.find("\"maxSafePressure\": null"), std::string::npos);
        EXPECT_NE(r.out.find("\"heightAtMaxSafePressure\": null"), std::string::npos);
        EXPECT_NE(r.out.find(c.text), std::string::npos);
    }
}

TEST(BatchEnvelope, CsvFileInTheDisplayUnits)
{
    // This process's own folder: test runs of other builds may share the machine.
    const test::ScratchFolder dir("env_csv");
    const std::string path = (dir.path() / "envelope.CSV").string();
    for (const char *english : {"0", "1"}) {
        SCOPED_TRACE(english);
        const BatchResult r
            = runBatch({"--set", std::string("englishUnits=") + english, "--envelope", path});
        ASSERT_EQ(r.status, 0) << r.err;
        std::string text, error;
        ASSERT_TRUE(succeeds(readWholeFile(path, text), error)) << error;
        EXPECT_EQ(text.rfind(english[0] == '1' ? "Pumping pressure [psi],Maximum height [ft],"
                                               : "Pumping pressure [kPa],Maximum height [m],",
                             0),
                  0u);
        // The safe limit is at 11.626 kPa and 2.683 m (2.683 * 3.28084 = 8.802 ft).
        EXPECT_NE(r.out.find(english[0] == '1' ? "Maximum pumping pressure  = 1.69 [psi]\n"
                                                 "Stop-filling height       = 8.80 [ft]\n"
                                               : "Maximum pumping pressure  = 11.63 [kPa]\n"
                                                 "Stop-filling height       = 2.68 [m]\n"),
                  std::string::npos)
            << r.out;
    }
}

TEST(BatchEnvelope, ChartAndCardGoThroughTheirHooks)
{
    BatchHooks hooks;
    std::string seen;
    hooks.writeEnvelopeChart
        = [&](const ProjectRecord &, const FillingEnvelope &e, const std::string &path, int w,
              int h) -> std::optional<Failure> {
        seen = path + " " + std::to_string(w) + "x" + std::to_string(h) + " "
            + std::to_string(e.points.size() >= 100);
        return std::nullopt;
    };
    hooks.writeEnvelopeCard = [&](const ProjectRecord &, const FillingEnvelope &e,
                                  const std::string &path) -> std::optional<Failure> {
        seen = path + " " + std::to_string(e.state == SafeLimitState::Found);
        return Failure::plain("disk full");
    };
    BatchResult r = runBatch({"--envelope", "chart.svg", "--size", "700x400"}, hooks);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(seen, "chart.svg 700x400 1");
    r = runBatch({"--envelope", "card.pdf"}, hooks);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(seen, "card.pdf 1");
    EXPECT_NE(r.err.find("cannot write the filling envelope: disk full"), std::string::npos);
    r = runBatch({"--envelope", "card.pdf"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("not available in this build"), std::string::npos);
}

TEST(BatchEnvelope, MalformedOptionsAreRefused)
{
    std::vector<test::CallAndText> calls = {
        {{"--envelope", "table.txt"}, "--envelope takes a .csv, .png, .svg or .pdf file"},
        {{"--envelope"}, "--envelope needs a value"},
    };
    for (const char *pressure : {"abc", "0", "-3", "nan", "1e6"})
        calls.push_back({{"--envelope-max-pressure", pressure},
                         "--envelope-max-pressure takes a pressure in kPa"});
    test::expectRefused(calls, true);
}

} // namespace
} // namespace vendrix

// The "designCheck" JSON object: every value, verdict and reason as the check
// computes it, null where a check gives none, after the results of every run
// that succeeds.

#include "batch_test_support.h"
#include "cli/design_check_json.h"
#include "cli/json_writer.h"
#include "post/design_check.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace vendrix {
namespace {

// The text after "key": in `json`, up to the next ',' or '}'.
std::optional<std::string> jsonValue(const std::string &json, const std::string &key)
{
    const size_t at = json.find("\"" + key + "\": ");
    if (at == std::string::npos)
        return std::nullopt;
    const size_t start = at + key.size() + 4;
    return json.substr(start, json.find_first_of(",}", start) - start);
}

void expectNumber(const std::string &json, const char *key, const std::optional<double> &value)
{
    SCOPED_TRACE(key);
    const std::optional<std::string> text = jsonValue(json, key);
    ASSERT_TRUE(text.has_value());
    if (!value) {
        EXPECT_EQ(*text, "null");
        return;
    }
    EXPECT_EQ(std::strtod(text->c_str(), nullptr), *value); // %.17g reads back exactly
}

void expectVerdict(const std::string &json, const char *key, const std::optional<bool> &pass)
{
    SCOPED_TRACE(key);
    EXPECT_EQ(jsonValue(json, key), !pass ? "null" : *pass ? "true" : "false");
}

void expectReason(const std::string &json, const char *key,
                  const std::optional<CheckReason> &reason)
{
    SCOPED_TRACE(key);
    const std::optional<std::string> text = jsonValue(json, key);
    if (!reason)
        EXPECT_FALSE(text.has_value());
    else
        EXPECT_EQ(text, "\"" + std::string(checkReasonText(*reason)) + "\"");
}

struct JsonCase
{
    const char *name;
    double loaded, protectedLevel; // m
    double stiffness, axial, allowable, wave; // kN/m, kN/m, kPa, m
};

const JsonCase kCases[] = {
    {"defaults: equal levels, little checked", kFollowFluidHeight, kFollowFluidHeight, 0, 0, 0, 0},
    {"everything checked, dry protected side", 2.0, 0.0, 800, 40, 60, 0.8},
    {"overtopped", 9.0, 0.5, 0, 0, 30, 0},
};

TEST(DesignCheckJson, CarriesTheComputedCheckWithNullsAndReasons)
{
    for (const JsonCase &c : kCases) {
        SCOPED_TRACE(c.name);
        ProjectRecord record;
        DesignCheckInputs &check = record.designCheck;
        check.waterLevelLoaded = c.loaded;
        check.waterLevelProtected = c.protectedLevel;
        check.fabricStiffness = c.stiffness;
        check.fabricStrengthAxial = c.axial;
        check.allowableBearingPressure = c.allowable;
        check.designWaveHeight = c.wave;
        TubeSolution exact;
        ASSERT_FALSE(solveForDesignCheck(record, exact).has_value());
        const DesignCheckResult r = computeDesignCheck(record.input, exact, check);
        JsonWriter json;
        json.beginObject();
        writeDesignCheckJson(json, record);
        json.endObject();
        const std::string &all = json.text();
        const size_t pass = all.find("\"pass\": "), reasons = all.find("\"reasons\": ");
        ASSERT_NE(pass, std::string::npos);
        ASSERT_NE(reasons, std::string::npos);
        const std::string values = all.substr(0, pass), verdicts = all.substr(pass, reasons - pass),
                          why = all.substr(reasons);
        expectNumber(values, "utilisationCircumferential", r.utilisationCircumferential);
        expectNumber(values, "utilisationAxial", r.utilisationAxial);
        expectNumber(values, "strain", r.strain);
        expectNumber(values, "stretchedCircumference", r.stretchedCircumference);
        expectNumber(values, "stretchedHeight", r.stretchedHeight);
        expectNumber(values, "stretchedWidth", r.stretchedWidth);
        expectNumber(values, "stretchedTension", r.stretchedTension);
        expectNumber(values, "fillingRatio", r.fillingRatio);
        expectNumber(values, "submergedWeight", r.submergedWeight);
        expectNumber(values, "normalForce", r.normalForce);
        expectNumber(values, "eccentricity", r.eccentricity);
        expectNumber(values, "maxContactPressure", r.maxContactPressure);
        expectNumber(values, "safetySliding", r.safetySliding);
        expectNumber(values, "safetyOverturning", r.safetyOverturning);
        expectNumber(values, "waveStabilityNumber", r.waveStabilityNumber);
        expectVerdict(verdicts, "utilisationCircumferential", r.pass.utilisationCircumferential);
        expectVerdict(verdicts, "utilisationAxial", r.pass.utilisationAxial);
        expectVerdict(verdicts, "foundation", r.pass.foundation);
        expectVerdict(verdicts, "sliding", r.pass.sliding);
        expectVerdict(verdicts, "overturning", r.pass.overturning);
        expectVerdict(verdicts, "waveStability", r.pass.waveStability);
        expectReason(why, "utilisationCircumferential", r.reasons.utilisationCircumferential);
        expectReason(why, "utilisationAxial", r.reasons.utilisationAxial);
        expectReason(why, "stretch", r.reasons.stretch);
        expectReason(why, "foundation", r.reasons.foundation);
        expectReason(why, "sliding", r.reasons.sliding);
        expectReason(why, "overturning", r.reasons.overturning);
        expectReason(why, "waveStability", r.reasons.waveStability);
    }
}

// Every run that succeeds ends its JSON with the check of the exact solution,
// whichever method it chose; a refused run prints only its error.
TEST(DesignCheckJson, EverySuccessfulRunCarriesTheCheck)
{
    struct Run
    {
        std::vector<std::string> args;
        bool checked;
    };
    const Run runs[] = {
        {{"--json"}, true},
        {{"--json", "--method", "classic"}, true},
        {{"--json", "--set", "circumference=-4"}, false},
    };
    for (const Run &run : runs) {
        SCOPED_TRACE(run.args.back());
        const test::BatchResult result = test::runBatch(run.args);
        const size_t at = result.out.find("\"designCheck\": {");
        if (!run.checked) {
            EXPECT_NE(result.status, 0);
            EXPECT_EQ(at, std::string::npos);
            continue;
        }
        ASSERT_EQ(result.status, 0) << result.err;
        ASSERT_NE(at, std::string::npos) << result.out;
        // The last object: everything before it is the run's own output.
        EXPECT_EQ(result.out.compare(result.out.size() - 4, 4, "}}}\n"), 0);
        const std::string check = result.out.substr(at);
        const size_t pass = check.find("\"pass\": "), reasons = check.find("\"reasons\": ");
        ASSERT_NE(pass, std::string::npos);
        ASSERT_NE(reasons, std::string::npos);
        // The default available strength is the entered one: fully used.
        const std::optional<std::string> used = jsonValue(check, "utilisationCircumferential");
        ASSERT_TRUE(used.has_value());
        EXPECT_NEAR(std::strtod(used->c_str(), nullptr), 1.0, 1e-12);
        for (const char *unchecked : {"utilisationAxial", "strain", "stretchedHeight",
                                      "safetySliding", "waveStabilityNumber"})
            EXPECT_EQ(jsonValue(check.substr(0, pass), unchecked), "null") << unchecked;
        EXPECT_EQ(jsonValue(check.substr(pass), "utilisationCircumferential"), "true");
        EXPECT_EQ(jsonValue(check.substr(pass), "sliding"), "null");
        EXPECT_EQ(jsonValue(check.substr(pass), "foundation"), "null");
        const std::string why = check.substr(reasons);
        EXPECT_EQ(jsonValue(why, "utilisationAxial"), "\"not checked\"");
        EXPECT_EQ(jsonValue(why, "sliding"), "\"no driving action\"");
        EXPECT_EQ(jsonValue(why, "utilisationCircumferential"), std::nullopt);
    }
}

} // namespace
} // namespace vendrix

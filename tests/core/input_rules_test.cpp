#include "model/c_format.h"
#include "model/input_rules.h"
#include "model/units.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vendrix {
namespace {

DisplaySettings settings(int englishUnits, int asianPacific)
{
    DisplaySettings display;
    display.unitSystem = englishUnits ? UnitSystem::English : UnitSystem::SI;
    display.asianPacific = asianPacific;
    return display;
}

// The record of a new project with the display settings given.
ProjectRecord recordShownIn(const DisplaySettings &display)
{
    ProjectRecord record;
    record.display = display;
    return record;
}

void expectFailure(const std::optional<Failure> &failure, const char *number, const char *focus)
{
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->errorNumberText(), number);
    EXPECT_EQ(failure->focusField, focus);
}

struct SlurryCase
{
    const char *name;
    ProjectRecord record;
    const char *number, *focus; // no number: accepted
};

// The initial inputs (SI) with one change.
template<typename Change> ProjectRecord with(Change change)
{
    ProjectRecord record;
    change(record.input);
    return record;
}

// The slurry rules in the order they are checked, each with its focus field.
std::vector<SlurryCase> slurryCases()
{
    return {
        {"initial values", ProjectRecord {}, nullptr, ""},
        {"negative circumference", with([](auto &v) { v.circumference = -4; }), "Error No.108",
         "circumference"},
        {"zero circumference before the unit weights", with([](auto &v) {
             v.circumference = 0;
             v.slurryUnitWeightLower = v.slurryUnitWeightUpper = 9.8;
         }),
         "Error No.108", "circumference"},
        {"tiny circumference", with([](auto &v) { v.circumference = 0.001; }), nullptr, ""},
        {"lower slurry lighter than water",
         with([](auto &v) { v.slurryUnitWeightLower = v.slurryUnitWeightUpper = 9.8; }),
         "Error No.101", "slurryUnitWeightLower"},
        {"upper slurry lighter than water", with([](auto &v) { v.slurryUnitWeightUpper = 9.0; }),
         "Error No.102", "slurryUnitWeightUpper"},
        {"upper heavier than lower", with([](auto &v) { v.slurryUnitWeightUpper = 12.5; }),
         "Error No.103", "slurryUnitWeightUpper"},
        {"both fluids negative", with([](auto &v) {
             v.fluidUnitWeightLower = -1;
             v.fluidUnitWeightUpper = -1;
         }),
         "Error No.104", "fluidUnitWeightLower"},
        {"upper fluid negative", with([](auto &v) { v.fluidUnitWeightUpper = -0.1; }),
         "Error No.104", "fluidUnitWeightUpper"},
        // Lower fluid 0, upper 1: both non-negative, so 106 and not 104.
        {"upper fluid heavier than lower", with([](auto &v) {
             v.fluidUnitWeightLower = 0;
             v.fluidUnitWeightUpper = 1;
         }),
         "Error No.106", "fluidUnitWeightUpper"},
        {"lower fluid heavier than upper slurry",
         with([](auto &v) { v.fluidUnitWeightLower = 11.5; }), "Error No.105",
         "fluidUnitWeightLower"},
        {"negative Hin-Lower with one layer", with([](auto &v) {
             v.twoSlurryLayers = false;
             v.slurryUnitWeightUpper = v.slurryUnitWeightLower;
             v.slurryHeightLower = -0.1;
             v.fluidHeightLower = -1;
         }),
         "Error No.107", "slurryHeightLower"},
        {"negative Hout-Lower", with([](auto &v) { v.fluidHeightLower = -1; }), "Error No.107",
         "fluidHeightLower"},
        {"zero heights and equal weights", with([](auto &v) {
             v.slurryUnitWeightUpper = 12;
             v.fluidUnitWeightLower = 12;
             v.fluidUnitWeightUpper = 12;
             v.slurryHeightLower = 0;
             v.fluidHeightLower = 0;
         }),
         nullptr, ""},
    };
}
TEST(InputRules, SlurryDataRulesInOrder)
{
    for (const SlurryCase &c : slurryCases()) {
        SCOPED_TRACE(c.name);
        const auto failure = checkSlurryData(c.record);
        if (!c.number)
            EXPECT_FALSE(failure.has_value());
        else
            expectFailure(failure, c.number, c.focus);
    }
}

TEST(InputRules, TransportingMediumMessageShowsShownUnit)
{
    struct Case
    {
        int english;
        int asian;
        double lowerShown;
        const char *tail;
    };
    const Case cases[] = {
        {0, 0, 9.8, "(9.807 kN/m \xB3)."},
        {0, 1, 9.8, "(9.807 kN/m^3)."},
        // 9.8073607 x 6.365627 shows as 62.430.
        {1, 0, 60.0, "(62.430 lb/ft \xB3)."},
        {1, 1, 60.0, "(62.430 lb/ft^3)."},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.tail);
        ProjectRecord record = recordShownIn(settings(c.english, c.asian));
        record.input.slurryUnitWeightLower = record.input.slurryUnitWeightUpper
            = storedFieldValue(FieldId::SlurryUnitWeightLower, c.lowerShown, record.display);
        const auto failure = checkSlurryData(record);
        expectFailure(failure, "Error No.101", "slurryUnitWeightLower");
        EXPECT_EQ(failure->messageText,
                  std::string("Unit weight of slurry should not be smaller than\nthat of "
                              "transporting medium ")
                      + c.tail + "\n\nPlease correcet");
    }
}

TEST(InputRules, EnglishValuesAreComparedInStoredUnits)
{
    // The initial record shown in English passes; a slurry just under the medium
    // converted to lb/ft3 fails.
    ProjectRecord record = recordShownIn(settings(1, 0));
    EXPECT_FALSE(checkSlurryData(record).has_value());
    record.input.slurryUnitWeightUpper
        = storedFieldValue(FieldId::SlurryUnitWeightUpper, 62.4, record.display);
    expectFailure(checkSlurryData(record), "Error No.102", "slurryUnitWeightUpper");
}

TEST(InputRules, ReductionFactorsFocusTheFirstSmallOne)
{
    struct Case
    {
        double installation, durability, creep, seamCircumferential, seamAxial;
        const char *focus; // nullptr = accepted
    };
    const Case cases[] = {
        {1.3, 1.0, 1.5, 2.0, 2.0, nullptr},           {1.3, 0.9, 0.8, 2, 2, "rfDurability"},
        {0.99, 1, 1, 1, 1, "rfInstallationDamage"},   {1, 1, 1, 1, 0.5, "rfSeamAxial"},
        {1, 1, 1, 0.5, 0.5, "rfSeamCircumferential"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.focus ? c.focus : "accepted");
        ProjectRecord record;
        record.input.rfInstallationDamage = c.installation;
        record.input.rfDurability = c.durability;
        record.input.rfCreep = c.creep;
        record.input.rfSeamCircumferential = c.seamCircumferential;
        record.input.rfSeamAxial = c.seamAxial;
        const auto failure = checkReductionFactors(record);
        if (!c.focus) {
            EXPECT_FALSE(failure.has_value());
            continue;
        }
        expectFailure(failure, "Error No.201", c.focus);
        EXPECT_EQ(failure->messageText, "Value should not be smaller than 1.0.\n\nPlease correcet");
    }
}

TEST(InputRules, TypeOfAnalysisAppliesOnlyTheSelectedObjective)
{
    struct Case
    {
        const char *name;
        AnalysisType objective;
        double strength, height, pressure;
        const char *number, *focus; // no number: accepted
    };
    using enum AnalysisType;
    const Case cases[] = {
        {"strength 0", GivenStrength, 0, -1, -1, "Error No.301", "ultimateStrength"},
        {"strength 1, others bad", GivenStrength, 1, -1, -1, nullptr, ""},
        {"height 3.2 m", GivenHeight, 0, 3.2, -1, "Error No.302", "desiredMaxHeight"},
        {"height 3.18 m", GivenHeight, 0, 3.18, -1, nullptr, ""},
        {"height 0", GivenHeight, 100, 0, 20, "Error No.303", "desiredMaxHeight"},
        {"pressure 0", GivenPressure, 0, 0, 0, nullptr, ""},
        {"pressure -0.1", GivenPressure, 100, 2, -0.1, "Error No.304", "pumpingPressure"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ProjectRecord record;
        record.input.analysisType = c.objective;
        record.input.ultimateStrength = c.strength;
        record.input.desiredMaxHeight = c.height;
        record.input.pumpingPressure = c.pressure;
        const auto failure = checkAnalysisType(record);
        if (!c.number)
            EXPECT_FALSE(failure.has_value());
        else
            expectFailure(failure, c.number, c.focus);
    }
}

TEST(InputRules, DesiredHeightMessageNamesDiameterAndCircumference)
{
    ProjectRecord record;
    record.input.analysisType = AnalysisType::GivenHeight;
    record.input.desiredMaxHeight = 3.2;
    auto failure = checkAnalysisType(record);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->messageText,
              "Maximum value should not exceed 3.18 [m] i.e., the diameter of an ideal circular "
              "tube having the given circumference of 10.00 [m].\n\nPlease correcet");

    // English: 10 m = 32.8084 ft, ideal diameter 10.443 ft, printed 10.44.
    record.display = settings(1, 0);
    record.input.desiredMaxHeight
        = storedFieldValue(FieldId::DesiredMaxHeight, 10.45, record.display);
    failure = checkAnalysisType(record);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->messageText,
              "Maximum value should not exceed 10.44 [ft] i.e., the diameter of an ideal "
              "circular tube having the given circumference of 32.81 [ft].\n\nPlease correcet");
    record.input.desiredMaxHeight
        = storedFieldValue(FieldId::DesiredMaxHeight, 10.44, record.display);
    EXPECT_FALSE(checkAnalysisType(record).has_value());
}

TEST(InputRules, StoredInputsAreCheckedDialogByDialog)
{
    struct Case
    {
        const char *name;
        void (*change)(ProjectRecord &);
        const char *number; // nullptr = accepted
    };
    const Case cases[] = {
        {"new project", [](ProjectRecord &) {}, nullptr},
        {"new project in English",
         [](ProjectRecord &r) { r.display.unitSystem = 1 ? UnitSystem::English : UnitSystem::SI; },
         nullptr},
        {"slurry before factors",
         [](ProjectRecord &r) {
             r.input.fluidHeightLower = -1;
             r.input.rfCreep = 0.5;
         },
         "Error No.107"},
        {"factors before objective",
         [](ProjectRecord &r) {
             r.input.rfCreep = 0.5;
             r.input.ultimateStrength = 0;
         },
         "Error No.201"},
        {"objective",
         [](ProjectRecord &r) {
             r.input.analysisType = AnalysisType::GivenHeight;
             r.input.desiredMaxHeight = 3.2;
         },
         "Error No.302"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ProjectRecord record;
        c.change(record);
        const auto failure = checkStoredInputs(record);
        ASSERT_EQ(failure.has_value(), c.number != nullptr);
        if (failure) {
            EXPECT_EQ(failure->errorNumberText(), c.number);
        }
    }
}

TEST(InputRules, DesignerMustBeGiven)
{
    const auto failure = checkGeneralInformation("");
    expectFailure(failure, "Error No.1120", "designer");
    EXPECT_EQ(failure->messageText, "\n Designer name must be input.");
    EXPECT_FALSE(checkGeneralInformation("J. Smith").has_value());
}

TEST(InputRules, CostTextCharacters)
{
    struct Case
    {
        const char *text;
        std::size_t messages;
    };
    const Case cases[] = {
        {"12.50", 0},
        {"", 0},
        {"1.2.3", 0},
        {"12,50", 1},
        {"-3", 1},
        {"- 3", 2},
        // Only the first 15 characters are examined.
        {"123456789012345abc", 0},
        {"12345678901234a", 1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        const std::vector<Failure> failures = costTextFailures(c.text);
        EXPECT_EQ(failures.size(), c.messages);
        EXPECT_EQ(checkCostText(c.text).has_value(), c.messages > 0);
        for (const Failure &f : failures) {
            EXPECT_EQ(f.errorNumberText(), "Error No.1100");
            EXPECT_EQ(f.messageText, "Please insert a number and not a character.");
        }
    }
}

TEST(InputRules, FieldFormat)
{
    struct Case
    {
        const char *text;
        bool number;
    };
    const Case cases[]
        = {{"10", true},    {" 32.8084 ", true}, {"-1e-3", true}, {"abc", false},  {"", false},
           {"12,5", false}, {"nan", false},      {"inf", false},  {"1e999", false}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        double value = -7;
        const auto failure = checkNumberField(FieldId::Circumference, c.text, value);
        EXPECT_EQ(!failure.has_value(), c.number);
        if (failure) {
            EXPECT_EQ(failure->messageText, "Please enter a number.");
            EXPECT_EQ(failure->errorNumberText(), "");
            EXPECT_EQ(failure->focusField, "circumference");
            EXPECT_EQ(value, -7);
        }
    }

    EXPECT_EQ(fieldEntry(FieldId::Title).maxLength, 40);
    EXPECT_EQ(fieldEntry(FieldId::Description).maxLength, 600);
    EXPECT_EQ(fieldEntry(FieldId::CompanyState).maxLength, 20);
    EXPECT_EQ(fieldEntry(FieldId::Designer).maxLength, 200);
    EXPECT_FALSE(checkTextLength(FieldId::Title, std::string(40, 'x')).has_value());
    const auto tooLong = checkTextLength(FieldId::Title, std::string(41, 'x'));
    ASSERT_TRUE(tooLong.has_value());
    EXPECT_EQ(tooLong->messageText, "Please enter no more than 40 characters.");
    EXPECT_EQ(tooLong->focusField, "title");
    EXPECT_TRUE(checkTextLength(FieldId::Designer, std::string(5000, 'x')).has_value());
}

// The limits every number field is held to (in SI, as its message states them)
// and the length of every text field.
TEST(InputRules, EveryFieldHasItsLimits)
{
    using F = FieldId;
    struct Bounds
    {
        FieldId field;
        double lowest, highest;
        int number;
    };
    const Bounds bounds[] = {
        {F::Circumference, 0.001, 1e4, 109},
        {F::SlurryUnitWeightLower, 0, 100, 110},
        {F::SlurryUnitWeightUpper, 0, 100, 110},
        {F::FluidUnitWeightLower, 0, 100, 110},
        {F::FluidUnitWeightUpper, 0, 100, 110},
        {F::SlurryHeightLower, 0, 1e4, 111},
        {F::FluidHeightLower, 0, 1e4, 111},
        {F::UltimateStrength, 0.001, 1e7, 308},
        {F::DesiredMaxHeight, 0.001, 1e4, 309},
        {F::PumpingPressure, 0, 1e5, 310},
        {F::RfInstallationDamage, 1, 1000, 202},
        {F::RfDurability, 1, 1000, 202},
        {F::RfCreep, 1, 1000, 202},
        {F::RfSeamCircumferential, 1, 1000, 202},
        {F::RfSeamAxial, 1, 1000, 202},
        {F::TransportUnitWeight, 0, 100, 112},
        {F::SpecificGravitySolids, 1, 100, 404},
        {F::ConsolidatedUnitWeight, 0, 100, 403},
        {F::TubeLength, 0, 1e6, 502},
        {F::FabricStrengthCircumferential, 0, 1e7, 601},
        {F::FabricStrengthAxial, 0, 1e7, 602},
        {F::FabricStiffness, 0, 1e8, 603},
        {F::WaterLevelLoaded, 0, 1e4, 604},
        {F::WaterLevelProtected, 0, 1e4, 604},
        {F::FoundationFriction, 0, 1.5, 606},
        {F::AllowableBearingPressure, 0, 1e5, 607},
        {F::DesignWaveHeight, 0, 1e3, 608},
        {F::RequiredSafetySliding, 0, 1000, 609},
        {F::RequiredSafetyOverturning, 0, 1000, 609},
        {F::WaveStabilityLimit, 0, 1000, 610},
    };
    const DisplaySettings si;
    for (const Bounds &b : bounds) {
        SCOPED_TRACE(fieldName(b.field));
        EXPECT_FALSE(checkNumberBounds(b.field, b.lowest, si).has_value());
        EXPECT_FALSE(checkNumberBounds(b.field, b.highest, si).has_value());
        const std::string between = formatC("between %.8g and %.8g", b.lowest, b.highest);
        for (double outside : {b.lowest - 1e-6, b.highest * (1 + 1e-9)}) {
            const auto failure = checkNumberBounds(b.field, outside, si);
            ASSERT_TRUE(failure.has_value()) << outside;
            EXPECT_EQ(failure->number, b.number);
            EXPECT_NE(failure->messageText.find(between), std::string::npos)
                << failure->messageText;
        }
    }
    const std::pair<FieldId, int> lengths[]
        = {{F::Title, 40},           {F::ProjectNumber, 40},     {F::ProjectNumberSuffix, 20},
           {F::Client, 200},         {F::DateTime, 40},          {F::Designer, 200},
           {F::StationNumber, 40},   {F::Description, 600},      {F::CompanyName, 100},
           {F::CompanyStreet1, 100}, {F::CompanyStreet2, 100},   {F::CompanyCity, 30},
           {F::CompanyState, 20},    {F::CompanyZip, 20},        {F::CompanyPhone, 30},
           {F::CompanyFax, 30},      {F::CompanyEmail, 30},      {F::LogoPath, 4096},
           {F::CurrencyUnit, 20},    {F::CostPerUnitArea, 1000}, {F::QuantityRemarks, 250}};
    for (const auto &[field, length] : lengths) {
        SCOPED_TRACE(fieldName(field));
        EXPECT_FALSE(checkTextLength(field, std::string(std::size_t(length), 'x')).has_value());
        EXPECT_TRUE(checkTextLength(field, std::string(std::size_t(length) + 1, 'x')).has_value());
    }
}

// Each rule of the design check once, in the order they are checked; a level of
// -1 follows the outside fluid and is compared with nothing.
TEST(InputRules, DesignCheckInputs)
{
    struct Case
    {
        const char *name;
        void (*change)(DesignCheckInputs &);
        const char *number; // nullptr = accepted
        const char *focus;
        const char *message; // without the tail
    };
    const Case cases[] = {
        {"new project", [](DesignCheckInputs &) {}, nullptr, "", ""},
        {"one level given", [](DesignCheckInputs &c) { c.waterLevelProtected = 9; }, nullptr, "",
         ""},
        {"negative strength",
         [](DesignCheckInputs &c) {
             c.fabricStrengthCircumferential = -1;
             c.foundationFriction = 9;
         },
         "Error No.601", "fabricStrengthCircumferential",
         "Available circumferential strength should not be negative."},
        {"negative level other than -1",
         [](DesignCheckInputs &c) {
             c.waterLevelProtected = -0.5;
             c.waterLevelLoaded = -2;
         },
         "Error No.604", "waterLevelLoaded",
         "Water level on the loaded side should not be negative (an empty field, or -1, means "
         "\"follow the outside fluid height\")."},
        {"negative before reversed levels",
         [](DesignCheckInputs &c) {
             c.waterLevelLoaded = 1;
             c.waterLevelProtected = 2;
             c.requiredSafetySliding = -1.5;
         },
         "Error No.609", "requiredSafetySliding",
         "Required factor of safety against sliding should not be negative."},
        {"reversed levels before bounds",
         [](DesignCheckInputs &c) {
             c.waterLevelLoaded = 1;
             c.waterLevelProtected = 2;
             c.foundationFriction = 1.6;
         },
         "Error No.605", "waterLevelLoaded",
         "Water level on the loaded side should not be below that on the protected side."},
        {"friction above 1.5", [](DesignCheckInputs &c) { c.foundationFriction = 1.6; },
         "Error No.606", "foundationFriction",
         "Friction coefficient between tube and foundation should lie between 0 and 1.5."},
        {"level above its bound", [](DesignCheckInputs &c) { c.waterLevelProtected = 2e4; },
         "Error No.604", "waterLevelProtected",
         "Water level on the protected side should lie between 0 and 10000 m."},
        {"wave height", [](DesignCheckInputs &c) { c.designWaveHeight = 1001; }, "Error No.608",
         "designWaveHeight", "Design wave height should lie between 0 and 1000 m."},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ProjectRecord record;
        c.change(record.designCheck);
        const auto failure = checkDesignCheckInputs(record);
        ASSERT_EQ(failure.has_value(), c.number != nullptr);
        if (!failure)
            continue;
        EXPECT_EQ(failure->errorNumberText(), c.number);
        EXPECT_EQ(failure->focusField, c.focus);
        EXPECT_EQ(failure->messageText, std::string(c.message) + kPleaseCorrect);
        // The same rules keep a run from taking the project.
        EXPECT_EQ(checkStoredInputs(record)->errorNumberText(), c.number);
    }
}

// The bounds are shown in the units of the dialog: psf for the foundation.
TEST(InputRules, DesignCheckBoundsInEnglishUnits)
{
    ProjectRecord record = recordShownIn(settings(1, 0));
    record.designCheck.allowableBearingPressure = 2e5;
    const auto failure = checkDesignCheckInputs(record);
    expectFailure(failure, "Error No.607", "allowableBearingPressure");
    EXPECT_EQ(failure->messageText,
              std::string("Allowable bearing pressure should lie between 0 and 2088460 psf.")
                  + kPleaseCorrect);
}

} // namespace
} // namespace vendrix

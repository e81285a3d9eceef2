#include "failure_test_support.h"
#include "model/field_table.h"
#include "model/input_rules.h"
#include "model/project_file.h"

#include <gtest/gtest.h>

#include <string>

namespace vendrix {
namespace {

// A value for the field that no initial project holds, different per field.
void setDistinctValue(ProjectRecord &record, const FieldEntry &entry, int index)
{
    switch (entry.kind) {
    case FieldKind::Number:
        *entry.number(record) = 1000.25 + index;
        break;
    case FieldKind::Flag:
        *entry.flag(record) = !*entry.flag(record);
        break;
    case FieldKind::Choice:
        if (std::string(entry.name) == "analysisType")
            record.input.analysisType = AnalysisType::GivenPressure;
        else // englishUnits
            record.display.unitSystem = UnitSystem::English;
        break;
    case FieldKind::Text:
        *entry.text(record) = "value " + std::to_string(index);
        break;
    }
}

bool sameValue(ProjectRecord &a, ProjectRecord &b, const FieldEntry &entry)
{
    switch (entry.kind) {
    case FieldKind::Number:
        return *entry.number(a) == *entry.number(b);
    case FieldKind::Flag:
        return *entry.flag(a) == *entry.flag(b);
    case FieldKind::Choice:
        return std::string(entry.name) == "analysisType"
            ? a.input.analysisType == b.input.analysisType
            : a.display.unitSystem == b.display.unitSystem;
    case FieldKind::Text:
        return *entry.text(a) == *entry.text(b);
    }
    return false;
}

// A field added to the table must be written and read back by the project
// file; one the file does not hold must not be taken from it.
TEST(FieldTable, ProjectFileHoldsExactlyTheFieldsMarkedAsSaved)
{
    const auto &fields = recordFields();
    for (int i = 0; i < static_cast<int>(fields.size()); ++i) {
        const FieldEntry &entry = fields[static_cast<size_t>(i)];
        SCOPED_TRACE(entry.name);
        ProjectRecord saved;
        setDistinctValue(saved, entry, i);
        ProjectRecord opened;
        std::string message;
        ASSERT_TRUE(succeeds(deserializeProject(serializeProject(saved), opened, "f.Vdx"), message))
            << message;
        EXPECT_EQ(sameValue(saved, opened, entry), entry.inProjectFile);
    }
}

// Each physical field is shown with its own quantity's factor in English
// units and unchanged in SI; the values are the conversions by hand.
TEST(FieldTable, ShownValuesUseTheQuantityOfEachField)
{
    DisplaySettings english;
    english.unitSystem = UnitSystem::English;
    const DisplaySettings si;
    const struct
    {
        const char *field;
        double stored;
        double shownEnglish;
    } cases[] = {
        {"circumference", 10.0, 32.8084}, // m -> ft
        {"tubeLength", 2.0, 6.56168},
        {"ultimateStrength", 100.0, 6851.9}, // kN/m -> lb/ft
        {"pumpingPressure", 10.0, 1.45}, // kPa -> psi
        {"consolidatedUnitWeight", 10.0, 63.65627}, // kN/m3 -> lb/ft3
        {"fluidUnitWeightUpper", 1.0, 6.365627},
        {"rfCreep", 1.5, 1.5}, // a plain ratio
        {"noSuchField", 7.0, 7.0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.field);
        EXPECT_NEAR(shownFieldValue(c.field, c.stored, english), c.shownEnglish, 1e-9);
        EXPECT_DOUBLE_EQ(storedFieldValue(c.field, c.shownEnglish, english), c.stored);
        EXPECT_EQ(shownFieldValue(c.field, c.stored, si), c.stored);
    }
}

// What a dialog shows and stores back on OK is the record's value again.
TEST(FieldTable, DialogValuesStoreBackWhatWasShown)
{
    for (const int englishUnits : {0, 1}) {
        SCOPED_TRACE(englishUnits);
        DisplaySettings display;
        display.unitSystem = englishUnits ? UnitSystem::English : UnitSystem::SI;
        ProjectRecord record;
        record.input.fluidHeightLower = 1.75;
        record.input.pumpingPressure = 12.5;
        TubeInput stored;
        storeSlurryValues(shownSlurryValues(record.input, display), display, stored);
        storeAnalysisValues(shownAnalysisValues(record.input, display), display, stored);
        EXPECT_DOUBLE_EQ(stored.circumference, record.input.circumference);
        EXPECT_DOUBLE_EQ(stored.fluidHeightLower, record.input.fluidHeightLower);
        EXPECT_DOUBLE_EQ(stored.slurryUnitWeightUpper, record.input.slurryUnitWeightUpper);
        EXPECT_DOUBLE_EQ(stored.pumpingPressure, record.input.pumpingPressure);
        EXPECT_DOUBLE_EQ(stored.ultimateStrength, record.input.ultimateStrength);
    }
}

} // namespace
} // namespace vendrix

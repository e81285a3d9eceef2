#include "failure_test_support.h"
#include "model/field_table.h"
#include "model/input_rules.h"
#include "model/project_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

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
        if (entry.id == FieldId::AnalysisType)
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
        return entry.id == FieldId::AnalysisType ? a.input.analysisType == b.input.analysisType
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
        EXPECT_EQ(sameValue(saved, opened, entry), entry.inProjectFile());
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
        FieldId field;
        double stored;
        double shownEnglish;
    } cases[] = {
        {FieldId::Circumference, 10.0, 32.8084}, // m -> ft
        {FieldId::TubeLength, 2.0, 6.56168},
        {FieldId::UltimateStrength, 100.0, 6851.9}, // kN/m -> lb/ft
        {FieldId::PumpingPressure, 10.0, 1.45}, // kPa -> psi
        {FieldId::AllowableBearingPressure, 10.0, 208.846}, // kPa -> psf
        {FieldId::ConsolidatedUnitWeight, 10.0, 63.65627}, // kN/m3 -> lb/ft3
        {FieldId::FluidUnitWeightUpper, 1.0, 6.365627},
        {FieldId::RfCreep, 1.5, 1.5}, // a plain ratio
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(fieldName(c.field));
        EXPECT_NEAR(shownFieldValue(c.field, c.stored, english), c.shownEnglish, 1e-9);
        EXPECT_DOUBLE_EQ(storedFieldValue(c.field, c.shownEnglish, english), c.stored);
        EXPECT_EQ(shownFieldValue(c.field, c.stored, si), c.stored);
    }
}

// What a dialog shows and stores back on OK is the record's value again.
TEST(FieldTable, DialogValuesStoreBackWhatWasShown)
{
    for (const UnitSystem units : {UnitSystem::SI, UnitSystem::English}) {
        ProjectRecord record;
        record.display.unitSystem = units;
        record.input.fluidHeightLower = 1.75;
        record.input.pumpingPressure = 12.5;
        for (const FieldEntry &entry : recordFields()) {
            if (entry.kind != FieldKind::Number)
                continue;
            SCOPED_TRACE(entry.name);
            const double shown = shownRecordValue(record, entry.id);
            EXPECT_DOUBLE_EQ(storedFieldValue(entry.id, shown, record.display),
                             storedRecordValue(record, entry.id));
        }
    }
}

// The table is indexed by FieldId and every name leads back to its entry.
TEST(FieldTable, NamesAndIdsFindTheSameEntry)
{
    for (const FieldEntry &entry : recordFields()) {
        SCOPED_TRACE(entry.name);
        EXPECT_EQ(&fieldEntry(entry.id), &entry);
        EXPECT_EQ(findRecordField(entry.name), &entry);
    }
    EXPECT_EQ(findRecordField("noSuchField"), nullptr);
}

// The project file takes its order from the table: the places must be the
// numbers 1 to n without a gap or a repeat, or the file bytes change.
TEST(FieldTable, SavedFieldsFillTheFilePlacesInOrder)
{
    std::vector<int> places;
    for (const FieldEntry &entry : recordFields()) {
        if (entry.inProjectFile())
            places.push_back(entry.file.order);
    }
    std::sort(places.begin(), places.end());
    for (std::size_t i = 0; i < places.size(); ++i)
        EXPECT_EQ(places[i], static_cast<int>(i) + 1);
    EXPECT_EQ(places.size(), 57u);
}

// The values the "&Default" buttons have always shown, SI and English.
TEST(FieldTable, DialogDefaultsInBothUnitSystems)
{
    const struct
    {
        FieldId field;
        double si, english;
    } cases[] = {
        {FieldId::Circumference, 10.0, 30.0},
        {FieldId::TwoSlurryLayers, 1, 1},
        {FieldId::SlurryUnitWeightLower, 12.0, 75.0},
        {FieldId::SlurryUnitWeightUpper, 11.0, 70.0},
        {FieldId::FluidUnitWeightLower, 9.81, 62.43},
        {FieldId::FluidUnitWeightUpper, 0.0, 0.0},
        {FieldId::SlurryHeightLower, 1.0, 3.0},
        {FieldId::FluidHeightLower, 2.0, 5.0},
        {FieldId::UltimateStrength, 100.0, 6800.0},
        {FieldId::DesiredMaxHeight, 2.5, 8.0},
        {FieldId::PumpingPressure, 20.0, 3.0},
        {FieldId::RfInstallationDamage, 1.3, 1.3},
        {FieldId::RfDurability, 1.0, 1.0},
        {FieldId::RfCreep, 1.5, 1.5},
        {FieldId::RfSeamCircumferential, 2.0, 2.0},
        {FieldId::RfSeamAxial, 2.0, 2.0},
        {FieldId::TransportUnitWeight, 9.81, 62.43},
        {FieldId::SpecificGravitySolids, 2.7, 2.7},
        // 0 leaves a design check out in either unit system.
        {FieldId::FabricStrengthCircumferential, 0, 0},
        {FieldId::FabricStrengthAxial, 0, 0},
        {FieldId::FabricStiffness, 0, 0},
        {FieldId::FoundationFriction, 0.5, 0.5},
        {FieldId::AllowableBearingPressure, 0, 0},
        {FieldId::DesignWaveHeight, 0, 0},
        {FieldId::RequiredSafetySliding, 1.5, 1.5},
        {FieldId::RequiredSafetyOverturning, 2.0, 2.0},
        {FieldId::WaveStabilityLimit, 1.0, 1.0},
    };
    int withDefaults = 0;
    for (const FieldEntry &entry : recordFields())
        withDefaults += entry.dialogDefault.has_value();
    EXPECT_EQ(withDefaults, static_cast<int>(std::size(cases)));
    for (const auto &c : cases) {
        SCOPED_TRACE(fieldName(c.field));
        EXPECT_EQ(dialogDefaultValue(c.field, UnitSystem::SI), c.si);
        EXPECT_EQ(dialogDefaultValue(c.field, UnitSystem::English), c.english);
    }
    EXPECT_EQ(dialogDefaultValue(FieldId::TubeLength, UnitSystem::SI), 0); // none of its own
}

} // namespace
} // namespace vendrix

#include "model/field_table.h"

#include "model/c_format.h"
#include "model/windows1252.h"

namespace vendrix {

namespace {

#define VENDRIX_NUMBER(part, field) \
    FieldEntry \
    { \
#field, FieldKind::Number, [](ProjectRecord & r) { return &r.part.field; }, nullptr, \
                                                                                 nullptr \
    }
#define VENDRIX_FLAG(part, field) \
    FieldEntry \
    { \
#field, FieldKind::Flag, nullptr, [](ProjectRecord & r) { return &r.part.field; }, nullptr \
    }
#define VENDRIX_TEXT(part, field) \
    FieldEntry \
    { \
#field, FieldKind::Text, nullptr, nullptr, [](ProjectRecord & r) { return &r.part.field; } \
    }

// analysisType and the unit system are enumerations; they are handled separately.
const FieldEntry kAnalysisTypeEntry {"analysisType", FieldKind::Flag, nullptr, nullptr, nullptr};
const FieldEntry kUnitSystemEntry {"englishUnits", FieldKind::Flag, nullptr, nullptr, nullptr};

} // namespace

const std::vector<FieldEntry> &recordFields()
{
    static const std::vector<FieldEntry> fields = {
        VENDRIX_NUMBER(input, circumference),
        VENDRIX_FLAG(input, twoSlurryLayers),
        VENDRIX_NUMBER(input, slurryUnitWeightLower),
        VENDRIX_NUMBER(input, slurryUnitWeightUpper),
        VENDRIX_NUMBER(input, fluidUnitWeightLower),
        VENDRIX_NUMBER(input, fluidUnitWeightUpper),
        VENDRIX_NUMBER(input, slurryHeightLower),
        VENDRIX_NUMBER(input, fluidHeightLower),
        kAnalysisTypeEntry,
        VENDRIX_NUMBER(input, ultimateStrength),
        VENDRIX_NUMBER(input, desiredMaxHeight),
        VENDRIX_NUMBER(input, pumpingPressure),
        VENDRIX_NUMBER(input, rfInstallationDamage),
        VENDRIX_NUMBER(input, rfDurability),
        VENDRIX_NUMBER(input, rfCreep),
        VENDRIX_NUMBER(input, rfSeamCircumferential),
        VENDRIX_NUMBER(input, rfSeamAxial),
        VENDRIX_NUMBER(input, transportUnitWeight),
        VENDRIX_NUMBER(input, specificGravitySolids),
        VENDRIX_NUMBER(input, consolidatedUnitWeight),
        VENDRIX_TEXT(input, costPerUnitArea),
        VENDRIX_TEXT(input, quantityRemarks),
        VENDRIX_NUMBER(input, tubeLength),
        VENDRIX_TEXT(info, title),
        VENDRIX_TEXT(info, projectNumber),
        VENDRIX_TEXT(info, projectNumberSuffix),
        VENDRIX_TEXT(info, client),
        VENDRIX_TEXT(info, dateTime),
        VENDRIX_TEXT(info, designer),
        VENDRIX_TEXT(info, stationNumber),
        VENDRIX_TEXT(info, description),
        VENDRIX_TEXT(info, companyName),
        VENDRIX_TEXT(info, companyStreet1),
        VENDRIX_TEXT(info, companyStreet2),
        VENDRIX_TEXT(info, companyCity),
        VENDRIX_TEXT(info, companyState),
        VENDRIX_TEXT(info, companyZip),
        VENDRIX_TEXT(info, companyPhone),
        VENDRIX_TEXT(info, companyFax),
        VENDRIX_TEXT(info, companyEmail),
        VENDRIX_TEXT(info, logoPath),
        VENDRIX_FLAG(info, includeLogo),
        kUnitSystemEntry,
        VENDRIX_TEXT(display, currencyUnit),
        VENDRIX_FLAG(display, printBlackWhite),
        VENDRIX_FLAG(display, screenBlackWhite),
        VENDRIX_FLAG(display, asianPacific),
        VENDRIX_FLAG(display, omitConsolidationPage),
    };
    return fields;
}

#undef VENDRIX_NUMBER
#undef VENDRIX_FLAG
#undef VENDRIX_TEXT

const FieldEntry *findRecordField(std::string_view name)
{
    for (const FieldEntry &entry : recordFields()) {
        if (name == entry.name)
            return &entry;
    }
    return nullptr;
}

bool setRecordField(ProjectRecord &record, std::string_view name, std::string_view value,
                    std::string &error)
{
    const FieldEntry *entry = findRecordField(name);
    if (!entry) {
        error = "unknown field \"" + std::string(name) + "\"";
        return false;
    }
    if (entry->kind == FieldKind::Text) {
        *entry->text(record) = utf8ToWindows1252(value);
        return true;
    }
    if (name == "analysisType") {
        static const char *const kNames[] = {"GivenStrength", "GivenHeight", "GivenPressure"};
        for (int i = 0; i < 3; ++i) {
            if (value == kNames[i] || value == std::to_string(i)) {
                record.input.analysisType = static_cast<AnalysisType>(i);
                return true;
            }
        }
        error = "analysisType takes 0, 1, 2, GivenStrength, GivenHeight or GivenPressure, not \""
            + std::string(value) + "\"";
        return false;
    }
    if (entry->kind == FieldKind::Flag) {
        if (value != "0" && value != "1") {
            error = std::string(name) + " takes 0 or 1, not \"" + std::string(value) + "\"";
            return false;
        }
        if (name == kUnitSystemEntry.name)
            record.display.unitSystem = value == "1" ? UnitSystem::English : UnitSystem::SI;
        else
            *entry->flag(record) = value == "1";
        return true;
    }
    double number = 0;
    if (!parsePlainDecimal(value, number)) {
        error = "the value of " + std::string(name) + " is not a plain decimal number: \""
            + std::string(value) + "\"";
        return false;
    }
    *entry->number(record) = number;
    return true;
}

} // namespace vendrix

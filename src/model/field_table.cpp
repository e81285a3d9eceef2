#include "model/field_table.h"

#include "model/c_format.h"
#include "model/units.h"
#include "model/windows1252.h"

namespace vendrix {

namespace {

// The bytes behind a text field: the record's texts and the plain ones.
std::string &textBytes(std::string &text)
{
    return text;
}
std::string &textBytes(RecordText &text)
{
    return text.cp1252;
}

// clang-format off
#define VENDRIX_NUMBER(part, field, quantity) \
    FieldEntry {#field, FieldKind::Number, Quantity::quantity, true, \
                [](ProjectRecord &r) { return &r.part.field; }, nullptr, nullptr}
#define VENDRIX_FLAG(part, field, saved) \
    FieldEntry {#field, FieldKind::Flag, Quantity::None, saved == Saved, \
                nullptr, [](ProjectRecord &r) { return &r.part.field; }, nullptr}
#define VENDRIX_TEXT(part, field, saved) \
    FieldEntry {#field, FieldKind::Text, Quantity::None, saved == Saved, \
                nullptr, nullptr, [](ProjectRecord &r) { return &textBytes(r.part.field); }}
// clang-format on

// Whether the project file holds a field, or only the program's settings.
enum Storage { Saved, NotSaved };

// analysisType and the unit system are enumerations; they are handled separately.
const FieldEntry kAnalysisTypeEntry {"analysisType", FieldKind::Choice, Quantity::None, true,
                                     nullptr,        nullptr,           nullptr};
const FieldEntry kUnitSystemEntry {"englishUnits", FieldKind::Choice, Quantity::None, true,
                                   nullptr,        nullptr,           nullptr};

std::optional<Failure> setAnalysisType(ProjectRecord &record, std::string_view value)
{
    static const char *const kNames[] = {"GivenStrength", "GivenHeight", "GivenPressure"};
    for (int i = 0; i < 3; ++i) {
        if (value == kNames[i] || value == std::to_string(i)) {
            record.input.analysisType = static_cast<AnalysisType>(i);
            return std::nullopt;
        }
    }
    return Failure::plain(
        "analysisType takes 0, 1, 2, GivenStrength, GivenHeight or GivenPressure, not \""
        + std::string(value) + "\"");
}

// On/off text: "1" on, "0" off, anything else refused.
std::optional<bool> switchValue(std::string_view value)
{
    if (value == "1")
        return true;
    if (value == "0")
        return false;
    return std::nullopt;
}

std::optional<Failure> notASwitch(std::string_view name, std::string_view value)
{
    return Failure::plain(std::string(name) + " takes 0 or 1, not \"" + std::string(value) + "\"");
}

} // namespace

const std::vector<FieldEntry> &recordFields()
{
    static const std::vector<FieldEntry> fields = {
        VENDRIX_NUMBER(input, circumference, Length),
        VENDRIX_FLAG(input, twoSlurryLayers, Saved),
        VENDRIX_NUMBER(input, slurryUnitWeightLower, UnitWeight),
        VENDRIX_NUMBER(input, slurryUnitWeightUpper, UnitWeight),
        VENDRIX_NUMBER(input, fluidUnitWeightLower, UnitWeight),
        VENDRIX_NUMBER(input, fluidUnitWeightUpper, UnitWeight),
        VENDRIX_NUMBER(input, slurryHeightLower, Length),
        VENDRIX_NUMBER(input, fluidHeightLower, Length),
        kAnalysisTypeEntry,
        VENDRIX_NUMBER(input, ultimateStrength, ForcePerLength),
        VENDRIX_NUMBER(input, desiredMaxHeight, Length),
        VENDRIX_NUMBER(input, pumpingPressure, Pressure),
        VENDRIX_NUMBER(input, rfInstallationDamage, None),
        VENDRIX_NUMBER(input, rfDurability, None),
        VENDRIX_NUMBER(input, rfCreep, None),
        VENDRIX_NUMBER(input, rfSeamCircumferential, None),
        VENDRIX_NUMBER(input, rfSeamAxial, None),
        VENDRIX_NUMBER(input, transportUnitWeight, UnitWeight),
        VENDRIX_NUMBER(input, specificGravitySolids, None),
        VENDRIX_NUMBER(input, consolidatedUnitWeight, UnitWeight),
        VENDRIX_TEXT(input, costPerUnitArea, Saved),
        VENDRIX_TEXT(input, quantityRemarks, Saved),
        VENDRIX_NUMBER(input, tubeLength, Length),
        VENDRIX_TEXT(info, title, Saved),
        VENDRIX_TEXT(info, projectNumber, Saved),
        VENDRIX_TEXT(info, projectNumberSuffix, Saved),
        VENDRIX_TEXT(info, client, Saved),
        VENDRIX_TEXT(info, dateTime, Saved),
        VENDRIX_TEXT(info, designer, Saved),
        VENDRIX_TEXT(info, stationNumber, Saved),
        VENDRIX_TEXT(info, description, Saved),
        VENDRIX_TEXT(info, companyName, Saved),
        VENDRIX_TEXT(info, companyStreet1, Saved),
        VENDRIX_TEXT(info, companyStreet2, Saved),
        VENDRIX_TEXT(info, companyCity, Saved),
        VENDRIX_TEXT(info, companyState, Saved),
        VENDRIX_TEXT(info, companyZip, Saved),
        VENDRIX_TEXT(info, companyPhone, Saved),
        VENDRIX_TEXT(info, companyFax, Saved),
        VENDRIX_TEXT(info, companyEmail, Saved),
        VENDRIX_TEXT(info, logoPath, Saved),
        VENDRIX_FLAG(info, includeLogo, Saved),
        kUnitSystemEntry,
        VENDRIX_TEXT(display, currencyUnit, Saved),
        VENDRIX_FLAG(display, printBlackWhite, Saved),
        VENDRIX_FLAG(display, screenBlackWhite, NotSaved),
        VENDRIX_FLAG(display, asianPacific, Saved),
        VENDRIX_FLAG(display, omitConsolidationPage, NotSaved),
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

double displayFactor(Quantity quantity, const DisplaySettings &display)
{
    const UnitFactors f = UnitFactors::forSettings(display.unitSystem);
    switch (quantity) {
    case Quantity::Length:
        return f.length;
    case Quantity::Area:
        return f.area;
    case Quantity::ForcePerLength:
        return f.forcePerLength;
    case Quantity::Pressure:
        return f.pumpingPressure;
    case Quantity::UnitWeight:
        return f.unitWeight;
    case Quantity::None:
        break;
    }
    return 1.0;
}

namespace {

Quantity fieldQuantity(std::string_view name)
{
    const FieldEntry *entry = findRecordField(name);
    return entry ? entry->quantity : Quantity::None;
}

} // namespace

double shownFieldValue(std::string_view name, double stored, const DisplaySettings &display)
{
    const Quantity quantity = fieldQuantity(name);
    return quantity == Quantity::None ? stored : stored * displayFactor(quantity, display);
}

double storedFieldValue(std::string_view name, double shown, const DisplaySettings &display)
{
    const Quantity quantity = fieldQuantity(name);
    return quantity == Quantity::None ? shown : shown / displayFactor(quantity, display);
}

namespace {

std::optional<Failure> assignRecordField(ProjectRecord &record, std::string_view name,
                                         std::string_view value)
{
    const FieldEntry *entry = findRecordField(name);
    if (!entry) {
        return Failure::plain("unknown field \"" + std::string(name) + "\"");
    }
    if (entry->kind == FieldKind::Text) {
        *entry->text(record) = utf8ToWindows1252(value);
        return std::nullopt;
    }
    if (name == kAnalysisTypeEntry.name)
        return setAnalysisType(record, value);
    if (entry->kind == FieldKind::Flag || entry->kind == FieldKind::Choice) {
        const std::optional<bool> on = switchValue(value);
        if (!on)
            return notASwitch(name, value);
        if (entry->kind == FieldKind::Flag)
            *entry->flag(record) = *on;
        else // englishUnits
            record.display.unitSystem = *on ? UnitSystem::English : UnitSystem::SI;
        return std::nullopt;
    }
    double number = 0;
    if (!parsePlainDecimal(value, number)) {
        return Failure::plain("the value of " + std::string(name)
                              + " is not a plain decimal number: \"" + std::string(value) + "\"");
    }
    *entry->number(record) = number;
    return std::nullopt;
}

} // namespace

std::optional<Failure> setRecordField(ProjectRecord &record, std::string_view name,
                                      std::string_view value)
{
    // The refusals quote the name and value as typed, in UTF-8.
    std::optional<Failure> failure = assignRecordField(record, name, value);
    if (failure)
        failure->messageText = utf8ToWindows1252(failure->messageText);
    return failure;
}

} // namespace vendrix

#include "model/field_table.h"

#include "model/c_format.h"
#include "model/units.h"
#include "model/windows1252.h"

#include <array>

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
// The field's name and where it lives in the record.
#define VENDRIX_AT(part, field) #field, [](ProjectRecord &r) { return &r.part.field; }
// A text field's name and its bytes in the record.
#define VENDRIX_TEXT_AT(part, field) \
    #field, [](ProjectRecord &r) { return &textBytes(r.part.field); }
// clang-format on

constexpr FieldEntry number(FieldId id, const char *name, double *(*at)(ProjectRecord &),
                            Quantity quantity)
{
    return FieldEntry {.id = id,
                       .name = name,
                       .kind = FieldKind::Number,
                       .quantity = quantity,
                       .number = at,
                       .flag = nullptr,
                       .text = nullptr};
}

constexpr FieldEntry flag(FieldId id, const char *name, bool *(*at)(ProjectRecord &))
{
    return FieldEntry {.id = id,
                       .name = name,
                       .kind = FieldKind::Flag,
                       .quantity = Quantity::None,
                       .number = nullptr,
                       .flag = at,
                       .text = nullptr};
}

constexpr FieldEntry text(FieldId id, const char *name, std::string *(*at)(ProjectRecord &),
                          int maxLength)
{
    return FieldEntry {.id = id,
                       .name = name,
                       .kind = FieldKind::Text,
                       .quantity = Quantity::None,
                       .number = nullptr,
                       .flag = nullptr,
                       .text = at}
        .limited(maxLength);
}

// analysisType and the unit system are enumerations; they are handled by name.
constexpr FieldEntry choice(FieldId id, const char *name)
{
    return FieldEntry {.id = id,
                       .name = name,
                       .kind = FieldKind::Choice,
                       .quantity = Quantity::None,
                       .number = nullptr,
                       .flag = nullptr,
                       .text = nullptr};
}

using Q = Quantity;

constexpr const char *kFollowFluidHeightText = "follow the outside fluid height";
using F = FieldId;

// The bounds of a number are wide enough for any tube that is built, narrow
// enough that every result, the products of the reduction factors and every
// drawing stay finite numbers (stored SI units, inclusive). Saved fields carry
// their place in the project file: the display settings and
// the identification first (those after the title since version 11), then the
// inputs. The text limits beyond the dialogs' own keep a project file from
// carrying texts no page or drawing has room for.
constexpr std::array<FieldEntry, kFieldCount> kFields = {
    number(F::Circumference, VENDRIX_AT(input, circumference), Q::Length)
        .labelled("Circumference of tube")
        .defaults(10.0, 30.0)
        .bounded(0.001, 1e4, 109, "Circumference of tube")
        .savedAt(24),
    flag(F::TwoSlurryLayers, VENDRIX_AT(input, twoSlurryLayers)).defaults(1, 1).savedAt(25),
    number(F::SlurryUnitWeightLower, VENDRIX_AT(input, slurryUnitWeightLower), Q::UnitWeight)
        .labelled("      lower layer")
        .defaults(12.0, 75.0)
        .bounded(0, 100, 110, "Unit weight of lower slurry")
        .savedAt(26),
    number(F::SlurryUnitWeightUpper, VENDRIX_AT(input, slurryUnitWeightUpper), Q::UnitWeight)
        .labelled("      upper layer")
        .defaults(11.0, 70.0)
        .bounded(0, 100, 110, "Unit weight of upper slurry")
        .savedAt(27),
    number(F::FluidUnitWeightLower, VENDRIX_AT(input, fluidUnitWeightLower), Q::UnitWeight)
        .labelled("      Lower fluid")
        .defaults(9.81, kWaterUnitWeightPcf)
        .bounded(0, 100, 110, "Unit weight of outer lower liquid")
        .savedAt(28),
    number(F::FluidUnitWeightUpper, VENDRIX_AT(input, fluidUnitWeightUpper), Q::UnitWeight)
        .labelled("      Upper fluid")
        .defaults(0.0, 0.0)
        .bounded(0, 100, 110, "Unit weight of outer upper liquid")
        .savedAt(29),
    number(F::SlurryHeightLower, VENDRIX_AT(input, slurryHeightLower), Q::Length)
        .labelled("Height of lower layer of slurry,   H in-Lower")
        .defaults(1.0, 3.0)
        .bounded(0, 1e4, 111, "Height of lower slurry layer")
        .savedAt(30),
    number(F::FluidHeightLower, VENDRIX_AT(input, fluidHeightLower), Q::Length)
        .labelled("Height of outside lower fluid,   H out-Lower")
        .defaults(2.0, 5.0)
        .bounded(0, 1e4, 111, "Height of outer lower liquid")
        .savedAt(31),
    choice(F::AnalysisType, "analysisType").savedAt(37),
    number(F::UltimateStrength, VENDRIX_AT(input, ultimateStrength), Q::ForcePerLength)
        .labelled("Ultimate strength of geosynthetic in circumferential direction")
        .defaults(100.0, 6800.0)
        .bounded(0.001, 1e7, 308, "Strength")
        .savedAt(38),
    number(F::DesiredMaxHeight, VENDRIX_AT(input, desiredMaxHeight), Q::Length)
        .labelled("Desired maximum height of tube")
        .defaults(2.5, 8.0)
        .bounded(0.001, 1e4, 309, "Height")
        .savedAt(39),
    number(F::PumpingPressure, VENDRIX_AT(input, pumpingPressure), Q::Pressure)
        .labelled("Net pumping pressure at inlet")
        .defaults(20.0, 3.0)
        .bounded(0, 1e5, 310, "Pressure")
        .savedAt(40),
    number(F::RfInstallationDamage, VENDRIX_AT(input, rfInstallationDamage), Q::None)
        .labelled("Reduction factor for installation damage,  RFid . . .")
        .defaults(1.3, 1.3)
        .bounded(1, 1000, 202, "Reduction factor for installation damage")
        .savedAt(32),
    number(F::RfDurability, VENDRIX_AT(input, rfDurability), Q::None)
        .labelled("Reduction factor for durability,  RFd . . .")
        .defaults(1.0, 1.0)
        .bounded(1, 1000, 202, "Reduction factor for durability")
        .savedAt(33),
    number(F::RfCreep, VENDRIX_AT(input, rfCreep), Q::None)
        .labelled("Reduction factor for creep,  RFc . . .")
        .defaults(1.5, 1.5)
        .bounded(1, 1000, 202, "Reduction factor for creep")
        .savedAt(34),
    number(F::RfSeamCircumferential, VENDRIX_AT(input, rfSeamCircumferential), Q::None)
        .labelled("      circumferential direction . . . . . .")
        .defaults(2.0, 2.0)
        .bounded(1, 1000, 202, "Reduction factor for circumferential seams")
        .savedAt(35),
    number(F::RfSeamAxial, VENDRIX_AT(input, rfSeamAxial), Q::None)
        .labelled("      axial (longitudial) direction . . . . . .")
        .defaults(2.0, 2.0)
        .bounded(1, 1000, 202, "Reduction factor for axial seams")
        .savedAt(36),
    number(F::TransportUnitWeight, VENDRIX_AT(input, transportUnitWeight), Q::UnitWeight)
        .labelled("Unit weight of transporting medium such as water,")
        .defaults(9.81, kWaterUnitWeightPcf)
        .bounded(0, 100, 112, "Unit weight of transporting medium")
        .savedAt(41),
    number(F::SpecificGravitySolids, VENDRIX_AT(input, specificGravitySolids), Q::None)
        .labelled("Specific gravity of solids,  Gs")
        .defaults(2.7, 2.7)
        .bounded(1, 100, 404, "Specific gravity of solids, Gs,")
        .savedAt(42),
    // Its default follows the slurry: see defaultConsolidatedUnitWeight.
    number(F::ConsolidatedUnitWeight, VENDRIX_AT(input, consolidatedUnitWeight), Q::UnitWeight)
        .labelled("Saturated unit weight of consolidated fill,")
        .bounded(0, 100, 403, "Final saturated unit weight of slurry")
        .savedAt(43),
    text(F::CostPerUnitArea, VENDRIX_TEXT_AT(input, costPerUnitArea), 1000)
        .labelled("Cost per unit area")
        .savedAt(44),
    text(F::QuantityRemarks, VENDRIX_TEXT_AT(input, quantityRemarks), 250)
        .labelled("Remarks:")
        .savedAt(45),
    number(F::TubeLength, VENDRIX_AT(input, tubeLength), Q::Length)
        .labelled("Length of tube")
        .bounded(0, 1e6, 502, "Length of tube")
        .savedAt(46),
    text(F::Title, VENDRIX_TEXT_AT(info, title), 40).labelled("Title").savedAt(8),
    text(F::ProjectNumber, VENDRIX_TEXT_AT(info, projectNumber), 40).labelled("Number").savedAt(7),
    text(F::ProjectNumberSuffix, VENDRIX_TEXT_AT(info, projectNumberSuffix), 20)
        .labelled("__")
        .savedAt(16, 11),
    text(F::Client, VENDRIX_TEXT_AT(info, client), 200).labelled("Client").savedAt(9, 11),
    text(F::DateTime, VENDRIX_TEXT_AT(info, dateTime), 40).labelled("Date / Time").savedAt(4),
    text(F::Designer, VENDRIX_TEXT_AT(info, designer), 200).labelled("Designer :").savedAt(6),
    text(F::StationNumber, VENDRIX_TEXT_AT(info, stationNumber), 40)
        .labelled("Station Number")
        .savedAt(20, 11),
    text(F::Description, VENDRIX_TEXT_AT(info, description), 600)
        .labelled("Description :")
        .savedAt(5),
    text(F::CompanyName, VENDRIX_TEXT_AT(info, companyName), 100).labelled("Name").savedAt(10, 11),
    text(F::CompanyStreet1, VENDRIX_TEXT_AT(info, companyStreet1), 100)
        .labelled("Street")
        .savedAt(12, 11),
    text(F::CompanyStreet2, VENDRIX_TEXT_AT(info, companyStreet2), 100).savedAt(13, 11),
    text(F::CompanyCity, VENDRIX_TEXT_AT(info, companyCity), 30).labelled("City").savedAt(14, 11),
    text(F::CompanyState, VENDRIX_TEXT_AT(info, companyState), 20)
        .labelled("State")
        .savedAt(11, 11),
    text(F::CompanyZip, VENDRIX_TEXT_AT(info, companyZip), 20).labelled("Zip").savedAt(15, 11),
    text(F::CompanyPhone, VENDRIX_TEXT_AT(info, companyPhone), 30)
        .labelled("Phone #")
        .savedAt(19, 11),
    text(F::CompanyFax, VENDRIX_TEXT_AT(info, companyFax), 30).labelled("FAX").savedAt(18, 11),
    text(F::CompanyEmail, VENDRIX_TEXT_AT(info, companyEmail), 30)
        .labelled("E-Mail")
        .savedAt(17, 11),
    text(F::LogoPath, VENDRIX_TEXT_AT(info, logoPath), 4096).savedAt(21, 11),
    flag(F::IncludeLogo, VENDRIX_AT(info, includeLogo)).savedAt(22, 11),
    choice(F::EnglishUnits, "englishUnits").savedAt(1),
    text(F::CurrencyUnit, VENDRIX_TEXT_AT(display, currencyUnit), 20)
        .labelled("Currency unit")
        .savedAt(2),
    flag(F::PrintBlackWhite, VENDRIX_AT(display, printBlackWhite)).savedAt(3),
    flag(F::ScreenBlackWhite, VENDRIX_AT(display, screenBlackWhite)),
    flag(F::AsianPacific, VENDRIX_AT(display, asianPacific)).savedAt(23, 11),
    flag(F::OmitConsolidationPage, VENDRIX_AT(display, omitConsolidationPage)),
    // The design check: 0 leaves a check out; a level of -1 follows the outside
    // fluid. Saved after the reserved blocks since version 12.
    number(F::FabricStrengthCircumferential, VENDRIX_AT(designCheck, fabricStrengthCircumferential),
           Q::ForcePerLength)
        .labelled("Available ultimate strength, circumferential")
        .defaults(0, 0)
        .bounded(0, 1e7, 601, "Available circumferential strength")
        .savedAt(47, 12),
    number(F::FabricStrengthAxial, VENDRIX_AT(designCheck, fabricStrengthAxial), Q::ForcePerLength)
        .labelled("Available ultimate strength, axial")
        .defaults(0, 0)
        .bounded(0, 1e7, 602, "Available axial strength")
        .savedAt(48, 12),
    number(F::FabricStiffness, VENDRIX_AT(designCheck, fabricStiffness), Q::ForcePerLength)
        .labelled("Tensile stiffness at working load,  J")
        .defaults(0, 0)
        .bounded(0, 1e8, 603, "Tensile stiffness")
        .savedAt(49, 12),
    number(F::WaterLevelLoaded, VENDRIX_AT(designCheck, waterLevelLoaded), Q::Length)
        .labelled("Water level on the loaded side,  h1")
        .blankMeans(kFollowFluidHeight, kFollowFluidHeightText)
        .bounded(0, 1e4, 604, "Water level on the loaded side")
        .savedAt(50, 12),
    number(F::WaterLevelProtected, VENDRIX_AT(designCheck, waterLevelProtected), Q::Length)
        .labelled("Water level on the protected side,  h2")
        .blankMeans(kFollowFluidHeight, kFollowFluidHeightText)
        .bounded(0, 1e4, 604, "Water level on the protected side")
        .savedAt(51, 12),
    number(F::FoundationFriction, VENDRIX_AT(designCheck, foundationFriction), Q::None)
        .labelled("Friction coefficient, tube on foundation,  mu")
        .defaults(0.5, 0.5)
        .bounded(0, 1.5, 606, "Friction coefficient between tube and foundation")
        .savedAt(52, 12),
    number(F::AllowableBearingPressure, VENDRIX_AT(designCheck, allowableBearingPressure),
           Q::FoundationPressure)
        .labelled("Allowable bearing pressure of the foundation")
        .defaults(0, 0)
        .bounded(0, 1e5, 607, "Allowable bearing pressure")
        .savedAt(53, 12),
    number(F::DesignWaveHeight, VENDRIX_AT(designCheck, designWaveHeight), Q::Length)
        .labelled("Design significant wave height,  Hs")
        .defaults(0, 0)
        .bounded(0, 1e3, 608, "Design wave height")
        .savedAt(54, 12),
    number(F::RequiredSafetySliding, VENDRIX_AT(designCheck, requiredSafetySliding), Q::None)
        .labelled("Factor of safety against sliding")
        .defaults(1.5, 1.5)
        .bounded(0, 1000, 609, "Required factor of safety against sliding")
        .savedAt(55, 12),
    number(F::RequiredSafetyOverturning, VENDRIX_AT(designCheck, requiredSafetyOverturning),
           Q::None)
        .labelled("Factor of safety against overturning")
        .defaults(2.0, 2.0)
        .bounded(0, 1000, 609, "Required factor of safety against overturning")
        .savedAt(56, 12),
    number(F::WaveStabilityLimit, VENDRIX_AT(designCheck, waveStabilityLimit), Q::None)
        .labelled("Limit of the wave stability number,  Hs / (Delta H)")
        .defaults(1.0, 1.0)
        .bounded(0, 1000, 610, "Limit of the wave stability number")
        .savedAt(57, 12),
};

#undef VENDRIX_AT

constexpr bool inIdOrder(const std::array<FieldEntry, kFieldCount> &fields)
{
    for (int i = 0; i < kFieldCount; ++i) {
        if (static_cast<int>(fields[static_cast<std::size_t>(i)].id) != i)
            return false;
    }
    return true;
}
static_assert(inIdOrder(kFields), "the field table is indexed by FieldId");

const char *const kAnalysisTypeNames[] = {"GivenStrength", "GivenHeight", "GivenPressure"};

std::optional<Failure> setAnalysisType(ProjectRecord &record, std::string_view value)
{
    for (int i = 0; i < 3; ++i) {
        if (value == kAnalysisTypeNames[i] || value == std::to_string(i)) {
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

const char *analysisTypeName(AnalysisType type)
{
    return kAnalysisTypeNames[static_cast<int>(type)];
}

std::span<const FieldEntry> recordFields()
{
    return kFields;
}

const FieldEntry &fieldEntry(FieldId id)
{
    return kFields[static_cast<std::size_t>(id)];
}

const FieldEntry *findRecordField(std::string_view name)
{
    for (const FieldEntry &entry : kFields) {
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
    case Quantity::FoundationPressure:
        return f.pressurePsf;
    case Quantity::None:
        break;
    }
    return 1.0;
}

const char *quantityUnitLabel(Quantity quantity, const DisplaySettings &display)
{
    const UnitLabels labels = unitLabels(display);
    switch (quantity) {
    case Quantity::Length:
        return labels.length;
    case Quantity::Area:
        return labels.area;
    case Quantity::ForcePerLength:
        return labels.forcePerLength;
    case Quantity::Pressure:
        return labels.pressure;
    case Quantity::UnitWeight:
        return labels.unitWeight;
    case Quantity::FoundationPressure:
        return labels.foundationPressure;
    case Quantity::None:
        break;
    }
    return nullptr;
}

bool isBlankValue(FieldId id, double stored)
{
    const std::optional<double> &blank = fieldEntry(id).blankValue;
    return blank && stored == *blank;
}

double shownFieldValue(FieldId id, double stored, const DisplaySettings &display)
{
    const Quantity quantity = fieldEntry(id).quantity;
    return quantity == Quantity::None ? stored : stored * displayFactor(quantity, display);
}

double storedFieldValue(FieldId id, double shown, const DisplaySettings &display)
{
    const Quantity quantity = fieldEntry(id).quantity;
    return quantity == Quantity::None ? shown : shown / displayFactor(quantity, display);
}

double storedRecordValue(const ProjectRecord &record, FieldId id)
{
    // The accessors hand out a pointer into a record they may change; reading
    // through it changes nothing.
    return *fieldEntry(id).number(const_cast<ProjectRecord &>(record));
}

double shownRecordValue(const ProjectRecord &record, FieldId id)
{
    return shownFieldValue(id, storedRecordValue(record, id), record.display);
}

double dialogDefaultValue(FieldId id, UnitSystem units)
{
    const std::optional<DialogDefault> &value = fieldEntry(id).dialogDefault;
    if (!value)
        return 0;
    return units == UnitSystem::English ? value->english : value->si;
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
    if (entry->id == FieldId::AnalysisType)
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

#pragma once
// Every field of the project record, described once: its name (the --set name,
// the JSON key, the dialog widget's objectName), what it holds, the physical
// quantity of a number (which display factor converts it), the label and the
// "Default" values of the dialog that shows it, the range of a number, the
// longest text it takes and where the project file stores it. Code names a field by its FieldId;
// names are looked up only for text that comes from outside.

#include "model/failure.h"
#include "model/project_record.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vendrix {

// In the order of TubeInput, ProjectInfo, DisplaySettings and DesignCheckInputs.
enum class FieldId {
    Circumference,
    TwoSlurryLayers,
    SlurryUnitWeightLower,
    SlurryUnitWeightUpper,
    FluidUnitWeightLower,
    FluidUnitWeightUpper,
    SlurryHeightLower,
    FluidHeightLower,
    AnalysisType,
    UltimateStrength,
    DesiredMaxHeight,
    PumpingPressure,
    RfInstallationDamage,
    RfDurability,
    RfCreep,
    RfSeamCircumferential,
    RfSeamAxial,
    TransportUnitWeight,
    SpecificGravitySolids,
    ConsolidatedUnitWeight,
    CostPerUnitArea,
    QuantityRemarks,
    TubeLength,
    Title,
    ProjectNumber,
    ProjectNumberSuffix,
    Client,
    DateTime,
    Designer,
    StationNumber,
    Description,
    CompanyName,
    CompanyStreet1,
    CompanyStreet2,
    CompanyCity,
    CompanyState,
    CompanyZip,
    CompanyPhone,
    CompanyFax,
    CompanyEmail,
    LogoPath,
    IncludeLogo,
    EnglishUnits,
    CurrencyUnit,
    PrintBlackWhite,
    ScreenBlackWhite,
    AsianPacific,
    OmitConsolidationPage,
    FabricStrengthCircumferential,
    FabricStrengthAxial,
    FabricStiffness,
    WaterLevelLoaded,
    WaterLevelProtected,
    FoundationFriction,
    AllowableBearingPressure,
    DesignWaveHeight,
    RequiredSafetySliding,
    RequiredSafetyOverturning,
    WaveStabilityLimit,
};
inline constexpr int kFieldCount = static_cast<int>(FieldId::WaveStabilityLimit) + 1;

// Choice: an enumeration (analysisType, englishUnits), set by name or number.
enum class FieldKind { Number, Flag, Choice, Text };

// What a number field measures; the display factor of units.h that belongs to it.
// Pressure is the pumping pressure's (psi in English units), FoundationPressure
// a pressure on the ground (psf).
enum class Quantity {
    None,
    Length,
    Area,
    ForcePerLength,
    Pressure,
    UnitWeight,
    FoundationPressure
};

// What the "&Default" button of a dialog puts into a field, in the unit system
// the dialog shows (1 or 0 for an on/off field).
struct DialogDefault
{
    double si;
    double english;
};

// The range of a number field in stored SI units, and the numbered rule that
// refuses a value outside it (or a subnormal one, too close to zero to keep its
// digits); checked by the rules of its dialog after their own.
struct NumberBounds
{
    double lowest; // stored SI, inclusive
    double highest; // stored SI, inclusive
    int errorNumber;
    const char *what; // the start of the message: "Circumference of tube"
};

// Where the project file holds a field: its place among the saved fields and
// the first file version that has it. Order 0: kept with the program's
// settings only. Fields of a version after kLastVersionBeforeTrailingFields
// follow the reserved blocks, so that the earlier versions' bytes stay as they
// were.
inline constexpr int kLastVersionBeforeTrailingFields = 11;

struct FileSlot
{
    int order = 0;
    int sinceVersion = 1;
};

struct FieldEntry
{
    FieldId id;
    const char *name; // the record field name, e.g. "circumference"
    FieldKind kind;
    Quantity quantity; // None for everything but a physical number
    double *(*number)(ProjectRecord &);
    bool *(*flag)(ProjectRecord &);
    std::string *(*text)(ProjectRecord &);
    const char *label = nullptr; // beside the field in its dialog; none: nullptr
    std::optional<DialogDefault> dialogDefault = std::nullopt;
    std::optional<NumberBounds> bounds = std::nullopt;
    int maxLength = 0; // characters (Windows-1252 bytes) of a text; 0: no limit
    FileSlot file = {};
    // A number whose empty field stands for this stored value (no rule refuses
    // it); the empty field shows `blankText` as its placeholder.
    std::optional<double> blankValue = std::nullopt;
    const char *blankText = nullptr;

    bool inProjectFile() const { return file.order > 0; }

    // Builders for the table.
    constexpr FieldEntry labelled(const char *text) const
    {
        FieldEntry e = *this;
        e.label = text;
        return e;
    }
    constexpr FieldEntry defaults(double si, double english) const
    {
        FieldEntry e = *this;
        e.dialogDefault = DialogDefault {si, english};
        return e;
    }
    constexpr FieldEntry bounded(double lowest, double highest, int errorNumber,
                                 const char *what) const
    {
        FieldEntry e = *this;
        e.bounds = NumberBounds {lowest, highest, errorNumber, what};
        return e;
    }
    constexpr FieldEntry limited(int characters) const
    {
        FieldEntry e = *this;
        e.maxLength = characters;
        return e;
    }
    constexpr FieldEntry blankMeans(double stored, const char *placeholder) const
    {
        FieldEntry e = *this;
        e.blankValue = stored;
        e.blankText = placeholder;
        return e;
    }
    constexpr FieldEntry savedAt(int order, int sinceVersion = 1) const
    {
        FieldEntry e = *this;
        e.file = FileSlot {order, sinceVersion};
        return e;
    }
};

// Every field, in FieldId order.
std::span<const FieldEntry> recordFields();

const FieldEntry &fieldEntry(FieldId id);
inline const char *fieldName(FieldId id)
{
    return fieldEntry(id).name;
}

// For names from outside: --set, JSON keys, widget object names.
const FieldEntry *findRecordField(std::string_view name);

// The factor from the stored SI value of `quantity` to the displayed one.
double displayFactor(Quantity quantity, const DisplaySettings &display);

// The unit shown beside a field of `quantity`, e.g. "[m]" (Windows-1252);
// nullptr for a plain number.
const char *quantityUnitLabel(Quantity quantity, const DisplaySettings &display);

// True when `stored` is the value an empty field of `id` stands for.
bool isBlankValue(FieldId id, double stored);

// A number field's stored SI value as displayed, and a displayed value as stored.
double shownFieldValue(FieldId id, double stored, const DisplaySettings &display);
double storedFieldValue(FieldId id, double shown, const DisplaySettings &display);
// The record's value of a number field as stored, and as its dialog shows it.
double storedRecordValue(const ProjectRecord &record, FieldId id);
double shownRecordValue(const ProjectRecord &record, FieldId id);

// The "&Default" value of a field in `units`; 0 for a field without one.
double dialogDefaultValue(FieldId id, UnitSystem units);

// The name --set takes for an analysis type: "GivenStrength", ...
const char *analysisTypeName(AnalysisType type);

// Sets a field from command-line text (UTF-8). Numbers are read in the stored
// SI units, in plain decimal notation only; on/off fields take 0 or 1
// (englishUnits: 1 shows English units);
// analysisType takes 0, 1, 2, GivenStrength, GivenHeight or GivenPressure.
// A failure with a readable reason leaves the record unchanged.
std::optional<Failure> setRecordField(ProjectRecord &record, std::string_view name,
                                      std::string_view value);

} // namespace vendrix

#include "model/input_rules.h"

#include "model/c_format.h"
#include "model/field_table.h"
#include "model/units.h"

#include <cmath>

namespace vendrix {

namespace {

// Only the first characters of the cost text are examined.
constexpr std::size_t kCostCharactersChecked = 15;

Failure failure(int number, std::string message, std::string focusField)
{
    return Failure {number, std::move(message), std::move(focusField)};
}

Failure correctable(int number, const std::string &sentence, std::string focusField)
{
    return failure(number, sentence + kPleaseCorrect, std::move(focusField));
}

// The unit of the transporting medium inside Errors 101 and 102, with its
// leading blank: " kN/m ³", " kN/m^3", " lb/ft ³" or " lb/ft^3".
std::string unitWeightUnitInMessage(const DisplaySettings &display)
{
    return std::string(isEnglish(display) ? " lb/ft" : " kN/m")
        + cubeExponent(display.asianPacific);
}

using F = FieldId;

} // namespace

std::string tooManyCharactersMessage(int maximum)
{
    return formatC("Please enter no more than %d characters.", maximum);
}

std::optional<double> parseShownNumber(std::string_view text)
{
    double value = 0;
    if (!parseFieldNumber(text, value) || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<Failure> checkNumberField(FieldId field, std::string_view text, double &value)
{
    const std::optional<double> parsed = parseShownNumber(text);
    if (!parsed)
        return Failure {0, kPleaseEnterNumber, fieldName(field)};
    value = *parsed;
    return std::nullopt;
}

std::optional<Failure> checkTextLength(FieldId field, std::string_view text)
{
    const int maximum = fieldEntry(field).maxLength;
    if (maximum > 0 && text.size() > static_cast<std::size_t>(maximum))
        return Failure {0, tooManyCharactersMessage(maximum), fieldName(field)};
    return std::nullopt;
}

namespace {

// The unit of a field in a message, without brackets ("m", "kN/m ³"), or
// nothing for a plain number.
std::string unitInMessage(FieldId field, const DisplaySettings &display)
{
    const char *label = quantityUnitLabel(fieldEntry(field).quantity, display);
    if (label == nullptr)
        return "";
    const std::string bracketed = label;
    return " " + bracketed.substr(1, bracketed.size() - 2);
}

// The bounds rule on a stored value; the message shows the limits as displayed.
std::optional<Failure> checkStoredBounds(FieldId field, double stored,
                                         const DisplaySettings &display)
{
    const std::optional<NumberBounds> &bounds = fieldEntry(field).bounds;
    if (!bounds || isBlankValue(field, stored))
        return std::nullopt;
    // Written so that a NaN fails; a subnormal value has lost its digits.
    const bool subnormal = stored != 0 && !std::isnormal(stored);
    if (!(stored >= bounds->lowest && stored <= bounds->highest) || subnormal) {
        const double lowest = shownFieldValue(field, bounds->lowest, display);
        const double highest = shownFieldValue(field, bounds->highest, display);
        return correctable(bounds->errorNumber,
                           std::string(bounds->what) + " should lie between "
                               + formatC("%.8g", lowest) + " and " + formatC("%.8g", highest)
                               + unitInMessage(field, display)
                               + (subnormal && bounds->lowest <= 0
                                      ? "; a value this close to zero loses its digits."
                                      : "."),
                           fieldName(field));
    }
    return std::nullopt;
}

} // namespace

std::optional<Failure> checkNumberBounds(FieldId field, double shown,
                                         const DisplaySettings &display)
{
    return checkStoredBounds(field, storedFieldValue(field, shown, display), display);
}

std::optional<Failure> checkCircumference(double circumference)
{
    // Written so that a value that is not a number fails as well.
    if (!(circumference > 0))
        return correctable(108, "Circumference of tube should be greater than zero.",
                           fieldName(F::Circumference));
    return std::nullopt;
}

namespace {

// Shown values of the Slurry Data dialog that its rules compare.
struct ShownSlurry
{
    double slurryLower, slurryUpper, fluidLower, fluidUpper, slurryHeight, fluidHeight;
};

// 103 to 107 compare the values as shown.
std::optional<Failure> checkShownSlurry(const ShownSlurry &shown)
{
    if (!(shown.slurryLower >= shown.slurryUpper))
        return correctable(
            103, "Unit weight of upper slurry should not be greater than that of lower slurry.",
            fieldName(F::SlurryUnitWeightUpper));

    if (!(shown.fluidLower >= 0) || !(shown.fluidUpper >= 0))
        return correctable(104, "Unit weight of outer liquid should not be smaller than zero.",
                           fieldName(!(shown.fluidLower >= 0) ? F::FluidUnitWeightLower
                                                              : F::FluidUnitWeightUpper));

    if (!(shown.slurryUpper >= shown.fluidLower))
        return correctable(105,
                           "Unit weight of outer lower liquid should not be greater than any of "
                           "unit weight of inner slurries.",
                           fieldName(F::FluidUnitWeightLower));

    if (!(shown.fluidLower >= shown.fluidUpper))
        return correctable(
            106,
            "Unit weight of outer upper liquid should not be greater than that of lower liquid.",
            fieldName(F::FluidUnitWeightUpper));

    // Hin-Lower is checked even with one layer, where its field is hidden.
    if (!(shown.slurryHeight >= 0))
        return correctable(107, "Height of lower slurry layer should not be negative.",
                           fieldName(F::SlurryHeightLower));
    if (!(shown.fluidHeight >= 0))
        return correctable(107, "Height of outer lower liquid should not be negative.",
                           fieldName(F::FluidHeightLower));
    return std::nullopt;
}

// The fields of the dialogs whose own rules come before the bounds, in the
// order their bounds are checked.
const FieldId kSlurryNumbers[] = {
    F::Circumference,        F::SlurryUnitWeightLower, F::SlurryUnitWeightUpper,
    F::FluidUnitWeightLower, F::FluidUnitWeightUpper,  F::SlurryHeightLower,
    F::FluidHeightLower,
};
const FieldId kReductionFactors[] = {
    F::RfInstallationDamage, F::RfDurability, F::RfCreep, F::RfSeamCircumferential, F::RfSeamAxial,
};
// Indexed by AnalysisType.
const FieldId kObjectives[] = {F::UltimateStrength, F::DesiredMaxHeight, F::PumpingPressure};

} // namespace

std::optional<Failure> checkSlurryData(const ProjectRecord &record)
{
    const TubeInput &input = record.input;
    const DisplaySettings &display = record.display;
    if (auto failure = checkCircumference(shownRecordValue(record, F::Circumference)))
        return failure;

    // 101, 102: the slurry must be at least as heavy as the medium that carries it.
    // Compared in kN/m3; the message shows the medium in the shown unit.
    const std::string heavierThanMedium
        = "Unit weight of slurry should not be smaller than\nthat of transporting medium ("
        + formatC("%.3f", shownRecordValue(record, F::TransportUnitWeight))
        + unitWeightUnitInMessage(display) + ").";
    // Every rule is written so that a NaN fails it.
    if (!(input.slurryUnitWeightLower >= input.transportUnitWeight))
        return correctable(101, heavierThanMedium, fieldName(F::SlurryUnitWeightLower));
    if (!(input.slurryUnitWeightUpper >= input.transportUnitWeight))
        return correctable(102, heavierThanMedium, fieldName(F::SlurryUnitWeightUpper));

    const ShownSlurry shown {
        shownRecordValue(record, F::SlurryUnitWeightLower),
        shownRecordValue(record, F::SlurryUnitWeightUpper),
        shownRecordValue(record, F::FluidUnitWeightLower),
        shownRecordValue(record, F::FluidUnitWeightUpper),
        shownRecordValue(record, F::SlurryHeightLower),
        shownRecordValue(record, F::FluidHeightLower),
    };
    if (auto failure = checkShownSlurry(shown))
        return failure;
    for (const FieldId field : kSlurryNumbers) {
        if (auto failure = checkStoredBounds(field, storedRecordValue(record, field), display))
            return failure;
    }
    return std::nullopt;
}

std::optional<Failure> checkTransportUnitWeight(double transportUnitWeight)
{
    if (!std::isnormal(transportUnitWeight) || !(transportUnitWeight > 0))
        return Failure {0,
                        std::string("Unit weight of transporting medium should be greater "
                                    "than zero.")
                            + kPleaseCorrect,
                        fieldName(F::TransportUnitWeight)};
    // Bounds and message in kN/m3 whatever the units shown.
    return checkStoredBounds(F::TransportUnitWeight, transportUnitWeight, DisplaySettings {});
}

std::optional<Failure> checkReductionFactors(const ProjectRecord &record)
{
    for (const FieldId field : kReductionFactors) {
        if (!(storedRecordValue(record, field) >= 1.0))
            return correctable(201, "Value should not be smaller than 1.0.", fieldName(field));
    }
    for (const FieldId field : kReductionFactors) {
        if (auto failure
            = checkStoredBounds(field, storedRecordValue(record, field), DisplaySettings {}))
            return failure;
    }
    return std::nullopt;
}

namespace {

// 302: no tube of this circumference can stand higher than its ideal circle.
std::optional<Failure> checkDesiredHeight(const ProjectRecord &record)
{
    const double shownCircumference = shownRecordValue(record, F::Circumference);
    const double diameter = shownCircumference * kRuleDiameterPerCircumference;
    const double height = shownRecordValue(record, F::DesiredMaxHeight);
    if (!(height <= diameter)) {
        const char *unit = isEnglish(record.display) ? " [ft]" : " [m]";
        // The diameter is lowered by 0.005 so that the printed limit is never
        // rounded up above the true one.
        const std::string message = "Maximum value should not exceed "
            + formatC("%.2f", diameter - 0.005) + unit + " "
            + "i.e., the diameter of an ideal circular tube having the given circumference of "
            + formatC("%.2f", shownCircumference) + unit + "." + kPleaseCorrect;
        return failure(kDesiredHeightAboveDiameter, message, fieldName(F::DesiredMaxHeight));
    }
    if (!(height > 0))
        return correctable(303, "Height should be greater than zero.",
                           fieldName(F::DesiredMaxHeight));
    return std::nullopt;
}

} // namespace

std::optional<Failure> checkAnalysisType(const ProjectRecord &record)
{
    switch (record.input.analysisType) {
    case AnalysisType::GivenStrength:
        if (!(shownRecordValue(record, F::UltimateStrength) > 0))
            return correctable(301, "Strength should be greater than zero.",
                               fieldName(F::UltimateStrength));
        break;
    case AnalysisType::GivenHeight:
        if (auto failure = checkDesiredHeight(record))
            return failure;
        break;
    case AnalysisType::GivenPressure:
        if (!(shownRecordValue(record, F::PumpingPressure) >= 0))
            return correctable(304, "Pressure should not be smaller than zero.",
                               fieldName(F::PumpingPressure));
        break;
    }
    const FieldId objective = kObjectives[static_cast<int>(record.input.analysisType)];
    return checkStoredBounds(objective, storedRecordValue(record, objective), record.display);
}

namespace {

// In the order of the Design Check dialog.
const FieldId kDesignCheckNumbers[] = {
    F::FabricStrengthCircumferential,
    F::FabricStrengthAxial,
    F::FabricStiffness,
    F::WaterLevelLoaded,
    F::WaterLevelProtected,
    F::FoundationFriction,
    F::AllowableBearingPressure,
    F::DesignWaveHeight,
    F::RequiredSafetySliding,
    F::RequiredSafetyOverturning,
    F::WaveStabilityLimit,
};

// The sign rule, numbered and worded as the field's bounds.
std::optional<Failure> checkNotNegative(FieldId field, double stored)
{
    if (stored >= 0 || isBlankValue(field, stored))
        return std::nullopt;
    const FieldEntry &entry = fieldEntry(field);
    std::string sentence = std::string(entry.bounds->what) + " should not be negative";
    if (entry.blankValue)
        sentence += formatC(" (an empty field, or %g, means \"%s\")", *entry.blankValue,
                            entry.blankText);
    return correctable(entry.bounds->errorNumber, sentence + ".", fieldName(field));
}

} // namespace

std::optional<Failure> checkDesignCheckInputs(const ProjectRecord &record)
{
    for (const FieldId field : kDesignCheckNumbers) {
        if (auto failure = checkNotNegative(field, storedRecordValue(record, field)))
            return failure;
    }
    const DesignCheckInputs &check = record.designCheck;
    const bool bothLevelsGiven = !isBlankValue(F::WaterLevelLoaded, check.waterLevelLoaded)
        && !isBlankValue(F::WaterLevelProtected, check.waterLevelProtected);
    if (bothLevelsGiven && check.waterLevelLoaded < check.waterLevelProtected)
        return correctable(605,
                           "Water level on the loaded side should not be below that on the "
                           "protected side.",
                           fieldName(F::WaterLevelLoaded));
    for (const FieldId field : kDesignCheckNumbers) {
        if (auto failure
            = checkStoredBounds(field, storedRecordValue(record, field), record.display))
            return failure;
    }
    return std::nullopt;
}

std::optional<Failure> checkStoredInputs(const ProjectRecord &record)
{
    if (auto failure = checkTransportUnitWeight(record.input.transportUnitWeight))
        return failure;
    if (auto failure = checkSlurryData(record))
        return failure;
    if (auto failure = checkReductionFactors(record))
        return failure;
    if (auto failure = checkAnalysisType(record))
        return failure;
    return checkDesignCheckInputs(record);
}

std::optional<Failure> checkGeneralInformation(std::string_view designer)
{
    if (designer.empty())
        return failure(1120, "\n Designer name must be input.", fieldName(F::Designer));
    return std::nullopt;
}

std::vector<Failure> costTextFailures(std::string_view costText)
{
    std::vector<Failure> failures;
    const std::string_view examined = costText.substr(0, kCostCharactersChecked);
    for (const char c : examined) {
        if ((c < '0' || c > '9') && c != '.')
            failures.push_back(
                failure(1100, "Please insert a number and not a character.", std::string()));
    }
    return failures;
}

std::optional<Failure> checkCostText(std::string_view costText)
{
    std::vector<Failure> failures = costTextFailures(costText);
    if (failures.empty())
        return std::nullopt;
    return failures.front();
}

} // namespace vendrix

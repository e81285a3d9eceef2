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

// A number input and its displayed value in a dialog's values; the field table
// knows its quantity and so its display factor.
template<typename Shown> struct ShownNumber
{
    const char *field;
    double TubeInput::*stored;
    double Shown::*shown;
};

const ShownNumber<SlurryShownValues> kSlurryNumbers[] = {
    {"circumference", &TubeInput::circumference, &SlurryShownValues::circumference},
    {"slurryUnitWeightLower", &TubeInput::slurryUnitWeightLower,
     &SlurryShownValues::slurryUnitWeightLower},
    {"slurryUnitWeightUpper", &TubeInput::slurryUnitWeightUpper,
     &SlurryShownValues::slurryUnitWeightUpper},
    {"fluidUnitWeightLower", &TubeInput::fluidUnitWeightLower,
     &SlurryShownValues::fluidUnitWeightLower},
    {"fluidUnitWeightUpper", &TubeInput::fluidUnitWeightUpper,
     &SlurryShownValues::fluidUnitWeightUpper},
    {"slurryHeightLower", &TubeInput::slurryHeightLower, &SlurryShownValues::slurryHeightLower},
    {"fluidHeightLower", &TubeInput::fluidHeightLower, &SlurryShownValues::fluidHeightLower},
};

const ShownNumber<AnalysisShownValues> kAnalysisNumbers[] = {
    {"ultimateStrength", &TubeInput::ultimateStrength, &AnalysisShownValues::ultimateStrength},
    {"desiredMaxHeight", &TubeInput::desiredMaxHeight, &AnalysisShownValues::desiredMaxHeight},
    {"pumpingPressure", &TubeInput::pumpingPressure, &AnalysisShownValues::pumpingPressure},
};

template<typename Shown, std::size_t N>
void showNumbers(const ShownNumber<Shown> (&numbers)[N], const TubeInput &input,
                 const DisplaySettings &display, Shown &shown)
{
    for (const ShownNumber<Shown> &n : numbers)
        shown.*n.shown = shownFieldValue(n.field, input.*n.stored, display);
}

template<typename Shown, std::size_t N>
void storeNumbers(const ShownNumber<Shown> (&numbers)[N], const Shown &shown,
                  const DisplaySettings &display, TubeInput &input)
{
    for (const ShownNumber<Shown> &n : numbers)
        input.*n.stored = storedFieldValue(n.field, shown.*n.shown, display);
}

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

std::optional<Failure> checkNumberField(std::string_view field, std::string_view text,
                                        double &value)
{
    const std::optional<double> parsed = parseShownNumber(text);
    if (!parsed)
        return Failure {0, kPleaseEnterNumber, std::string(field)};
    value = *parsed;
    return std::nullopt;
}

// The first twelve are the dialogs' own limits; the others keep a project file
// from carrying texts no page or drawing has room for.
const TextLimit kTextLimits[21] = {
    {"title", 40},           {"description", 600},        {"companyName", 100},
    {"companyStreet1", 100}, {"companyStreet2", 100},     {"companyCity", 30},
    {"companyState", 20},    {"companyZip", 20},          {"companyPhone", 30},
    {"companyFax", 30},      {"companyEmail", 30},        {"quantityRemarks", 250},
    {"projectNumber", 40},   {"projectNumberSuffix", 20}, {"client", 200},
    {"dateTime", 40},        {"designer", 200},           {"stationNumber", 40},
    {"logoPath", 4096},      {"costPerUnitArea", 1000},   {"currencyUnit", 20},
};

int maxTextLength(std::string_view field)
{
    for (const TextLimit &limit : kTextLimits) {
        if (field == limit.field)
            return limit.maxLength;
    }
    return 0;
}

std::optional<Failure> checkTextLength(std::string_view field, std::string_view text)
{
    const int maximum = maxTextLength(field);
    if (maximum > 0 && text.size() > static_cast<std::size_t>(maximum))
        return Failure {0, tooManyCharactersMessage(maximum), std::string(field)};
    return std::nullopt;
}

// Wide enough for any tube that is built, narrow enough that every result, the
// products of the reduction factors and every drawing stay finite numbers.
const NumberBounds kNumberBounds[19] = {
    {"circumference", 0.001, 1e4, 109, "Circumference of tube"},
    {"slurryUnitWeightLower", 0, 100, 110, "Unit weight of lower slurry"},
    {"slurryUnitWeightUpper", 0, 100, 110, "Unit weight of upper slurry"},
    {"fluidUnitWeightLower", 0, 100, 110, "Unit weight of outer lower liquid"},
    {"fluidUnitWeightUpper", 0, 100, 110, "Unit weight of outer upper liquid"},
    {"slurryHeightLower", 0, 1e4, 111, "Height of lower slurry layer"},
    {"fluidHeightLower", 0, 1e4, 111, "Height of outer lower liquid"},
    {"transportUnitWeight", 0, 100, 112, "Unit weight of transporting medium"},
    {"rfInstallationDamage", 1, 1000, 202, "Reduction factor for installation damage"},
    {"rfDurability", 1, 1000, 202, "Reduction factor for durability"},
    {"rfCreep", 1, 1000, 202, "Reduction factor for creep"},
    {"rfSeamCircumferential", 1, 1000, 202, "Reduction factor for circumferential seams"},
    {"rfSeamAxial", 1, 1000, 202, "Reduction factor for axial seams"},
    {"ultimateStrength", 0.001, 1e7, 308, "Strength"},
    {"desiredMaxHeight", 0.001, 1e4, 309, "Height"},
    {"pumpingPressure", 0, 1e5, 310, "Pressure"},
    {"consolidatedUnitWeight", 0, 100, 403, "Final saturated unit weight of slurry"},
    {"specificGravitySolids", 1, 100, 404, "Specific gravity of solids, Gs,"},
    {"tubeLength", 0, 1e6, 502, "Length of tube"},
};

const NumberBounds *numberBounds(std::string_view field)
{
    for (const NumberBounds &bounds : kNumberBounds) {
        if (field == bounds.field)
            return &bounds;
    }
    return nullptr;
}

namespace {

// The unit of a field in a message, without brackets ("m", "kN/m ³"), or
// nothing for a plain number.
std::string unitInMessage(std::string_view field, const DisplaySettings &display)
{
    const FieldEntry *entry = findRecordField(field);
    const UnitLabels labels = unitLabels(display);
    const char *label = nullptr;
    switch (entry ? entry->quantity : Quantity::None) {
    case Quantity::Length:
        label = labels.length;
        break;
    case Quantity::Area:
        label = labels.area;
        break;
    case Quantity::ForcePerLength:
        label = labels.forcePerLength;
        break;
    case Quantity::Pressure:
        label = labels.pressure;
        break;
    case Quantity::UnitWeight:
        label = labels.unitWeight;
        break;
    case Quantity::None:
        return "";
    }
    const std::string bracketed = label;
    return " " + bracketed.substr(1, bracketed.size() - 2);
}

} // namespace

std::optional<Failure> checkNumberBounds(std::string_view field, double shown,
                                         const DisplaySettings &display)
{
    const NumberBounds *bounds = numberBounds(field);
    if (!bounds)
        return std::nullopt;
    const double stored = storedFieldValue(field, shown, display);
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
                           bounds->field);
    }
    return std::nullopt;
}

std::optional<Failure> checkCircumference(double circumference)
{
    // Written so that a value that is not a number fails as well.
    if (!(circumference > 0))
        return correctable(108, "Circumference of tube should be greater than zero.",
                           "circumference");
    return std::nullopt;
}

SlurryShownValues shownSlurryValues(const TubeInput &input, const DisplaySettings &display)
{
    SlurryShownValues shown;
    shown.twoSlurryLayers = input.twoSlurryLayers;
    showNumbers(kSlurryNumbers, input, display, shown);
    return shown;
}

void storeSlurryValues(const SlurryShownValues &shown, const DisplaySettings &display,
                       TubeInput &input)
{
    input.twoSlurryLayers = shown.twoSlurryLayers;
    storeNumbers(kSlurryNumbers, shown, display, input);
}

std::optional<Failure> checkSlurryData(const SlurryShownValues &shown, double transportUnitWeight,
                                       const DisplaySettings &display)
{
    const UnitFactors f = UnitFactors::forSettings(display.unitSystem);

    if (auto failure = checkCircumference(shown.circumference))
        return failure;

    // 101, 102: the slurry must be at least as heavy as the medium that carries it.
    // Compared in kN/m3; the message shows the medium in the shown unit.
    const std::string heavierThanMedium
        = "Unit weight of slurry should not be smaller than\nthat of transporting medium ("
        + formatC("%.3f", transportUnitWeight * f.unitWeight) + unitWeightUnitInMessage(display)
        + ").";
    // Every rule is written so that a NaN fails it.
    if (!(shown.slurryUnitWeightLower / f.unitWeight >= transportUnitWeight))
        return correctable(101, heavierThanMedium, "slurryUnitWeightLower");
    if (!(shown.slurryUnitWeightUpper / f.unitWeight >= transportUnitWeight))
        return correctable(102, heavierThanMedium, "slurryUnitWeightUpper");

    if (!(shown.slurryUnitWeightLower >= shown.slurryUnitWeightUpper))
        return correctable(
            103, "Unit weight of upper slurry should not be greater than that of lower slurry.",
            "slurryUnitWeightUpper");

    if (!(shown.fluidUnitWeightLower >= 0) || !(shown.fluidUnitWeightUpper >= 0))
        return correctable(104, "Unit weight of outer liquid should not be smaller than zero.",
                           !(shown.fluidUnitWeightLower >= 0) ? "fluidUnitWeightLower"
                                                              : "fluidUnitWeightUpper");

    if (!(shown.slurryUnitWeightUpper >= shown.fluidUnitWeightLower))
        return correctable(105,
                           "Unit weight of outer lower liquid should not be greater than any of "
                           "unit weight of inner slurries.",
                           "fluidUnitWeightLower");

    if (!(shown.fluidUnitWeightLower >= shown.fluidUnitWeightUpper))
        return correctable(
            106,
            "Unit weight of outer upper liquid should not be greater than that of lower liquid.",
            "fluidUnitWeightUpper");

    // Hin-Lower is checked even with one layer, where its field is hidden.
    if (!(shown.slurryHeightLower >= 0))
        return correctable(107, "Height of lower slurry layer should not be negative.",
                           "slurryHeightLower");
    if (!(shown.fluidHeightLower >= 0))
        return correctable(107, "Height of outer lower liquid should not be negative.",
                           "fluidHeightLower");
    for (const ShownNumber<SlurryShownValues> &n : kSlurryNumbers) {
        if (auto failure = checkNumberBounds(n.field, shown.*n.shown, display))
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
                        "transportUnitWeight"};
    return checkNumberBounds("transportUnitWeight", transportUnitWeight, DisplaySettings {});
}

ReductionFactorValues reductionFactorValues(const TubeInput &input)
{
    return {input.rfInstallationDamage, input.rfDurability, input.rfCreep,
            input.rfSeamCircumferential, input.rfSeamAxial};
}

std::optional<Failure> checkReductionFactors(const ReductionFactorValues &shown)
{
    const struct
    {
        double value;
        const char *field;
    } factors[] = {
        {shown.rfInstallationDamage, "rfInstallationDamage"},
        {shown.rfDurability, "rfDurability"},
        {shown.rfCreep, "rfCreep"},
        {shown.rfSeamCircumferential, "rfSeamCircumferential"},
        {shown.rfSeamAxial, "rfSeamAxial"},
    };
    for (const auto &factor : factors) {
        if (!(factor.value >= 1.0))
            return correctable(201, "Value should not be smaller than 1.0.", factor.field);
    }
    for (const auto &factor : factors) {
        if (auto failure = checkNumberBounds(factor.field, factor.value, DisplaySettings {}))
            return failure;
    }
    return std::nullopt;
}

AnalysisShownValues shownAnalysisValues(const TubeInput &input, const DisplaySettings &display)
{
    AnalysisShownValues shown {input.analysisType};
    showNumbers(kAnalysisNumbers, input, display, shown);
    return shown;
}

void storeAnalysisValues(const AnalysisShownValues &shown, const DisplaySettings &display,
                         TubeInput &input)
{
    storeNumbers(kAnalysisNumbers, shown, display, input);
    input.analysisType = shown.analysisType;
}

std::optional<Failure> checkAnalysisType(const AnalysisShownValues &shown, double circumference,
                                         const DisplaySettings &display)
{
    const UnitFactors f = UnitFactors::forSettings(display.unitSystem);
    switch (shown.analysisType) {
    case AnalysisType::GivenStrength:
        if (!(shown.ultimateStrength > 0))
            return correctable(301, "Strength should be greater than zero.", "ultimateStrength");
        break;
    case AnalysisType::GivenHeight: {
        // No tube of this circumference can stand higher than its ideal circle.
        const double shownCircumference = circumference * f.length;
        const double diameter = shownCircumference * kRuleDiameterPerCircumference;
        if (!(shown.desiredMaxHeight <= diameter)) {
            const char *unit = isEnglish(display) ? " [ft]" : " [m]";
            // The diameter is lowered by 0.005 so that the printed limit is never
            // rounded up above the true one.
            const std::string message = "Maximum value should not exceed "
                + formatC("%.2f", diameter - 0.005) + unit + " "
                + "i.e., the diameter of an ideal circular tube having the given circumference "
                  "of "
                + formatC("%.2f", shownCircumference) + unit + "." + kPleaseCorrect;
            return failure(kDesiredHeightAboveDiameter, message, "desiredMaxHeight");
        }
        if (!(shown.desiredMaxHeight > 0))
            return correctable(303, "Height should be greater than zero.", "desiredMaxHeight");
        break;
    }
    case AnalysisType::GivenPressure:
        if (!(shown.pumpingPressure >= 0))
            return correctable(304, "Pressure should not be smaller than zero.", "pumpingPressure");
        break;
    }
    const ShownNumber<AnalysisShownValues> &objective
        = kAnalysisNumbers[static_cast<int>(shown.analysisType)];
    return checkNumberBounds(objective.field, shown.*objective.shown, display);
}

std::optional<Failure> checkStoredInputs(const ProjectRecord &record)
{
    const TubeInput &input = record.input;
    if (auto failure = checkTransportUnitWeight(input.transportUnitWeight))
        return failure;
    if (auto failure = checkSlurryData(shownSlurryValues(input, record.display),
                                       input.transportUnitWeight, record.display))
        return failure;
    if (auto failure = checkReductionFactors(reductionFactorValues(input)))
        return failure;
    return checkAnalysisType(shownAnalysisValues(input, record.display), input.circumference,
                             record.display);
}

std::optional<Failure> checkGeneralInformation(std::string_view designer)
{
    if (designer.empty())
        return failure(1120, "\n Designer name must be input.", "designer");
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

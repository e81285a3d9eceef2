#include "model/units.h"

#include "model/dialog_defaults.h"
#include "model/project_record.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace vendrix {

UnitFactors UnitFactors::english()
{
    UnitFactors f;
    f.length = kFeetPerMetre;
    f.area = kFeetPerMetre * kFeetPerMetre;
    f.forcePerLength = kPoundsPerFootPerKilonewtonPerMetre;
    f.unitWeight = kPcfPerKilonewtonPerCubicMetre;
    f.pumpingPressure = kPsiPerKilopascal;
    f.pressurePsf = kPsfPerKilopascal;
    f.force = kPoundsPerKilonewton;
    f.millimetreToInch = kInchesPerMillimetre;
    f.kilopascalToPsi = kPsiPerKilopascalFine;
    f.squareMillimetreToSquareInch = kSquareInchesPerSquareMillimetre;
    return f;
}

const char *const UnitWeightLabels[4] = {
    "[lb/ft^3]",
    "[lb/ft \xB3]",
    "[kN/m^3]",
    "[kN/m \xB3]",
};

UnitLabels unitLabels(UnitSystem units, bool asianPacific)
{
    const bool englishUnits = units == UnitSystem::English;
    UnitLabels labels {};
    labels.length = englishUnits ? "[ft]" : "[m]";
    labels.forcePerLength = englishUnits ? "[lb/ft]" : "[kN/m]";
    labels.pressure = englishUnits ? "[psi]" : "[kPa]";
    labels.foundationPressure = englishUnits ? "[psf]" : "[kPa]";
    labels.unitWeight = UnitWeightLabels[unitWeightLabelIndex(units, asianPacific)];
    if (englishUnits) {
        labels.area = asianPacific ? "[ft^2]" : "[ft \xB2]";
        labels.volumePerLength = asianPacific ? "[ft^3/ft]" : "[ft \xB3/ft]";
    } else {
        labels.area = asianPacific ? "[m^2]" : "[m \xB2]";
        labels.volumePerLength = asianPacific ? "[m^3/m]" : "[m \xB3/m]";
    }
    return labels;
}

UnitLabels unitLabels(const DisplaySettings &display)
{
    return unitLabels(display.unitSystem, display.asianPacific);
}

const char *squareExponent(bool asianPacific)
{
    return asianPacific ? "^2" : " \xB2";
}
const char *cubeExponent(bool asianPacific)
{
    return asianPacific ? "^3" : " \xB3";
}

double roundToThousandths(double value)
{
    const double scaled = (value + 0.0005) * 1000.0;
    // Values far outside any physical input would overflow the 32-bit cut;
    // clamp them instead of invoking undefined behaviour.
    constexpr double kMax = std::numeric_limits<std::int32_t>::max();
    constexpr double kMin = std::numeric_limits<std::int32_t>::min();
    if (std::isnan(scaled))
        return value;
    if (scaled >= kMax || scaled <= kMin)
        return std::trunc(scaled) * 0.001;
    return static_cast<std::int32_t>(scaled) * 0.001;
}

double defaultConsolidatedUnitWeight(double shownSlurryUnitWeightLower)
{
    return std::trunc(shownSlurryUnitWeightLower + 0.1005);
}

} // namespace vendrix

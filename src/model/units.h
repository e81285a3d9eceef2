#pragma once
// Display conversion factors and unit labels. Display value = stored SI value ×
// factor; stored value = display value ÷ factor. With SI every factor is 1.

#include <string>

namespace vendrix {

struct DisplaySettings;

// How values are shown; everything is stored in SI whatever the choice.
enum class UnitSystem { SI, English };

inline constexpr double kFeetPerMetre = 3.28084;
inline constexpr double kPoundsPerFootPerKilonewtonPerMetre = 68.519;
inline constexpr double kPcfPerKilonewtonPerCubicMetre = 6.365627;
inline constexpr double kPsiPerKilopascal = 0.145;
// English default unit weight of water, and the same in kN/m3 (initial stored
// unit weight of the transporting medium).
inline constexpr double kWaterUnitWeightPcf = 62.43;
inline constexpr double kTransportUnitWeightInitial = 9.8073607;

// The solver works in feet, pounds and psi; these factors (with the display
// factors above) take the run's input into its units and its results back.
struct SolverUnits
{
    static constexpr double specificGravityPerUnitWeight = 1 / 9.80736; // per kN/m3
    // Not 68.519 / 12, which rounds one bit differently.
    static constexpr double poundsPerInchPerKilonewtonPerMetre = 5.7099166666666665;
    static constexpr double metresPerFoot = 1 / kFeetPerMetre;
    static constexpr double squareMetresPerSquareFoot = metresPerFoot * metresPerFoot;
    static constexpr double kilopascalPerPsi = 1 / kPsiPerKilopascal;
    static constexpr double kilonewtonPerMetrePerPoundPerInch
        = 12 / kPoundsPerFootPerKilonewtonPerMetre;
    static constexpr double kilonewtonPerMetrePerPoundPerFoot
        = 1 / kPoundsPerFootPerKilonewtonPerMetre;
};

// 1/pi, the diameter of a circle per unit of circumference. The input rule and
// the run's own check have always used these two neighbouring doubles (one
// apart in the last bit); a desired height exactly at the limit is judged as
// before only if each keeps its own.
inline constexpr double kRuleDiameterPerCircumference = 0.318309886142228;
inline constexpr double kRunDiameterPerCircumference = 0.31830988614222805;

struct UnitFactors
{
    double length = 1.0; // m -> ft
    double area = 1.0; // m2 -> ft2, m3/m -> ft3/ft
    double forcePerLength = 1.0; // kN/m -> lb/ft
    double unitWeight = 1.0; // kN/m3 -> lb/ft3
    double pumpingPressure = 1.0; // kPa -> psi
    double pressurePsf = 1.0; // kPa -> lb/ft2
    double force = 1.0; // kN -> lb
    double millimetreToInch = 1.0;
    double kilopascalToPsi = 1.0; // the quantities dialog's finer factor
    double squareMillimetreToSquareInch = 1.0;

    static UnitFactors si() { return {}; }
    static UnitFactors english();
    static UnitFactors forSettings(UnitSystem units)
    {
        return units == UnitSystem::English ? english() : si();
    }
};

// Labels shown next to inputs and in messages, without a leading blank.
struct UnitLabels
{
    const char *length; // "[m]" / "[ft]"
    const char *forcePerLength; // "[kN/m]" / "[lb/ft]"
    const char *pressure; // "[kPa]" / "[psi]"
    const char *unitWeight; // "[kN/m ³]" ... as Windows-1252 bytes
    const char *area; // "[m ²]" / "[ft^2]" ...
    const char *volumePerLength; // "[m ³/m]" / "[ft^3/ft]" ...
};

// The four unit-weight labels in their fixed order, Windows-1252 bytes:
// "[lb/ft^3]", "[lb/ft ³]", "[kN/m^3]", "[kN/m ³]".
extern const char *const UnitWeightLabels[4];

// Index into UnitWeightLabels: 2 × (SI ? 1 : 0) + (Western ? 1 : 0).
inline int unitWeightLabelIndex(UnitSystem units, bool asianPacific)
{
    return 2 * (units == UnitSystem::English ? 0 : 1) + (asianPacific ? 0 : 1);
}

UnitLabels unitLabels(UnitSystem units, bool asianPacific);
UnitLabels unitLabels(const DisplaySettings &display);

// "²" / "³" as the single Windows-1252 bytes preceded by a blank, or "^2" / "^3".
const char *squareExponent(bool asianPacific); // " \xB2" or "^2"
const char *cubeExponent(bool asianPacific); // " \xB3" or "^3"

// The "TRUNCATE" button: trunc((v + 0.0005) × 1000) × 0.001 with a 32-bit cut.
double roundToThousandths(double value);

} // namespace vendrix

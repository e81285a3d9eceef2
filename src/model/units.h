#pragma once
// Display conversion factors and unit labels. Display value = stored SI value ×
// factor; stored value = display value ÷ factor. With SI every factor is 1.

#include "model/unit_constants.h"

#include <string>

namespace vendrix {

struct DisplaySettings;

// How values are shown; everything is stored in SI whatever the choice.
enum class UnitSystem { SI, English };

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
    const char *foundationPressure; // "[kPa]" / "[psf]"
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

#pragma once
// Every unit constant of the program, each written here once: the factors
// between SI and English units, pi as the methods use it, and the
// neighbouring values the classic results were always computed with.
// Several are rounded as the earlier program rounded them; the results depend
// on those exact doubles, so none may be recomputed from another.

namespace vendrix {

// Exact English relations.
inline constexpr double kInchesPerFoot = 12;
inline constexpr double kPsfPerPsi = kInchesPerFoot * kInchesPerFoot; // in2 per ft2

// SI to English, as rounded for the stored values, the displays and the classic solver.
inline constexpr double kFeetPerMetre = 3.28084;
inline constexpr double kPoundsPerFootPerKilonewtonPerMetre = 68.519;
// Not kPoundsPerFootPerKilonewtonPerMetre / kInchesPerFoot, which rounds one bit differently.
inline constexpr double kPoundsPerInchPerKilonewtonPerMetre = 5.7099166666666665;
inline constexpr double kPcfPerKilonewtonPerCubicMetre = 6.365627;
inline constexpr double kPsiPerKilopascal = 0.145;
// Display factors of the English results that have no coarser twin above.
inline constexpr double kPsfPerKilopascal = 20.8846;
inline constexpr double kPoundsPerKilonewton = 224.8;
inline constexpr double kInchesPerMillimetre = 0.03937;
inline constexpr double kSquareInchesPerSquareMillimetre = 0.00155;
// The quantities dialog's finer pressure factor.
inline constexpr double kPsiPerKilopascalFine = 0.145032;

// Water: the English default unit weight, the same in kN/m3 (initial stored
// unit weight of the transporting medium), and the unit weight per unit of
// specific gravity with which the classic run turns unit weights into specific gravities.
inline constexpr double kWaterUnitWeightPcf = 62.43;
inline constexpr double kTransportUnitWeightInitial = 9.8073607;
inline constexpr double kWaterUnitWeightForSpecificGravity = 9.80736; // kN/m3

// pi as the nearest double, and pi minus that double, for pi times a length
// rounded once (with a fused multiply-add).
inline constexpr double kPi = 3.14159265358979323846;
inline constexpr double kPiTail = 1.2246467991473532e-16;

// 1/pi, the diameter of a circle per unit of circumference. The input rule and
// the run's own check have always used these two neighbouring doubles (one
// apart in the last bit); a desired height exactly at the limit is judged as
// before only if each keeps its own.
inline constexpr double kRuleDiameterPerCircumference = 0.318309886142228;
inline constexpr double kRunDiameterPerCircumference = 0.31830988614222805;

// The classic method's own values of pi, kept for its results: pi rounded to
// single precision (the one-layer height of its given-pressure search), and pi
// to eleven decimals (its angle grid).
inline constexpr double kPiAsFloat = 3.1415927410125732;
inline constexpr double kPiToElevenDecimals = 3.14159265359;

} // namespace vendrix

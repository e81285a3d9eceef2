#pragma once
// The filling envelope: the tube of the project solved by the exact method for
// a sweep of pumping pressures, and the safe limit where the working tension
// reaches the allowable working tension. The sweep starts just above zero (a
// tube has no shape at zero pumping pressure); the safe limit is the pumping
// pressure of a given-strength run at the allowable tension, so the envelope
// and the Run describe one tube. All values in SI (kPa, m, m², kN/m).

#include "model/project_record.h"

#include <string>
#include <vector>

namespace vendrix {

// One solved pumping pressure.
struct EnvelopePoint
{
    double pumpingPressure = 0; // kPa, as entered for a given-pressure run
    double maxHeight = 0; // m
    double maxWidth = 0; // m
    double baseWidth = 0; // m
    double area = 0; // m², also storage in m³/m
    double workingTension = 0; // kN/m
    double ultimateStrengthCircumferential = 0; // kN/m, required
    double ultimateStrengthAxial = 0; // kN/m, required
    double tensionRatio = 0; // working tension / allowable working tension
    bool convergenceWarning = false;
};

// Why there is no safe limit (or that there is one).
enum class SafeLimitState {
    Found,
    ExceededAtBottomOfRange, // already at the lowest pressure of the range over the allowable
    NotReachedInRange, // the tension stays below the allowable up to the top of the range
};

struct EnvelopeRequest
{
    double maxPressure = 0; // kPa; 0: where the tension reaches 1.5 × the allowable
    int points = 100; // at least this many sweep points (never fewer than 100)
};

struct FillingEnvelope
{
    double allowableTension = 0; // kN/m, ultimate strength / circumferential reduction
    double minPressure = 0; // kPa, bottom of the sweep
    double maxPressure = 0; // kPa, top of the sweep
    std::vector<EnvelopePoint> points; // ascending pressure, safe limit included
    SafeLimitState state = SafeLimitState::NotReachedInRange;
    EnvelopePoint safeLimit; // valid when state == Found
    TubeSolution safeLimitShape; // the shape at the safe limit (or at the top of the range)
};

// Highest pressure of any sweep; a tube that stays below its allowable up to
// here is treated as never reaching it.
inline constexpr double kEnvelopePressureCeiling = 5000.0; // kPa
// The sweep starts at this fraction of its top.
inline constexpr double kEnvelopeBottomFraction = 0.005;

// The tube at one pumping pressure, exactly as a given-pressure run of the
// exact method computes it. `shape` receives the full solution when given.
// A pressure the run refuses (zero) gives a point with the warning set.
EnvelopePoint envelopePointAt(const TubeInput &input, double pumpingPressure,
                              TubeSolution *shape = nullptr);

// The allowable working tension of the project (kN/m).
double allowableWorkingTension(const TubeInput &input);

// Sweeps the pressures and finds the safe limit.
FillingEnvelope computeFillingEnvelope(const TubeInput &input, const EnvelopeRequest &request);

// A plain sentence (Windows-1252, display units) saying why there is no safe
// limit; empty when there is one.
std::string safeLimitReason(const FillingEnvelope &envelope, UnitSystem units);

} // namespace vendrix

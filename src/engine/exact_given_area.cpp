#include "engine/exact_given_area.h"

#include "engine/root_bracket.h"
#include "model/unit_constants.h"

#include <cmath>

namespace vendrix {

namespace {

// The search runs on ln T (T in kN/m) within these bounds.
constexpr double kLogLowest = -300;
constexpr double kLogHighest = 300;
constexpr int kExpansionLimit = 200;
constexpr int kIterationLimit = 200;
// Relative area mismatch at which the search stops: the noise of the shapes.
constexpr double kAreaAccuracy = 1e-15;
// A tube further than this from the asked area is not reported as found.
constexpr double kAreaTolerance = 1e-10;

// ln(area / wanted area) of the tube of tension e^u; false when there is none.
struct AreaOfTension
{
    const LayeringZones &zones;
    const GivenAreaRequest &request;
    ExactSolution &best;
    double bestMismatch = INFINITY;

    bool operator()(double u, double &value)
    {
        ExactRequest r;
        r.objective = AnalysisType::GivenStrength;
        r.circumference = request.circumference;
        r.workingTension = std::exp(u);
        ExactSolution s;
        if (solveTubeExact(zones, r, s) != ExactRefusal::None || !s.objectiveMet
            || !(s.results.totalArea > 0))
            return false;
        value = std::log(s.results.totalArea / request.area);
        if (std::fabs(value) < bestMismatch) {
            bestMismatch = std::fabs(value);
            best = s;
        }
        return true;
    }
};

// Steps on ln T from u0 until the sign of the mismatch changes; the bracket
// [a, b] with values fa, fb. False when no sign change is found.
bool bracketTension(AreaOfTension &area, double u0, double &a, double &fa, double &b, double &fb)
{
    a = u0;
    if (!area(a, fa))
        return false;
    b = a;
    fb = fa;
    const double direction = fa > 0 ? -1.0 : 1.0;
    double step = 0.25;
    for (int n = 0; n < kExpansionLimit && (fb > 0) == (fa > 0) && fb != 0; ++n) {
        a = b;
        fa = fb;
        b = std::fmin(std::fmax(a + direction * step, kLogLowest), kLogHighest);
        if (b == a || !area(b, fb))
            return false;
        step *= 2;
    }
    return (fb > 0) != (fa > 0) || fb == 0;
}

} // namespace

bool solveTubeForArea(const LayeringZones &zones, const GivenAreaRequest &request,
                      ExactSolution &solution)
{
    solution = ExactSolution {};
    const double c = request.circumference;
    if (!(c > 0) || !(request.area > 0) || !(request.area < c * c / (4 * kPi)))
        return false;
    AreaOfTension area {zones, request, solution};
    // Without a guess the search starts at T = C (kN/m for C in m), of the
    // order of a filled tube's tension.
    const double guess = request.tensionGuess > 0 ? request.tensionGuess : c;
    double a = 0, fa = 0, b = 0, fb = 0;
    if (!bracketTension(area, std::log(guess), a, fa, b, fb))
        return false;
    if (fb != 0) {
        RootBracket bracket(a, fa, b, fb, 1e-15 * std::fmax(1.0, std::fabs(b)));
        for (int n = 0;
             n < kIterationLimit && area.bestMismatch > kAreaAccuracy && !bracket.converged();
             ++n) {
            const double u = bracket.next();
            double value = 0;
            if (!area(u, value))
                break;
            bracket.update(value);
        }
    }
    return area.bestMismatch <= kAreaTolerance;
}

} // namespace vendrix

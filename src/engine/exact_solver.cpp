#include "engine/exact_solver.h"

#include "engine/root_bracket.h"
#include "model/unit_constants.h"

#include <algorithm>
#include <cmath>

namespace vendrix {

namespace {

// A result further than this from its objective is never reported as met.
constexpr double kObjectiveTolerance = 1e-9;
// Searches stop here: far below anything displayed, at the noise of the shapes.
// Close to 4.5 machine epsilons but kept as written: a residual between the two
// would change the searches' last steps. The bracket is narrowed as far,
// relative to its ends.
constexpr double kTargetAccuracy = 1e-15;
constexpr double kRelativeBracketWidth = 1e-15;
constexpr int kExpansionLimit = 100;
constexpr int kIterationLimit = 200;
// The searches run on the logarithm of a pressure (kPa) or tension (kN/m)
// within these bounds, inside which squares stay finite.
constexpr double kLogLowest = -700; // 1e-304
constexpr double kLogHighest = 300; // 1e130
// Bounds of the range in which every result is exact to nine digits.
// 1 - pi H / C; a hair below 1e-7, so that a height entered as C / pi times
// (1 - 1e-7) is not flagged for the rounding of its last digit.
constexpr double kRoundnessLimit = 0.999e-7;
constexpr double kFlatnessLimit = 1e-300; // crest over base pressure
// Closer to round than this, the height search compares C - pi H, summed
// without cancellation, instead of C.
constexpr double kNearlyRound = 1e-3;

// Keeps the shape closest to its objective and counts the shapes computed.
struct ShapeKeeper
{
    const LayeringZones &zones;
    ExactSolution &solution;
    double bestValue = INFINITY;

    // The shape for (T, pc); false when it cannot be represented.
    bool shapeFor(double tension, double crestPressure, ExactShape &shape)
    {
        ++solution.passes;
        return exactShape(zones, tension, crestPressure, shape);
    }
    void offer(const ExactShape &shape, double value)
    {
        if (std::fabs(value) < bestValue) {
            bestValue = std::fabs(value);
            solution.shape = shape;
        }
    }
};

struct SearchEnd
{
    bool bracketed = false; // a sign change was found and searched
    bool atLowest = false; // the root lies below the lowest value of the variable
};

// Steps from x0 in the direction that brings the monotone f towards zero,
// with growing secant steps no longer than maxStep, until its sign changes,
// then closes in by Brent's method (R. P. Brent, "Algorithms for Minimization
// without Derivatives", Prentice-Hall 1973, chapter 4). `increasing` is the
// direction of f. evaluate(x, value) returns false when x has no value.
template<typename Evaluate>
SearchEnd searchRoot(double x0, bool increasing, Evaluate evaluate, double maxStep = 1e9)
{
    SearchEnd end;
    double a = std::clamp(x0, kLogLowest, kLogHighest), fa = 0;
    if (!evaluate(a, fa))
        return end;
    if (fa == 0) {
        end.bracketed = true;
        return end;
    }
    const double direction = (fa > 0) == increasing ? -1.0 : 1.0;
    double b = a, fb = fa, step = 1.0;
    for (int n = 0; n < kExpansionLimit && (fb > 0) == (fa > 0); ++n) {
        if (b != a && fb != fa) {
            const double secant = -fb * (b - a) / (fb - fa);
            if (secant * direction > 0)
                step = std::min(1.3 * std::fabs(secant), 4 * step);
            else
                step *= 4;
        }
        // The cap loosens as the search goes on, so that a far root is still reached.
        step = std::min(step, maxStep * (1 + 0.5 * n));
        a = b;
        fa = fb;
        b = std::clamp(a + direction * step, kLogLowest, kLogHighest);
        if (b == a || !evaluate(b, fb)) {
            end.atLowest = b == kLogLowest;
            return end;
        }
        if (fb == 0) {
            end.bracketed = true;
            return end;
        }
    }
    if ((fb > 0) == (fa > 0))
        return end;
    end.bracketed = true;
    RootBracket bracket(a, fa, b, fb,
                        kRelativeBracketWidth * std::max({1.0, std::fabs(a), std::fabs(b)}));
    for (int n = 0; n < kIterationLimit && std::fabs(bracket.bestValue()) > kTargetAccuracy
         && !bracket.converged();
         ++n) {
        const double x = bracket.next();
        double value = 0;
        if (!evaluate(x, value))
            break;
        bracket.update(value);
    }
    return end;
}

// Given tension: the crest pressure, on ln pc; the circumference falls as pc grows.
SearchEnd solveGivenTension(ShapeKeeper &keeper, const ExactRequest &r)
{
    const double tension = r.workingTension;
    auto evaluate = [&](double v, double &value) {
        ExactShape shape;
        if (!keeper.shapeFor(tension, std::exp(v), shape))
            return false;
        value = std::log(shape.circumference / r.circumference);
        keeper.offer(shape, value);
        return true;
    };
    // The circle of this tension and circumference: its pressure is an upper bound.
    return searchRoot(std::log(2 * kPi * tension / r.circumference), false, evaluate);
}

// Given crest pressure: the tension, on ln T. Where the crest rises through a
// level above which the net unit weight grows, the crest pressure can fall
// while the tube grows, and up to three tubes of one circumference share a
// crest pressure. Filling from empty reaches the least tense first: the search
// starts below every root (a tube's circumference never exceeds 2 pi T / pc,
// that of the circle of its crest pressure) and climbs in short steps.
SearchEnd solveGivenPressure(ShapeKeeper &keeper, const ExactRequest &r)
{
    const double pressure = r.pumpingPressure;
    auto evaluate = [&](double u, double &value) {
        ExactShape shape;
        if (!keeper.shapeFor(std::exp(u), pressure, shape))
            return false;
        value = std::log(shape.circumference / r.circumference);
        keeper.offer(shape, value);
        return true;
    };
    constexpr double kClimb = 0.5; // ln T per step
    return searchRoot(std::log(pressure * r.circumference / (2 * kPi)), true, evaluate, kClimb);
}

// C - pi H of the request, with pi H rounded once.
double wantedExcess(const ExactRequest &r)
{
    const double h = r.desiredMaxHeight;
    const double product = kPi * h;
    const double error = std::fma(kPi, h, -product) + kPiTail * h;
    return (r.circumference - product) - error;
}

// Given height: on ln pc, with T = (pc H + integral of y g dy) / 2 fixed by the
// height; the circumference falls towards pi H as pc grows.
SearchEnd solveGivenHeight(ShapeKeeper &keeper, const ExactRequest &r)
{
    const double height = r.desiredMaxHeight;
    const ZoneLoads loads = zoneLoads(keeper.zones, height);
    const double moment = loads.weightMoment;
    const double excess = wantedExcess(r);
    const bool nearlyRound = excess < kNearlyRound * r.circumference;
    auto evaluate = [&](double v, double &value) {
        ExactShape shape;
        const double pressure = std::exp(v);
        if (!keeper.shapeFor((pressure * height + moment) / 2, pressure, shape))
            return false;
        // The shape's height equals the wanted one to rounding; keep it exact.
        shape.height = height;
        if (nearlyRound) {
            const double e = roundnessExcess(shape);
            value = e > 0 ? std::log(e / excess) : -100.0;
        } else {
            value = std::log(shape.circumference / r.circumference);
        }
        keeper.offer(shape, value);
        return true;
    };
    return searchRoot(std::log(std::max(loads.pressureRise, 1e-300)), false, evaluate);
}

AccuracyLimit accuracyLimit(const ExactShape &shape, const SearchEnd &end)
{
    if (end.atLowest || shape.crestPressure < kFlatnessLimit * shape.basePressure)
        return AccuracyLimit::TooFlat;
    // A tube without net unit weight is exactly the circle.
    if (shape.basePressure == shape.crestPressure)
        return AccuracyLimit::None;
    double roundness = 1 - kPi * shape.height / shape.circumference;
    if (roundness < kNearlyRound)
        roundness = roundnessExcess(shape) / shape.circumference;
    return roundness < kRoundnessLimit ? AccuracyLimit::NearlyRound : AccuracyLimit::None;
}

bool finiteResults(const ExactSolution &s)
{
    const ExactResults &r = s.results;
    bool finite = std::isfinite(r.totalArea) && std::isfinite(r.areaUpperSlurry)
        && std::isfinite(r.maxWidth) && std::isfinite(r.heightAtMaxWidth)
        && std::isfinite(r.axialForce) && std::isfinite(s.shape.tension);
    for (int i = 0; i < kProfilePoints; ++i)
        finite = finite && std::isfinite(r.profileX[i]) && std::isfinite(r.profileY[i]);
    return finite;
}

} // namespace

ExactRefusal solveTubeExact(const LayeringZones &zones, const ExactRequest &request,
                            ExactSolution &solution)
{
    solution = ExactSolution {};
    for (double g : zones.netUnitWeight)
        if (!(g >= 0))
            return ExactRefusal::LighterSlurry;
    if (request.objective == AnalysisType::GivenPressure && !(request.pumpingPressure > 0))
        return ExactRefusal::ZeroPressure;
    if (request.objective == AnalysisType::GivenHeight
        && !(zoneLoads(zones, request.desiredMaxHeight).pressureRise > 0))
        return ExactRefusal::NeutralHeight;
    ShapeKeeper keeper {zones, solution};
    SearchEnd end;
    const bool possible = request.circumference > 0
        && (request.objective != AnalysisType::GivenStrength || request.workingTension > 0);
    if (possible) {
        if (request.objective == AnalysisType::GivenHeight)
            end = solveGivenHeight(keeper, request);
        else if (request.objective == AnalysisType::GivenPressure)
            end = solveGivenPressure(keeper, request);
        else
            end = solveGivenTension(keeper, request);
    }
    if (keeper.bestValue == INFINITY) {
        solution.shape = ExactShape {};
        return ExactRefusal::None; // no shape at all: every result zero
    }
    exactResults(zones, solution.shape, solution.results);
    if (!finiteResults(solution)) {
        const long passes = solution.passes;
        solution = ExactSolution {};
        solution.passes = passes;
        return ExactRefusal::None;
    }
    const double mismatch = std::fabs(solution.shape.circumference / request.circumference - 1);
    solution.objectiveMet = end.bracketed && mismatch <= kObjectiveTolerance;
    solution.limit = accuracyLimit(solution.shape, end);
    return ExactRefusal::None;
}

} // namespace vendrix

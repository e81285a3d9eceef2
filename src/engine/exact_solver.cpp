#include "engine/exact_solver.h"

#include "engine/exact_pass.h"
#include "engine/root_bracket.h"
#include "engine/solver_problem.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vendrix {

namespace {

// Relative accuracy at which a search stops: far below anything displayed.
constexpr double kTargetAccuracy = 1e-12;
// A result further than this from its objective is never reported as met.
constexpr double kObjectiveTolerance = 1e-6;
// No solve may take more passes than this; the result then carries the warning.
constexpr long kPassLimit = 4000;
// Bracket expansions before a search gives up.
constexpr int kExpansionLimit = 200;
// Iterations of one root search.
constexpr int kIterationLimit = 300;
constexpr double kStartRatio = 50;
constexpr double kStartTension = 1000; // lb/in, only a scale: the searches find T

// Counts passes against the limit of the whole solve.
struct PassCounter
{
    long passes = 0;
    bool exhausted() const { return passes >= kPassLimit; }
};

ExactPassResult countedPass(const SolverProblem &problem, double tension, double q0,
                            PassCounter &counter, ExactPass &pass)
{
    ++counter.passes;
    return runExactPass(problem, tension, q0, pass);
}

enum class SearchEnd { Met, Missed, Failed };

// ---- Given tension: the base pressure ratio q0 for the circumference ----

// What one circumference search leaves for the next one at a nearby tension.
struct WarmStart
{
    bool valid = false;
    double q0 = 0;
    double floor = 0; // q0^2 at or below which the pressure vanishes before the crest
    double slope = 0; // d ln(circumference) / d ln(q0^2 - floor) at the solution
};

class CircumferenceSearch
{
public:
    CircumferenceSearch(const SolverProblem &problem, double tension, PassCounter &counter)
        : m_problem(problem)
        , m_tension(tension)
        , m_counter(counter)
    { }

    // Finds q0; `best` holds the complete pass closest to the circumference.
    SearchEnd solve(WarmStart &warm, ExactPass &best);

private:
    // q0 from the search variable v = ln(q0^2 - floor).
    double ratioOf(double v) const { return std::sqrt(m_floor + std::exp(v)); }
    double variableOf(double q0) const { return std::log(q0 * q0 - m_floor); }
    ExactPassResult evaluate(double q0, double &value);
    bool findUpperPoint(double startRatio);
    bool locateVanishingPressure();
    bool bracketFrom(const WarmStart &warm);
    void converge();

    const SolverProblem &m_problem;
    double m_tension;
    PassCounter &m_counter;
    ExactPass m_pass, m_best;
    double m_bestValue = INFINITY;
    bool m_failed = false;
    // Complete passes on both sides of the root, as (q0, ln(computed / wanted)).
    bool m_haveUpper = false, m_haveLower = false;
    double m_upperRatio = 0, m_upperValue = 0, m_upperMeasure = 0;
    double m_lowerRatio = 0, m_lowerValue = 0;
    double m_abandonedSquare = 0; // largest q0^2 known to lose its pressure
    double m_abandonedMeasure = -4; // its crest measure (q0 = 0 gives -4)
    double m_crestMeasure = 0;
    double m_floor = 0;
    double m_slope = 0;
};

ExactPassResult CircumferenceSearch::evaluate(double q0, double &value)
{
    const ExactPassResult r = countedPass(m_problem, m_tension, q0, m_counter, m_pass);
    m_crestMeasure = m_pass.crestMeasure;
    if (r == ExactPassResult::Failed) {
        m_failed = true;
        return r;
    }
    if (r == ExactPassResult::Abandoned) {
        if (q0 * q0 >= m_abandonedSquare) {
            m_abandonedSquare = q0 * q0;
            m_abandonedMeasure = m_crestMeasure;
        }
        return r;
    }
    value = std::log(m_pass.circumference / m_problem.circumference);
    if (std::fabs(value) < m_bestValue) {
        m_bestValue = std::fabs(value);
        m_best = m_pass;
    }
    if (value < 0 && (!m_haveUpper || q0 < m_upperRatio)) {
        m_upperRatio = q0;
        m_upperValue = value;
        m_upperMeasure = m_crestMeasure;
        m_haveUpper = true;
    } else if (value >= 0 && (!m_haveLower || q0 > m_lowerRatio)) {
        m_lowerRatio = q0;
        m_lowerValue = value;
        m_haveLower = true;
    }
    return r;
}

// A larger q0 gives a rounder, smaller tube: doubles q0 until the computed
// circumference is below the wanted one.
bool CircumferenceSearch::findUpperPoint(double startRatio)
{
    double q0 = startRatio;
    for (int n = 0; n < kExpansionLimit && !m_counter.exhausted(); ++n) {
        double value = 0;
        if (evaluate(q0, value) == ExactPassResult::Failed)
            return false;
        if (m_haveUpper)
            return true;
        q0 *= 2;
    }
    return false;
}

// Near the smallest q0 whose pressure reaches the crest the circumference grows
// without bound. The crest measure changes sign there and is nearly linear in
// q0^2, so it is located first; the circumference is then searched on
// ln(q0^2 - that floor), in which it varies smoothly even for very flat tubes.
bool CircumferenceSearch::locateVanishingPressure()
{
    const double w = m_upperRatio * m_upperRatio;
    RootBracket bracket(m_abandonedSquare, m_abandonedMeasure, w, m_upperMeasure, 1e-14 * w);
    for (int n = 0; n < kIterationLimit && !bracket.converged() && !m_counter.exhausted(); ++n) {
        const double next = bracket.next();
        double value = 0;
        if (evaluate(std::sqrt(next), value) == ExactPassResult::Failed)
            return false;
        bracket.update(m_crestMeasure);
    }
    m_floor = m_abandonedSquare;
    return m_haveLower;
}

// From the solution at a nearby tension: Newton and secant steps on the
// search variable until the root is bracketed by two complete passes. Stops
// at the first abandoned pass, after which the vanishing point is located.
bool CircumferenceSearch::bracketFrom(const WarmStart &warm)
{
    m_floor = std::clamp(2 * warm.floor - warm.q0 * warm.q0, 0.0, warm.q0 * warm.q0);
    double v = variableOf(warm.q0);
    double slope = warm.slope < 0 ? warm.slope : -1.0;
    double previousV = 0, previousValue = 0;
    // A few steps: if they do not bracket the root, the cold search will.
    constexpr int kWarmSteps = 6;
    for (int n = 0; n < kWarmSteps && !m_counter.exhausted(); ++n) {
        double value = 0;
        const ExactPassResult r = evaluate(ratioOf(v), value);
        if (r != ExactPassResult::Complete)
            return false;
        if (m_haveUpper && m_haveLower)
            return true;
        if (n > 0 && value != previousValue && v != previousV)
            slope = (value - previousValue) / (v - previousV);
        previousV = v;
        previousValue = value;
        // Aim a little beyond the root so that the next pass brackets it.
        const double limit = n + 1.0;
        v += std::clamp(-value / slope * 1.05, -limit, limit);
    }
    return false;
}

void CircumferenceSearch::converge()
{
    double lowerV = m_haveLower ? variableOf(m_lowerRatio) : 0;
    double lowerValue = m_lowerValue;
    const double upperV = variableOf(m_upperRatio);
    if (!m_haveLower) {
        // No complete pass below the root yet: the smallest offset from the
        // vanishing point that still changes q0 stands for a huge circumference.
        lowerV = std::log(16 * std::numeric_limits<double>::epsilon() * std::max(m_floor, 1.0));
        lowerValue = 1e3;
        if (!(lowerV < upperV))
            return;
    }
    RootBracket bracket(lowerV, lowerValue, upperV, m_upperValue,
                        1e-15 * std::max(1.0, std::fabs(upperV)));
    double lastV = upperV, lastValue = m_upperValue;
    double lastRatio = m_upperRatio, otherRatio = m_haveLower ? m_lowerRatio : 0;
    for (int n = 0; n < kIterationLimit && m_bestValue > kTargetAccuracy && !bracket.converged()
         && !m_counter.exhausted();
         ++n) {
        const double v = bracket.next();
        const double q0 = ratioOf(v);
        // The last bit of q0 reached: no pass can come closer.
        if (q0 == lastRatio || q0 == otherRatio)
            return;
        otherRatio = lastRatio;
        lastRatio = q0;
        double value = 0;
        const ExactPassResult r = evaluate(q0, value);
        if (r == ExactPassResult::Failed)
            return;
        if (r == ExactPassResult::Abandoned) {
            bracket.updateSign(true);
            continue;
        }
        if (v != lastV)
            m_slope = (value - lastValue) / (v - lastV);
        lastV = v;
        lastValue = value;
        bracket.update(value);
    }
}

SearchEnd CircumferenceSearch::solve(WarmStart &warm, ExactPass &best)
{
    if (!(warm.valid && bracketFrom(warm)) && !m_failed) {
        if (m_haveUpper || findUpperPoint(warm.valid ? warm.q0 : kStartRatio))
            locateVanishingPressure();
    }
    if (m_haveUpper && !m_failed)
        converge();
    if (m_bestValue == INFINITY || m_failed) {
        best = m_pass;
        return m_failed ? SearchEnd::Failed : SearchEnd::Missed;
    }
    best = m_best;
    if (m_abandonedSquare > 0 || !warm.valid)
        warm.floor = m_abandonedSquare;
    warm.valid = true;
    warm.q0 = best.baseRatio;
    warm.floor = std::min(warm.floor, warm.q0 * warm.q0);
    warm.slope = m_slope < 0 ? m_slope : warm.slope;
    return m_bestValue <= kObjectiveTolerance ? SearchEnd::Met : SearchEnd::Missed;
}

} // namespace

namespace {

// Brent's method on f from a bracket [a, b]; evaluate(x, value) returns false
// when x has no value. Stops at |f| <= accuracy or a collapsed bracket.
template<typename Evaluate>
bool findRoot(double a, double fa, double b, double fb, double accuracy, PassCounter &counter,
              Evaluate evaluate)
{
    RootBracket bracket(a, fa, b, fb, 1e-15 * std::max({1.0, std::fabs(a), std::fabs(b)}));
    for (int n = 0; n < kIterationLimit && std::fabs(bracket.bestValue()) > accuracy
         && !bracket.converged() && !counter.exhausted();
         ++n) {
        const double x = bracket.next();
        double value = 0;
        if (!evaluate(x, value))
            return false;
        bracket.update(value);
    }
    return true;
}

// Steps from a (with value fa) by `step`, then by growing secant steps, until
// the value changes sign; b, fb receive the far end and a, fa the last point
// before it.
template<typename Evaluate>
bool expandBracket(double &a, double &fa, double &b, double &fb, double step, PassCounter &counter,
                   Evaluate evaluate)
{
    b = a + step;
    if (!evaluate(b, fb))
        return false;
    for (int n = 0; n < kExpansionLimit && (fa > 0) == (fb > 0) && fb != 0 && !counter.exhausted();
         ++n) {
        const double last = b - a;
        double next = b + 2 * last;
        if (fb != fa) {
            const double secant = b - fb * (b - a) / (fb - fa);
            if ((secant - b) * last > 0)
                next = b
                    + std::copysign(std::min(1.3 * std::fabs(secant - b), 4 * std::fabs(last)),
                                    last);
        }
        a = b;
        fa = fb;
        b = next;
        if (!evaluate(b, fb))
            return false;
    }
    return (fa > 0) != (fb > 0) || fb == 0;
}

// ---- Given pressure: one net unit weight, so shapes are similar ----

// With one net unit weight the shape depends on q0 alone and scales with
// sqrt(T): the circumference as sqrt(T), the crest pressure as sqrt(T) too.
// A pass at any tension, scaled to the wanted circumference, gives the crest
// pressure of the tube of that circumference, so the search is in q0 only, on
// ln(q0 - 2) (q0 = 2 is where the crest pressure vanishes).
class PressureSearch
{
public:
    PressureSearch(const SolverProblem &problem, double wanted, PassCounter &counter)
        : m_problem(problem)
        , m_wanted(wanted)
        , m_counter(counter)
    { }

    SearchEnd solve(ExactPass &result)
    {
        auto evaluate = [this](double v, double &value) { return scaledPressure(v, value); };
        double a = std::log(kStartRatio - 2), fa = 0, b = 0, fb = 0;
        if (!evaluate(a, fa)
            || !expandBracket(a, fa, b, fb, fa > 0 ? -2.0 : 2.0, m_counter, evaluate))
            return SearchEnd::Failed;
        if (!findRoot(a, fa, b, fb, kTargetAccuracy, m_counter, evaluate))
            return SearchEnd::Failed;
        // The final pass at the tension that gives the wanted circumference.
        if (countedPass(m_problem, m_bestTension, m_bestRatio, m_counter, result)
            != ExactPassResult::Complete)
            return SearchEnd::Failed;
        return SearchEnd::Met;
    }

private:
    bool scaledPressure(double v, double &value)
    {
        const double q0 = 2 + std::exp(v);
        ExactPass pass;
        if (countedPass(m_problem, m_tension, q0, m_counter, pass) != ExactPassResult::Complete)
            return false;
        const double ratio = m_problem.circumference / pass.circumference;
        const double tension = m_tension * ratio * ratio;
        value = std::log(pass.crestPressure * ratio / m_wanted);
        if (!std::isfinite(value) || !std::isfinite(tension) || !(tension > 0))
            return false;
        m_tension = tension; // keeps the next pass near the wanted size
        if (std::fabs(value) < m_bestValue) {
            m_bestValue = std::fabs(value);
            m_bestRatio = q0;
            m_bestTension = tension;
        }
        return true;
    }

    const SolverProblem &m_problem;
    double m_wanted;
    PassCounter &m_counter;
    double m_tension = kStartTension;
    double m_bestValue = INFINITY, m_bestRatio = kStartRatio, m_bestTension = kStartTension;
};

// ---- Given maximum height: tension by Brent's method on ln T ----

class HeightSearch
{
public:
    HeightSearch(const SolverProblem &problem, double wanted, PassCounter &counter)
        : m_problem(problem)
        , m_wanted(wanted)
        , m_counter(counter)
    { }
    SearchEnd solve(double startTension, const WarmStart &warm, ExactPass &result);

private:
    bool evaluate(double logTension, double &value);

    const SolverProblem &m_problem;
    double m_wanted;
    PassCounter &m_counter;
    WarmStart m_warm;
    ExactPass m_pass, m_best;
    double m_bestValue = INFINITY;
    bool m_failed = false;
};

// ln(height / wanted) of the tube of the wanted circumference at tension e^u.
bool HeightSearch::evaluate(double logTension, double &value)
{
    CircumferenceSearch inner(m_problem, std::exp(logTension), m_counter);
    const SearchEnd end = inner.solve(m_warm, m_pass);
    if (end == SearchEnd::Failed) {
        m_failed = true;
        return false;
    }
    value = std::log(m_pass.maxHeight / m_wanted);
    if (end == SearchEnd::Met && std::fabs(value) < m_bestValue) {
        m_bestValue = std::fabs(value);
        m_best = m_pass;
    }
    return std::isfinite(value);
}

SearchEnd HeightSearch::solve(double startTension, const WarmStart &warm, ExactPass &result)
{
    m_warm = warm;
    auto evaluate = [this](double u, double &value) { return this->evaluate(u, value); };
    // More tension, a rounder and taller tube of the same circumference.
    // The height grows about as T^0.35 for flat tubes, more slowly for round ones.
    double a = std::log(startTension), fa = 0, b = 0, fb = 0;
    if (evaluate(a, fa) && std::fabs(fa) > kTargetAccuracy
        && expandBracket(a, fa, b, fb, std::clamp(-fa / 0.35, -2.0, 2.0), m_counter, evaluate))
        findRoot(a, fa, b, fb, kTargetAccuracy, m_counter, evaluate);
    if (m_failed)
        return SearchEnd::Failed;
    if (m_bestValue == INFINITY) {
        result = m_pass;
        return SearchEnd::Missed;
    }
    result = m_best;
    return m_bestValue <= kObjectiveTolerance ? SearchEnd::Met : SearchEnd::Missed;
}

// A starting tension from the tube of the same circumference and height with
// one net unit weight, that of the zone at half the wanted height, whose
// height over circumference depends on q0 alone.
double heightStartTension(const SolverProblem &problem, double wanted, PassCounter &counter,
                          WarmStart &warm)
{
    SolverProblem uniform = problem;
    int zone = 0;
    while (zone < 2 && problem.interfaceHeight[zone] < wanted / 2)
        ++zone;
    for (int k = 0; k < 3; ++k) {
        uniform.insideUnitWeight[k] = problem.insideUnitWeight[zone];
        uniform.outsideUnitWeight[k] = problem.outsideUnitWeight[zone];
    }
    const double target = wanted / problem.circumference;
    double tension = kStartTension;
    auto evaluate = [&](double v, double &value) {
        ExactPass pass;
        if (countedPass(uniform, tension, 2 + std::exp(v), counter, pass)
            != ExactPassResult::Complete)
            return false;
        warm = {true, pass.baseRatio, 0.0, -1.0};
        value = std::log(pass.maxHeight / pass.circumference / target);
        const double ratio = problem.circumference / pass.circumference;
        tension *= ratio * ratio;
        return std::isfinite(value) && std::isfinite(tension) && tension > 0;
    };
    double a = std::log(kStartRatio - 2), fa = 0, b = 0, fb = 0;
    if (evaluate(a, fa) && expandBracket(a, fa, b, fb, fa > 0 ? -2.0 : 2.0, counter, evaluate))
        findRoot(a, fa, b, fb, 1e-3, counter, evaluate);
    return std::isfinite(tension) && tension > 0 ? tension : kStartTension;
}

bool objectiveMet(const SolverProblem &problem, const SolverInput &input, const ExactPass &pass)
{
    auto close = [](double value, double wanted) {
        return std::fabs(value - wanted) <= kObjectiveTolerance * std::fabs(wanted);
    };
    if (!close(pass.circumference, problem.circumference))
        return false;
    if (problem.objective == AnalysisType::GivenHeight)
        return close(pass.maxHeight, input.desiredMaxHeight);
    if (problem.objective == AnalysisType::GivenPressure)
        return close(pass.crestPressure, input.inletPressure);
    return true;
}

} // namespace

void solveTubeExact(const SolverInput &input, SolverOutput &output)
{
    output = SolverOutput {};
    const SolverProblem problem = setUpProblem(input);
    PassCounter counter;
    ExactPass pass;
    SearchEnd end = SearchEnd::Failed;
    if (problem.objective == AnalysisType::GivenHeight) {
        WarmStart warm;
        const double start = heightStartTension(problem, input.desiredMaxHeight, counter, warm);
        end = HeightSearch(problem, input.desiredMaxHeight, counter).solve(start, warm, pass);
    } else if (problem.objective == AnalysisType::GivenPressure) {
        end = PressureSearch(problem, input.inletPressure, counter).solve(pass);
    } else {
        WarmStart cold;
        end = CircumferenceSearch(problem, input.workingTension, counter).solve(cold, pass);
    }
    output.passes = counter.passes;
    if (end == SearchEnd::Failed || pass.pieceCount == 0 || !(pass.circumference > 0)) {
        // No equilibrium shape: every result zero.
        output.convergenceWarning = true;
        return;
    }
    writeExactResults(problem, pass, output);
    output.passes = counter.passes;
    output.convergenceWarning = end == SearchEnd::Met && objectiveMet(problem, input, pass) ? 0 : 1;
}

} // namespace vendrix

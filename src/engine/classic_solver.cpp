#include "engine/classic_solver.h"

#include "engine/classic_pass.h"

#include <algorithm>
#include <cmath>

namespace vendrix {

namespace {

// Search constants. Several are single-precision values widened to double.
constexpr double kStartRatio = 50;
constexpr double kStartRatioStep = 5;
constexpr double kCircumferenceToleranceStrength = 0.004999999888241291;
constexpr double kTensionFactor = 0.9700000286102295;
constexpr double kSmallestStepAfterTensionIncrease = 9.99999993922529e-09;
constexpr double kSmallestStepAfterAbandon = 1e-10;
constexpr double kExhaustedStep = 1e-12;
constexpr double kPressureTolerance = 0.03999999910593033;
constexpr double kCircumferenceTolerancePressure = 0.009999999776482582;
constexpr double kSmallestTensionStep = 1.0; // lb/in
constexpr int kAbandonLimitStrength = 11;
constexpr int kFinalCheckLimit = 10;
constexpr double kStartTensionHeight = 20000; // lb/in

// No search may run longer than this; the result then carries the warning.
constexpr long kPassLimit = 100000;
// A result whose circumference is off by more than this share of the input is
// never reported as converged.
constexpr double kCircumferenceWarning = 0.01;

void zeroResults(SolverOutput &out)
{
    const long passes = out.passes;
    out = SolverOutput {};
    out.passes = passes;
}

bool allFinite(const SolverOutput &out)
{
    const double scalars[] = {out.computedCircumferenceFt,
                              out.crestPressurePsi,
                              out.totalAreaFt2,
                              out.workingTensionLbPerIn,
                              out.axialForceLb,
                              out.maxHeightFt,
                              out.maxWidthFt,
                              out.heightAtMaxWidthFt,
                              out.baseWidthFt,
                              out.areaLowerSlurryFt2,
                              out.areaUpperSlurryFt2};
    for (double v : scalars)
        if (!std::isfinite(v))
            return false;
    for (int i = 0; i < kProfilePoints; ++i)
        if (!std::isfinite(out.profileXFt[i]) || !std::isfinite(out.profileYFt[i]))
            return false;
    return true;
}

} // namespace

TensionStart givenPressureStartingTension(double circumferenceFt, double inletPressurePsi)
{
    struct Row
    {
        double boundFt;
        double perPsi, offset; // lb/in
        double step; // lb/in
    };
    static constexpr Row rows[] = {
        {15, 10, 0.5, 10},      {30, 30, 2, 20},         {50, 60, 10, 30},
        {75, 110, 30, 40},      {100, 180, 60, 50},      {150, 260, 100, 60},
        {225, 430, 200, 75},    {350, 1000, 500, 100},   {500, 2000, 1000, 150},
        {750, 2500, 2000, 200}, {1500, 6000, 5000, 400}, {2500, 14000, 12000, 1000},
    };
    for (const Row &row : rows)
        if (circumferenceFt <= row.boundFt)
            return {row.perPsi * inletPressurePsi + row.offset, row.step};
    return {22400 * inletPressurePsi + 22000, 2000};
}

namespace {

// What the classic search does after a pass.
enum class Step { NextPass, SamePass, Converged, Limit };

// The march-and-halve state of one classic solve.
struct ClassicSearch
{
    double circumferenceFt = 0; // wanted
    double q0 = kStartRatio;
    double dq = kStartRatioStep;
    double tensionLbPerIn = 0;
    // Tensions of the given-pressure search, lb/in like the tension.
    double tensionStep = 0;
    double baseTensionStep = 0;
    double referenceTension = 0;
    double startTension = 0;
    bool bracketStarted = false;
    bool lastWasLarge = false;
    int abandoned = 0;
    int finalChecks = 0;
};

ClassicSearch startClassicSearch(const SolverInput &input)
{
    ClassicSearch s;
    s.circumferenceFt = input.circumferenceFt;
    s.tensionLbPerIn = input.workingTensionLbPerIn;
    if (input.analysisType == AnalysisType::GivenHeight) {
        s.tensionLbPerIn = kStartTensionHeight;
    } else if (input.analysisType == AnalysisType::GivenPressure) {
        const TensionStart start
            = givenPressureStartingTension(input.circumferenceFt, input.inletPressurePsi);
        s.startTension = start.tensionLbPerIn;
        s.tensionStep = start.stepLbPerIn;
        s.tensionLbPerIn = s.referenceTension = s.startTension;
        s.baseTensionStep = s.tensionStep;
    }
    return s;
}

// The pressure vanished before the crest: back by the step, then half of it.
Step afterAbandonedPass(ClassicSearch &s, AnalysisType objective)
{
    s.q0 += s.dq;
    s.dq /= 2;
    if (objective == AnalysisType::GivenHeight && s.dq < kSmallestStepAfterAbandon)
        return Step::Limit;
    ++s.abandoned;
    if (objective == AnalysisType::GivenStrength && s.abandoned >= kAbandonLimitStrength)
        return Step::Limit;
    return Step::NextPass;
}

// Given strength: q0 alone, until the circumference is within tolerance.
Step givenStrengthStep(ClassicSearch &s, const Pass &pass)
{
    const double cc = pass.circumferenceFt, c = s.circumferenceFt;
    if (s.dq >= kExhaustedStep && std::fabs(cc - c) >= kCircumferenceToleranceStrength * c) {
        if (cc >= c) {
            s.q0 += s.dq;
            s.dq /= 2;
        }
        return Step::NextPass;
    }
    return Step::Converged;
}

// Given height: the final check once the q0 steps are exhausted.
Step heightFinalCheck(ClassicSearch &s, const Pass &pass)
{
    if (pass.circumferenceFt <= s.circumferenceFt)
        return Step::Converged;
    ++s.finalChecks;
    if (s.finalChecks > kFinalCheckLimit)
        return Step::Converged;
    s.q0 += s.dq;
    return Step::SamePass;
}

// Given height: the tension falls by a fixed factor while the tube is too
// tall, and q0 marches for the circumference.
Step givenHeightStep(ClassicSearch &s, const Pass &pass, double desiredMaxHeightFt)
{
    if (std::fabs(s.dq) < kExhaustedStep)
        return heightFinalCheck(s, pass);
    if (pass.maxHeightFt > desiredMaxHeightFt) {
        s.tensionLbPerIn *= kTensionFactor;
        return Step::SamePass;
    }
    if (pass.circumferenceFt < s.circumferenceFt)
        return Step::NextPass;
    s.tensionLbPerIn /= kTensionFactor;
    s.q0 += s.dq;
    s.dq /= 2;
    if (std::fabs(s.dq) >= kSmallestStepAfterTensionIncrease)
        return Step::NextPass;
    return heightFinalCheck(s, pass);
}

// Given pressure: the q0 search is exhausted, so the tension is bracketed.
void bracketTension(ClassicSearch &s, double cc)
{
    const double c = s.circumferenceFt;
    s.q0 = kStartRatio;
    s.dq = kStartRatioStep;
    if (!s.bracketStarted && c < cc) {
        s.startTension /= 2;
        s.tensionStep = s.baseTensionStep / 2;
        s.baseTensionStep = s.tensionStep;
        s.tensionLbPerIn = s.startTension;
        return;
    }
    s.baseTensionStep /= 2;
    s.bracketStarted = true;
    if (!s.lastWasLarge)
        s.referenceTension = s.tensionLbPerIn;
    s.tensionStep = std::max(s.baseTensionStep, kSmallestTensionStep);
    if (c <= cc) {
        s.referenceTension -= s.tensionStep;
        s.tensionLbPerIn = s.referenceTension;
    } else {
        s.tensionLbPerIn += s.tensionStep / 2;
    }
    s.lastWasLarge = c <= cc;
}

// Given pressure: q0 for the crest pressure, the tension for the circumference.
Step givenPressureStep(ClassicSearch &s, const Pass &pass, double pressurePsi)
{
    const double cc = pass.circumferenceFt, c = s.circumferenceFt;
    if (s.dq < kExhaustedStep) {
        bracketTension(s, cc);
        return Step::NextPass;
    }
    if (std::fabs(pass.crestPressurePsi - pressurePsi) / pressurePsi < kPressureTolerance
        && std::fabs(cc - c) / c < kCircumferenceTolerancePressure)
        return Step::Converged;
    if (pass.crestPressurePsi < pressurePsi) {
        s.q0 += s.dq;
        s.dq /= 2;
        return Step::NextPass;
    }
    s.q0 -= s.dq;
    if (cc <= c) {
        s.tensionLbPerIn += s.tensionStep;
    } else {
        s.tensionLbPerIn -= s.tensionStep;
        s.tensionStep /= 2;
    }
    return Step::SamePass;
}

enum class Stop { Converged, Limit, Failed };

// Results of the last complete pass (or none), with the warning the stop calls for.
void writeClassicOutcome(const SolverProblem &problem, Stop stop, const Pass *lastComplete,
                         SolverOutput &output)
{
    switch (stop) {
    case Stop::Converged:
        writeResults(problem, *lastComplete, output);
        output.convergenceWarning = false;
        break;
    case Stop::Limit:
        // Exactly the last complete pass, or nothing when there was none.
        if (lastComplete != nullptr)
            writeResults(problem, *lastComplete, output);
        output.convergenceWarning = true;
        break;
    case Stop::Failed:
        // No equilibrium shape: every result zero except the circumference
        // that an earlier pass of this call reached.
        zeroResults(output);
        if (lastComplete != nullptr)
            output.computedCircumferenceFt = lastComplete->circumferenceFt;
        output.convergenceWarning = true;
        break;
    }
    if (!allFinite(output)) {
        zeroResults(output);
        output.convergenceWarning = true;
    }
    // A tube of another size is never reported as a converged design.
    const double wanted = problem.circumferenceFt;
    if (!(std::fabs(output.computedCircumferenceFt - wanted)
          <= kCircumferenceWarning * std::fabs(wanted)))
        output.convergenceWarning = true;
}

// The fixed-step searches on the half-degree grid.
void solveTubeClassic(const SolverInput &input, SolverOutput &output)
{
    output = SolverOutput {};
    const SolverProblem problem = setUpProblem(input);
    const AnalysisType objective = input.analysisType;
    ClassicSearch s = startClassicSearch(input);

    // Two pass buffers: the one of the last complete pass stays untouched while
    // the next pass runs.
    Pass passes[2];
    int current = 0;
    int lastComplete = -1;
    Stop stop = Stop::Limit;
    bool subtractStep = true; // next pass (true) or same pass (false)
    while (output.passes < kPassLimit) {
        if (subtractStep)
            s.q0 -= s.dq;
        Pass &pass = passes[current];
        const PassResult result = runPass(problem, s.tensionLbPerIn, s.q0, pass);
        ++output.passes;
        if (result == PassResult::Failed) {
            stop = Stop::Failed;
            break;
        }
        Step step;
        if (result == PassResult::Abandoned) {
            step = afterAbandonedPass(s, objective);
        } else {
            lastComplete = current;
            current = 1 - current;
            step = objective == AnalysisType::GivenHeight
                ? givenHeightStep(s, pass, input.desiredMaxHeightFt)
                : objective == AnalysisType::GivenPressure
                ? givenPressureStep(s, pass, input.inletPressurePsi)
                : givenStrengthStep(s, pass);
        }
        if (step == Step::Converged || step == Step::Limit) {
            stop = step == Step::Converged ? Stop::Converged : Stop::Limit;
            break;
        }
        subtractStep = step == Step::NextPass;
    }
    writeClassicOutcome(problem, stop, lastComplete >= 0 ? &passes[lastComplete] : nullptr, output);
}

} // namespace

void solveTube(const SolverInput &input, SolverOutput &output)
{
    solveTubeClassic(input, output);
}

} // namespace vendrix

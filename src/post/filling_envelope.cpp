#include "post/filling_envelope.h"

#include "engine/analysis_run.h"
#include "engine/reduction_factors.h"
#include "engine/root_bracket.h"
#include "model/c_format.h"
#include "model/units.h"

#include <algorithm>
#include <cmath>

namespace vendrix {

namespace {

constexpr int kMinimumPoints = 100;
constexpr int kMaximumPoints = 2000;
constexpr int kStartingPoints = 21; // the uniform grid refined afterwards
constexpr double kRangeTensionFactor = 1.5;
constexpr int kRootIterations = 100;
// Relative tension tolerance of the safe limit: far below any gauge reading,
// still above the noise of the solver's own convergence.
constexpr double kSafeLimitTolerance = 1e-10;

// Tension above the given target at a pressure, for the bracketed searches.
struct TensionExcess
{
    const TubeInput &input;
    double target;
    double operator()(double p) const { return envelopePointAt(input, p).workingTension - target; }
};

// Bracketed root of f between a (f(a) < 0) and b (f(b) >= 0).
double findPressure(const TensionExcess &f, double a, double fa, double b, double fb,
                    double pressureTolerance, double valueTolerance)
{
    RootBracket bracket(a, fa, b, fb, pressureTolerance);
    for (int i = 0; i < kRootIterations && !bracket.converged(); ++i) {
        if (std::fabs(bracket.bestValue()) <= valueTolerance)
            break;
        const double p = bracket.next();
        bracket.update(f(p));
    }
    return bracket.best();
}

// The pressure where the tension reaches the target, searched by doubling
// from 1 kPa; the ceiling when it is never reached.
double pressureForTension(const TubeInput &input, double target)
{
    const TensionExcess f {input, target};
    double low = 0;
    double fLow = f(low);
    if (fLow >= 0)
        return 0;
    for (double p = 1.0;; p = std::min(2 * p, kEnvelopePressureCeiling)) {
        const double fp = f(p);
        if (fp >= 0)
            return findPressure(f, low, fLow, p, fp, 1e-4 * p, 1e-4 * target);
        if (p >= kEnvelopePressureCeiling)
            return kEnvelopePressureCeiling;
        low = p;
        fLow = fp;
    }
}

// Top of the sweep when none was asked for: where the tension reaches 1.5 ×
// the allowable, or 1.5 × the unpumped tension when that is already higher.
double defaultMaxPressure(const TubeInput &input, double allowable)
{
    const double unpumped = envelopePointAt(input, 0).workingTension;
    const double target = kRangeTensionFactor * std::max(allowable, unpumped);
    const double p = target > 0 ? pressureForTension(input, target) : 0;
    // A weightless or degenerate tube still gets a readable range.
    return p > 0.1 ? p : 10.0;
}

// Span of one quantity over the sweep, never 0 so that it can divide.
double spanOf(const std::vector<EnvelopePoint> &points, double EnvelopePoint::*field)
{
    double lo = points.front().*field, hi = lo;
    for (const EnvelopePoint &pt : points) {
        lo = std::min(lo, pt.*field);
        hi = std::max(hi, pt.*field);
    }
    return hi - lo > 0 ? hi - lo : 1.0;
}

// Adds midpoints to the interval whose curves are longest on a chart scaled to
// each quantity's span: points gather where height, width, storage or tension
// change fast, which is where the curves bend towards their flat part.
void refineSweep(const TubeInput &input, std::vector<EnvelopePoint> &points, int wanted)
{
    constexpr double EnvelopePoint::*kFields[]
        = {&EnvelopePoint::maxHeight, &EnvelopePoint::maxWidth, &EnvelopePoint::area,
           &EnvelopePoint::workingTension};
    double spans[4];
    for (int k = 0; k < 4; ++k)
        spans[k] = spanOf(points, kFields[k]);
    const double pressureSpan = spanOf(points, &EnvelopePoint::pumpingPressure);
    while (static_cast<int>(points.size()) < wanted) {
        size_t best = 0;
        double bestLength = -1;
        for (size_t i = 0; i + 1 < points.size(); ++i) {
            const double dp
                = (points[i + 1].pumpingPressure - points[i].pumpingPressure) / pressureSpan;
            double length = 0;
            for (int k = 0; k < 4; ++k) {
                const double dq = (points[i + 1].*kFields[k] - points[i].*kFields[k]) / spans[k];
                length = std::max(length, std::hypot(dp, dq));
            }
            if (length > bestLength) {
                bestLength = length;
                best = i;
            }
        }
        const double mid = 0.5 * (points[best].pumpingPressure + points[best + 1].pumpingPressure);
        points.insert(points.begin() + static_cast<long>(best) + 1, envelopePointAt(input, mid));
    }
}

void findSafeLimit(const TubeInput &input, FillingEnvelope &envelope)
{
    const std::vector<EnvelopePoint> &points = envelope.points;
    const double allowable = envelope.allowableTension;
    if (points.front().workingTension >= allowable) {
        envelope.state = SafeLimitState::ExceededAtZeroPressure;
        return;
    }
    size_t above = 0;
    while (above < points.size() && points[above].workingTension < allowable)
        ++above;
    if (above == points.size()) {
        envelope.state = SafeLimitState::NotReachedInRange;
        return;
    }
    const TensionExcess f {input, allowable};
    const EnvelopePoint &lo = points[above - 1];
    const EnvelopePoint &hi = points[above];
    const double p = findPressure(f, lo.pumpingPressure, lo.workingTension - allowable,
                                  hi.pumpingPressure, hi.workingTension - allowable,
                                  1e-14 * hi.pumpingPressure, kSafeLimitTolerance * allowable);
    envelope.state = SafeLimitState::Found;
    envelope.safeLimit = envelopePointAt(input, p, &envelope.safeLimitShape);
    envelope.points.insert(envelope.points.begin() + static_cast<long>(above), envelope.safeLimit);
}

} // namespace

double allowableWorkingTension(const TubeInput &input)
{
    return input.ultimateStrength / reductionFactorProducts(input).circumferential;
}

EnvelopePoint envelopePointAt(const TubeInput &input, double pumpingPressure, TubeSolution *shape)
{
    ProjectRecord record;
    record.input = input;
    record.input.analysisType = AnalysisType::GivenPressure;
    record.input.pumpingPressure = pumpingPressure;
    runAnalysis(record, SolutionMethod::Exact);
    const TubeSolution &s = record.solution;
    const double rf = reductionFactorProducts(input).circumferential;
    const double allowable = allowableWorkingTension(input);

    EnvelopePoint pt;
    pt.pumpingPressure = pumpingPressure;
    pt.maxHeight = s.maxHeight;
    pt.maxWidth = s.maxWidth;
    pt.baseWidth = s.baseWidth;
    pt.area = s.totalArea;
    pt.ultimateStrengthCircumferential = s.ultimateStrengthCircumferential;
    pt.ultimateStrengthAxial = s.ultimateStrengthAxial;
    pt.workingTension = s.ultimateStrengthCircumferential / rf;
    // A zero allowable makes every tension infinitely too high; keep a number.
    pt.tensionRatio = allowable > 0 ? pt.workingTension / allowable : 1e9;
    pt.convergenceWarning = s.convergenceWarning;
    if (shape)
        *shape = s;
    return pt;
}

FillingEnvelope computeFillingEnvelope(const TubeInput &input, const EnvelopeRequest &request)
{
    FillingEnvelope envelope;
    envelope.allowableTension = std::max(0.0, allowableWorkingTension(input));
    const bool explicitMax = std::isfinite(request.maxPressure) && request.maxPressure > 0;
    envelope.maxPressure = explicitMax ? std::min(request.maxPressure, kEnvelopePressureCeiling)
                                       : defaultMaxPressure(input, envelope.allowableTension);
    const int wanted = std::clamp(request.points, kMinimumPoints, kMaximumPoints);

    envelope.points.reserve(static_cast<size_t>(wanted) + 1);
    for (int i = 0; i < kStartingPoints; ++i)
        envelope.points.push_back(
            envelopePointAt(input, envelope.maxPressure * i / (kStartingPoints - 1)));
    refineSweep(input, envelope.points, wanted);
    findSafeLimit(input, envelope);
    if (envelope.state != SafeLimitState::Found)
        envelopePointAt(
            input,
            envelope.state == SafeLimitState::ExceededAtZeroPressure ? 0.0 : envelope.maxPressure,
            &envelope.safeLimitShape);
    return envelope;
}

std::string safeLimitReason(const FillingEnvelope &envelope, UnitSystem units)
{
    const UnitFactors f = UnitFactors::forSettings(units);
    const UnitLabels labels = unitLabels(units, true);
    const auto tension = [&](double kNm) {
        return formatC("%.2f", kNm * f.forcePerLength) + " " + labels.forcePerLength;
    };
    switch (envelope.state) {
    case SafeLimitState::Found:
        return {};
    case SafeLimitState::ExceededAtZeroPressure:
        return "No safe pumping pressure: even without pumping pressure the working tension ("
            + tension(envelope.points.front().workingTension)
            + ") exceeds the allowable working tension (" + tension(envelope.allowableTension)
            + "). Use a stronger geotextile or a smaller tube.";
    case SafeLimitState::NotReachedInRange:
        break;
    }
    return "No safe limit within the range: up to "
        + formatC("%.2f", envelope.maxPressure * f.pumpingPressure) + " " + labels.pressure
        + " the working tension stays below the allowable working tension ("
        + tension(envelope.allowableTension) + ").";
}

} // namespace vendrix

#include "post/filling_envelope.h"

#include "engine/analysis_run.h"
#include "engine/reduction_factors.h"
#include "model/c_format.h"
#include "model/units.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace vendrix {

namespace {

// The point of the envelope that a solution of the exact method stands for.
EnvelopePoint pointOf(const TubeInput &input, const TubeSolution &s, bool refused);

constexpr int kMinimumPoints = 100;
constexpr int kMaximumPoints = 2000;
constexpr int kStartingPoints = 21; // the uniform grid refined afterwards
constexpr double kRangeTensionFactor = 1.5;
// Intervals narrower than this share of the range are not split further.
constexpr double kNarrowestInterval = 1e-5;

// The tube of the project that carries the given working tension (kN/m): a
// given-strength run; nothing when there is none.
std::optional<TubeSolution> tubeAtTension(const TubeInput &input, double tension)
{
    if (!(tension > 0) || !std::isfinite(tension))
        return std::nullopt;
    ProjectRecord record;
    record.input = input;
    record.input.analysisType = AnalysisType::GivenStrength;
    record.input.ultimateStrength = tension * reductionFactorProducts(input).circumferential;
    const RunOutcome outcome = solveAnalysis(record, SolutionMethod::Exact);
    const TubeSolution &s = record.solution;
    // Beyond the nine-digit range (a nearly round tube) the pressure still
    // bounds the sweep; a run that missed its objective gives none.
    if (outcome.refused() || (s.convergenceWarning && s.accuracyLimit == AccuracyLimit::None))
        return std::nullopt;
    return s;
}

// Top of the sweep when none was asked for: where the tension reaches 1.5 ×
// the allowable, never above the ceiling.
double defaultMaxPressure(const TubeInput &input, double allowable)
{
    const std::optional<TubeSolution> tube = tubeAtTension(input, kRangeTensionFactor * allowable);
    const double p = tube ? tube->inletPressure : 0.0;
    // A weightless or degenerate tube still gets a readable range.
    if (!(p > 0.1))
        return 10.0;
    return std::min(p, kEnvelopePressureCeiling);
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
            // Where the crest pressure falls back as the crest rises through the
            // water level, filling jumps to a taller tube: no point splits it.
            if (dp < kNarrowestInterval)
                continue;
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
    std::vector<EnvelopePoint> &points = envelope.points;
    const double allowable = envelope.allowableTension;
    if (!(points.front().workingTension < allowable)) {
        envelope.state = SafeLimitState::ExceededAtBottomOfRange;
        return;
    }
    // The Run's tube at the allowable tension. Where several tubes share a
    // pumping pressure this is the one that carries the allowable, which a
    // given-pressure run need not return.
    const std::optional<TubeSolution> tube = tubeAtTension(input, allowable);
    const double p = tube ? tube->inletPressure : 0.0;
    if (!(p > envelope.minPressure) || p > envelope.maxPressure) {
        envelope.state = SafeLimitState::NotReachedInRange;
        return;
    }
    envelope.state = SafeLimitState::Found;
    envelope.safeLimit = pointOf(input, *tube, false);
    envelope.safeLimitShape = *tube;
    const auto above = std::find_if(points.begin(), points.end(), [p](const EnvelopePoint &pt) {
        return pt.pumpingPressure > p;
    });
    points.insert(above, envelope.safeLimit);
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
    const bool refused = solveAnalysis(record, SolutionMethod::Exact).refused();
    if (shape)
        *shape = record.solution;
    EnvelopePoint pt = pointOf(input, record.solution, refused);
    pt.pumpingPressure = pumpingPressure;
    return pt;
}

namespace {

EnvelopePoint pointOf(const TubeInput &input, const TubeSolution &s, bool refused)
{
    const double rf = reductionFactorProducts(input).circumferential;
    const double allowable = allowableWorkingTension(input);
    EnvelopePoint pt;
    pt.pumpingPressure = s.inletPressure;
    pt.maxHeight = s.maxHeight;
    pt.maxWidth = s.maxWidth;
    pt.baseWidth = s.baseWidth;
    pt.area = s.totalArea;
    pt.ultimateStrengthCircumferential = s.ultimateStrengthCircumferential;
    pt.ultimateStrengthAxial = s.ultimateStrengthAxial;
    pt.workingTension = s.ultimateStrengthCircumferential / rf;
    // A zero or tiny allowable makes every tension infinitely too high; keep a number.
    const double ratio = pt.workingTension / allowable;
    pt.tensionRatio = allowable > 0 && ratio < 1e9 ? ratio : 1e9;
    pt.convergenceWarning = refused || s.convergenceWarning;
    return pt;
}

} // namespace

FillingEnvelope computeFillingEnvelope(const TubeInput &input, const EnvelopeRequest &request)
{
    FillingEnvelope envelope;
    envelope.allowableTension = std::max(0.0, allowableWorkingTension(input));
    const bool explicitMax = std::isfinite(request.maxPressure) && request.maxPressure > 0;
    envelope.maxPressure = explicitMax ? std::min(request.maxPressure, kEnvelopePressureCeiling)
                                       : defaultMaxPressure(input, envelope.allowableTension);
    envelope.minPressure = kEnvelopeBottomFraction * envelope.maxPressure;
    const int wanted = std::clamp(request.points, kMinimumPoints, kMaximumPoints);

    envelope.points.reserve(static_cast<size_t>(wanted) + 1);
    const double span = envelope.maxPressure - envelope.minPressure;
    for (int i = 0; i < kStartingPoints; ++i)
        envelope.points.push_back(envelopePointAt(input,
                                                  i + 1 == kStartingPoints ? envelope.maxPressure
                                                                           : envelope.minPressure
                                                          + span * i / (kStartingPoints - 1)));
    refineSweep(input, envelope.points, wanted);
    findSafeLimit(input, envelope);
    if (envelope.state != SafeLimitState::Found)
        envelopePointAt(input,
                        envelope.state == SafeLimitState::ExceededAtBottomOfRange
                            ? envelope.minPressure
                            : envelope.maxPressure,
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
    case SafeLimitState::ExceededAtBottomOfRange:
        return "No safe pumping pressure: already at the bottom of the range ("
            + formatC("%.2f", envelope.minPressure * f.pumpingPressure) + " " + labels.pressure
            + ") the working tension (" + tension(envelope.points.front().workingTension)
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

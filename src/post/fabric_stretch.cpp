#include "post/fabric_stretch.h"

#include "engine/exact_given_area.h"
#include "engine/reduction_factors.h"
#include "engine/root_bracket.h"

#include <cmath>

namespace vendrix {

namespace {

constexpr int kStepLimit = 50;
constexpr double kStrainLimit = 0.5;
constexpr double kCircumferenceAccuracy = 1e-12; // relative change that ends the steps

// Solves the tube of a circumference holding the fill and keeps the one
// closest to the fixed point C = C0 (1 + T / J).
struct StretchSteps
{
    const LayeringZones &zones;
    double area, c0, stiffness, tension;
    FabricStretch &stretch;
    double closest = INFINITY;

    bool operator()(double circumference, double &mismatch)
    {
        ++stretch.steps;
        ExactSolution s;
        if (!solveTubeForArea(zones, {circumference, area, tension}, s))
            return false;
        tension = s.shape.tension;
        mismatch = circumference - c0 * (1 + tension / stiffness);
        if (std::fabs(mismatch) < closest) {
            closest = std::fabs(mismatch);
            stretch.circumference = s.shape.circumference;
            stretch.height = s.shape.height;
            stretch.width = s.results.maxWidth;
            stretch.tension = tension;
            stretch.area = s.results.totalArea;
        }
        return true;
    }
};

// The run stores the ultimate strength: the working tension times the reduction factors.
double workingTension(const TubeInput &input, const TubeSolution &solved)
{
    return solved.ultimateStrengthCircumferential / reductionFactorProducts(input).circumferential;
}

FabricStretch searchStretch(const TubeInput &input, const TubeSolution &solved, double stiffness)
{
    const LayeringZones zones = layeringZones(enteredLayering(input));
    const double c0 = solved.computedCircumference;
    const double t0 = workingTension(input, solved);
    FabricStretch stretch;
    StretchSteps steps {zones, solved.totalArea, c0, stiffness, t0, stretch};
    // F(C) = C - C0 (1 + T(C) / J) rises with C, since T falls as the same
    // fill spreads in a longer fabric: F(C0) < 0 <= F(C0 (1 + T0 / J)). The
    // search stays within the strain limit.
    const double strain = std::fmin(t0 / stiffness, kStrainLimit);
    const double upper = c0 * (1 + strain);
    double fUpper = 0;
    if (!steps(upper, fUpper)) {
        stretch.end = StretchEnd::NoTube;
        return stretch;
    }
    if (fUpper < 0) {
        stretch.strain = strain;
        stretch.end = StretchEnd::StrainLimit;
        return stretch;
    }
    RootBracket bracket(c0, -c0 * t0 / stiffness, upper, fUpper, kCircumferenceAccuracy * c0);
    double last = upper;
    while (!bracket.converged()) {
        if (stretch.steps == kStepLimit) {
            stretch.end = StretchEnd::StepLimit;
            break;
        }
        const double c = bracket.next();
        double f = 0;
        if (!steps(c, f)) {
            stretch.end = StretchEnd::NoTube;
            break;
        }
        bracket.update(f);
        if (std::fabs(c - last) < kCircumferenceAccuracy * c0)
            break;
        last = c;
    }
    stretch.strain = (stretch.circumference - c0) / c0;
    return stretch;
}

} // namespace

FabricStretch stretchFabric(const TubeInput &input, const TubeSolution &solved, double stiffness)
{
    FabricStretch stretch = searchStretch(input, solved, stiffness);
    if (stretch.steps > 0 && stretch.circumference > 0) {
        stretch.circumferenceChange = stretch.circumference - solved.computedCircumference;
        stretch.heightChange = stretch.height - solved.maxHeight;
        stretch.widthChange = stretch.width - solved.maxWidth;
        stretch.tensionChange = stretch.tension - workingTension(input, solved);
    }
    return stretch;
}

} // namespace vendrix

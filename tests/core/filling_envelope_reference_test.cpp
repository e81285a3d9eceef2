// The safe limit against an independent integration of the membrane
// equations of the tube as entered: at the reported pressure, the shape whose
// fabric carries exactly the allowable tension must have the tube's
// circumference and that pressure at its crest.

#include "engine/reduction_factors.h"
#include "membrane_reference.h"
#include "post/filling_envelope.h"

#include <gtest/gtest.h>

namespace vendrix {
namespace {

// Fourth-order steps this fine agree with the solver to far better than the checks.
constexpr int kSteps = 4000;

// The shape of the model whose circumference is the tube's, by bisection on
// the pressure at the base. At a fixed tension a higher pressure curves the
// fabric more tightly and closes a smaller tube; too low a pressure vanishes
// before the crest.
test::ReferenceShape shapeOfCircumference(const test::ReferenceModel &m, double circumference)
{
    auto tooLow = [&](double basePressure) {
        const test::ReferenceShape s = test::referenceShape(m, basePressure, circumference, kSteps);
        return !s.valid || s.circumference > circumference;
    };
    double low = 0, high = 1;
    while (tooLow(high))
        low = high, high *= 2;
    for (int i = 0; i < 60; ++i) {
        const double mid = 0.5 * (low + high);
        (tooLow(mid) ? low : high) = mid;
    }
    return test::referenceShape(m, high, circumference, kSteps);
}

TEST(FillingEnvelopeReference, SafeLimitIsWhereTheAllowableTensionFitsTheTube)
{
    struct Case
    {
        const char *name;
        double circumference, fluidHeight, ultimateStrength;
    };
    const Case cases[] = {
        {"default tube", 10.0, 2.0, 100.0},
        {"large tube in the dry", 30.0, 0.0, 400.0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TubeInput in;
        in.circumference = c.circumference;
        in.fluidHeightLower = c.fluidHeight;
        in.ultimateStrength = c.ultimateStrength;
        const FillingEnvelope e = computeFillingEnvelope(in, {});
        ASSERT_EQ(e.state, SafeLimitState::Found);

        const double allowable = in.ultimateStrength / reductionFactorProducts(in).circumferential;
        const test::ReferenceShape ref
            = shapeOfCircumference(test::enteredModel(in, allowable), in.circumference);
        ASSERT_TRUE(ref.valid) << ref.circumference << " " << ref.crestPressure;
        const double pressure = e.safeLimit.pumpingPressure;
        EXPECT_NEAR(ref.crestPressure, pressure, 1e-6 * pressure);
        EXPECT_NEAR(ref.maxHeight, e.safeLimit.maxHeight, 1e-6 * e.safeLimit.maxHeight);
        EXPECT_NEAR(ref.totalArea, e.safeLimit.area, 1e-6 * e.safeLimit.area);
    }
}

} // namespace
} // namespace vendrix

// The filling envelope: shape of the curves, agreement with given-pressure
// runs, the safe limit and the cases without one, and the CSV text.

#include "engine/analysis_run.h"
#include "engine/reduction_factors.h"
#include "post/filling_envelope.h"
#include "report/envelope_csv.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <cmath>
#include <sstream>

namespace vendrix {
namespace {

// A given-pressure run of the exact method, as the main menu would do it.
TubeSolution givenPressureRun(const TubeInput &input, double kPa)
{
    ProjectRecord r;
    r.input = input;
    r.input.analysisType = AnalysisType::GivenPressure;
    r.input.pumpingPressure = kPa;
    runAnalysis(r, SolutionMethod::Exact);
    return r.solution;
}

struct Tube
{
    const char *name;
    double circumference; // m
    int twoLayers;
    double fluidHeight; // m
    double ultimateStrength; // kN/m
};

const Tube kTubes[] = {
    {"default two layers", 10.0, 1, 2.0, 100.0},
    {"one layer in the dry", 9.0, 0, 0.0, 80.0},
    {"large submerged", 27.4, 0, 1.5, 300.0},
    {"small strong", 4.6, 1, 0.3, 150.0},
};

TubeInput inputOf(const Tube &t)
{
    TubeInput in;
    in.circumference = t.circumference;
    in.twoSlurryLayers = t.twoLayers;
    if (!t.twoLayers)
        in.slurryUnitWeightUpper = in.slurryUnitWeightLower;
    in.slurryHeightLower = 0.5;
    in.fluidHeightLower = t.fluidHeight;
    in.ultimateStrength = t.ultimateStrength;
    return in;
}

TEST(FillingEnvelope, CurvesRiseAndFallAsPhysicsSays)
{
    for (const Tube &t : kTubes) {
        SCOPED_TRACE(t.name);
        const FillingEnvelope e = computeFillingEnvelope(inputOf(t), {});
        ASSERT_GE(e.points.size(), 100u);
        EXPECT_EQ(e.points.front().pumpingPressure, 0.005 * e.maxPressure);
        EXPECT_NEAR(e.points.back().pumpingPressure, e.maxPressure, 1e-12);
        for (size_t i = 1; i < e.points.size(); ++i) {
            const EnvelopePoint &a = e.points[i - 1];
            const EnvelopePoint &b = e.points[i];
            SCOPED_TRACE(b.pumpingPressure);
            ASSERT_GT(b.pumpingPressure, a.pumpingPressure);
            for (double EnvelopePoint::*grows :
                 {&EnvelopePoint::maxHeight, &EnvelopePoint::area, &EnvelopePoint::workingTension,
                  &EnvelopePoint::ultimateStrengthCircumferential})
                EXPECT_GE(b.*grows, a.*grows);
            // A fixed circumference rounds up: the tube gets narrower as it grows taller.
            for (double EnvelopePoint::*shrinks :
                 {&EnvelopePoint::maxWidth, &EnvelopePoint::baseWidth})
                EXPECT_LE(b.*shrinks, a.*shrinks);
            EXPECT_FALSE(b.convergenceWarning);
        }
    }
}

TEST(FillingEnvelope, EveryPointIsAGivenPressureRun)
{
    for (const Tube &t : kTubes) {
        SCOPED_TRACE(t.name);
        const TubeInput in = inputOf(t);
        const FillingEnvelope e = computeFillingEnvelope(in, {});
        const double rf = reductionFactorProducts(in).circumferential;
        for (size_t i = 0; i < e.points.size(); i += 17) {
            const EnvelopePoint &p = e.points[i];
            SCOPED_TRACE(p.pumpingPressure);
            const TubeSolution s = givenPressureRun(in, p.pumpingPressure);
            EXPECT_DOUBLE_EQ(p.maxHeight, s.maxHeight);
            EXPECT_DOUBLE_EQ(p.maxWidth, s.maxWidth);
            EXPECT_DOUBLE_EQ(p.baseWidth, s.baseWidth);
            EXPECT_DOUBLE_EQ(p.area, s.totalArea);
            EXPECT_DOUBLE_EQ(p.ultimateStrengthCircumferential, s.ultimateStrengthCircumferential);
            EXPECT_DOUBLE_EQ(p.ultimateStrengthAxial, s.ultimateStrengthAxial);
            EXPECT_DOUBLE_EQ(p.workingTension, s.ultimateStrengthCircumferential / rf);
            EXPECT_DOUBLE_EQ(p.tensionRatio,
                             s.ultimateStrengthCircumferential / in.ultimateStrength);
        }
    }
}

TEST(FillingEnvelope, SafeLimitTensionEqualsTheAllowable)
{
    for (const Tube &t : kTubes) {
        SCOPED_TRACE(t.name);
        const TubeInput in = inputOf(t);
        const FillingEnvelope e = computeFillingEnvelope(in, {});
        ASSERT_EQ(e.state, SafeLimitState::Found);
        const double rf = reductionFactorProducts(in).circumferential;
        const double allowable = in.ultimateStrength / rf;
        EXPECT_DOUBLE_EQ(e.allowableTension, allowable);
        EXPECT_GT(e.safeLimit.pumpingPressure, 0.0);
        EXPECT_LT(e.safeLimit.pumpingPressure, e.maxPressure);
        const TubeSolution s = givenPressureRun(in, e.safeLimit.pumpingPressure);
        EXPECT_NEAR(s.ultimateStrengthCircumferential / rf, allowable, 1e-6 * allowable);
        EXPECT_NEAR(s.ultimateStrengthCircumferential, in.ultimateStrength,
                    1e-6 * in.ultimateStrength);
        EXPECT_DOUBLE_EQ(e.safeLimit.maxHeight, s.maxHeight);
        EXPECT_DOUBLE_EQ(e.safeLimit.area, s.totalArea);
        EXPECT_DOUBLE_EQ(e.safeLimitShape.maxHeight, s.maxHeight);
        EXPECT_NEAR(e.safeLimit.tensionRatio, 1.0, 1e-6);
        // The default range ends where the tension is half as much again.
        EXPECT_NEAR(e.points.back().workingTension, 1.5 * allowable, 2e-3 * allowable);
        EXPECT_EQ(safeLimitReason(e, UnitSystem::SI), "");
        // A pressure a little below the limit is safe, a little above is not.
        EXPECT_LT(envelopePointAt(in, 0.999 * e.safeLimit.pumpingPressure).workingTension,
                  allowable);
        EXPECT_GT(envelopePointAt(in, 1.001 * e.safeLimit.pumpingPressure).workingTension,
                  allowable);
    }
}

// The envelope describes the Run's tube: its safe limit is the pumping pressure
// of a given-strength run with the fabric's ultimate strength, on designs with
// one or two layers and no, partial or full water.
TEST(FillingEnvelope, SafeLimitIsThePressureOfTheGivenStrengthRun)
{
    const double fluidHeights[] = {0.0, 1.1, 2.3, 6.0};
    for (int n = 0; n < 8; ++n) {
        SCOPED_TRACE(n);
        TubeInput in;
        in.circumference = 6 + 5 * n;
        in.twoSlurryLayers = n % 2 == 0;
        in.slurryUnitWeightUpper = in.twoSlurryLayers ? 10.6 : in.slurryUnitWeightLower;
        in.slurryHeightLower = 0.1 * in.circumference;
        in.fluidHeightLower = fluidHeights[n % 4] * in.circumference / 10;
        in.ultimateStrength = 40.0 * in.circumference / 10 * (1 + n % 3);
        const FillingEnvelope e = computeFillingEnvelope(in, {});
        ASSERT_EQ(e.state, SafeLimitState::Found);
        ProjectRecord run;
        run.input = in;
        ASSERT_FALSE(runAnalysis(run).refused());
        EXPECT_NEAR(e.safeLimit.pumpingPressure, run.solution.inletPressure,
                    1e-9 * run.solution.inletPressure);
        EXPECT_NEAR(e.safeLimit.maxHeight, run.solution.maxHeight, 1e-9 * run.solution.maxHeight);
    }
}

TEST(FillingEnvelope, SweepIsDenserWhereTheCurvesBend)
{
    const FillingEnvelope e = computeFillingEnvelope(inputOf(kTubes[0]), {});
    size_t lowerQuarter = 0;
    for (const EnvelopePoint &p : e.points)
        lowerQuarter += p.pumpingPressure < 0.25 * e.maxPressure;
    // The height climbs fastest right after the start of pumping.
    EXPECT_GT(lowerQuarter, e.points.size() / 4 + 5);
    // Points are added between the twenty-one evenly spaced pressures of the
    // range, which all stay.
    for (int k = 0; k <= 20; ++k) {
        const double grid = e.minPressure + (e.maxPressure - e.minPressure) * k / 20;
        EXPECT_TRUE(std::any_of(e.points.begin(), e.points.end(), [grid](const EnvelopePoint &p) {
            return std::fabs(p.pumpingPressure - grid) <= 1e-12 * grid;
        })) << k;
    }
}

TEST(FillingEnvelope, CasesWithoutASafeLimitSaySo)
{
    struct Case
    {
        const char *name;
        double ultimateStrength;
        double maxPressure;
        SafeLimitState state;
        const char *reasonStart;
    };
    const Case cases[] = {
        {"too weak at the bottom of the range", 1.0, 500, SafeLimitState::ExceededAtBottomOfRange,
         "No safe pumping pressure: already at the bottom of the range (2.50 [kPa])"},
        {"no strength at all", 0.0, 0, SafeLimitState::ExceededAtBottomOfRange,
         "No safe pumping pressure"},
        {"range ends before the limit", 100.0, 2.0, SafeLimitState::NotReachedInRange,
         "No safe limit within the range: up to 2.00 [kPa]"},
        {"limit beyond any pressure", 1e9, 0, SafeLimitState::NotReachedInRange,
         "No safe limit within the range: up to 5000.00 [kPa]"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TubeInput in;
        in.ultimateStrength = c.ultimateStrength;
        EnvelopeRequest request;
        request.maxPressure = c.maxPressure;
        const FillingEnvelope e = computeFillingEnvelope(in, request);
        EXPECT_EQ(e.state, c.state);
        EXPECT_GE(e.points.size(), 100u);
        EXPECT_GT(e.maxPressure, 0.0);
        for (const EnvelopePoint &p : e.points) {
            ASSERT_TRUE(std::isfinite(p.workingTension));
            ASSERT_TRUE(std::isfinite(p.tensionRatio));
        }
        EXPECT_EQ(safeLimitReason(e, UnitSystem::SI).rfind(c.reasonStart, 0), 0u)
            << safeLimitReason(e, UnitSystem::SI);
        // The shape shown is the tube at the end of the range that decided.
        const EnvelopePoint &end = c.state == SafeLimitState::ExceededAtBottomOfRange
            ? e.points.front()
            : e.points.back();
        EXPECT_EQ(e.safeLimitShape.maxHeight, end.maxHeight);
    }
}

TEST(FillingEnvelope, ExplicitRangeIsKeptAndBadOnesFallBack)
{
    TubeInput in;
    for (double asked : {30.0, -5.0, std::nan("")}) {
        SCOPED_TRACE(asked);
        EnvelopeRequest request;
        request.maxPressure = asked;
        const FillingEnvelope e = computeFillingEnvelope(in, request);
        if (asked > 0)
            EXPECT_EQ(e.maxPressure, 30.0);
        else
            EXPECT_NEAR(e.points.back().workingTension, 1.5 * e.allowableTension,
                        2e-3 * e.allowableTension);
        EXPECT_EQ(e.state, SafeLimitState::Found);
    }
}

TEST(EnvelopeCsv, HeaderAndUnitsInBothSystems)
{
    const FillingEnvelope e = computeFillingEnvelope(TubeInput {}, {});
    struct Case
    {
        bool english;
        const char *header;
        double pressureFactor;
        double lengthFactor;
        double forceFactor;
    };
    const Case cases[] = {
        {false,
         "Pumping pressure [kPa],Maximum height [m],Maximum width [m],Base width [m],"
         "Storage area [m^2],Working tension [kN/m],"
         "Required ultimate strength circumferential [kN/m],"
         "Required ultimate strength axial [kN/m],Tension / allowable [-],Safe limit",
         1.0, 1.0, 1.0},
        {true,
         "Pumping pressure [psi],Maximum height [ft],Maximum width [ft],Base width [ft],"
         "Storage area [ft^2],Working tension [lb/ft],"
         "Required ultimate strength circumferential [lb/ft],"
         "Required ultimate strength axial [lb/ft],Tension / allowable [-],Safe limit",
         0.145, 3.28084, 68.519},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.english);
        std::istringstream text(
            envelopeCsvText(e, c.english ? UnitSystem::English : UnitSystem::SI));
        std::string line;
        std::getline(text, line);
        EXPECT_EQ(line, c.header);
        size_t rows = 0, limits = 0;
        while (std::getline(text, line)) {
            double v[9] = {};
            ASSERT_EQ(std::sscanf(line.c_str(), "%lf,%lf,%lf,%lf,%lf,%lf,%lf,%lf,%lf", &v[0], &v[1],
                                  &v[2], &v[3], &v[4], &v[5], &v[6], &v[7], &v[8]),
                      9)
                << line;
            const EnvelopePoint &p = e.points[rows];
            const double length = c.lengthFactor, force = c.forceFactor;
            const double expected[9] = {p.pumpingPressure * c.pressureFactor,
                                        p.maxHeight * length,
                                        p.maxWidth * length,
                                        p.baseWidth * length,
                                        p.area * length * length,
                                        p.workingTension * force,
                                        p.ultimateStrengthCircumferential * force,
                                        p.ultimateStrengthAxial * force,
                                        p.tensionRatio};
            for (int k = 0; k < 9; ++k)
                EXPECT_NEAR(v[k], expected[k], 1e-8 * (1 + std::fabs(v[k]))) << "column " << k;
            limits += line.ends_with(",yes");
            ++rows;
        }
        EXPECT_EQ(rows, e.points.size());
        EXPECT_EQ(limits, 1u);
    }
}

} // namespace
} // namespace vendrix

// The pressure zones both methods build from the entered layering: which
// slurry and fluid act in each zone, and that the classic method's zones in
// its own units are the exact method's zones.

#include "engine/classic_problem.h"
#include "engine/classic_run.h"
#include "engine/layering_zones.h"
#include "model/unit_constants.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace vendrix {
namespace {

constexpr double kAboveAnyCrest = std::numeric_limits<double>::infinity();

struct ZoneCase
{
    const char *name;
    bool twoLayers;
    double slurryHeight, fluidHeight; // m
    double boundary[2]; // m
    double net[3]; // kN/m3
    bool slurryFirst;
};

// Slurries 12 and 11 kN/m3 inside, fluids 10 and 0 outside (the initial project).
const ZoneCase kZoneCases[] = {
    {"slurry interface below the fluid's", true, 1, 2, {1, 2}, {2, 1, 11}, true},
    {"fluid interface below the slurry's", true, 3, 0.5, {0.5, 3}, {2, 12, 11}, false},
    {"both interfaces at one height", true, 1.5, 1.5, {1.5, 1.5}, {2, 1, 11}, true},
    {"one slurry layer", false, 1, 2, {2, kAboveAnyCrest}, {2, 12, 12}, false},
};

TubeInput layeredInput(const ZoneCase &c)
{
    TubeInput in;
    in.twoSlurryLayers = c.twoLayers;
    in.slurryHeightLower = c.slurryHeight;
    in.fluidHeightLower = c.fluidHeight;
    return in;
}

TEST(LayeringZones, EnteredLayeringAsZones)
{
    for (const ZoneCase &c : kZoneCases) {
        SCOPED_TRACE(c.name);
        const LayeringZones z = layeringZones(enteredLayering(layeredInput(c)));
        EXPECT_EQ(z.boundary[0], c.boundary[0]);
        EXPECT_EQ(z.boundary[1], c.boundary[1]);
        for (int k = 0; k < 3; ++k)
            EXPECT_DOUBLE_EQ(z.netUnitWeight[k], c.net[k]) << "zone " << k;
        EXPECT_EQ(z.slurryInterfaceFirst, c.slurryFirst);
        EXPECT_EQ(z.zoneAt(0), 0);
        EXPECT_EQ(z.zoneAt(c.boundary[0]), c.boundary[0] == c.boundary[1] ? 2 : 1);
        EXPECT_EQ(z.zoneAt(c.boundary[1]), 2);
    }
}

// The classic method converts before it builds its zones; with two layers and
// no simplification they must be the same zones in feet and lb/ft3.
TEST(LayeringZones, ClassicZonesAreTheEnteredOnesInItsUnits)
{
    for (const ZoneCase &c : kZoneCases) {
        if (!c.twoLayers)
            continue; // the classic method keeps the entered upper slurry above the crest
        SCOPED_TRACE(c.name);
        const TubeInput in = layeredInput(c);
        const LayeringZones si = layeringZones(enteredLayering(in));
        const LayeringZones ft = setUpProblem(buildSolverInput(in)).zones;
        EXPECT_EQ(ft.slurryInterfaceFirst, si.slurryInterfaceFirst);
        for (int k = 0; k < 2; ++k)
            EXPECT_NEAR(ft.boundary[k], si.boundary[k] * kFeetPerMetre, 1e-12);
        for (int k = 0; k < 3; ++k)
            EXPECT_NEAR(ft.netUnitWeight[k], si.netUnitWeight[k] * kPcfPerKilonewtonPerCubicMetre,
                        1e-5 * si.netUnitWeight[k])
                << "zone " << k;
    }
}

TEST(LayeringZones, ClassicGivenPressureSolvesOneSlurryInOneFluid)
{
    TubeInput in;
    in.analysisType = AnalysisType::GivenPressure;
    const LayeringZones z = setUpProblem(buildSolverInput(in)).zones;
    const double net = (12.0 - 10.0) * kPcfPerKilonewtonPerCubicMetre;
    for (int k = 0; k < 3; ++k)
        EXPECT_NEAR(z.netUnitWeight[k], net, 1e-5 * net) << "zone " << k;
    // The slurry interface far above the tube: only the fluid interface cuts it.
    EXPECT_EQ(z.boundary[0], in.fluidHeightLower * kFeetPerMetre);
    EXPECT_GT(z.boundary[1], 100 * in.circumference * kFeetPerMetre);
}

} // namespace
} // namespace vendrix

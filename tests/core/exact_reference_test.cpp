// The exact method against solutions of the entered problem computed with 40
// digits by tests/tools/tube_reference.py (quadrature over the height, no
// elliptic integrals): every output within 1e-9, relative or of the
// circumference (lengths) and its square (areas), from nearly round tubes to
// crest pressures 1e-194 of the base pressure.

#include "engine/analysis_run.h"
#include "engine/elliptic_integrals.h"
#include "engine/reduction_factors.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace vendrix {
namespace {

struct Reference
{
    const char *name;
    AnalysisType objective;
    int layers;
    double gsl, gsu, hs, gfl, hf, gfu; // kN/m3 and m
    double C, T, pc, H, W, yW, b, A, Aup, Alow, axial; // m, kN/m, kPa, m2; axial = F / C
};

constexpr AnalysisType S = AnalysisType::GivenStrength;
constexpr AnalysisType Hg = AnalysisType::GivenHeight;
constexpr AnalysisType P = AnalysisType::GivenPressure;

// clang-format off
const Reference kReferences[] = {
    {"initial, given tension", S, 2, 12.0, 11.0, 1.0, 10.0, 2.0, 0.0, 10.0, 25.641025641025641, 11.625759681586709, 2.6829622873543051, 3.5080514190984986, 1.2248426041101885, 1.1356902648294905, 7.7219006833674796, 4.8314159656186648, 2.8904847177488147, 15.05295917481008},
    {"initial, given height", Hg, 2, 12.0, 11.0, 1.0, 10.0, 2.0, 0.0, 10.0, 13.967550437972755, 5.2240403503782038, 2.5, 3.6169183630614379, 1.1065491426299847, 1.5091364476001728, 7.5306710017389521, 4.4096759614397194, 3.1209950402992328, 8.6245542676560757},
    {"initial, 20 kPa", P, 2, 12.0, 11.0, 1.0, 10.0, 2.0, 0.0, 10.0, 39.901070841577001, 20.0, 2.8035840754403899, 3.432465121284874, 1.3052415475447351, 0.88155338650415071, 7.8190540552720073, 5.0917540964138639, 2.7272999588581434, 22.597224523020174},
    {"initial, 5 kPa", P, 2, 12.0, 11.0, 1.0, 10.0, 2.0, 0.0, 10.0, 13.529266245331586, 5.0, 2.4902464389205432, 3.6225078038442446, 1.100202285783064, 1.5289677563523965, 7.5190289469860982, 4.386202712354053, 3.1328262346320452, 8.3752325275243772},
    {"light sludge on land", S, 1, 10.2, 10.2, 0.0, 0.0, 0.0, 0.0, 10.0, 25.641025641025641, 10.498785127121365, 2.3045860953067468, 3.7517103135711735, 0.86667477756575132, 2.1561143080491794, 7.1882236845868018, 0.0, 7.1882236845868018, 16.694995064188076},
    {"weightless upper zone, tension", S, 2, 12.0, 10.0, 1.0, 10.0, 5.0, 0.0, 10.0, 25.641025641025641, 16.042883916770497, 3.1342277076186237, 3.1965606401005851, 1.5359473875683311, 0.25053200297007724, 7.9532764393314011, 5.6931165158188486, 2.2601599235125525, 12.950802231048699},
    {"weightless upper zone, pressure", P, 2, 12.0, 10.0, 1.0, 10.0, 5.0, 0.0, 10.0, 16.026654823180336, 10.0, 3.1053309646360672, 3.2053309646360672, 1.5026654823180336, 0.3879378891761044, 7.9466639536248072, 5.6190366185681808, 2.3276273350566264, 8.1462814146054895},
    {"weightless circle", S, 1, 10.0, 10.0, 0.0, 10.0, 100.0, 0.0, 10.0, 25.0, 15.707963267948966, 3.1830988618379067, 3.1830988618379067, 1.5915494309189534, 0.0, 7.9577471545947668, 0.0, 7.9577471545947668, 12.5},
    {"flat, C 10 m, T 0.5", S, 1, 12.0, 12.0, 0.0, 0.0, 0.0, 0.0, 10.0, 0.5, 3.4583722400255749e-5, 0.4082454084971688, 4.809282718688449, 0.11957315586483656, 4.5917517096658101, 1.8745747857522967, 0.0, 1.8745747857522967, 0.47278344732630926},
    {"flat, C 200 m, T 25.6", S, 1, 12.0, 12.0, 0.0, 0.0, 0.0, 0.0, 200.0, 25.641025641025641, 7.2060448186971743e-14, 2.9235267310234247, 98.634245180280545, 0.85628115453662311, 97.076473268976569, 283.80566455533452, 0.0, 283.80566455533452, 25.141277481876337},
    {"flat, C 200 m, T 100", S, 1, 12.0, 12.0, 0.0, 0.0, 0.0, 0.0, 200.0, 100.0, 3.0632683734162662e-6, 5.7735024366238988, 97.302850340157508, 1.6910197872576251, 94.226497308103843, 544.01693585629354, 0.0, 544.01693585629354, 96.150998205402685},
    {"flat, pc/p0 6e-107", S, 1, 12.0, 12.0, 0.0, 0.0, 0.0, 0.0, 200.0, 0.5, 3.0052683204885997e-106, 0.40824829046386302, 99.809282718565032, 0.11957315586905013, 99.591751709536137, 40.658162379719635, 0.0, 40.658162379719635, 0.49863917236512046},
    {"flat, pc/p0 9e-195", S, 1, 12.0, 12.0, 0.0, 0.0, 0.0, 0.0, 200.0, 0.15, 2.3661103752006538e-194, 0.22360679774997897, 99.895539842852007, 0.065492914741560003, 99.776393202250021, 22.310679774997897, 0.0, 22.310679774997897, 0.14977639320225002},
    {"flat given height 0.12", Hg, 1, 12.0, 12.0, 0.0, 0.0, 0.0, 0.0, 10.0, 0.43771017465206268, 1.3934624082904496e-5, 0.38197186342054881, 4.8215574724189891, 0.11187730868524393, 4.6180269753865301, 1.7639617316539127, 0.0, 1.7639617316539127, 0.4154177107457617},
    {"flat given height 0.1175", Hg, 1, 12.0, 12.0, 0.0, 0.0, 0.0, 0.0, 10.0, 0.41966160880101377, 1.0327430554198592e-5, 0.37401411626595404, 4.8252751541937703, 0.10954645046363541, 4.6259850231295552, 1.7301876814969288, 0.0, 1.7301876814969288, 0.39873364521450098},
    {"flat given height 0.115", Hg, 1, 12.0, 12.0, 0.0, 0.0, 0.0, 0.0, 10.0, 0.40199317951618454, 7.5584818414235817e-6, 0.36605636911135927, 4.8289928033398274, 0.10721561270148108, 4.6339430010233688, 1.6962872684214458, 0.0, 1.6962872684214458, 0.38237285726321744},
    {"nearly round, 1e-6", Hg, 1, 12.0, 12.0, 0.0, 0.0, 0.0, 0.0, 10.0, 15198147.15001837, 9549267.9376478368, 3.1830956787390449, 3.1831006787404111, 1.5915462478216831, 9.99999000001e-6, 7.9577471545828302, 0.0, 7.9577471545828302, 7599081.1740865597},
    {"nearly round, 1e-7", Hg, 1, 12.0, 12.0, 0.0, 0.0, 0.0, 0.0, 10.0, 151981745.06715384, 95492937.207249832, 3.1830985435280205, 3.1830990435280342, 1.5915491126090831, 9.9999990000001e-7, 7.9577471545946474, 0.0, 7.9577471545946474, 75990880.132664555},
    {"dike, given tension", S, 2, 14.0, 13.0, 1.5, 10.05, 1.2, 0.0, 15.0, 30.0, 5.119315986828386, 2.819615310964692, 6.063948601109976, 1.0279570060104222, 4.0869442446378358, 14.438699132919589, 5.8076904477444134, 8.631008685175176, 21.857728011475214},
    {"dike, 5 kPa", P, 2, 14.0, 13.0, 1.5, 10.05, 1.2, 0.0, 15.0, 29.595399208841084, 5.0, 2.8082453263897317, 6.0708508739275794, 1.0231233693745388, 4.1034587070136502, 14.402506985390329, 5.7581502173466372, 8.6443567680436916, 21.600919666591034},
};
// clang-format on

TubeInput inputOf(const Reference &r)
{
    TubeInput in;
    in.analysisType = r.objective;
    in.circumference = r.C;
    in.twoSlurryLayers = r.layers == 2;
    in.slurryUnitWeightLower = r.gsl;
    in.slurryUnitWeightUpper = r.gsu;
    in.slurryHeightLower = r.hs;
    in.fluidUnitWeightLower = r.gfl;
    in.fluidHeightLower = r.hf;
    in.fluidUnitWeightUpper = r.gfu;
    in.rfInstallationDamage = in.rfDurability = in.rfCreep = 1;
    in.rfSeamAxial = in.rfSeamCircumferential = 1;
    in.ultimateStrength = r.T;
    in.desiredMaxHeight = r.H;
    in.pumpingPressure = r.pc;
    return in;
}

TEST(ExactReference, EveryOutputWithinNineDigitsOfTheEnteredProblem)
{
    for (const Reference &r : kReferences) {
        SCOPED_TRACE(r.name);
        ProjectRecord record;
        record.input = inputOf(r);
        ASSERT_FALSE(runAnalysis(record).refused());
        const TubeSolution &s = record.solution;
        EXPECT_FALSE(s.convergenceWarning);
        const auto near = [](double value, double expected, double absolute) {
            return std::fabs(value - expected) <= std::max(1e-9 * std::fabs(expected), absolute);
        };
        const double length = 1e-9 * r.C, area = length * r.C;
        EXPECT_PRED3(near, s.computedCircumference, r.C, length);
        EXPECT_PRED3(near, s.maxHeight, r.H, length);
        EXPECT_PRED3(near, s.maxWidth, r.W, length);
        EXPECT_PRED3(near, s.heightAtMaxWidth, r.yW, length);
        EXPECT_PRED3(near, s.baseWidth, r.b, length);
        EXPECT_PRED3(near, s.totalArea, r.A, area);
        EXPECT_PRED3(near, s.areaUpperSlurry, r.Aup, area);
        EXPECT_PRED3(near, s.areaLowerSlurry, r.Alow, area);
        EXPECT_PRED3(near, s.inletPressure, r.pc, 0.0);
        EXPECT_PRED3(near, s.ultimateStrengthCircumferential, r.T, 0.0);
        EXPECT_PRED3(near, s.ultimateStrengthAxial, r.axial, 0.0);
    }
}

// R_F and R_D against mpmath's elliprf and elliprd at 40 digits, from equal
// arguments to arguments 1e40 apart.
TEST(ExactReference, CarlsonIntegralsToTheLastBits)
{
    struct Case
    {
        double x, y, z, rf, rd;
    };
    const Case cases[] = {
        {0, 2, 1, 1.3110287771460599052, 1.7972103521033883112},
        {2, 3, 4, 0.58408284167715170669, 0.16510527294261053349},
        {0.5, 1, 1e-06, 1.8526618129702269666, 4234.5495330325268169},
        {1e-20, 1, 1e+20, 2.4412145290960347459e-9, 7.0236435872881042378e-29},
        {1, 1, 1, 1.0, 1.0},
        {0.25, 4, 9, 0.56308146287728288303, 0.093743161596784147708},
        {3, 3, 0.001, 0.89650760127549780329, 30.736514505243376313},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.z);
        const CarlsonIntegrals r = carlsonRFRD(c.x, c.y, c.z);
        EXPECT_NEAR(r.rf, c.rf, 4e-16 * c.rf);
        EXPECT_NEAR(r.rd, c.rd, 4e-16 * c.rd);
    }
}

} // namespace
} // namespace vendrix

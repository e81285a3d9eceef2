#include "engine/solver.h"

#include "engine/solver_problem.h"

#include <algorithm>
#include <cmath>

#if defined(__x86_64__) || defined(__SSE2__)
#include <immintrin.h>
#endif

namespace vendrix {

namespace {

// Angle grid: 720 fine steps of a quarter degree of tangent angle, from the
// edge of the base contact (0) to the crest (180 degrees). Fine indices j run
// 1..721, profile points i = 1..361 sit at fine index 2i - 1 (every 0.5 degree).
constexpr int kFineIndices = 721;
constexpr int kPoints = kProfilePoints;
constexpr double kGridPi = 3.14159265359;
constexpr double kFineStep = kGridPi / 720; // rad
constexpr double kSimpsonFactor = kGridPi / 2160; // one third of the fine step
constexpr int kChunkPoints = 12; // profile points whose roots are taken together

constexpr double kPsfPerPsi = 144;

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

struct AngleTables
{
    double cosTheta[kFineIndices + 1];
    double sinHalfSquared[kFineIndices + 1]; // sin^2(theta/2)
    double sinTheta[kFineIndices + 1];
};

// Filled by the run-time library's sine and cosine. A plain function, not a
// lambda: the compiler may evaluate a constant initializer at compile time with
// its own, differently rounded sine, and the shapes would then depend on the
// compiler instead of the library.
AngleTables buildAngleTables()
{
    AngleTables t {};
    for (int j = 1; j <= kFineIndices; ++j) {
        const double theta = (j - 1) * kFineStep;
        const double s = std::sin(0.5 * theta);
        t.cosTheta[j] = std::cos(theta);
        t.sinHalfSquared[j] = s * s;
        t.sinTheta[j] = std::sin(theta);
    }
    return t;
}

// The tables never change: built once for the whole program.
const AngleTables &angleTables()
{
    static const AngleTables tables = buildAngleTables();
    return tables;
}

// Part of the membrane within which the inside and outside unit weights are
// constant, so that the net pressure is linear in height.
struct PressureZone
{
    double netUnitWeight = 0; // lb/ft3, inside minus outside
    double radiusSquared = 0; // ft2, Tf / net unit weight
    double lambda = 0; // ft, its square root
    double pressureScale = 0; // lb/ft2, sqrt(Tf * net unit weight)
    double basePressure = 0; // lb/ft2
    double topPressure = 0; // lb/ft2
    double baseRatio = 0; // base pressure / pressure scale
    double baseHeight = 0; // ft
    double thickness = 0; // ft
    int first = 1; // first profile point
    int last = 1; // last profile point
    int referenceIndex = 1; // fine index of the zone's starting angle
};

// One integration pass: everything the search tests and the result needs.
struct Pass
{
    double q[kFineIndices + 1]; // dimensionless pressure per fine index
    double inverseQ[kFineIndices + 1];
    double cosOverQ[kFineIndices + 1]; // cos(theta) / q
    double x[kPoints + 1]; // ft, from the contact edge (not yet shifted to the axis)
    double y[kPoints + 1]; // ft
    PressureZone zones[3];
    int zoneCount = 0;
    double tension = 0; // lb/in
    double circumference = 0; // ft
    double maxHeight = 0; // ft
    double crestPressure = 0; // psi
};

// The square roots and reciprocals of a pass are most of its cost. Where the
// processor has 256-bit vector instructions they are taken four at a time;
// both operations are correctly rounded either way, so the numbers are the same.
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define VENDRIX_WIDE_VECTORS 1

__attribute__((target("avx"))) void squareRootsWide(const double *values, double *roots, int first,
                                                    int last)
{
    int j = first;
    for (; j + 3 <= last; j += 4)
        _mm256_storeu_pd(roots + j, _mm256_sqrt_pd(_mm256_loadu_pd(values + j)));
    for (; j < last; j += 2)
        _mm_storeu_pd(roots + j, _mm_sqrt_pd(_mm_loadu_pd(values + j)));
}

__attribute__((target("avx"))) void quotientsWide(const double *cosines, const double *values,
                                                  double *reciprocals, double *cosineQuotients,
                                                  int first, int last)
{
    for (int j = first; j <= last; ++j) {
        reciprocals[j] = 1 / values[j];
        cosineQuotients[j] = cosines[j] / values[j];
    }
}

bool hasWideVectors()
{
    static const bool wide = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("avx") != 0;
    }();
    return wide;
}
#else
bool hasWideVectors()
{
    return false;
}
#endif

// Square roots of values[first..last] (an even count) into roots; a
// non-positive value gives a root that the caller never uses.
inline void squareRoots(bool wide, const double *values, double *roots, int first, int last)
{
#if defined(VENDRIX_WIDE_VECTORS)
    if (wide) {
        squareRootsWide(values, roots, first, last);
        return;
    }
#endif
    (void)wide;
#if defined(__SSE2__)
    for (int j = first; j < last; j += 2)
        _mm_storeu_pd(roots + j, _mm_sqrt_pd(_mm_loadu_pd(values + j)));
#else
    for (int j = first; j <= last; ++j)
        roots[j] = values[j] > 0 ? std::sqrt(values[j]) : 0.0;
#endif
}

// 1/q and cos(theta)/q; both divided, not multiplied by 1/q, which would round
// the x coordinates differently.
inline void quotients(bool wide, const double *cosines, const double *values, double *reciprocals,
                      double *cosineQuotients, int first, int last)
{
#if defined(VENDRIX_WIDE_VECTORS)
    if (wide) {
        quotientsWide(cosines, values, reciprocals, cosineQuotients, first, last);
        return;
    }
#endif
    (void)wide;
    for (int j = first; j <= last; ++j) {
        reciprocals[j] = 1 / values[j];
        cosineQuotients[j] = cosines[j] / values[j];
    }
}

enum class PassResult { Complete, Abandoned, Failed };

using Problem = SolverProblem;

// The pressure zones of a pass for the tension tf (lb/ft). A zone with a net
// unit weight that is not positive, or a tension that is not positive, has no
// equilibrium shape, even if the membrane never reaches that zone.
bool setUpZones(const Problem &problem, double tf, Pass &pass)
{
    for (int k = 0; k < 3; ++k) {
        PressureZone &z = pass.zones[k];
        z.netUnitWeight = problem.insideUnitWeight[k] - problem.outsideUnitWeight[k];
        if (!(tf > 0) || !(z.netUnitWeight > 0))
            return false;
        z.radiusSquared = tf / z.netUnitWeight;
        z.lambda = std::sqrt(z.radiusSquared);
        z.pressureScale = std::sqrt(tf * z.netUnitWeight);
        if (!std::isfinite(z.radiusSquared) || !(z.radiusSquared > 0)
            || !std::isfinite(z.pressureScale) || !(z.pressureScale > 0))
            return false;
    }
    return true;
}

// Where the height integration stands: the zone being crossed and the values
// of its pressure curve that every point of the zone uses.
struct ZoneCursor
{
    int k = 0;
    PressureZone *zone = nullptr;
    double ratio = 0;
    double ratioSquared = 0;
    double sinHalfSquaredRef = 0;
    double lambda = 0;
    double baseHeight = 0;
    // The interfaces start at their input heights on every pass; within the
    // pass each is moved up to the grid point at or just above it.
    double interfaceHeight[3] = {};
};

void enterZone(ZoneCursor &c, PressureZone &z, const AngleTables &t)
{
    c.zone = &z;
    c.ratio = z.baseRatio;
    c.ratioSquared = c.ratio * c.ratio;
    c.sinHalfSquaredRef = t.sinHalfSquared[z.referenceIndex];
    c.lambda = z.lambda;
    c.baseHeight = z.baseHeight;
}

// The membrane reaches interface k at point i (height yi, fine index j2): the
// zone ends there and the next one starts from its top pressure.
void crossInterface(ZoneCursor &c, Pass &pass, const AngleTables &t, int i, int j2, double yi)
{
    PressureZone *z = c.zone;
    c.interfaceHeight[c.k] = yi;
    z->topPressure = z->basePressure - z->netUnitWeight * (yi - c.baseHeight);
    const double nominal
        = c.k == 0 ? c.interfaceHeight[0] : c.interfaceHeight[1] - c.interfaceHeight[0];
    z->thickness = std::max(nominal, yi - c.baseHeight);
    z->last = i;
    const double pressure = z->topPressure;
    ++c.k;
    PressureZone &next = pass.zones[c.k];
    next.first = i;
    next.referenceIndex = j2;
    next.baseHeight = yi;
    next.basePressure = pressure;
    next.baseRatio = pressure / next.pressureScale;
    enterZone(c, next, t);
}

// The pressure ratios and heights of points 2..kPoints. Points are taken in
// chunks: the square roots of a chunk are independent of each other and are
// computed together, then the chunk is scanned in order for a vanishing
// pressure and for a zone change. After a zone change the rest of the chunk is
// computed again for the new zone.
PassResult integrateHeights(const Problem &problem, const AngleTables &t, ZoneCursor &c, Pass &pass)
{
    double pressureSquared[kFineIndices + 1];
    int i = 2;
    while (i <= kPoints) {
        const int chunkLast = std::min(i + kChunkPoints - 1, kPoints);
        const int jFirst = 2 * i - 2;
        const int jLast = 2 * chunkLast - 1;
        for (int j = jFirst; j <= jLast; ++j)
            pressureSquared[j] = c.ratioSquared - 4 * (t.sinHalfSquared[j] - c.sinHalfSquaredRef);
        squareRoots(problem.wideVectors, pressureSquared, pass.q, jFirst, jLast);
        // Constant until the zone changes, which ends the chunk's scan.
        const double ratio = c.ratio;
        const double lambda = c.lambda;
        const double baseHeight = c.baseHeight;
        for (; i <= chunkLast; ++i) {
            const int j1 = 2 * i - 2;
            const int j2 = 2 * i - 1;
            if (!(pressureSquared[j1] > 0) || !(pressureSquared[j2] > 0))
                return PassResult::Abandoned; // the pressure vanishes before the crest
            const double yi = (ratio - pass.q[j2]) * lambda + baseHeight;
            pass.y[i] = yi;
            if (c.k < 2 && i < kPoints && yi >= c.interfaceHeight[c.k]) {
                crossInterface(c, pass, t, i, j2, yi);
                ++i;
                break;
            }
        }
    }
    // The crest closes the last zone reached.
    PressureZone *z = c.zone;
    const double h = pass.y[kPoints];
    z->thickness = h - z->baseHeight;
    z->topPressure = z->basePressure - z->netUnitWeight * (h - z->baseHeight);
    z->last = kPoints;
    pass.zoneCount = c.k + 1;
    return PassResult::Complete;
}

// x = integral of lambda cos(theta) / q and arc length = integral of lambda / q
// over theta, by Simpson's rule over each pair of fine steps; then the totals
// of the pass.
PassResult integrateWidths(const Problem &problem, const AngleTables &t, Pass &pass)
{
    const double *inverse = pass.inverseQ;
    const double *cosOverQ = pass.cosOverQ;
    quotients(problem.wideVectors, t.cosTheta, pass.q, pass.inverseQ, pass.cosOverQ, 1,
              kFineIndices);
    double x = 0;
    double arc = 0;
    pass.x[1] = 0;
    int i = 2;
    for (int zone = 0; zone < pass.zoneCount; ++zone) {
        const double lam = pass.zones[zone].lambda;
        for (; i <= pass.zones[zone].last; ++i) {
            const int j0 = 2 * i - 3;
            x += (cosOverQ[j0] + 4 * cosOverQ[j0 + 1] + cosOverQ[j0 + 2]) * lam * kSimpsonFactor;
            arc += (inverse[j0] + 4 * inverse[j0 + 1] + inverse[j0 + 2]) * lam * kSimpsonFactor;
            pass.x[i] = x;
        }
    }
    // The crest lies on the symmetry axis, half the base width inward of the
    // contact edge.
    const double baseWidth = -2 * pass.x[kPoints];
    pass.circumference = 2 * (arc + baseWidth / 2);
    pass.maxHeight = pass.y[kPoints];
    pass.crestPressure = pass.zones[pass.zoneCount - 1].topPressure / kPsfPerPsi;
    if (!std::isfinite(pass.circumference) || !std::isfinite(pass.maxHeight)
        || !std::isfinite(pass.crestPressure))
        return PassResult::Failed;
    return PassResult::Complete;
}

// Integrates the membrane from the contact edge to the crest for tension T
// (lb/in) and base pressure ratio q0.
PassResult runPass(const Problem &problem, double tension, double q0, Pass &pass)
{
    const AngleTables &t = angleTables();
    pass.tension = tension;
    if (!setUpZones(problem, 12 * tension, pass))
        return PassResult::Failed;

    ZoneCursor cursor;
    for (int k = 0; k < 3; ++k)
        cursor.interfaceHeight[k] = problem.interfaceHeight[k];
    PressureZone &first = pass.zones[0];
    first.baseRatio = q0;
    first.referenceIndex = 1;
    first.baseHeight = 0;
    first.first = 1;
    first.basePressure = q0 * first.pressureScale;
    pass.q[1] = q0;
    pass.y[1] = 0;
    enterZone(cursor, first, t);

    const PassResult heights = integrateHeights(problem, t, cursor, pass);
    if (heights != PassResult::Complete)
        return heights;
    return integrateWidths(problem, t, pass);
}

void zeroResults(SolverOutput &out)
{
    const long passes = out.passes;
    out = SolverOutput {};
    out.passes = passes;
}

bool allFinite(const SolverOutput &out)
{
    const double scalars[] = {out.computedCircumference,
                              out.crestPressure,
                              out.totalArea,
                              out.workingTension,
                              out.axialForce,
                              out.maxHeight,
                              out.maxWidth,
                              out.heightAtMaxWidth,
                              out.baseWidth,
                              out.areaLowerSlurry,
                              out.areaUpperSlurry};
    for (double v : scalars)
        if (!std::isfinite(v))
            return false;
    for (int i = 0; i < kProfilePoints; ++i)
        if (!std::isfinite(out.profileX[i]) || !std::isfinite(out.profileY[i]))
            return false;
    return true;
}

// Derives every result quantity from a complete pass.
void writeResults(const Problem &problem, const Pass &pass, SolverOutput &out)
{
    const AngleTables &t = angleTables();
    const double halfBase = -pass.x[kPoints];
    double x[kPoints + 1];
    for (int i = 1; i <= kPoints; ++i)
        x[i] = pass.x[i] + halfBase;
    for (int i = 1; i <= kPoints; ++i) {
        out.profileX[i - 1] = x[i];
        out.profileY[i - 1] = pass.y[i];
    }
    out.zones = pass.zoneCount;
    out.workingTension = pass.tension;
    out.baseWidth = 2 * halfBase;
    out.computedCircumference = pass.circumference;
    out.maxWidth = 2 * x[181];
    out.heightAtMaxWidth = pass.y[181];
    out.maxHeight = pass.y[kPoints];
    out.crestPressure = pass.crestPressure;

    // Area under each zone's piece of membrane in closed form:
    // F = -integral of y dx along growing theta.
    double f[3] {};
    double halfArea = 0;
    for (int k = 0; k < pass.zoneCount; ++k) {
        const PressureZone &z = pass.zones[k];
        const double sinLast = t.sinTheta[2 * z.last - 1];
        const double sinFirst = t.sinTheta[2 * z.first - 1];
        f[k] = (sinLast - sinFirst) * z.radiusSquared
            - (x[z.last] - x[z.first]) * (z.lambda * z.baseRatio + z.baseHeight);
        halfArea += f[k];
    }
    out.totalArea = 2 * halfArea;
    const int nz = pass.zoneCount;
    const PressureZone *zones = pass.zones;
    double upper = 0;
    if (nz == 2 && problem.slurryInterfaceFirst)
        upper = 2 * (f[1] - x[zones[1].first] * zones[1].baseHeight);
    else if (nz == 3 && problem.slurryInterfaceFirst)
        upper = 2 * ((f[1] + f[2]) - x[zones[1].first] * zones[1].baseHeight);
    else if (nz == 3)
        upper = 2 * (f[2] - x[zones[2].first] * zones[2].baseHeight);
    out.areaUpperSlurry = upper;
    out.areaLowerSlurry = out.totalArea - upper;

    // Resultant of the net pressure on a plane cross-section, strip by strip.
    double zoneTop[3] {};
    double top = 0;
    for (int k = 0; k < nz; ++k) {
        top += zones[k].thickness;
        zoneTop[k] = top;
    }
    zoneTop[nz - 1] = pass.y[kPoints];
    double force = 0;
    for (int i = 1; i < kPoints; ++i) {
        int k = nz - 1;
        if (nz >= 2 && i < zones[0].last)
            k = 0;
        else if (nz == 3 && i < zones[1].last)
            k = 1;
        const double yMean = (pass.y[i] + pass.y[i + 1]) / 2;
        const double p = (zoneTop[k] - yMean) * zones[k].netUnitWeight + zones[k].topPressure;
        force += p * (x[i] + x[i + 1]) * (pass.y[i + 1] - pass.y[i]);
    }
    out.axialForce = force;
}

} // namespace

TensionStart givenPressureStartingTension(double circumference, double inletPressure)
{
    struct Row
    {
        double bound; // ft
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
        if (circumference <= row.bound)
            return {row.perPsi * inletPressure + row.offset, row.step};
    return {22400 * inletPressure + 22000, 2000};
}

namespace {

// What the classic search does after a pass.
enum class Step { NextPass, SamePass, Converged, Limit };

// The march-and-halve state of one classic solve.
struct ClassicSearch
{
    double circumference = 0; // ft, wanted
    double q0 = kStartRatio;
    double dq = kStartRatioStep;
    double tension = 0; // lb/in
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
    s.circumference = input.circumference;
    s.tension = input.workingTension;
    if (input.analysisType == AnalysisType::GivenHeight) {
        s.tension = kStartTensionHeight;
    } else if (input.analysisType == AnalysisType::GivenPressure) {
        const TensionStart start
            = givenPressureStartingTension(input.circumference, input.inletPressure);
        s.startTension = start.tension;
        s.tensionStep = start.step;
        s.tension = s.referenceTension = s.startTension;
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
    const double cc = pass.circumference, c = s.circumference;
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
    if (pass.circumference <= s.circumference)
        return Step::Converged;
    ++s.finalChecks;
    if (s.finalChecks > kFinalCheckLimit)
        return Step::Converged;
    s.q0 += s.dq;
    return Step::SamePass;
}

// Given height: the tension falls by a fixed factor while the tube is too
// tall, and q0 marches for the circumference.
Step givenHeightStep(ClassicSearch &s, const Pass &pass, double desiredMaxHeight)
{
    if (std::fabs(s.dq) < kExhaustedStep)
        return heightFinalCheck(s, pass);
    if (pass.maxHeight > desiredMaxHeight) {
        s.tension *= kTensionFactor;
        return Step::SamePass;
    }
    if (pass.circumference < s.circumference)
        return Step::NextPass;
    s.tension /= kTensionFactor;
    s.q0 += s.dq;
    s.dq /= 2;
    if (std::fabs(s.dq) >= kSmallestStepAfterTensionIncrease)
        return Step::NextPass;
    return heightFinalCheck(s, pass);
}

// Given pressure: the q0 search is exhausted, so the tension is bracketed.
void bracketTension(ClassicSearch &s, double cc)
{
    const double c = s.circumference;
    s.q0 = kStartRatio;
    s.dq = kStartRatioStep;
    if (!s.bracketStarted && c < cc) {
        s.startTension /= 2;
        s.tensionStep = s.baseTensionStep / 2;
        s.baseTensionStep = s.tensionStep;
        s.tension = s.startTension;
        return;
    }
    s.baseTensionStep /= 2;
    s.bracketStarted = true;
    if (!s.lastWasLarge)
        s.referenceTension = s.tension;
    s.tensionStep = std::max(s.baseTensionStep, kSmallestTensionStep);
    if (c <= cc) {
        s.referenceTension -= s.tensionStep;
        s.tension = s.referenceTension;
    } else {
        s.tension += s.tensionStep / 2;
    }
    s.lastWasLarge = c <= cc;
}

// Given pressure: q0 for the crest pressure, the tension for the circumference.
Step givenPressureStep(ClassicSearch &s, const Pass &pass, double pd)
{
    const double cc = pass.circumference, c = s.circumference;
    if (s.dq < kExhaustedStep) {
        bracketTension(s, cc);
        return Step::NextPass;
    }
    if (std::fabs(pass.crestPressure - pd) / pd < kPressureTolerance
        && std::fabs(cc - c) / c < kCircumferenceTolerancePressure)
        return Step::Converged;
    if (pass.crestPressure < pd) {
        s.q0 += s.dq;
        s.dq /= 2;
        return Step::NextPass;
    }
    s.q0 -= s.dq;
    if (cc <= c) {
        s.tension += s.tensionStep;
    } else {
        s.tension -= s.tensionStep;
        s.tensionStep /= 2;
    }
    return Step::SamePass;
}

enum class Stop { Converged, Limit, Failed };

// Results of the last complete pass (or none), with the warning the stop calls for.
void writeClassicOutcome(const Problem &problem, Stop stop, const Pass *lastComplete,
                         double circumference, SolverOutput &output)
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
            output.computedCircumference = lastComplete->circumference;
        output.convergenceWarning = true;
        break;
    }
    if (!allFinite(output)) {
        zeroResults(output);
        output.convergenceWarning = true;
    }
    // A tube of another size is never reported as a converged design.
    if (!(std::fabs(output.computedCircumference - circumference)
          <= kCircumferenceWarning * std::fabs(circumference)))
        output.convergenceWarning = true;
}

// The fixed-step searches on the half-degree grid.
void solveTubeClassic(const SolverInput &input, SolverOutput &output)
{
    output = SolverOutput {};
    Problem problem = setUpProblem(input);
    problem.wideVectors = hasWideVectors();
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
        const PassResult result = runPass(problem, s.tension, s.q0, pass);
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
                ? givenHeightStep(s, pass, input.desiredMaxHeight)
                : objective == AnalysisType::GivenPressure
                ? givenPressureStep(s, pass, input.inletPressure)
                : givenStrengthStep(s, pass);
        }
        if (step == Step::Converged || step == Step::Limit) {
            stop = step == Step::Converged ? Stop::Converged : Stop::Limit;
            break;
        }
        subtractStep = step == Step::NextPass;
    }
    writeClassicOutcome(problem, stop, lastComplete >= 0 ? &passes[lastComplete] : nullptr,
                        input.circumference, output);
}

} // namespace

void solveTube(const SolverInput &input, SolverOutput &output)
{
    solveTubeClassic(input, output);
}

} // namespace vendrix

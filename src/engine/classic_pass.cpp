#include "engine/classic_pass.h"

#include "model/unit_constants.h"

#include <algorithm>
#include <atomic>
#include <cmath>

#if defined(__x86_64__) || defined(__SSE2__)
#include <immintrin.h>
#endif

namespace vendrix {

namespace {

// Angle grid: 720 fine steps of a quarter degree of tangent angle, from the
// edge of the base contact (0) to the crest (180 degrees). Fine indices j run
// 1..721, profile points i = 1..361 sit at fine index 2i - 1 (every 0.5 degree).
constexpr int kPoints = kProfilePoints;
constexpr double kFineStep = kPiToElevenDecimals / 720; // rad
constexpr double kSimpsonFactor = kPiToElevenDecimals / 2160; // one third of the fine step
constexpr int kChunkPoints = 12; // profile points whose roots are taken together

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
        return static_cast<int>(__builtin_cpu_supports("avx")) != 0;
    }();
    return wide;
}
#else
bool hasWideVectors()
{
    return false;
}
#endif

std::atomic<bool> g_wideVectorsAllowed {true};

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

// The pressure zones of a pass for the tension tf (lb/ft). A zone with a net
// unit weight that is not positive, or a tension that is not positive, has no
// equilibrium shape, even if the membrane never reaches that zone.
bool setUpZones(const LayeringZones &zones, double tf, Pass &pass)
{
    for (int k = 0; k < 3; ++k) {
        PressureZone &z = pass.zones[k];
        z.netUnitWeightPcf = zones.netUnitWeight[k];
        if (!(tf > 0) || !(z.netUnitWeightPcf > 0))
            return false;
        z.radiusSquared = tf / z.netUnitWeightPcf;
        z.lambda = std::sqrt(z.radiusSquared);
        z.pressureScalePsf = std::sqrt(tf * z.netUnitWeightPcf);
        if (!std::isfinite(z.radiusSquared) || !(z.radiusSquared > 0)
            || !std::isfinite(z.pressureScalePsf) || !(z.pressureScalePsf > 0))
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
    double baseHeightFt = 0;
    // The interfaces start at their input heights on every pass; within the
    // pass each is moved up to the grid point at or just above it.
    double interfaceHeightFt[2] = {};
};

void enterZone(ZoneCursor &c, PressureZone &z, const AngleTables &t)
{
    c.zone = &z;
    c.ratio = z.baseRatio;
    c.ratioSquared = c.ratio * c.ratio;
    c.sinHalfSquaredRef = t.sinHalfSquared[z.referenceIndex];
    c.lambda = z.lambda;
    c.baseHeightFt = z.baseHeightFt;
}

// The membrane reaches interface k at point i (height yi, fine index j2): the
// zone ends there and the next one starts from its top pressure.
void crossInterface(ZoneCursor &c, Pass &pass, const AngleTables &t, int i, int j2, double yi)
{
    PressureZone *z = c.zone;
    c.interfaceHeightFt[c.k] = yi;
    z->topPressurePsf = z->basePressurePsf - z->netUnitWeightPcf * (yi - c.baseHeightFt);
    const double nominal
        = c.k == 0 ? c.interfaceHeightFt[0] : c.interfaceHeightFt[1] - c.interfaceHeightFt[0];
    z->thicknessFt = std::max(nominal, yi - c.baseHeightFt);
    z->last = i;
    const double pressure = z->topPressurePsf;
    ++c.k;
    PressureZone &next = pass.zones[c.k];
    next.first = i;
    next.referenceIndex = j2;
    next.baseHeightFt = yi;
    next.basePressurePsf = pressure;
    next.baseRatio = pressure / next.pressureScalePsf;
    enterZone(c, next, t);
}

// The pressure ratios and heights of points 2..kPoints. Points are taken in
// chunks: the square roots of a chunk are independent of each other and are
// computed together, then the chunk is scanned in order for a vanishing
// pressure and for a zone change. After a zone change the rest of the chunk is
// computed again for the new zone.
PassResult integrateHeights(bool wide, const AngleTables &t, ZoneCursor &c, Pass &pass)
{
    double pressureSquared[kFineIndices + 1];
    int i = 2;
    while (i <= kPoints) {
        const int chunkLast = std::min(i + kChunkPoints - 1, kPoints);
        const int jFirst = 2 * i - 2;
        const int jLast = 2 * chunkLast - 1;
        for (int j = jFirst; j <= jLast; ++j)
            pressureSquared[j] = c.ratioSquared - 4 * (t.sinHalfSquared[j] - c.sinHalfSquaredRef);
        squareRoots(wide, pressureSquared, pass.q, jFirst, jLast);
        // Constant until the zone changes, which ends the chunk's scan.
        const double ratio = c.ratio;
        const double lambda = c.lambda;
        const double baseHeightFt = c.baseHeightFt;
        for (; i <= chunkLast; ++i) {
            const int j1 = 2 * i - 2;
            const int j2 = 2 * i - 1;
            if (!(pressureSquared[j1] > 0) || !(pressureSquared[j2] > 0))
                return PassResult::Abandoned; // the pressure vanishes before the crest
            const double yi = (ratio - pass.q[j2]) * lambda + baseHeightFt;
            pass.yFt[i] = yi;
            if (c.k < 2 && i < kPoints && yi >= c.interfaceHeightFt[c.k]) {
                crossInterface(c, pass, t, i, j2, yi);
                ++i;
                break;
            }
        }
    }
    // The crest closes the last zone reached.
    PressureZone *z = c.zone;
    const double h = pass.yFt[kPoints];
    z->thicknessFt = h - z->baseHeightFt;
    z->topPressurePsf = z->basePressurePsf - z->netUnitWeightPcf * (h - z->baseHeightFt);
    z->last = kPoints;
    pass.zoneCount = c.k + 1;
    return PassResult::Complete;
}

// x = integral of lambda cos(theta) / q and arc length = integral of lambda / q
// over theta, by Simpson's rule over each pair of fine steps; then the totals
// of the pass.
PassResult integrateWidths(bool wide, const AngleTables &t, Pass &pass)
{
    const double *inverse = pass.inverseQ;
    const double *cosOverQ = pass.cosOverQ;
    quotients(wide, t.cosTheta, pass.q, pass.inverseQ, pass.cosOverQ, 1, kFineIndices);
    double x = 0;
    double arc = 0;
    pass.xFt[1] = 0;
    int i = 2;
    for (int zone = 0; zone < pass.zoneCount; ++zone) {
        const double lam = pass.zones[zone].lambda;
        for (; i <= pass.zones[zone].last; ++i) {
            const int j0 = 2 * i - 3;
            x += (cosOverQ[j0] + 4 * cosOverQ[j0 + 1] + cosOverQ[j0 + 2]) * lam * kSimpsonFactor;
            arc += (inverse[j0] + 4 * inverse[j0 + 1] + inverse[j0 + 2]) * lam * kSimpsonFactor;
            pass.xFt[i] = x;
        }
    }
    // The crest lies on the symmetry axis, half the base width inward of the
    // contact edge.
    const double baseWidth = -2 * pass.xFt[kPoints];
    pass.circumferenceFt = 2 * (arc + baseWidth / 2);
    pass.maxHeightFt = pass.yFt[kPoints];
    pass.crestPressurePsi = pass.zones[pass.zoneCount - 1].topPressurePsf / kPsfPerPsi;
    if (!std::isfinite(pass.circumferenceFt) || !std::isfinite(pass.maxHeightFt)
        || !std::isfinite(pass.crestPressurePsi))
        return PassResult::Failed;
    return PassResult::Complete;
}

} // namespace

void allowWideVectors(bool allowed)
{
    g_wideVectorsAllowed = allowed;
}

PassResult runPass(const SolverProblem &problem, double tensionLbPerIn, double q0, Pass &pass)
{
    const AngleTables &t = angleTables();
    const bool wide = hasWideVectors() && g_wideVectorsAllowed.load(std::memory_order_relaxed);
    pass.tensionLbPerIn = tensionLbPerIn;
    if (!setUpZones(problem.zones, kInchesPerFoot * tensionLbPerIn, pass))
        return PassResult::Failed;

    ZoneCursor cursor;
    for (int k = 0; k < 2; ++k)
        cursor.interfaceHeightFt[k] = problem.zones.boundary[k];
    PressureZone &first = pass.zones[0];
    first.baseRatio = q0;
    first.referenceIndex = 1;
    first.baseHeightFt = 0;
    first.first = 1;
    first.basePressurePsf = q0 * first.pressureScalePsf;
    pass.q[1] = q0;
    pass.yFt[1] = 0;
    enterZone(cursor, first, t);

    const PassResult heights = integrateHeights(wide, t, cursor, pass);
    if (heights != PassResult::Complete)
        return heights;
    return integrateWidths(wide, t, pass);
}

void writeResults(const SolverProblem &problem, const Pass &pass, SolverOutput &out)
{
    const AngleTables &t = angleTables();
    const double halfBase = -pass.xFt[kPoints];
    double x[kPoints + 1];
    for (int i = 1; i <= kPoints; ++i)
        x[i] = pass.xFt[i] + halfBase;
    for (int i = 1; i <= kPoints; ++i) {
        out.profileXFt[i - 1] = x[i];
        out.profileYFt[i - 1] = pass.yFt[i];
    }
    out.zones = pass.zoneCount;
    out.workingTensionLbPerIn = pass.tensionLbPerIn;
    out.baseWidthFt = 2 * halfBase;
    out.computedCircumferenceFt = pass.circumferenceFt;
    out.maxWidthFt = 2 * x[181];
    out.heightAtMaxWidthFt = pass.yFt[181];
    out.maxHeightFt = pass.yFt[kPoints];
    out.crestPressurePsi = pass.crestPressurePsi;

    // Area under each zone's piece of membrane in closed form:
    // F = -integral of y dx along growing theta.
    double f[3] {};
    double halfArea = 0;
    for (int k = 0; k < pass.zoneCount; ++k) {
        const PressureZone &z = pass.zones[k];
        const double sinLast = t.sinTheta[2 * z.last - 1];
        const double sinFirst = t.sinTheta[2 * z.first - 1];
        f[k] = (sinLast - sinFirst) * z.radiusSquared
            - (x[z.last] - x[z.first]) * (z.lambda * z.baseRatio + z.baseHeightFt);
        halfArea += f[k];
    }
    out.totalAreaFt2 = 2 * halfArea;
    const int nz = pass.zoneCount;
    const PressureZone *zones = pass.zones;
    double upper = 0;
    if (nz == 2 && problem.zones.slurryInterfaceFirst)
        upper = 2 * (f[1] - x[zones[1].first] * zones[1].baseHeightFt);
    else if (nz == 3 && problem.zones.slurryInterfaceFirst)
        upper = 2 * ((f[1] + f[2]) - x[zones[1].first] * zones[1].baseHeightFt);
    else if (nz == 3)
        upper = 2 * (f[2] - x[zones[2].first] * zones[2].baseHeightFt);
    out.areaUpperSlurryFt2 = upper;
    out.areaLowerSlurryFt2 = out.totalAreaFt2 - upper;

    // Resultant of the net pressure on a plane cross-section, strip by strip.
    double zoneTop[3] {};
    double top = 0;
    for (int k = 0; k < nz; ++k) {
        top += zones[k].thicknessFt;
        zoneTop[k] = top;
    }
    zoneTop[nz - 1] = pass.yFt[kPoints];
    double force = 0;
    for (int i = 1; i < kPoints; ++i) {
        int k = nz - 1;
        if (nz >= 2 && i < zones[0].last)
            k = 0;
        else if (nz == 3 && i < zones[1].last)
            k = 1;
        const double yMean = (pass.yFt[i] + pass.yFt[i + 1]) / 2;
        const double p = (zoneTop[k] - yMean) * zones[k].netUnitWeightPcf + zones[k].topPressurePsf;
        force += p * (x[i] + x[i + 1]) * (pass.yFt[i + 1] - pass.yFt[i]);
    }
    out.axialForceLb = force;
}

} // namespace vendrix

#include "post/consolidation.h"

#include "model/c_format.h"
#include "model/input_rules.h"
#include "model/units.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace vendrix {

namespace {

// Divisors of the water contents are kept away from zero (a NaN included).
double clampDivisor(double v)
{
    return v >= 0.00001 ? v : 0.00001;
}

} // namespace

ConsolidationRatios consolidationRatios(const TubeInput &input)
{
    const double gs = input.specificGravitySolids;
    const double a = 1.0 / input.transportUnitWeight;
    const double slurry = input.slurryUnitWeightLower;
    const double fill = input.consolidatedUnitWeight;
    ConsolidationRatios ratios;
    ratios.initialWaterContent = (gs - a * slurry) / clampDivisor((a * slurry - 1) * gs);
    ratios.finalWaterContent = (gs - a * fill) / clampDivisor((a * fill - 1) * gs);
    ratios.settlementRatio = gs * (ratios.initialWaterContent - ratios.finalWaterContent)
        / clampDivisor(gs * ratios.initialWaterContent + 1);
    return ratios;
}

std::optional<Failure> checkConsolidationData(const ProjectRecord &record,
                                              double specificGravitySolids,
                                              double shownConsolidatedUnitWeight)
{
    const bool english = isEnglish(record.display);
    const bool asian = record.display.asianPacific;
    const double factor = english ? kPcfPerKilonewtonPerCubicMetre : 1.0;
    const double slurry = record.input.slurryUnitWeightLower;
    // Written so that a NaN fails the rules.
    if (!(shownConsolidatedUnitWeight / factor >= slurry)) {
        const char *unit = english ? (asian ? " lb/ft^3)." : " lb/ft \xB3).")
                                   : (asian ? " kN/m^3)." : " kN/m \xB3).");
        return Failure {
            401,
            "Final saturated unit weight of slurry should not be smaller than\nthat of starting "
            "slurry unit weight ("
                + formatC("%.3f", slurry * factor) + unit + kPleaseCorrect,
            "consolidatedUnitWeight"};
    }
    if (!(specificGravitySolids >= 1.0))
        return Failure {402,
                        std::string("Specific gravity of solids, Gs, cannot be smaller than 1.0.")
                            + kPleaseCorrect,
                        "specificGravitySolids"};
    if (auto failure = checkNumberBounds(FieldId::ConsolidatedUnitWeight,
                                         shownConsolidatedUnitWeight, record.display))
        return failure;
    if (auto failure
        = checkNumberBounds(FieldId::SpecificGravitySolids, specificGravitySolids, record.display))
        return failure;
    // The unit weight of the medium divides the water contents.
    return checkTransportUnitWeight(record.input.transportUnitWeight);
}

std::optional<Failure> checkConsolidationResult(const ConsolidationResult &result)
{
    bool finite = std::isfinite(result.consolidatedArea) && std::isfinite(result.finalHeight);
    for (std::size_t i = 0; finite && i < result.shapeX.size(); ++i)
        finite = std::isfinite(result.shapeX[i]) && std::isfinite(result.shapeY[i]);
    if (finite)
        return std::nullopt;
    return Failure {0, kNoFiniteConsolidation, std::string()};
}

namespace {

constexpr int kLastPoint = kProfileArraySize - 1; // 361

// Every point of the top branch (from m, the widest point, on) settles by r
// times the thickness of fill beneath it; points above the flat base settle by
// r times their height.
void settleTopBranch(const ProfileArray &x, ProfileArray &y, int m, double r)
{
    double h = 0;
    for (int k = m; k <= kLastPoint; ++k) {
        for (int j = m; j >= 1; --j) {
            if (x[j] < x[k]) {
                h = y[k] - (y[j] + y[j + 1]) / 2;
                break;
            }
        }
        if (x[k] < x[1])
            h = y[k];
        y[k] -= r * h;
    }
}

// A settled top lower than its sides is flattened at the lowest level and the
// bottom beneath sags instead.
void flattenSunkenTop(const ProfileArray &x, ProfileArray &y, int m)
{
    int n = m;
    double yMin = 1.0e9;
    for (int k = kLastPoint; k >= m; --k) {
        if (y[k] < yMin) {
            yMin = y[k];
            n = k;
        }
    }
    if (n - 1 <= m)
        return;
    for (int t = n - 1; t >= m + 1; --t) {
        for (int i = 1; i <= m - 1; ++i) {
            if (!(x[i] > x[t]))
                continue;
            const double d = y[t] - y[n];
            y[t] = y[n];
            if (x[i] < x[t - 1])
                y[i] -= d;
            if (x[i + 1] <= x[t - 1])
                y[i + 1] -= d;
            else
                break;
        }
    }
}

} // namespace

void computeConsolidationOption1(ProjectRecord &record)
{
    const double r = consolidationRatios(record.input).settlementRatio;
    const TubeSolution &solution = record.solution;
    ConsolidationResult &result = record.consolidation;

    // Working profile with the origin in front of the as-filled points; m is
    // the widest point.
    ProfileArray x {};
    ProfileArray y {};
    int m = 0;
    double xMax = 0.0;
    double yMax = 0.0;
    for (int i = 1; i < kProfileArraySize; ++i) {
        x[i] = solution.profileX[i - 1];
        y[i] = solution.profileY[i - 1];
        if (x[i] > xMax) {
            xMax = x[i];
            m = i;
        }
        yMax = std::max(yMax, y[i]);
    }
    settleTopBranch(x, y, m, r);
    result.rawShapeX = x;
    result.rawShapeY = y;
    flattenSunkenTop(x, y, m);
    result.shapeX = x;
    result.shapeY = y;
    result.finalHeight = (1 - r) * yMax;
    result.consolidatedArea = (1 - r) * solution.totalArea;
}

void computeConsolidationOption2(ProjectRecord &record)
{
    const double r = consolidationRatios(record.input).settlementRatio;
    ConsolidationResult &result = record.consolidation;
    result.consolidatedArea = record.solution.totalArea * (1 - r);
    const double width = record.solution.maxWidth;
    result.finalHeight = result.consolidatedArea / (width >= 0.0001 ? width : 0.0001);
}

} // namespace vendrix

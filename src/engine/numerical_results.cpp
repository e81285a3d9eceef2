#include "engine/numerical_results.h"

#include "engine/reduction_factors.h"
#include "model/c_format.h"
#include "model/solved_layering.h"
#include "model/units.h"

#include <algorithm>

namespace vendrix {

namespace {

// Keeps the ratio finite for a failed run with zero width.
constexpr double kSmallestWidth = 0.0001;

using ResultLines = std::array<std::string, kNumericalResultsLines>;

// The display factors and unit texts (with their leading blank) of the lines.
struct ResultUnits
{
    UnitFactors f;
    double length = 1;
    double area = 1;
    std::string lengthUnit;
    std::string forceUnit;
    std::string pressureUnit;
    std::string areaUnit;
    std::string volumeUnit;
    std::string unitWeightUnit;
};

ResultUnits resultUnits(const DisplaySettings &display)
{
    const bool english = isEnglish(display);
    const UnitLabels labels = unitLabels(display);
    ResultUnits u;
    u.f = UnitFactors::forSettings(display.unitSystem);
    u.length = u.f.length;
    u.area = u.length * u.length;
    u.lengthUnit = english ? " [ft]" : " [m]";
    u.forceUnit = english ? " [lb/ft]" : " [kN/m]";
    u.pressureUnit = english ? " [psi]" : " [kPa]";
    u.areaUnit = std::string(" ") + labels.area;
    u.volumeUnit = std::string(" ") + labels.volumePerLength;
    u.unitWeightUnit = std::string(" ") + labels.unitWeight;
    return u;
}

// Lines 0 and 1: what the results were computed for.
void objectiveLines(const TubeInput &in, const TubeSolution &s, const ResultUnits &u,
                    ResultLines &lines)
{
    lines[0] = "Results correspond to a circumference of tube of "
        + formatResult(1, s.computedCircumference * u.length) + u.lengthUnit + " and";
    switch (in.analysisType) {
    case AnalysisType::GivenStrength:
        lines[1] = "ULTIMATE geosynthetic strength of "
            + formatResult(0, s.ultimateStrengthCircumferential * u.f.forcePerLength) + u.forceUnit
            + ".";
        break;
    case AnalysisType::GivenHeight:
        lines[1] = "maximum tube height of " + formatResult(1, s.maxHeight * u.length)
            + u.lengthUnit + ".";
        break;
    case AnalysisType::GivenPressure:
        lines[1] = "pumping pressure of " + formatResult(1, s.inletPressure * u.f.pumpingPressure)
            + u.pressureUnit + ".";
        break;
    }
}

// Lines 2 to 10: the forces in the fabric and the size of the tube.
void strengthAndSizeLines(const TubeInput &in, const TubeSolution &s, const ResultUnits &u,
                          ResultLines &lines)
{
    const ReductionFactorProducts rf = reductionFactorProducts(in);
    const double force = u.f.forcePerLength;
    lines[2] = "Tensial force at WORKING conditions = "
        + formatResult(0, s.ultimateStrengthCircumferential / rf.circumferential * force)
        + u.forceUnit;
    lines[3] = "Required ULTIMATE strength = "
        + formatResult(0, s.ultimateStrengthCircumferential * force) + u.forceUnit;
    lines[4] = "Tensial force at WORKING conditions = "
        + formatResult(0, s.ultimateStrengthAxial / rf.axial * force) + u.forceUnit;
    lines[5] = "Required ULTIMATE strength = " + formatResult(0, s.ultimateStrengthAxial * force)
        + u.forceUnit;
    lines[6]
        = "Maximum height of tube,  H = " + formatResult(1, s.maxHeight * u.length) + u.lengthUnit;
    lines[7]
        = "Maximum width of tube,  W = " + formatResult(1, s.maxWidth * u.length) + u.lengthUnit;
    lines[8] = "(max. width is at height " + formatResult(1, s.heightAtMaxWidth * u.length)
        + u.lengthUnit + " from base)";
    lines[9] = "Ratio    H / W  = "
        + formatResult(3, s.maxHeight / std::max(s.maxWidth, kSmallestWidth));
    lines[10] = "Width of base of tube resting on foundation soil = "
        + formatResult(1, s.baseWidth * u.length) + u.lengthUnit;
}

// Lines 11 to 14: the areas of the slurry layers and the inlet pressure.
void areaLines(const TubeInput &in, const TubeSolution &s, const ResultUnits &u, ResultLines &lines)
{
    const bool twoLayers = hasTwoSlurryLayers(in);
    if (simplifiedLayering(in.analysisType, s.method)) {
        lines[11] = "Cross-sectional area of slurry = " + formatResult(1, s.totalArea * u.area)
            + u.areaUnit;
    } else {
        lines[11] = std::string(twoLayers ? "Cross-sectional area of lower layer of slurry = "
                                          : "Cross-sectional area of layer of slurry = ")
            + formatResult(1, s.areaLowerSlurry * u.area) + u.areaUnit;
        if (twoLayers)
            lines[12] = "Cross-sectional area of upper layer of slurry = "
                + formatResult(1, s.areaUpperSlurry * u.area) + u.areaUnit;
        lines[13] = "Total storage capacity of tube per unit length = "
            + formatResult(1, s.totalArea * u.area) + u.volumeUnit;
    }
    lines[14] = "Net pumping pressure within tube at inlet = "
        + formatResult(1, s.inletPressure * u.f.pumpingPressure) + u.pressureUnit;
}

} // namespace

ResultLines numericalResultsLines(const ProjectRecord &record)
{
    const TubeInput &in = record.input;
    const TubeSolution &s = record.solution;
    const ResultUnits u = resultUnits(record.display);
    ResultLines lines;
    objectiveLines(in, s, u, lines);
    strengthAndSizeLines(in, s, u, lines);
    areaLines(in, s, u, lines);
    // Lines 15 to 17 only while a consolidated shape is shown.
    if (showsConsolidatedShape(record.state)) {
        lines[15] = "Unit weight of consolidated (saturated) fill = "
            + formatC("%.1f", in.consolidatedUnitWeight * u.f.unitWeight) + u.unitWeightUnit;
        lines[16] = "Consolidated cross-section area = "
            + formatResult(1, record.consolidation.consolidatedArea * u.area) + u.areaUnit;
        lines[17] = "Final height,  H = "
            + formatResult(1, record.consolidation.finalHeight * u.length) + u.lengthUnit;
    }
    return lines;
}

std::string solutionNoticeLine(const TubeSolution &solution)
{
    std::string line;
    if (solution.method == SolutionMethod::Exact)
        line = "Solution method: exact.";
    if (solution.convergenceWarning) {
        const char *cause = accuracyLimitText(solution.accuracyLimit);
        line += std::string(line.empty() ? "" : "  ") + "NOT CONVERGED: " + cause
            + (*cause != '\0' ? "; " : "") + "the results may not correspond to input data.";
    }
    return line;
}

const char *accuracyLimitText(AccuracyLimit limit)
{
    switch (limit) {
    case AccuracyLimit::NearlyRound:
        return "too close to a round tube";
    case AccuracyLimit::TooFlat:
        return "too flat";
    case AccuracyLimit::None:
        break;
    }
    return "";
}

} // namespace vendrix

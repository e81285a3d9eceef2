#include "engine/numerical_results.h"

#include "engine/reduction_factors.h"
#include "model/c_format.h"
#include "model/units.h"

#include <algorithm>

namespace vendrix {

namespace {

// Keeps the ratio finite for a failed run with zero width.
constexpr double kSmallestWidth = 0.0001;

} // namespace

std::array<std::string, kNumericalResultsLines> numericalResultsLines(const ProjectRecord &record)
{
    const TubeInput &in = record.input;
    const TubeSolution &s = record.solution;
    const bool english = isEnglish(record.display);
    const UnitFactors f = UnitFactors::forSettings(record.display.unitSystem);
    const double length = f.length;
    const double area = length * length;

    const std::string lengthUnit = english ? " [ft]" : " [m]";
    const std::string forceUnit = english ? " [lb/ft]" : " [kN/m]";
    const std::string pressureUnit = english ? " [psi]" : " [kPa]";
    const UnitLabels labels = unitLabels(record.display);
    const std::string areaUnit = std::string(" ") + labels.area;
    const std::string volumeUnit = std::string(" ") + labels.volumePerLength;
    const std::string unitWeightUnit = std::string(" ") + labels.unitWeight;

    const ReductionFactorProducts rf = reductionFactorProducts(in);
    const bool givenPressure = in.analysisType == AnalysisType::GivenPressure;
    const bool twoLayers = hasTwoSlurryLayers(in);

    std::array<std::string, kNumericalResultsLines> lines;
    lines[0] = "Results correspond to a circumference of tube of "
        + formatResult(1, s.computedCircumference * length) + lengthUnit + " and";
    switch (in.analysisType) {
    case AnalysisType::GivenStrength:
        lines[1] = "ULTIMATE geosynthetic strength of "
            + formatResult(0, s.ultimateStrengthCircumferential * f.forcePerLength) + forceUnit
            + ".";
        break;
    case AnalysisType::GivenHeight:
        lines[1]
            = "maximum tube height of " + formatResult(1, s.maxHeight * length) + lengthUnit + ".";
        break;
    case AnalysisType::GivenPressure:
        lines[1] = "pumping pressure of " + formatResult(1, s.inletPressure * f.pumpingPressure)
            + pressureUnit + ".";
        break;
    }
    lines[2] = "Tensial force at WORKING conditions = "
        + formatResult(0, s.ultimateStrengthCircumferential / rf.circumferential * f.forcePerLength)
        + forceUnit;
    lines[3] = "Required ULTIMATE strength = "
        + formatResult(0, s.ultimateStrengthCircumferential * f.forcePerLength) + forceUnit;
    lines[4] = "Tensial force at WORKING conditions = "
        + formatResult(0, s.ultimateStrengthAxial / rf.axial * f.forcePerLength) + forceUnit;
    lines[5] = "Required ULTIMATE strength = "
        + formatResult(0, s.ultimateStrengthAxial * f.forcePerLength) + forceUnit;
    lines[6] = "Maximum height of tube,  H = " + formatResult(1, s.maxHeight * length) + lengthUnit;
    lines[7] = "Maximum width of tube,  W = " + formatResult(1, s.maxWidth * length) + lengthUnit;
    lines[8] = "(max. width is at height " + formatResult(1, s.heightAtMaxWidth * length)
        + lengthUnit + " from base)";
    lines[9] = "Ratio    H / W  = "
        + formatResult(3, s.maxHeight / std::max(s.maxWidth, kSmallestWidth));
    lines[10] = "Width of base of tube resting on foundation soil = "
        + formatResult(1, s.baseWidth * length) + lengthUnit;
    if (givenPressure) {
        lines[11]
            = "Cross-sectional area of slurry = " + formatResult(1, s.totalArea * area) + areaUnit;
    } else {
        lines[11] = std::string(twoLayers ? "Cross-sectional area of lower layer of slurry = "
                                          : "Cross-sectional area of layer of slurry = ")
            + formatResult(1, s.areaLowerSlurry * area) + areaUnit;
        if (twoLayers)
            lines[12] = "Cross-sectional area of upper layer of slurry = "
                + formatResult(1, s.areaUpperSlurry * area) + areaUnit;
        lines[13] = "Total storage capacity of tube per unit length = "
            + formatResult(1, s.totalArea * area) + volumeUnit;
    }
    lines[14] = "Net pumping pressure within tube at inlet = "
        + formatResult(1, s.inletPressure * f.pumpingPressure) + pressureUnit;
    if (record.state.shapeShown == Shape::Option1 || record.state.shapeShown == Shape::Option2) {
        lines[15] = "Unit weight of consolidated (saturated) fill = "
            + formatC("%.1f", in.consolidatedUnitWeight * f.unitWeight) + unitWeightUnit;
        lines[16] = "Consolidated cross-section area = "
            + formatResult(1, record.consolidation.consolidatedArea * area) + areaUnit;
        lines[17] = "Final height,  H = "
            + formatResult(1, record.consolidation.finalHeight * length) + lengthUnit;
    }
    return lines;
}

std::string solutionNoticeLine(const TubeSolution &solution)
{
    std::string line;
    if (solution.method == SolutionMethod::Exact)
        line = "Solution method: exact.";
    if (solution.convergenceWarning)
        line += std::string(line.empty() ? "" : "  ")
            + "NOT CONVERGED: the results may not correspond to input data.";
    return line;
}

} // namespace vendrix

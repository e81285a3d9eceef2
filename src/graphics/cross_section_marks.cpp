#include "graphics/cross_section_marks.h"

#include "model/c_format.h"
#include "model/units.h"

namespace vendrix {

std::array<CentreLineDash, kCentreLineDashes> centreLineDashes(const CentreLinePattern &pattern)
{
    std::array<CentreLineDash, kCentreLineDashes> dashes {};
    double from = pattern.start;
    for (std::size_t i = 0; i < kCentreLineDashes; ++i) {
        const double length = i % 2 == 0 ? pattern.longDash : pattern.shortDash;
        dashes[i] = {from, from + length};
        from += length + pattern.gap;
    }
    return dashes;
}

std::string valueText(const char *label, double value, const char *unit, int decimals)
{
    std::string line = label + formatResult(decimals, value);
    if (unit)
        line += std::string(" ") + unit;
    return line;
}

std::vector<ResultLine> crossSectionResultLines(const ProjectRecord &record, bool asFilled)
{
    const TubeSolution &s = record.solution;
    const TubeInput &in = record.input;
    const UnitFactors f = UnitFactors::forSettings(record.display.unitSystem);
    const UnitLabels u = unitLabels(record.display);
    if (asFilled)
        return {
            {"Circumference = ", s.computedCircumference * f.length, u.length, 1},
            {"Pumping pressure = ", s.inletPressure * f.pumpingPressure, u.pressure, 1},
            {"Cross-sectional area of tube = ", s.totalArea * f.area, u.area, 1},
            {"T-ult (circumferential) = ", s.ultimateStrengthCircumferential * f.forcePerLength,
             u.forcePerLength, 0},
            {"T-ult (axial) = ", s.ultimateStrengthAxial * f.forcePerLength, u.forcePerLength, 0}};
    return {{"Unit weight of slurry = ", in.slurryUnitWeightLower * f.unitWeight, u.unitWeight, 1},
            {"Unit weight of consolidated (saturated) fill = ",
             in.consolidatedUnitWeight * f.unitWeight, u.unitWeight, 1},
            {"Initial cross-sectional area of tube = ", s.totalArea * f.area, u.area, 1},
            {"Consolidated cross-sectional area of tube = ",
             record.consolidation.consolidatedArea * f.area, u.area, 1}};
}

} // namespace vendrix

#include "engine/solution_check.h"

#include <cmath>

namespace vendrix {

std::optional<Failure> checkSolutionResult(const TubeSolution &s)
{
    bool finite = true;
    for (const double value :
         {s.computedCircumference, s.inletPressure, s.totalArea, s.ultimateStrengthCircumferential,
          s.ultimateStrengthAxial, s.maxHeight, s.maxWidth, s.heightAtMaxWidth, s.baseWidth,
          s.areaLowerSlurry, s.areaUpperSlurry})
        finite = finite && std::isfinite(value);
    for (std::size_t i = 0; finite && i < s.profileX.size(); ++i)
        finite = std::isfinite(s.profileX[i]) && std::isfinite(s.profileY[i]);
    if (finite)
        return std::nullopt;
    return Failure {0, kNoFiniteSolution, std::string()};
}

} // namespace vendrix

#pragma once
// The values of the record's choices that tests go through one by one.

#include "model/project_record.h"

#include <optional>
#include <string>

namespace vendrix::test {

inline constexpr AnalysisType kEveryObjective[]
    = {AnalysisType::GivenStrength, AnalysisType::GivenHeight, AnalysisType::GivenPressure};

// No shape shown, then each shape the results window can show.
inline constexpr std::optional<Shape> kEveryShownShape[]
    = {std::nullopt, Shape::AsFilled, Shape::Option1, Shape::Option2};

inline std::string traceName(std::optional<Shape> shape)
{
    return shape ? "shape " + std::to_string(static_cast<int>(*shape)) : "no shape";
}

// The outline of a solved cross-section, in metres.
struct SectionOutline
{
    double maxHeight;
    double maxWidth;
    double heightAtMaxWidth;
    double baseWidth;
};

inline void setOutline(TubeSolution &solution, SectionOutline outline)
{
    solution.maxHeight = outline.maxHeight;
    solution.maxWidth = outline.maxWidth;
    solution.heightAtMaxWidth = outline.heightAtMaxWidth;
    solution.baseWidth = outline.baseWidth;
}

// How units and exponents are written on screen and in texts.
struct UnitStyle
{
    UnitSystem units;
    bool asianPacific;
};

inline void applyStyle(ProjectRecord &record, UnitStyle style)
{
    record.display.unitSystem = style.units;
    record.display.asianPacific = style.asianPacific;
}

inline std::string traceName(UnitStyle style)
{
    return std::string(style.units == UnitSystem::English ? "English" : "SI")
        + (style.asianPacific ? " ^" : "");
}

} // namespace vendrix::test

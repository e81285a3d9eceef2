#pragma once
// The fixed tube outline of the input sketch, in schematic units (horizontal
// offset from the tube axis, height above the base). It is a picture of a
// typical filled tube, not a computed shape.

#include <array>
#include <cstddef>

namespace vendrix {

struct SketchPoint
{
    double a = 0; // offset from the axis, right positive
    double b = 0; // height above the base
};

inline constexpr std::size_t kSketchOutlinePoints = 725;
// Points kUpperLayerFirst..kUpperLayerLast (closed by a straight line between
// their ends) outline the upper slurry layer.
inline constexpr std::size_t kUpperLayerFirst = 210;
inline constexpr std::size_t kUpperLayerLast = 513;

// Point 0 is the right end of the base contact; the points run up the right
// side, over the crest (358 and 359 on the axis), down the left side to the left
// end of the base contact (719), and 720 to 724 sit at the base centre.
const std::array<SketchPoint, kSketchOutlinePoints> &sketchOutline();

} // namespace vendrix

#pragma once
// The outline of the shape that the cross-section shows, as the exports write it.

#include "model/project_record.h"

#include <vector>

namespace vendrix {

struct OutlinePoint
{
    double x = 0; // m, from the centre line
    double y = 0; // m, above the foundation
};

// The shape of record.state.shapeShown in metres: as filled and Option 1 the
// right half from the base to the crest, then the left half back down (722
// points, the crest twice); Option 2 the four corners of its rectangle.
std::vector<OutlinePoint> shownOutline(const ProjectRecord &record);

// The tube as filled in the same order, whatever shape is shown.
std::vector<OutlinePoint> asFilledOutline(const ProjectRecord &record);

} // namespace vendrix

#include "report/shape_outline.h"

namespace vendrix {

namespace {

// Points 0 to 360 of the right half, then 360 down to 0 mirrored.
std::vector<OutlinePoint> bothHalves(const ProfileArray &x, const ProfileArray &y)
{
    constexpr size_t count = kProfilePoints;
    std::vector<OutlinePoint> points;
    points.reserve(2 * count);
    for (size_t i = 0; i < count; ++i)
        points.push_back({x[i], y[i]});
    for (size_t i = count; i-- > 0;)
        points.push_back({-x[i], y[i]});
    return points;
}

} // namespace

std::vector<OutlinePoint> shownOutline(const ProjectRecord &record)
{
    switch (record.state.shapeShown.value_or(Shape::AsFilled)) {
    case Shape::Option1:
        return bothHalves(record.consolidation.shapeX, record.consolidation.shapeY);
    case Shape::Option2: {
        const double halfWidth = record.solution.maxWidth / 2;
        const double height = record.consolidation.finalHeight;
        return {{halfWidth, 0}, {halfWidth, height}, {-halfWidth, height}, {-halfWidth, 0}};
    }
    case Shape::AsFilled:
        break;
    }
    return asFilledOutline(record);
}

std::vector<OutlinePoint> asFilledOutline(const ProjectRecord &record)
{
    return bothHalves(record.solution.profileX, record.solution.profileY);
}

} // namespace vendrix

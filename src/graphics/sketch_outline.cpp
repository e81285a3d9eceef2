#include "graphics/sketch_outline.h"

#include <cmath>
#include <vector>

namespace vendrix {

namespace {

// The crest: the right side ends on the axis at point 358, the left side starts
// there at point 359, two thousandths higher.
constexpr std::size_t kCrestRight = 358;
constexpr std::size_t kCrestLeft = 359;
constexpr std::size_t kLeftContact = 719;

// Knots of the outline from the right base contact over the crest to the left
// one. Those with an index are fixed points of the table; the points between
// two fixed points are spread evenly along the curve.
struct Knot
{
    SketchPoint point;
    long index = -1;
};

const Knot kKnots[] = {
    {{10.775, 0.0}, 0},
    {{14.3, 0.55}},
    {{16.75, 2.0}},
    {{17.95, 4.3}},
    {{18.40, 7.4}},
    {{18.035, 10.836}, kUpperLayerFirst},
    {{16.4, 14.1}},
    {{13.2, 16.9}},
    {{8.2, 18.95}},
    {{0.0, 19.845}, kCrestRight},
    {{-8.2, 18.95}},
    {{-13.4, 16.7}},
    {{-16.6, 13.8}},
    {{-18.160, 10.516}, kUpperLayerLast},
    {{-18.37, 7.4}},
    {{-17.9, 4.2}},
    {{-16.6, 1.9}},
    {{-14.2, 0.5}},
    {{-10.712, 0.0}, kLeftContact},
};

double distance(SketchPoint p, SketchPoint q)
{
    return std::hypot(p.a - q.a, p.b - q.b);
}

SketchPoint lerp(SketchPoint p, SketchPoint q, double tp, double tq, double t)
{
    const double wp = (tq - t) / (tq - tp);
    const double wq = (t - tp) / (tq - tp);
    return {wp * p.a + wq * q.a, wp * p.b + wq * q.b};
}

// Centripetal Catmull-Rom between p1 and p2: smooth, without loops or cusps.
void appendSpan(SketchPoint p0, SketchPoint p1, SketchPoint p2, SketchPoint p3, int samples,
                std::vector<SketchPoint> &out)
{
    const double t0 = 0;
    const double t1 = t0 + std::sqrt(distance(p0, p1));
    const double t2 = t1 + std::sqrt(distance(p1, p2));
    const double t3 = t2 + std::sqrt(distance(p2, p3));
    for (int k = 0; k < samples; ++k) {
        const double t = t1 + (t2 - t1) * k / samples;
        const SketchPoint a1 = lerp(p0, p1, t0, t1, t);
        const SketchPoint a2 = lerp(p1, p2, t1, t2, t);
        const SketchPoint a3 = lerp(p2, p3, t2, t3, t);
        const SketchPoint b1 = lerp(a1, a2, t0, t2, t);
        const SketchPoint b2 = lerp(a2, a3, t1, t3, t);
        out.push_back(lerp(b1, b2, t1, t2, t));
    }
}

std::array<SketchPoint, kSketchOutlinePoints> buildOutline()
{
    constexpr std::size_t knotCount = std::size(kKnots);
    constexpr int samplesPerSpan = 400;
    // Phantom end knots make the outline leave the base horizontally.
    std::vector<SketchPoint> knots;
    knots.push_back({2 * kKnots[0].point.a - kKnots[1].point.a, kKnots[1].point.b});
    for (const Knot &knot : kKnots)
        knots.push_back(knot.point);
    knots.push_back({2 * kKnots[knotCount - 1].point.a - kKnots[knotCount - 2].point.a,
                     kKnots[knotCount - 2].point.b});

    // A dense curve; knot k of kKnots is dense[k * samplesPerSpan].
    std::vector<SketchPoint> dense;
    for (std::size_t i = 1; i + 2 < knots.size(); ++i)
        appendSpan(knots[i - 1], knots[i], knots[i + 1], knots[i + 2], samplesPerSpan, dense);
    dense.push_back(kKnots[knotCount - 1].point);

    std::array<SketchPoint, kSketchOutlinePoints> table {};
    std::size_t previousKnot = 0;
    for (std::size_t k = 1; k < knotCount; ++k) {
        if (kKnots[k].index < 0)
            continue;
        // Spread the table points between two fixed knots at equal arc length.
        const std::size_t from = previousKnot * samplesPerSpan;
        const std::size_t to = k * samplesPerSpan;
        std::vector<double> length {0.0};
        for (std::size_t d = from + 1; d <= to; ++d)
            length.push_back(length.back() + distance(dense[d - 1], dense[d]));
        auto first = static_cast<std::size_t>(kKnots[previousKnot].index);
        if (first == kCrestRight)
            first = kCrestLeft;
        const auto last = static_cast<std::size_t>(kKnots[k].index);
        std::size_t d = 0;
        for (std::size_t i = first; i <= last; ++i) {
            const double target = length.back() * double(i - first) / double(last - first);
            while (d + 1 < length.size() - 1 && length[d + 1] < target)
                ++d;
            const double span = length[d + 1] - length[d];
            const double t = span > 0 ? (target - length[d]) / span : 0.0;
            const SketchPoint p = dense[from + d];
            const SketchPoint q = dense[from + d + 1];
            table[i] = {p.a + t * (q.a - p.a), p.b + t * (q.b - p.b)};
        }
        previousKnot = k;
    }
    table[kCrestRight] = {0.0, 19.845};
    table[kCrestLeft] = {0.0, 19.847};
    for (std::size_t i = kLeftContact + 1; i < kSketchOutlinePoints; ++i)
        table[i] = {0.0, 0.0};
    return table;
}

} // namespace

const std::array<SketchPoint, kSketchOutlinePoints> &sketchOutline()
{
    static const std::array<SketchPoint, kSketchOutlinePoints> table = buildOutline();
    return table;
}

} // namespace vendrix

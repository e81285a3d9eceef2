#include "graphics/input_sketch_drawing.h"

#include "graphics/picture_painting.h"
#include "model/c_format.h"
#include "model/solved_layering.h"
#include "model/units.h"

#include <QPainter>
#include <QPolygonF>

#include <cmath>
#include <vector>

namespace vendrix {

namespace {

const QColor &kRust = pictureColours::rust;
const QColor &kSkyBlue = pictureColours::skyBlue;
const QColor &kTubeOutline = pictureColours::titleYellow;
const QColor &kAmber = pictureColours::amber;
const QColor &kPaleYellow = pictureColours::paleYellow;
const QColor &kPaleBlue = pictureColours::paleBlue;

// Knots of the outline from the right edge of the base contact over the crest
// to the left one. Knots with an index are fixed points of the table; the
// points between two fixed points are spread evenly along the curve.
struct Knot
{
    QPointF point;
    int index = -1;
};

const Knot kKnots[] = {
    {{10.775, 0.0}, 0},    {{14.3, 0.55}},
    {{16.75, 2.0}},        {{17.95, 4.3}},
    {{18.40, 7.4}},        {{18.035, 10.836}, kSchematicUpperFirst},
    {{16.4, 14.1}},        {{13.2, 16.9}},
    {{8.2, 18.95}},        {{0.0, 19.845}, 358},
    {{-8.2, 18.95}},       {{-13.4, 16.7}},
    {{-16.6, 13.8}},       {{-18.160, 10.516}, kSchematicUpperLast},
    {{-18.37, 7.4}},       {{-17.9, 4.2}},
    {{-16.6, 1.9}},        {{-14.2, 0.5}},
    {{-10.712, 0.0}, 719},
};

QPointF between(const QPointF &p, const QPointF &q, double tp, double tq, double t)
{
    return ((tq - t) * p + (t - tp) * q) / (tq - tp);
}

// The centripetal Catmull-Rom curve from p1 to p2 (neighbours p0 and p3), which
// never forms loops or cusps however unevenly the knots are spaced.
void appendSpan(const QPointF &p0, const QPointF &p1, const QPointF &p2, const QPointF &p3,
                int samples, std::vector<QPointF> &out)
{
    auto next = [](double t, const QPointF &a, const QPointF &b) {
        return t + std::sqrt(std::hypot(b.x() - a.x(), b.y() - a.y()));
    };
    const double t0 = 0, t1 = next(t0, p0, p1), t2 = next(t1, p1, p2), t3 = next(t2, p2, p3);
    for (int k = 0; k < samples; ++k) {
        const double t = t1 + (t2 - t1) * k / samples;
        const QPointF a1 = between(p0, p1, t0, t1, t), a2 = between(p1, p2, t1, t2, t),
                      a3 = between(p2, p3, t2, t3, t);
        out.push_back(between(between(a1, a2, t0, t2, t), between(a2, a3, t1, t3, t), t1, t2, t));
    }
}

std::array<QPointF, kSchematicPoints> buildOutline()
{
    constexpr int knotCount = static_cast<int>(std::size(kKnots));
    constexpr int samplesPerSpan = 400;
    // Phantom end knots make the outline leave the base horizontally.
    std::vector<QPointF> knots;
    knots.emplace_back(2 * kKnots[0].point.x() - kKnots[1].point.x(), kKnots[1].point.y());
    for (const Knot &knot : kKnots)
        knots.push_back(knot.point);
    const QPointF &last = kKnots[knotCount - 1].point, &beforeLast = kKnots[knotCount - 2].point;
    knots.emplace_back(2 * last.x() - beforeLast.x(), beforeLast.y());

    // A dense curve on which knot k lies at dense[k * samplesPerSpan].
    std::vector<QPointF> dense;
    for (size_t i = 1; i + 2 < knots.size(); ++i)
        appendSpan(knots[i - 1], knots[i], knots[i + 1], knots[i + 2], samplesPerSpan, dense);
    dense.push_back(last);

    std::array<QPointF, kSchematicPoints> points {};
    int previous = 0;
    for (int k = 1; k < knotCount; ++k) {
        if (kKnots[k].index < 0)
            continue;
        // The table points from one fixed knot to the next, at equal arc length.
        const size_t from = static_cast<size_t>(previous * samplesPerSpan);
        const size_t to = static_cast<size_t>(k * samplesPerSpan);
        std::vector<double> length {0.0};
        for (size_t d = from + 1; d <= to; ++d) {
            const QPointF step = dense[d] - dense[d - 1];
            length.push_back(length.back() + std::hypot(step.x(), step.y()));
        }
        // The left side starts at point 359, right beside the crest point 358.
        const int first = kKnots[previous].index == 358 ? 359 : kKnots[previous].index;
        const int end = kKnots[k].index;
        size_t d = 0;
        for (int i = first; i <= end; ++i) {
            const double wanted = length.back() * double(i - first) / double(end - first);
            while (d + 2 < length.size() && length[d + 1] < wanted)
                ++d;
            const double span = length[d + 1] - length[d];
            const double t = span > 0 ? (wanted - length[d]) / span : 0.0;
            points[static_cast<size_t>(i)]
                = dense[from + d] + t * (dense[from + d + 1] - dense[from + d]);
        }
        previous = k;
    }
    points[358] = QPointF(0, 19.845);
    points[359] = QPointF(0, 19.847);
    for (int i = 720; i < kSchematicPoints; ++i)
        points[static_cast<size_t>(i)] = QPointF(0, 0);
    return points;
}

} // namespace

const std::array<QPointF, kSchematicPoints> &schematicOutline()
{
    static const std::array<QPointF, kSchematicPoints> outline = buildOutline();
    return outline;
}

SketchContent sketchContent(const TubeInput &in, SolutionMethod method, double pictureHeight)
{
    const double u = 0.03 * pictureHeight;
    const double fluidDepth = u * in.fluidHeightLower;
    const double slurryDepth = u * in.slurryHeightLower;
    const bool twoSlurries = std::fabs(in.slurryUnitWeightLower - in.slurryUnitWeightUpper) > 0.01;
    const double fluidDifference = std::fabs(in.fluidUnitWeightLower - in.fluidUnitWeightUpper);
    const bool oneSlurry = simplifiedLayering(in.analysisType, method);
    SketchContent c;
    c.fluidDrawn = fluidDepth > 0.001 || oneSlurry;
    c.fluidToTop = oneSlurry || fluidDifference < 0.01;
    c.lowerSlurry = slurryDepth > 0.001;
    c.upperLayer = !oneSlurry && slurryDepth > 0.001 && twoSlurries;
    c.heightOutside = !oneSlurry && fluidDepth > 0.001 && fluidDifference > 0.01;
    c.heightInside = c.upperLayer;
    return c;
}

namespace {

// Where the sketch lies in the picture: the schematic unit u and the base of
// the tube's axis.
struct SketchFrame
{
    double width, height, u, centreX, baseY;

    QPointF point(const QPointF &schematic) const
    {
        return {std::trunc(centreX + u * schematic.x()), std::trunc(baseY - u * schematic.y())};
    }
};

void drawGround(QPainter &p, const SketchFrame &f)
{
    p.fillRect(QRectF(0, 0, f.width, f.height), kPaleBlue);
    p.setPen(QPen(kRust, 1));
    p.setBrush(kRust);
    p.drawRect(QRectF(QPointF(0, f.baseY + 1), QPointF(f.width, f.height)));
    p.setFont(pictureFont(kPictureSmallFontPixels));
    drawCentredLabel(p, f.centreX, 0.9 * f.height,
                     QStringLiteral("Drawing is NOT to scale, just an approximate display"),
                     Qt::white, kRust);
}

// The outside fluid; returns its top.
double drawFluid(QPainter &p, const SketchFrame &f, const TubeInput &in,
                 const SketchContent &content)
{
    const double fluidDepth = f.u * in.fluidHeightLower;
    const double slurryDepth = f.u * in.slurryHeightLower;
    const double fluidTop
        = content.fluidToTop ? 0 : f.baseY - (fluidDepth > slurryDepth ? 0.45 : 0.25) * f.height;
    if (content.fluidDrawn) {
        p.setPen(QPen(kSkyBlue, 1));
        p.setBrush(kSkyBlue);
        p.drawRect(QRectF(QPointF(0, std::trunc(fluidTop)), QPointF(f.width, f.baseY)));
    }
    return fluidTop;
}

void drawSchematicTube(QPainter &p, const SketchFrame &f, const SketchContent &content)
{
    const auto &outline = schematicOutline();
    QPolygonF tube;
    for (const QPointF &schematic : outline)
        tube << f.point(schematic);
    // The schematic tube is smoothed; everything else keeps whole-pixel edges.
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(kTubeOutline, 1));
    p.setBrush(content.lowerSlurry ? kAmber : kPaleYellow);
    p.drawPolygon(tube);
    if (content.upperLayer) {
        QPolygonF upper;
        for (int i = kSchematicUpperFirst; i <= kSchematicUpperLast; ++i)
            upper << f.point(outline[static_cast<size_t>(i)]);
        p.setBrush(kPaleYellow);
        p.drawPolygon(upper);
    }
    p.setRenderHint(QPainter::Antialiasing, false);
}

// A vertical dimension at x between the levels top and the base, arrows
// pointing at both levels from outside, and its label 50 pixels above the base.
void drawHeight(QPainter &p, const SketchFrame &f, double x, double top, const std::string &label,
                const QColor &back)
{
    const double baseY = f.baseY;
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(QPointF(std::trunc(x), std::trunc(top - 20)),
               QPointF(std::trunc(x), std::trunc(baseY + 20)));
    p.drawLine(QPointF(std::trunc(x - 10), std::trunc(top)),
               QPointF(std::trunc(x + 10), std::trunc(top)));
    p.drawLine(QPointF(std::trunc(x - 10), std::trunc(baseY)),
               QPointF(std::trunc(x + 10), std::trunc(baseY)));
    drawArrowhead(p, x, top, 0, -1);
    drawArrowhead(p, x, baseY, 0, 1);
    drawCentredLabel(p, x, baseY - 50, QString::fromLatin1(label.c_str()), Qt::black, back);
}

} // namespace

// The image naming the requested type of analysis, 207 by 25 pixels.
void drawAnalysisTypeImage(QPainter &p, double x, double y, AnalysisType analysisType)
{
    static const char *const letters[] = {"A", "B", "C"};
    const int type = std::clamp(static_cast<int>(analysisType), 0, 2);
    const QRectF box(x, y, 207, 25);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(pictureColours::typeImageTan);
    p.drawRect(box.adjusted(0.5, 0.5, -0.5, -0.5));
    QFont font = pictureFont(13);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(box.adjusted(8, 0, -34, 0), Qt::AlignVCenter | Qt::AlignLeft,
               QStringLiteral("Requested type of analysis"));
    font.setBold(true);
    font.setPixelSize(17);
    p.setFont(font);
    p.setPen(kRust);
    p.drawText(box.adjusted(0, 0, -10, 0), Qt::AlignVCenter | Qt::AlignRight,
               QString::fromLatin1(letters[type]));
}

void drawInputSketch(QPainter &painter, const QRectF &target, const ProjectRecord &record,
                     SolutionMethod method, bool withTypeImage)
{
    const QSizeF size = beginPicture(painter, target);
    const double W = size.width(), H = size.height();
    const TubeInput &in = record.input;
    const SketchFrame frame {W, H, 0.03 * H, 0.6 * W, 0.8 * H};
    const SketchContent content = sketchContent(in, method, H);
    const double lengthFactor = UnitFactors::forSettings(record.display.unitSystem).length;
    const char *unit = isEnglish(record.display) ? "  [ft]" : "  [m]";

    drawGround(painter, frame);
    const double fluidTop = drawFluid(painter, frame, in, content);
    drawSchematicTube(painter, frame, content);
    if (content.heightOutside)
        drawHeight(painter, frame, 0.13 * W, fluidTop,
                   "H-out = " + formatC("%.2f", in.fluidHeightLower * lengthFactor) + unit,
                   kSkyBlue);
    if (content.heightInside)
        drawHeight(painter, frame, 0.5 * W, frame.baseY - 0.318 * H,
                   "H-in = " + formatC("%.2f", in.slurryHeightLower * lengthFactor) + unit, kAmber);
    if (withTypeImage)
        drawAnalysisTypeImage(painter, 8, 8, in.analysisType);
    painter.restore();
}

} // namespace vendrix

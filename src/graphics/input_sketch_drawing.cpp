#include "graphics/input_sketch_drawing.h"

#include "graphics/picture_painting.h"
#include "model/c_format.h"
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

// A point of the Catmull-Rom curve through p1 and p2 (neighbours p0, p3).
QPointF catmullRom(const QPointF &p0, const QPointF &p1, const QPointF &p2, const QPointF &p3,
                   double t)
{
    const double t2 = t * t, t3 = t2 * t;
    return 0.5
        * ((2 * p1) + (-p0 + p2) * t + (2 * p0 - 5 * p1 + 4 * p2 - p3) * t2
           + (-p0 + 3 * p1 - 3 * p2 + p3) * t3);
}

// Points first..last (inclusive) of a smooth curve through `anchors`, the first
// and last anchors landing exactly on the first and last points.
void sampleCurve(const std::vector<QPointF> &anchors, int first, int last,
                 std::array<QPointF, kSchematicPoints> &points)
{
    const int segments = static_cast<int>(anchors.size()) - 1;
    for (int i = first; i <= last; ++i) {
        const double u = segments * double(i - first) / double(last - first);
        const int k = std::min(static_cast<int>(u), segments - 1);
        const double t = u - k;
        const QPointF &p1 = anchors[static_cast<size_t>(k)];
        const QPointF &p2 = anchors[static_cast<size_t>(k + 1)];
        const QPointF p0 = k > 0 ? anchors[static_cast<size_t>(k - 1)] : 2 * p1 - p2;
        const QPointF p3 = k + 2 <= segments ? anchors[static_cast<size_t>(k + 2)] : 2 * p2 - p1;
        points[static_cast<size_t>(i)] = catmullRom(p0, p1, p2, p3, t);
    }
}

std::array<QPointF, kSchematicPoints> buildOutline()
{
    std::array<QPointF, kSchematicPoints> points {};
    // Right side: from the edge of the base contact up to the widest place near
    // mid-height, the upper-layer corner (point 210), then over to the crest.
    sampleCurve({{10.775, 0}, {15.6, 1.9}, {17.85, 4.9}, {18.40, 8.4}, {18.035, 10.836}}, 0,
                kSchematicUpperFirst, points);
    sampleCurve({{18.035, 10.836}, {16.55, 14.4}, {12.6, 17.75}, {6.6, 19.42}, {0, 19.845}},
                kSchematicUpperFirst, 358, points);
    // Left side: from the crest down past the upper-layer corner (point 513) to
    // the other edge of the base contact.
    sampleCurve({{0, 19.847}, {-6.6, 19.42}, {-12.7, 17.7}, {-16.75, 14.1}, {-18.160, 10.516}}, 359,
                kSchematicUpperLast, points);
    sampleCurve({{-18.160, 10.516}, {-18.40, 8.2}, {-17.8, 4.8}, {-15.5, 1.85}, {-10.712, 0}},
                kSchematicUpperLast, 719, points);
    for (int i = 720; i < kSchematicPoints; ++i)
        points[static_cast<size_t>(i)] = QPointF(0, 0);
    return points;
}

// The image naming the requested type of analysis, 207 by 25 pixels.
void drawAnalysisTypeImage(QPainter &p, double x, double y, int analysisType)
{
    static const char *const letters[] = {"A", "B", "C"};
    const int type = std::clamp(analysisType, 0, 2);
    const QRectF box(x, y, 207, 25);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(223, 201, 159));
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

} // namespace

const std::array<QPointF, kSchematicPoints> &schematicOutline()
{
    static const std::array<QPointF, kSchematicPoints> outline = buildOutline();
    return outline;
}

SketchContent sketchContent(const TubeInput &in, double pictureHeight)
{
    const double u = 0.03 * pictureHeight;
    const double fluidDepth = u * in.fluidHeightLower;
    const double slurryDepth = u * in.slurryHeightLower;
    const bool twoSlurries = std::fabs(in.slurryUnitWeightLower - in.slurryUnitWeightUpper) > 0.01;
    const double fluidDifference = std::fabs(in.fluidUnitWeightLower - in.fluidUnitWeightUpper);
    const bool typeC = in.analysisType == AnalysisType::GivenPressure;
    SketchContent c;
    c.fluidDrawn = fluidDepth > 0.001 || typeC;
    c.fluidToTop = typeC || fluidDifference < 0.01;
    c.lowerSlurry = slurryDepth > 0.001;
    c.upperLayer = !typeC && slurryDepth > 0.001 && twoSlurries;
    c.heightOutside = !typeC && fluidDepth > 0.001 && fluidDifference > 0.01;
    c.heightInside = c.upperLayer;
    return c;
}

void drawInputSketch(QPainter &painter, const QRectF &target, const ProjectRecord &record)
{
    const QSizeF size = beginPicture(painter, target);
    const double W = size.width(), H = size.height();
    const TubeInput &in = record.input;
    const double u = 0.03 * H, centreX = 0.6 * W, baseY = 0.8 * H;
    const SketchContent content = sketchContent(in, H);
    const double lengthFactor = UnitFactors::forSettings(record.display.englishUnits != 0).length;
    const char *unit = record.display.englishUnits ? "  [ft]" : "  [m]";
    auto point = [&](const QPointF &schematic) {
        return QPointF(std::trunc(centreX + u * schematic.x()),
                       std::trunc(baseY - u * schematic.y()));
    };
    QPainter &p = painter;

    p.fillRect(QRectF(0, 0, W, H), kPaleBlue);
    p.setPen(QPen(kRust, 1));
    p.setBrush(kRust);
    p.drawRect(QRectF(QPointF(0, baseY + 1), QPointF(W, H)));
    p.setFont(pictureFont(kPictureSmallFontPixels));
    drawCentredLabel(p, centreX, 0.9 * H,
                     QStringLiteral("Drawing is NOT to scale, just an approximate display"),
                     Qt::white, kRust);

    const double fluidDepth = u * in.fluidHeightLower;
    const double slurryDepth = u * in.slurryHeightLower;
    const double fluidTop
        = content.fluidToTop ? 0 : baseY - (fluidDepth > slurryDepth ? 0.45 : 0.25) * H;
    if (content.fluidDrawn) {
        p.setPen(QPen(kSkyBlue, 1));
        p.setBrush(kSkyBlue);
        p.drawRect(QRectF(QPointF(0, std::trunc(fluidTop)), QPointF(W, baseY)));
    }

    const auto &outline = schematicOutline();
    QPolygonF tube;
    for (const QPointF &schematic : outline)
        tube << point(schematic);
    // The schematic tube is smoothed; everything else keeps whole-pixel edges.
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(kTubeOutline, 1));
    p.setBrush(content.lowerSlurry ? kAmber : kPaleYellow);
    p.drawPolygon(tube);
    if (content.upperLayer) {
        QPolygonF upper;
        for (int i = kSchematicUpperFirst; i <= kSchematicUpperLast; ++i)
            upper << point(outline[static_cast<size_t>(i)]);
        p.setBrush(kPaleYellow);
        p.drawPolygon(upper);
    }
    p.setRenderHint(QPainter::Antialiasing, false);

    // A vertical dimension at x between the levels top and bottom, arrows
    // pointing at both levels from outside, and its label 50 pixels above the base.
    auto dimension = [&](double x, double top, const QString &label, const QColor &back) {
        p.setPen(QPen(Qt::black, 1));
        p.drawLine(QPointF(std::trunc(x), std::trunc(top - 20)),
                   QPointF(std::trunc(x), std::trunc(baseY + 20)));
        p.drawLine(QPointF(std::trunc(x - 10), std::trunc(top)),
                   QPointF(std::trunc(x + 10), std::trunc(top)));
        p.drawLine(QPointF(std::trunc(x - 10), std::trunc(baseY)),
                   QPointF(std::trunc(x + 10), std::trunc(baseY)));
        drawArrowhead(p, x, top, 0, -1);
        drawArrowhead(p, x, baseY, 0, 1);
        drawCentredLabel(p, x, baseY - 50, label, Qt::black, back);
    };
    if (content.heightOutside)
        dimension(
            0.13 * W, fluidTop,
            QString::fromLatin1(
                ("H-out = " + formatC("%.2f", in.fluidHeightLower * lengthFactor) + unit).c_str()),
            kSkyBlue);
    if (content.heightInside)
        dimension(
            0.5 * W, baseY - 0.318 * H,
            QString::fromLatin1(
                ("H-in = " + formatC("%.2f", in.slurryHeightLower * lengthFactor) + unit).c_str()),
            kAmber);

    drawAnalysisTypeImage(p, 8, 8, static_cast<int>(in.analysisType));
    painter.restore();
}

} // namespace vendrix

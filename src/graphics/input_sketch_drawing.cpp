#include "graphics/input_sketch_drawing.h"

#include "graphics/analysis_type_image.h"
#include "graphics/qt_text.h"
#include "graphics/sketch_outline.h"
#include "model/c_format.h"
#include "model/units.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <string>

namespace vendrix {

namespace {

using namespace sketch_colours;

// Positions and sizes of one paint, all in the painter's coordinates. Shares of
// the width and height are taken of `area`, the part of the target with the
// proportions of the standard window.
struct SketchFrame
{
    QRectF area;
    double unit = 0; // pixels per schematic unit
    double pixel = 1; // one pixel of the standard-size window

    double x(double share) const { return area.left() + share * area.width(); }
    double y(double share) const { return area.top() + share * area.height(); }
    double baseY() const { return y(0.8); }
    QPointF at(const SketchPoint &p) const { return {x(0.6) + unit * p.a, baseY() - unit * p.b}; }
};

QFont sketchFont(const SketchFrame &frame)
{
    QFont font(QStringLiteral("Liberation Sans"));
    // 8 points on a 96 dpi screen at the standard window size.
    font.setPixelSize(std::max(1, qRound(10.67 * frame.pixel)));
    return font;
}

QPolygonF outlinePolygon(const SketchFrame &frame, std::size_t first, std::size_t last)
{
    const auto &outline = sketchOutline();
    QPolygonF polygon;
    polygon.reserve(int(last - first + 1));
    for (std::size_t i = first; i <= last; ++i)
        polygon << frame.at(outline[i]);
    return polygon;
}

// A vertical dimension line at `x` between the level `top` and the base line,
// with ticks at both levels and arrowheads pointing at them from outside.
void drawDimension(QPainter &painter, const SketchFrame &frame, double x, double top)
{
    const double p = frame.pixel;
    const double base = frame.baseY();
    painter.setPen(QPen(Qt::black, std::max(1.0, p), Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(x, top - 20 * p), QPointF(x, base + 20 * p));
    painter.drawLine(QPointF(x - 10 * p, top), QPointF(x + 10 * p, top));
    painter.drawLine(QPointF(x - 10 * p, base), QPointF(x + 10 * p, base));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    const QPointF down[] = {{x, top}, {x - 4 * p, top - 12 * p}, {x + 4 * p, top - 12 * p}};
    painter.drawPolygon(down, 3);
    const QPointF up[] = {{x, base}, {x - 4 * p, base + 12 * p}, {x + 4 * p, base + 12 * p}};
    painter.drawPolygon(up, 3);
}

// A label centred on `x` with its top 50 pixels above the base line.
void drawLabel(QPainter &painter, const SketchFrame &frame, double x, const QString &text,
               const QColor &background)
{
    const QFontMetricsF metrics(painter.font());
    const double pad = 3 * frame.pixel;
    const double width = metrics.horizontalAdvance(text) + 2 * pad;
    const QRectF box(x - width / 2, frame.baseY() - 50 * frame.pixel, width,
                     metrics.height() + pad);
    painter.fillRect(box, background);
    painter.setPen(Qt::black);
    painter.drawText(box, Qt::AlignCenter, text);
}

QString heightLabel(const char *name, double metres, const DisplaySettings &display)
{
    const bool english = display.englishUnits != 0;
    const double shown = english ? metres * kFeetPerMetre : metres;
    return toQString(std::string(name) + formatC("%.2f", shown) + (english ? "  [ft]" : "  [m]"));
}

} // namespace

QRectF sketchArea(const QRectF &target)
{
    const double ratio = kSketchStandardWidth / kSketchStandardHeight;
    const double height = std::min(target.height(), target.width() / ratio);
    const double width = height * ratio;
    return QRectF(target.left() + (target.width() - width) / 2, target.bottom() - height, width,
                  height);
}

QRectF analysisTypeImageRect(const QRectF &target)
{
    // A banner 207 x 25 of the window's 389 x 225, in the free corner at the top
    // left, above the crest of the tube.
    const QRectF area = sketchArea(target);
    return QRectF(area.left() + 0.025 * area.width(), target.top() + 0.03 * area.height(),
                  area.width() * 207.0 / 389.0, area.height() * 25.0 / 225.0);
}

void drawInputSketch(QPainter &painter, const QRectF &target, const ProjectRecord &record)
{
    if (target.width() <= 0 || target.height() <= 0)
        return;
    const TubeInput &input = record.input;
    SketchFrame frame;
    frame.area = sketchArea(target);
    const double H = frame.area.height();
    frame.unit = 0.03 * H;
    frame.pixel = H / kSketchStandardHeight;
    const double W = target.width();

    const double fluidDepth = frame.unit * input.fluidHeightLower;
    const double slurryDepth = frame.unit * input.slurryHeightLower;
    const bool twoSlurries
        = std::fabs(input.slurryUnitWeightLower - input.slurryUnitWeightUpper) > 0.01;
    const double fluidDifference
        = std::fabs(input.fluidUnitWeightLower - input.fluidUnitWeightUpper);
    const bool pressureGiven = input.analysisType == AnalysisType::GivenPressure;
    const bool hasSlurryHeight = slurryDepth > 0.001;

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setClipRect(target);
    painter.fillRect(target, kBackground);
    const QFont font = sketchFont(frame);
    painter.setFont(font);

    // Foundation, with the note on it.
    painter.fillRect(QRectF(target.left(), frame.baseY() + frame.pixel, W,
                            target.bottom() - frame.baseY() - frame.pixel),
                     kFoundation);
    painter.setPen(Qt::white);
    const QString note = QString::fromLatin1(kSketchNote);
    const double noteWidth = QFontMetricsF(font).horizontalAdvance(note);
    painter.drawText(
        QRectF(frame.x(0.6) - noteWidth / 2, frame.y(0.9), noteWidth, QFontMetricsF(font).height()),
        Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip, note);

    // Outside fluid. With the same fluid above and below its surface (and always
    // for a given pumping pressure) it reaches the top of the window.
    double fluidTop = target.top();
    if (!pressureGiven && fluidDifference >= 0.01)
        fluidTop = frame.baseY() - (fluidDepth > slurryDepth ? 0.45 : 0.25) * H;
    if (fluidDepth > 0.001 || pressureGiven)
        painter.fillRect(QRectF(target.left(), fluidTop, W, frame.baseY() - fluidTop), kFluid);

    // The tube, and the upper slurry layer over it.
    const QPen outlinePen(kTubeOutline, std::max(1.0, frame.pixel));
    painter.setPen(outlinePen);
    painter.setBrush(hasSlurryHeight ? kSlurryLower : kSlurryPale);
    painter.drawPolygon(outlinePolygon(frame, 0, kSketchOutlinePoints - 1));
    const bool drawUpperLayer = !pressureGiven && hasSlurryHeight && twoSlurries;
    if (drawUpperLayer) {
        painter.setBrush(kSlurryPale);
        painter.drawPolygon(outlinePolygon(frame, kUpperLayerFirst, kUpperLayerLast));
    }

    const bool showOutside = !pressureGiven && fluidDepth > 0.001 && fluidDifference > 0.01;
    if (showOutside)
        drawDimension(painter, frame, frame.x(0.13), fluidTop);
    // The boundary of the upper layer is fixed in the picture.
    if (drawUpperLayer)
        drawDimension(painter, frame, frame.x(0.5), frame.baseY() - 0.318 * H);

    // Labels and the banner lie on top of the drawing.
    if (showOutside)
        drawLabel(painter, frame, frame.x(0.13),
                  heightLabel("H-out = ", input.fluidHeightLower, record.display), kFluid);
    if (drawUpperLayer)
        drawLabel(painter, frame, frame.x(0.5),
                  heightLabel("H-in = ", input.slurryHeightLower, record.display), kSlurryLower);
    drawAnalysisTypeImage(painter, analysisTypeImageRect(target), input.analysisType);
    painter.restore();
}

} // namespace vendrix

#pragma once
// The filling envelope chart: working tension (left axis) and tube height
// (right axis) against pumping pressure, the allowable tension as a
// horizontal line, the unsafe pressures shaded and the safe limit marked. One
// routine paints the window, saved images, the field card and printers.

#include "graphics/chart_painter.h"
#include "graphics/drawing_palette.h"
#include "post/filling_envelope.h"

class QPainter;

namespace vendrix {

// Where the chart puts things, in picture pixels (96 dots per inch) of a
// chart of the given size: pressure on x, tension on the left, height on the
// right, all from zero.
struct EnvelopeChartLayout : ChartLayout
{
    double pressureFactor = 1; // kPa -> display
    double tensionFactor = 1; // kN/m -> display
    double lengthFactor = 1; // m -> display

    double xOf(double kPa) const;
    double yOfTension(double kNm) const;
    double yOfHeight(double metres) const;
};

EnvelopeChartLayout envelopeChartLayout(const FillingEnvelope &envelope, UnitSystem units,
                                        double width, double height);

// Paints the chart into `target` (the painter's coordinates).
void drawEnvelopeChart(QPainter &painter, const QRectF &target, const FillingEnvelope &envelope,
                       UnitSystem units);

} // namespace vendrix

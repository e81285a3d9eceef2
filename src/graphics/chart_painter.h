#pragma once
// A line chart on any painter: an x axis, one or two y axes with round steps
// and a grid, curves in display units and a legend. The filling envelope and
// the parametric study draw their charts with it, each adding its own marks
// through the layout's mapping.

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <optional>
#include <vector>

class QPainter;

namespace vendrix {

// Round steps of 1, 2 or 5 × 10^n giving about `count` intervals up to `top`.
double niceStep(double top, int count);

// One axis in display units: the values from `low` to `high`, ticks every
// `step` from the first multiple of it at or above `low`.
struct ChartAxis
{
    double low = 0;
    double high = 1;
    double step = 1;
    QString title; // with its unit, e.g. "Height [m]"
    QColor colour = Qt::black; // of the tick labels and the title

    // Ends on multiples of a round step for about `count` intervals; a range
    // of one value is widened so it still has a length.
    static ChartAxis rounded(double low, double high, int count);
};

// Where the chart puts things, in picture pixels (96 dots per inch).
struct ChartLayout
{
    QRectF plot; // the plotting area
    ChartAxis x;
    ChartAxis left;
    std::optional<ChartAxis> right;

    double xAt(double value) const;
    double yAt(double value, bool onRight = false) const;
};

// The chart's space around the plot for tick labels and titles.
struct ChartMargins
{
    double left = 64;
    double right = 58;
    double top = 40;
    double bottom = 46;
};

QRectF chartPlotArea(double width, double height, const ChartMargins &margins = {});

// A polyline in display units; a gap between two runs of points leaves the
// line open (a point that could not be computed).
struct ChartSeries
{
    std::vector<std::vector<QPointF>> runs;
    QColor colour;
    Qt::PenStyle style = Qt::SolidLine;
    bool onRight = false;
    bool markers = false; // a dot at every point
    QString legend; // empty: not in the legend
};

// The grid, the frame, the ticks with their numbers and the three titles.
void drawChartAxes(QPainter &painter, const ChartLayout &layout, const ChartMargins &margins = {});
void drawChartSeries(QPainter &painter, const ChartLayout &layout, const ChartSeries &series);
// A box in the plot's top-right corner naming every series with a legend.
void drawChartLegend(QPainter &painter, const ChartLayout &layout,
                     const std::vector<ChartSeries> &series);

} // namespace vendrix

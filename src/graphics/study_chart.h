#pragma once
// The parametric study's chart: the first varied input along x, one curve per
// value of the second input, one or two results on the left and right axes, in
// the project's display units. One routine paints the window, saved pictures
// and the printed page.

#include "graphics/chart_painter.h"
#include "post/parametric_study.h"

#include <string>
#include <vector>

class QPainter;

namespace vendrix {

// What the chart shows; the request and points are read, never copied.
struct StudyChartData
{
    const StudyRequest *request = nullptr;
    const std::vector<StudyPoint> *points = nullptr; // as runStudy ordered them
    std::vector<StudyValue> shown; // the first on the left axis, a second on the right
    DisplaySettings display;
};

// "[m]", "[kPa]", ... of a quantity; empty for a plain number.
std::string quantityLabel(Quantity quantity, const DisplaySettings &display);

// "circumference = 10.00 [m]": a second input's value as the legend shows it.
std::string studyValueCaption(const std::string &field, double stored,
                              const DisplaySettings &display);

// Every curve: for each shown result, one per second value (or one when
// there is none), broken where a point failed; the second result dashed.
std::vector<ChartSeries> studyChartSeries(const StudyChartData &data);

ChartLayout studyChartLayout(const StudyChartData &data, const std::vector<ChartSeries> &series,
                             double width, double height);

// Paints the chart into `target` (the painter's coordinates).
void drawStudyChart(QPainter &painter, const QRectF &target, const StudyChartData &data);

} // namespace vendrix

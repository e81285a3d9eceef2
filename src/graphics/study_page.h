#pragma once
// The parametric study as one printed page inside the report's header and
// footer: the project and the varied inputs, the chart, and a summary of the
// table (points computed and failed, each result's range per curve).

#include "graphics/study_chart.h"
#include "model/failure.h"

#include <QRectF>

#include <optional>
#include <string>

class QPainter;
class QPagedPaintDevice;

namespace vendrix {

// One line of the summary: a curve (a second value, or the whole study).
struct StudySummaryRow
{
    std::string curve; // "all points" or the second value's caption
    int solved = 0;
    int failed = 0;
    // Low and high of each shown result over the solved points, display units;
    // NaN when none was solved.
    std::vector<std::pair<double, double>> ranges;
};

std::vector<StudySummaryRow> studySummaryRows(const StudyChartData &data);

// Paints the page into `area` (the drawing area in the painter's coordinates).
void drawStudyPage(QPainter &painter, const QRectF &area, const ProjectRecord &project,
                   const StudyChartData &data, const std::string &printedOn);

// The page on a printer or PDF writer; false when the painter cannot start.
bool paintStudyPage(QPagedPaintDevice &device, const ProjectRecord &project,
                    const StudyChartData &data, const std::string &printedOn);

// The page as a one-page A4 PDF, replacing the file only when complete.
std::optional<Failure> writeStudyPdf(const ProjectRecord &project, const StudyChartData &data,
                                     const std::string &path);

} // namespace vendrix

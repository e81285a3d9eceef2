#pragma once
// The printed report: page 1 (title page), page 2 (input data and results),
// page 3 (cross-section as filled) and the optional page 4 (consolidated
// cross-section), each inside the same header and footer. One routine paints
// a page onto any device: printer, preview, PDF file or image.

#include "model/project_record.h"

#include <QRectF>

#include <ctime>
#include <string>
#include <vector>

class QPainter;
class QPagedPaintDevice;

namespace vendrix {

class PageCanvas;

struct ReportPrintSetup
{
    int pageCount = 3; // 3, 4 with the consolidation page, one more with the design check
    std::string printedOn; // "Tue Dec  8 07:01:11 2026"
};

// 4 when a consolidated shape is shown (shapeShown 2 or 3) and the
// consolidation page is not omitted, else 3; one more with the design check page.
int reportPageCount(const ProjectRecord &record);

// The C library's fixed 24-character local date and time form, always in English.
std::string asctimeText(std::time_t when);

// The description as printed on the title page: lines of up to 70 characters
// broken at a blank between positions 40 and 70, at most six lines.
std::vector<std::string> titlePageDescriptionLines(const std::string &description);

// The project path on the title page: whole up to 60 characters, else two lines
// (first 55 + "....." and "....." + the rest).
std::vector<std::string> titlePagePathLines(const std::string &path);

// The project path in the page header: whole up to 100 characters, else the
// first 3, ".....", and the last 90.
std::string headerPathText(const std::string &path);

// Paints page `page` (1-based) with its header and footer into `area` (the
// drawing area in the painter's coordinates).
void drawReportPage(QPainter &painter, const QRectF &area, const ProjectRecord &record, int page,
                    const ReportPrintSetup &setup);

// Paints pages first..last onto a paged device (printer or PDF writer), one
// device page each. Returns false when the painter cannot start on the device.
bool paintReport(QPagedPaintDevice &device, const ProjectRecord &record,
                 const ReportPrintSetup &setup, int first, int last);

// Page bodies, drawn on the twips canvas inside the frame.
void drawTitlePage(PageCanvas &canvas, const ProjectRecord &record);
void drawInputResultsPage(PageCanvas &canvas, const ProjectRecord &record);
// The tube as filled, or a consolidated shape over its outline.
void drawCrossSectionPage(PageCanvas &canvas, const ProjectRecord &record, Shape shape);
// The design check, drawn as the last page when it is added.
void drawDesignCheckPage(PageCanvas &canvas, QPainter &painter, const ProjectRecord &record);
void drawPageHeader(PageCanvas &canvas, const ProjectRecord &record, const ReportPrintSetup &setup);
void drawPageFooter(PageCanvas &canvas, const ProjectRecord &record, int page,
                    const ReportPrintSetup &setup);

} // namespace vendrix

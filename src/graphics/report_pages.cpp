#include "graphics/report_pages.h"

#include "graphics/page_canvas.h"
#include "graphics/page_grid.h"
#include "model/c_format.h"
#include "vendrix_version.h"

#include <QPagedPaintDevice>
#include <QPainter>

namespace vendrix {

namespace {
constexpr const char *kProgramBanner = "Vendrix Version " VENDRIX_VERSION;

void drawBanner(PageCanvas &canvas, double y)
{
    std::string banner;
    for (int i = 0; i < 19; ++i)
        banner += i == 0 ? kProgramBanner : std::string("  ") + kProgramBanner;
    canvas.setFont(60);
    // The banner ends with the frame instead of running off the page.
    canvas.clipX(pageGrid::kLeft, pageGrid::kRuleRight);
    canvas.text(pageGrid::kLeft, y, banner);
    canvas.noClip();
}

void doubleRule(PageCanvas &canvas, double y)
{
    for (const double at : {y, y - pageGrid::kRuleGap})
        canvas.line(pageGrid::kLeft, at, pageGrid::kRuleRight, at);
}
} // namespace

int reportPageCount(const ProjectRecord &record)
{
    const int pages
        = showsConsolidatedShape(record.state) && !record.display.omitConsolidationPage ? 4 : 3;
    return record.display.addDesignCheckPage ? pages + 1 : pages;
}

std::string asctimeText(std::time_t when)
{
    static const char *const days[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static const char *const months[]
        = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::tm local {};
    localtime_r(&when, &local);
    return formatC("%s %s %2d %02d:%02d:%02d %d", days[local.tm_wday % 7],
                   months[local.tm_mon % 12], local.tm_mday, local.tm_hour, local.tm_min,
                   local.tm_sec, local.tm_year + 1900);
}

std::string headerPathText(const std::string &path)
{
    if (path.size() <= 100)
        return path;
    return path.substr(0, 3) + "....." + path.substr(path.size() - 90);
}

void drawPageHeader(PageCanvas &canvas, const ProjectRecord &record, const ReportPrintSetup &setup)
{
    canvas.setPen(Qt::black, 1);
    using namespace pageGrid;
    doubleRule(canvas, kHeaderTopRule);
    drawBanner(canvas, -20);
    canvas.setFont(200);
    canvas.text(kHeaderTextLeft, -180, kProgramBanner);
    canvas.textRightAligned(kHeaderTextRight, -180, record.info.title.cp1252);
    canvas.setFont(120);
    canvas.text(kHeaderTextLeft, -400, "Printed on:  " + setup.printedOn);
    canvas.textRightAligned(kHeaderTextRight, -400, headerPathText(projectPathText(record.info)));
    drawBanner(canvas, -550);
    doubleRule(canvas, kHeaderBottomRule);
}

void drawPageFooter(PageCanvas &canvas, const ProjectRecord &record, int page,
                    const ReportPrintSetup &setup)
{
    canvas.setPen(Qt::black, 1);
    using namespace pageGrid;
    doubleRule(canvas, kFooterTopRule);
    drawBanner(canvas, -14500);
    canvas.setFont(160);
    canvas.text(kHeaderTextLeft, -14650, record.info.title.cp1252);
    canvas.textRightAligned(kHeaderTextRight, -14650,
                            formatC("Page %d of  %d", page, setup.pageCount));
    drawBanner(canvas, -15050);
    for (double y = kFooterLastRules; y >= kBottom; y -= kRuleGap)
        canvas.line(kLeft, y, kRuleRight, y);
}

void drawReportPage(QPainter &painter, const QRectF &area, const ProjectRecord &record, int page,
                    const ReportPrintSetup &setup)
{
    PageCanvas canvas(painter, area);
    drawPageHeader(canvas, record, setup);
    // The design check follows the cross-section pages, whichever they are.
    const bool designCheck = record.display.addDesignCheckPage && page == setup.pageCount;
    switch (designCheck ? 0 : page) {
    case 0:
        drawDesignCheckPage(canvas, painter, record);
        break;
    case 1:
        drawTitlePage(canvas, record);
        break;
    case 2:
        drawInputResultsPage(canvas, record);
        break;
    case 3:
        drawCrossSectionPage(canvas, record, Shape::AsFilled);
        break;
    case 4:
        drawCrossSectionPage(canvas, record, record.state.shapeShown.value_or(Shape::AsFilled));
        break;
    default:
        break;
    }
    drawPageFooter(canvas, record, page, setup);
}

bool paintReport(QPagedPaintDevice &device, const ProjectRecord &record,
                 const ReportPrintSetup &setup, int first, int last)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const QRect paintRect = device.pageLayout().paintRectPixels(device.logicalDpiX());
    const QRectF area(0, 0, paintRect.width(), paintRect.height());
    for (int page = first; page <= last; ++page) {
        if (page != first)
            device.newPage();
        drawReportPage(painter, area, record, page, setup);
    }
    return painter.end();
}

} // namespace vendrix

// The optional last page of the printed report: the design check of the tube
// solved by the exact method, with its inputs, picture and one row per check.

#include "graphics/design_check_drawing.h"
#include "graphics/drawing_palette.h"
#include "graphics/page_canvas.h"
#include "graphics/report_pages.h"
#include "report/design_check_rows.h"

#include <QPainter>

namespace vendrix {

namespace {

constexpr double kLeft = 1200;
constexpr double kLineStep = 230;
constexpr double kRowStep = 420;

void heading(PageCanvas &canvas, double y, const char *text)
{
    canvas.setFont(220, 600);
    canvas.text(kLeft, y, text);
}

double inputLines(PageCanvas &canvas, const std::vector<std::string> &lines, double y)
{
    canvas.setFont(160);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        // Two columns: strengths and levels left, the rest right.
        const double x = i < 5 ? kLeft : 6600;
        canvas.text(x, y - kLineStep * double(i < 5 ? i : i - 5), lines[i]);
    }
    return y - kLineStep * 5;
}

void checkRow(PageCanvas &canvas, const DesignCheckRow &row, double y)
{
    canvas.setFont(180);
    canvas.text(kLeft, y, row.check);
    canvas.textRightAligned(7400, y, row.value);
    canvas.text(7600, y, row.limit);
    if (row.verdict != RowVerdict::None) {
        canvas.setFont(180, 700);
        canvas.setTextColour(row.verdict == RowVerdict::Pass ? designCheckColours::pass
                                                             : designCheckColours::fail);
        canvas.text(9900, y, verdictText(row.verdict));
        canvas.setTextColour(Qt::black);
    }
    if (!row.note.empty()) {
        canvas.setFont(140);
        canvas.text(kLeft + 300, y - 190, row.note);
    }
}

void checkTable(PageCanvas &canvas, const std::vector<DesignCheckRow> &rows, double y)
{
    canvas.setFont(180, 600);
    canvas.text(kLeft, y, "Check");
    canvas.textRightAligned(7400, y, "Value");
    canvas.text(7600, y, "Limit");
    canvas.text(9900, y, "Verdict");
    canvas.line(kLeft, y - 230, 11000, y - 230);
    for (std::size_t i = 0; i < rows.size(); ++i)
        checkRow(canvas, rows[i], y - 330 - kRowStep * double(i));
}

// A message of several lines, one below the other.
void messageLines(PageCanvas &canvas, const std::string &message)
{
    double y = -1500;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = message.find('\n', start);
        canvas.text(kLeft, y, message.substr(start, end - start));
        if (end == std::string::npos)
            return;
        start = end + 1;
        y -= 270;
    }
}

} // namespace

void drawDesignCheckPage(PageCanvas &canvas, QPainter &painter, const ProjectRecord &record)
{
    canvas.setPen(Qt::black, 1);
    heading(canvas, -1010, "DESIGN CHECK (per metre of tube)");
    TubeSolution exact;
    if (const auto failure = solveForDesignCheck(record, exact)) {
        canvas.setFont(200);
        messageLines(canvas, failure->messageText);
        return;
    }
    const DesignCheckResult result = computeDesignCheck(record.input, exact, record.designCheck);
    const double below = inputLines(
        canvas, designCheckInputLines(record.designCheck, result, record.display), -1400);
    const QRectF picture(canvas.toDevice(kLeft, below - 100), canvas.toDevice(11000, below - 3300));
    drawDesignCheckPicture(painter, picture.normalized(), exact, result);
    checkTable(canvas, designCheckRows(record.designCheck, result, record.display), below - 3650);
    canvas.setFont(150);
    const std::vector<std::string> notes = designCheckNotes(result, record.solution.method);
    for (std::size_t i = 0; i < notes.size(); ++i)
        canvas.text(kLeft, -13700 - 220 * double(i), notes[i]);
}

} // namespace vendrix

// The optional last page of the printed report: the design check of the tube
// solved by the exact method, with its inputs, picture and one row per check.

#include "graphics/design_check_drawing.h"
#include "graphics/drawing_palette.h"
#include "graphics/page_canvas.h"
#include "graphics/page_grid.h"
#include "graphics/report_pages.h"
#include "report/design_check_rows.h"

#include <QPainter>

namespace vendrix {

namespace {

using namespace pageGrid::designCheck;

void heading(PageCanvas &canvas, const char *text)
{
    canvas.setFont(220, 600);
    canvas.text(kTitleAt.x(), kTitleAt.y(), text);
}

// The lowest y the inputs take.
double inputLines(PageCanvas &canvas, const std::vector<std::string> &lines)
{
    canvas.setFont(160);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        // Two columns: strengths and levels left, the rest right.
        const bool left = i < kInputsPerColumn;
        const double row = double(left ? i : i - kInputsPerColumn);
        canvas.text(left ? kLeft : kInputsSecondColumn, kInputsTop - kInputLineStep * row,
                    lines[i]);
    }
    return kInputsTop - kInputLineStep * double(kInputsPerColumn);
}

void checkRow(PageCanvas &canvas, const DesignCheckRow &row, double y)
{
    canvas.setFont(180);
    canvas.text(kLeft, y, row.check);
    canvas.textRightAligned(kValueRight, y, row.value);
    canvas.text(kLimitLeft, y, row.limit);
    if (row.verdict != RowVerdict::None) {
        canvas.setFont(180, 700);
        canvas.setTextColour(row.verdict == RowVerdict::Pass ? designCheckColours::pass
                                                             : designCheckColours::fail);
        canvas.text(kVerdictLeft, y, verdictText(row.verdict));
        canvas.setTextColour(Qt::black);
    }
    if (!row.note.empty()) {
        canvas.setFont(140);
        canvas.text(kLeft + kNoteIndent, y - kNoteBelowRow, row.note);
    }
}

void checkTable(PageCanvas &canvas, const std::vector<DesignCheckRow> &rows, double y)
{
    canvas.setFont(180, 600);
    canvas.text(kLeft, y, "Check");
    canvas.textRightAligned(kValueRight, y, "Value");
    canvas.text(kLimitLeft, y, "Limit");
    canvas.text(kVerdictLeft, y, "Verdict");
    canvas.line(kLeft, y - kHeadingRule, kRight, y - kHeadingRule);
    for (std::size_t i = 0; i < rows.size(); ++i)
        checkRow(canvas, rows[i], y - kFirstRow - kRowStep * double(i));
}

// A message of several lines, one below the other.
void messageLines(PageCanvas &canvas, const std::string &message)
{
    double y = kMessageTop;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = message.find('\n', start);
        canvas.text(kLeft, y, message.substr(start, end - start));
        if (end == std::string::npos)
            return;
        start = end + 1;
        y -= kMessageStep;
    }
}

} // namespace

void drawDesignCheckPage(PageCanvas &canvas, QPainter &painter, const ProjectRecord &record)
{
    canvas.setPen(Qt::black, 1);
    heading(canvas, "DESIGN CHECK (per metre of tube)");
    TubeSolution exact;
    if (const auto failure = solveForDesignCheck(record, exact)) {
        canvas.setFont(200);
        messageLines(canvas, failure->messageText);
        return;
    }
    const DesignCheckResult result = computeDesignCheck(record.input, exact, record.designCheck);
    const double below
        = inputLines(canvas, designCheckInputLines(record.designCheck, result, record.display));
    const double pictureTop = below - kPictureGap;
    const double pictureBottom = pictureTop - kPictureHeight;
    const QRectF picture(canvas.toDevice(kLeft, pictureTop),
                         canvas.toDevice(kRight, pictureBottom));
    drawDesignCheckPicture(painter, picture.normalized(), exact, result);
    checkTable(canvas, designCheckRows(record.designCheck, result, record.display),
               pictureBottom - kTableGap);
    canvas.setFont(150);
    const std::vector<std::string> notes = designCheckNotes(result, record.solution.method);
    for (std::size_t i = 0; i < notes.size(); ++i)
        canvas.text(kLeft, kNotesTop - kNoteStep * double(i), notes[i]);
}

} // namespace vendrix

// Long project texts on pages and cards, and result numbers of a tiny tube on
// the cross-section picture.
#include "graphics/cross_section_marks.h"
#include "graphics/field_card.h"
#include "graphics/page_canvas.h"
#include "model/project_record.h"

#include <QElapsedTimer>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace vendrix {
namespace {

// A white page at 300 dpi, so that a twip is about a fifth of a pixel.
QImage whitePage()
{
    QImage image(2400, 3300, QImage::Format_RGB32);
    image.setDotsPerMeterX(11811);
    image.setDotsPerMeterY(11811);
    image.fill(Qt::white);
    return image;
}

TEST(PageText, ElisionOfAVeryLongTextIsQuickAndFits)
{
    QImage image = whitePage();
    QPainter painter(&image);
    PageCanvas canvas(painter, QRectF(image.rect()));
    canvas.setFont(200);
    const std::string text(100000, 'M');
    QElapsedTimer timer;
    timer.start();
    const std::string cut = canvas.elided(text, 3000);
    // One measurement per character took minutes for a text this long.
    EXPECT_LT(timer.elapsed(), 5000);
    ASSERT_GT(cut.size(), 3u);
    EXPECT_EQ(cut.substr(cut.size() - 3), "...");
    EXPECT_LE(canvas.textWidth(cut), 3000);
    EXPECT_GT(canvas.textWidth(text.substr(0, cut.size() - 2) + "..."), 3000);
    EXPECT_EQ(canvas.elided("short", 3000), "short");
}

TEST(FieldCard, LongTitleClientAndDesignerStayInTheirColumn)
{
    ProjectRecord record;
    record.info.title = RecordText(std::string(40, 'W'));
    record.info.client = RecordText(std::string(200, 'M'));
    record.info.designer = RecordText(std::string(200, 'W'));
    record.info.stationNumber = RecordText(std::string(40, 'W'));
    const FillingEnvelope envelope = computeFillingEnvelope(record.input, {});
    QImage image = whitePage();
    QPainter painter(&image);
    const QRectF area(image.rect());
    drawFieldCard(painter, area, record, envelope, "2026-12-08");
    // The same placement as the card's own canvas: the strip between the two
    // columns of data lines (project to designer) stays blank.
    PageCanvas place(painter, area);
    const QPoint topLeft = place.toDevice(5880, -1200).toPoint();
    const QPoint bottomRight = place.toDevice(5990, -1250 - 4 * 235 - 200).toPoint();
    painter.end();
    int inked = 0;
    for (int y = topLeft.y(); y <= bottomRight.y(); ++y)
        for (int x = topLeft.x(); x <= bottomRight.x(); ++x)
            inked += qGray(image.pixel(x, y)) < 128;
    EXPECT_EQ(inked, 0);
}

TEST(CrossSectionMarks, ResultsOfATinyTubeShowSignificantDigits)
{
    ProjectRecord record;
    record.solution.computedCircumference = 0.001;
    record.solution.totalArea = 7.9e-8;
    record.solution.inletPressure = 0.012;
    const auto lines = crossSectionResultLines(record, true);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(valueText(lines[0].label, lines[0].value, lines[0].unit),
              "Circumference = 0.0010 [m]");
    EXPECT_EQ(valueText(lines[1].label, lines[1].value, lines[1].unit),
              "Pumping pressure = 0.012 [kPa]");
    EXPECT_EQ(valueText(lines[2].label, lines[2].value, lines[2].unit),
              "Cross-sectional area of tube = 7.9e-08 [m \xB2]");
    EXPECT_EQ(valueText("H = ", 0.0003, "[m]"), "H = 0.00030 [m]");
}

} // namespace
} // namespace vendrix

#include "graphics/dib_image.h"
#include "graphics/page_canvas.h"

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

using namespace vendrix;

namespace {

// A 2×1 24-bit bitmap: red on the left, blue on the right.
std::string twoPixelBmp()
{
    std::string b(14 + 40 + 8, '\0');
    auto put32 = [&](std::size_t at, unsigned v) {
        for (int i = 0; i < 4; ++i)
            b[at + std::size_t(i)] = char((v >> (8 * i)) & 0xFF);
    };
    b[0] = 'B';
    b[1] = 'M';
    put32(2, unsigned(b.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, 2);
    put32(22, 1);
    b[26] = 1;
    b[28] = 24;
    b[54 + 2] = char(0xFF); // first pixel BGR: red
    b[54 + 3] = char(0xFF); // second pixel: blue
    return b;
}

} // namespace

TEST(DibImage, LoadsFromFileAndDrawsStretched)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("logo.bmp").toStdString();
    const std::string bytes = twoPixelBmp();
    std::FILE *f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);

    DibImage logo;
    ASSERT_TRUE(logo.loadFromFile(path));
    EXPECT_EQ(logo.image().size(), QSize(2, 1));

    // A 2000 by 2000 twips area at 144 dpi: 200 by 200 pixels, true scale 0.1.
    QImage page(QSize(1200, 1600), QImage::Format_RGB32);
    page.setDotsPerMeterX(5669);
    page.setDotsPerMeterY(5669);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        PageCanvas canvas(painter, QRectF(0, 0, 1200, 1600));
        EXPECT_TRUE(logo.draw(canvas, 1000, -1000, 4000, 1000));
        const QPointF left = canvas.toDevice(1500, -1500);
        const QPointF right = canvas.toDevice(4500, -1500);
        painter.end();
        EXPECT_EQ(page.pixelColor(left.toPoint()), QColor(Qt::red));
        EXPECT_EQ(page.pixelColor(right.toPoint()), QColor(Qt::blue));
    }
}

TEST(DibImage, FailedLoadsLeaveItEmptyAndDrawNothing)
{
    DibImage logo;
    EXPECT_FALSE(logo.loadFromFile("/nonexistent/logo.bmp"));
    EXPECT_TRUE(logo.isEmpty());
    ASSERT_TRUE(logo.loadFromBytes(twoPixelBmp()));
    std::string bad = twoPixelBmp();
    bad[0] = 'X';
    EXPECT_FALSE(logo.loadFromBytes(bad)); // a failed load also drops the old image
    EXPECT_TRUE(logo.isEmpty());
    QImage page(100, 100, QImage::Format_RGB32);
    QPainter painter(&page);
    PageCanvas canvas(painter, QRectF(0, 0, 100, 100));
    EXPECT_FALSE(logo.draw(canvas, 0, 0, 100, 100));
}

TEST(PageCanvas, TwipsMapAtTrueScaleAndRightAlignByWidth)
{
    // Letter-sized area at 1440 dpi: one device unit per twip.
    QImage page(QSize(11520, 15840), QImage::Format_Mono);
    page.setDotsPerMeterX(56693);
    page.setDotsPerMeterY(56693);
    QPainter painter(&page);
    PageCanvas canvas(painter, QRectF(0, 0, 11520, 15840));
    EXPECT_NEAR(canvas.scale(), 1.0, 0.001);
    const QPointF a = canvas.toDevice(600, -1000);
    const QPointF b = canvas.toDevice(1600, -2000);
    EXPECT_NEAR(b.x() - a.x(), 1000, 1);
    EXPECT_NEAR(b.y() - a.y(), 1000, 1); // y upwards on the page: down on the device
    canvas.setFont(200);
    const double w = canvas.textWidth("Page 1 of  3");
    EXPECT_GT(w, 800);
    EXPECT_LT(w, 1400);
    canvas.setFont(400);
    EXPECT_NEAR(canvas.textWidth("Page 1 of  3"), 2 * w, 0.05 * w);

    // A smaller area scales the whole page down instead of clipping it.
    PageCanvas small(painter, QRectF(0, 0, 5500, 7560));
    EXPECT_NEAR(small.scale(), 0.5, 0.001);
}

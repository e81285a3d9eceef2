#include "graphics/logo_picture.h"
#include "graphics/page_canvas.h"
#include "graphics/report_pages.h"
#include "report_project.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <string>
#include <utility>

using namespace vendrix;

namespace {

// `image` as a "png" or "jpeg" file's bytes.
std::string encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, 95);
    return bytes.toStdString();
}

// A 40 × 20 green logo as "png", "jpeg" or "svg".
std::string greenLogo(const std::string &format)
{
    if (format == "svg")
        return "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"40\" height=\"20\">"
               "<rect width=\"40\" height=\"20\" fill=\"#00c800\"/></svg>";
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(QColor(0, 200, 0));
    return encoded(image, format.c_str());
}

// A one-bit `side` × `side` PNG: small to write, large once decoded.
std::string squarePng(int side)
{
    QImage image(side, side, QImage::Format_Mono);
    image.fill(0);
    return encoded(image, "png");
}

// A 24-bit bitmap of one pixel whose header claims `side` × `side`.
std::string bitmap(int side = 1)
{
    std::string b(58, '\0');
    const unsigned char header[] = {'B', 'M', 58, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40,
                                    0,   0,   0,  1, 0, 0, 0, 1, 0, 0, 0,  1, 0, 24};
    std::copy(std::begin(header), std::end(header), b.begin());
    for (std::size_t at : {18u, 22u}) {
        b[at] = char(side & 0xFF);
        b[at + 1] = char(side >> 8);
    }
    return b;
}

QString written(const QTemporaryDir &dir, const QString &name, const std::string &bytes)
{
    QFile file(dir.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), qint64(bytes.size()));
    return file.fileName();
}

} // namespace

// Each kind of logo, known by its content, is stretched over its whole space on
// the title page like a bitmap: 600..11100 by -700..-2800 twips.
TEST(LogoPicture, TitlePageShowsPngJpegAndSvgLogos)
{
    QTemporaryDir dir;
    const struct
    {
        const char *format;
        const char *name;
    } rows[]
        = {{"png", "logo.png"}, {"jpeg", "logo.jpg"}, {"jpeg", "jpeg.png"}, {"svg", "logo.svg"}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        ProjectRecord r = test::reportProject(AnalysisType::GivenStrength, true);
        r.info.logoPath = RecordText(written(dir, row.name, greenLogo(row.format)).toStdString());
        r.info.includeLogo = true;
        QImage page(1200, 1600, QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter painter(&page);
        PageCanvas canvas(painter, QRectF(page.rect()));
        drawTitlePage(canvas, r);
        for (const auto &[x, y] :
             {std::pair {750.0, -850.0}, {5850.0, -1750.0}, {10950.0, -2650.0}}) {
            const QColor colour = page.pixelColor(canvas.toDevice(x, y).toPoint());
            EXPECT_LT(colour.red() + std::abs(colour.green() - 200) + colour.blue(), 24) << x;
        }
    }
    LogoPicture svg;
    ASSERT_TRUE(svg.loadFromFile(dir.filePath("logo.svg").toStdString()));
    EXPECT_TRUE(svg.isVector());
}

// The logo rules hold for every kind: what cannot be read, what is not a
// picture and what is too large is named before printing, and left out.
TEST(LogoPicture, ProblemNamesWhyALogoCannotBeUsed)
{
    QTemporaryDir dir;
    const struct
    {
        QString path;
        const char *reason; // nullptr: usable
    } rows[] = {
        {written(dir, "good.bmp", bitmap()), nullptr},
        {written(dir, "good.png", greenLogo("png")), nullptr},
        {written(dir, "good.jpg", greenLogo("jpeg")), nullptr},
        {written(dir, "good.svg", greenLogo("svg")), nullptr},
        {written(dir, "largest.png", squarePng(4096)), nullptr},
        {dir.filePath("missing.png"), "Cannot open"},
        {dir.path(), "cannot be used"},
        {written(dir, "short.bmp", bitmap(4096)), "Vendrix prints PNG, JPEG and SVG"},
        {written(dir, "text.bmp", "hello"), "Vendrix prints PNG, JPEG and SVG"},
        {written(dir, "text.svg", "hello <svg"), "Vendrix prints PNG, JPEG and SVG"},
        {written(dir, "cut.png", greenLogo("png").substr(0, 60)), "Vendrix prints"},
        {written(dir, "huge.png", squarePng(4097)), "at most 16 million pixels"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.path.toStdString());
        const auto problem = logoProblem(row.path.toStdString());
        ASSERT_EQ(problem.has_value(), row.reason != nullptr);
        LogoPicture logo;
        EXPECT_EQ(logo.loadFromFile(row.path.toStdString()), row.reason == nullptr);
        if (problem) {
            EXPECT_NE(problem->find(row.reason), std::string::npos) << *problem;
            EXPECT_NE(problem->find("printed without the logo"), std::string::npos);
        }
    }
}

#include "graphics/logo_picture.h"
#include "graphics/page_canvas.h"
#include "graphics/report_pages.h"
#include "logo_files.h"
#include "report_project.h"

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>

using namespace vendrix;
using namespace vendrix::test;

namespace {

// A 24-bit bitmap of one pixel whose header claims `claimedSide` × `claimedSide`.
std::string bitmap(int claimedSide = 1)
{
    std::string b(58, '\0');
    const unsigned char header[] = {'B', 'M', 58, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40,
                                    0,   0,   0,  1, 0, 0, 0, 1, 0, 0, 0,  1, 0, 24};
    std::copy(std::begin(header), std::end(header), b.begin());
    for (int at : {18, 22}) {
        b[std::size_t(at)] = char(claimedSide & 0xFF);
        b[std::size_t(at) + 1] = char(claimedSide >> 8);
    }
    return b;
}

// A one-bit picture: small to write, yet `side` × `side` pixels once decoded.
std::string squarePng(int side)
{
    QImage image(side, side, QImage::Format_Mono);
    image.fill(0);
    return encodedPicture(image, "png");
}

} // namespace

// Each kind of logo fills its space on the title page, read by its content:
// a JPEG named .png prints too.
TEST(LogoPicture, TitlePageShowsPngJpegAndSvgLogos)
{
    QTemporaryDir dir;
    const struct
    {
        const char *format;
        const char *name;
        bool vector;
    } rows[] = {
        {"png", "logo.png", false},
        {"jpeg", "logo.jpg", false},
        {"jpeg", "misnamed.png", false},
        {"svg", "logo.svg", true},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const QString path = writtenFile(dir, row.name, greenLogo(row.format));
        LogoPicture logo;
        ASSERT_TRUE(logo.loadFromFile(path.toStdString()));
        EXPECT_EQ(logo.isVector(), row.vector);

        ProjectRecord r = test::reportProject(AnalysisType::GivenStrength, true);
        r.info.logoPath = RecordText(path.toStdString());
        r.info.includeLogo = true;
        QImage page(1200, 1600, QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter painter(&page);
        PageCanvas canvas(painter, QRectF(page.rect()));
        drawTitlePage(canvas, r);
        // Stretched over the whole space, 600..11100 by -700..-2800 twips, like a bitmap.
        for (const auto &[x, y] :
             {std::pair {750.0, -850.0}, {5850.0, -1750.0}, {10950.0, -2650.0}})
            EXPECT_TRUE(nearLogoGreen(page.pixelColor(canvas.toDevice(x, y).toPoint()))) << x;
    }
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
        {writtenFile(dir, "good.bmp", bitmap()), nullptr},
        {writtenFile(dir, "good.png", greenLogo("png")), nullptr},
        {writtenFile(dir, "good.jpg", greenLogo("jpeg")), nullptr},
        {writtenFile(dir, "good.svg", greenLogo("svg")), nullptr},
        {writtenFile(dir, "largest.png", squarePng(4096)), nullptr},
        {dir.filePath("missing.png"), "Cannot open"},
        {dir.path(), "cannot be used"},
        {writtenFile(dir, "short.bmp", bitmap(4096)), "Vendrix prints PNG, JPEG and SVG"},
        {writtenFile(dir, "text.bmp", "hello"), "Vendrix prints PNG, JPEG and SVG"},
        {writtenFile(dir, "text.svg", "hello <svg"), "Vendrix prints PNG, JPEG and SVG"},
        {writtenFile(dir, "cut.png", greenLogo("png").substr(0, 60)), "Vendrix prints"},
        {writtenFile(dir, "huge.png", squarePng(4097)), "at most 16 million pixels"},
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

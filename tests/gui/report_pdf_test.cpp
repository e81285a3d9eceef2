#include "../core/text_checks.h"
#include "engine/analysis_run.h"
#include "graphics/report_pages.h"
#include "graphics/report_pdf.h"
#include "model/c_format.h"
#include "model/project_record.h"
#include "report/results_text.h"
#include "report_project.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

using namespace vendrix;

namespace {

constexpr const char *kPrintedOn = "Tue Dec  8 07:01:11 2026";

ProjectRecord solvedProject(AnalysisType type, bool twoLayers, bool english = false,
                            SolutionMethod method = kDefaultSolutionMethod)
{
    ProjectRecord r = test::reportProject(type, twoLayers, english);
    const RunOutcome outcome = runAnalysis(r, method);
    EXPECT_FALSE(outcome.refused());
    r.state.shapeShown = Shape::AsFilled;
    return r;
}

struct PdfText
{
    int pages = 0;
    std::string info;
    std::string fonts;
    std::string images;
    std::vector<std::string> pageTexts;
};

std::string runTool(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(30000);
    return p.readAllStandardOutput().toStdString();
}

PdfText writeAndRead(const ProjectRecord &record, const QString &name = "report.pdf",
                     const QPageSize &paper = QPageSize(QPageSize::A4))
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(name);
    QFile::remove(path);
    const auto failure = writeReportPdf(record, path.toStdString(), paper, kPrintedOn);
    EXPECT_FALSE(failure) << failure->messageText;
    PdfText out;
    out.info = runTool("pdfinfo", {path});
    out.fonts = runTool("pdffonts", {path});
    out.images = runTool("pdfimages", {"-list", path});
    const auto at = out.info.find("Pages:");
    if (at != std::string::npos)
        out.pages = std::stoi(out.info.substr(at + 6));
    for (int page = 1; page <= out.pages; ++page)
        out.pageTexts.push_back(runTool(
            "pdftotext",
            {"-layout", "-f", QString::number(page), "-l", QString::number(page), path, "-"}));
    return out;
}

// pdftotext shows runs of blanks as one blank (or as layout padding).
std::string squeeze(const std::string &text)
{
    std::string out;
    for (char c : text)
        if (!(c == ' ' && !out.empty() && out.back() == ' '))
            out += c;
    return out;
}

bool contains(const std::string &text, const std::string &part)
{
    return squeeze(text).find(squeeze(part)) != std::string::npos;
}

// Reads the number printed at the end of the line holding `label`.
std::string valueAfter(const std::string &layoutPage, const std::string &layoutLabel)
{
    const std::string page = squeeze(layoutPage), label = squeeze(layoutLabel);
    const auto at = page.find(label);
    if (at == std::string::npos)
        return "<missing>";
    const auto end = page.find('\n', at);
    std::string line = page.substr(at + label.size(), end - at - label.size());
    const auto last = line.find_last_not_of(' ');
    const auto first = line.find_last_of(' ', last);
    return line.substr(first + 1, last - first);
}

struct Word
{
    double xMin = 0, xMax = 0, yMin = 0;
    std::string text;
};

// The words of one page with their boxes in points, as pdftotext finds them.
std::vector<Word> pageWords(const ProjectRecord &record, int page, const QString &name)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(name);
    const auto failure
        = writeReportPdf(record, path.toStdString(), QPageSize(QPageSize::A4), kPrintedOn);
    EXPECT_FALSE(failure) << failure->messageText;
    const std::string xml
        = runTool("pdftotext",
                  {"-bbox", "-f", QString::number(page), "-l", QString::number(page), path, "-"});
    std::vector<Word> words;
    const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\"[^>]*>([^<]*)</word>"));
    auto match = word.globalMatch(QString::fromStdString(xml));
    while (match.hasNext()) {
        const auto m = match.next();
        words.push_back({m.captured(1).toDouble(), m.captured(3).toDouble(),
                         m.captured(2).toDouble(), m.captured(4).toStdString()});
    }
    return words;
}

// The page frame's sides in points, found from what every page prints: the
// banner starts at x = 500 twips and the page number ends at x = 11100 twips;
// the frame runs from 500 to 11200.
std::pair<double, double> frameSides(const std::vector<Word> &words)
{
    if (words.empty())
        return {0, 0};
    const Word &banner = words.front();
    const auto page
        = std::find_if(words.begin(), words.end(), [](const Word &w) { return w.text == "Page"; });
    if (page == words.end())
        return {0, 0};
    double footerEnd = 0; // "Page n of  m" ends at 11100
    for (const Word &w : words)
        if (std::abs(w.yMin - page->yMin) < 1)
            footerEnd = std::max(footerEnd, w.xMax);
    const double perTwip = (footerEnd - banner.xMin) / 10600.0;
    return {banner.xMin, banner.xMin + 10700.0 * perTwip};
}

void expectInsideFrame(const std::vector<Word> &words)
{
    const auto [left, right] = frameSides(words);
    ASSERT_GT(right, left + 400);
    for (const Word &w : words) {
        EXPECT_GE(w.xMin, left - 0.5) << w.text;
        EXPECT_LE(w.xMax, right + 0.5) << w.text;
    }
}

} // namespace

TEST(ReportPdf, PageCountsHeaderAndFooterOnEveryPage)
{
    ProjectRecord r = solvedProject(AnalysisType::GivenStrength, true);
    PdfText pdf = writeAndRead(r);
    ASSERT_EQ(pdf.pages, 3);
    EXPECT_TRUE(contains(pdf.info, "Title:          Harbour basin dewatering"));
    EXPECT_TRUE(contains(pdf.info, "Creator:        Vendrix Version 3.0"));
    for (int page = 1; page <= 3; ++page) {
        SCOPED_TRACE(page);
        const std::string &t = pdf.pageTexts[std::size_t(page - 1)];
        EXPECT_TRUE(contains(t, "Vendrix Version 3.0"));
        EXPECT_TRUE(contains(t, "Printed on:  Tue Dec  8 07:01:11 2026"));
        EXPECT_TRUE(contains(t, "/home/user/projects/harbour.gtb"));
        EXPECT_TRUE(contains(t, "Page " + std::to_string(page) + " of  3"));
    }

    // A consolidation that is shown adds page 4 unless it is to be omitted.
    r.state.shapeShown = Shape::Option2;
    r.consolidation.finalHeight = r.solution.maxHeight * 0.7;
    r.consolidation.consolidatedArea = r.solution.totalArea * 0.6;
    pdf = writeAndRead(r, "four.pdf");
    ASSERT_EQ(pdf.pages, 4);
    EXPECT_TRUE(contains(pdf.pageTexts[3], "CROSS-SECTION AFTER CONSOLIDATION:  OPTION #2"));
    EXPECT_TRUE(contains(pdf.pageTexts[3], "Page 4 of  4"));
    EXPECT_TRUE(contains(pdf.pageTexts[1], "CONSOLIDATED TUBE:"));
    r.display.omitConsolidationPage = true;
    pdf = writeAndRead(r, "omitted.pdf");
    EXPECT_EQ(pdf.pages, 3);
    EXPECT_FALSE(contains(pdf.pageTexts[1], "CONSOLIDATED TUBE:"));
}

namespace {

// Labels every objective prints on the input-and-results page, with their values.
void expectCommonInputAndResults(const std::string &p2, const ProjectRecord &r)
{
    const TubeSolution &s = r.solution;
    const std::pair<const char *, std::string> values[] = {
        {"Circumference of tube,   [m]", "10.0"},
        {"Hout-L,   [m]", "2.0"},
        {"installation damage,  RFid", "1.30"},
        {"durability,  RFd", "1.00"},
        {"creep,  RFc", "1.50"},
        {"axial (longitudial) direction", "2.00"},
        {"circumferential direction", "2.00"},
        {"Maximum height of tube,  H  [m]", formatC("%.1f", s.maxHeight)},
        {"Maximum width of tube,  W  [m]", formatC("%.1f", s.maxWidth)},
        {"Ratio    H / W", formatC("%.3f", s.maxHeight / s.maxWidth)},
        {"Net pumping pressure within tube at inlet,   [kPa]", formatC("%.1f", s.inletPressure)},
    };
    for (const auto &[label, value] : values)
        EXPECT_EQ(valueAfter(p2, label), value) << label;
    for (const char *label :
         {"Tensial force at WORKING conditions,   [kN/m]", "Required ULTIMATE strength,   [kN/m]",
          "Geosynthetic in CIRCUMFERENTIAL direction:", "Geosynthetic in AXIAL direction:",
          "(max. width is at height", "Width of base of tube resting on foundation soil,   [m]"})
        EXPECT_TRUE(contains(p2, label)) << label;
}

} // namespace

TEST(ReportPdf, InputAndResultsPageForEachObjectiveAndLayering)
{
    struct Row
    {
        AnalysisType type;
        bool twoLayers;
        test::TextPieces pieces;
        SolutionMethod method = kDefaultSolutionMethod;
    };
    const std::vector<Row> rows = {
        {AnalysisType::GivenStrength,
         true,
         {{"Unit weight of lower layer of slurry,   [kN/m", "Unit weight of upper layer of slurry",
           "Specified height of lower layer of slurry, Hin-L,   [m]",
           "Geosynthetic with ULTIMATE strength of 100.00 [kN/m] was specified.",
           "ULTIMATE geosynthetic strength of", "Cross-sectional area of upper layer of slurry",
           "Total storage capacity of tube per unit length"},
          {"Unit weight of slurry,"}}},
        {AnalysisType::GivenStrength,
         false,
         {{"Unit weight of layer of slurry,", "Cross-sectional area of layer of slurry,"},
          {"upper layer of slurry", "Hin-L"}}},
        {AnalysisType::GivenHeight,
         true,
         {{"Maximum height of 2.50 [m] was specified.", "maximum tube height of 2.5 [m]."}, {}}},
        {AnalysisType::GivenPressure,
         true,
         {{"Unit weight of slurry,   [kN/m", "Unit weight of fluid outside tube,   [kN/m",
           "Pumping pressure at inlet of 20.00 [kPa] was specified.", "pumping pressure of ",
           "Cross-sectional area of slurry,"},
          {"Hin-L", "Total storage capacity", "upper layer"}},
         SolutionMethod::Classic},
        // The exact method solves a given pressure with the layers as entered.
        {AnalysisType::GivenPressure,
         true,
         {{"Unit weight of lower layer of slurry,   [kN/m", "Unit weight of upper layer of slurry",
           "Unit weight of fluid outside tube, upper layer,",
           "Specified height of lower layer of slurry, Hin-L,   [m]",
           "Pumping pressure at inlet of 20.00 [kPa] was specified.",
           "Cross-sectional area of upper layer of slurry",
           "Total storage capacity of tube per unit length"},
          {"Unit weight of slurry,", "Cross-sectional area of slurry,"}},
         SolutionMethod::Exact},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(int(row.type) * 10 + row.twoLayers);
        SCOPED_TRACE(solutionMethodName(row.method));
        const ProjectRecord r = solvedProject(row.type, row.twoLayers, false, row.method);
        const PdfText pdf = writeAndRead(r);
        ASSERT_EQ(pdf.pages, 3);
        const std::string &p2 = pdf.pageTexts[1];
        test::expectPieces(p2, row.pieces, contains);
        expectCommonInputAndResults(p2, r);
        // Title page identification.
        for (const char *text : {"PROJECT IDENTIFICATION", "2026-117 -- B", "Port Works Ltd.",
                                 "Harbourtown, ST  12345", "E-Mail :"})
            EXPECT_TRUE(contains(pdf.pageTexts[0], text)) << text;
    }
}

// The results text file echoes the layering the run solved: one slurry in one
// outside fluid for a classic given pressure, the layers as entered for an exact one.
TEST(ReportPdf, ResultsTextOfAGivenPressureNamesTheLayersItsMethodSolved)
{
    const std::vector<std::string> oneSlurry
        = {"Unit weight of slurry         ", "Unit weight of fluid outside tube      ",
           "Cross-sectional area of slurry    "};
    const std::vector<std::string> layers = {"Unit weight of lower layer of slurry",
                                             "Unit weight of upper layer of slurry",
                                             "Unit weight of fluid outside tube, upper layer",
                                             "Specified height of lower layer of slurry, Hin-L",
                                             "Cross-sectional area of upper layer of slurry",
                                             "Total storage capacity"};
    for (SolutionMethod method : {SolutionMethod::Classic, SolutionMethod::Exact}) {
        SCOPED_TRACE(solutionMethodName(method));
        const ProjectRecord r = solvedProject(AnalysisType::GivenPressure, true, false, method);
        const bool exact = method == SolutionMethod::Exact;
        test::expectPieces(resultsText(r),
                           {exact ? layers : oneSlurry, exact ? oneSlurry : layers});
    }
}

TEST(ReportPdf, EnglishUnitsOnThePages)
{
    const ProjectRecord r = solvedProject(AnalysisType::GivenStrength, true, true);
    const PdfText pdf = writeAndRead(r);
    ASSERT_EQ(pdf.pages, 3);
    EXPECT_EQ(valueAfter(pdf.pageTexts[1], "Circumference of tube,   [ft]"), "32.8");
    EXPECT_TRUE(contains(pdf.pageTexts[1], "[lb/ft] was specified."));
    EXPECT_TRUE(contains(pdf.pageTexts[2], "T-ult (axial) ="));
    EXPECT_TRUE(contains(pdf.pageTexts[2], " [psi]"));
}

TEST(ReportPdf, DescriptionBreaksAtBlanks)
{
    std::string seventyFive(75, 'x');
    seventyFive[50] = ' ';
    auto lines = titlePageDescriptionLines(seventyFive);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].size(), 50u);
    EXPECT_EQ(lines[1].size(), 24u);

    const std::string noBlank(150, 'y');
    lines = titlePageDescriptionLines(noBlank);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].size(), 70u);
    EXPECT_EQ(lines[2].size(), 10u);
    EXPECT_EQ(titlePageDescriptionLines(std::string(1000, 'z')).size(), 6u);
    EXPECT_TRUE(titlePageDescriptionLines("").empty());

    ProjectRecord r = solvedProject(AnalysisType::GivenStrength, true);
    std::string text(75, 'd');
    text[50] = ' ';
    r.info.description = RecordText(text);
    const PdfText pdf = writeAndRead(r);
    EXPECT_TRUE(contains(pdf.pageTexts[0], std::string(50, 'd') + "\n"));
    EXPECT_TRUE(contains(pdf.pageTexts[0], std::string(24, 'd')));
    EXPECT_FALSE(contains(pdf.pageTexts[0], std::string(51, 'd')));
}

TEST(ReportPdf, ProjectPathShortening)
{
    auto pathOf = [](std::size_t n) {
        std::string p = "/";
        for (std::size_t i = 1; i < n; ++i)
            p += char('a' + i % 26);
        return p;
    };
    EXPECT_EQ(titlePagePathLines(pathOf(60)).size(), 1u);
    const auto two = titlePagePathLines(pathOf(61));
    ASSERT_EQ(two.size(), 2u);
    EXPECT_EQ(two[0], pathOf(61).substr(0, 55) + ".....");
    EXPECT_EQ(two[1], "....." + pathOf(61).substr(55));
    EXPECT_EQ(headerPathText(pathOf(100)), pathOf(100));
    const std::string p101 = pathOf(101);
    EXPECT_EQ(headerPathText(p101), p101.substr(0, 3) + "....." + p101.substr(11));

    ProjectRecord r = solvedProject(AnalysisType::GivenStrength, true);
    r.info.projectPath = p101;
    const PdfText pdf = writeAndRead(r);
    for (const std::string &page : pdf.pageTexts)
        EXPECT_TRUE(contains(page, p101.substr(0, 3) + "....." + p101.substr(11)));
    EXPECT_TRUE(contains(pdf.pageTexts[0], p101.substr(0, 55) + "....."));
    EXPECT_TRUE(contains(pdf.pageTexts[0], "....." + p101.substr(55)));
}

TEST(ReportPdf, FullTitlePageKeepsCompanyBlockAboveCreditBox)
{
    ProjectRecord r = solvedProject(AnalysisType::GivenStrength, true);
    r.info.description.cp1252.clear();
    for (int i = 0; i < 60; ++i)
        r.info.description.cp1252 += "word" + std::to_string(i % 10) + "xxxx ";
    r.info.projectPath = "/" + std::string(120, 'p');
    r.info.companyStreet2 = "Building 4, Second Floor";
    const PdfText pdf = writeAndRead(r, "full-title.pdf");
    const std::string &p1 = pdf.pageTexts[0];
    const auto email = p1.find("office@example.com");
    const auto heading = p1.find("Design philosophy:");
    ASSERT_NE(email, std::string::npos);
    ASSERT_NE(heading, std::string::npos);
    // The e-mail line and the credit heading are separate lines, in that order.
    EXPECT_LT(email, heading);
    EXPECT_NE(p1.find('\n', email), p1.find('\n', heading));
    EXPECT_TRUE(contains(p1, "Building 4, Second Floor"));
}

TEST(ReportPdf, ScaleBarLabelsFollowTheHeight)
{
    struct Row
    {
        double heightMetres;
        double widthMetres;
        std::vector<std::string> labels;
        std::string absent;
    };
    const std::vector<Row> rows = {
        {2.0, 5.0, {"1.0", "2.0"}, "3"},
        {2.01, 5.0, {"1", "2", "3", "4"}, "1.0"},
        {35.0, 60.0, {"10", "20", "40", "50"}, "15"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.heightMetres);
        ProjectRecord r = solvedProject(AnalysisType::GivenStrength, true);
        r.solution.maxHeight = row.heightMetres;
        r.solution.maxWidth = row.widthMetres;
        const PdfText pdf = writeAndRead(r);
        const std::string &p3 = pdf.pageTexts[2];
        const auto at = p3.find("SCALE:");
        ASSERT_NE(at, std::string::npos);
        const std::string scale = p3.substr(at, p3.find("Circumference =") - at);
        for (const std::string &label : row.labels)
            EXPECT_TRUE(contains(scale, label)) << label << "\n" << scale;
        EXPECT_TRUE(contains(scale, "[m]"));
        EXPECT_FALSE(contains(scale, row.absent)) << scale;
    }
}

TEST(ReportPdf, ScaleBarOfSmallTubesStaysInsideTheFrame)
{
    struct Case
    {
        double circumference; // m
        bool english;
        const char *unit;
    };
    // Tubes of 3, 4 and 7 m and one of 20 ft, filled at 30 kPa: drawn at a large
    // scale, so the bar for their height would run past the frame.
    const Case cases[] = {{3, false, "[m]"},
                          {4, false, "[m]"},
                          {7, false, "[m]"},
                          {20 / 3.28084, true, "[ft]"},
                          {10, false, "[m]"}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.circumference);
        ProjectRecord r;
        resetProject(r, "/tmp");
        r.input.circumference = c.circumference;
        r.input.analysisType = AnalysisType::GivenPressure;
        r.input.pumpingPressure = 30;
        r.display.unitSystem = c.english ? UnitSystem::English : UnitSystem::SI;
        ASSERT_FALSE(runAnalysis(r).refused());
        const std::vector<Word> words = pageWords(r, 3, "small-tube.pdf");
        expectInsideFrame(words);
        // The unit closes the row of tick labels below "SCALE:".
        const auto scale = std::find_if(words.begin(), words.end(),
                                        [](const Word &w) { return w.text == "SCALE:"; });
        ASSERT_NE(scale, words.end());
        int ticks = 0;
        bool unit = false;
        for (const Word &w : words) {
            if (w.yMin > scale->yMin + 5 && w.yMin < scale->yMin + 25) {
                unit = unit || w.text == c.unit;
                ticks += w.text != c.unit;
            }
        }
        EXPECT_TRUE(unit);
        EXPECT_GE(ticks, 3);
    }
}

TEST(ReportPdf, SmallResultsKeepTwoSignificantDigits)
{
    // A flat tube: 20 m around, 1 m high, by the classic searches, whose working
    // tensions are below 1 kN/m.
    ProjectRecord r = solvedProject(AnalysisType::GivenHeight, true);
    r.input.circumference = 20;
    r.input.desiredMaxHeight = 1;
    ASSERT_FALSE(runAnalysis(r, SolutionMethod::Classic).refused());
    const PdfText pdf = writeAndRead(r, "flat-tube.pdf");
    const std::string &p2 = pdf.pageTexts[1];
    const std::string label = "Tensial force at WORKING conditions, [kN/m]";
    const auto first = squeeze(p2).find(squeeze(label));
    ASSERT_NE(first, std::string::npos) << p2;
    const std::string value = valueAfter(p2, label);
    EXPECT_NE(value, "0");
    EXPECT_GT(std::stod(value), 0.1);
    EXPECT_LT(std::stod(value), 1);
    EXPECT_EQ(value.size(), 4u) << value; // 0.xx
}

TEST(ReportPdf, LongTitlePageFieldsStayInsideTheFrame)
{
    ProjectRecord r = solvedProject(AnalysisType::GivenStrength, true);
    r.info.title = RecordText(std::string(40, 'W'));
    r.info.projectNumber = RecordText(std::string(80, 'M'));
    r.info.projectNumberSuffix = RecordText(std::string(30, 'M'));
    r.info.client = RecordText(std::string(150, 'W'));
    r.info.designer = RecordText(std::string(200, 'W'));
    r.info.dateTime = RecordText(std::string(120, 'W'));
    r.info.companyName = RecordText(std::string(100, 'W'));
    r.info.companyStreet1 = RecordText(std::string(100, 'W'));
    r.info.companyStreet2 = RecordText(std::string(100, 'W'));
    r.info.companyCity = RecordText(std::string(30, 'W'));
    r.info.companyState = RecordText(std::string(20, 'W'));
    r.info.companyZip = RecordText(std::string(20, 'W'));
    r.info.companyEmail = RecordText(std::string(30, 'W'));
    r.info.description = RecordText(std::string(600, 'W'));
    r.info.projectPath = "/" + std::string(58, 'W') + "/" + std::string(120, 'W') + "/dike.Vdx";
    const std::vector<Word> words = pageWords(r, 1, "long-fields.pdf");
    expectInsideFrame(words);
    // Cut fields say so; the file name at the end of the path stays.
    bool elided = false, fileName = false;
    for (const Word &w : words) {
        elided = elided || w.text.find("...") != std::string::npos;
        fileName = fileName || w.text.find("dike.Vdx") != std::string::npos;
    }
    EXPECT_TRUE(elided);
    EXPECT_TRUE(fileName);
}

TEST(ReportPdf, FontsEmbeddedAndLogoOnlyWhenReadable)
{
    ProjectRecord r = solvedProject(AnalysisType::GivenStrength, true);
    PdfText pdf = writeAndRead(r, "fonts.pdf");
    EXPECT_TRUE(contains(pdf.fonts, "LiberationSerif")) << pdf.fonts;
    EXPECT_FALSE(contains(pdf.fonts, "Identity-H no")) << pdf.fonts; // every font embedded

    // A 1×1 24-bit logo and a PNG one are pictures in the PDF; a broken logo leaves
    // the title page without any, and an SVG one is drawn as vectors.
    std::string bmp(58, '\0');
    const unsigned char header[] = {'B', 'M', 58, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40,
                                    0,   0,   0,  1, 0, 0, 0, 1, 0, 0, 0,  1, 0, 24};
    std::copy(std::begin(header), std::end(header), bmp.begin());
    std::string broken = bmp;
    broken[0] = 'X';
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(QImage(2, 1, QImage::Format_RGB32).save(&buffer, "PNG"));
    const struct
    {
        const char *name;
        std::string bytes;
        bool picture;
    } logos[] = {
        {"logo.bmp", bmp, true},
        {"broken.bmp", broken, false},
        {"logo.png", png.toStdString(), true},
        {"logo.svg",
         "<svg xmlns=\"http://www.w3.org/2000/svg\"><rect width=\"4\" height=\"2\"/></svg>", false},
    };
    static QTemporaryDir dir;
    for (const auto &logo : logos) {
        SCOPED_TRACE(logo.name);
        QFile file(dir.filePath(logo.name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(logo.bytes.data(), qint64(logo.bytes.size()));
        file.close();
        r.info.logoPath = RecordText(file.fileName().toStdString());
        r.info.includeLogo = true;
        pdf = writeAndRead(r, file.fileName().section('/', -1) + ".pdf");
        EXPECT_EQ(pdf.pages, 3);
        EXPECT_EQ(contains(pdf.images, "image"), logo.picture) << pdf.images;
    }
}

// The designer is the document's author, as typed beyond ASCII too; without a
// designer there is none. The file stays whole with its title.
TEST(ReportPdf, DesignerIsTheAuthor)
{
    ProjectRecord r = solvedProject(AnalysisType::GivenStrength, true);
    const struct
    {
        const char *designer; // Windows-1252
        const char *author; // nullptr: none
    } rows[] = {
        {"A. Engineer", "A. Engineer"},
        {"Jos\xE9 M\xFCller \x80 (a\\b)", "Jos\u00E9 M\u00FCller \u20AC (a\\b)"},
        {"", nullptr},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.designer);
        r.info.designer = RecordText(row.designer);
        const PdfText pdf = writeAndRead(r, "author.pdf");
        EXPECT_EQ(pdf.pages, 3);
        EXPECT_TRUE(contains(pdf.info, "Title:          Harbour basin dewatering")) << pdf.info;
        EXPECT_EQ(contains(pdf.info, "Author:"), row.author != nullptr) << pdf.info;
        if (row.author) {
            EXPECT_TRUE(contains(pdf.info, std::string("Author:         ") + row.author))
                << pdf.info;
        }
    }
}

TEST(ReportPdf, UnwritableTargetIsReported)
{
    const ProjectRecord r = solvedProject(AnalysisType::GivenStrength, true);
    const auto failure = writeReportPdf(r, "/nonexistent-dir/x.pdf");
    ASSERT_TRUE(failure);
    EXPECT_FALSE(failure->messageText.empty());
}

TEST(ReportPdf, ResultsPageNamesTheMethodAndTheMissedObjective)
{
    ProjectRecord r = solvedProject(AnalysisType::GivenHeight, true);
    r.input.desiredMaxHeight = 3.0;
    ASSERT_FALSE(runAnalysis(r, SolutionMethod::Exact).refused());
    PdfText pdf = writeAndRead(r, "exact.pdf");
    ASSERT_GE(pdf.pages, 2);
    EXPECT_TRUE(contains(pdf.pageTexts[1], "Solution method: exact.")) << pdf.pageTexts[1];
    EXPECT_FALSE(contains(pdf.pageTexts[1], "NOT CONVERGED"));

    ASSERT_FALSE(runAnalysis(r, SolutionMethod::Classic).refused());
    pdf = writeAndRead(r, "classic.pdf");
    EXPECT_FALSE(contains(pdf.pageTexts[1], "Solution method"));
    EXPECT_TRUE(
        contains(pdf.pageTexts[1], "NOT CONVERGED: the results may not correspond to input data."))
        << pdf.pageTexts[1];
}

// The project's file and title beyond ASCII read on the pages as typed.
TEST(ReportPdf, NonAsciiFileNameAndTitleOnThePages)
{
    ProjectRecord r = solvedProject(AnalysisType::GivenStrength, true);
    r.info.projectPath = "/home/user/caf\xC3\xA9.Vdx"; // UTF-8, as the system names it
    r.info.title = RecordText("Caf\xE9 dike"); // Windows-1252, as the project file holds it
    const PdfText pdf = writeAndRead(r, "non-ascii.pdf");
    ASSERT_FALSE(pdf.pageTexts.empty());
    EXPECT_TRUE(contains(pdf.pageTexts[0], "/home/user/caf\xC3\xA9.Vdx")) << pdf.pageTexts[0];
    for (const std::string &page : pdf.pageTexts) {
        EXPECT_TRUE(contains(page, "Caf\xC3\xA9 dike"));
        EXPECT_FALSE(contains(page, "\xC3\x83")) << "encoded twice";
    }
}

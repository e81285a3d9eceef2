// Pages of the printed report: written as PDF files, then drawn as pictures at
// 80 dots per inch by pdftoppm.
#include "../gui/report_project.h"
#include "engine/analysis_run.h"
#include "graphics/report_pdf.h"
#include "screenshot_folder.h"

#include <QPainter>
#include <QPainterPath>
#include <QProcess>
#include <QSvgGenerator>
#include <QTemporaryDir>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace vendrix::screenshots {
namespace {

constexpr const char *kPrintedOn = "Tue Dec  8 07:01:11 2026";

struct PageShot
{
    QString pdf;
    int page;
    QString picture;
};

// The company logo of the example: a sun over two waves, 600 by 120.
void paintLogo(QPainter &painter)
{
    painter.fillRect(QRectF(0, 0, 600, 120), QColor(121, 160, 201));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const auto wave = [](double level, double height) {
        QPainterPath path(QPointF(0, 120));
        for (int x = 0; x <= 600; x += 5)
            path.lineTo(x, level - height * std::sin(x / 600.0 * 2 * M_PI * 1.5));
        path.lineTo(600, 120);
        path.closeSubpath();
        return path;
    };
    painter.setBrush(QColor(229, 199, 64));
    painter.drawPath(wave(66, 22));
    painter.setBrush(QColor(40, 70, 120));
    painter.drawPath(wave(80, 22));
    painter.setBrush(QColor(250, 250, 250));
    painter.drawEllipse(QPointF(55, 62), 38, 38);
}

// The logo as a picture file: "bmp", "png", "jpeg" or, drawn as vectors, "svg".
QString writeLogo(const QTemporaryDir &dir, const QString &format = "bmp")
{
    const QString path = dir.filePath("logo." + format);
    if (format == "svg") {
        QSvgGenerator svg;
        svg.setFileName(path);
        svg.setSize(QSize(600, 120));
        svg.setViewBox(QRect(0, 0, 600, 120));
        QPainter painter(&svg);
        paintLogo(painter);
        return path;
    }
    QImage logo(600, 120, QImage::Format_RGB32);
    QPainter painter(&logo);
    paintLogo(painter);
    painter.end();
    return logo.save(path, format.toLatin1().constData()) ? path : QString();
}

bool writeReport(ScreenshotFolder &folder, const ProjectRecord &record, const QString &path,
                 QPageSize::PageSizeId paper)
{
    const auto failure = writeReportPdf(record, path.toStdString(), QPageSize(paper), kPrintedOn);
    if (!failure)
        return true;
    folder.fail(path + ": " + QString::fromStdString(failure->messageText));
    return false;
}

// The title page with the logo as PNG, JPEG and SVG.
bool writeLogoReports(ScreenshotFolder &folder, const QTemporaryDir &dir, ProjectRecord r)
{
    bool written = true;
    for (const QString format : {"png", "jpeg", "svg"}) {
        r.info.logoPath = RecordText(writeLogo(dir, format).toStdString());
        written = written
            && writeReport(folder, r, dir.filePath("logo-" + format + ".pdf"), QPageSize::A4);
    }
    return written;
}

// The report of a solved project shown as consolidated by Option 2 (so it has
// its fourth page), on A4 and Letter and in black and white on A4; and a small
// tube, drawn at a large scale with a short scale bar.
bool writeReports(ScreenshotFolder &folder, const QTemporaryDir &dir)
{
    ProjectRecord r = test::reportProject(AnalysisType::GivenStrength, true);
    ProjectRecord small = test::reportProject(AnalysisType::GivenPressure, true);
    // Run as filled first, as the user would before shrinking the tube.
    bool refused = runAnalysis(r).refused() || runAnalysis(small).refused();
    small.input.circumference = 7;
    small.input.pumpingPressure = 30;
    if (refused || runAnalysis(small).refused()) {
        folder.fail("a report project was refused");
        return false;
    }
    small.state.shapeShown = Shape::AsFilled;
    r.info.description = "Dewatering of dredged harbour sediment in geosynthetic tubes placed "
                         "on the prepared platform next to the eastern basin; two layers of "
                         "slurry, outside water up to two metres.";
    r.info.logoPath = RecordText(writeLogo(dir).toStdString());
    r.info.includeLogo = true;
    r.state.shapeShown = Shape::Option2;
    r.consolidation.finalHeight = r.solution.maxHeight * 0.62;
    r.consolidation.consolidatedArea = r.solution.totalArea * 0.55;
    bool written = writeReport(folder, r, dir.filePath("a4.pdf"), QPageSize::A4)
        && writeLogoReports(folder, dir, r)
        && writeReport(folder, r, dir.filePath("letter.pdf"), QPageSize::Letter)
        && writeReport(folder, small, dir.filePath("small.pdf"), QPageSize::A4);
    // The design check page ends the report when it is chosen.
    ProjectRecord checked = r;
    checked.display.addDesignCheckPage = true;
    checked.designCheck = sampleDesignCheck();
    written = written && writeReport(folder, checked, dir.filePath("check.pdf"), QPageSize::A4);
    r.display.printBlackWhite = true;
    r.solution.convergenceWarning = true;
    return written && writeReport(folder, r, dir.filePath("bw.pdf"), QPageSize::A4);
}

void drawPage(ScreenshotFolder &folder, const QTemporaryDir &dir, const PageShot &shot)
{
    const QString page = QString::number(shot.page);
    const QString target = folder.filePath(shot.picture);
    QProcess pdftoppm;
    pdftoppm.start("pdftoppm",
                   {"-r", "80", "-png", "-f", page, "-l", page, "-singlefile",
                    dir.filePath(shot.pdf), target.chopped(4)});
    if (!pdftoppm.waitForFinished(60000) || pdftoppm.exitCode() != 0)
        folder.fail("pdftoppm could not draw " + shot.picture);
    else
        folder.countWritten();
}

} // namespace

void takeReportPictures(ScreenshotFolder &folder)
{
    QTemporaryDir dir;
    if (!writeReports(folder, dir))
        return;
    std::vector<PageShot> shots;
    for (int page = 1; page <= 4; ++page) {
        shots.push_back({"a4.pdf", page, QString("report-page-%1.png").arg(page)});
        shots.push_back({"letter.pdf", page, QString("report-letter-page-%1.png").arg(page)});
    }
    shots.push_back({"bw.pdf", 3, "report-bw-page-3.png"});
    shots.push_back({"bw.pdf", 4, "report-bw-page-4.png"});
    shots.push_back({"small.pdf", 3, "report-small-tube-page-3.png"});
    for (const QString format : {"png", "jpeg", "svg"})
        shots.push_back({"logo-" + format + ".pdf", 1, "report-title-logo-" + format + ".png"});
    shots.push_back({"check.pdf", 5, "report-design-check-page.png"});
    for (const PageShot &shot : shots)
        drawPage(folder, dir, shot);
}

} // namespace vendrix::screenshots

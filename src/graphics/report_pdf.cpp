#include "graphics/report_pdf.h"

#include "graphics/locale_paper.h"
#include "graphics/pdf_author.h"
#include "graphics/qt_text.h"
#include "graphics/report_pages.h"
#include "model/atomic_file.h"
#include "model/c_format.h"
#include "vendrix_version.h"

#include <QBuffer>
#include <QFileInfo>
#include <QLocale>
#include <QMarginsF>
#include <QPageLayout>
#include <QPdfWriter>

#include <ctime>

namespace vendrix {

std::optional<Failure> writeReportPdf(const ProjectRecord &record,
                                      const std::filesystem::path &path)
{
    // The page frame fits A4 and Letter alike at true size.
    return writeReportPdf(record, path, localePaperSize(), asctimeText(std::time(nullptr)));
}

std::optional<Failure> writePdfFile(const std::filesystem::path &path, const QString &title,
                                    const QPageSize &pageSize, const PdfPainting &paint,
                                    const std::string &what, const QString &author)
{
    // Made in memory and written like every other output, so a special file or
    // a link as target is handled the same way.
    QByteArray bytes;
    QBuffer file(&bytes);
    file.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&file);
        writer.setResolution(1200);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Vendrix Version " VENDRIX_VERSION));
        // Quarter-inch margins leave the whole page frame inside the printable area.
        writer.setPageLayout(QPageLayout(pageSize, QPageLayout::Portrait, QMarginsF(18, 18, 18, 18),
                                         QPageLayout::Point));
        if (!paint(writer))
            return Failure::aboutFile("Cannot draw " + what + " into %1", path);
    }
    file.close();
    return writeFileAtomically(
        path, withPdfAuthor(std::string(bytes.constData(), std::size_t(bytes.size())), author));
}

std::optional<Failure> writeReportPdf(const ProjectRecord &record,
                                      const std::filesystem::path &path, const QPageSize &pageSize,
                                      const std::string &printedOn)
{
    const QString title
        = toQString(record.info.title.cp1252.empty() ? std::string("Vendrix report")
                                                     : printableLine(record.info.title.cp1252));
    const auto paint = [&record, &printedOn](QPdfWriter &writer) {
        ReportPrintSetup setup;
        setup.pageCount = reportPageCount(record);
        setup.printedOn = printedOn;
        return paintReport(writer, record, setup, 1, setup.pageCount);
    };
    return writePdfFile(path, title, pageSize, paint, "the report",
                        toQString(printableLine(record.info.designer.cp1252)));
}

} // namespace vendrix

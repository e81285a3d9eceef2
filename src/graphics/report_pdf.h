#pragma once
// The printed report written to a PDF file without any window (batch mode and
// the desktop program alike).

#include "model/failure.h"
#include "model/project_record.h"

#include <QPageSize>
#include <QPdfWriter>
#include <QString>
#include <filesystem>

#include <functional>
#include <optional>
#include <string>

namespace vendrix {

// Writes 3 pages, or 4 with the consolidation page (see reportPageCount), in
// colour or black and white and with the logo as the project settings say, on
// the paper of the user's locale (LC_PAPER). The designer is the document's author.
// The file is replaced only when complete; a failure otherwise.
std::optional<Failure> writeReportPdf(const ProjectRecord &record,
                                      const std::filesystem::path &path);

// Pages painted by `paint` into a PDF at 1200 dots per inch with quarter-inch
// margins, written to `path` only when complete; `what` names the document in
// the failure when painting fails; a non-empty `author` is the document's author.
using PdfPainting = std::function<bool(QPdfWriter &)>;
std::optional<Failure> writePdfFile(const std::filesystem::path &path, const QString &title,
                                    const QPageSize &pageSize, const PdfPainting &paint,
                                    const std::string &what, const QString &author = QString());

// The same with a chosen paper size and print time (asctime form).
std::optional<Failure> writeReportPdf(const ProjectRecord &record,
                                      const std::filesystem::path &path, const QPageSize &pageSize,
                                      const std::string &printedOn);

} // namespace vendrix

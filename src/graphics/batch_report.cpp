#include "graphics/batch_report.h"

#include "graphics/report_pages.h"
#include "graphics/report_pdf.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace vendrix {

namespace {

// The batch command prints only its own messages: the toolkit's notes about the
// session (a missing XDG_RUNTIME_DIR on machines without a desktop login, font
// and platform remarks) are left out; its errors still reach the error stream.
void batchMessageHandler(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "vendrix run: %s\n", qPrintable(message));
}

} // namespace

std::optional<Failure> ensureGraphicsApplication()
{
    if (!QCoreApplication::instance()) {
        // Fonts need a graphics application; the batch command has no window.
        if (!std::getenv("QT_QPA_PLATFORM"))
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
        static int argc = 1;
        static char name[] = "vendrix";
        static char *argv[] = {name, nullptr};
        qInstallMessageHandler(batchMessageHandler);
        static QGuiApplication *application = new QGuiApplication(argc, argv);
        (void)application;
    } else if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        return Failure::plain("Drawing needs a graphics application object");
    }
    return std::nullopt;
}

std::optional<Failure> writeReportPdfInBatch(const ProjectRecord &record,
                                             const std::filesystem::path &path,
                                             const QPageSize &paper)
{
    if (auto failure = ensureGraphicsApplication())
        return failure;
    return writeReportPdf(record, path, paper, asctimeText(std::time(nullptr)));
}

} // namespace vendrix

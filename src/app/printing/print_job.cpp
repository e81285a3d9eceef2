#include "app/printing/print_job.h"

#include "app/dialogs/common/dialog_runner.h"
#include "app/printing/add_page_dialog.h"
#include "app/printing/printout_graphics_dialog.h"
#include "graphics/logo_picture.h"
#include "graphics/qt_text.h"
#include "graphics/report_pages.h"
#include "vendrix_version.h"

#include <QAction>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>

#include <algorithm>
#include <ctime>

namespace vendrix {

bool printingAvailable(const ProjectRecord &record)
{
    return record.state.resultsValid;
}

int preparePrintJob(const ProjectRecord &record, ReportOptions &options, const UiServices &services,
                    QWidget *parent, const std::function<int(QDialog &)> &runDialog)
{
    const bool consolidated
        = record.state.shapeShown == Shape::Option1 || record.state.shapeShown == Shape::Option2;
    int pages = 3;
    if (consolidated) {
        AddPageDialog dialog(record, options, services, parent);
        runDialog(dialog);
        pages = dialog.addConsolidationPage() ? 4 : 3;
    } else {
        PrintoutGraphicsDialog dialog(record, options, services, parent);
        runDialog(dialog);
    }
    if (options.addDesignCheckPage)
        ++pages;
    // The report leaves out a logo it cannot print; the user hears why.
    if (options.includeLogo && !record.info.logoPath.cp1252.empty()) {
        if (const auto problem = logoProblem(record.info.logoPath.cp1252);
            problem && services.message)
            services.message(parent, toQString(*problem));
    }
    return pages;
}

void placePreviewWindow(QPrintPreviewDialog &dialog, QWidget *parent)
{
    if (parent != nullptr) {
        QWidget *window = parent->window();
        dialog.setGeometry(window->geometry());
        if (window->screen())
            dialog.setScreen(window->screen());
    }
    dialog.setWindowState(dialog.windowState() | Qt::WindowMaximized);
    // The dialog fits the whole page into its view when it first shows; the
    // page width is what makes the text readable. Its own "Fit width" button
    // is pressed, so that the toolbar shows the zoom in use.
    QAction *fitWidth = nullptr;
    for (QAction *action : dialog.findChildren<QAction *>())
        if (action->isCheckable() && action->text() == QPrintPreviewDialog::tr("Fit width"))
            fitWidth = action;
    auto *view = dialog.findChild<QPrintPreviewWidget *>();
    QObject::connect(
        &dialog, &QPrintPreviewDialog::paintRequested, &dialog,
        [fitWidth, view] {
            if (fitWidth != nullptr && !fitWidth->isChecked())
                fitWidth->trigger();
            else if (view != nullptr)
                view->setZoomMode(QPrintPreviewWidget::FitToWidth);
        },
        Qt::SingleShotConnection);
}

void printReport(const ProjectRecord &record, const ReportOptionsCommit &commit,
                 const UiServices &services, QWidget *parent, bool preview,
                 const QPrinter *printerSetup)
{
    if (!printingAvailable(record))
        return;
    ReportOptions options = reportOptionsOf(record);
    ReportPrintSetup setup;
    setup.pageCount = preparePrintJob(record, options, services, parent, execRunner());
    if (commit)
        commit(options);
    // The pages follow the choices even where nobody stores them.
    ProjectRecord printed = record;
    applyReportOptions(options, printed);
    setup.printedOn = asctimeText(std::time(nullptr));

    QPrinter printer(QPrinter::HighResolution);
    if (printerSetup != nullptr) {
        if (printerSetup->outputFormat() == QPrinter::NativeFormat
            && !printerSetup->printerName().isEmpty())
            printer.setPrinterName(printerSetup->printerName());
        printer.setPageLayout(printerSetup->pageLayout());
    }
    printer.setDocName(toQString(record.info.title.cp1252.empty() ? std::string("Vendrix report")
                                                                  : record.info.title.cp1252));
    printer.setCreator(QStringLiteral("Vendrix Version " VENDRIX_VERSION));
    printer.setFromTo(1, setup.pageCount);
    const ProjectRecord &data = printed;
    auto paint = [&data, &setup](QPrinter *target) {
        int first = 1, last = setup.pageCount;
        if (target->printRange() == QPrinter::PageRange && target->fromPage() > 0) {
            first = std::max(1, target->fromPage());
            last = std::min(setup.pageCount, target->toPage());
        }
        if (first <= last)
            paintReport(*target, data, setup, first, last);
    };
    if (preview) {
        QPrintPreviewDialog dialog(&printer, parent);
        dialog.setWindowTitle(QObject::tr("Print Preview"));
        QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, paint);
        placePreviewWindow(dialog, parent);
        runModal(dialog);
        return;
    }
    // The printer dialog offers "Print to File (PDF)" among its printers.
    QPrintDialog dialog(&printer, parent);
    dialog.setMinMax(1, setup.pageCount);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    if (runModal(dialog) == QDialog::Accepted)
        paint(&printer);
}

} // namespace vendrix

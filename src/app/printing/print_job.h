#pragma once
// File > Print and File > Print Preview: the option dialog, then the printer
// dialog (which also offers printing to a PDF file) or the preview window.

#include "app/printing/report_options.h"
#include "app/ui_services.h"
#include "model/project_record.h"

#include <functional>

class QDialog;
class QPrintPreviewDialog;
class QPrinter;
class QWidget;

namespace vendrix {

// Print and Print Preview are offered only while the results are valid.
bool printingAvailable(const ProjectRecord &record);

// Shows the option dialog that fits the shown shape through `runDialog` (returns
// the dialog's exec() result), which writes the choices into `options`, and
// returns the page count of the job: 4 when a consolidated shape is shown and
// its page was chosen, else 3.
int preparePrintJob(const ProjectRecord &record, ReportOptions &options, const UiServices &services,
                    QWidget *parent, const std::function<int(QDialog &)> &runDialog);

// The preview window stands maximised over the program's window and shows the
// pages as wide as it allows (not as a small window at half size).
void placePreviewWindow(QPrintPreviewDialog &dialog, QWidget *parent);

// Where the options chosen for a job go: the project document stores them.
using ReportOptionsCommit = std::function<void(const ReportOptions &)>;

// The whole job with the real dialogs. Does nothing without valid results. The
// options chosen are handed to `commit` and printed; `printerSetup` carries
// the printer, paper and orientation chosen under Print Setup.
void printReport(const ProjectRecord &record, const ReportOptionsCommit &commit,
                 const UiServices &services, QWidget *parent, bool preview,
                 const QPrinter *printerSetup = nullptr);

} // namespace vendrix

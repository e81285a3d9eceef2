#pragma once
// File > Print and File > Print Preview: the option dialog, then the printer
// dialog (which also offers printing to a PDF file) or the preview window.

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
// the dialog's exec() result) and returns the page count of the job: 4 when a
// consolidated shape is shown and its page was chosen, else 3.
int preparePrintJob(ProjectRecord &record, const UiServices &services, QWidget *parent,
                    const std::function<int(QDialog &)> &runDialog);

// The preview window stands maximised over the program's window and shows the
// pages as wide as it allows (not as a small window at half size).
void placePreviewWindow(QPrintPreviewDialog &dialog, QWidget *parent);

// The whole job with the real dialogs. Does nothing without valid results.
// `printerSetup` carries the printer, paper and orientation chosen under Print Setup.
void printReport(ProjectRecord &record, const UiServices &services, QWidget *parent, bool preview,
                 const QPrinter *printerSetup = nullptr);

} // namespace vendrix

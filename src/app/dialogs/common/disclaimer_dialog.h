#pragma once
// The disclaimer window ("DISCLAIMER") with its own one-page print-out, and the
// page painter shared by its print-out and the maker's contact sheet.

#include "app/dialogs/common/one_page_dialog.h"
#include "app/ui_services.h"

#include <QStringList>

#include <memory>

class QPainter;
class QPrinter;

namespace vendrix {

inline constexpr const char *kDisclaimerHeading = "D I S C L A I M E R";

// The disclaimer as printed: 25 lines of at most 72 characters, blank lines
// between the paragraphs.
const QStringList &disclaimerLines();

// Asks for the printer of a one-page print-out; nullptr means cancelled.
using OnePagePrinterChooser = PrinterChooser;
// The printer dialog for page 1 only.
OnePagePrinterChooser printDialogChooser();

// A heading and lines on one page in a 14-point sans-serif font: with h the font
// height in device pixels, the heading at x = 3 * trunc(2.5 h), y = trunc(0.8 h),
// line k (from 0) at x = trunc(2.5 h), y = trunc(0.8 h) + (k + 3) * trunc(1.25 h).
void paintTextPage(QPainter &painter, int logicalDpiY, const QString &heading,
                   const QStringList &lines);

// Prints `heading` and `lines` as one page on `printer` in a job named "test".
// False when the printer could not be started.
bool printTextPage(QPrinter &printer, const QString &heading, const QStringList &lines);

inline constexpr const char *kPrinterFailedMessage = "The printer could not be started.";

// Asks for the printer through `choose` and prints the page; a printer that
// fails is reported through `services`.
void printOnePage(const OnePagePrinterChooser &choose, const UiServices &services, QWidget *parent,
                  const QString &heading, const QStringList &lines);

class DisclaimerDialog : public OnePageDialog
{
    Q_OBJECT

public:
    explicit DisclaimerDialog(const UiServices &services, QWidget *parent = nullptr);

public slots:
    // "&PRINT": the printer dialog for one page, then the page; cancelling prints
    // nothing and keeps the window open.
    void printDisclaimer();
};

} // namespace vendrix

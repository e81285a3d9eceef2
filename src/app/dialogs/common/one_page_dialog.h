#pragma once
// OnePageDialog: an information window (the disclaimer, the maker's contact
// sheet) with the centred OK and PRINT buttons, printed on one page.

#include "app/printing/printer_choice.h"
#include "app/ui_services.h"

#include <QDialog>
#include <QStringList>

class QBoxLayout;
class QPushButton;

namespace vendrix {

class OnePageDialog : public QDialog
{
    Q_OBJECT

public:
    // Asks for the printer; the default shows the printer dialog for page 1 only.
    void setPrinterChooser(PrinterChooser chooser);

protected:
    OnePageDialog(const UiServices &services, QWidget *parent);

    // Adds the OK and PRINT buttons to `layout`; returns the PRINT button.
    QPushButton *addOkAndPrintButtons(QBoxLayout *layout);
    // The printer dialog, then the page; cancelling prints nothing.
    void printPage(const QString &heading, const QStringList &lines);

    UiServices m_services;

private:
    PrinterChooser m_choosePrinter;
};

} // namespace vendrix

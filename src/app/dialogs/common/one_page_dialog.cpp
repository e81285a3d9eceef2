#include "app/dialogs/common/one_page_dialog.h"

#include "app/dialogs/common/dialog_widgets.h"
#include "app/dialogs/common/disclaimer_dialog.h"
#include "app/dialogs/common/form_dialog.h"

#include <QBoxLayout>
#include <QPushButton>

namespace vendrix {

OnePageDialog::OnePageDialog(const UiServices &services, QWidget *parent)
    : QDialog(parent)
    , m_services(services)
    , m_choosePrinter(printDialogChooser())
{
    applyDialogFace(this, kDialogFaceColour);
}

void OnePageDialog::setPrinterChooser(PrinterChooser chooser)
{
    m_choosePrinter = std::move(chooser);
}

QPushButton *OnePageDialog::addOkAndPrintButtons(QBoxLayout *layout)
{
    QPushButton *print = nullptr;
    layout->addLayout(okAndPrintButtons(this, print));
    return print;
}

void OnePageDialog::printPage(const QString &heading, const QStringList &lines)
{
    printOnePage(m_choosePrinter, m_services, this, heading, lines);
}

} // namespace vendrix

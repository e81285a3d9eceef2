#include "app/printing/printer_choice.h"

#include "app/dialogs/common/dialog_runner.h"

#include <QPrintDialog>
#include <QPrinter>

namespace vendrix {

PrinterChooser printerDialogChooser()
{
    return [](QWidget *parent) -> std::unique_ptr<QPrinter> {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        QPrintDialog dialog(printer.get(), parent);
        if (runModal(dialog) != QDialog::Accepted)
            return nullptr;
        return printer;
    };
}

} // namespace vendrix

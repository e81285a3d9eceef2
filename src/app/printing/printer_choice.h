#pragma once
// How a window asks for the printer of its print-out: the program shows the
// printer dialog; tests replace the chooser to print without one.

#include <functional>
#include <memory>

class QPrinter;
class QWidget;

namespace vendrix {

// Asks for the printer; nullptr means cancelled.
using PrinterChooser = std::function<std::unique_ptr<QPrinter>(QWidget *parent)>;

// The printer dialog with its usual choices, for a high-resolution printer.
PrinterChooser printerDialogChooser();

} // namespace vendrix

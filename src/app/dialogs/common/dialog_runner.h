#pragma once
// How a window shows a modal dialog. The program calls exec(); tests replace the
// runner to fill in and confirm the dialog with key and mouse events.

#include <QDialog>

#include <functional>

namespace vendrix {

using DialogRunner = std::function<int(QDialog &dialog)>;

inline DialogRunner execRunner()
{
    return [](QDialog &dialog) { return dialog.exec(); };
}

} // namespace vendrix

#pragma once
// How a window shows a modal dialog. Every modal dialog of the program is run
// by runModal() or by a DialogRunner (runModal unless a test replaces it to
// fill in and confirm the dialog with key and mouse events).

#include <QDialog>

#include <functional>

namespace vendrix {

using DialogRunner = std::function<int(QDialog &dialog)>;

// Shows `dialog` modally and returns its result code.
inline int runModal(QDialog &dialog)
{
    return dialog.exec();
}

inline DialogRunner execRunner()
{
    return runModal;
}

} // namespace vendrix

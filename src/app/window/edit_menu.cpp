#include "app/window/edit_menu.h"

#include <QAction>
#include <QMenu>
#include <QUndoStack>

namespace vendrix {

namespace {

// The desktop's own redo keys, and both usual ones wherever the desktop names
// only one of them.
QList<QKeySequence> redoKeys()
{
    QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::Redo);
    for (const QKeySequence &usual :
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)}) {
        if (!keys.contains(usual))
            keys.append(usual);
    }
    return keys;
}

} // namespace

QMenu *createEditMenu(QUndoStack &steps, QWidget *window)
{
    auto *edit = new QMenu(QStringLiteral("&Edit"), window);
    edit->setObjectName(QStringLiteral("editMenu"));
    QAction *undo = steps.createUndoAction(window, QStringLiteral("&Undo"));
    undo->setObjectName(QStringLiteral("editUndo"));
    undo->setShortcuts(QKeySequence::Undo);
    undo->setStatusTip(QStringLiteral("Undo the last change of the project's data"));
    QAction *redo = steps.createRedoAction(window, QStringLiteral("&Redo"));
    redo->setObjectName(QStringLiteral("editRedo"));
    redo->setShortcuts(redoKeys());
    redo->setStatusTip(QStringLiteral("Redo the change undone last"));
    edit->addAction(undo);
    edit->addAction(redo);
    return edit;
}

} // namespace vendrix

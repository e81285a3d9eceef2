#pragma once
// Edit > Undo and Redo of the changes stored into the project: the texts name
// the step ("Undo Select Units"), the commands are enabled while there is one.

class QMenu;
class QUndoStack;
class QWidget;

namespace vendrix {

// The menu and its actions "editUndo" and "editRedo" belong to `window`.
QMenu *createEditMenu(QUndoStack &steps, QWidget *window);

} // namespace vendrix

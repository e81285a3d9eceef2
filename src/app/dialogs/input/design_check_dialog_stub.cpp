#include "app/dialogs/input/design_check_dialog.h"

namespace vendrix {

// Stands in for the inputs dialog until it is written.
void editDesignCheckInputs(QWidget *, ProjectDocument &) { }

} // namespace vendrix

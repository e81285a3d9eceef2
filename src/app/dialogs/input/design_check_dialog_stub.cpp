#include "app/dialogs/input/design_check_dialog.h"

namespace vendrix {

// Stands in for the inputs dialog until it is written: nothing is stored.
bool editDesignCheckInputs(QWidget *, ProjectRecord &, const UiServices &, const DialogRunner &)
{
    return false;
}

} // namespace vendrix

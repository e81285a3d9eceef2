#include "app/desktop_hooks.h"

#include "app/display_input_widget.h"
#include "app/graphical_results_dialog.h"

namespace vendrix {

DesktopHooks standardDesktopHooks()
{
    DesktopHooks hooks;
    hooks.showGraphicalResults = showGraphicalResults;
    hooks.createInputDisplay = [](ProjectRecord &record, QWidget *parent) -> QWidget * {
        return new CDisplyInput(record, parent);
    };
    return hooks;
}

} // namespace vendrix

#include "app/window/desktop_hooks.h"

#include "app/dialogs/results/graphical_results_window.h"
#include "app/window/input_display.h"

namespace vendrix {

DesktopHooks standardDesktopHooks()
{
    DesktopHooks hooks;
    hooks.showGraphicalResults = showGraphicalResults;
    hooks.createInputDisplay = [](ProjectRecord &record, QWidget *parent) -> QWidget * {
        return new InputDisplay(record, parent);
    };
    return hooks;
}

} // namespace vendrix

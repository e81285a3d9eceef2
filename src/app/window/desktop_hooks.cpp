#include "app/window/desktop_hooks.h"

#include "app/dialogs/results/graphical_results_window.h"
#include "app/window/input_display.h"

namespace vendrix {

DesktopHooks standardDesktopHooks()
{
    DesktopHooks hooks;
    hooks.showGraphicalResults = showGraphicalResults;
    hooks.createInputDisplay
        = [](ProjectRecord &record, const SolutionMethod &method, QWidget *parent) -> QWidget * {
        return new InputDisplay(record, method, parent);
    };
    return hooks;
}

} // namespace vendrix

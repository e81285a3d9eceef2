#pragma once
// DesignCheckWindow: the design check of the entered tube, solved by the exact
// method whatever Options chooses. Shows a summary of the inputs, the picture
// of the tube between its two water levels with the excess actions and the
// contact pressure, one row per check with its verdict in words and colour,
// and the notes that qualify the results.

#include "app/dialogs/common/input_dialog.h"
#include "post/design_check.h"

class QLabel;
class QTableWidget;

namespace vendrix {

class DesignCheckWindow : public InputDialog
{
    Q_OBJECT

public:
    // `chosen` is the program's solution method, named in the notes when it
    // is not the exact one.
    DesignCheckWindow(ProjectRecord &record, const UiServices &services, SolutionMethod chosen,
                      QWidget *parent = nullptr);

    // The check shown; empty when the exact method finds no tube.
    const std::optional<DesignCheckResult> &result() const { return m_result; }

private:
    void fillTable();

    TubeSolution m_exact;
    std::optional<DesignCheckResult> m_result;
    QTableWidget *m_table;
    QLabel *m_notes;
};

} // namespace vendrix

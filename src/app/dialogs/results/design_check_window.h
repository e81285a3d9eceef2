#pragma once
// DesignCheckWindow: the design check of the entered tube, solved by the exact
// method whatever Options chooses. Shows a summary of the inputs, the picture
// of the tube between its two water levels with the excess actions and the
// contact pressure, one row per check with its verdict in words and colour,
// and the notes that qualify the results. "Inputs..." edits the check's inputs;
// the window then shows the check again.

#include "app/dialogs/common/dialog_runner.h"
#include "app/dialogs/common/form_dialog.h"
#include "post/design_check.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace vendrix {

class DesignCheckPictureView;

class DesignCheckWindow : public FormDialog
{
    Q_OBJECT

public:
    // `chosen` is the program's solution method, named in the notes when it
    // is not the exact one.
    DesignCheckWindow(ProjectRecord &record, const UiServices &services, SolutionMethod chosen,
                      QWidget *parent = nullptr);

    // Runs the inputs dialog opened by "Inputs..." (tests answer it).
    DialogRunner runDialog = execRunner();

    // The check shown; empty when the exact method finds no tube.
    const std::optional<DesignCheckResult> &result() const { return m_result; }

    // Solves and checks the record's tube again and shows the outcome.
    void recompute();

private:
    void editInputs();
    void fillTable();

    SolutionMethod m_chosen;
    TubeSolution m_exact;
    std::optional<DesignCheckResult> m_result;
    QLabel *m_inputs;
    DesignCheckPictureView *m_picture;
    QTableWidget *m_table;
    QLabel *m_notes;
    QPushButton *m_editInputs;
};

} // namespace vendrix

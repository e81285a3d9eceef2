#pragma once
// NumericalResultsDialog: Numerical Results — the eighteen lines of the last run's
// results (and of the consolidated shape, once computed), built when it opens.

#include "app/dialogs/common/form_dialog.h"

#include <array>

class QLabel;
class QLayout;

namespace vendrix {

class NumericalResultsDialog : public FormDialog
{
    Q_OBJECT

public:
    NumericalResultsDialog(ProjectRecord &record, const UiServices &services,
                           QWidget *parent = nullptr);

    // Line n (1 to 18) as shown; objectName "line<n>".
    QString lineText(int n) const;

private:
    QLayout *createLines();
    void showNumericalResults();

    std::array<QLabel *, 18> m_lines {};
    QLabel *m_notice = nullptr; // solution method and convergence notice
};

} // namespace vendrix

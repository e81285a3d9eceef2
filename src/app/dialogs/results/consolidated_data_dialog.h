#pragma once
// ConsolidatedDataDialog: Consolidation data — specific gravity of solids and unit
// weight of the consolidated fill; runs Option 1 or Option 2 and then shows the
// cross-section.

#include "app/dialogs/common/form_dialog.h"
#include "app/dialogs/results/post_processing_hooks.h"

#include <functional>

class QLineEdit;
class QPushButton;

namespace vendrix {

class ConsolidatedDataDialog : public FormDialog
{
    Q_OBJECT

public:
    ConsolidatedDataDialog(ProjectRecord &record, const UiServices &services,
                           QWidget *parent = nullptr,
                           ConsolidationHooks hooks = defaultConsolidationHooks());

    // Shows the cross-section drawing modally once a shape has been computed
    // (the graphical results window); nothing is shown while it is empty.
    void setCrossSectionView(std::function<void(QWidget *parent)> show);

private:
    void layOut(const EditButtons &edit, QPushButton *explanation);
    void runOption(Shape option); // Option1 or Option2
    void restoreDefaults();
    void explain();

    ConsolidationHooks m_hooks;
    std::function<void(QWidget *)> m_crossSectionView;
    FieldEdit *m_gs;
    FieldEdit *m_unitWeight;
    QPushButton *m_option1;
    QPushButton *m_option2;
};

} // namespace vendrix

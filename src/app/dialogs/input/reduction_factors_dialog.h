#pragma once
// ReductionFactorsDialog: Geosynthetic Design Parameters — the five reduction factors.

#include "app/dialogs/common/form_dialog.h"

class QLineEdit;
class QPushButton;

namespace vendrix {

class ReductionFactorsDialog : public FormDialog
{
    Q_OBJECT

public:
    ReductionFactorsDialog(ProjectRecord &record, const UiServices &services,
                           QWidget *parent = nullptr);

public slots:
    void accept() override;

private:
    void layOut(const EditButtons &edit);

    FieldEdit *m_installation;
    FieldEdit *m_durability;
    FieldEdit *m_creep;
    FieldEdit *m_seamAxial;
    FieldEdit *m_seamCircumferential;
    QPushButton *m_ok;
};

} // namespace vendrix

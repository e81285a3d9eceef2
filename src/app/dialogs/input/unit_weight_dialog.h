#pragma once
// UnitWeightDialog: Unit Weight of "Water" — the unit weight of the transporting
// medium, opened from the Slurry Data dialog and stored on its own OK.

#include "app/dialogs/common/form_dialog.h"

class QPushButton;

namespace vendrix {

class UnitWeightDialog : public FormDialog
{
    Q_OBJECT

public:
    UnitWeightDialog(ProjectRecord &record, const UiServices &services, QWidget *parent = nullptr);

public slots:
    void accept() override;

private:
    FieldEdit *m_weight;
    QPushButton *m_ok;
};

} // namespace vendrix

#pragma once
// UnitWeightDialog: Unit Weight of "Water" — the unit weight of the transporting
// medium, opened from the Slurry Data dialog and stored on its own OK.

#include "app/dialogs/common/input_dialog.h"

class QLineEdit;
class QPushButton;

namespace vendrix {

class UnitWeightDialog : public InputDialog
{
    Q_OBJECT

public:
    UnitWeightDialog(ProjectRecord &record, const UiServices &services, QWidget *parent = nullptr);

public slots:
    void accept() override;

private:
    void restoreDefault();
    void truncate();

    QLineEdit *m_weight;
    QPushButton *m_ok;
};

} // namespace vendrix

#pragma once
// UnitsDialog: "Units, Currency and Colors of Graphics" — unit system,
// currency, colour of the graphics printout and the style of unit labels.

#include "app/dialogs/common/input_dialog.h"

class QButtonGroup;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vendrix {

class UnitsDialog : public InputDialog
{
    Q_OBJECT

public:
    UnitsDialog(ProjectRecord &record, const UiServices &services, QWidget *parent = nullptr);

public slots:
    void accept() override;

protected:
    QWidget *firstField() const override;

private:
    QButtonGroup *m_units;
    QLineEdit *m_currency;
    QButtonGroup *m_printColour;
    QButtonGroup *m_labels;
    QPushButton *m_ok;
};

} // namespace vendrix

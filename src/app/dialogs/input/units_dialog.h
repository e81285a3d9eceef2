#pragma once
// UnitsDialog: "Units, Currency and Colors of Graphics" — unit system,
// currency, colour of the graphics printout and the style of unit labels.

#include "app/dialogs/common/form_dialog.h"

#include <QStringList>

class QButtonGroup;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vendrix {

class UnitsDialog : public FormDialog
{
    Q_OBJECT

public:
    UnitsDialog(ProjectRecord &record, const UiServices &services, QWidget *parent = nullptr);

public slots:
    void accept() override;

protected:
    QWidget *firstField() const override;

private:
    // A box of radio buttons for `group`, one per text, numbered from 0.
    QGroupBox *createChoiceBox(QButtonGroup *group, const QStringList &texts, const QString &title,
                               bool sideBySide);
    void loadFromRecord();

    QButtonGroup *m_units;
    QLineEdit *m_currency;
    QButtonGroup *m_printColour;
    QButtonGroup *m_labels;
    QPushButton *m_ok;
};

} // namespace vendrix

#pragma once
// AnalysisTypeDialog: Type of Analysis — the objective and its given value; only the
// chosen objective's value is shown.

#include "app/dialogs/common/form_dialog.h"

class QButtonGroup;
class QLabel;
class QGridLayout;
class QPushButton;
class QRadioButton;

namespace vendrix {

class AnalysisTypeDialog : public FormDialog
{
    Q_OBJECT

public:
    AnalysisTypeDialog(ProjectRecord &record, const UiServices &services,
                       QWidget *parent = nullptr);

public slots:
    void accept() override;

protected:
    QWidget *enterSuccessor(QWidget *from) const override;
    QWidget *firstField() const override;

private:
    struct ObjectiveGroup
    {
        QRadioButton *radio;
        QLabel *label;
        FieldEdit *field;
        QLabel *unit;
    };

    void layOutObjectives(QGridLayout *layout);
    void loadFromRecord();
    FieldId chosenField() const;
    int objective() const;
    void showObjective(int objective);

    QButtonGroup *m_objectives;
    ObjectiveGroup m_groups[3];
    QLabel *m_picture;
    QPushButton *m_ok;
};

} // namespace vendrix

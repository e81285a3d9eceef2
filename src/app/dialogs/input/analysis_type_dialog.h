#pragma once
// AnalysisTypeDialog: Type of Analysis — the objective and its given value; only the
// chosen objective's value is shown.

#include "app/dialogs/common/input_dialog.h"

#include <array>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QGridLayout;
class QPushButton;
class QRadioButton;

namespace vendrix {

struct AnalysisShownValues;

class AnalysisTypeDialog : public InputDialog
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
        QLineEdit *field;
        QLabel *unit;
    };

    void layOutObjectives(QGridLayout *layout);
    void loadFromRecord();
    int objective() const;
    void showObjective(int objective);
    std::array<NumberField, 3> numberFields(AnalysisShownValues &values) const;
    void restoreDefault();
    void truncate();

    QButtonGroup *m_objectives;
    ObjectiveGroup m_groups[3];
    QLabel *m_picture;
    QPushButton *m_ok;
};

} // namespace vendrix

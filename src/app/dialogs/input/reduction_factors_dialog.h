#pragma once
// ReductionFactorsDialog: Geosynthetic Design Parameters — the five reduction factors.

#include "app/dialogs/common/input_dialog.h"

#include <array>

class QLineEdit;
class QPushButton;

namespace vendrix {

struct ReductionFactorValues;

class ReductionFactorsDialog : public InputDialog
{
    Q_OBJECT

public:
    ReductionFactorsDialog(ProjectRecord &record, const UiServices &services,
                           QWidget *parent = nullptr);

public slots:
    void accept() override;

private:
    void layOut(const EditButtons &edit);
    std::array<NumberField, 5> numberFields(ReductionFactorValues &values) const;
    void showValues(ReductionFactorValues values);
    void loadFromRecord();
    void restoreDefaults();

    QLineEdit *m_installation;
    QLineEdit *m_durability;
    QLineEdit *m_creep;
    QLineEdit *m_seamAxial;
    QLineEdit *m_seamCircumferential;
    QPushButton *m_ok;
};

} // namespace vendrix

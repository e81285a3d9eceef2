#include "app/dialogs/input/reduction_factors_dialog.h"

#include "app/dialogs/common/dialog_widgets.h"
#include "model/input_rules.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vendrix {

ReductionFactorsDialog::ReductionFactorsDialog(ProjectRecord &record, const UiServices &services,
                                               QWidget *parent)
    : FormDialog(record, services, "IDD_GEOSYN_PARAMETERS", parent)
    , m_installation(fields().addNumber(FieldId::RfInstallationDamage, this))
    , m_durability(fields().addNumber(FieldId::RfDurability, this))
    , m_creep(fields().addNumber(FieldId::RfCreep, this))
    , m_seamAxial(fields().addNumber(FieldId::RfSeamAxial, this))
    , m_seamCircumferential(fields().addNumber(FieldId::RfSeamCircumferential, this))
    , m_ok(makeButton(QStringLiteral("&OK"), "ok", this))
{
    setWindowTitle(QStringLiteral("Geosynthetic Design Parameters"));
    setHelpTopic(QStringLiteral("::/Design_Considerations.htm"));
    const EditButtons edit = makeEditButtons(true, false);
    layOut(edit);
    fields().showRecord(record);
    setEnterSuccessor(m_installation, m_durability);
    setEnterSuccessor(m_durability, m_creep);
    setEnterSuccessor(m_creep, m_seamAxial);
    setEnterSuccessor(m_seamAxial, m_seamCircumferential);
    setEnterSuccessor(m_seamCircumferential, m_installation);
    connectEditButtons(m_ok, edit, [this] { fields().showDefaults(); });
}

void ReductionFactorsDialog::layOut(const EditButtons &edit)
{
    auto *layout = new QGridLayout(this);
    int row = 0;
    auto addRow = [&](FieldEdit *field) {
        QLabel *label = makeFieldLabel(field->field(), this);
        label->setBuddy(field);
        layout->addWidget(label, row, 0);
        layout->addWidget(field, row, 1);
        ++row;
    };
    addRow(m_installation);
    addRow(m_durability);
    addRow(m_creep);
    layout->addWidget(
        new QLabel(QStringLiteral("Reduction factor for seam strength, RFss, in tube's :"), this),
        row++, 0, 1, 2);
    addRow(m_seamAxial);
    addRow(m_seamCircumferential);
    layout->addLayout(taggedButtonRow({m_ok, edit.cancel, edit.defaults}), row, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void ReductionFactorsDialog::accept()
{
    ProjectRecord edited = record();
    if (!fields().read(edited) || showsFailure(checkReductionFactors(edited)))
        return;
    commitStep(services(), QStringLiteral("Reduction Factors"),
               [&] { fields().commit(edited, record()); });
    FormDialog::accept();
}

} // namespace vendrix

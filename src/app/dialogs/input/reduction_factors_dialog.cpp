#include "app/dialogs/input/reduction_factors_dialog.h"

#include "app/dialogs/common/dialog_widgets.h"
#include "model/dialog_defaults.h"
#include "model/input_rules.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vendrix {

ReductionFactorsDialog::ReductionFactorsDialog(ProjectRecord &record, const UiServices &services,
                                               QWidget *parent)
    : InputDialog(record, services, "IDD_GEOSYN_PARAMETERS", parent)
    , m_installation(makeNumberField("rfInstallationDamage", this))
    , m_durability(makeNumberField("rfDurability", this))
    , m_creep(makeNumberField("rfCreep", this))
    , m_seamAxial(makeNumberField("rfSeamAxial", this))
    , m_seamCircumferential(makeNumberField("rfSeamCircumferential", this))
    , m_ok(makeButton(QStringLiteral("&OK"), "ok", this))
{
    setWindowTitle(QStringLiteral("Geosynthetic Design Parameters"));
    setHelpTopic(QStringLiteral("::/Design_Considerations.htm"));
    const EditButtons edit = makeEditButtons(true, false);
    layOut(edit);
    loadFromRecord();
    setEnterSuccessor(m_installation, m_durability);
    setEnterSuccessor(m_durability, m_creep);
    setEnterSuccessor(m_creep, m_seamAxial);
    setEnterSuccessor(m_seamAxial, m_seamCircumferential);
    setEnterSuccessor(m_seamCircumferential, m_installation);
    connectEditButtons(m_ok, edit, [this] { restoreDefaults(); });
}

void ReductionFactorsDialog::layOut(const EditButtons &edit)
{
    auto *layout = new QGridLayout(this);
    int row = 0;
    auto addRow = [&](const QString &text, QLineEdit *field) {
        auto *label = new QLabel(text, this);
        label->setBuddy(field);
        layout->addWidget(label, row, 0);
        layout->addWidget(field, row, 1);
        ++row;
    };
    addRow(QStringLiteral("Reduction factor for installation damage,  RFid . . ."), m_installation);
    addRow(QStringLiteral("Reduction factor for durability,  RFd . . ."), m_durability);
    addRow(QStringLiteral("Reduction factor for creep,  RFc . . ."), m_creep);
    layout->addWidget(
        new QLabel(QStringLiteral("Reduction factor for seam strength, RFss, in tube's :"), this),
        row++, 0, 1, 2);
    addRow(QStringLiteral("      axial (longitudial) direction . . . . . ."), m_seamAxial);
    addRow(QStringLiteral("      circumferential direction . . . . . ."), m_seamCircumferential);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(tagLabel());
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(edit.cancel);
    buttons->addWidget(edit.defaults);
    layout->addLayout(buttons, row, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

std::array<InputDialog::NumberField, 5>
ReductionFactorsDialog::numberFields(ReductionFactorValues &values) const
{
    return {{{m_installation, &values.rfInstallationDamage},
             {m_durability, &values.rfDurability},
             {m_creep, &values.rfCreep},
             {m_seamAxial, &values.rfSeamAxial},
             {m_seamCircumferential, &values.rfSeamCircumferential}}};
}

void ReductionFactorsDialog::showValues(ReductionFactorValues values)
{
    showNumbers(numberFields(values));
}

void ReductionFactorsDialog::loadFromRecord()
{
    showValues(reductionFactorValues(m_record.input));
}

void ReductionFactorsDialog::restoreDefaults()
{
    showValues(dialogDefaults(m_record.display.unitSystem).reductionFactors);
}

void ReductionFactorsDialog::accept()
{
    ReductionFactorValues shown;
    if (!readNumbers(numberFields(shown)) || showsFailure(checkReductionFactors(shown)))
        return;
    TubeInput &input = m_record.input;
    input.rfInstallationDamage = shown.rfInstallationDamage;
    input.rfDurability = shown.rfDurability;
    input.rfCreep = shown.rfCreep;
    input.rfSeamAxial = shown.rfSeamAxial;
    input.rfSeamCircumferential = shown.rfSeamCircumferential;
    InputDialog::accept();
}

} // namespace vendrix

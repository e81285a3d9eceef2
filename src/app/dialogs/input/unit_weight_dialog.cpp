#include "app/dialogs/input/unit_weight_dialog.h"

#include "app/dialogs/common/dialog_widgets.h"
#include "model/dialog_defaults.h"
#include "model/field_table.h"
#include "model/input_rules.h"
#include "model/units.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vendrix {

UnitWeightDialog::UnitWeightDialog(ProjectRecord &record, const UiServices &services,
                                   QWidget *parent)
    : InputDialog(record, services, "IDD_UNIT_WEIGHT", parent)
    , m_weight(makeNumberField("transportUnitWeight", this))
    , m_ok(makeButton(QStringLiteral("&OK"), "ok", this))
{
    setWindowTitle(QStringLiteral("Unit Weight of \"Water\""));
    auto *label
        = new QLabel(QStringLiteral("Unit weight of transporting medium such as water,"), this);
    label->setBuddy(m_weight);
    auto *unit = makeLabel(UnitWeightLabels[unitWeightLabelIndex(record.display.unitSystem,
                                                                 record.display.asianPacific)],
                           this);
    unit->setObjectName(QStringLiteral("unitWeightLabel"));
    const EditButtons edit = makeEditButtons();

    auto *layout = new QGridLayout(this);
    layout->addWidget(label, 0, 0);
    layout->addWidget(m_weight, 0, 1);
    layout->addWidget(unit, 0, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_ok);
    buttons->addWidget(edit.cancel);
    buttons->addWidget(edit.defaults);
    buttons->addStretch();
    buttons->addWidget(edit.truncate);
    layout->addLayout(buttons, 1, 0, 1, 3);
    layout->addWidget(tagLabel(), 2, 0, 1, 3);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    showNumber(
        m_weight,
        shownFieldValue("transportUnitWeight", record.input.transportUnitWeight, record.display));

    connectEditButtons(
        m_ok, edit, [this] { restoreDefault(); }, [this] { truncate(); });
}

void UnitWeightDialog::restoreDefault()
{
    showNumber(m_weight, dialogDefaults(m_record.display.unitSystem).transportUnitWeight);
}

void UnitWeightDialog::truncate()
{
    double value = 0;
    if (readNumber(m_weight, value))
        showNumber(m_weight, roundToThousandths(value));
}

void UnitWeightDialog::accept()
{
    double value = 0;
    if (!readNumber(m_weight, value))
        return;
    const double stored = storedFieldValue("transportUnitWeight", value, m_record.display);
    if (showsFailure(checkTransportUnitWeight(stored)))
        return;
    m_record.input.transportUnitWeight = stored;
    InputDialog::accept();
}

} // namespace vendrix

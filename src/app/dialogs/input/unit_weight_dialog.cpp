#include "app/dialogs/input/unit_weight_dialog.h"

#include "app/dialogs/common/dialog_widgets.h"
#include "model/input_rules.h"
#include "model/units.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vendrix {

UnitWeightDialog::UnitWeightDialog(ProjectRecord &record, const UiServices &services,
                                   QWidget *parent)
    : FormDialog(record, services, "IDD_UNIT_WEIGHT", parent)
    , m_weight(fields().addNumber(FieldId::TransportUnitWeight, this))
    , m_ok(makeButton(QStringLiteral("&OK"), "ok", this))
{
    setWindowTitle(QStringLiteral("Unit Weight of \"Water\""));
    QLabel *label = makeFieldLabel(FieldId::TransportUnitWeight, this);
    label->setBuddy(m_weight);
    QLabel *unit = fields().unitLabel(FieldId::TransportUnitWeight, this);
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

    fields().showRecord(record);
    connectEditButtons(
        m_ok, edit, [this] { fields().showDefaults(); }, [this] { fields().truncate(); });
}

void UnitWeightDialog::accept()
{
    ProjectRecord edited = record();
    if (!fields().read(edited)
        || showsFailure(checkTransportUnitWeight(edited.input.transportUnitWeight)))
        return;
    commitStep(services(), QStringLiteral("Unit Weight of Water"),
               [&] { fields().commit(edited, record()); });
    FormDialog::accept();
}

} // namespace vendrix

#include "app/dialogs/input/design_check_dialog.h"

#include "app/dialogs/common/dialog_widgets.h"
#include "model/input_rules.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vendrix {

using F = FieldId;

DesignCheckDialog::DesignCheckDialog(ProjectRecord &record, const UiServices &services,
                                     QWidget *parent)
    : FormDialog(record, services, "IDD_DESIGN_CHECK", parent)
    , m_ok(makeButton(QStringLiteral("&OK"), "ok", this))
{
    setWindowTitle(QStringLiteral("Design Check"));
    setHelpTopic(QStringLiteral("::/Design_Check.htm"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(
        makeGroup(QStringLiteral("Fabric"), "fabric",
                  {F::FabricStrengthCircumferential, F::FabricStrengthAxial, F::FabricStiffness}));
    auto *note = new QLabel(fabricNote(), this);
    note->setObjectName(QStringLiteral("fabricNote"));
    layout->addWidget(note);
    layout->addWidget(makeGroup(QStringLiteral("Site"), "site",
                                {F::WaterLevelLoaded, F::WaterLevelProtected, F::FoundationFriction,
                                 F::AllowableBearingPressure, F::DesignWaveHeight}));
    layout->addWidget(
        makeGroup(QStringLiteral("Required safety"), "requiredSafety",
                  {F::RequiredSafetySliding, F::RequiredSafetyOverturning, F::WaveStabilityLimit}));

    const EditButtons edit = makeEditButtons(true, false);
    layout->addLayout(taggedButtonRow({m_ok, edit.cancel, edit.defaults}));
    layout->setSizeConstraint(QLayout::SetFixedSize);

    fields().showRecord(record);
    for (std::size_t i = 0; i < m_order.size(); ++i)
        setEnterSuccessor(m_order[i], m_order[(i + 1) % m_order.size()]);
    connectEditButtons(m_ok, edit, [this] { fields().showDefaults(); });
}

QGroupBox *DesignCheckDialog::makeGroup(const QString &title, const char *name,
                                        std::initializer_list<FieldId> members)
{
    auto *group = new QGroupBox(title, this);
    group->setObjectName(QString::fromLatin1(name));
    auto *grid = new QGridLayout(group);
    int row = 0;
    for (const FieldId field : members) {
        FieldEdit *edit = fields().addNumber(field, group);
        QLabel *label = makeFieldLabel(field, group);
        label->setBuddy(edit);
        grid->addWidget(label, row, 0);
        grid->addWidget(edit, row, 1);
        grid->addWidget(fields().unitLabel(field, group), row, 2);
        m_order.push_back(edit);
        ++row;
    }
    return group;
}

QString DesignCheckDialog::fabricNote() const
{
    // The check decides the strength used; the note only says what it will be.
    if (record().input.analysisType == AnalysisType::GivenStrength)
        return QStringLiteral("0: not checked; a circumferential strength of 0 checks against "
                              "the entered strength.");
    return QStringLiteral("0: not checked.");
}

QWidget *DesignCheckDialog::firstField() const
{
    return m_order.empty() ? nullptr : m_order.front();
}

void DesignCheckDialog::accept()
{
    ProjectRecord edited = record();
    if (!fields().read(edited) || showsFailure(checkDesignCheckInputs(edited)))
        return;
    commitStep(
        services(), QStringLiteral("Design Check"), [&] { fields().commit(edited, record()); },
        StepEffect::KeepsResults);
    FormDialog::accept();
}

bool editDesignCheckInputs(QWidget *parent, ProjectRecord &record, const UiServices &services,
                           const DialogRunner &runDialog)
{
    DesignCheckDialog dialog(record, services, parent);
    return runDialog(dialog) == QDialog::Accepted;
}

} // namespace vendrix

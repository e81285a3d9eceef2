#include "app/dialogs/input/analysis_type_dialog.h"

#include "app/dialogs/common/dialog_widgets.h"
#include "graphics/dialog_artwork.h"
#include "model/input_rules.h"
#include "model/units.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace vendrix {

AnalysisTypeDialog::AnalysisTypeDialog(ProjectRecord &record, const UiServices &services,
                                       QWidget *parent)
    : FormDialog(record, services, "IDD_ANALYSIS_TYPE", parent)
    , m_objectives(makeRadioGroup(fieldName(FieldId::AnalysisType), this))
    , m_groups {}
    , m_picture(new QLabel(this))
    , m_ok(makeButton(QStringLiteral("&OK"), "ok", this))
{
    setWindowTitle(QStringLiteral("Type of Analysis"));
    setHelpTopic(QStringLiteral("::/Analysis_Type.htm"));
    auto *layout = new QGridLayout(this);
    layOutObjectives(layout);
    m_picture->setObjectName(QStringLiteral("pressurePicture"));
    m_picture->setPixmap(pumpingPicture());
    layout->addWidget(m_picture, 0, 3, 4, 1, Qt::AlignCenter);
    layout->setColumnMinimumWidth(3, 180);
    layout->setColumnMinimumWidth(2, 50);
    const EditButtons buttons = makeEditButtons();
    layout->addLayout(editButtonRow(m_ok, buttons), 4, 0, 1, 4);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    keepRoomWhenHidden({m_picture});
    for (const ObjectiveGroup &group : m_groups)
        keepRoomWhenHidden({group.label, group.field, group.unit});

    loadFromRecord();
    // Tab goes from each objective to its value, then on to the next objective.
    for (int i = 0; i < 3; ++i) {
        setTabOrder(m_groups[i].radio, m_groups[i].field);
        if (i < 2)
            setTabOrder(m_groups[i].field, m_groups[i + 1].radio);
    }
    connect(m_objectives, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            showObjective(id);
    });
    // Default and truncate act on the chosen objective's value only; the others
    // stay as typed.
    connectEditButtons(
        m_ok, buttons, [this] { fields().showDefault(chosenField()); },
        [this] { fields().truncate(chosenField()); });
}

void AnalysisTypeDialog::layOutObjectives(QGridLayout *layout)
{
    const QString radioTexts[3] = {
        QStringLiteral("  Given:  Ultimate strength of geosynthetic\n  Find:     Geometry of tube"),
        QStringLiteral("  Given:  Desired maximum height\n  Find:     Required ultimate strength "
                       "of geosynthetic"),
        QStringLiteral("  Given:  Pumping pressure\n  Find:     Geometry of tube and required "
                       "ultimate strength of geosynthetic"),
    };
    const FieldId objectives[3]
        = {FieldId::UltimateStrength, FieldId::DesiredMaxHeight, FieldId::PumpingPressure};
    for (int i = 0; i < 3; ++i) {
        ObjectiveGroup &group = m_groups[i];
        group.radio = makeRadio(radioTexts[i], m_objectives, i, this);
        group.label = makeFieldLabel(objectives[i], this);
        group.label->setObjectName(QString::fromLatin1(fieldName(objectives[i]))
                                   + QStringLiteral("Label"));
        group.field = fields().addNumber(objectives[i], this);
        group.unit = fields().unitLabel(objectives[i], this);
        layout->addWidget(group.radio, i, 0, 1, 3);
    }
    // The value of the chosen objective: all three groups share one row.
    for (const auto &group : m_groups) {
        layout->addWidget(group.label, 3, 0);
        layout->addWidget(group.field, 3, 1);
        layout->addWidget(group.unit, 3, 2);
    }
}

void AnalysisTypeDialog::loadFromRecord()
{
    fields().showRecord(record());
    const int chosen = static_cast<int>(record().input.analysisType);
    m_objectives->button(chosen)->setChecked(true);
    showObjective(chosen);
}

int AnalysisTypeDialog::objective() const
{
    return std::max(0, m_objectives->checkedId());
}

void AnalysisTypeDialog::showObjective(int chosen)
{
    for (int i = 0; i < 3; ++i) {
        m_groups[i].label->setVisible(i == chosen);
        m_groups[i].field->setVisible(i == chosen);
        m_groups[i].unit->setVisible(i == chosen);
    }
    m_picture->setVisible(chosen == static_cast<int>(AnalysisType::GivenPressure));
}

QWidget *AnalysisTypeDialog::firstField() const
{
    return m_objectives->checkedButton();
}

QWidget *AnalysisTypeDialog::enterSuccessor(QWidget *from) const
{
    for (const ObjectiveGroup &group : m_groups) {
        if (from == group.radio)
            return group.field;
        if (from == group.field)
            return group.radio;
    }
    return nullptr;
}

FieldId AnalysisTypeDialog::chosenField() const
{
    return m_groups[objective()].field->field();
}

void AnalysisTypeDialog::accept()
{
    ProjectRecord edited = record();
    edited.input.analysisType = static_cast<AnalysisType>(objective());
    if (!fields().read(edited) || showsFailure(checkAnalysisType(edited)))
        return;
    commitStep(services(), QStringLiteral("Type of Analysis"), [&] {
        fields().commit(edited, record());
        record().input.analysisType = edited.input.analysisType;
    });
    FormDialog::accept();
}

} // namespace vendrix

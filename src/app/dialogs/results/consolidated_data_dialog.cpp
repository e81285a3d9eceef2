#include "app/dialogs/results/consolidated_data_dialog.h"

#include "app/dialogs/common/dialog_runner.h"
#include "app/dialogs/common/dialog_widgets.h"
#include "app/dialogs/results/consolidation_explanation_dialog.h"
#include "graphics/dialog_artwork.h"
#include "graphics/qt_text.h"
#include "model/dialog_defaults.h"
#include "model/field_table.h"
#include "model/units.h"
#include "post/consolidation.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vendrix {

ConsolidatedDataDialog::ConsolidatedDataDialog(ProjectRecord &record, const UiServices &services,
                                               QWidget *parent, ConsolidationHooks hooks)
    : FormDialog(record, services, "IDD_CONSOLIDATED_DATA", parent)
    , m_hooks(std::move(hooks))
    , m_gs(fields().addNumber(FieldId::SpecificGravitySolids, this))
    , m_unitWeight(fields().addNumber(FieldId::ConsolidatedUnitWeight, this))
    , m_option1(makeButton(QStringLiteral("RUN  OPTION  &1"), "runOption1", this))
    , m_option2(makeButton(QStringLiteral("RUN  OPTION  &2"), "runOption2", this))
{
    setWindowTitle(QStringLiteral("Consolidation data"));
    setHelpTopic(QStringLiteral("::/Design_Considerations.htm#p13"));
    m_option1->setDefault(true);
    EditButtons edit = makeEditButtons(true, false);
    auto *explanation = makeButton(QStringLiteral("Explanation :\n\nOption #1\nor\nOption #2"),
                                   "explanation", this);
    edit.truncate = makeTruncateButton(this);
    layOut(edit, explanation);

    fields().showRecord(record);

    // Enter in one field moves to the other; nothing is computed.
    setEnterSuccessor(m_gs, m_unitWeight);
    setEnterSuccessor(m_unitWeight, m_gs);

    const bool available = m_hooks.check && m_hooks.computeOption1 && m_hooks.computeOption2;
    m_option1->setEnabled(available);
    m_option2->setEnabled(available);

    connect(m_option1, &QPushButton::clicked, this, [this] {
        if (hasFocusOn(m_option1))
            runOption(Shape::Option1);
    });
    // Option 2 does not look at the focus.
    connect(m_option2, &QPushButton::clicked, this, [this] { runOption(Shape::Option2); });
    connectEditButtons(
        nullptr, edit, [this] { restoreDefaults(); }, [this] { fields().truncate(); });
    connect(explanation, &QPushButton::clicked, this, &ConsolidatedDataDialog::explain);
}

void ConsolidatedDataDialog::layOut(const EditButtons &edit, QPushButton *explanation)
{
    auto *symbol = new QLabel(QStringLiteral("\u03B3<sub>f</sub>"), this);
    symbol->setTextFormat(Qt::RichText);
    symbol->setObjectName(QStringLiteral("unitWeightSymbol"));
    QLabel *unit = fields().unitLabel(FieldId::ConsolidatedUnitWeight, this);
    auto *picture1 = new QLabel(this);
    picture1->setPixmap(consolidationOptionPicture(Shape::Option1));
    auto *picture2 = new QLabel(this);
    picture2->setPixmap(consolidationOptionPicture(Shape::Option2));

    auto *layout = new QGridLayout(this);
    layout->addWidget(makeFieldLabel(FieldId::SpecificGravitySolids, this), 0, 0, 1, 2);
    layout->addWidget(m_gs, 0, 2);
    layout->addWidget(makeFieldLabel(FieldId::ConsolidatedUnitWeight, this), 1, 0);
    layout->addWidget(symbol, 1, 1);
    layout->addWidget(m_unitWeight, 1, 2);
    layout->addWidget(unit, 1, 3);
    auto *pictures = new QHBoxLayout;
    pictures->addWidget(picture1);
    pictures->addWidget(picture2);
    layout->addLayout(pictures, 2, 0, 1, 4);
    auto *runButtons = new QHBoxLayout;
    runButtons->addWidget(m_option1);
    runButtons->addWidget(m_option2);
    runButtons->addWidget(edit.cancel);
    runButtons->addWidget(edit.defaults);
    runButtons->addStretch();
    runButtons->addWidget(edit.truncate);
    layout->addLayout(runButtons, 3, 0, 1, 4);
    layout->addWidget(explanation, 0, 4, 3, 1, Qt::AlignTop);
    layout->addWidget(tagLabel(), 3, 4, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    for (QPushButton *button : {m_option1, m_option2})
        button->setMinimumSize(120, 30);
}

void ConsolidatedDataDialog::setCrossSectionView(std::function<void(QWidget *)> show)
{
    m_crossSectionView = std::move(show);
}

void ConsolidatedDataDialog::runOption(Shape option)
{
    double gs = 0;
    double shownUnitWeight = 0;
    if (!fields().readShown(FieldId::SpecificGravitySolids, gs)
        || !fields().readShown(FieldId::ConsolidatedUnitWeight, shownUnitWeight))
        return;
    if (!m_hooks.check)
        return;
    if (const auto failure = m_hooks.check(record(), gs, shownUnitWeight)) {
        showFailure(*failure);
        return;
    }
    // Undoing it makes the consolidated shape shown stale: the results go.
    commitStep(services(), QStringLiteral("Consolidation Data"), [&] {
        record().input.specificGravitySolids = gs;
        record().input.consolidatedUnitWeight
            = storedFieldValue(FieldId::ConsolidatedUnitWeight, shownUnitWeight, record().display);
    });
    record().state.shapeShown = option;
    accept();
    if (option == Shape::Option1)
        m_hooks.computeOption1(record());
    else
        m_hooks.computeOption2(record());
    // A shape that is not made of numbers is never drawn; the tube as filled stays.
    if (const auto failure = checkConsolidationResult(record().consolidation)) {
        record().state.shapeShown = Shape::AsFilled;
        if (services().message)
            services().message(parentWidget(), failureText(*failure));
        return;
    }
    if (m_crossSectionView)
        m_crossSectionView(parentWidget());
}

void ConsolidatedDataDialog::restoreDefaults()
{
    fields().showDefault(FieldId::SpecificGravitySolids);
    m_unitWeight->showNumber(
        defaultConsolidatedUnitWeight(shownRecordValue(record(), FieldId::SlurryUnitWeightLower)));
}

void ConsolidatedDataDialog::explain()
{
    ConsolidationExplanationDialog dialog(record(), services(), this);
    runModal(dialog);
}

} // namespace vendrix

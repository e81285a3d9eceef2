#include "app/dialogs/input/units_dialog.h"

#include "app/dialogs/common/dialog_widgets.h"
#include "graphics/qt_text.h"
#include "model/input_rules.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vendrix {

UnitsDialog::UnitsDialog(ProjectRecord &record, const UiServices &services, QWidget *parent)
    : FormDialog(record, services, "IDD_MODIFY_UNITS", parent)
    , m_units(makeRadioGroup(fieldName(FieldId::EnglishUnits), this))
    , m_currency(new FieldEdit(FieldId::CurrencyUnit, this))
    , m_printColour(makeRadioGroup(fieldName(FieldId::PrintBlackWhite), this))
    , m_labels(makeRadioGroup(fieldName(FieldId::AsianPacific), this))
    , m_ok(makeButton(QStringLiteral("&OK"), "ok", this))
{
    setWindowTitle(QStringLiteral("Units, Currency and Colors of Graphics"));
    setHelpTopic(QStringLiteral("::/Modify_Units.htm"));

    QGroupBox *unitsBox = createChoiceBox(
        m_units, {QStringLiteral("SI units"), QStringLiteral("English")}, QString(), false);
    QLabel *currencyLabel = makeFieldLabel(FieldId::CurrencyUnit, this);
    currencyLabel->setBuddy(m_currency);
    m_currency->setMaximumWidth(80);
    auto *currencyHint = makeLabel("( for example $,  \x80,  \xA3, \xA5 . . . )", this);
    QGroupBox *printBox = createChoiceBox(
        m_printColour,
        {QStringLiteral("Color (ideal for color printer)"),
         QStringLiteral("   Black  and white (better contrast in printout and common "
                        "reproduction)")},
        QStringLiteral("Graphics printout:"), false);
    QGroupBox *labelsBox = createChoiceBox(
        m_labels, {QStringLiteral("Western"), QStringLiteral("Asian Pacific")}, QString(), true);
    const EditButtons edit = makeEditButtons(false, false);

    auto *layout = new QGridLayout(this);
    layout->addWidget(unitsBox, 0, 0, 2, 1);
    layout->addWidget(currencyLabel, 0, 1);
    layout->addWidget(m_currency, 0, 2);
    layout->addWidget(currencyHint, 1, 1, 1, 2);
    layout->addWidget(printBox, 2, 0, 1, 3);
    layout->addWidget(labelsBox, 3, 0, 1, 3);
    layout->addLayout(taggedButtonRow({m_ok, edit.cancel}), 4, 0, 1, 3);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    QAbstractButton *si = m_units->button(0);
    QAbstractButton *english = m_units->button(1);
    setEnterSuccessor(si, m_currency);
    setEnterSuccessor(m_currency, english);
    setTabOrder(si, english);
    setTabOrder(english, m_currency);
    setTabOrder(m_currency, m_printColour->button(0));
    loadFromRecord();
    connectEditButtons(m_ok, edit);
}

QGroupBox *UnitsDialog::createChoiceBox(QButtonGroup *group, const QStringList &texts,
                                        const QString &title, bool sideBySide)
{
    auto *box = new QGroupBox(title, this);
    QBoxLayout *boxLayout = sideBySide ? static_cast<QBoxLayout *>(new QHBoxLayout(box))
                                       : static_cast<QBoxLayout *>(new QVBoxLayout(box));
    for (int i = 0; i < texts.size(); ++i)
        boxLayout->addWidget(makeRadio(texts[i], group, i, box));
    if (sideBySide)
        boxLayout->addStretch();
    return box;
}

void UnitsDialog::loadFromRecord()
{
    const DisplaySettings &display = record().display;
    m_units->button(isEnglish(display) ? 1 : 0)->setChecked(true);
    m_currency->setText(toQString(display.currencyUnit));
    m_printColour->button(display.printBlackWhite ? 1 : 0)->setChecked(true);
    m_labels->button(display.asianPacific ? 1 : 0)->setChecked(true);
}

QWidget *UnitsDialog::firstField() const
{
    return m_units->checkedButton();
}

void UnitsDialog::accept()
{
    commitStep(services(), QStringLiteral("Select Units"), [this] {
        DisplaySettings &display = record().display;
        display.unitSystem = m_units->checkedId() == 1 ? UnitSystem::English : UnitSystem::SI;
        display.currencyUnit = fromQString(m_currency->text());
        display.printBlackWhite = m_printColour->checkedId() == 1;
        display.asianPacific = m_labels->checkedId() == 1;
    });
    FormDialog::accept();
}

} // namespace vendrix

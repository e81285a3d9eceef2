#include "app/dialogs/input/units_dialog.h"

#include "app/dialogs/common/dialog_widgets.h"
#include "graphics/qt_text.h"

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
    : InputDialog(record, services, "IDD_MODIFY_UNITS", parent)
    , m_units(makeRadioGroup("englishUnits", this))
    , m_currency(makeTextField("currencyUnit", 0, this))
    , m_printColour(makeRadioGroup("printBlackWhite", this))
    , m_labels(makeRadioGroup("asianPacific", this))
    , m_ok(makeButton(QStringLiteral("&OK"), "ok", this))
{
    setWindowTitle(QStringLiteral("Units, Currency and Colors of Graphics"));
    setHelpTopic(QStringLiteral("::/Modify_Units.htm"));

    auto *unitsBox = new QGroupBox(this);
    auto *si = makeRadio(QStringLiteral("SI units"), m_units, 0, unitsBox);
    auto *english = makeRadio(QStringLiteral("English"), m_units, 1, unitsBox);
    auto *unitsLayout = new QVBoxLayout(unitsBox);
    unitsLayout->addWidget(si);
    unitsLayout->addWidget(english);

    auto *currencyLabel = new QLabel(QStringLiteral("Currency unit"), this);
    currencyLabel->setBuddy(m_currency);
    m_currency->setMaximumWidth(80);
    auto *currencyHint = makeLabel("( for example $,  \x80,  \xA3, \xA5 . . . )", this);

    auto *printBox = new QGroupBox(QStringLiteral("Graphics printout:"), this);
    auto *colour
        = makeRadio(QStringLiteral("Color (ideal for color printer)"), m_printColour, 0, printBox);
    auto *blackWhite = makeRadio(QStringLiteral("   Black  and white (better contrast in printout "
                                                "and common reproduction)"),
                                 m_printColour, 1, printBox);
    auto *printLayout = new QVBoxLayout(printBox);
    printLayout->addWidget(colour);
    printLayout->addWidget(blackWhite);

    auto *labelsBox = new QGroupBox(this);
    auto *western = makeRadio(QStringLiteral("Western"), m_labels, 0, labelsBox);
    auto *asian = makeRadio(QStringLiteral("Asian Pacific"), m_labels, 1, labelsBox);
    auto *labelsLayout = new QHBoxLayout(labelsBox);
    labelsLayout->addWidget(western);
    labelsLayout->addWidget(asian);
    labelsLayout->addStretch();

    auto *cancel = makeButton(QStringLiteral("&Cancel"), "cancel", this);

    auto *layout = new QGridLayout(this);
    layout->addWidget(unitsBox, 0, 0, 2, 1);
    layout->addWidget(currencyLabel, 0, 1);
    layout->addWidget(m_currency, 0, 2);
    layout->addWidget(currencyHint, 1, 1, 1, 2);
    layout->addWidget(printBox, 2, 0, 1, 3);
    layout->addWidget(labelsBox, 3, 0, 1, 3);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(tagLabel());
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons, 4, 0, 1, 3);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setEnterSuccessor(si, m_currency);
    setEnterSuccessor(m_currency, english);
    setTabOrder(si, english);
    setTabOrder(english, m_currency);
    setTabOrder(m_currency, colour);

    m_units->button(isEnglish(record.display) ? 1 : 0)->setChecked(true);
    m_currency->setText(toQString(record.display.currencyUnit));
    m_printColour->button(record.display.printBlackWhite ? 1 : 0)->setChecked(true);
    m_labels->button(record.display.asianPacific ? 1 : 0)->setChecked(true);

    connect(m_ok, &QPushButton::clicked, this, [this] {
        if (hasFocusOn(m_ok))
            accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QWidget *UnitsDialog::firstField() const
{
    return m_units->checkedButton();
}

void UnitsDialog::accept()
{
    DisplaySettings &display = m_record.display;
    display.unitSystem = m_units->checkedId() == 1 ? UnitSystem::English : UnitSystem::SI;
    display.currencyUnit = fromQString(m_currency->text());
    display.printBlackWhite = m_printColour->checkedId() == 1 ? 1 : 0;
    display.asianPacific = m_labels->checkedId() == 1 ? 1 : 0;
    InputDialog::accept();
}

} // namespace vendrix

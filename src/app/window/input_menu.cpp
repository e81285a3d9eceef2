#include "app/window/input_menu.h"

#include "app/dialogs/common/dialog_widgets.h"
#include "app/dialogs/input/analysis_type_dialog.h"
#include "app/dialogs/input/general_information_dialog.h"
#include "app/dialogs/input/reduction_factors_dialog.h"
#include "app/dialogs/input/slurry_dialog.h"
#include "app/dialogs/input/units_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vendrix {

InputMenu::InputMenu(ProjectRecord &record, const UiServices &services, QWidget *parent,
                     DialogRunner runDialog)
    : FormDialog(record, services, "IDD_SECOND_MENU", parent)
    , m_runDialog(std::move(runDialog))
{
    setWindowTitle(QStringLiteral("Modify Input Data"));
    applyDialogFace(this, kInputMenuFaceColour);

    struct Entry
    {
        const char *text;
        const char *name;
        int controlId;
        void (InputMenu::*open)();
    };
    const Entry entries[] = {
        {"Select &Units: Metric (SI) or English and Currency", "units", 1009,
         &InputMenu::openUnits},
        {"General &Information", "generalInformation", 1010, &InputMenu::openGeneralInformation},
        {"Slurry and &Geometry Data", "slurryData", 1011, &InputMenu::openSlurry},
        {"Geosynthetic Reduction &Factors", "reductionFactors", 1012,
         &InputMenu::openReductionFactors},
        {"&Type of Analysis", "analysisType", 1013, &InputMenu::openAnalysisType},
    };
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 12);
    layout->setSpacing(10);
    for (const Entry &entry : entries) {
        QPushButton *button = makeButton(QString::fromLatin1(entry.text), entry.name, this);
        button->setProperty("controlId", entry.controlId);
        button->setMinimumHeight(34);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, entry.open);
        layout->addWidget(button);
    }
    layout->addSpacing(8);
    QPushButton *back = makeButton(QStringLiteral("&Return to Main Menu"), "ok", this);
    back->setProperty("controlId", 1);
    back->setMinimumHeight(34);
    back->setDefault(true);
    connect(back, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(back);
    layout->addWidget(tagLabel());
    setMinimumWidth(440);
}

void InputMenu::openUnits()
{
    UnitsDialog dialog(record(), services(), this);
    m_runDialog(dialog);
}

void InputMenu::openGeneralInformation()
{
    GeneralInformationDialog dialog(record(), services(), this);
    m_runDialog(dialog);
}

void InputMenu::openSlurry()
{
    SlurryDialog dialog(record(), services(), this);
    m_runDialog(dialog);
}

void InputMenu::openReductionFactors()
{
    ReductionFactorsDialog dialog(record(), services(), this);
    m_runDialog(dialog);
}

void InputMenu::openAnalysisType()
{
    AnalysisTypeDialog dialog(record(), services(), this);
    m_runDialog(dialog);
}

} // namespace vendrix

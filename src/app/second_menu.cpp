#include "app/second_menu.h"

#include "app/analysis_type_dialog.h"
#include "app/dialog_widgets.h"
#include "app/general_information_dialog.h"
#include "app/geosyn_parameters_dialog.h"
#include "app/modify_slurry_dialog.h"
#include "app/modify_units_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vendrix {

CModifySecondMenu::CModifySecondMenu(ProjectRecord &record, const UiServices &services,
                                     QWidget *parent, DialogRunner runDialog)
    : InputDialog(record, services, "IDD_SECOND_MENU", parent)
    , m_runDialog(std::move(runDialog))
{
    setWindowTitle(QStringLiteral("Modify Input Data"));
    applyDialogFace(this, kInputMenuFaceColour);

    struct Entry
    {
        const char *text;
        const char *name;
        int controlId;
        void (CModifySecondMenu::*open)();
    };
    const Entry entries[] = {
        {"Select &Units: Metric (SI) or English and Currency", "units", 1009,
         &CModifySecondMenu::openUnits},
        {"General &Information", "generalInformation", 1010,
         &CModifySecondMenu::openGeneralInformation},
        {"Slurry and &Geometry Data", "slurryData", 1011, &CModifySecondMenu::openSlurry},
        {"Geosynthetic Reduction &Factors", "reductionFactors", 1012,
         &CModifySecondMenu::openReductionFactors},
        {"&Type of Analysis", "analysisType", 1013, &CModifySecondMenu::openAnalysisType},
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

void CModifySecondMenu::openUnits()
{
    CModifyUnits dialog(m_record, m_services, this);
    m_runDialog(dialog);
}

void CModifySecondMenu::openGeneralInformation()
{
    CGeneralInformation dialog(m_record, m_services, this);
    connect(&dialog, &CGeneralInformation::documentModified, this,
            &CModifySecondMenu::documentModified);
    m_runDialog(dialog);
}

void CModifySecondMenu::openSlurry()
{
    CModifySlurry dialog(m_record, m_services, this);
    m_runDialog(dialog);
}

void CModifySecondMenu::openReductionFactors()
{
    CGeosynParameters dialog(m_record, m_services, this);
    m_runDialog(dialog);
}

void CModifySecondMenu::openAnalysisType()
{
    CAnalysisType dialog(m_record, m_services, this);
    m_runDialog(dialog);
}

} // namespace vendrix

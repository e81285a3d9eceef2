#pragma once
// ReportOptionDialog: what the option dialogs shown before the printed report
// share — the colour / black-and-white and logo choices, and (for "Another
// page to report") whether to add the consolidation page; and whether to end
// the report with the design check page.

#include "app/ui_services.h"
#include "model/project_record.h"

#include <QDialog>

class QCheckBox;
class QRadioButton;

namespace vendrix {

class ReportOptionDialog : public QDialog
{
    Q_OBJECT
public:
    void accept() override;

protected:
    ReportOptionDialog(ProjectRecord &record, const UiServices &services, QWidget *parent,
                       bool askForConsolidationPage);

    ProjectRecord &m_record;
    const UiServices &m_services;
    QRadioButton *m_addPage = nullptr; // only when asking for the consolidation page
    QRadioButton *m_omitPage = nullptr;
    QRadioButton *m_colour = nullptr;
    QRadioButton *m_blackWhite = nullptr;
    QRadioButton *m_logoNo = nullptr;
    QRadioButton *m_logoYes = nullptr;
    QCheckBox *m_designCheckPage = nullptr;
};

} // namespace vendrix

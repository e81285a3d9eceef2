#pragma once
// ReportOptionDialog: what the option dialogs shown before the printed report
// share — the colour / black-and-white and logo choices, and (for "Another
// page to report") whether to add the consolidation page; and whether to end
// the report with the design check page. OK writes them into the ReportOptions
// given, never into the record.

#include "app/printing/report_options.h"
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
    ReportOptionDialog(const ProjectRecord &record, ReportOptions &options,
                       const UiServices &services, QWidget *parent, bool askForConsolidationPage);

    ReportOptions &m_options;
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

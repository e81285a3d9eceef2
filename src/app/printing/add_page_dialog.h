#pragma once
// AddPageDialog: "Another page to report" — asked before the printed report
// while a consolidated shape is shown; also takes the printout options.

#include "app/printing/report_option_dialog.h"

namespace vendrix {

class AddPageDialog : public ReportOptionDialog
{
    Q_OBJECT
public:
    AddPageDialog(const ProjectRecord &record, ReportOptions &options, const UiServices &services,
                  QWidget *parent = nullptr);
    // After OK: true when the consolidation page is to be added.
    bool addConsolidationPage() const;
};

} // namespace vendrix

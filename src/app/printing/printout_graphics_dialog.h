#pragma once
// PrintoutGraphicsDialog: "Printout of Graphics" — the colour / black-and-white
// and logo choices asked before the printed report.

#include "app/printing/report_option_dialog.h"

namespace vendrix {

class PrintoutGraphicsDialog : public ReportOptionDialog
{
    Q_OBJECT
public:
    PrintoutGraphicsDialog(const ProjectRecord &record, ReportOptions &options,
                           const UiServices &services, QWidget *parent = nullptr);
};

} // namespace vendrix

#include "app/printing/printout_graphics_dialog.h"

namespace vendrix {

PrintoutGraphicsDialog::PrintoutGraphicsDialog(const ProjectRecord &record, ReportOptions &options,
                                               const UiServices &services, QWidget *parent)
    : ReportOptionDialog(record, options, services, parent, false)
{
    setWindowTitle(tr("Printout of Graphics"));
    // F1 and the caption's help button open this help topic.
    setProperty("helpTopic", QStringLiteral("::/General_Information.htm"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, true);
}

} // namespace vendrix

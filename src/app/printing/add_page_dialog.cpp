#include "app/printing/add_page_dialog.h"

#include <QRadioButton>

namespace vendrix {

AddPageDialog::AddPageDialog(const ProjectRecord &record, ReportOptions &options,
                             const UiServices &services, QWidget *parent)
    : ReportOptionDialog(record, options, services, parent, true)
{
    setWindowTitle(tr("Another page to report"));
}

bool AddPageDialog::addConsolidationPage() const
{
    return result() == QDialog::Accepted && m_addPage->isChecked();
}

} // namespace vendrix

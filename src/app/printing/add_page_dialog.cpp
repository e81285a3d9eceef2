#include "app/printing/add_page_dialog.h"

#include <QRadioButton>

namespace vendrix {

AddPageDialog::AddPageDialog(ProjectRecord &record, const UiServices &services, QWidget *parent)
    : ReportOptionDialog(record, services, parent, true)
{
    setWindowTitle(tr("Another page to report"));
}

bool AddPageDialog::addConsolidationPage() const
{
    return result() == QDialog::Accepted && m_addPage->isChecked();
}

} // namespace vendrix

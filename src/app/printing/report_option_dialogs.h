#pragma once
// The two option dialogs shown before the printed report: "Another page to
// report" (when a consolidated shape is shown) and "Printout of Graphics".

#include "app/ui_services.h"
#include "model/project_record.h"

#include <QDialog>

class QRadioButton;

namespace vendrix {

// Base of both: the colour / black-and-white and logo choices.
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
};

class AddPageDialog : public ReportOptionDialog
{
    Q_OBJECT
public:
    AddPageDialog(ProjectRecord &record, const UiServices &services, QWidget *parent = nullptr);
    // After OK: true when the consolidation page is to be added.
    bool addConsolidationPage() const;
};

class PrintoutGraphicsDialog : public ReportOptionDialog
{
    Q_OBJECT
public:
    PrintoutGraphicsDialog(ProjectRecord &record, const UiServices &services,
                           QWidget *parent = nullptr);
};

} // namespace vendrix

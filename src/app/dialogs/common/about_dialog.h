#pragma once
// AboutDialog: "About Vendrix", with the maker's contact sheet and the
// disclaimer reached from it.

#include "app/dialogs/common/contact_dialog.h"
#include "app/dialogs/common/dialog_runner.h"
#include "app/dialogs/common/disclaimer_dialog.h"
#include "app/ui_services.h"

#include <QDialog>

namespace vendrix {

class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    AboutDialog(const UiServices &services, QWidget *parent = nullptr,
                DialogRunner runDialog = execRunner());

private:
    UiServices m_services;
    DialogRunner m_runDialog;
};

} // namespace vendrix

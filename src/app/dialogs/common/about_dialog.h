#pragma once
// "About Vendrix" and the maker's contact sheet reached from it.

#include "app/dialogs/common/dialog_runner.h"
#include "app/dialogs/common/disclaimer_dialog.h"
#include "app/ui_services.h"

#include <QDialog>
#include <QStringList>

namespace vendrix {

// "Program Vendrix 3.0" with a blank between every letter (three between words).
QString spacedOut(const QString &text);

// The lines of the contact sheet: the maker's name, web page and e-mail.
QStringList makerContactLines();

class ContactDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ContactDialog(const UiServices &services, QWidget *parent = nullptr);

    void setPrinterChooser(OnePagePrinterChooser chooser);

public slots:
    void printContact();

private:
    UiServices m_services;
    OnePagePrinterChooser m_choosePrinter;
};

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

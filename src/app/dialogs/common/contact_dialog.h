#pragma once
// ContactDialog: the maker's contact sheet (name, web page, e-mail), shown
// from "About Vendrix" and printed on one page.

#include "app/dialogs/common/disclaimer_dialog.h"
#include "app/dialogs/common/one_page_dialog.h"
#include "app/ui_services.h"

#include <QStringList>

namespace vendrix {

// "Program Vendrix 3.0" with a blank between every letter (three between words).
QString spacedOut(const QString &text);

// The lines of the contact sheet: the maker's name, web page and e-mail.
QStringList makerContactLines();

class ContactDialog : public OnePageDialog
{
    Q_OBJECT

public:
    explicit ContactDialog(const UiServices &services, QWidget *parent = nullptr);

public slots:
    void printContact();
};

} // namespace vendrix

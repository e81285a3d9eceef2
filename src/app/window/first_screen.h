#pragma once
// The first screen shown before the main window: the program's picture, the
// maker's rights, the update label and what to read before using the program.

#include "app/dialogs/common/dialog_runner.h"
#include "app/ui_services.h"

#include <QColor>
#include <QDialog>

#include <string>

class QLayout;
class QVBoxLayout;

namespace vendrix {

inline const QColor kFirstScreenFaceColour(222, 222, 222);

class FirstScreen : public QDialog
{
    Q_OBJECT

public:
    FirstScreen(const UiServices &services, const std::string &updateLabel,
                QWidget *parent = nullptr, DialogRunner runDialog = execRunner());

private:
    QLayout *createTop(const std::string &updateLabel);
    void addNotices(QVBoxLayout *layout);
    QLayout *createButtons();

    UiServices m_services;
    DialogRunner m_runDialog;
};

} // namespace vendrix

#pragma once
// The input menu "Modify Input Data": one button per input dialog and "&Return
// to Main Menu".

#include "app/dialogs/common/dialog_runner.h"
#include "app/dialogs/common/form_dialog.h"

#include <QColor>

namespace vendrix {

inline const QColor kInputMenuFaceColour(255, 196, 136);

class InputMenu : public FormDialog
{
    Q_OBJECT

public:
    InputMenu(ProjectRecord &record, const UiServices &services, QWidget *parent = nullptr,
              DialogRunner runDialog = execRunner());

private:
    void openUnits();
    void openGeneralInformation();
    void openSlurry();
    void openReductionFactors();
    void openAnalysisType();

    DialogRunner m_runDialog;
};

} // namespace vendrix

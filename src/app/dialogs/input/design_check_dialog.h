#pragma once
// The dialog that enters the design check's inputs.

#include "app/dialogs/common/dialog_runner.h"
#include "app/ui_services.h"
#include "model/project_record.h"

class QWidget;

namespace vendrix {

// Opens the Design Check dialog on the record, as the other input dialogs are
// opened; true when OK stored the inputs (the project is then modified).
bool editDesignCheckInputs(QWidget *parent, ProjectRecord &record, const UiServices &services,
                           const DialogRunner &runDialog = runModal);

} // namespace vendrix

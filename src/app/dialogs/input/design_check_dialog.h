#pragma once
// DesignCheckDialog: Design Check — what the design check is asked to verify:
// the fabric's available strengths and stiffness, the site's water levels and
// foundation, and the required safety. Stored on OK only.

#include "app/dialogs/common/dialog_runner.h"
#include "app/dialogs/common/form_dialog.h"

#include <vector>

class QGroupBox;
class QPushButton;

namespace vendrix {

class DesignCheckDialog : public FormDialog
{
    Q_OBJECT

public:
    DesignCheckDialog(ProjectRecord &record, const UiServices &services, QWidget *parent = nullptr);

public slots:
    void accept() override;

protected:
    QWidget *firstField() const override;

private:
    QGroupBox *makeGroup(const QString &title, const char *name,
                         std::initializer_list<FieldId> members);
    QString fabricNote() const;

    std::vector<FieldEdit *> m_order;
    QPushButton *m_ok;
};

// Opens the Design Check dialog on the record, as the other input dialogs are
// opened; true when OK stored the inputs (one undoable step).
bool editDesignCheckInputs(QWidget *parent, ProjectRecord &record, const UiServices &services,
                           const DialogRunner &runDialog = runModal);

} // namespace vendrix

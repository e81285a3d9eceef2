#pragma once
// ConflictDialog: the modal conflict message with its error number ("Error No.101"),
// used by the run, the input dialogs, consolidation and quantities.

#include <QDialog>

#include <string>

class QLabel;
class QPushButton;

namespace vendrix {

class ConflictDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ConflictDialog(QWidget *parent = nullptr);

    // Both Windows-1252; shown when the dialog opens.
    std::string messageText;
    std::string errorNumberText;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QLabel *m_message;
    QLabel *m_errorNumber;
    QPushButton *m_ok;
};

// Shows the conflict message modally over `parent`.
void showConflict(QWidget *parent, const std::string &errorNumberText,
                  const std::string &messageText);

} // namespace vendrix

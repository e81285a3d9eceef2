#pragma once
// GeneralInformationDialog: General Information — project identification, the
// designer's company (kept for future runs in the data directory) and the logo
// bitmap of the printout.

#include "app/dialogs/common/input_dialog.h"

#include <QString>

#include <string>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace vendrix {

struct CompanyData;

// The current local time as the C library writes it ("Tue Dec  8 06:52:35 2026"),
// with English names whatever the user's locale.
std::string localTimeText();

class GeneralInformationDialog : public InputDialog
{
    Q_OBJECT

public:
    GeneralInformationDialog(ProjectRecord &record, const UiServices &services,
                             QWidget *parent = nullptr);

public slots:
    void accept() override;

signals:
    // The project counts as modified: emitted on every press of OK or Enter.
    void documentModified();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    QWidget *firstField() const override;

private:
    QLineEdit *field(const char *name) const;
    CompanyData companyFromFields() const;
    void showCompany(const CompanyData &data);
    void limitDescription();
    void saveCompany();
    void saveLogo();
    void chooseLogo();
    void showLogoPath();

    QPlainTextEdit *m_description;
    QButtonGroup *m_includeLogo;
    QLabel *m_logoPath;
    QPushButton *m_ok;
};

} // namespace vendrix

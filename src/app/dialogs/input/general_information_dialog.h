#pragma once
// GeneralInformationDialog: General Information — project identification, the
// designer's company (kept for future runs in the data directory) and the logo
// bitmap of the printout.

#include "app/dialogs/common/form_dialog.h"
#include "model/company_files.h"

#include <QString>

#include <array>
#include <optional>
#include <string>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace vendrix {

// The current local time as the C library writes it ("Tue Dec  8 06:52:35 2026"),
// with English names whatever the user's locale.
std::string localTimeText();

class GeneralInformationDialog : public FormDialog
{
    Q_OBJECT

public:
    GeneralInformationDialog(ProjectRecord &record, const UiServices &services,
                             QWidget *parent = nullptr);

public slots:
    void accept() override;

protected:
    QWidget *firstField() const override;

private:
    static constexpr std::size_t kProjectFieldCount = 6;
    static constexpr std::size_t kCompanyFieldCount = 9;

    void createFields();
    QWidget *createProjectBox();
    QWidget *createCompanyBox();
    QWidget *createLogoBox();
    void layOut();
    void setEnterAndTabOrder();
    void loadFromRecord();
    void connectButtons();

    CompanyData companyFromFields() const;
    void showCompany(const CompanyData &data);
    void limitDescription();
    void saveCompany();
    void saveLogo();
    void chooseLogo();
    void showLogoPath();
    bool checkFields();
    void writeCompanyFiles();

    std::array<QLineEdit *, kProjectFieldCount> m_projectFields {};
    std::array<QLineEdit *, kCompanyFieldCount> m_companyFields {};
    QLineEdit *m_dateTime = nullptr;
    QPlainTextEdit *m_description;
    QButtonGroup *m_includeLogo;
    QLabel *m_logoPath;
    QPushButton *m_ok;
    QPushButton *m_saveCompany = nullptr;
    QPushButton *m_saveLogo = nullptr;
    QPushButton *m_chooseLogo = nullptr;

    // Nothing reaches the record or the data directory before OK: the logo path
    // shown, and the saves asked for by the two buttons, wait here.
    std::string m_logoPathValue;
    std::optional<CompanyData> m_companyToSave;
    std::optional<std::string> m_logoToSave;
};

} // namespace vendrix

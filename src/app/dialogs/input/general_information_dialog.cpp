#include "app/dialogs/input/general_information_dialog.h"

#include "app/dialogs/common/dialog_widgets.h"
#include "graphics/qt_text.h"
#include "model/company_files.h"
#include "model/input_rules.h"

#include <QButtonGroup>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <cstdio>
#include <ctime>
#include <vector>

namespace vendrix {

namespace {

// A project field and where it sits in the Project box (its label in the
// column before the field).
struct ProjectField
{
    FieldId field;
    int row;
    int column;
    int span;
    int minimumWidth;
};

// In the Enter order; the date/time field is not part of it.
const ProjectField kProjectFields[] = {
    {FieldId::Title, 0, 1, 3, 220},
    {FieldId::ProjectNumber, 1, 1, 1, 100},
    {FieldId::ProjectNumberSuffix, 1, 3, 1, 60},
    {FieldId::Client, 2, 1, 3, 220},
    {FieldId::Designer, 4, 1, 3, 220},
    {FieldId::StationNumber, 5, 1, 3, 220},
};
// The date/time field follows the client, on screen and for Tab.
constexpr std::size_t kDateTimeAfter = 3;
constexpr int kDateTimeRow = 3;

// A company field: one line of the company information file as well.
struct CompanyField
{
    FieldId field;
    std::string CompanyData::*line;
};

// In the Enter order, which is also the order of the lines in the file.
const CompanyField kCompanyFields[] = {
    {FieldId::CompanyName, &CompanyData::name},
    {FieldId::CompanyStreet1, &CompanyData::street1},
    {FieldId::CompanyStreet2, &CompanyData::street2},
    {FieldId::CompanyCity, &CompanyData::city},
    {FieldId::CompanyState, &CompanyData::state},
    {FieldId::CompanyZip, &CompanyData::zip},
    {FieldId::CompanyPhone, &CompanyData::phone},
    {FieldId::CompanyFax, &CompanyData::fax},
    {FieldId::CompanyEmail, &CompanyData::email},
};

std::size_t projectFieldIndex(FieldId field)
{
    for (std::size_t i = 0; i < std::size(kProjectFields); ++i)
        if (kProjectFields[i].field == field)
            return i;
    return 0;
}

QLabel *buddyLabel(FieldId field, QWidget *buddy, QWidget *parent)
{
    QLabel *label = makeFieldLabel(field, parent);
    label->setBuddy(buddy);
    return label;
}

// The text of a record field.
std::string &recordText(ProjectRecord &record, FieldId field)
{
    return *fieldEntry(field).text(record);
}

// The description is held with CR LF line ends, as typed on the original
// platform and as the reports write them; the edit field works with LF.
QString descriptionForDisplay(const std::string &stored)
{
    return toQString(stored).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

std::string descriptionForStore(const QString &shown)
{
    QString text = shown;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return fromQString(text);
}

} // namespace

std::string localTimeText()
{
    static const char *const kDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static const char *const kMonths[]
        = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const std::time_t now = std::time(nullptr);
    std::tm local {};
    localtime_r(&now, &local);
    char text[64];
    std::snprintf(text, sizeof text, "%.3s %.3s%3d %.2d:%.2d:%.2d %d", kDays[local.tm_wday % 7],
                  kMonths[local.tm_mon % 12], local.tm_mday, local.tm_hour, local.tm_min,
                  local.tm_sec, 1900 + local.tm_year);
    return text;
}

GeneralInformationDialog::GeneralInformationDialog(ProjectRecord &record,
                                                   const UiServices &services, QWidget *parent)
    : FormDialog(record, services, "IDD_GENERAL_INFORMATION", parent)
    , m_description(new QPlainTextEdit(this))
    , m_includeLogo(makeRadioGroup(fieldName(FieldId::IncludeLogo), this))
    , m_logoPath(new QLabel(this))
    , m_ok(makeButton(QStringLiteral("&OK"), "ok", this))
{
    static_assert(std::size(kProjectFields) == kProjectFieldCount);
    static_assert(std::size(kCompanyFields) == kCompanyFieldCount);
    setWindowTitle(QStringLiteral("General Information"));
    setHelpTopic(QStringLiteral("::/General_Information.htm"));
    createFields();
    layOut();
    setEnterAndTabOrder();
    loadFromRecord();
    connectButtons();
}

void GeneralInformationDialog::createFields()
{
    for (std::size_t i = 0; i < kProjectFieldCount; ++i) {
        m_projectFields[i] = new FieldEdit(kProjectFields[i].field, this);
    }
    for (std::size_t i = 0; i < kCompanyFieldCount; ++i) {
        m_companyFields[i] = new FieldEdit(kCompanyFields[i].field, this);
        m_companyFields[i]->setMinimumWidth(220);
    }
    m_dateTime = new FieldEdit(FieldId::DateTime, this);
    m_description->setObjectName(QString::fromLatin1(fieldName(FieldId::Description)));
    m_description->setTabChangesFocus(true);
    m_description->setMinimumHeight(90);
    watchMultiLineEnter(m_description);
}

QWidget *GeneralInformationDialog::createProjectBox()
{
    auto *project = new QGroupBox(this);
    auto *grid = new QGridLayout(project);
    for (std::size_t i = 0; i < kProjectFieldCount; ++i) {
        const ProjectField &f = kProjectFields[i];
        QLineEdit *edit = m_projectFields[i];
        grid->addWidget(buddyLabel(f.field, edit, this), f.row, f.column - 1);
        grid->addWidget(edit, f.row, f.column, 1, f.span);
        edit->setMinimumWidth(f.minimumWidth);
        if (i == kDateTimeAfter) {
            grid->addWidget(buddyLabel(FieldId::DateTime, m_dateTime, this), kDateTimeRow, 0);
            grid->addWidget(m_dateTime, kDateTimeRow, 1, 1, 3);
        }
    }
    grid->addWidget(buddyLabel(FieldId::Description, m_description, this), 6, 0, 1, 4);
    grid->addWidget(m_description, 7, 0, 1, 4);
    return project;
}

QWidget *GeneralInformationDialog::createCompanyBox()
{
    auto *company = new QGroupBox(QStringLiteral("COMPANY :"), this);
    auto *grid = new QGridLayout(company);
    int row = 0;
    for (std::size_t i = 0; i < kCompanyFieldCount; ++i, ++row) {
        if (fieldEntry(kCompanyFields[i].field).label != nullptr)
            grid->addWidget(buddyLabel(kCompanyFields[i].field, m_companyFields[i], this), row, 0);
        grid->addWidget(m_companyFields[i], row, 1);
    }
    m_saveCompany = makeButton(QStringLiteral("Save &Data for Future Runs"), "saveCompany", this);
    grid->addWidget(m_saveCompany, row, 1, Qt::AlignRight);
    return company;
}

QWidget *GeneralInformationDialog::createLogoBox()
{
    auto *logo = new QGroupBox(this);
    auto *grid = new QGridLayout(logo);
    m_chooseLogo
        = makeButton(QStringLiteral("Retrieve &Bitmap File (Logo) for Printout in Current Run"),
                     "chooseLogo", this);
    m_saveLogo = makeButton(QStringLiteral("Save &Logo for Future  Runs"), "saveLogo", this);
    auto *no = makeRadio(QStringLiteral("No"), m_includeLogo, 0, this);
    auto *yes = makeRadio(QStringLiteral("Yes"), m_includeLogo, 1, this);
    m_logoPath->setObjectName(QStringLiteral("logoPathShown"));
    m_logoPath->setTextFormat(Qt::PlainText);
    m_logoPath->setWordWrap(true);
    m_logoPath->setMinimumWidth(300);
    auto *includeRow = new QHBoxLayout;
    includeRow->addWidget(new QLabel(QStringLiteral("Include in printout?"), this));
    includeRow->addWidget(no);
    includeRow->addWidget(yes);
    includeRow->addStretch();
    grid->addWidget(m_chooseLogo, 0, 0);
    grid->addWidget(m_saveLogo, 0, 1);
    grid->addWidget(m_logoPath, 1, 0, 1, 2);
    grid->addLayout(includeRow, 2, 0, 1, 2);
    return logo;
}

void GeneralInformationDialog::layOut()
{
    auto *layout = new QGridLayout(this);
    layout->addWidget(createProjectBox(), 0, 0);
    layout->addWidget(createCompanyBox(), 0, 1);
    layout->addWidget(createLogoBox(), 1, 0, 1, 2);
    m_ok->setDefault(true); // not "Save Data for Future Runs", first after the focus
    layout->addLayout(taggedButtonRow({m_ok}), 2, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void GeneralInformationDialog::setEnterAndTabOrder()
{
    // Enter walks the project fields, the company fields and the description;
    // Tab follows the same order with the date/time field after the client.
    std::vector<QWidget *> enterOrder(m_projectFields.begin(), m_projectFields.end());
    enterOrder.insert(enterOrder.end(), m_companyFields.begin(), m_companyFields.end());
    enterOrder.push_back(m_description);
    for (std::size_t i = 0; i + 1 < enterOrder.size(); ++i)
        setEnterSuccessor(enterOrder[i], enterOrder[i + 1]);
    setEnterSuccessor(m_description, enterOrder.front());

    std::vector<QWidget *> tabOrder(m_projectFields.begin(), m_projectFields.end());
    tabOrder.insert(tabOrder.begin() + kDateTimeAfter + 1, m_dateTime);
    tabOrder.push_back(m_description);
    tabOrder.insert(tabOrder.end(), m_companyFields.begin(), m_companyFields.end());
    for (std::size_t i = 0; i + 1 < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i], tabOrder[i + 1]);
}

void GeneralInformationDialog::loadFromRecord()
{
    const ProjectInfo &info = record().info;
    for (std::size_t i = 0; i < kProjectFieldCount; ++i)
        m_projectFields[i]->setText(toQString(recordText(record(), kProjectFields[i].field)));
    for (std::size_t i = 0; i < kCompanyFieldCount; ++i)
        m_companyFields[i]->setText(toQString(recordText(record(), kCompanyFields[i].field)));
    m_dateTime->setText(info.dateTime.empty() ? toQString(localTimeText())
                                              : toQString(info.dateTime));
    m_description->setPlainText(descriptionForDisplay(info.description.cp1252));
    m_includeLogo->button(info.includeLogo ? 1 : 0)->setChecked(true);

    // A new project's company fields and logo come from the files of earlier
    // runs; like everything typed here they reach the record only on OK.
    const std::string &dataDirectory = record().state.dataDirectory;
    if (info.companyName.empty() && info.companyStreet1.empty()) {
        // No company file yet is the usual state of a new account, not a fault.
        CompanyData data;
        const bool saved
            = QFileInfo::exists(QFile::decodeName(companyFilePath(dataDirectory).c_str()));
        if (loadCompanyData(dataDirectory, data, saved ? stderr : nullptr))
            showCompany(data);
    }
    m_logoPathValue = info.logoPath.cp1252;
    if (m_logoPathValue.empty())
        loadLogoPath(dataDirectory, m_logoPathValue);
    showLogoPath();
}

void GeneralInformationDialog::connectButtons()
{
    connect(m_description, &QPlainTextEdit::textChanged, this,
            &GeneralInformationDialog::limitDescription);
    connect(m_ok, &QPushButton::clicked, this, [this] {
        if (hasFocusOn(m_ok))
            accept();
    });
    connect(m_saveCompany, &QPushButton::clicked, this, &GeneralInformationDialog::saveCompany);
    connect(m_saveLogo, &QPushButton::clicked, this, &GeneralInformationDialog::saveLogo);
    connect(m_chooseLogo, &QPushButton::clicked, this, &GeneralInformationDialog::chooseLogo);
}

QWidget *GeneralInformationDialog::firstField() const
{
    return m_projectFields.front();
}

CompanyData GeneralInformationDialog::companyFromFields() const
{
    CompanyData data;
    for (std::size_t i = 0; i < kCompanyFieldCount; ++i)
        data.*kCompanyFields[i].line = fromQString(m_companyFields[i]->text());
    return data;
}

void GeneralInformationDialog::showCompany(const CompanyData &data)
{
    for (std::size_t i = 0; i < kCompanyFieldCount; ++i)
        m_companyFields[i]->setText(toQString(data.*kCompanyFields[i].line));
}

void GeneralInformationDialog::limitDescription()
{
    // No more characters than the description holds (line breaks count as CR LF).
    const int maximum = fieldEntry(FieldId::Description).maxLength;
    const QString text = m_description->toPlainText();
    if (static_cast<int>(descriptionForStore(text).size()) <= maximum)
        return;
    QString cut = text;
    while (!cut.isEmpty() && static_cast<int>(descriptionForStore(cut).size()) > maximum)
        cut.chop(1);
    const QSignalBlocker blocker(m_description);
    m_description->setPlainText(cut);
    m_description->moveCursor(QTextCursor::End);
}

void GeneralInformationDialog::saveCompany()
{
    // The values as typed now; written to the data directory on OK.
    m_companyToSave = companyFromFields();
}

void GeneralInformationDialog::saveLogo()
{
    m_logoToSave = m_logoPathValue;
}

void GeneralInformationDialog::chooseLogo()
{
    if (!services().openFileName)
        return;
    const QString chosen = services().openFileName(
        this, QStringLiteral("Open"), toQString(record().state.startDirectory),
        QStringLiteral("Pictures (*.png *.jpg *.jpeg *.svg *.bmp);;PNG pictures (*.png);;"
                       "JPEG pictures (*.jpg *.jpeg);;SVG drawings (*.svg);;Bitmap files (*.bmp);;"
                       "All files (*)"));
    if (chosen.isEmpty())
        return;
    m_logoPathValue = fromQString(chosen);
    showLogoPath();
}

void GeneralInformationDialog::showLogoPath()
{
    m_logoPath->setText(m_logoPathValue.empty()
                            ? QStringLiteral("Logo: none")
                            : QStringLiteral("Logo: ") + toQString(m_logoPathValue));
}

bool GeneralInformationDialog::checkFields()
{
    std::optional<Failure> failure;
    for (std::size_t i = 0; i < kProjectFieldCount && !failure; ++i)
        failure = checkTextLength(kProjectFields[i].field, fromQString(m_projectFields[i]->text()));
    for (std::size_t i = 0; i < kCompanyFieldCount && !failure; ++i)
        failure = checkTextLength(kCompanyFields[i].field, fromQString(m_companyFields[i]->text()));
    if (!failure)
        failure = checkTextLength(FieldId::Description,
                                  descriptionForStore(m_description->toPlainText()));
    if (!failure) {
        const QLineEdit *designer = m_projectFields[projectFieldIndex(FieldId::Designer)];
        failure = checkGeneralInformation(fromQString(designer->text()));
    }
    if (failure)
        showFailure(*failure);
    return !failure;
}

void GeneralInformationDialog::writeCompanyFiles()
{
    const std::string &dataDirectory = record().state.dataDirectory;
    if (m_companyToSave && saveCompanyData(dataDirectory, *m_companyToSave) && services().message)
        services().message(this, QStringLiteral("Unable to save the company data."));
    if (m_logoToSave && saveLogoPath(dataDirectory, *m_logoToSave) && services().message)
        services().message(this, QStringLiteral("Unable to save the logo path."));
    m_companyToSave.reset();
    m_logoToSave.reset();
}

void GeneralInformationDialog::accept()
{
    if (!checkFields())
        return;
    commitStep(services(), QStringLiteral("General Information"), [this] {
        ProjectInfo &info = record().info;
        for (std::size_t i = 0; i < kProjectFieldCount; ++i)
            recordText(record(), kProjectFields[i].field) = fromQString(m_projectFields[i]->text());
        for (std::size_t i = 0; i < kCompanyFieldCount; ++i)
            recordText(record(), kCompanyFields[i].field) = fromQString(m_companyFields[i]->text());
        info.dateTime = toRecordText(m_dateTime->text());
        info.description = RecordText(descriptionForStore(m_description->toPlainText()));
        info.includeLogo = m_includeLogo->checkedId() == 1;
        info.logoPath = RecordText(m_logoPathValue);
    });
    writeCompanyFiles();
    FormDialog::accept();
}

} // namespace vendrix

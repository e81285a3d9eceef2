#include "app/dialogs/input/general_information_dialog.h"

#include "app/dialogs/common/dialog_widgets.h"
#include "graphics/qt_text.h"
#include "model/company_files.h"
#include "model/input_rules.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <ctime>

namespace vendrix {

namespace {

struct TextField
{
    const char *name;
    const char *label;
    std::string ProjectInfo::*member;
};

// In the Enter order; the date/time field is not part of it.
const TextField kProjectFields[] = {
    {"title", "Title", &ProjectInfo::title},
    {"projectNumber", "Number", &ProjectInfo::projectNumber},
    {"projectNumberSuffix", "__", &ProjectInfo::projectNumberSuffix},
    {"client", "Client", &ProjectInfo::client},
    {"designer", "Designer :", &ProjectInfo::designer},
    {"stationNumber", "Station Number", &ProjectInfo::stationNumber},
    {"companyName", "Name", &ProjectInfo::companyName},
    {"companyStreet1", "Street", &ProjectInfo::companyStreet1},
    {"companyStreet2", "", &ProjectInfo::companyStreet2},
    {"companyCity", "City", &ProjectInfo::companyCity},
    {"companyState", "State", &ProjectInfo::companyState},
    {"companyZip", "Zip", &ProjectInfo::companyZip},
    {"companyPhone", "Phone #", &ProjectInfo::companyPhone},
    {"companyFax", "FAX", &ProjectInfo::companyFax},
    {"companyEmail", "E-Mail", &ProjectInfo::companyEmail},
};

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
    : InputDialog(record, services, "IDD_GENERAL_INFORMATION", parent)
    , m_description(new QPlainTextEdit(this))
    , m_includeLogo(makeRadioGroup("includeLogo", this))
    , m_logoPath(new QLabel(this))
    , m_ok(makeButton(QStringLiteral("&OK"), "ok", this))
{
    setWindowTitle(QStringLiteral("General Information"));
    setHelpTopic(QStringLiteral("::/General_Information.htm"));
    const ProjectInfo &info = record.info;

    QLineEdit *fields[std::size(kProjectFields)] = {};
    for (std::size_t i = 0; i < std::size(kProjectFields); ++i) {
        const TextField &f = kProjectFields[i];
        fields[i] = makeTextField(f.name, maxTextLength(f.name), this);
        fields[i]->setText(toQString(info.*f.member));
        fields[i]->setMinimumWidth(220);
    }
    QLineEdit *dateTime = makeTextField("dateTime", 0, this);
    dateTime->setText(toQString(info.dateTime.empty() ? localTimeText() : info.dateTime));
    m_description->setObjectName(QStringLiteral("description"));
    m_description->setTabChangesFocus(true);
    m_description->setPlainText(descriptionForDisplay(info.description));
    m_description->setMinimumHeight(90);
    watchMultiLineEnter(m_description);

    // Project.
    auto *project = new QGroupBox(this);
    auto *projectLayout = new QGridLayout(project);
    auto label = [this](const char *text, QWidget *buddy) {
        auto *l = new QLabel(QString::fromLatin1(text), this);
        l->setBuddy(buddy);
        return l;
    };
    projectLayout->addWidget(label("Title", field("title")), 0, 0);
    projectLayout->addWidget(field("title"), 0, 1, 1, 3);
    projectLayout->addWidget(label("Number", field("projectNumber")), 1, 0);
    projectLayout->addWidget(field("projectNumber"), 1, 1);
    projectLayout->addWidget(label("__", field("projectNumberSuffix")), 1, 2);
    projectLayout->addWidget(field("projectNumberSuffix"), 1, 3);
    field("projectNumber")->setMinimumWidth(100);
    field("projectNumberSuffix")->setMinimumWidth(60);
    projectLayout->addWidget(label("Client", field("client")), 2, 0);
    projectLayout->addWidget(field("client"), 2, 1, 1, 3);
    projectLayout->addWidget(label("Date / Time", dateTime), 3, 0);
    projectLayout->addWidget(dateTime, 3, 1, 1, 3);
    projectLayout->addWidget(label("Designer :", field("designer")), 4, 0);
    projectLayout->addWidget(field("designer"), 4, 1, 1, 3);
    projectLayout->addWidget(label("Station Number", field("stationNumber")), 5, 0);
    projectLayout->addWidget(field("stationNumber"), 5, 1, 1, 3);
    projectLayout->addWidget(label("Description :", m_description), 6, 0, 1, 4);
    projectLayout->addWidget(m_description, 7, 0, 1, 4);

    // Company.
    auto *company = new QGroupBox(QStringLiteral("COMPANY :"), this);
    auto *companyLayout = new QGridLayout(company);
    int row = 0;
    for (std::size_t i = 6; i < std::size(kProjectFields); ++i) {
        const TextField &f = kProjectFields[i];
        if (*f.label != 0)
            companyLayout->addWidget(label(f.label, fields[i]), row, 0);
        companyLayout->addWidget(fields[i], row, 1);
        ++row;
    }
    auto *saveData = makeButton(QStringLiteral("Save &Data for Future Runs"), "saveCompany", this);
    companyLayout->addWidget(saveData, row, 1, Qt::AlignRight);

    // Logo.
    auto *logo = new QGroupBox(this);
    auto *logoLayout = new QGridLayout(logo);
    auto *retrieve
        = makeButton(QStringLiteral("Retrieve &Bitmap File (Logo) for Printout in Current Run"),
                     "chooseLogo", this);
    auto *saveLogoButton
        = makeButton(QStringLiteral("Save &Logo for Future  Runs"), "saveLogo", this);
    auto *no = makeRadio(QStringLiteral("No"), m_includeLogo, 0, this);
    auto *yes = makeRadio(QStringLiteral("Yes"), m_includeLogo, 1, this);
    m_includeLogo->button(info.includeLogo ? 1 : 0)->setChecked(true);
    m_logoPath->setObjectName(QStringLiteral("logoPathShown"));
    m_logoPath->setTextFormat(Qt::PlainText);
    m_logoPath->setWordWrap(true);
    m_logoPath->setMinimumWidth(300);
    auto *includeRow = new QHBoxLayout;
    includeRow->addWidget(new QLabel(QStringLiteral("Include in printout?"), this));
    includeRow->addWidget(no);
    includeRow->addWidget(yes);
    includeRow->addStretch();
    logoLayout->addWidget(retrieve, 0, 0);
    logoLayout->addWidget(saveLogoButton, 0, 1);
    logoLayout->addWidget(m_logoPath, 1, 0, 1, 2);
    logoLayout->addLayout(includeRow, 2, 0, 1, 2);

    auto *layout = new QGridLayout(this);
    layout->addWidget(project, 0, 0);
    layout->addWidget(company, 0, 1);
    layout->addWidget(logo, 1, 0, 1, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(tagLabel());
    buttons->addStretch();
    buttons->addWidget(m_ok);
    layout->addLayout(buttons, 2, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // The Enter order; Tab follows it as well, the date/time field after the client.
    for (std::size_t i = 0; i + 1 < std::size(kProjectFields); ++i)
        setEnterSuccessor(fields[i], fields[i + 1]);
    setEnterSuccessor(fields[std::size(kProjectFields) - 1], m_description);
    setEnterSuccessor(m_description, fields[0]);
    QWidget *tabOrder[] = {fields[0], fields[1], fields[2], fields[3],
                           dateTime,  fields[4], fields[5], m_description};
    for (std::size_t i = 0; i + 1 < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i], tabOrder[i + 1]);
    setTabOrder(m_description, fields[6]);
    for (std::size_t i = 6; i + 1 < std::size(kProjectFields); ++i)
        setTabOrder(fields[i], fields[i + 1]);

    // A new project's company fields and logo come from the files of earlier runs.
    const std::string &dataDirectory = record.state.dataDirectory;
    if (info.companyName.empty() && info.companyStreet1.empty()) {
        CompanyData data;
        if (loadCompanyData(dataDirectory, data))
            showCompany(data);
    }
    if (info.logoPath.empty())
        loadLogoPath(dataDirectory, record.info.logoPath);
    showLogoPath();

    connect(m_description, &QPlainTextEdit::textChanged, this,
            &GeneralInformationDialog::limitDescription);
    connect(m_ok, &QPushButton::clicked, this, [this] {
        emit documentModified();
        if (hasFocusOn(m_ok))
            accept();
    });
    connect(saveData, &QPushButton::clicked, this, &GeneralInformationDialog::saveCompany);
    connect(saveLogoButton, &QPushButton::clicked, this, &GeneralInformationDialog::saveLogo);
    connect(retrieve, &QPushButton::clicked, this, &GeneralInformationDialog::chooseLogo);
}

QLineEdit *GeneralInformationDialog::field(const char *name) const
{
    return findChild<QLineEdit *>(QString::fromLatin1(name));
}

QWidget *GeneralInformationDialog::firstField() const
{
    return field("title");
}

void GeneralInformationDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        emit documentModified();
    InputDialog::keyPressEvent(event);
}

CompanyData GeneralInformationDialog::companyFromFields() const
{
    auto text = [this](const char *name) { return fromQString(field(name)->text()); };
    return CompanyData {text("companyName"),  text("companyStreet1"), text("companyStreet2"),
                        text("companyCity"),  text("companyState"),   text("companyZip"),
                        text("companyPhone"), text("companyFax"),     text("companyEmail")};
}

void GeneralInformationDialog::showCompany(const CompanyData &data)
{
    field("companyName")->setText(toQString(data.name));
    field("companyStreet1")->setText(toQString(data.street1));
    field("companyStreet2")->setText(toQString(data.street2));
    field("companyCity")->setText(toQString(data.city));
    field("companyState")->setText(toQString(data.state));
    field("companyZip")->setText(toQString(data.zip));
    field("companyPhone")->setText(toQString(data.phone));
    field("companyFax")->setText(toQString(data.fax));
    field("companyEmail")->setText(toQString(data.email));
}

void GeneralInformationDialog::limitDescription()
{
    // No more characters than the description holds (line breaks count as CR LF).
    const int maximum = maxTextLength("description");
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
    if (!saveCompanyData(m_record.state.dataDirectory, companyFromFields()) && m_services.message)
        m_services.message(this, QStringLiteral("Unable to save the company data."));
}

void GeneralInformationDialog::saveLogo()
{
    if (!saveLogoPath(m_record.state.dataDirectory, m_record.info.logoPath) && m_services.message)
        m_services.message(this, QStringLiteral("Unable to save the logo path."));
}

void GeneralInformationDialog::chooseLogo()
{
    if (!m_services.openFileName)
        return;
    const QString chosen = m_services.openFileName(
        this, QStringLiteral("Open"), toQString(m_record.state.startDirectory),
        QStringLiteral("Bitmap files (*.bmp);;All files (*)"));
    if (chosen.isEmpty())
        return;
    m_record.info.logoPath = fromQString(chosen);
    showLogoPath();
}

void GeneralInformationDialog::showLogoPath()
{
    m_logoPath->setText(m_record.info.logoPath.empty()
                            ? QStringLiteral("Logo: none")
                            : QStringLiteral("Logo: ") + toQString(m_record.info.logoPath));
}

void GeneralInformationDialog::accept()
{
    for (const TextField &f : kProjectFields) {
        if (const auto failure = checkTextLength(f.name, fromQString(field(f.name)->text()))) {
            showFailure(*failure);
            return;
        }
    }
    const std::string description = descriptionForStore(m_description->toPlainText());
    if (const auto failure = checkTextLength("description", description)) {
        showFailure(*failure);
        return;
    }
    if (const auto failure = checkGeneralInformation(fromQString(field("designer")->text()))) {
        showFailure(*failure);
        return;
    }
    ProjectInfo &info = m_record.info;
    for (const TextField &f : kProjectFields)
        info.*f.member = fromQString(field(f.name)->text());
    info.dateTime = fromQString(field("dateTime")->text());
    info.description = description;
    info.includeLogo = m_includeLogo->checkedId() == 1 ? 1 : 0;
    InputDialog::accept();
}

} // namespace vendrix

#include "app/window/vendrix_application.h"

#include "app/app_info.h"
#include "graphics/qt_text.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>

#include <clocale>

namespace vendrix {

VendrixApplication::VendrixApplication(const UiServices &services,
                                       const DataDirectoryResult &dataDirectory)
    : m_services(services)
{
    m_record.state.startDirectory = currentDirectoryText();
    m_record.state.dataDirectory = dataDirectory.directory;
    for (const std::string &message : dataDirectory.messages)
        showError(m_services, nullptr, QString::fromStdString(message));
}

void setApplicationIdentity()
{
    QCoreApplication::setOrganizationName(QString::fromLatin1(kSettingsOrganisation));
    QCoreApplication::setApplicationName(QString::fromLatin1(kSettingsApplication));
    QCoreApplication::setApplicationVersion(QStringLiteral(VENDRIX_VERSION));
    QGuiApplication::setApplicationDisplayName(QString::fromLatin1(kProgramName));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopFileName));
}

void keepCNumericLocale()
{
    std::setlocale(LC_NUMERIC, "C");
}

std::string currentDirectoryText()
{
    return fromQString(QDir::toNativeSeparators(QDir::currentPath()));
}

} // namespace vendrix

#include "app/window/project_document.h"

#include "app/window/vendrix_application.h"
#include "graphics/qt_text.h"
#include "model/project_file.h"

#include <QFile>
#include <QFileInfo>
#include <QMessageBox>

namespace vendrix {

QString withProjectExtension(const QString &path)
{
    if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    return path + QString::fromLatin1(kProjectFileExtension);
}

ProjectDocument::ProjectDocument(ProjectRecord &record, const UiServices &services, QObject *parent)
    : QObject(parent)
    , m_record(record)
    , m_services(services)
{ }

void ProjectDocument::setModified(bool modified)
{
    if (m_modified == modified)
        return;
    m_modified = modified;
    emit modifiedChanged(modified);
}

QString ProjectDocument::displayName() const
{
    return m_path.isEmpty() ? QString::fromLatin1(kUntitledProjectName)
                            : QFileInfo(m_path).fileName();
}

bool ProjectDocument::newProject()
{
    if (projectOpen())
        return false;
    resetProject(m_record, currentDirectoryText());
    m_record.info.projectPath.clear();
    m_path.clear();
    m_record.state.resultsValid = false;
    m_record.state.projectOpen = true;
    setModified(false);
    emit projectStarted();
    return true;
}

bool ProjectDocument::openProject(QWidget *parent, const QString &path)
{
    // Read into a copy first so that a failing file changes nothing.
    ProjectRecord candidate = m_record;
    if (const auto failure = openProjectFile(pathFromQString(path), candidate)) {
        showError(m_services, parent, failureText(*failure));
        emit openFailed(path);
        return false;
    }
    if (projectOpen() && !closeProject(parent))
        return false;
    m_record.input = candidate.input;
    m_record.info = candidate.info;
    m_record.display = candidate.display;
    m_record.designCheck = candidate.designCheck;
    m_record.info.projectPath = pathFromQString(QFileInfo(path).absoluteFilePath());
    m_path = QFileInfo(path).absoluteFilePath();
    m_record.state.resultsValid = false;
    m_record.state.projectOpen = true;
    setModified(false);
    emit fileUsed(m_path);
    emit projectStarted();
    return true;
}

bool ProjectDocument::openWithDialog(QWidget *parent)
{
    if (!m_services.openFileName)
        return false;
    const QString directory = m_path.isEmpty() ? toQString(m_record.state.startDirectory)
                                               : QFileInfo(m_path).absolutePath();
    const QString path = m_services.openFileName(parent, QStringLiteral("Open"), directory,
                                                 QString::fromLatin1(kProjectFileFilter));
    if (path.isEmpty())
        return false;
    rememberFolderOf(path);
    return openProject(parent, path);
}

bool ProjectDocument::save(QWidget *parent)
{
    if (!projectOpen())
        return false;
    if (m_path.isEmpty())
        return saveAs(parent);
    return writeTo(parent, m_path);
}

bool ProjectDocument::saveAs(QWidget *parent)
{
    if (!projectOpen() || !m_services.saveFileName)
        return false;
    const QString name = m_path.isEmpty()
        ? QString::fromLatin1(kUntitledProjectName) + QString::fromLatin1(kProjectFileExtension)
        : QFileInfo(m_path).fileName();
    const QString path = withProjectExtension(
        askSaveFileName(m_services, parent, pathFromQString(m_path), QStringLiteral("Save As"),
                        name, QString::fromLatin1(kProjectFileFilter)));
    if (path.isEmpty())
        return false;
    return writeTo(parent, path);
}

bool ProjectDocument::writeTo(QWidget *parent, const QString &path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (const auto failure = saveProjectFile(pathFromQString(absolute), m_record)) {
        showError(m_services, parent, failureText(*failure));
        return false;
    }
    m_path = absolute;
    m_record.info.projectPath = pathFromQString(absolute);
    setModified(false);
    emit fileUsed(absolute);
    return true;
}

bool ProjectDocument::saveModified(QWidget *parent)
{
    if (!projectOpen() || !m_modified)
        return true;
    const QString name = m_path.isEmpty() ? displayName() : m_path;
    const int answer = m_services.askYesNoCancel
        ? m_services.askYesNoCancel(parent, QString::fromLatin1(kSaveChangesQuestion).arg(name))
        : int(QMessageBox::No);
    if (answer == QMessageBox::Yes)
        return save(parent);
    return answer == QMessageBox::No;
}

void ProjectDocument::commitReportOptions(const ReportOptions &options)
{
    const bool savedOptionChanged = changesSavedReportOptions(options, m_record);
    applyReportOptions(options, m_record);
    if (savedOptionChanged && projectOpen())
        setModified(true);
}

bool ProjectDocument::closeProject(QWidget *parent)
{
    if (!projectOpen())
        return true;
    if (!saveModified(parent))
        return false;
    m_record.state.projectOpen = false;
    m_record.state.resultsValid = false;
    setModified(false);
    emit projectClosed();
    return true;
}

} // namespace vendrix

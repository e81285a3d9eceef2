#include "app/window/project_document.h"

#include "app/window/record_step.h"
#include "app/window/vendrix_application.h"
#include "graphics/qt_text.h"
#include "model/project_file.h"

#include <QFile>
#include <QFileInfo>
#include <QMessageBox>

#include <utility>

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
    , m_lock(services)
{
    connect(&m_steps, &QUndoStack::cleanChanged, this, &ProjectDocument::reportModified);
}

bool ProjectDocument::isModified() const
{
    return projectOpen() && (m_modifiedUntilSaved || !m_steps.isClean());
}

void ProjectDocument::setModified(bool modified)
{
    m_modifiedUntilSaved = modified;
    if (!modified)
        m_steps.setClean();
    reportModified();
}

void ProjectDocument::reportModified()
{
    const bool modified = isModified();
    if (m_reportedModified == modified)
        return;
    m_reportedModified = modified;
    emit modifiedChanged(modified);
}

void ProjectDocument::startHistory()
{
    m_steps.clear();
    m_committed = serializeProject(m_record);
    setModified(false);
}

void ProjectDocument::commit(const QString &step, const std::function<void()> &store,
                             StepEffect effect)
{
    store();
    if (!projectOpen())
        return;
    std::string saved = serializeProject(m_record);
    if (saved == m_committed)
        return;
    std::string before = std::exchange(m_committed, saved);
    m_steps.push(new RecordStep(step, std::move(before), std::move(saved), effect,
                                [this](const std::string &fields, StepEffect restored) {
                                    restoreSavedFields(fields, restored);
                                }));
}

void ProjectDocument::restoreSavedFields(const std::string &savedFields, StepEffect effect)
{
    // The bytes were written by this program a moment ago: they always read.
    const auto failure = deserializeProject(savedFields, m_record);
    Q_ASSERT(!failure);
    m_committed = savedFields;
    emit savedFieldsRestored(effect);
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
    startHistory();
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
    LockClaim lock = m_lock.claimForOpening(parent, QFileInfo(path).absoluteFilePath());
    if (lock.access == ProjectAccess::Cancelled)
        return false;
    if (projectOpen() && !closeProject(parent))
        return false;
    m_lock.keep(std::move(lock));
    m_record.input = candidate.input;
    m_record.info = candidate.info;
    m_record.display = candidate.display;
    m_record.designCheck = candidate.designCheck;
    m_record.info.projectPath = pathFromQString(QFileInfo(path).absoluteFilePath());
    m_path = QFileInfo(path).absoluteFilePath();
    m_record.state.resultsValid = false;
    m_record.state.projectOpen = true;
    startHistory();
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
    if (m_path.isEmpty() || m_lock.readOnly())
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
    // A new name takes its lock (and gives up the old one) only once saved.
    LockClaim lock;
    const bool newName = absolute != m_path || m_lock.readOnly();
    if (newName) {
        lock = m_lock.claimForSaving(parent, absolute);
        if (lock.access == ProjectAccess::Cancelled)
            return false;
    }
    if (const auto failure = saveProjectFile(pathFromQString(absolute), m_record)) {
        showError(m_services, parent, failureText(*failure));
        return false;
    }
    if (newName)
        m_lock.keep(std::move(lock));
    m_path = absolute;
    m_record.info.projectPath = pathFromQString(absolute);
    setModified(false);
    emit fileUsed(absolute);
    return true;
}

bool ProjectDocument::saveModified(QWidget *parent)
{
    if (!isModified())
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
    commit(
        QStringLiteral("Report Options"), [&] { applyReportOptions(options, m_record); },
        StepEffect::KeepsResults);
}

bool ProjectDocument::closeProject(QWidget *parent)
{
    if (!projectOpen())
        return true;
    if (!saveModified(parent))
        return false;
    m_record.state.projectOpen = false;
    m_record.state.resultsValid = false;
    m_lock.release();
    m_steps.clear();
    setModified(false);
    emit projectClosed();
    return true;
}

} // namespace vendrix

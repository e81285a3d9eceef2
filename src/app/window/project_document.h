#pragma once
// The project as a document: New, Open, Save, Save As and Close with the
// "Save changes to %1?" question, the modified mark and the file's path. The
// main window reacts to its signals by creating or destroying the main menu and
// the input display.

#include "app/printing/report_options.h"
#include "app/ui_services.h"
#include "app/window/project_lock.h"
#include "model/project_record.h"

#include <QObject>
#include <QString>

class QWidget;

namespace vendrix {

inline constexpr const char *kSaveChangesQuestion = "Save changes to %1?";
// The name of a project that was never saved.
inline constexpr const char *kUntitledProjectName = "Untitled";

class ProjectDocument : public QObject
{
    Q_OBJECT

public:
    ProjectDocument(ProjectRecord &record, const UiServices &services, QObject *parent = nullptr);

    bool projectOpen() const { return m_record.state.projectOpen; }
    bool isModified() const { return m_modified; }
    void setModified(bool modified = true);
    // The file the project was opened from or last saved to; empty before that.
    const QString &filePath() const { return m_path; }
    // The name in the window title and in the save question.
    QString displayName() const;
    // The lock beside the project's file; read-only while another Vendrix holds it.
    const ProjectLock &lock() const { return m_lock; }
    // How the question about a project open in another Vendrix is shown.
    void setDialogRunner(DialogRunner runDialog) { m_lock.setDialogRunner(std::move(runDialog)); }

    // Starts a new project: the record is reset and the project is open, not
    // modified. Refused while a project is open.
    bool newProject();
    // Opens `path`. The file is read completely before anything changes: a file
    // that cannot be read is reported and leaves the record and any open project
    // as they were. An open project is closed first (with the save question).
    bool openProject(QWidget *parent, const QString &path);
    // Asks for a file name and opens it.
    bool openWithDialog(QWidget *parent);
    // Saves to the project's file, or asks for one when there is none yet or
    // the project is open read-only.
    bool save(QWidget *parent);
    bool saveAs(QWidget *parent);
    // Asks "Save changes to %1?" when modified; false when the user cancelled or
    // the save failed (the project then stays open).
    bool saveModified(QWidget *parent);
    // Closes the open project after saveModified; false when that was refused.
    bool closeProject(QWidget *parent);
    // Stores the choices made before a printed report; a changed choice that
    // the project file holds marks the project modified.
    void commitReportOptions(const ReportOptions &options);

signals:
    void projectStarted();
    void projectClosed();
    void modifiedChanged(bool modified);
    // A project was opened from or saved to `path` (for the recent-file list).
    void fileUsed(const QString &path);
    // `path` could not be opened (dropped from the recent-file list).
    void openFailed(const QString &path);

private:
    bool writeTo(QWidget *parent, const QString &path);

    ProjectRecord &m_record;
    UiServices m_services;
    QString m_path;
    bool m_modified = false;
    ProjectLock m_lock;
};

// The file name of a save dialog's answer with ".Vdx" added when it has no
// extension of its own.
QString withProjectExtension(const QString &path);

} // namespace vendrix

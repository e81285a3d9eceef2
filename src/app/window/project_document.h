#pragma once
// The project as a document: New, Open, Save, Save As and Close with the
// "Save changes to %1?" question, the modified mark and the file's path, and the
// undo stack of the changes stored since New or Open. The main window reacts to
// its signals by creating or destroying the main menu and the input display.
//
// Every store into the fields the project file saves goes through commit()
// (dialogs reach it as commitStep(services(), ...), see ui_services.h): that
// makes it an undoable step and marks the project modified. The mark is the
// undo stack's clean state: saving sets it clean, undoing back to it clears it.

#include "app/printing/report_options.h"
#include "app/ui_services.h"
#include "app/window/project_lock.h"
#include "model/project_record.h"

#include <QObject>
#include <QString>
#include <QUndoStack>

#include <functional>
#include <string>

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
    bool isModified() const;
    // true: modified until saved, whatever undo does (a file mended while it was
    // read). false: the project as it is counts as saved.
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
    // Runs `store`; when the saved fields then differ from those after the last
    // step, the change becomes the step `step` on the undo stack (its undo and
    // redo name it). A store that changes no saved field marks nothing.
    void commit(const QString &step, const std::function<void()> &store,
                StepEffect effect = StepEffect::InvalidatesResults);
    // Stores the choices made before a printed report; a changed choice that
    // the project file holds is a step.
    void commitReportOptions(const ReportOptions &options);
    QUndoStack &undoStack() { return m_steps; }

signals:
    void projectStarted();
    void projectClosed();
    void modifiedChanged(bool modified);
    // A project was opened from or saved to `path` (for the recent-file list).
    void fileUsed(const QString &path);
    // `path` could not be opened (dropped from the recent-file list).
    void openFailed(const QString &path);
    // An undo or redo put saved fields back; the windows showing them refresh.
    void savedFieldsRestored(StepEffect effect);

private:
    bool writeTo(QWidget *parent, const QString &path);
    // The record as it is is the start of a new history, clean.
    void startHistory();
    void restoreSavedFields(const std::string &savedFields, StepEffect effect);
    void reportModified();

    ProjectRecord &m_record;
    UiServices m_services;
    QString m_path;
    QUndoStack m_steps;
    // The saved fields (as file bytes) after the last step, undo or redo.
    std::string m_committed;
    bool m_modifiedUntilSaved = false;
    bool m_reportedModified = false;
    ProjectLock m_lock;
};

// The file name of a save dialog's answer with ".Vdx" added when it has no
// extension of its own.
QString withProjectExtension(const QString &path);

} // namespace vendrix

#pragma once
// The main window: File, View and Help menus for the states without and with a
// project, the toolbar, the status bar, the recent-file list and dropped files.
// While a project is open its working surface holds the main menu beside the
// input display.

#include "app/dialogs/common/dialog_runner.h"
#include "app/ui_services.h"
#include "app/window/main_menu.h"
#include "app/window/project_document.h"
#include "app/window/recent_files.h"
#include "model/project_record.h"

#include <QMainWindow>
#include <QPointer>
#include <QPrinter>

#include <functional>

class QAction;
class QLabel;
class QMenu;
class QSettings;
class QToolBar;

namespace vendrix {

class HelpCenter;

// Where the graphics windows plug into the desktop program.
struct DesktopHooks
{
    // The cross-section window for the current shape, shown modally.
    std::function<void(ProjectRecord &record, const UiServices &services, QWidget *parent)>
        showGraphicalResults;
    // The input display beside the main menu, shown for the solution method
    // chosen in Options (the main window's, kept up to date); the main window
    // repaints it whenever the input or that method may have changed.
    std::function<QWidget *(ProjectRecord &record, const SolutionMethod &method, QWidget *parent)>
        createInputDisplay;
};

// The first desktop calculator found on the search path, or empty.
QString findDesktopCalculator();

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    MainWindow(ProjectRecord &record, const UiServices &services, HelpCenter *help,
               DesktopHooks hooks = {}, QSettings *settings = nullptr, QWidget *parent = nullptr);
    ~MainWindow() override;

    ProjectDocument &document() { return m_doc; }
    // The main menu while a project is open, else nullptr.
    MainMenu *mainMenu() const { return m_mainMenu; }
    QWidget *inputDisplay() const { return m_inputDisplay; }
    const RecentFileList &recentFiles() const { return m_recent; }
    SolutionMethod solutionMethod() const { return m_solutionMethod; }
    // How modal dialogs are shown (tests drive them instead of exec()).
    void setDialogRunner(DialogRunner runner);

    // Opens a project named on the command line or dropped on the window.
    bool openFile(const QString &path);

    QAction *action(const char *name) const;

public slots:
    void newProject();
    void openProject();
    void saveProject();
    void saveProjectAs();
    void closeProject();
    void printReportPages();
    void printPreview();
    void printSetup();
    void showHelpTopics();
    void showAbout();
    void enterContextHelp();
    void startCalculator();

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    QAction *addAction(QMenu *menu, const QString &text, const char *name, const QString &statusTip,
                       const QKeySequence &shortcut = {});
    // The actions that have a toolbar button.
    struct ToolbarActions
    {
        QAction *newAction = nullptr;
        QAction *open = nullptr;
        QAction *close = nullptr;
        QAction *save = nullptr;
        QAction *print = nullptr;
        QAction *preview = nullptr;
        QAction *exit = nullptr;
        QAction *about = nullptr;
        QAction *contextHelp = nullptr;
        QAction *calculator = nullptr;
    };
    void buildMenusAndToolbar();
    void buildFileMenu(ToolbarActions &actions);
    void buildHelpMenu(ToolbarActions &actions);
    void buildViewMenu(QMenu *view);
    void setToolbarPictures(const ToolbarActions &actions);
    void buildToolbar(const ToolbarActions &actions);
    QMenu *buildOptionsMenu();
    void setSolutionMethod(SolutionMethod method);
    void rebuildRecentFiles();
    void updateCommands();
    void createWorkspace();
    void refreshRestored(StepEffect effect);
    void destroyWorkspace();
    void updateTitle();
    // Says in the status bar when the project's file could not be locked.
    void showLockNote();

    ProjectRecord &m_record;
    UiServices m_services;
    HelpCenter *m_help;
    DesktopHooks m_hooks;
    DialogRunner m_runDialog = execRunner();
    ProjectDocument m_doc;
    RecentFileList m_recent;
    QSettings *m_settings = nullptr;
    // How Run Vendrix solves: a program preference kept in the settings, not
    // in the project file.
    SolutionMethod m_solutionMethod = kDefaultSolutionMethod;
    QPrinter m_printer;
    QMenu *m_fileMenu = nullptr;
    QToolBar *m_toolbar = nullptr;
    QAction *m_recentSeparator = nullptr;
    QList<QAction *> m_recentActions;
    QPointer<MainMenu> m_mainMenu;
    QPointer<QWidget> m_inputDisplay;
    QPointer<QWidget> m_workspace;
    QWidget *m_backdrop = nullptr;
};

} // namespace vendrix

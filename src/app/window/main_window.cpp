#include "app/window/main_window.h"

#include "app/app_info.h"
#include "app/dialogs/common/about_dialog.h"
#include "app/help/help_center.h"
#include "app/printing/print_job.h"
#include "app/window/main_menu.h"
#include "graphics/shell_artwork.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QPageSetupDialog>
#include <QPainter>
#include <QSettings>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QStatusBar>
#include <QToolBar>

namespace vendrix {

namespace {

// The empty working surface while no project is open.
class Backdrop : public QWidget
{
public:
    explicit Backdrop(QWidget *parent)
        : QWidget(parent)
    {
        setObjectName(QStringLiteral("backdrop"));
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Dark));
        const QPixmap icon = programIcon().pixmap(96, 96);
        const QPoint centre = rect().center();
        painter.setOpacity(0.35);
        painter.drawPixmap(centre - QPoint(48, 72), icon);
        painter.setOpacity(0.8);
        painter.setPen(palette().color(QPalette::BrightText));
        painter.drawText(QRect(0, centre.y() + 36, width(), 48), Qt::AlignHCenter | Qt::AlignTop,
                         QStringLiteral("File > New starts a project, File > Open opens one.\n"
                                        "A project file can also be dropped here."));
    }
};

// Stands in for the input display until the drawing of the input is connected.
QWidget *inputDisplayPlaceholder(QWidget *parent)
{
    auto *label = new QLabel(QStringLiteral("Input display"), parent);
    label->setAlignment(Qt::AlignCenter);
    label->setFrameShape(QFrame::StyledPanel);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, Qt::white);
    label->setPalette(palette);
    return label;
}

QString firstLocalFile(const QMimeData *data)
{
    if (data == nullptr || !data->hasUrls())
        return QString();
    for (const QUrl &url : data->urls()) {
        if (url.isLocalFile())
            return url.toLocalFile();
    }
    return QString();
}

} // namespace

QString findDesktopCalculator()
{
    for (const char *name : {"gnome-calculator", "kcalc", "mate-calc", "galculator",
                             "qalculate-gtk", "qalculate-qt", "xcalc"}) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!path.isEmpty())
            return path;
    }
    return QString();
}

MainWindow::MainWindow(ProjectRecord &record, const UiServices &services, HelpCenter *help,
                       DesktopHooks hooks, QSettings *settings, QWidget *parent)
    : QMainWindow(parent)
    , m_record(record)
    , m_services(services)
    , m_help(help)
    , m_hooks(std::move(hooks))
    , m_doc(record, services)
    , m_recent(settings)
    , m_settings(settings)
{
    setObjectName(QStringLiteral("mainFrame"));
    setProperty("helpTopic", QString::fromLatin1(kMainWindowHelpTopic));
    setAcceptDrops(true);
    setWindowIcon(programIcon());
    auto *stack = new QStackedWidget(this);
    stack->setObjectName(QStringLiteral("surface"));
    m_backdrop = new Backdrop(stack);
    stack->addWidget(m_backdrop);
    setCentralWidget(stack);
    buildMenusAndToolbar();
    auto *ready = new QLabel(QStringLiteral("Ready"), this);
    ready->setObjectName(QStringLiteral("readyText"));
    statusBar()->addWidget(ready, 1);

    connect(&m_doc, &ProjectDocument::projectStarted, this, &MainWindow::createWorkspace);
    connect(&m_doc, &ProjectDocument::projectClosed, this, &MainWindow::destroyWorkspace);
    connect(&m_doc, &ProjectDocument::modifiedChanged, this, &MainWindow::updateTitle);
    connect(&m_doc, &ProjectDocument::fileUsed, this, [this](const QString &path) {
        m_recent.add(path);
        rebuildRecentFiles();
        updateTitle();
    });
    connect(&m_doc, &ProjectDocument::openFailed, this, [this](const QString &path) {
        m_recent.remove(path);
        rebuildRecentFiles();
    });
    resize(1100, 760);
    updateTitle();
    updateCommands();
}

MainWindow::~MainWindow()
{
    destroyWorkspace();
}

void MainWindow::setDialogRunner(DialogRunner runner)
{
    m_runDialog = std::move(runner);
    if (m_mainMenu)
        m_mainMenu->runDialog = m_runDialog;
}

QAction *MainWindow::action(const char *name) const
{
    return findChild<QAction *>(QString::fromLatin1(name));
}

QAction *MainWindow::addAction(QMenu *menu, const QString &text, const char *name,
                               const QString &statusTip, const QKeySequence &shortcut)
{
    auto *item = new QAction(text, this);
    item->setObjectName(QString::fromLatin1(name));
    item->setStatusTip(statusTip);
    if (!shortcut.isEmpty())
        item->setShortcut(shortcut);
    if (menu != nullptr)
        menu->addAction(item);
    return item;
}

namespace {

constexpr const char *kSolutionMethodKey = "solutionMethod";

} // namespace

// Options > the solution method of Run Vendrix, remembered in the settings.
QMenu *MainWindow::buildOptionsMenu()
{
    auto *options = new QMenu(QStringLiteral("&Options"), this);
    options->setObjectName(QStringLiteral("optionsMenu"));
    auto *group = new QActionGroup(options);
    QAction *exact = addAction(options, QStringLiteral("&Exact Solution Method"), "methodExact",
                               QStringLiteral("Solve each objective to the precision of the "
                                              "arithmetic (recommended)"));
    QAction *classic
        = addAction(options, QStringLiteral("&Classic Solution Method"), "methodClassic",
                    QStringLiteral("Repeat the fixed-step searches of the earlier program, for "
                                   "comparison with its results"));
    for (QAction *action : {exact, classic}) {
        action->setCheckable(true);
        group->addAction(action);
    }
    SolutionMethod method = kDefaultSolutionMethod;
    if (m_settings != nullptr)
        parseSolutionMethod(
            m_settings->value(QLatin1String(kSolutionMethodKey)).toString().toStdString(), method);
    m_solutionMethod = method;
    (method == SolutionMethod::Classic ? classic : exact)->setChecked(true);
    connect(exact, &QAction::triggered, this, [this] { setSolutionMethod(SolutionMethod::Exact); });
    connect(classic, &QAction::triggered, this,
            [this] { setSolutionMethod(SolutionMethod::Classic); });
    return options;
}

void MainWindow::setSolutionMethod(SolutionMethod method)
{
    m_solutionMethod = method;
    if (m_settings != nullptr)
        m_settings->setValue(QLatin1String(kSolutionMethodKey),
                             QLatin1String(solutionMethodName(method)));
    if (m_mainMenu)
        m_mainMenu->solutionMethod = method;
    // The sketch shows the layering the chosen method solves.
    if (m_inputDisplay)
        m_inputDisplay->update();
}

void MainWindow::buildMenusAndToolbar()
{
    ToolbarActions actions;
    buildFileMenu(actions);
    QMenu *view = menuBar()->addMenu(QStringLiteral("&View"));
    view->setObjectName(QStringLiteral("viewMenu"));
    menuBar()->addMenu(buildOptionsMenu());
    buildHelpMenu(actions);
    setToolbarPictures(actions);
    buildToolbar(actions);
    buildViewMenu(view);
    rebuildRecentFiles();
}

void MainWindow::buildFileMenu(ToolbarActions &actions)
{
    m_fileMenu = menuBar()->addMenu(QStringLiteral("&File"));
    m_fileMenu->setObjectName(QStringLiteral("fileMenu"));
    QMenu *file = m_fileMenu;
    actions.newAction = addAction(file, QStringLiteral("&New"), "fileNew",
                                  QStringLiteral("Create a new document"), QKeySequence::New);
    actions.open = addAction(file, QStringLiteral("&Open..."), "fileOpen",
                             QStringLiteral("Open an existing document"), QKeySequence::Open);
    actions.close = addAction(file, QStringLiteral("&Close"), "fileClose",
                              QStringLiteral("Close the active document"));
    actions.save = addAction(file, QStringLiteral("&Save"), "fileSave",
                             QStringLiteral("Save the active document"), QKeySequence::Save);
    QAction *saveAs = addAction(file, QStringLiteral("Save &As..."), "fileSaveAs",
                                QStringLiteral("Save the active document with a new name"));
    file->addSeparator()->setObjectName(QStringLiteral("projectSeparator"));
    actions.print = addAction(file, QStringLiteral("&Print..."), "filePrint",
                              QStringLiteral("Print the active document"), QKeySequence::Print);
    actions.preview = addAction(file, QStringLiteral("Print Pre&view"), "filePrintPreview",
                                QStringLiteral("Display full pages"));
    QAction *setup = addAction(file, QStringLiteral("P&rint Setup..."), "filePrintSetup",
                               QStringLiteral("Change the printer and printing options"));
    m_recentSeparator = file->addSeparator();
    QAction *placeholder = addAction(file, QStringLiteral("Recent File"), "fileRecentNone",
                                     QStringLiteral("Open this document"));
    placeholder->setEnabled(false);
    file->addSeparator();
    actions.exit = addAction(file, QStringLiteral("E&xit"), "appExit",
                             QStringLiteral("Quit the application; prompts to save documents"));

    connect(actions.newAction, &QAction::triggered, this, &MainWindow::newProject);
    connect(actions.open, &QAction::triggered, this, &MainWindow::openProject);
    connect(actions.close, &QAction::triggered, this, &MainWindow::closeProject);
    connect(actions.save, &QAction::triggered, this, &MainWindow::saveProject);
    connect(saveAs, &QAction::triggered, this, &MainWindow::saveProjectAs);
    connect(actions.print, &QAction::triggered, this, &MainWindow::printReportPages);
    connect(actions.preview, &QAction::triggered, this, &MainWindow::printPreview);
    connect(setup, &QAction::triggered, this, &MainWindow::printSetup);
    connect(actions.exit, &QAction::triggered, this, &QWidget::close);
}

void MainWindow::buildHelpMenu(ToolbarActions &actions)
{
    QMenu *helpMenu = menuBar()->addMenu(QStringLiteral("&Help"));
    helpMenu->setObjectName(QStringLiteral("helpMenu"));
    QAction *topics = addAction(helpMenu, QStringLiteral("&Help Topics"), "helpTopics",
                                QStringLiteral("List Help topics"));
    helpMenu->addSeparator();
    actions.about = addAction(helpMenu, QStringLiteral("&About Vendrix..."), "appAbout",
                              QStringLiteral("Display program information, version number and "
                                             "copyright"));
    // The toolbar's own buttons, in no menu.
    actions.contextHelp
        = addAction(nullptr, QStringLiteral("Help"), "contextHelp",
                    QStringLiteral("Display help for clicked on buttons, menus and windows"),
                    QKeySequence(Qt::SHIFT | Qt::Key_F1));
    actions.contextHelp->setToolTip(QStringLiteral("Help"));
    actions.calculator = addAction(nullptr, QStringLiteral("Calculator"), "calculator",
                                   QStringLiteral("Use the calculator"));
    actions.calculator->setToolTip(QStringLiteral("Calculator"));
    // A button that would do nothing is drawn grey and says why.
    if (findDesktopCalculator().isEmpty()) {
        actions.calculator->setEnabled(false);
        actions.calculator->setToolTip(
            QStringLiteral("Calculator: no calculator program is installed"));
    }

    connect(topics, &QAction::triggered, this, &MainWindow::showHelpTopics);
    connect(actions.about, &QAction::triggered, this, &MainWindow::showAbout);
    connect(actions.contextHelp, &QAction::triggered, this, &MainWindow::enterContextHelp);
    connect(actions.calculator, &QAction::triggered, this, &MainWindow::startCalculator);
}

void MainWindow::setToolbarPictures(const ToolbarActions &actions)
{
    actions.newAction->setIcon(toolbarIcon(ToolbarPicture::New));
    actions.open->setIcon(toolbarIcon(ToolbarPicture::Open));
    actions.close->setIcon(toolbarIcon(ToolbarPicture::Close));
    actions.save->setIcon(toolbarIcon(ToolbarPicture::Save));
    actions.print->setIcon(toolbarIcon(ToolbarPicture::Print));
    actions.preview->setIcon(toolbarIcon(ToolbarPicture::PrintPreview));
    actions.about->setIcon(toolbarIcon(ToolbarPicture::About));
    actions.contextHelp->setIcon(toolbarIcon(ToolbarPicture::ContextHelp));
    actions.calculator->setIcon(toolbarIcon(ToolbarPicture::Calculator));
    actions.exit->setIcon(toolbarIcon(ToolbarPicture::Exit));
    for (QAction *item :
         {actions.newAction, actions.open, actions.close, actions.save, actions.print,
          actions.preview, actions.about, actions.contextHelp, actions.calculator, actions.exit}) {
        if (item->toolTip() == item->text() || item->toolTip().isEmpty())
            item->setToolTip(
                QString(item->text()).remove(QLatin1Char('&')).remove(QStringLiteral("...")));
    }
}

void MainWindow::buildToolbar(const ToolbarActions &actions)
{
    m_toolbar = addToolBar(QStringLiteral("Toolbar"));
    m_toolbar->setObjectName(QStringLiteral("toolbar"));
    m_toolbar->setIconSize(QSize(24, 24));
    m_toolbar->addAction(actions.newAction);
    m_toolbar->addAction(actions.open);
    m_toolbar->addAction(actions.close);
    m_toolbar->addAction(actions.save);
    m_toolbar->addSeparator();
    m_toolbar->addAction(actions.print);
    m_toolbar->addAction(actions.preview);
    m_toolbar->addSeparator();
    m_toolbar->addAction(actions.about);
    m_toolbar->addAction(actions.contextHelp);
    m_toolbar->addSeparator();
    m_toolbar->addAction(actions.calculator);
    m_toolbar->addAction(actions.exit);
    // Shift+F1 works from the toolbar button and the keyboard alike.
    QMainWindow::addAction(actions.contextHelp);
}

void MainWindow::buildViewMenu(QMenu *view)
{
    QAction *toolbarToggle = m_toolbar->toggleViewAction();
    toolbarToggle->setText(QStringLiteral("&Toolbar"));
    toolbarToggle->setObjectName(QStringLiteral("viewToolbar"));
    toolbarToggle->setStatusTip(QStringLiteral("Show or hide the toolbar"));
    view->addAction(toolbarToggle);
    QAction *statusToggle = addAction(view, QStringLiteral("&Status Bar"), "viewStatusBar",
                                      QStringLiteral("Show or hide the status bar"));
    statusToggle->setCheckable(true);
    statusToggle->setChecked(true);
    connect(statusToggle, &QAction::toggled, this,
            [this](bool on) { statusBar()->setVisible(on); });
}

void MainWindow::rebuildRecentFiles()
{
    for (QAction *item : std::as_const(m_recentActions)) {
        m_fileMenu->removeAction(item);
        delete item;
    }
    m_recentActions.clear();
    const QStringList &files = m_recent.files();
    QAction *placeholder = action("fileRecentNone");
    placeholder->setVisible(files.isEmpty());
    QAction *before = placeholder;
    for (int i = 0; i < files.size(); ++i) {
        auto *item = new QAction(RecentFileList::menuText(i, files[i]), this);
        item->setObjectName(QStringLiteral("fileRecent%1").arg(i + 1));
        item->setStatusTip(QStringLiteral("Open this document"));
        item->setData(files[i]);
        connect(item, &QAction::triggered, this, [this, item] {
            if (!m_doc.projectOpen())
                openFile(item->data().toString());
        });
        m_fileMenu->insertAction(before, item);
        m_recentActions.append(item);
    }
    updateCommands();
}

void MainWindow::updateCommands()
{
    const bool open = m_doc.projectOpen();
    const bool results = printingAvailable(m_record);
    action("fileNew")->setEnabled(!open);
    action("fileOpen")->setEnabled(!open);
    for (const char *name :
         {"fileClose", "fileSave", "fileSaveAs", "filePrint", "filePrintPreview"}) {
        QAction *item = action(name);
        // The menu shows the project commands only while there is a project; the
        // toolbar keeps its buttons and greys them.
        item->setEnabled(open);
        m_fileMenu->removeAction(item);
    }
    if (open) {
        QAction *anchor = action("fileOpen");
        const QList<QAction *> all = m_fileMenu->actions();
        const qsizetype at = all.indexOf(anchor) + 1;
        QAction *next = at < all.size() ? all[at] : nullptr;
        for (const char *name : {"fileClose", "fileSave", "fileSaveAs"})
            m_fileMenu->insertAction(next, action(name));
        QAction *setup = action("filePrintSetup");
        m_fileMenu->insertAction(setup, action("filePrint"));
        m_fileMenu->insertAction(setup, action("filePrintPreview"));
    }
    action("filePrint")->setEnabled(open && results);
    action("filePrintPreview")->setEnabled(open && results);
    for (QAction *item : std::as_const(m_recentActions))
        item->setEnabled(!open);
}

void MainWindow::updateTitle()
{
    if (m_doc.projectOpen())
        // The desktop adds the program's name (its display name) itself.
        setWindowTitle(m_doc.displayName() + QStringLiteral("[*]"));
    else
        setWindowTitle(QString::fromLatin1(kProgramName));
    setWindowModified(m_doc.projectOpen() && m_doc.isModified());
}

void MainWindow::createWorkspace()
{
    destroyWorkspace();
    auto *stack = static_cast<QStackedWidget *>(centralWidget());
    auto *workspace = new QWidget(stack);
    workspace->setObjectName(QStringLiteral("workspace"));
    auto *layout = new QHBoxLayout(workspace);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(8);
    auto *menu = new MainMenu(m_record, m_services, workspace);
    menu->runDialog = m_runDialog;
    if (m_hooks.showGraphicalResults) {
        menu->showGraphicalResults = [this](QWidget *parent) {
            m_hooks.showGraphicalResults(m_record, m_services, parent);
        };
    }
    menu->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    layout->addWidget(menu, 0);
    QWidget *display = m_hooks.createInputDisplay
        ? m_hooks.createInputDisplay(m_record, m_solutionMethod, workspace)
        : inputDisplayPlaceholder(workspace);
    display->setObjectName(display->objectName().isEmpty() ? QStringLiteral("inputDisplay")
                                                           : display->objectName());
    layout->addWidget(display, 1);
    stack->addWidget(workspace);
    stack->setCurrentWidget(workspace);
    m_workspace = workspace;
    m_mainMenu = menu;
    menu->solutionMethod = m_solutionMethod;
    menu->document = &m_doc;
    m_inputDisplay = display;
    connect(menu, &MainMenu::documentModified, this, [this] { m_doc.setModified(true); });
    connect(menu, &MainMenu::inputChanged, this, [this] {
        if (m_inputDisplay)
            m_inputDisplay->update();
    });
    connect(menu, &MainMenu::resultsValidChanged, this, &MainWindow::updateCommands);
    updateTitle();
    updateCommands();
    menu->setFocus();
}

void MainWindow::destroyWorkspace()
{
    if (m_workspace) {
        auto *stack = static_cast<QStackedWidget *>(centralWidget());
        if (stack != nullptr) {
            stack->removeWidget(m_workspace);
            stack->setCurrentWidget(m_backdrop);
        }
        delete m_workspace.data();
    }
    m_mainMenu = nullptr;
    m_inputDisplay = nullptr;
    if (centralWidget() != nullptr) {
        updateTitle();
        updateCommands();
    }
}

bool MainWindow::openFile(const QString &path)
{
    return m_doc.openProject(this, path);
}

void MainWindow::newProject()
{
    m_doc.newProject();
}

void MainWindow::openProject()
{
    if (!m_doc.projectOpen())
        m_doc.openWithDialog(this);
}

void MainWindow::saveProject()
{
    m_doc.save(this);
}

void MainWindow::saveProjectAs()
{
    m_doc.saveAs(this);
}

void MainWindow::closeProject()
{
    m_doc.closeProject(this);
}

void MainWindow::printReportPages()
{
    printReport(
        m_record, [this](const ReportOptions &options) { m_doc.commitReportOptions(options); },
        m_services, this, false, &m_printer);
}

void MainWindow::printPreview()
{
    printReport(
        m_record, [this](const ReportOptions &options) { m_doc.commitReportOptions(options); },
        m_services, this, true, &m_printer);
}

void MainWindow::printSetup()
{
    QPageSetupDialog dialog(&m_printer, this);
    dialog.setWindowTitle(QStringLiteral("Print Setup"));
    m_runDialog(dialog);
}

void MainWindow::showHelpTopics()
{
    if (m_help != nullptr)
        m_help->showTopic(QString());
}

void MainWindow::showAbout()
{
    AboutDialog dialog(m_services, this, m_runDialog);
    m_runDialog(dialog);
}

void MainWindow::enterContextHelp()
{
    if (m_help != nullptr)
        m_help->enterContextHelpMode();
}

void MainWindow::startCalculator()
{
    // Without a calculator on the desktop the command does nothing.
    const QString calculator = findDesktopCalculator();
    if (!calculator.isEmpty() && m_services.startProgram)
        m_services.startProgram(calculator, {});
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!m_doc.closeProject(this)) {
        event->ignore();
        return;
    }
    event->accept();
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (!firstLocalFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    const QString path = firstLocalFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    activateWindow();
    openFile(path);
}

} // namespace vendrix

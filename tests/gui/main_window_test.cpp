// The main window: menus in both states, toolbar order, New / Open / Save /
// Close with the save question, a failing file, recent files, dropped files,
// and the application object's data directory messages.
#include "app/desktop_program.h"
#include "app/help/help_center.h"
#include "app/printing/report_options.h"
#include "app/window/desktop_hooks.h"
#include "app/window/main_window.h"
#include "app/window/splash_window.h"
#include "app/window/vendrix_application.h"
#include "graphics/qt_text.h"
#include "model/project_file.h"
#include "shell_test_support.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QToolBar>

using namespace vendrix;
using namespace vendrix::test;

namespace {

QStringList menuTexts(QMenu *menu)
{
    QStringList texts;
    for (QAction *item : menu->actions()) {
        if (!item->isSeparator() && item->isVisible())
            texts << item->text()
                    + (item->shortcut().isEmpty()
                           ? QString()
                           : QStringLiteral("\t") + item->shortcut().toString());
    }
    return texts;
}

QMenu *menu(MainWindow &frame, const char *name)
{
    return frame.menuBar()->findChild<QMenu *>(QString::fromLatin1(name));
}

struct MainWindowFixture : ::testing::Test
{
    QTemporaryDir dir;
    std::unique_ptr<QSettings> settings;
    ProjectRecord record;
    RecordingServices recorder;
    SaveQuestion question;
    UiServices services;
    DialogScript script;
    std::unique_ptr<MainWindow> frame;

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        settings = std::make_unique<QSettings>(dir.filePath("settings.ini"), QSettings::IniFormat);
        record.state.dataDirectory = dir.filePath("data").toStdString();
        services = recorder.services();
        question.install(services);
        makeFrame();
    }

    void makeFrame()
    {
        frame.reset();
        frame = std::make_unique<MainWindow>(record, services, nullptr, DesktopHooks {},
                                             settings.get());
        frame->setDialogRunner(script.runner());
        frame->show();
    }

    void trigger(const char *name)
    {
        QAction *item = frame->action(name);
        ASSERT_NE(item, nullptr) << name;
        ASSERT_TRUE(item->isEnabled()) << name;
        item->trigger();
    }

    QString saveProjectAs(const char *name)
    {
        recorder.nextFileName = dir.filePath(QString::fromLatin1(name));
        frame->saveProjectAs();
        return recorder.nextFileName;
    }

    QString writeBrokenFile()
    {
        const QString path = dir.filePath("broken.Vdx");
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("\x0b\x00\x00\x00\x01", 5); // version 11, then the file ends
        return path;
    }
};

} // namespace

TEST_F(MainWindowFixture, MenusWithoutAndWithAProject)
{
    EXPECT_EQ(frame->windowTitle(), "Vendrix");
    const QStringList noProject
        = {"&New\tCtrl+N", "&Open...\tCtrl+O", "P&rint Setup...", "Recent File", "E&xit"};
    EXPECT_EQ(menuTexts(menu(*frame, "fileMenu")), noProject);
    EXPECT_EQ(menuTexts(menu(*frame, "viewMenu")), QStringList({"&Toolbar", "&Status Bar"}));
    EXPECT_EQ(menuTexts(menu(*frame, "helpMenu")),
              QStringList({"&Help Topics", "&About Vendrix..."}));
    EXPECT_FALSE(frame->action("fileRecentNone")->isEnabled());

    trigger("fileNew");
    const QStringList withProject = {
        "&New\tCtrl+N",      "&Open...\tCtrl+O", "&Close",          "&Save\tCtrl+S", "Save &As...",
        "&Print...\tCtrl+P", "Print Pre&view",   "P&rint Setup...", "Recent File",   "E&xit"};
    EXPECT_EQ(menuTexts(menu(*frame, "fileMenu")), withProject);
    EXPECT_EQ(frame->windowTitle(), "Untitled[*]"); // the desktop adds " — Vendrix"

    const struct
    {
        const char *action;
        bool noResults;
        bool results;
    } enabling[] = {
        {"fileNew", false, false},         {"fileOpen", false, false},
        {"fileClose", true, true},         {"fileSave", true, true},
        {"fileSaveAs", true, true},        {"filePrint", false, true},
        {"filePrintPreview", false, true}, {"filePrintSetup", true, true},
    };
    for (const auto &e : enabling) {
        SCOPED_TRACE(e.action);
        EXPECT_EQ(frame->action(e.action)->isEnabled(), e.noResults);
    }
    frame->mainMenu()->runAnalysis();
    for (const auto &e : enabling) {
        SCOPED_TRACE(e.action);
        EXPECT_EQ(frame->action(e.action)->isEnabled(), e.results);
    }
    frame->mainMenu()->modifyInputData();
    EXPECT_FALSE(frame->action("filePrint")->isEnabled());
}

TEST_F(MainWindowFixture, ToolbarOrderAndCalculator)
{
    auto *bar = frame->findChild<QToolBar *>("toolbar");
    ASSERT_NE(bar, nullptr);
    QStringList order;
    for (QAction *item : bar->actions())
        order << (item->isSeparator() ? QStringLiteral("|") : item->objectName());
    EXPECT_EQ(order,
              QStringList({"fileNew", "fileOpen", "fileClose", "fileSave", "|", "filePrint",
                           "filePrintPreview", "|", "appAbout", "contextHelp", "|", "calculator",
                           "appExit"}));
    EXPECT_EQ(frame->action("contextHelp")->shortcut(), QKeySequence(Qt::SHIFT | Qt::Key_F1));

    // The calculator button starts the desktop's calculator, and without one it
    // is grey and says why instead of doing nothing.
    QStringList started;
    services.startProgram = [&](const QString &program, const QStringList &) {
        started << program;
        return true;
    };
    const QByteArray path = qgetenv("PATH");
    const QString bin = dir.filePath("bin");
    ASSERT_TRUE(QDir().mkpath(bin));
    qputenv("PATH", bin.toLocal8Bit());
    makeFrame();
    QAction *calculator = frame->action("calculator");
    EXPECT_EQ(calculator->statusTip(), "Use the calculator");
    EXPECT_FALSE(calculator->isEnabled());
    EXPECT_TRUE(calculator->toolTip().contains("no calculator"))
        << calculator->toolTip().toStdString();

    QFile fake(bin + "/xcalc");
    ASSERT_TRUE(fake.open(QIODevice::WriteOnly));
    fake.write("#!/bin/sh\n");
    fake.close();
    fake.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    makeFrame();
    EXPECT_EQ(frame->action("calculator")->toolTip(), "Calculator");
    trigger("calculator");
    qputenv("PATH", path);
    EXPECT_EQ(started, QStringList({bin + "/xcalc"}));
}

TEST_F(MainWindowFixture, NewCreatesTheMainMenuAndCloseRemovesIt)
{
    record.info.designer = "kept until New";
    record.display.unitSystem = 1 ? UnitSystem::English : UnitSystem::SI;
    EXPECT_EQ(frame->mainMenu(), nullptr);
    trigger("fileNew");
    ASSERT_NE(frame->mainMenu(), nullptr);
    ASSERT_NE(frame->inputDisplay(), nullptr);
    EXPECT_TRUE(frame->mainMenu()->isVisible());
    EXPECT_EQ(record.state.projectOpen, 1);
    EXPECT_EQ(record.info.designer, "");
    EXPECT_EQ(record.display.unitSystem, UnitSystem::English);
    EXPECT_FALSE(frame->document().isModified());

    trigger("fileClose");
    EXPECT_TRUE(question.asked.empty()) << "an unmodified project closes without a question";
    EXPECT_EQ(frame->mainMenu(), nullptr);
    EXPECT_EQ(frame->inputDisplay(), nullptr);
    EXPECT_EQ(record.state.projectOpen, 0);
    EXPECT_EQ(frame->windowTitle(), "Vendrix");
}

TEST_F(MainWindowFixture, CloseOfAModifiedProjectAsksToSave)
{
    const struct
    {
        const char *name;
        int answer;
        bool closed;
        bool saved;
    } cases[] = {
        {"cancel keeps the project", QMessageBox::Cancel, false, false},
        {"no closes without saving", QMessageBox::No, true, false},
        {"yes saves, then closes", QMessageBox::Yes, true, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = dir.filePath(QStringLiteral("modified-%1.Vdx").arg(c.answer));
        record.state.projectOpen = false;
        makeFrame();
        trigger("fileNew");
        recorder.nextFileName = path;
        frame->saveProjectAs();
        ASSERT_TRUE(QFile::exists(path));
        QFile::remove(path);
        frame->document().commit(QStringLiteral("Slurry and Geometry Data"),
                                 [&] { record.input.circumference = 12.5; });
        EXPECT_TRUE(frame->isWindowModified());
        question.asked.clear();
        question.answer = c.answer;
        trigger("fileClose");
        ASSERT_EQ(question.asked.size(), 1u);
        EXPECT_EQ(question.asked[0], QStringLiteral("Save changes to %1?").arg(path));
        EXPECT_EQ(frame->mainMenu() == nullptr, c.closed);
        EXPECT_EQ(record.state.projectOpen, c.closed ? 0 : 1);
        EXPECT_EQ(QFile::exists(path), c.saved);
    }
}

TEST_F(MainWindowFixture, SaveOfANewProjectAsksForANameAndAddsTheExtension)
{
    trigger("fileNew");
    recorder.nextFileName.clear();
    trigger("fileSave"); // cancelled name: nothing written, still untitled
    EXPECT_EQ(recorder.fileDialogCaptions.size(), 1u);
    EXPECT_TRUE(frame->document().filePath().isEmpty());

    recorder.nextFileName = dir.filePath("groin");
    trigger("fileSave");
    const QString path = dir.filePath("groin.Vdx");
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(frame->document().filePath(), path);
    EXPECT_EQ(record.info.projectPath, path.toStdString());
    EXPECT_EQ(frame->windowTitle(), "groin.Vdx[*]");

    // A second save needs no name.
    record.input.circumference = 11;
    trigger("fileSave");
    EXPECT_EQ(recorder.fileDialogCaptions.size(), 2u);
    ProjectRecord reread;
    const auto failure = openProjectFile(path.toStdString(), reread);
    ASSERT_FALSE(failure) << failure->messageText;
    EXPECT_EQ(reread.input.circumference, 11);

    // A save that fails is reported and the project keeps its file.
    recorder.nextFileName = dir.filePath("missing/groin.Vdx");
    frame->saveProjectAs();
    ASSERT_EQ(recorder.shown.size(), 1u);
    EXPECT_TRUE(recorder.shown[0].errorIcon);
    EXPECT_EQ(frame->document().filePath(), path);
}

TEST_F(MainWindowFixture, OpenReadsTheFileAndLeavesResultsInvalid)
{
    trigger("fileNew");
    record.input.circumference = 14.25;
    record.info.title = "Dike A";
    const QString path = saveProjectAs("dike.Vdx");
    trigger("fileClose");
    record.input.circumference = 9;
    record.info.title = "changed in memory";

    recorder.nextFileName = path;
    trigger("fileOpen");
    ASSERT_NE(frame->mainMenu(), nullptr);
    EXPECT_EQ(record.input.circumference, 14.25);
    EXPECT_EQ(record.info.title, "Dike A");
    EXPECT_EQ(record.state.resultsValid, 0);
    EXPECT_FALSE(frame->mainMenu()->resultButtonsEnabled());
    EXPECT_FALSE(frame->document().isModified());
    EXPECT_FALSE(frame->action("fileOpen")->isEnabled());
}

TEST_F(MainWindowFixture, AFailingFileOnTheCommandLineIsNotHiddenByTheSplash)
{
    const QString broken = writeBrokenFile();
    auto visibleSplash = [] {
        for (QWidget *window : QApplication::topLevelWidgets())
            if (qobject_cast<SplashWindow *>(window) && window->isVisible())
                return true;
        return false;
    };
    bool splashWhileMessage = false;
    services.error = [&](QWidget *, const QString &text) {
        splashWhileMessage = splashWhileMessage || visibleSplash();
        recorder.shown.push_back({std::string(), fromQString(text), true});
    };
    makeFrame();
    DesktopArguments arguments;
    arguments.projectPath = broken;
    openStartProject(*frame, arguments);
    ASSERT_EQ(recorder.shown.size(), 1u);
    EXPECT_FALSE(splashWhileMessage);
    EXPECT_FALSE(visibleSplash()) << "the user has already been interrupted by the message";

    // A good file (or none) still gets the splash picture, over the opened project.
    const QString good = dir.filePath("good.Vdx");
    const auto failure = saveProjectFile(good.toStdString(), ProjectRecord());
    ASSERT_FALSE(failure) << failure->messageText;
    arguments.projectPath = good;
    openStartProject(*frame, arguments);
    EXPECT_EQ(recorder.shown.size(), 1u);
    EXPECT_TRUE(frame->document().projectOpen());
    EXPECT_TRUE(visibleSplash());
    for (QWidget *window : QApplication::topLevelWidgets())
        if (qobject_cast<SplashWindow *>(window))
            delete window;
}

TEST(MainWindow, AtItsSmallestTheInputSketchIsWhole)
{
    ProjectRecord record;
    RecordingServices recorder;
    MainWindow frame(record, recorder.services(), nullptr, standardDesktopHooks());
    frame.show();
    frame.newProject();
    frame.resize(10, 10); // as far as the user could drag its corner
    QApplication::processEvents();
    QWidget *display = frame.inputDisplay();
    ASSERT_NE(display, nullptr);
    // The sketch's texts have fixed sizes: below the standard sketch they are cut.
    EXPECT_GE(display->width(), 584);
    EXPECT_GE(display->height(), 366);
    EXPECT_TRUE(frame.rect().contains(
        display->geometry().translated(display->parentWidget()->mapTo(&frame, QPoint(0, 0)))));
    record.state.projectOpen = false;
}

TEST_F(MainWindowFixture, AFailingFileLeavesEverythingAsItWas)
{
    const QString broken = writeBrokenFile();
    const struct
    {
        const char *name;
        QString path;
        std::string message;
    } cases[] = {
        {"truncated", broken,
         broken.toStdString()
             + "\nThis file is not a Vendrix project, or damaged, and cannot be opened."},
        {"missing", dir.filePath("none.Vdx"),
         dir.filePath("none.Vdx").toStdString()
             + "\nCannot find this file.\nPlease verify that the correct path and file name are "
               "given."},
    };
    for (const bool projectOpen : {false, true}) {
        for (const auto &c : cases) {
            SCOPED_TRACE(std::string(c.name) + (projectOpen ? " with a project" : " alone"));
            record = ProjectRecord();
            makeFrame();
            if (projectOpen) {
                trigger("fileNew");
                record.input.circumference = 13;
                frame->document().setModified(true);
            }
            recorder.shown.clear();
            question.asked.clear();
            const ProjectRecord before = record;
            EXPECT_FALSE(frame->openFile(c.path));
            ASSERT_EQ(recorder.shown.size(), 1u);
            EXPECT_EQ(recorder.shown[0].messageText, c.message);
            EXPECT_TRUE(question.asked.empty()) << "nothing is closed for a file that fails";
            EXPECT_EQ(record.input.circumference, before.input.circumference);
            EXPECT_EQ(record.info.projectPath, before.info.projectPath);
            EXPECT_EQ(record.state.projectOpen, before.state.projectOpen);
            EXPECT_EQ(frame->mainMenu() != nullptr, projectOpen);
            EXPECT_EQ(frame->document().isModified(), projectOpen);
        }
    }
}

TEST_F(MainWindowFixture, RecentFilesKeepSixLatestFirstAndDropFailures)
{
    QStringList saved;
    for (int i = 1; i <= 8; ++i) {
        trigger("fileNew");
        saved.prepend(saveProjectAs(QStringLiteral("p%1.Vdx").arg(i).toLatin1().constData()));
        trigger("fileClose");
    }
    EXPECT_EQ(frame->recentFiles().files(), saved.mid(0, 6));
    // Opening an entry moves it to the top; the list survives a restart.
    frame->action("fileRecent4")->trigger();
    EXPECT_EQ(frame->document().filePath(), saved[3]);
    trigger("fileClose");
    QStringList expected = saved.mid(0, 6);
    expected.move(3, 0);
    EXPECT_EQ(frame->recentFiles().files(), expected);
    makeFrame();
    EXPECT_EQ(frame->recentFiles().files(), expected);
    EXPECT_EQ(frame->action("fileRecent1")->text(), QStringLiteral("&1 ") + expected[0]);
    EXPECT_FALSE(frame->action("fileRecentNone")->isVisible());

    // Entries cannot be used while a project is open.
    trigger("fileNew");
    EXPECT_FALSE(frame->action("fileRecent1")->isEnabled());
    trigger("fileClose");

    // A file that has gone is reported and leaves the list.
    QFile::remove(expected[1]);
    frame->action("fileRecent2")->trigger();
    EXPECT_EQ(frame->mainMenu(), nullptr);
    expected.removeAt(1);
    EXPECT_EQ(frame->recentFiles().files(), expected);
    EXPECT_EQ(settings->value("Recent File List/File1").toString(), expected[0]);
}

// A name beyond ASCII shows as typed in the window title, the recent files and
// the message about a file that has gone (read back here in Windows-1252).
TEST_F(MainWindowFixture, NonAsciiFileNamesShowAsTyped)
{
    for (const QString &name :
         {QStringLiteral("caf\u00e9.Vdx"), QStringLiteral("na\u00efve dike.Vdx")}) {
        SCOPED_TRACE(name.toStdString());
        trigger("fileNew");
        const QString path = dir.filePath(name);
        recorder.nextFileName = path;
        frame->saveProjectAs();
        EXPECT_EQ(frame->windowTitle(), name + "[*]");
        EXPECT_EQ(record.info.projectPath, std::filesystem::path(path.toStdString()));
        trigger("fileClose");
        EXPECT_EQ(frame->action("fileRecent1")->text(), QStringLiteral("&1 ") + path);

        QFile::remove(path);
        recorder.shown.clear();
        frame->action("fileRecent1")->trigger();
        ASSERT_EQ(recorder.shown.size(), 1u);
        EXPECT_EQ(recorder.shown[0].messageText,
                  fromQString(path)
                      + "\nCannot find this file.\nPlease verify that the correct "
                        "path and file name are given.");
    }
}

// Report options chosen before printing are stored through the document: a
// changed option that the project file holds marks the project modified.
TEST_F(MainWindowFixture, SavedReportOptionsMarkTheProjectModified)
{
    const struct
    {
        const char *change;
        void (*apply)(ReportOptions &);
        bool modified;
    } rows[] = {
        {"none", [](ReportOptions &) {}, false},
        {"black and white", [](ReportOptions &o) { o.printBlackWhite = !o.printBlackWhite; }, true},
        {"logo", [](ReportOptions &o) { o.includeLogo = !o.includeLogo; }, true},
        {"consolidation page",
         [](ReportOptions &o) { o.omitConsolidationPage = !o.omitConsolidationPage; }, false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.change);
        trigger("fileNew");
        saveProjectAs("options.Vdx");
        ReportOptions options = reportOptionsOf(record);
        row.apply(options);
        frame->document().commitReportOptions(options);
        EXPECT_EQ(reportOptionsOf(record), options);
        EXPECT_EQ(frame->document().isModified(), row.modified);
        EXPECT_EQ(frame->isWindowModified(), row.modified);
        question.asked.clear();
        question.answer = QMessageBox::No;
        trigger("fileClose");
        EXPECT_EQ(question.asked.size(), row.modified ? 1u : 0u);
    }
}

TEST_F(MainWindowFixture, ADroppedFileIsOpenedAfterClosingTheProject)
{
    trigger("fileNew");
    record.input.circumference = 15;
    const QString path = saveProjectAs("dropped.Vdx");
    trigger("fileClose");
    record.input.circumference = 10;

    trigger("fileNew");
    frame->document().setModified(true);
    question.answer = QMessageBox::No;
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(frame.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(frame.get(), &drop);
    EXPECT_EQ(question.asked.size(), 1u);
    EXPECT_EQ(frame->document().filePath(), path);
    EXPECT_EQ(record.input.circumference, 15);

    QMimeData text;
    text.setText("not a file");
    QDragEnterEvent refused(QPoint(10, 10), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    refused.setAccepted(false);
    QApplication::sendEvent(frame.get(), &refused);
    EXPECT_FALSE(refused.isAccepted());
}

TEST_F(MainWindowFixture, ExitAsksForAModifiedProjectAndCancelKeepsTheWindow)
{
    trigger("fileNew");
    frame->document().setModified(true);
    question.answer = QMessageBox::Cancel;
    EXPECT_FALSE(frame->close());
    EXPECT_TRUE(frame->isVisible());
    question.answer = QMessageBox::No;
    EXPECT_TRUE(frame->close());
    EXPECT_EQ(question.asked.size(), 2u);
}

TEST(ApplicationObject, DataDirectoryMessagesInErrorBoxes)
{
    const struct
    {
        const char *name;
        DataDirectoryResult result;
        std::vector<std::string> messages;
    } cases[] = {
        {"no location",
         {"", {kNoLocalDataLocationMessage, kNoLocalDataPathMessage}},
         {"Unable to get the location of local application data path.",
          "Unable to read application data path."}},
        {"cannot create",
         {"/proc/forbidden/Brune/Vendrix", {kCannotCreateDataDirectoryMessage}},
         {"Error occurred and unable to create data directory."}},
        {"fine", {"/tmp/x/Brune/Vendrix", {}}, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        RecordingServices recorder;
        VendrixApplication app(recorder.services(), c.result);
        std::vector<std::string> shown;
        for (const Shown &s : recorder.shown) {
            EXPECT_TRUE(s.errorIcon);
            shown.push_back(s.messageText);
        }
        EXPECT_EQ(shown, c.messages);
        EXPECT_EQ(app.record().state.dataDirectory, c.result.directory);
        EXPECT_EQ(app.record().state.projectOpen, 0);
        EXPECT_FALSE(app.record().state.startDirectory.empty());
    }
}

// Options > solution method: exact until the user chooses classic, remembered
// in the settings for the next start and used by Run Vendrix.
TEST_F(MainWindowFixture, SolutionMethodIsAProgramPreference)
{
    EXPECT_TRUE(frame->action("methodExact")->isChecked());
    EXPECT_FALSE(frame->action("methodClassic")->isChecked());
    trigger("fileNew");
    frame->mainMenu()->runAnalysis();
    EXPECT_EQ(record.solution.method, SolutionMethod::Exact);

    trigger("methodClassic");
    EXPECT_EQ(settings->value("solutionMethod").toString(), "classic");
    frame->mainMenu()->runAnalysis();
    EXPECT_EQ(record.solution.method, SolutionMethod::Classic);

    makeFrame();
    EXPECT_TRUE(frame->action("methodClassic")->isChecked());
    EXPECT_EQ(frame->solutionMethod(), SolutionMethod::Classic);
    trigger("methodExact");
    EXPECT_EQ(settings->value("solutionMethod").toString(), "exact");
}

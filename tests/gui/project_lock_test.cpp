// A project open in another Vendrix: a real second process holds the lock, the
// question names it and its choices behave; a crashed holder's lock is taken
// over silently; a project whose folder takes no lock file opens with a note.
#include "app/window/main_window.h"
#include "model/project_file.h"
#include "model/project_lock_file.h"
#include "shell_test_support.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QStatusBar>

#include <unistd.h>

using namespace vendrix;
using namespace vendrix::test;

// The second Vendrix of these tests, run as this test program with
// --hold-project FILE: a main window that opens FILE and keeps it open until
// the process is ended.
int holdProjectOpen(const QString &path)
{
    ProjectRecord record;
    UiServices quiet;
    quiet.message = [](QWidget *, const QString &) {};
    MainWindow frame(record, quiet, nullptr);
    if (!frame.openFile(path))
        return 1;
    std::fputs("holding\n", stdout);
    std::fflush(stdout);
    return QCoreApplication::exec();
}

namespace {

struct ProjectLockFixture : ::testing::Test
{
    QTemporaryDir dir;
    ProjectRecord record;
    RecordingServices recorder;
    DialogScript script;
    std::unique_ptr<MainWindow> frame;
    QString project;
    QProcess secondVendrix;
    QString question; // the last question's text

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        project = dir.filePath("groin.Vdx");
        record.info.title = "Groin";
        ASSERT_FALSE(saveProjectFile(pathFromQString(project), record));
        frame = std::make_unique<MainWindow>(record, recorder.services(), nullptr);
        frame->setDialogRunner(script.runner());
        frame->show();
    }

    void TearDown() override
    {
        frame.reset();
        secondVendrix.kill();
        secondVendrix.waitForFinished();
    }

    void startSecondVendrix()
    {
        secondVendrix.start(QCoreApplication::applicationFilePath(),
                            {QStringLiteral("--hold-project"), project});
        ASSERT_TRUE(secondVendrix.waitForReadyRead(30000));
        ASSERT_EQ(secondVendrix.readAllStandardOutput(), "holding\n");
    }

    // Answers the question by clicking the button named `button`.
    void answerWith(const char *button)
    {
        script.steps["QMessageBox"] = [this, button](QDialog &box) {
            question = static_cast<QMessageBox &>(box).text();
            QTest::mouseClick(child<QPushButton>(box, button), Qt::LeftButton);
            return 0;
        };
    }

    long long lockHolderPid() const
    {
        const auto holder = readProjectLock(pathFromQString(project));
        return holder ? holder->pid : 0;
    }
};

} // namespace

TEST_F(ProjectLockFixture, ReadOnlyCopySavesOnlyUnderANewName)
{
    startSecondVendrix();
    answerWith("openReadOnly");
    ASSERT_TRUE(frame->openFile(project));
    EXPECT_TRUE(question.contains(
        QStringLiteral("groin.Vdx is open in another Vendrix (vendrix_gui_tests, process %1 on ")
            .arg(secondVendrix.processId())))
        << question.toStdString();
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("groin.Vdx (read-only)[*]"));

    // Save asks for a name; the held name itself is refused and left unchanged.
    record.info.title = "Changed";
    recorder.nextFileName = project;
    frame->saveProject();
    EXPECT_EQ(recorder.fileDialogCaptions.back(), QStringLiteral("Save As"));
    ASSERT_FALSE(recorder.shown.empty());
    EXPECT_NE(recorder.shown.back().messageText.find("is open in another Vendrix"),
              std::string::npos);
    ProjectRecord onDisk;
    ASSERT_FALSE(openProjectFile(pathFromQString(project), onDisk));
    EXPECT_EQ(onDisk.info.title, "Groin");

    // A new name is saved, locked and no longer read-only.
    recorder.nextFileName = dir.filePath("groin copy.Vdx");
    frame->saveProject();
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("groin copy.Vdx[*]"));
    const auto copyHolder = readProjectLock(pathFromQString(recorder.nextFileName));
    ASSERT_TRUE(copyHolder);
    EXPECT_EQ(copyHolder->pid, QCoreApplication::applicationPid());
    EXPECT_EQ(lockHolderPid(), secondVendrix.processId());
}

TEST_F(ProjectLockFixture, OpenAnywaySavesOverAndCancelOpensNothing)
{
    startSecondVendrix();
    frame->openFile(project); // no answer: the question is cancelled
    EXPECT_EQ(script.count("QMessageBox"), 1);
    EXPECT_FALSE(frame->document().projectOpen());

    answerWith("openAnyway");
    ASSERT_TRUE(frame->openFile(project));
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("groin.Vdx[*]"));
    record.info.title = "Changed";
    frame->saveProject();
    ProjectRecord onDisk;
    ASSERT_FALSE(openProjectFile(pathFromQString(project), onDisk));
    EXPECT_EQ(onDisk.info.title, "Changed");
    // The other Vendrix keeps its lock.
    frame->closeProject();
    EXPECT_EQ(lockHolderPid(), secondVendrix.processId());
}

TEST_F(ProjectLockFixture, LockOfACrashedVendrixIsTakenOverSilently)
{
    startSecondVendrix();
    secondVendrix.kill();
    secondVendrix.waitForFinished();
    // Hidden beside the project, where the batch command looks too.
    ASSERT_TRUE(QFile::exists(dir.filePath(".groin.Vdx.lock")));

    ASSERT_TRUE(frame->openFile(project));
    EXPECT_EQ(script.count("QMessageBox"), 0);
    EXPECT_EQ(lockHolderPid(), QCoreApplication::applicationPid());
    EXPECT_TRUE(frame->statusBar()->currentMessage().isEmpty());
    frame->closeProject();
    EXPECT_FALSE(QFile::exists(dir.filePath(".groin.Vdx.lock")));
}

TEST_F(ProjectLockFixture, AFolderWithoutALockOpensWithANote)
{
    // A read-only folder (not for root, who writes anywhere), and a name so long
    // that the lock file's name would be too long for any folder.
    const QString readOnly = dir.filePath("read-only");
    const QString longName = dir.filePath(QString(250, QLatin1Char('g')) + ".Vdx");
    ASSERT_TRUE(QDir().mkdir(readOnly));
    ASSERT_FALSE(saveProjectFile(pathFromQString(readOnly + "/groin.Vdx"), record));
    ASSERT_FALSE(saveProjectFile(pathFromQString(longName), record));
    QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ExeOwner);
    for (const QString &path : {readOnly + "/groin.Vdx", longName}) {
        if (path.startsWith(readOnly) && geteuid() == 0)
            continue;
        SCOPED_TRACE(path.toStdString());
        ASSERT_TRUE(frame->openFile(path));
        EXPECT_EQ(script.count("QMessageBox"), 0);
        EXPECT_TRUE(frame->statusBar()->currentMessage().contains(
            QStringLiteral("is not locked: no lock file can be made")));
        frame->closeProject();
        EXPECT_TRUE(frame->statusBar()->currentMessage().isEmpty());
    }
    QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

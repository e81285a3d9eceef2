// The vendrix executable in batch mode, as a user calls it from a shell: no
// display, files written, exit status.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include "program_run_support.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/stat.h>

namespace {

using vendrix::test::Finished;
using vendrix::test::runProgram;

TEST(BatchExecutable, HelpNeedsNoDisplay)
{
    const QProcessEnvironment environment = vendrix::test::withoutDisplay();
    const Finished help = runProgram(VENDRIX_EXECUTABLE, {"--help"}, environment);
    EXPECT_EQ(help.status, 0);
    for (const char *option : {"vendrix run", "--set NAME=VALUE", "--json", "--profile", "--save",
                               "--pdf", "--image", "--consolidate"})
        EXPECT_TRUE(help.out.contains(option)) << option;
    const Finished run = runProgram(VENDRIX_EXECUTABLE, {"run"}, environment);
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.out.contains("Maximum height of tube,  H = 2.7 [m]")) << run.out.toStdString();
}

TEST(BatchExecutable, WritesThePrintedReportWithoutADisplay)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString pdf = dir.filePath("report.pdf");
    const QProcessEnvironment environment = vendrix::test::withoutDisplay();
    const Finished run = runProgram(
        VENDRIX_EXECUTABLE, {"run", "--set", "title=Harbour groin", "--pdf", pdf}, environment);
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const Finished info = runProgram("pdfinfo", {pdf});
    EXPECT_TRUE(info.out.contains(QRegularExpression("Pages:\\s+3"))) << info.out.toStdString();

    // A report that cannot be written is reported with a non-zero status.
    const Finished refused
        = runProgram(VENDRIX_EXECUTABLE, {"run", "--pdf", dir.filePath("missing/report.pdf")});
    EXPECT_EQ(refused.status, 2);
    EXPECT_FALSE(refused.err.isEmpty());
}

// A logo the report cannot print is left out with a warning: the report is
// still written (status 0), and the warning names the reason.
TEST(BatchExecutable, UnusableLogoIsReportedAndLeftOut)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile text(dir.filePath("logo.bmp"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("not a bitmap at all");
    text.close();
    const struct
    {
        QString logo;
        const char *reason;
    } cases[] = {
        {dir.filePath("missing.bmp"), "Cannot open"},
        {dir.filePath("logo.bmp"), "Vendrix prints PNG, JPEG and SVG pictures and Windows bitmaps"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.reason);
        const QString pdf = dir.filePath("report.pdf");
        const Finished run = runProgram(
            VENDRIX_EXECUTABLE,
            {"run", "--set", "includeLogo=1", "--set", "logoPath=" + c.logo, "--pdf", pdf},
            vendrix::test::withoutDisplay());
        EXPECT_EQ(run.status, 0) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains("warning: ")) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(c.reason)) << run.err.toStdString();
        EXPECT_TRUE(QFile::exists(pdf));
        QFile::remove(pdf);
    }
}

// PNG and BMP pictures of the cross-section and the sketch in their sizes.
void expectPicturesInTheirSizes(const QTemporaryDir &dir, const QProcessEnvironment &environment)
{
    struct Case
    {
        const char *file;
        QStringList extra;
        QSize size;
    };
    const Case cases[] = {
        {"section.png", {}, QSize(628, 410)},
        {"section.bmp", {"--size", "800x500"}, QSize(800, 500)},
        {"consolidated.png",
         {"--consolidate", "2", "--set", "consolidatedUnitWeight=14"},
         QSize(628, 410)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.file);
        const QString path = dir.filePath(c.file);
        const Finished run = runProgram(
            VENDRIX_EXECUTABLE, QStringList {"run", "--image", path} + c.extra, environment);
        ASSERT_EQ(run.status, 0) << run.err.toStdString();
        const QImage image(path);
        EXPECT_EQ(image.size(), c.size);
    }
    const QString sketch = dir.filePath("sketch.png");
    ASSERT_EQ(runProgram(VENDRIX_EXECUTABLE, {"run", "--sketch", sketch, "--size", "584x366"},
                         environment)
                  .status,
              0);
    EXPECT_EQ(QImage(sketch).size(), QSize(584, 366));
}

// The picture shows the shape that is current after the run: as filled, or
// the consolidated shape once --consolidate computed it.
void expectSvgOfTheCurrentShape(const QTemporaryDir &dir, const QProcessEnvironment &environment)
{
    struct SvgCase
    {
        QStringList extra;
        const char *shown;
        const char *absent;
    };
    const SvgCase svgCases[] = {
        {{}, "Results of Analysis Type: A.", "final H = "},
        {{"--consolidate", "1", "--set", "consolidatedUnitWeight=14"},
         "final H = ",
         "Results of Analysis Type:"},
        {{"--consolidate", "2", "--set", "consolidatedUnitWeight=14"},
         "Consolidated Shape",
         "Unit weight of outer lower fluid"},
    };
    for (const SvgCase &c : svgCases) {
        SCOPED_TRACE(c.shown);
        const QString svg = dir.filePath("section.svg");
        ASSERT_EQ(runProgram(VENDRIX_EXECUTABLE, QStringList {"run", "--image", svg} + c.extra,
                             environment)
                      .status,
                  0);
        QFile svgFile(svg);
        ASSERT_TRUE(svgFile.open(QIODevice::ReadOnly));
        const QByteArray text = svgFile.readAll();
        EXPECT_TRUE(text.contains("<svg")) << text.left(200).toStdString();
        EXPECT_TRUE(text.contains(c.shown));
        EXPECT_FALSE(text.contains(c.absent));
    }
}

TEST(BatchExecutable, WritesCrossSectionPicturesWithoutADisplay)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QProcessEnvironment environment = vendrix::test::withoutDisplay();
    expectPicturesInTheirSizes(dir, environment);
    expectSvgOfTheCurrentShape(dir, environment);
    for (const QString &bad : {dir.filePath("section.gif"), dir.filePath("missing/a.png")}) {
        const Finished refused = runProgram(VENDRIX_EXECUTABLE, {"run", "--image", bad});
        EXPECT_EQ(refused.status, 2);
        EXPECT_FALSE(refused.err.isEmpty());
    }
}

// Hostile files: each call ends quickly with status 2 and a message, replaces
// nothing that is not a regular file and leaves no temporary file behind.
TEST(BatchExecutable, SpecialFilesEndQuicklyWithStatusTwo)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString pipe = dir.filePath("pipe");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString out = dir.filePath("out");
    const QList<QStringList> calls = {
        {"run", pipe},
        {"run", "--results", pipe},
        {"run", "--image", dir.filePath("pipe.png")},
        {"run", "--pdf", pipe},
        {"run", "--set", "includeLogo=1", "--set", "logoPath=" + pipe, "--pdf", out + ".pdf"},
        {"run", "--set", "transportUnitWeight=4.9e-324", "--consolidate", "1", "--json"},
        {"run", "--set", "tubeLength=1e308", "--quantities", out + ".txt"},
    };
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath("pipe.png")).constData(), 0600), 0);
    for (const QStringList &arguments : calls) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        QElapsedTimer clock;
        clock.start();
        const Finished run = runProgram(VENDRIX_EXECUTABLE, arguments);
        EXPECT_LT(clock.elapsed(), 5000);
        EXPECT_EQ(run.status, 2) << run.err.toStdString();
        EXPECT_FALSE(run.err.isEmpty() && run.out.isEmpty());
        for (const char *nonNumber : {"nan", "inf", "null"})
            EXPECT_FALSE((run.out + run.err).contains(nonNumber)) << run.err.toStdString();
    }
    for (const char *name : {"pipe", "pipe.png"}) {
        struct stat status
        {
        };
        ASSERT_EQ(::lstat(QFile::encodeName(dir.filePath(name)).constData(), &status), 0);
        EXPECT_TRUE(S_ISFIFO(status.st_mode)) << name;
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::System).size(), 2);
}

TEST(BatchExecutable, OutputsAreWrittenThroughLinks)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QDir(dir.path()).mkdir("real"));
    const QString target = dir.filePath("real/results.txt");
    const QString link = dir.filePath("results.txt");
    ASSERT_TRUE(QFile::link("real/results.txt", link));
    const Finished run = runProgram(VENDRIX_EXECUTABLE, {"run", "--results", link});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_TRUE(QFileInfo(target).size() > 0);
    EXPECT_EQ(QDir(dir.filePath("real")).entryList(QDir::Files).size(), 1);
}

// Ctrl+C or a kill while a large picture is being written removes the
// temporary file and ends with 128 + the signal number.
TEST(BatchExecutable, InterruptedWritesLeaveNoTemporaryFile)
{
    for (const int signalNumber : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) {
        SCOPED_TRACE(signalNumber);
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        bool caught = false;
        for (int attempt = 0; attempt < 5 && !caught; ++attempt) {
            QProcess process;
            process.start(VENDRIX_EXECUTABLE,
                          {"run", "--image", dir.filePath("big.bmp"), "--size", "6000x6000"});
            ASSERT_TRUE(process.waitForStarted());
            // Wait for the temporary file to appear, then interrupt the write.
            bool seen = false;
            QElapsedTimer clock;
            clock.start();
            while (!seen && process.state() == QProcess::Running && clock.elapsed() < 30000) {
                seen = !QDir(dir.path()).entryList({"big.bmp.*"}, QDir::Files).isEmpty();
                if (!seen)
                    QThread::usleep(200);
            }
            if (seen)
                ::kill(static_cast<pid_t>(process.processId()), signalNumber);
            ASSERT_TRUE(process.waitForFinished(60000));
            // On a busy machine the write may have finished just before the
            // signal came; that attempt shows nothing and is made again.
            caught = seen && process.exitCode() != 0;
            if (caught) {
                EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
                EXPECT_EQ(process.exitCode(), 128 + signalNumber);
            }
            QFile::remove(dir.filePath("big.bmp"));
        }
        EXPECT_TRUE(caught) << "the write was never seen in progress";
        EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty())
            << QDir(dir.path()).entryList(QDir::Files).join(' ').toStdString();
    }
}

TEST(BatchExecutable, DesktopWithoutADisplaySaysSoInOneLine)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("WAYLAND_DISPLAY");
    environment.remove("QT_QPA_PLATFORM");
    for (const char *display : {"", ":987"}) { // none, and one that nobody serves
        SCOPED_TRACE(display);
        if (*display)
            environment.insert("DISPLAY", display);
        else
            environment.remove("DISPLAY");
        const Finished start = runProgram(VENDRIX_EXECUTABLE, {}, environment);
        EXPECT_EQ(start.status, 2);
        EXPECT_TRUE(start.out.isEmpty()) << start.out.toStdString();
        EXPECT_EQ(start.err.count(QLatin1Char('\n')), 1) << start.err.toStdString();
        EXPECT_TRUE(start.err.startsWith("vendrix: no display found")) << start.err.toStdString();
        EXPECT_TRUE(start.err.contains("vendrix run")) << start.err.toStdString();
        EXPECT_TRUE(start.err.contains("--help")) << start.err.toStdString();
    }
}

TEST(BatchExecutable, PrintsOnlyItsOwnMessagesWithoutADesktopSession)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR"})
        environment.remove(name);
    const Finished run = runProgram(VENDRIX_EXECUTABLE,
                                    {"run", "--pdf", dir.filePath("r.pdf"), "--image",
                                     dir.filePath("x.png"), "--sketch", dir.filePath("s.png")},
                                    environment);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err.toStdString(), "");
    EXPECT_TRUE(run.out.startsWith("Results correspond")) << run.out.toStdString();
}

} // namespace

// The vendrix executable in batch mode, as a user calls it from a shell: no
// display, files written, exit status.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct Finished
{
    int status = -1;
    QString out;
    QString err;
};

Finished runProgram(const QString &program, const QStringList &arguments,
                    const QProcessEnvironment &environment
                    = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    Finished result;
    if (!process.waitForFinished(60000))
        return result;
    result.status = process.exitCode();
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

TEST(BatchExecutable, HelpNeedsNoDisplay)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY");
    environment.remove("WAYLAND_DISPLAY");
    environment.remove("QT_QPA_PLATFORM");
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
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY");
    environment.remove("QT_QPA_PLATFORM");
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

TEST(BatchExecutable, WritesCrossSectionPicturesWithoutADisplay)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY");
    environment.remove("QT_QPA_PLATFORM");
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

    // The picture shows the shape that is current after the run: as filled, or
    // the consolidated shape once --consolidate computed it.
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

    for (const QString &bad : {dir.filePath("section.gif"), dir.filePath("missing/a.png")}) {
        const Finished refused = runProgram(VENDRIX_EXECUTABLE, {"run", "--image", bad});
        EXPECT_EQ(refused.status, 2);
        EXPECT_FALSE(refused.err.isEmpty());
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

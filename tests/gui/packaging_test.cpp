// The desktop entry and the project file type that `cmake --install` puts in
// place: valid for the desktop's tools and consistent with each other.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString packagingFile(const char *name)
{
    return QDir::cleanPath(QStringLiteral(VENDRIX_TEST_DATA_DIR "/../../packaging/") + name);
}

QString readAll(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return QString::fromUtf8(file.readAll());
}

} // namespace

TEST(Packaging, DesktopEntryIsValidAndOpensProjectFiles)
{
    const QString entry = packagingFile("vendrix.desktop");
    const QString text = readAll(entry);
    EXPECT_TRUE(text.contains("\nExec=vendrix %f\n"));
    EXPECT_TRUE(text.contains("\nIcon=vendrix\n"));
    EXPECT_TRUE(text.contains("\nMimeType=application/x-vendrix-project;\n"));
    if (QStandardPaths::findExecutable("desktop-file-validate").isEmpty())
        GTEST_SKIP() << "desktop-file-validate is not installed";
    QProcess validate;
    validate.start("desktop-file-validate", {entry});
    ASSERT_TRUE(validate.waitForFinished(30000));
    EXPECT_EQ(validate.exitCode(), 0) << validate.readAllStandardOutput().toStdString();
    EXPECT_TRUE(validate.readAllStandardOutput().trimmed().isEmpty());
}

TEST(Packaging, ProjectFileTypeIsKnownToTheMimeDatabase)
{
    const QString xml = readAll(packagingFile("vendrix-mime.xml"));
    EXPECT_TRUE(xml.contains("type=\"application/x-vendrix-project\""));
    EXPECT_TRUE(xml.contains("pattern=\"*.Vdx\""));
    EXPECT_TRUE(QFile::exists(packagingFile("vendrix.svg")));
    if (QStandardPaths::findExecutable("update-mime-database").isEmpty())
        GTEST_SKIP() << "update-mime-database is not installed";
    QTemporaryDir dir;
    ASSERT_TRUE(QDir().mkpath(dir.filePath("mime/packages")));
    ASSERT_TRUE(
        QFile::copy(packagingFile("vendrix-mime.xml"), dir.filePath("mime/packages/vendrix.xml")));
    QProcess update;
    update.start("update-mime-database", {dir.filePath("mime")});
    ASSERT_TRUE(update.waitForFinished(30000));
    EXPECT_EQ(update.exitCode(), 0) << update.readAllStandardError().toStdString();
    const QString globs = readAll(dir.filePath("mime/globs2"));
    EXPECT_TRUE(globs.contains(QRegularExpression("application/x-vendrix-project:\\*\\.vdx")))
        << globs.toStdString();
}

namespace {

QString runTool(const QString &program, const QStringList &arguments, int *status,
                QString *errors = nullptr)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000)) {
        *status = -1;
        return {};
    }
    *status = process.exitCode();
    if (errors)
        *errors = QString::fromUtf8(process.readAllStandardError());
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

// Screenshots are pictures kept in docs/screenshots, addressed in the repository
// as tagged for this version; an entry built without a repository address has
// none. Either way the entry is valid.
TEST(Packaging, SoftwareCentreEntryIsValidAndMatchesTheDesktopEntry)
{
    const struct
    {
        QString file;
        QString rawUrl;
    } entries[] = {
        {QStringLiteral(VENDRIX_METAINFO), QStringLiteral(VENDRIX_REPOSITORY_RAW_URL)},
        {QStringLiteral(VENDRIX_METAINFO_WITH_SCREENSHOTS), "https://git.example.org/vendrix/raw"},
    };
    for (const auto &entry : entries) {
        SCOPED_TRACE(entry.file.toStdString());
        const QString xml = readAll(entry.file);
        EXPECT_TRUE(xml.contains("<launchable type=\"desktop-id\">vendrix.desktop</launchable>"));
        EXPECT_TRUE(xml.contains("<mediatype>application/x-vendrix-project</mediatype>"));
        EXPECT_TRUE(xml.contains("<binary>vendrix</binary>"));
        EXPECT_TRUE(xml.contains("<content_rating type=\"oars-1.1\""));
        EXPECT_TRUE(xml.contains("<release version=\"" VENDRIX_VERSION_TEXT "\""));
        const QRegularExpression image("<image>([^<]*)/docs/screenshots/([^<]+)</image>");
        int screenshots = 0;
        for (auto it = image.globalMatch(xml); it.hasNext(); ++screenshots) {
            const QRegularExpressionMatch match = it.next();
            EXPECT_EQ(match.captured(1), entry.rawUrl + "/v" VENDRIX_VERSION_TEXT);
            EXPECT_TRUE(
                QFile::exists(packagingFile("../docs/screenshots") + "/" + match.captured(2)))
                << match.captured(2).toStdString();
        }
        EXPECT_EQ(screenshots, entry.rawUrl.isEmpty() ? 0 : 3);
        if (QStandardPaths::findExecutable("appstreamcli").isEmpty())
            GTEST_SKIP() << "appstreamcli is not installed";
        int status = 0;
        const QString report
            = runTool("appstreamcli", {"validate", "--no-net", entry.file}, &status);
        EXPECT_EQ(status, 0) << report.toStdString();
    }
}

TEST(Packaging, ManualPageHasNoWarningsAndEveryOptionOfHelp)
{
    int status = 0;
    const QString help = runTool(VENDRIX_EXECUTABLE, {"--help"}, &status);
    ASSERT_EQ(status, 0);
    if (QStandardPaths::findExecutable("man").isEmpty())
        GTEST_SKIP() << "man is not installed";
    QString warnings;
    const QString page
        = runTool("man", {"--warnings", "-E", "UTF-8", "-l", QStringLiteral(VENDRIX_MANUAL_PAGE)},
                  &status, &warnings);
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(warnings.isEmpty()) << warnings.toStdString();
    const QRegularExpression option("(?:^|\\s)(--[a-z]+)");
    int options = 0;
    for (auto it = option.globalMatch(help); it.hasNext(); ++options) {
        const QString name = it.next().captured(1);
        EXPECT_TRUE(page.contains(name)) << name.toStdString();
    }
    EXPECT_GE(options, 15);
}

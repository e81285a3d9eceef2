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

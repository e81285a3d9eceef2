#include "app/ui_services.h"

#include "app/dialogs/common/conflict_dialog.h"
#include "graphics/image_export.h"
#include "graphics/qt_text.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>

namespace vendrix {

UiServices defaultUiServices()
{
    UiServices services;
    services.message = [](QWidget *parent, const QString &text) {
        QMessageBox::information(parent, QStringLiteral("Vendrix"), text);
    };
    services.error = [](QWidget *parent, const QString &text) {
        QMessageBox::critical(parent, QStringLiteral("Vendrix"), text);
    };
    services.conflict
        = [](QWidget *parent, const std::string &errorNumberText, const std::string &messageText) {
              showConflict(parent, errorNumberText, messageText);
          };
    services.askYesNoCancel = [](QWidget *parent, const QString &text) {
        return static_cast<int>(QMessageBox::question(
            parent, QStringLiteral("Vendrix"), text,
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes));
    };
    services.openFileName = [](QWidget *parent, const QString &caption, const QString &directory,
                               const QString &filter) {
        return QFileDialog::getOpenFileName(parent, caption, directory, filter);
    };
    services.saveFileName = [](QWidget *parent, const QString &caption,
                               const QString &suggestedPath, const QString &filter) {
        QString chosenFilter;
        const QString path
            = QFileDialog::getSaveFileName(parent, caption, suggestedPath, filter, &chosenFilter);
        return suffixForChosenFilter(path, QFileInfo(suggestedPath).suffix(), chosenFilter);
    };
    services.openUrl = [](const QUrl &url) { return QDesktopServices::openUrl(url); };
    services.startProgram = [](const QString &program, const QStringList &arguments) {
        return QProcess::startDetached(program, arguments);
    };
    return services;
}

namespace {

QString &lastFolder()
{
    static QString folder;
    return folder;
}

} // namespace

QString suffixForChosenFilter(const QString &path, const QString &suggestedSuffix,
                              const QString &chosenFilter)
{
    static const QRegularExpression pattern(QStringLiteral("\\*\\.([A-Za-z0-9]+)"));
    QStringList suffixes;
    for (auto it = pattern.globalMatch(chosenFilter); it.hasNext();)
        suffixes << it.next().captured(1);
    if (path.isEmpty() || suffixes.isEmpty())
        return path;
    const QString suffix = QFileInfo(path).suffix();
    if (suffixes.contains(suffix, Qt::CaseInsensitive))
        return path;
    if (suffix.isEmpty())
        return path + QLatin1Char('.') + suffixes.front();
    // The suggested name's suffix left as it was: the filter chosen decides.
    if (suffix.compare(suggestedSuffix, Qt::CaseInsensitive) == 0)
        return path.left(path.size() - suffix.size()) + suffixes.front();
    return path;
}

QString projectFileStem(const std::filesystem::path &projectPath, const char *fallback)
{
    const QFileInfo project(pathToQString(projectPath));
    if (projectPath.empty() || !project.isAbsolute() || project.completeBaseName().isEmpty())
        return QString::fromLatin1(fallback);
    return project.completeBaseName();
}

QString startFolder(const std::filesystem::path &projectPath)
{
    const QFileInfo project(pathToQString(projectPath));
    if (!projectPath.empty() && project.isAbsolute())
        return project.absolutePath();
    return lastFolder();
}

void rememberFolderOf(const QString &path)
{
    if (!path.isEmpty())
        lastFolder() = QFileInfo(path).absolutePath();
}

QString askSaveFileName(const UiServices &services, QWidget *parent,
                        const std::filesystem::path &projectPath, const QString &caption,
                        const QString &name, const QString &filter)
{
    if (!services.saveFileName)
        return QString();
    const QString folder = startFolder(projectPath);
    const QString suggested = folder.isEmpty() ? name : QDir(folder).filePath(name);
    const QString path = services.saveFileName(parent, caption, suggested, filter);
    rememberFolderOf(path);
    return path;
}

void commitStep(const UiServices &services, const QString &step, const std::function<void()> &store,
                StepEffect effect)
{
    if (services.commitToRecord)
        services.commitToRecord(step, store, effect);
    else
        store();
}

void showError(const UiServices &services, QWidget *parent, const QString &text)
{
    if (services.error)
        services.error(parent, text);
    else if (services.message)
        services.message(parent, text);
}

QString withDefaultSuffix(QString path, const char *suffix)
{
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + QLatin1String(suffix);
    return path;
}

void writeChosenFile(const UiServices &services, QWidget *parent, const QString &path,
                     const FileWriter &write)
{
    if (path.isEmpty())
        return;
    if (const auto failure = write(pathFromQString(path)))
        showError(services, parent, failureText(*failure));
}

void saveChartPicture(const UiServices &services, QWidget *parent,
                      const std::filesystem::path &projectPath, const QString &caption,
                      const QString &name, const ChartDrawing &draw)
{
    const QString path
        = askSaveFileName(services, parent, projectPath, caption, name,
                          QStringLiteral("PNG pictures (*.png);;SVG pictures (*.svg)"));
    writeChosenFile(services, parent, withDefaultSuffix(path, "png"),
                    [&draw](const std::filesystem::path &file) {
                        return writeDrawingImage(file, QSize(900, 560), draw);
                    });
}

} // namespace vendrix

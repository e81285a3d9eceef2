#include "screenshot_folder.h"

#include <QApplication>
#include <QDir>
#include <QWidget>

namespace vendrix::screenshots {

ScreenshotFolder::ScreenshotFolder(QString path)
    : path_(std::move(path))
{
    if (!QDir().mkpath(path_))
        fail("cannot create the folder " + path_);
}

void ScreenshotFolder::save(const QImage &picture, const QString &fileName)
{
    if (picture.isNull() || !picture.save(filePath(fileName)))
        fail("cannot write " + filePath(fileName));
    else
        ++written_;
}

void ScreenshotFolder::save(const QPixmap &picture, const QString &fileName)
{
    if (picture.isNull() || !picture.save(filePath(fileName)))
        fail("cannot write " + filePath(fileName));
    else
        ++written_;
}

void ScreenshotFolder::grab(QWidget &widget, const QString &fileName)
{
    widget.show();
    QApplication::processEvents();
    save(widget.grab(), fileName);
}

void ScreenshotFolder::fail(const QString &what)
{
    failures_.push_back(what);
}

UiServices silentServices()
{
    UiServices s;
    s.message = [](QWidget *, const QString &) {};
    s.error = [](QWidget *, const QString &) {};
    s.conflict = [](QWidget *, const std::string &, const std::string &) {};
    s.askYesNoCancel = [](QWidget *, const QString &) { return 0; };
    s.openFileName
        = [](QWidget *, const QString &, const QString &, const QString &) { return QString(); };
    s.saveFileName
        = [](QWidget *, const QString &, const QString &, const QString &) { return QString(); };
    s.openUrl = [](const QUrl &) { return true; };
    s.startProgram = [](const QString &, const QStringList &) { return true; };
    return s;
}

DesignCheckInputs sampleDesignCheck()
{
    DesignCheckInputs check;
    check.waterLevelLoaded = 1.8;
    check.waterLevelProtected = 0.5;
    check.fabricStiffness = 1500;
    check.fabricStrengthAxial = 60;
    check.allowableBearingPressure = 50;
    check.designWaveHeight = 0.6;
    return check;
}

} // namespace vendrix::screenshots

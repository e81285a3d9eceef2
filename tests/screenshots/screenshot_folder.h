#pragma once
// Where the documentation pictures go: each picture is saved under its README
// file name, and every picture that could not be written is remembered so the
// program can end with a failure status.

#include "app/ui_services.h"
#include "model/design_check_inputs.h"

#include <QImage>
#include <QPixmap>
#include <QString>
#include <QStringList>

class QWidget;

namespace vendrix::screenshots {

class ScreenshotFolder
{
public:
    explicit ScreenshotFolder(QString path);

    const QString &path() const { return path_; }
    QString filePath(const QString &fileName) const { return path_ + "/" + fileName; }

    void save(const QImage &picture, const QString &fileName);
    void save(const QPixmap &picture, const QString &fileName);
    // Shows the widget, lets it paint and saves what it shows.
    void grab(QWidget &widget, const QString &fileName);
    void fail(const QString &what);
    // A picture written by another program into filePath().
    void countWritten() { ++written_; }

    const QStringList &failures() const { return failures_; }
    int written() const { return written_; }

private:
    QString path_;
    QStringList failures_;
    int written_ = 0;
};

// Services that show nothing and answer every question with "no": the
// pictures are taken without anyone at the keyboard.
UiServices silentServices();

// The design check shown in the pictures: a tube between a high and a low
// water level, with every check given a value.
DesignCheckInputs sampleDesignCheck();

void takeShellPictures(ScreenshotFolder &folder);
void takeInputDialogPictures(ScreenshotFolder &folder);
void takeHelpAndMenuPictures(ScreenshotFolder &folder);
void takeResultDialogPictures(ScreenshotFolder &folder);
void takeDrawingPictures(ScreenshotFolder &folder);
void takeReportPictures(ScreenshotFolder &folder);
void takeStudyPictures(ScreenshotFolder &folder);

} // namespace vendrix::screenshots

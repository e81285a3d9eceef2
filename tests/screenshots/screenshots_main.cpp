// Writes every picture the README shows: `vendrix_screenshots [FOLDER]`
// (docs/screenshots of the current folder by default). `make screenshots`
// runs it under the offscreen platform, so no display is needed.
#include "screenshot_folder.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTextStream>

#include <cstdlib>

using namespace vendrix::screenshots;

int main(int argc, char **argv)
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Keeps the user's own settings and recent files out of the pictures.
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    ScreenshotFolder folder(arguments.size() > 1 ? arguments.at(1) : QString("docs/screenshots"));
    takeShellPictures(folder);
    takeInputDialogPictures(folder);
    takeHelpAndMenuPictures(folder);
    takeResultDialogPictures(folder);
    takeDrawingPictures(folder);
    takeReportPictures(folder);
    takeStudyPictures(folder);

    QTextStream err(stderr);
    for (const QString &failure : folder.failures())
        err << failure << "\n";
    QTextStream(stdout) << folder.written() << " pictures written to " << folder.path() << "\n";
    return folder.failures().isEmpty() ? EXIT_SUCCESS : EXIT_FAILURE;
}

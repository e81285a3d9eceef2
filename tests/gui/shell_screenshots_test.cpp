// Pictures of the program's frame for the documentation: with
// VENDRIX_SCREENSHOT_DIR set, each window is shown and grabbed to a PNG file.
#include "app/dialogs/common/about_dialog.h"
#include "app/dialogs/common/disclaimer_dialog.h"
#include "app/help/help_center.h"
#include "app/window/desktop_hooks.h"
#include "app/window/first_screen.h"
#include "app/window/input_menu.h"
#include "app/window/main_window.h"
#include "app/window/splash_window.h"
#include "shell_test_support.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>

using namespace vendrix;
using namespace vendrix::test;

namespace {

void save(const QPixmap &picture, const char *fileName)
{
    EXPECT_FALSE(picture.isNull()) << fileName;
    const QByteArray directory = qgetenv("VENDRIX_SCREENSHOT_DIR");
    if (directory.isEmpty())
        return;
    QDir().mkpath(QString::fromLocal8Bit(directory));
    EXPECT_TRUE(picture.save(QString::fromLocal8Bit(directory) + "/" + fileName)) << fileName;
}

void grabTo(QWidget &widget, const char *fileName)
{
    widget.show();
    QApplication::processEvents();
    save(widget.grab(), fileName);
}

// The window with one of its menus pulled down.
QPixmap withMenuOpen(QMainWindow &window, const char *menuName)
{
    QMenu *menu = window.menuBar()->findChild<QMenu *>(menuName);
    const QRect title = window.menuBar()->actionGeometry(menu->menuAction());
    const QPoint at = window.menuBar()->mapTo(&window, title.bottomLeft());
    menu->popup(window.mapToGlobal(at));
    QApplication::processEvents();
    QPixmap picture = window.grab();
    QPainter painter(&picture);
    painter.drawPixmap(at, menu->grab());
    painter.end();
    menu->hide();
    return picture;
}

} // namespace

TEST(ShellScreenshots, MainWindowAndMenus)
{
    QTemporaryDir dir;
    QSettings settings(dir.filePath("settings.ini"), QSettings::IniFormat);
    settings.setValue("Recent File List/File1", "/home/engineer/projects/harbour-dike-A.Vdx");
    settings.setValue("Recent File List/File2", "/home/engineer/projects/groin-7.Vdx");
    ProjectRecord record;
    record.state.dataDirectory = dir.filePath("data").toStdString();
    RecordingServices recorder;
    MainWindow frame(record, recorder.services(), nullptr, standardDesktopHooks(), &settings);
    frame.resize(1000, 680);
    grabTo(frame, "main_window_no_project.png");
    save(withMenuOpen(frame, "fileMenu"), "main_window_file_menu_no_project.png");

    frame.newProject();
    record.info.title = "Harbour dike, section A";
    frame.mainMenu()->runAnalysis();
    grabTo(frame, "main_window_project.png");
    save(withMenuOpen(frame, "fileMenu"), "main_window_file_menu_project.png");
    record.state.projectOpen = 0;
}

TEST(ShellScreenshots, StartUpAndInformationWindows)
{
    RecordingServices recorder;
    const UiServices services = recorder.services();
    ProjectRecord record;
    {
        FirstScreen first(services, record.state.updateLabel);
        grabTo(first, "first_screen.png");
    }
    {
        auto *splash = new SplashWindow;
        splash->showCentred(nullptr);
        QApplication::processEvents();
        save(splash->grab(), "splash.png");
        splash->close();
    }
    {
        AboutDialog about(services);
        grabTo(about, "about.png");
    }
    {
        DisclaimerDialog disclaimer(services);
        grabTo(disclaimer, "disclaimer.png");
    }
    {
        ContactDialog contact(services);
        grabTo(contact, "contact.png");
    }
    {
        record.state.hideDialogTags = 0;
        InputMenu menu(record, services);
        grabTo(menu, "input_menu_with_tag.png");
    }
    {
        HelpCenter help;
        help.showTopic("::/Working_with_Vendrix.htm");
        save(help.browser()->grab(), "help_browser.png");
    }
}

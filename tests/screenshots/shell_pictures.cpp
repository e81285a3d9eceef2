// The program's frame: the main window with and without a project, its File
// menu pulled down, and the windows shown at start-up and from the Help menu.
#include "app/dialogs/common/about_dialog.h"
#include "app/dialogs/common/disclaimer_dialog.h"
#include "app/help/help_center.h"
#include "app/window/desktop_hooks.h"
#include "app/window/first_screen.h"
#include "app/window/input_menu.h"
#include "app/window/main_menu.h"
#include "app/window/main_window.h"
#include "app/window/splash_window.h"
#include "model/project_record.h"
#include "screenshot_folder.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QSettings>
#include <QTemporaryDir>

namespace vendrix::screenshots {
namespace {

// The window with one of its menus pulled down.
QPixmap withMenuOpen(QMainWindow &window, const char *menuName)
{
    QMenu *menu = window.menuBar()->findChild<QMenu *>(menuName);
    if (menu == nullptr)
        return QPixmap();
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

void takeMainWindowPictures(ScreenshotFolder &folder)
{
    // A recent-file list of the user's own, kept away from the real settings.
    QTemporaryDir dir;
    QSettings settings(dir.filePath("settings.ini"), QSettings::IniFormat);
    settings.setValue("Recent File List/File1", "/home/engineer/projects/harbour-dike-A.Vdx");
    settings.setValue("Recent File List/File2", "/home/engineer/projects/groin-7.Vdx");
    ProjectRecord record;
    record.state.dataDirectory = dir.filePath("data").toStdString();
    MainWindow frame(record, silentServices(), nullptr, standardDesktopHooks(), &settings);
    frame.resize(1000, 680);
    folder.grab(frame, "main_window_no_project.png");
    folder.save(withMenuOpen(frame, "fileMenu"), "main_window_file_menu_no_project.png");

    frame.newProject();
    record.info.title = "Harbour dike, section A";
    frame.mainMenu()->runAnalysis();
    folder.grab(frame, "main_window_project.png");
    folder.save(withMenuOpen(frame, "fileMenu"), "main_window_file_menu_project.png");
    // Closed without the question whether to save the project.
    record.state.projectOpen = false;
}

void takeStartUpPictures(ScreenshotFolder &folder)
{
    const UiServices services = silentServices();
    ProjectRecord record;
    {
        FirstScreen first(services, record.state.updateLabel);
        folder.grab(first, "first_screen.png");
    }
    {
        auto *splash = new SplashWindow; // deletes itself when closed
        splash->showCentred(nullptr);
        QApplication::processEvents();
        folder.save(splash->grab(), "splash.png");
        splash->close();
    }
}

void takeInformationPictures(ScreenshotFolder &folder)
{
    const UiServices services = silentServices();
    {
        AboutDialog about(services);
        folder.grab(about, "about.png");
    }
    {
        DisclaimerDialog disclaimer(services);
        folder.grab(disclaimer, "disclaimer.png");
    }
    {
        ContactDialog contact(services);
        folder.grab(contact, "contact.png");
    }
    {
        ProjectRecord record;
        record.state.hideDialogTags = false;
        InputMenu menu(record, services);
        folder.grab(menu, "input_menu_with_tag.png");
    }
    {
        HelpCenter help;
        help.showTopic("::/Working_with_Vendrix.htm");
        folder.save(help.browser()->grab(), "help_browser.png");
    }
}

} // namespace

void takeShellPictures(ScreenshotFolder &folder)
{
    takeMainWindowPictures(folder);
    takeStartUpPictures(folder);
    takeInformationPictures(folder);
}

} // namespace vendrix::screenshots

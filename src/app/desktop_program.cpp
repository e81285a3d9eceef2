#include "app/desktop_program.h"

#include "app/dialogs/common/dialog_runner.h"
#include "app/help/help_center.h"
#include "app/window/first_screen.h"
#include "app/window/splash_window.h"
#include "app/window/vendrix_application.h"
#include "graphics/shell_artwork.h"

#include <QApplication>
#include <QPointer>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace vendrix {

namespace {

QtMessageHandler g_previousHandler = nullptr;

// While the toolkit starts: its notes about the display are not for users, and
// when no display can be used it would abort with a core dump; one line and
// status 2 say the same.
void startupMessageHandler(QtMsgType type, const QMessageLogContext &context,
                           const QString &message)
{
    if (type == QtFatalMsg) {
        std::fputs(kNoDisplayMessage, stderr);
        std::fflush(stderr);
        _exit(kNoDisplayExitStatus);
    }
    if (context.category != nullptr
        && QLatin1String(context.category).startsWith(QLatin1String("qt.qpa")))
        return;
    if (g_previousHandler)
        g_previousHandler(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

bool displayAvailable()
{
    // A platform named by the user (offscreen, vnc, ...) is taken on trust.
    const char *platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform != '\0')
        return true;
    for (const char *variable : {"DISPLAY", "WAYLAND_DISPLAY"}) {
        const char *value = std::getenv(variable);
        if (value && *value != '\0')
            return true;
    }
    return false;
}

void openStartProject(MainWindow &frame, const DesktopArguments &arguments)
{
    // The project first: a message about a file that cannot be opened would
    // otherwise lie under the splash picture, which takes every click.
    const bool opened = arguments.projectPath.isEmpty() || frame.openFile(arguments.projectPath);
    if (arguments.splash && opened) {
        QPointer<SplashWindow> splash = new SplashWindow;
        QObject::connect(splash.data(), &SplashWindow::dismissed, &frame,
                         [&frame] { frame.update(); });
        splash->showCentred(&frame);
    }
}

DesktopArguments parseDesktopArguments(const QStringList &arguments)
{
    DesktopArguments parsed;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        const QString option
            = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1).toLower();
        const bool isOption = argument.startsWith(QLatin1Char('-'))
            || (argument.startsWith(QLatin1Char('/'))
                && (option == QLatin1String("embedding") || option == QLatin1String("automation")));
        if (isOption) {
            if (option == QLatin1String("embedding") || option == QLatin1String("automation"))
                parsed.splash = false;
        } else if (parsed.projectPath.isEmpty()) {
            parsed.projectPath = argument;
        }
    }
    return parsed;
}

int runDesktopProgram(int argc, char **argv, const DesktopHooks &hooks)
{
    if (!displayAvailable()) {
        std::fputs(kNoDisplayMessage, stderr);
        return kNoDisplayExitStatus;
    }
    g_previousHandler = qInstallMessageHandler(startupMessageHandler);
    QApplication application(argc, argv);
    qInstallMessageHandler(g_previousHandler);
    keepCNumericLocale();
    setApplicationIdentity();
    QApplication::setWindowIcon(programIcon());
    const DesktopArguments arguments = parseDesktopArguments(QApplication::arguments());

    const UiServices services = defaultUiServices();
    VendrixApplication program(services, prepareDataDirectory());
    HelpCenter help;
    help.install();

    {
        FirstScreen first(services, program.record().state.updateLabel);
        runModal(first);
    }
    MainWindow frame(program.record(), services, &help, hooks);
    frame.showMaximized();
    openStartProject(frame, arguments);
    return application.exec();
}

} // namespace vendrix

#include "app/desktop_program.h"

#include "app/first_screen.h"
#include "app/help_center.h"
#include "app/shell_artwork.h"
#include "app/splash_window.h"
#include "app/vendrix_app.h"

#include <QApplication>
#include <QPointer>

namespace vendrix {

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
    QApplication application(argc, argv);
    keepCNumericLocale();
    setApplicationIdentity();
    QApplication::setWindowIcon(programIcon());
    const DesktopArguments arguments = parseDesktopArguments(QApplication::arguments());

    const UiServices services = defaultUiServices();
    CVendrixApp program(services, prepareDataDirectory());
    HelpCenter help;
    help.install();

    {
        CFirstScreen first(services, program.record().state.updateLabel);
        first.exec();
    }
    CMainFrame frame(program.record(), services, &help, hooks);
    frame.showMaximized();
    if (arguments.splash) {
        QPointer<SplashWindow> splash = new SplashWindow;
        QObject::connect(splash.data(), &SplashWindow::dismissed, &frame,
                         [&frame] { frame.update(); });
        splash->showCentred(&frame);
    }
    if (!arguments.projectPath.isEmpty())
        frame.openFile(arguments.projectPath);
    return application.exec();
}

} // namespace vendrix

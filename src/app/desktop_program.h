#pragma once
// The desktop program from start to exit: first screen, main window, splash
// picture and the project named on the command line.

#include "app/window/main_window.h"

#include <QString>
#include <QStringList>

namespace vendrix {

struct DesktopArguments
{
    QString projectPath; // the first argument that is not an option
    bool splash = true; // false for an embedded or automation start
};

// Reads the arguments left after the toolkit took its own (argument 0 is the
// program).
DesktopArguments parseDesktopArguments(const QStringList &arguments);

// Said instead of starting when there is no display to show windows on.
// The exit status when no display can be used.
inline constexpr int kNoDisplayExitStatus = 2;
inline constexpr const char *kNoDisplayMessage
    = "vendrix: no display found; 'vendrix run' analyses a project without a window, "
      "'vendrix --help' lists the options.\n";

// False when no window system is named: neither DISPLAY, WAYLAND_DISPLAY nor
// QT_QPA_PLATFORM is set.
bool displayAvailable();

// Opens the project named on the command line, then shows the splash picture
// (not after a file that could not be opened: its message has been shown).
void openStartProject(MainWindow &frame, const DesktopArguments &arguments);

// Runs the desktop program; returns the exit status (2 without a display).
int runDesktopProgram(int argc, char **argv, const DesktopHooks &hooks = {});

} // namespace vendrix

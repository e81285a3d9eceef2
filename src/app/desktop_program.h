#pragma once
// The desktop program from start to exit: first screen, main window, splash
// picture and the project named on the command line.

#include "app/main_frame.h"

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

// Runs the desktop program; returns the exit status.
int runDesktopProgram(int argc, char **argv, const DesktopHooks &hooks = {});

} // namespace vendrix

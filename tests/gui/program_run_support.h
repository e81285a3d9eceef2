#pragma once
// Runs a program (the vendrix executable or a checking tool) and captures its
// exit status and what it printed.

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace vendrix::test {

struct Finished
{
    int status = -1; // -1: did not finish within a minute
    QString out;
    QString err;
};

// The environment of this process without a display (neither X11 nor
// Wayland) and without a chosen platform.
inline QProcessEnvironment withoutDisplay()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY");
    environment.remove("WAYLAND_DISPLAY");
    environment.remove("QT_QPA_PLATFORM");
    return environment;
}

inline Finished runProgram(const QString &program, const QStringList &arguments,
                           const QProcessEnvironment &environment
                           = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    Finished result;
    if (!process.waitForFinished(60000))
        return result;
    result.status = process.exitCode();
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

} // namespace vendrix::test

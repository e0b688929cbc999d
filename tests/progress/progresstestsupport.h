#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QString>

// Sockets and processes need one application object for the whole test program.
inline QCoreApplication &testCoreApplication()
{
    static int argc = 1;
    static char name[] = "progress_tests";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return app;
}

// Runs the event loop until the condition holds or the time is up; answers the condition.
template <class Condition> bool waitFor(Condition condition, int ms = 5000)
{
    QDeadlineTimer deadline(ms);
    while (!condition() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return condition();
}

// An endpoint no other test program uses at the same time.
inline qint64 uniqueEndpoint(int salt)
{
    return QCoreApplication::applicationPid() * 100 + salt;
}

// A helper program that starts and stays silent, as a hung Pacelight would.
inline QString writeSilentProgram(const QString &folder)
{
    const QString path = folder + QStringLiteral("/silent.sh");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write("#!/bin/sh\nsleep 30\n");
    file.close();
    file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
    return path;
}

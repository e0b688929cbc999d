#include "cliapplication.h"

#ifdef PLOTWRIGHT_CLI_PRINTING
#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <unistd.h>

namespace {

// The platform wants a private runtime folder and warns on stderr without one; a
// tool whose stderr is its error report makes the folder Qt would fall back to.
void provideRuntimeFolder()
{
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return;
    const QString path = QDir::tempPath() + QStringLiteral("/runtime-") + QString::number(::getuid());
    if (QDir().mkpath(path)) {
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(path));
    }
}

} // namespace
#endif

std::unique_ptr<QCoreApplication> makeCliApplication(int &argc, char **argv, bool needsFonts)
{
#ifdef PLOTWRIGHT_CLI_PRINTING
    if (needsFonts) {
        // A command-line tool never shows a window.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        provideRuntimeFolder();
        return std::make_unique<QGuiApplication>(argc, argv);
    }
#else
    Q_UNUSED(needsFonts);
#endif
    return std::make_unique<QCoreApplication>(argc, argv);
}

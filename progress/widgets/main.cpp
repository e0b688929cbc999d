// Pacelight: the progress strip a long operation of the main program shows.
#include "contracts/widgets/skinloader.h"
#include "progress/pacelightclient.h"
#include "progress/pacelightprotocol.h"
#include "progress/widgets/pacelightwindow.h"

#include <QApplication>
#include <QStringList>
#include <QTimer>

namespace {

// A main program that does not place the strip soon gets it where the system puts it.
constexpr int PlaceWaitMs = 500;

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    SkinLoader::load(QStringLiteral("ControlSKin"));

    PacelightWindow window;
    PacelightClient client;
    QObject::connect(&window, &PacelightWindow::expired, &app, &QApplication::quit);
    QObject::connect(&client, &PacelightClient::closeRequested, &app, &QApplication::quit);
    QObject::connect(&client, &PacelightClient::placeRequested, &window, &PacelightWindow::placeAt);

    const QString commandLine = QApplication::arguments().mid(1).join(QLatin1Char(' '));
    const qint64 endpoint = PacelightProtocol::endpointFromCommandLine(commandLine);
    if (client.connectTo(endpoint, QApplication::applicationPid()))
        QTimer::singleShot(PlaceWaitMs, &window, [&window] {
            if (!window.isVisible())
                window.showUnplaced();
        });
    else
        window.showUnplaced();
    return app.exec();
}

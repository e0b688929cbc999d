#include "app/appcontext.h"
#include "app/widgets/chinesetranslations.h"
#include "app/widgets/cquillarydlg.h"
#include "app/widgets/screenshottour.h"
#include "contracts/widgets/qttextmeasure.h"
#include "contracts/widgets/skinloader.h"
#include "estimate/widgets/qtroomtextpainter.h"

#include <QApplication>
#include <QStringList>
#include <QTimer>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Plotwright"));
    ChineseTranslations::install(app);

    QtRoomTextPainter painter;
    QtTextMeasure measure;
    AppContext context(
        AppFolders(AppFolders::startupDocumentsFolder(), QCoreApplication::applicationDirPath()), &painter);
    context.setTextMeasure(&measure);
    context.startUp();
    SkinLoader::load(QStringLiteral("ControlSKin"));

    CQuillaryDlg window(context);
    // A path with blanks may arrive split into several arguments.
    window.startWithCommandLine(QCoreApplication::arguments().mid(1).join(u' '));
    window.show();
    ScreenshotTour::startIfRequested(window);
    QTimer::singleShot(0, &window, [&window] { window.offerRecovery(); });
    return app.exec();
}

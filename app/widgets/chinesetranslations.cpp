#include "chinesetranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool ChineseTranslations::install(QCoreApplication &app)
{
    // Owned by the application, so it lives as long as the windows it translates.
    auto *translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral("qtbase_zh_CN"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

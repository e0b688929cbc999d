#include "app/widgets/chinesetranslations.h"

#include <QApplication>

#include <gtest/gtest.h>

// Window tests need one application object for the whole run.
int main(int argc, char **argv)
{
    // Listing the tests happens without the test environment, and often without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The windows under test show Qt's dialogs as the program does.
    ChineseTranslations::install(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

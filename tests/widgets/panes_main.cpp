#include <QApplication>
#include <gtest/gtest.h>

// The panes need a widget application; gtest_main would not make one. Test discovery
// runs this program without the test environment, so the platform is chosen here too.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

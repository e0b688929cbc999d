#include "progress/progresslauncher.h"
#include "progress/widgets/pacelightwindow.h"
#include "widgettestsupport.h"

#include <QDeadlineTimer>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(PacelightWindow, BarRestartsEveryTenTicksAndExpiresAfter201)
{
    testApplication();
    PacelightWindow window;
    QSignalSpy expired(&window, &PacelightWindow::expired);
    QList<int> firstSweeps;
    for (int i = 0; i < 21; ++i) {
        window.advance();
        firstSweeps.append(window.barValue());
    }
    EXPECT_EQ(firstSweeps.mid(0, 10), firstSweeps.mid(10, 10));
    EXPECT_EQ(firstSweeps.at(9), 100);
    EXPECT_EQ(firstSweeps.at(20), firstSweeps.at(0));

    while (window.ticker().ticks() < 200)
        window.advance();
    EXPECT_TRUE(expired.isEmpty());
    window.advance();
    EXPECT_EQ(expired.size(), 1);
}

// The real program, started the way the main window starts it.
TEST(PacelightProgram, ReportsPlacesItselfAndClosesOnRequest)
{
    testApplication();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ProgressLauncher launcher;
    launcher.setProgram(QStringLiteral(PACELIGHT_PROGRAM));
    launcher.setEndpointId(QCoreApplication::applicationPid() * 100 + 7);
    launcher.setReportTimeout(20'000);
    QSignalSpy reported(&launcher, &ProgressLauncher::reported);
    launcher.start();
    launcher.place(QRect(211, 600, 800, 10));

    ASSERT_TRUE(reported.wait(20'000));
    EXPECT_GT(launcher.pacelightId(), 0);  // a real report, not the fallback
    EXPECT_TRUE(launcher.isHelperRunning());

    launcher.close();
    // Told over the socket, the program ends by itself.
    QDeadlineTimer deadline(10'000);
    while (launcher.isHelperRunning() && !deadline.hasExpired())
        QTest::qWait(20);
    EXPECT_FALSE(launcher.isHelperRunning());
    EXPECT_EQ(reported.size(), 1);
}

} // namespace

#include "progress/pacelightclient.h"
#include "progress/progresslauncher.h"
#include "progresstestsupport.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class ProgressLauncherTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        silentProgram = writeSilentProgram(folder.path());
        ASSERT_FALSE(silentProgram.isEmpty());
    }

    QCoreApplication &app = testCoreApplication();
    QTemporaryDir folder;
    QString silentProgram;
};

TEST_F(ProgressLauncherTest, ReportOverTheSocketLetsTheOperationRun)
{
    ProgressLauncher launcher;
    launcher.setEndpointId(uniqueEndpoint(1));
    launcher.setProgram(silentProgram);
    launcher.setReportTimeout(60'000);
    int reported = 0;
    QObject::connect(&launcher, &ProgressLauncher::reported, [&] { ++reported; });
    launcher.start();
    launcher.place(QRect(211, 790, 1038, 10));

    PacelightClient client;
    QList<QRect> placed;
    QObject::connect(&client, &PacelightClient::placeRequested, [&](const QRect &r) { placed.append(r); });
    int closed = 0;
    QObject::connect(&client, &PacelightClient::closeRequested, [&] { ++closed; });
    ASSERT_TRUE(client.connectTo(launcher.endpointId(), 4711));

    ASSERT_TRUE(waitFor([&] { return reported == 1; }));
    EXPECT_EQ(launcher.pacelightId(), 4711);
    EXPECT_FALSE(launcher.isWaiting());
    ASSERT_TRUE(waitFor([&] { return placed.size() == 1; }));
    EXPECT_EQ(placed.at(0), QRect(211, 790, 1038, 10));

    launcher.close();
    ASSERT_TRUE(waitFor([&] { return closed == 1; }));
    EXPECT_EQ(reported, 1);
}

TEST_F(ProgressLauncherTest, MissingProgramStillLetsTheOperationRun)
{
    ProgressLauncher launcher;
    launcher.setEndpointId(uniqueEndpoint(2));
    launcher.setProgram(folder.path() + QStringLiteral("/no-such-pacelight"));
    launcher.setReportTimeout(60'000);
    int reported = 0;
    QObject::connect(&launcher, &ProgressLauncher::reported, [&] { ++reported; });
    launcher.start();
    ASSERT_TRUE(waitFor([&] { return reported == 1; }));
    EXPECT_EQ(launcher.pacelightId(), 0);
    EXPECT_FALSE(launcher.isHelperRunning());
}

TEST_F(ProgressLauncherTest, SilentHelperIsGivenUpAfterTheTimeout)
{
    ProgressLauncher launcher;
    launcher.setEndpointId(uniqueEndpoint(3));
    launcher.setProgram(silentProgram);
    launcher.setReportTimeout(150);
    int reported = 0;
    QObject::connect(&launcher, &ProgressLauncher::reported, [&] { ++reported; });
    launcher.start();
    EXPECT_EQ(reported, 0);
    ASSERT_TRUE(waitFor([&] { return reported == 1; }));
    EXPECT_EQ(launcher.pacelightId(), 0);
    EXPECT_TRUE(launcher.isHelperRunning());

    launcher.close();  // nobody to tell: the helper is stopped
    EXPECT_FALSE(launcher.isHelperRunning());
    QCoreApplication::processEvents();
    EXPECT_EQ(reported, 1);
}

TEST_F(ProgressLauncherTest, HelperReportingAfterTheOperationEndedIsClosedAtOnce)
{
    ProgressLauncher launcher;
    launcher.setEndpointId(uniqueEndpoint(4));
    launcher.setProgram(silentProgram);
    launcher.setReportTimeout(50);
    int reported = 0;
    QObject::connect(&launcher, &ProgressLauncher::reported, [&] { ++reported; });
    launcher.start();
    ASSERT_TRUE(waitFor([&] { return reported == 1; }));
    launcher.close();

    PacelightClient late;
    int closed = 0;
    QObject::connect(&late, &PacelightClient::closeRequested, [&] { ++closed; });
    ASSERT_TRUE(late.connectTo(launcher.endpointId(), 99));
    ASSERT_TRUE(waitFor([&] { return closed == 1; }));
    EXPECT_EQ(reported, 1);
}

TEST_F(ProgressLauncherTest, ClientWithoutEndpointDoesNotConnect)
{
    PacelightClient client;
    EXPECT_FALSE(client.connectTo(0, 5));
}

} // namespace

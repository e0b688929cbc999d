#include "contracts/widgets/skinloader.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(SkinLoader, ReadsTheNamedSheetAndRefusesOthers)
{
    QTemporaryDir folder;
    ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("skin")));
    QFile sheet(SkinLoader::pathFor(QStringLiteral("ControlSKin"), folder.path()));
    ASSERT_TRUE(sheet.open(QIODevice::WriteOnly));
    sheet.write("QWidget { color: black; }");
    sheet.close();

    EXPECT_EQ(SkinLoader::read(QStringLiteral("ControlSKin"), folder.path()), QStringLiteral("QWidget { color: black; }"));
    EXPECT_TRUE(SkinLoader::read(QStringLiteral("Other"), folder.path()).isEmpty());
    EXPECT_TRUE(SkinLoader::read(QStringLiteral("../skin/ControlSKin"), folder.path()).isEmpty());
    EXPECT_TRUE(SkinLoader::read(QString(), folder.path()).isEmpty());
}

TEST(SkinLoader, ShippedSkinIsAValidSheetForEveryNamedElement)
{
    const QString sheet = SkinLoader::read(QStringLiteral("ControlSKin"), PLOTWRIGHT_SOURCE_DIR "/resources");
    ASSERT_FALSE(sheet.isEmpty());
    EXPECT_EQ(sheet.count(QLatin1Char('{')), sheet.count(QLatin1Char('}')));
}

} // namespace

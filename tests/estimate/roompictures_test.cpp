#include "estimate/roompictures.h"
#include "estimate/roomtextpainter.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

QString shippedBackground()
{
    return QStringLiteral(PLOTWRIGHT_SOURCE_DIR "/resources/icon_Pen_back.bmp");
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

quint32 u32(const QByteArray &b, int at)
{
    return qFromLittleEndian<quint32>(reinterpret_cast<const uchar *>(b.constData()) + at);
}

struct RecordingPainter : RoomTextPainter {
    QString name;
    int x = -1;
    int y = -1;
    void drawName(QByteArray &pixels, int, int, int, const QString &n, int px, int py) override
    {
        name = n;
        x = px;
        y = py;
        pixels[0] = char(0x11);  // a visible mark in the first pixel
    }
};

class RoomPicturesTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
};

TEST_F(RoomPicturesTest, PictureHasFileHeaderInfoHeaderAsReadAndPixelsWithoutColourTable)
{
    RoomPictures pictures(dir.path(), shippedBackground());
    const QString path = pictures.makePictureFor(QStringLiteral("客厅"));
    ASSERT_EQ(path, dir.path() + QStringLiteral("/Room0.bmp"));

    const QByteArray background = readAll(shippedBackground());
    const QByteArray written = readAll(path);
    const quint32 width = u32(background, 18);
    const quint32 height = u32(background, 22);
    const quint32 dataSize = height * (((24 * width / 8) + 3) / 4 * 4);
    ASSERT_EQ(quint32(written.size()), dataSize + 54);
    EXPECT_EQ(written.left(2), QByteArray("BM"));
    EXPECT_EQ(u32(written, 2), dataSize + 54);
    EXPECT_EQ(u32(written, 6), 0u);  // both reserved words
    EXPECT_EQ(u32(written, 10), 54u);
    EXPECT_EQ(written.mid(14, 40), background.mid(14, 40));
    EXPECT_EQ(written.mid(54), background.mid(54, dataSize));  // no painter: the background itself
}

TEST_F(RoomPicturesTest, PainterDrawsOnACopyAtTheCentredPosition)
{
    RecordingPainter painter;
    RoomPictures pictures(dir.path(), shippedBackground(), &painter);
    const QString path = pictures.makePictureFor(QStringLiteral("主卧室"));
    EXPECT_EQ(painter.name, QStringLiteral("主卧室"));
    EXPECT_EQ(painter.x, 300 / 2 - (3 / 2) * 14 - 10);
    EXPECT_EQ(painter.y, 4);
    EXPECT_EQ(readAll(path).at(54), char(0x11));
    EXPECT_NE(readAll(shippedBackground()).at(54), char(0x11));
}

TEST_F(RoomPicturesTest, CounterGrowsPerNewNameAndReplacesAnOldFile)
{
    QFile stale(dir.path() + QStringLiteral("/Room1.bmp"));
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write("old");
    stale.close();

    RoomPictures pictures(dir.path(), shippedBackground());
    pictures.makePictureFor(QStringLiteral("主卧"));
    const QString second = pictures.makePictureFor(QStringLiteral("次卧"));
    EXPECT_EQ(second, dir.path() + QStringLiteral("/Room1.bmp"));
    EXPECT_EQ(pictures.pictureCounter(), 2);
    EXPECT_EQ(pictures.pictureNames(), QStringList({QStringLiteral("主卧"), QStringLiteral("次卧")}));
    EXPECT_GT(readAll(second).size(), 54);
}

TEST_F(RoomPicturesTest, UnusableBackgroundsMakeNoPicture)
{
    const QString truncated = dir.path() + QStringLiteral("/short.bmp");
    QFile f(truncated);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(readAll(shippedBackground()).left(2000));
    f.close();

    for (const QString &background : {dir.path() + QStringLiteral("/missing.bmp"), truncated}) {
        RoomPictures pictures(dir.path(), background);
        EXPECT_TRUE(pictures.makePictureFor(QStringLiteral("客厅")).isEmpty()) << background.toStdString();
        EXPECT_FALSE(QFile::exists(dir.path() + QStringLiteral("/Room0.bmp")));
        EXPECT_TRUE(pictures.hasPicture(QStringLiteral("客厅")));
    }
}

} // namespace

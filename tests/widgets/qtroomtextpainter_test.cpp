#include "estimate/roompictures.h"
#include "estimate/widgets/qtroomtextpainter.h"
#include "widgettestsupport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// How many pixels of the picture are nearly black.
int darkPixels(const QImage &image, const QRect &area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += qGray(image.pixel(x, y)) < 80 ? 1 : 0;
    return count;
}

TEST(QtRoomTextPainter, WritesTheNameIntoTheRoomPicture)
{
    testApplication();
    QTemporaryDir folder;
    QtRoomTextPainter painter;
    const QString background = QStringLiteral(PLOTWRIGHT_SOURCE_DIR "/resources/icon_Pen_back.bmp");
    RoomPictures pictures(folder.path(), background, &painter);

    const QString path = pictures.makePictureFor(QStringLiteral("主卧室"));
    ASSERT_FALSE(path.isEmpty());
    const QImage before(background);
    const QImage after(path);
    ASSERT_EQ(after.size(), before.size());

    // The text stands near the top, around the middle: ink there, the left edge and the bottom untouched.
    const int x = before.width() / 2 - (3 / 2) * 14 - 10;
    const QRect text(x, 4, 3 * QtRoomTextPainter::FontPixelSize, QtRoomTextPainter::FontPixelSize + 4);
    EXPECT_GT(darkPixels(after, text) - darkPixels(before, text), 20);
    const QRect untouched(0, 0, x - 2, before.height());
    EXPECT_EQ(after.copy(untouched), before.copy(untouched));
}

TEST(QtRoomTextPainter, IgnoresPixelsThatDoNotMatchTheSize)
{
    QtRoomTextPainter painter;
    QByteArray pixels(10, '\x7f');
    const QByteArray original = pixels;
    painter.drawName(pixels, 100, 40, 24, QStringLiteral("客厅"), 10, 4);
    EXPECT_EQ(pixels, original);
    painter.drawName(pixels, 2, 1, 8, QStringLiteral("客厅"), 0, 0);
    EXPECT_EQ(pixels, original);
}

} // namespace

#include "roompictures.h"

#include "roomtextpainter.h"

#include <QFile>
#include <QSaveFile>
#include <QtEndian>

namespace {

constexpr int FileHeaderSize = 14;
constexpr int InfoHeaderSize = 40;

} // namespace

// Reads the background; refuses sizes that do not fit the file instead of reading past it.
bool RoomPictures::readBackground(const QString &path, Background &bg)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray all = file.readAll();
    if (all.size() < FileHeaderSize + InfoHeaderSize)
        return false;
    bg.infoHeader = all.mid(FileHeaderSize, InfoHeaderSize);
    const auto *info = reinterpret_cast<const uchar *>(bg.infoHeader.constData());
    bg.width = qFromLittleEndian<qint32>(info + 4);
    bg.height = qFromLittleEndian<qint32>(info + 8);
    bg.bitsPerPixel = qFromLittleEndian<quint16>(info + 14);
    // Without a colour table in the written file, palette pictures would come out wrong.
    if (bg.width <= 0 || bg.height <= 0 || bg.width > 32768 || bg.height > 32768 || bg.bitsPerPixel <= 8)
        return false;
    const qint64 stride = ((qint64(bg.bitsPerPixel) * bg.width / 8) + 3) / 4 * 4;
    const qint64 dataSize = bg.height * stride;
    const qint64 start = FileHeaderSize + InfoHeaderSize;
    if (start + dataSize > all.size())
        return false;
    bg.pixels = all.mid(start, dataSize);
    return true;
}

namespace {

QByteArray fileHeader(qint64 dataSize)
{
    QByteArray header(FileHeaderSize, '\0');
    auto *h = reinterpret_cast<uchar *>(header.data());
    h[0] = 'B';
    h[1] = 'M';
    qToLittleEndian<quint32>(quint32(dataSize + FileHeaderSize + InfoHeaderSize), h + 2);
    qToLittleEndian<quint32>(quint32(FileHeaderSize + InfoHeaderSize), h + 10);
    return header;
}

} // namespace

RoomPictures::RoomPictures(QString pictureFolder, QString backgroundPath, RoomTextPainter *painter)
    : m_pictureFolder(std::move(pictureFolder)), m_backgroundPath(std::move(backgroundPath)), m_painter(painter)
{
}

QString RoomPictures::makePictureFor(const QString &name)
{
    const QString path = QStringLiteral("%1/Room%2.bmp").arg(m_pictureFolder).arg(m_pictureCounter);
    ++m_pictureCounter;
    QFile::remove(path);
    const bool drawn = drawRoomPicture(name, path);
    m_pictureNames.append(name);
    m_picturePaths.append(drawn ? path : QString());
    return drawn ? path : QString();
}

QString RoomPictures::pathOf(const QString &name) const
{
    const qsizetype i = m_pictureNames.indexOf(name);
    return i < 0 ? QString() : m_picturePaths.at(i);
}

bool RoomPictures::drawRoomPicture(const QString &name, const QString &path) const
{
    // A project of many rooms draws many names on the same background: it is read once.
    if (!m_background) {
        Background read;
        if (!readBackground(m_backgroundPath, read))
            return false;
        m_background = std::move(read);
    }
    const Background &bg = *m_background;
    QByteArray pixels = bg.pixels;
    if (m_painter) {
        const int x = bg.width / 2 - (int(name.size()) / 2) * 14 - 10;
        m_painter->drawName(pixels, bg.width, bg.height, bg.bitsPerPixel, name, x, 4);
        pixels.resize(bg.pixels.size());  // a painter may not change the picture's size
    }
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    out.write(fileHeader(pixels.size()));
    out.write(bg.infoHeader);
    out.write(pixels);
    return out.commit();
}

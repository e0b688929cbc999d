#include "xlsdeclaredcells.h"

#include <QList>
#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace {

constexpr quint32 EndOfChain = 0xFFFFFFFE;

quint32 u32(const QByteArray &b, qsizetype at)
{
    if (at < 0 || at + 4 > b.size())
        return EndOfChain;
    quint32 v;
    std::memcpy(&v, b.constData() + at, 4);
    return qFromLittleEndian(v);
}

quint16 u16(const QByteArray &b, qsizetype at)
{
    if (at < 0 || at + 2 > b.size())
        return 0;
    quint16 v;
    std::memcpy(&v, b.constData() + at, 2);
    return qFromLittleEndian(v);
}

// The sectors of a compound file: the FAT and how to read a chain through it.
class CompoundFile
{
public:
    explicit CompoundFile(const QByteArray &file) : m_file(file)
    {
        const int shift = u16(file, 0x1E);
        m_sectorSize = shift == 9 || shift == 12 ? qsizetype(1) << shift : 0;
    }

    bool valid() const { return m_sectorSize > 0 && m_file.startsWith("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"); }
    qsizetype sectorSize() const { return m_sectorSize; }

    bool readFat()
    {
        QList<quint32> fatSectors;
        for (int i = 0; i < 109; ++i)
            fatSectors.append(u32(m_file, 0x4C + 4 * i));
        // Further FAT sector numbers sit in a chain of DIFAT sectors.
        quint32 difat = u32(m_file, 0x44);
        for (qsizetype guard = 0; difat < EndOfChain - 4 && guard < sectorCount(); ++guard) {
            const qsizetype at = offset(difat);
            for (qsizetype i = 0; i + 1 < m_sectorSize / 4; ++i)
                fatSectors.append(u32(m_file, at + 4 * i));
            difat = u32(m_file, at + m_sectorSize - 4);
        }
        for (quint32 s : fatSectors) {
            if (s >= EndOfChain - 4)
                continue;
            if (qsizetype(s) >= sectorCount())
                return false;
            for (qsizetype i = 0; i < m_sectorSize / 4; ++i)
                m_fat.append(u32(m_file, offset(s) + 4 * i));
        }
        return true;
    }

    // The bytes of the chain from `start`, `size` of them (all when negative).
    std::optional<QByteArray> chain(quint32 start, qint64 size) const
    {
        return follow(m_file, m_fat, start, size, m_sectorSize, [this](quint32 s) { return offset(s); });
    }

    static std::optional<QByteArray> miniChain(const QByteArray &container, const QList<quint32> &miniFat,
                                               quint32 start, qint64 size)
    {
        return follow(container, miniFat, start, size, 64, [](quint32 s) { return qsizetype(s) * 64; });
    }

private:
    qsizetype sectorCount() const { return m_file.size() / m_sectorSize; }
    qsizetype offset(quint32 sector) const { return (qsizetype(sector) + 1) * m_sectorSize; }

    template <typename Offset>
    static std::optional<QByteArray> follow(const QByteArray &data, const QList<quint32> &fat, quint32 start,
                                            qint64 size, qsizetype sectorSize, Offset offsetOf)
    {
        QByteArray out;
        // A chain visits every sector at most once; a longer one loops.
        for (quint32 s = start; s < EndOfChain - 4; s = fat.value(qsizetype(s), EndOfChain)) {
            const qsizetype at = offsetOf(s);
            if (qsizetype(s) >= fat.size() || at + sectorSize > data.size() || out.size() > data.size())
                return std::nullopt;
            out.append(data.constData() + at, sectorSize);
            if (size >= 0 && out.size() >= size)
                break;
        }
        if (size >= 0) {
            if (out.size() < size)
                return std::nullopt;
            out.truncate(qsizetype(size));
        }
        return out;
    }

    const QByteArray &m_file;
    qsizetype m_sectorSize = 0;
    QList<quint32> m_fat;
};

struct DirectoryEntry {
    QString name;
    int type = 0;
    quint32 start = EndOfChain;
    qint64 size = 0;
};

QList<DirectoryEntry> directory(const QByteArray &dir)
{
    QList<DirectoryEntry> entries;
    for (qsizetype at = 0; at + 128 <= dir.size(); at += 128) {
        const int nameBytes = std::min<int>(u16(dir, at + 0x40), 64);
        DirectoryEntry e;
        e.name = QString::fromUtf16(reinterpret_cast<const char16_t *>(dir.constData() + at),
                                    std::max(0, nameBytes / 2 - 1));
        e.type = quint8(dir.at(at + 0x42));
        e.start = u32(dir, at + 0x74);
        e.size = qint64(u32(dir, at + 0x78)) | (qint64(u32(dir, at + 0x7C) & 0x7FFFFFFF) << 32);
        entries.append(e);
    }
    return entries;
}

// Records that hold a cell: their row and first column lead the body.
bool isCellRecord(quint16 type)
{
    switch (type) {
    case 0x0201:
    case 0x0203:
    case 0x0204:
    case 0x0205:
    case 0x027E:
    case 0x00FD:
    case 0x0006:
    case 0x0406:
    case 0x00BD:
    case 0x00BE:
    case 0x00D6:
    case 0x0001:
    case 0x0002:
    case 0x0003:
    case 0x0004:
    case 0x0005:
        return true;
    default:
        return false;
    }
}

} // namespace

std::optional<QByteArray> XlsDeclaredCells::workbookStream(const QByteArray &file)
{
    CompoundFile cf(file);
    if (!cf.valid() || !cf.readFat())
        return std::nullopt;
    const std::optional<QByteArray> dir = cf.chain(u32(file, 0x30), -1);
    if (!dir)
        return std::nullopt;
    const QList<DirectoryEntry> entries = directory(*dir);
    for (const DirectoryEntry &e : entries) {
        if (e.type != 2 || (e.name != QLatin1String("Workbook") && e.name != QLatin1String("Book")))
            continue;
        if (e.size < 0 || e.size > file.size() * 64)
            return std::nullopt;
        if (e.size >= qint64(u32(file, 0x38)) || entries.isEmpty())
            return cf.chain(e.start, e.size);
        // Small streams live in the mini stream, held by the root entry.
        const std::optional<QByteArray> container = cf.chain(entries.first().start, entries.first().size);
        const std::optional<QByteArray> miniFatBytes = cf.chain(u32(file, 0x3C), -1);
        if (!container || !miniFatBytes)
            return std::nullopt;
        QList<quint32> miniFat;
        for (qsizetype i = 0; i + 4 <= miniFatBytes->size(); i += 4)
            miniFat.append(u32(*miniFatBytes, i));
        return CompoundFile::miniChain(*container, miniFat, e.start, e.size);
    }
    return std::nullopt;
}

qint64 XlsDeclaredCells::cellsOfRecords(const QByteArray &stream)
{
    qint64 total = 0;
    qint64 rows = 0;
    qint64 columns = 0;
    for (qsizetype at = 0; at + 4 <= stream.size();) {
        const quint16 type = u16(stream, at);
        const quint16 length = u16(stream, at + 2);
        const qsizetype body = at + 4;
        if (type == 0x0809 || type == 0x0409 || type == 0x0209 || type == 0x0009) {
            total += rows * columns; // a new substream: the sheet before it is complete
            rows = columns = 0;
        } else if (type == 0x0200 || type == 0x0000) {
            // BIFF8 has 32-bit rows, the older versions 16-bit ones.
            const bool wide = length >= 14;
            rows = std::max<qint64>(rows, wide ? u32(stream, body + 4) : u16(stream, body + 2));
            columns = std::max<qint64>(columns, u16(stream, body + (wide ? 10 : 6)));
        } else if (isCellRecord(type) && length >= 4) {
            rows = std::max<qint64>(rows, qint64(u16(stream, body)) + 1);
            const quint16 lastColumn =
                type == 0x00BD || type == 0x00BE ? u16(stream, body + length - 2) : u16(stream, body + 2);
            columns = std::max<qint64>(columns, qint64(lastColumn) + 1);
        }
        at = body + length;
    }
    return total + rows * columns;
}

std::optional<qint64> XlsDeclaredCells::count(const QByteArray &file)
{
    const std::optional<QByteArray> stream = workbookStream(file);
    if (!stream)
        return std::nullopt;
    return cellsOfRecords(*stream);
}

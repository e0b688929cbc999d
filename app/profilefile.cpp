#include "profilefile.h"

#include <QFile>
#include <QSaveFile>

#include <limits>

namespace {

const QByteArray kNewLine = QByteArrayLiteral("\r\n");
const QByteArray kUtf8Bom = QByteArrayLiteral("\xEF\xBB\xBF");

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

QStringView trimBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.mid(begin, end - begin);
}

bool sameName(QStringView a, QStringView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The name of a "[name]" line, or nothing for any other line.
std::optional<QStringView> sectionName(QStringView line)
{
    const QStringView text = trimBlanks(line);
    if (!text.startsWith(u'['))
        return std::nullopt;
    const qsizetype close = text.indexOf(u']');
    return trimBlanks(close < 0 ? text.mid(1) : text.mid(1, close - 1));
}

struct KeyLine {
    QStringView key;
    QStringView value;
};

// A "key=value" line; comments (';') and lines without '=' hold no key.
std::optional<KeyLine> keyLine(QStringView line)
{
    const QStringView text = trimBlanks(line);
    const qsizetype eq = text.indexOf(u'=');
    if (text.startsWith(u';') || eq <= 0)
        return std::nullopt;
    const QStringView key = trimBlanks(text.left(eq));
    if (key.isEmpty())
        return std::nullopt;
    return KeyLine{key, trimBlanks(text.mid(eq + 1))};
}

// A buffer of bufferSize characters holds bufferSize - 1 and the terminator;
// a surrogate pair is never cut in half.
QString truncated(QString value, int bufferSize)
{
    const qsizetype room = bufferSize > 0 ? bufferSize - 1 : 0;
    if (value.size() <= room)
        return value;
    value.truncate(room);
    if (!value.isEmpty() && value.back().isHighSurrogate())
        value.chop(1);
    return value;
}

int leadingInt(QStringView text)
{
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        negative = text[i++] == u'-';
    qint64 value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        value = value * 10 + (text[i].unicode() - u'0');
        if (value > std::numeric_limits<int>::max())
            return negative ? std::numeric_limits<int>::min() : std::numeric_limits<int>::max();
    }
    return int(negative ? -value : value);
}

// A line break inside a value would split it into lines of its own.
QString singleLine(const QString &value)
{
    QString line = value;
    line.replace(u'\r', u' ');
    line.replace(u'\n', u' ');
    return line;
}

QByteArray lineEndOf(const QByteArray &line)
{
    if (line.endsWith(kNewLine))
        return kNewLine;
    return line.endsWith('\n') ? QByteArray("\n") : QByteArray();
}

} // namespace

ProfileFile::ProfileFile(QString path) : m_path(std::move(path))
{
    QFile file(m_path);
    if (!file.exists())
        return;
    if (!file.open(QIODevice::ReadOnly)) {
        m_readFailed = true;
        return;
    }
    const QByteArray bytes = file.readAll();
    qsizetype start = 0;
    while (start < bytes.size()) {
        const qsizetype lf = bytes.indexOf('\n', start);
        const qsizetype end = lf < 0 ? bytes.size() : lf + 1;
        m_lines.append(bytes.mid(start, end - start));
        start = end;
    }
}

QString ProfileFile::lineText(qsizetype index) const
{
    QByteArray line = m_lines[index];
    if (index == 0 && line.startsWith(kUtf8Bom))
        line.remove(0, kUtf8Bom.size());
    line.chop(lineEndOf(line).size());
    return QString::fromUtf8(line);
}

qsizetype ProfileFile::findSection(QStringView section) const
{
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        const QString text = lineText(i);
        const auto name = sectionName(text);
        if (name && sameName(*name, section))
            return i;
    }
    return -1;
}

qsizetype ProfileFile::sectionEnd(qsizetype header) const
{
    qsizetype i = header + 1;
    while (i < m_lines.size() && !sectionName(lineText(i)))
        ++i;
    return i;
}

qsizetype ProfileFile::findKey(qsizetype header, QStringView key) const
{
    const qsizetype end = sectionEnd(header);
    for (qsizetype i = header + 1; i < end; ++i) {
        const QString text = lineText(i);
        const auto entry = keyLine(text);
        if (entry && sameName(entry->key, key))
            return i;
    }
    return -1;
}

std::optional<QString> ProfileFile::find(QStringView section, QStringView key) const
{
    const qsizetype header = findSection(section);
    const qsizetype line = header < 0 ? -1 : findKey(header, key);
    if (line < 0)
        return std::nullopt;
    const QString text = lineText(line);
    return keyLine(text)->value.toString();
}

QString ProfileFile::readString(QStringView section, QStringView key, const QString &defaultValue,
                                int bufferSize) const
{
    return truncated(find(section, key).value_or(defaultValue), bufferSize);
}

int ProfileFile::readInt(QStringView section, QStringView key, int defaultValue) const
{
    const auto value = find(section, key);
    return value ? leadingInt(*value) : defaultValue;
}

QStringList ProfileFile::keys(QStringView section) const
{
    QStringList names;
    const qsizetype header = findSection(section);
    if (header < 0)
        return names;
    const qsizetype end = sectionEnd(header);
    for (qsizetype i = header + 1; i < end; ++i) {
        const QString text = lineText(i);
        if (const auto entry = keyLine(text))
            names.append(entry->key.toString());
    }
    return names;
}

qsizetype ProfileFile::lastContentLine(qsizetype header) const
{
    qsizetype last = header;
    const qsizetype end = sectionEnd(header);
    for (qsizetype i = header + 1; i < end; ++i) {
        if (!trimBlanks(lineText(i)).isEmpty())
            last = i;
    }
    return last;
}

void ProfileFile::ensureLineEnd(qsizetype index)
{
    if (index >= 0 && !m_lines[index].endsWith('\n'))
        m_lines[index].append(kNewLine);
}

void ProfileFile::writeString(QStringView section, QStringView key, const QString &value)
{
    const QByteArray entry = (key.toString() + u'=' + singleLine(value)).toUtf8();
    const qsizetype header = findSection(section);
    if (header < 0) {
        ensureLineEnd(m_lines.size() - 1);
        m_lines.append(('[' + section.toString() + ']').toUtf8() + kNewLine);
        m_lines.append(entry + kNewLine);
        return;
    }
    const qsizetype line = findKey(header, key);
    if (line >= 0) {
        m_lines[line] = entry + lineEndOf(m_lines[line]);
        return;
    }
    const qsizetype after = lastContentLine(header);
    ensureLineEnd(after);
    m_lines.insert(after + 1, entry + kNewLine);
}

bool ProfileFile::save() const
{
    if (m_readFailed)
        return false;
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    for (const QByteArray &line : m_lines) {
        if (file.write(line) != line.size()) {
            file.cancelWriting();
            return false;
        }
    }
    return file.commit();
}

#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// A "[section]" / "key=value" settings file with the Windows private-profile
// rules: names compare case-insensitively, values are trimmed of blanks and
// read into a fixed-size buffer. Writes change one line in place, so comments,
// unknown keys and the order of the file survive byte for byte.
class ProfileFile
{
public:
    // Reads the file if it exists; a missing file reads as empty.
    explicit ProfileFile(QString path);

    const QString &path() const { return m_path; }

    // The value, or defaultValue when the section or key is missing; either is
    // cut to bufferSize - 1 characters as a buffer of that size would hold it.
    QString readString(QStringView section, QStringView key, const QString &defaultValue,
                       int bufferSize) const;
    // The leading decimal integer of the value (0 when it has none), or
    // defaultValue when the section or key is missing.
    int readInt(QStringView section, QStringView key, int defaultValue) const;
    // The key names of a section in file order (empty when it is missing).
    QStringList keys(QStringView section) const;

    // Replaces the key's line, or appends the key at the end of its section,
    // or appends the section at the end of the file. In memory until save().
    void writeString(QStringView section, QStringView key, const QString &value);
    // Replaces the file atomically; false when it could not be written, or when
    // an existing file could not be read (it would be clobbered otherwise).
    bool save() const;

private:
    std::optional<QString> find(QStringView section, QStringView key) const;
    qsizetype findSection(QStringView section) const;
    qsizetype sectionEnd(qsizetype header) const;
    qsizetype findKey(qsizetype header, QStringView key) const;
    qsizetype lastContentLine(qsizetype header) const;
    void ensureLineEnd(qsizetype index);
    QString lineText(qsizetype index) const;

    QString m_path;
    QList<QByteArray> m_lines; // each with its own line end, the last maybe without
    bool m_readFailed = false;
};

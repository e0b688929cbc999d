#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include <vector>

// Answers the searches of the attribute readers over one text from sorted
// lists of positions, so that many lookups from many start positions cost one
// pass over the text per key instead of one pass per lookup. The answers are
// exactly those of QStringView::indexOf, ReadAttributeText and
// ReadAttributeNumber on the same text.
class IndexedText
{
public:
    explicit IndexedText(QStringView text);

    // Position of `key` at or after `from`, -1 when there is none.
    qsizetype indexOf(QStringView key, qsizetype from);
    QString attributeText(QStringView key, qsizetype from);
    float attributeNumber(QStringView key, qsizetype from);

private:
    struct KeyPositions {
        QString key;
        QList<qsizetype> positions;
    };

    const QList<qsizetype> &positionsOf(QStringView key);
    QList<qsizetype> findAll(QStringView key) const;
    static qsizetype firstAtOrAfter(const QList<qsizetype> &positions, qsizetype from);

    QStringView m_text;
    QList<qsizetype> m_quotes;
    // Every attribute key ends in '=' and every tag starts with '<': their
    // occurrences are found among these few positions, not in the whole text.
    QList<qsizetype> m_equals;
    QList<qsizetype> m_opens;
    std::vector<KeyPositions> m_positions;
};

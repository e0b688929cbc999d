#pragma once

#include "estimate/textscan.h"

#include <QString>

#include <string>
#include <vector>

// Answers the searches of the attribute readers over one text from sorted
// lists of positions, so that many lookups from many start positions cost one
// pass over the text per key instead of one pass per lookup. The answers are
// exactly those of the direct searches of TextScan on the same text, in
// either of its forms (UTF-16 units or UTF-8 bytes).
template <typename Text> class IndexedText
{
public:
    // Values are decoded through `shared`, which outlives the index.
    IndexedText(Text text, TextScan::SharedValues<Text> &shared);

    // Position of `key` at or after `from`, -1 when there is none.
    qsizetype indexOf(TextScan::Key key, qsizetype from);
    QString attributeText(TextScan::Key key, qsizetype from);
    float attributeNumber(TextScan::Key key, qsizetype from);
    TextScan::SharedValues<Text> &shared() { return m_shared; }

private:
    struct KeyPositions {
        std::string key;
        std::vector<qsizetype> positions;
    };

    TextScan::Span valueSpan(TextScan::Key key, qsizetype from);
    const std::vector<qsizetype> &positionsOf(TextScan::Key key);
    std::vector<qsizetype> findAll(TextScan::Key key) const;
    bool matchesAt(TextScan::Key key, qsizetype at) const;
    static qsizetype firstAtOrAfter(const std::vector<qsizetype> &positions, qsizetype from);

    Text m_text;
    TextScan::SharedValues<Text> &m_shared;
    std::vector<qsizetype> m_quotes;
    // Every attribute key ends in '=' and every tag starts with '<': their
    // occurrences are found among these few positions, not in the whole text.
    std::vector<qsizetype> m_equals;
    std::vector<qsizetype> m_opens;
    std::vector<KeyPositions> m_positions;
};

extern template class IndexedText<TextScan::Utf16>;
extern template class IndexedText<TextScan::Utf8>;

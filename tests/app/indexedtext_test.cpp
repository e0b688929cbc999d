#include "app/indexedtext.h"

#include "estimate/attributereader.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// Texts made of the few characters that matter to the searches, so that keys,
// quotes and their overlaps occur often; "中" makes byte and unit positions differ.
QString randomText(std::mt19937 &rng, int length)
{
    static const char16_t alphabet[] = u"ab=\"%1.5 <>/中";
    std::uniform_int_distribution<int> pick(0, int(std::size(alphabet)) - 2);
    QString text;
    for (int i = 0; i < length; ++i)
        text += QChar(alphabet[pick(rng)]);
    return text;
}

bool sameNumber(float a, float b)
{
    return a == b || (a != a && b != b);
}

// Both forms of the text answer as the direct searches over the decoded text:
// the UTF-8 form at the byte offsets of the same characters.
TEST(IndexedText, AnswersLikeTheDirectSearchesInBothForms)
{
    std::mt19937 rng(20240501);
    // Keys ending in '=' and starting with '<' are found through the index of those characters.
    const TextScan::Key keys[] = {"a=", "aa", "b", "ab=", "\"", "<a", "=", "<", "a=a=", "<<", "</a>", "/>", "=a"};
    for (int round = 0; round < 300; ++round) {
        const QString text = randomText(rng, round % 60);
        const QByteArray bytes = text.toUtf8();
        TextScan::SharedValues<TextScan::Utf16> unitValues;
        TextScan::SharedValues<TextScan::Utf8> byteValues;
        IndexedText<TextScan::Utf16> units(TextScan::view(text), unitValues);
        IndexedText<TextScan::Utf8> utf8(TextScan::view(bytes), byteValues);
        const auto byteOffset = [&](qsizetype unit) { return text.first(std::min(unit, text.size())).toUtf8().size(); };
        for (TextScan::Key key : keys) {
            const QString key16 = QString::fromLatin1(key.data(), qsizetype(key.size()));
            for (qsizetype from = 0; from <= text.size() + 1; ++from) {
                const std::string where = text.toStdString() + " @" + std::to_string(from);
                const qsizetype direct = text.indexOf(key16, from);
                ASSERT_EQ(units.indexOf(key, from), direct) << where;
                const qsizetype fromByte = from > text.size() ? bytes.size() + 1 : byteOffset(from);
                ASSERT_EQ(utf8.indexOf(key, fromByte), direct < 0 ? -1 : byteOffset(direct)) << where;
                const QString value = ReadAttributeText(text, key16, from);
                ASSERT_EQ(units.attributeText(key, from), value) << where;
                ASSERT_EQ(utf8.attributeText(key, fromByte), value) << where;
                const float number = ReadAttributeNumber(text, key16, from);
                ASSERT_TRUE(sameNumber(units.attributeNumber(key, from), number)) << where;
                ASSERT_TRUE(sameNumber(utf8.attributeNumber(key, fromByte), number)) << where;
            }
        }
    }
}

} // namespace

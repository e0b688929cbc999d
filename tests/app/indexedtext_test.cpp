#include "app/indexedtext.h"

#include "estimate/attributereader.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// Texts made of the few characters that matter to the searches, so that keys,
// quotes and their overlaps occur often.
QString randomText(std::mt19937 &rng, int length)
{
    static const char16_t alphabet[] = u"ab=\"%1.5 <>/";
    std::uniform_int_distribution<int> pick(0, int(std::size(alphabet)) - 2);
    QString text;
    for (int i = 0; i < length; ++i)
        text += QChar(alphabet[pick(rng)]);
    return text;
}

TEST(IndexedText, AnswersLikeTheDirectSearches)
{
    std::mt19937 rng(20240501);
    // Keys ending in '=' and starting with '<' are found through the index of those characters.
    const QStringView keys[] = {u"a=", u"aa",   u"b",  u"ab=",  u"\"", u"<a", u"=",
                                u"<",  u"a=a=", u"<<", u"</a>", u"/>", u"=a"};
    for (int round = 0; round < 300; ++round) {
        const QString text = randomText(rng, round % 60);
        IndexedText index(text);
        for (QStringView key : keys) {
            for (qsizetype from = 0; from <= text.size() + 1; ++from) {
                const std::string where = text.toStdString() + " @" + std::to_string(from);
                ASSERT_EQ(index.indexOf(key, from), text.indexOf(key, from)) << where;
                ASSERT_EQ(index.attributeText(key, from), ReadAttributeText(text, key, from)) << where;
                const float a = index.attributeNumber(key, from);
                const float b = ReadAttributeNumber(text, key, from);
                ASSERT_TRUE(a == b || (a != a && b != b)) << where;
            }
        }
    }
}

} // namespace

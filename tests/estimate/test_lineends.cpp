#include "estimate/lineends.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// Texts of the characters that matter: CR and LF in every order, and a wide character.
QString randomLines(std::mt19937 &rng, int length)
{
    // Lone halves of surrogate pairs too: they must encode as in one piece.
    static const char16_t alphabet[] = u"\r\n\r\na\x6c34\xd83d\xde00";
    std::uniform_int_distribution<int> pick(0, int(std::size(alphabet)) - 2);
    QString text;
    for (int i = 0; i < length; ++i)
        text += QChar(alphabet[pick(rng)]);
    return text;
}

TEST(LineEnds, ConvertCasesOfNote)
{
    const struct {
        QString file;
        QString memory;
    } cases[] = {
        {QString(), QString()},
        {QStringLiteral("\r\n"), QStringLiteral("\n")},
        {QStringLiteral("\r\r\n"), QStringLiteral("\r\n")},
        {QStringLiteral("a\rb\n\r"), QStringLiteral("a\rb\n\r")},
        {QStringLiteral("\r\n\r\n水\r\n"), QStringLiteral("\n\n水\n")},
    };
    for (const auto &c : cases)
        EXPECT_EQ(LineEnds::crLfToLf(c.file), c.memory) << c.file.toStdString();
}

TEST(LineEnds, AnswerLikeReplacingThroughQString)
{
    std::mt19937 rng(1410);
    for (int round = 0; round < 400; ++round) {
        const QString text = randomLines(rng, round % 40);
        QString lf = text;
        lf.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        ASSERT_EQ(LineEnds::crLfToLf(text), lf) << text.toStdString();
        QString crLf = text;
        crLf.replace(u'\n', QStringLiteral("\r\n"));
        ASSERT_EQ(LineEnds::lfToCrLf(text), crLf) << text.toStdString();
        QByteArray bytes = text.toUtf8();
        ASSERT_EQ(LineEnds::lfToCrLf(bytes), QByteArray(bytes).replace("\n", "\r\n")) << text.toStdString();
        ASSERT_EQ(LineEnds::toUtf8WithCrLf(text), bytes.replace("\n", "\r\n")) << text.toStdString();
    }
}

} // namespace

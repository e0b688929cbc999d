#include "templatefixture.h"

#include "library/templateparser.h"
#include "library/templatetext.h"
#include "library/templatewriter.h"

namespace {

QString sampleText()
{
    QFile file(QStringLiteral(PLOTWRIGHT_TEST_DATA "/golden.xml"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return TemplateText::decode(file.readAll());
}

TEST(TemplateRobustness, EveryTruncationReadsAPrefixOfTheItems)
{
    const QString full = sampleText();
    const QList<QuotaItem> all = TemplateParser::readItems(full);
    ASSERT_EQ(all.size(), 4);
    for (qsizetype n = 0; n <= full.size(); ++n) {
        const QString cut = full.left(n);
        const QList<QuotaItem> items = TemplateParser::readItems(cut);
        ASSERT_LE(items.size(), all.size()) << n;
        // Only whole items are read; the one being cut may lose its lines, never its name.
        for (qsizetype i = 0; i < items.size(); ++i)
            ASSERT_EQ(items.at(i).itemName, all.at(i).itemName) << n;
        ASSERT_LE(TemplateParser::readItemsOnly(cut).size(), all.size()) << n;
    }
}

TEST(TemplateRobustness, UnfinishedElementsEndTheReading)
{
    // Items before an unfinished one are kept; the unfinished one and the rest are not.
    const QString text = QStringLiteral(R"(<project name="A"><construction name="a1"></construction>
<construction name="a2" desc="x"><brand num="2"><mt name="l"
</project><project name="B"><construction name="b1"></project>)");
    const QList<QuotaItem> items = TemplateParser::readItems(text);
    ASSERT_EQ(items.size(), 1);
    EXPECT_EQ(items.first().itemName, u"a1");
    EXPECT_EQ(TemplateParser::readItemsOnly(text).size(), 1);
}

TEST(TemplateRobustness, ACategoryWithoutItsEndHasNoItems)
{
    const QString text = QStringLiteral(R"(<project name="A"><construction name="a1"></construction>
</project><project name="B"><construction name="b1"></construction>)");
    const QList<QuotaItem> items = TemplateParser::readItems(text);
    ASSERT_EQ(items.size(), 1);
    EXPECT_EQ(items.first().categoryName, u"A");
}

class Junk : public ::testing::TestWithParam<const char16_t *>
{
};

TEST_P(Junk, IsReadWithoutFault)
{
    const QString text = QString::fromUtf16(GetParam());
    const QList<QuotaItem> items = TemplateParser::readItems(text);
    const QList<QuotaItem> reduced = TemplateParser::readItemsOnly(text);
    EXPECT_LE(items.size(), text.size());
    EXPECT_EQ(reduced.size(), items.size());
    TemplateParser::userMayEdit(text, QString());
    // Whatever was read can be written.
    EXPECT_TRUE(TemplateWriter::text(items, QString()).endsWith(u"</root>"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Junk,
    ::testing::Values(u"", u"<project", u"<project</project>",
                      u"<construction</construction><project></project>",
                      u"<project><construction</construction></project>",
                      u"<project><construction><amount<brand</construction></project>",
                      u"<project><construction><amount/><amount</amount>brand</construction></project>",
                      u"<project><construction><brand<mt<mt<mt></construction></project>",
                      u"<project><construction><mt/></construction></project><project>",
                      u"<project id=\"<project name=\"</project>\"</project>",
                      u"<project name=\"\"\"><construction name=\"\"\"></construction></project>",
                      u"<PassWord user=\"<project></project>", u"\"\"\"\"<project>name=\"</project>",
                      u"<project><construction>\xD800</construction></project>"));

TEST(TemplateRobustness, InvalidUtf8IsReadAsReplacementCharacters)
{
    const QString text = TemplateText::decode("\xEF\xBB\xBF<project name=\"\xFF\xFE\"></project>\r");
    EXPECT_TRUE(text.startsWith(u"<project name=\""));
    EXPECT_TRUE(TemplateParser::readItems(text).isEmpty());
}

} // namespace

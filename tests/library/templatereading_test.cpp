#include "templatefixture.h"

#include "library/templateparser.h"
#include "library/templatetext.h"

namespace {

constexpr const char *OneItem = R"(<project name="土方" kind="1">
<construction name="挖土" desc="人工">
<amount id="0" bDefault="1" RoomName="" Area="1.50" constant="0.10"/>
<amount id="2" bDefault="0" RoomName="" Area="2.00"/>
<amount id="2" bDefault="0" RoomName="大厅" Area="3.00"/>
<amount id="9" RoomName="" Area="4.00"/>
<brand unit="m3" num="2.000"  loss="5.00%" material="12.300" materialprofit="10.00%" machine="3.000" machineprofit="0.00%" laborcost="45.000" laborprofit="8.00%" management="2.000" managementprofit="1.50%">
<mt kind="0" id="7" name="水泥" classify="材料" code="C1" unit="kg"  price="0.600" num="2.500"  desc="袋装"/>
<mt kind="1" id="8" name="挖掘机" classify="机械" code="M1" unit="台班"  price="800.000" num="0.010"  desc=""/>
</brand>
</construction>
</project>)";

using TemplateReading = TemplateFixture;

TEST_F(TemplateReading, ReadsEveryFieldOfAnItem)
{
    ASSERT_TRUE(load(OneItem));
    ASSERT_EQ(m_library.items().size(), 1);
    const QuotaItem &item = m_library.items().first();
    EXPECT_EQ(item.categoryName, u"土方");
    EXPECT_EQ(item.categoryKind, u"1");
    EXPECT_EQ(item.itemName, u"挖土");
    EXPECT_EQ(item.itemDesc, u"人工");
    // Neither element carries an id: both take the first "id=" that follows.
    EXPECT_EQ(item.categoryId, u"0");
    EXPECT_EQ(item.itemId, u"0");
    EXPECT_EQ(item.brand.unit, u"m3");
    EXPECT_EQ(item.brand.num, 2.0f);
    EXPECT_EQ(item.brand.material, 12.3f);
    EXPECT_EQ(item.brand.laborcost, 45.0f);
    EXPECT_EQ(item.brand.materialprofit, 0.1f);
    EXPECT_EQ(item.brand.laborprofit, 0.08f);
    EXPECT_EQ(item.brand.managementprofit, 0.015f);
    EXPECT_EQ(item.brand.tax, 0.0f);
    ASSERT_EQ(item.brand.materials.size(), 1);
    EXPECT_EQ(item.brand.materials.first().id, u"7");
    EXPECT_EQ(item.brand.materials.first().desc, u"袋装");
    EXPECT_EQ(item.brand.materials.first().price, 0.6f);
    ASSERT_EQ(item.brand.machines.size(), 1);
    EXPECT_EQ(item.brand.machines.first().num, 0.01f);
}

TEST_F(TemplateReading, RulesNameTheirRoomKindsAndTheDefault)
{
    ASSERT_TRUE(load(OneItem));
    const QuotaItem &item = m_library.items().first();
    ASSERT_EQ(item.rules.size(), 4);
    const std::array<float, RoomKindCount> expected{0, 8, 2, 8, 8, 8, 8, 8};
    EXPECT_EQ(item.ruleIndexByKind, expected); // the last rule of a kind wins
    EXPECT_EQ(item.rules.at(1).RoomName, u"客厅");
    EXPECT_EQ(item.rules.at(2).RoomName, u"大厅");
    EXPECT_EQ(item.rules.at(3).RoomName, u""); // an unknown kind gets no name
    EXPECT_EQ(item.rules.at(3).serial, 9.0f);
    EXPECT_EQ(item.currentRule, item.rules.at(0));
    EXPECT_EQ(item.currentRule.Area, 1.5f);
    EXPECT_EQ(item.currentRule.constant, 0.1f);
}

TEST_F(TemplateReading, ItemWithoutDefaultRuleHasAnEmptyCurrentRule)
{
    ASSERT_TRUE(load(R"(<project name="a"><construction name="x">
<amount id="3" Area="2"/><brand num="1"></brand></construction></project>)"));
    const QuotaItem &item = m_library.items().first();
    EXPECT_EQ(item.currentRule, AmountRule());
    EXPECT_EQ(item.ruleIndexByKind[0], NoRuleIndex);
    EXPECT_EQ(item.ruleIndexByKind[3], 0.0f);
}

TEST_F(TemplateReading, AnApostropheEndsTheValue)
{
    ASSERT_TRUE(load(R"(<project name='土方' kind='1'><construction name="it's" desc='a'>
<brand unit='m'></brand></construction></project>)"));
    const QuotaItem &item = m_library.items().first();
    EXPECT_EQ(item.categoryName, u"土方");
    EXPECT_EQ(item.itemName, u"it");
    EXPECT_EQ(item.brand.unit, u"m");
}

TEST_F(TemplateReading, AreaIsFoundInsideTheLongerAreaNames)
{
    ASSERT_TRUE(load(R"(<project name="a"><construction name="x">
<amount id="0" LaterArea="7.00" Area="1.00" DoorArea="3.00"/><brand></brand></construction></project>)"));
    const AmountRule &rule = m_library.items().first().rules.first();
    EXPECT_EQ(rule.Area, 7.0f);
    EXPECT_EQ(rule.LaterArea, 7.0f);
    EXPECT_EQ(rule.DoorArea, 3.0f);
}

TEST_F(TemplateReading, ClassifyAloneChoosesTheLineList)
{
    ASSERT_TRUE(load(R"(<project name="a"><construction name="x"><brand num="1">
<mt kind="1" name="m1" classify="机械"/>
<mt kind="0" name="m2" classify="机械"/>
<mt kind="1" name="t1" classify="材料"/>
<mt kind="1" name="t2" classify="机械 "/>
</brand></construction></project>)"));
    const BrandData &brand = m_library.items().first().brand;
    ASSERT_EQ(brand.machines.size(), 2);
    EXPECT_EQ(brand.machines.at(1).name, u"m2");
    EXPECT_EQ(brand.machines.at(1).kind, u"0");
    ASSERT_EQ(brand.materials.size(), 2);
    EXPECT_EQ(brand.materials.at(0).kind, u"1");
    EXPECT_EQ(brand.materials.at(1).name, u"t2");
}

TEST_F(TemplateReading, BrandNumZeroIsOneOnlyInTheFullRead)
{
    const char *body =
        R"(<project name="a"><construction name="x"><brand num="0" laborcost="4"></brand></construction>
<construction name="y"><brand laborcost="5"></brand></construction>
<construction name="z"></construction></project>)";
    ASSERT_TRUE(load(body));
    ASSERT_EQ(m_library.items().size(), 3);
    for (const QuotaItem &item : m_library.items())
        EXPECT_EQ(item.brand.num, 1.0f) << item.itemName.toStdString();
    EXPECT_EQ(m_library.items().at(2).brand.laborcost, 0.0f);

    ASSERT_TRUE(m_library.LoadTemplateItemsOnly(path(QStringLiteral("t.xml")), QString()));
    ASSERT_EQ(m_library.items().size(), 3);
    EXPECT_EQ(m_library.items().at(0).brand.num, 0.0f);
    EXPECT_EQ(m_library.items().at(1).brand.num, 0.0f);
}

TEST_F(TemplateReading, PercentValuesAreFractions)
{
    ASSERT_TRUE(load(R"(<project name="a"><construction name="x">
<brand loss="5.00%" machineprofit="5" materialprofit="12.5 %"></brand></construction></project>)"));
    const BrandData &brand = m_library.items().first().brand;
    EXPECT_EQ(brand.loss, 0.05f);
    EXPECT_EQ(brand.machineprofit, 5.0f);
    EXPECT_EQ(brand.materialprofit, 0.125f);
}

TEST_F(TemplateReading, ConstructionsBetweenCategoriesJoinTheNextOne)
{
    ASSERT_TRUE(load(R"(<construction name="before"><brand></brand></construction>
<project name="A"><construction name="a1"><brand></brand></construction></project>
<construction name="between"><brand></brand></construction>
<project name="B"><construction name="b1"><brand></brand></construction></project>)"));
    QStringList seen;
    for (const QuotaItem &item : m_library.items())
        seen << item.categoryName + u'/' + item.itemName;
    EXPECT_EQ(seen, QStringList({"A/a1", "B/between", "B/b1"}));
}

TEST_F(TemplateReading, RulesStopAtTheBrandAndAtAnUnclosedAmount)
{
    ASSERT_TRUE(load(R"(<project name="a"><construction name="x"><amount id="1" Area="1"/>
<brand></brand><amount id="2" Area="2"/></construction>
<construction name="y"><amount id="1" Area="1"><brand></brand></construction>
<construction name="z"><amount id="1"/></construction></project>)"));
    ASSERT_EQ(m_library.items().size(), 3);
    EXPECT_EQ(m_library.items().at(0).rules.size(), 1);
    // "/>" of nothing: the amount runs to the first "/>" or "</amount>" after it, here none.
    EXPECT_EQ(m_library.items().at(1).rules.size(), 0);
    // No "brand" in the block: no rule is read at all.
    EXPECT_EQ(m_library.items().at(2).rules.size(), 0);
}

struct OwnerCase {
    const char *owner; // nullptr: no owner line
    const char *user;
    bool canEdit;
};

class OwnerLine : public TemplateFixture, public ::testing::WithParamInterface<OwnerCase>
{
};

TEST_P(OwnerLine, DecidesWhetherTheUserMayEdit)
{
    const OwnerCase c = GetParam();
    QByteArray body = R"(<project name="a"><construction name="x"><brand></brand></construction></project>)";
    if (c.owner)
        body = "<PassWord user=\"" + QByteArray(c.owner) + "\"/>\n" + body;
    m_library.setCurrentUserName(QString::fromUtf8(c.user));
    ASSERT_TRUE(load(body.constData()));
    EXPECT_EQ(m_library.canEditTemplate(), c.canEdit);
}

INSTANTIATE_TEST_SUITE_P(Cases, OwnerLine,
                         ::testing::Values(OwnerCase{nullptr, "", true}, OwnerCase{nullptr, "bob", true},
                                           OwnerCase{"bob", "bob", true}, OwnerCase{"bob", "Bob", false},
                                           OwnerCase{"bob", "", false}, OwnerCase{"", "", true},
                                           OwnerCase{"", "bob", false}));

TEST_F(TemplateReading, AnUnlockedTemplateClearsTheLockOfTheLastOne)
{
    m_library.setCurrentUserName(QStringLiteral("ann"));
    ASSERT_TRUE(load(R"(<PassWord user="bob"/><project name="a"></project>)"));
    EXPECT_FALSE(m_library.canEditTemplate());
    ASSERT_TRUE(load(R"(<project name="a"></project>)"));
    EXPECT_TRUE(m_library.canEditTemplate());
}

struct RejectCase {
    const char *name;
    const char *fileName;
    QByteArray bytes;
};

class Rejection : public TemplateFixture, public ::testing::WithParamInterface<RejectCase>
{
};

TEST_P(Rejection, LeavesTheLibraryAsItWas)
{
    m_library.setCurrentUserName(QStringLiteral("ann"));
    ASSERT_TRUE(
        load(R"(<PassWord user="bob"/><project name="a"><construction name="x"></construction></project>)"));
    const QList<QuotaItem> before = m_library.items();
    const QString file = writeFile(QString::fromUtf8(GetParam().fileName), GetParam().bytes);
    EXPECT_FALSE(m_library.LoadTemplate(file, file));
    EXPECT_EQ(m_library.items(), before);
    EXPECT_FALSE(m_library.canEditTemplate());
    EXPECT_TRUE(m_library.mainLibraryText().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Rejection,
    ::testing::Values(RejectCase{"NoAcceptanceWord", "other.xml", "<project name=\"a\"></project>"},
                      RejectCase{"NoProject", "u.xml", "<root><From site=\"Plotwright\"/></root>"},
                      RejectCase{"MainLibraryNameWithoutProject", "Plotwright.xml", "<root></root>"},
                      RejectCase{"Empty", "e.xml", ""}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(TemplateReading, AFileNamedLikeTheMainLibraryNeedsNoAcceptanceWord)
{
    const QString file = writeFile(QStringLiteral("Plotwright.xml"), "<project name=\"a\"></project>");
    EXPECT_TRUE(m_library.LoadTemplate(file, QString()));
    EXPECT_TRUE(m_library.mainLibraryText().isEmpty());
}

TEST_F(TemplateReading, AMissingFileIsRefused)
{
    EXPECT_FALSE(m_library.LoadTemplate(path(QStringLiteral("none.xml")), QString()));
    EXPECT_FALSE(m_library.LoadTemplateItemsOnly(path(QStringLiteral("none.xml")), QString()));
}

TEST_F(TemplateReading, TheMainLibraryTextIsKeptAsRead)
{
    const QByteArray bytes = "\xEF\xBB\xBF<From site='Plotwright'/>\r\n<project name='a'></project>";
    const QString main = writeFile(QStringLiteral("main.xml"), bytes);
    ASSERT_TRUE(m_library.LoadTemplate(main, main));
    EXPECT_EQ(m_library.mainLibraryText(), u"<From site='Plotwright'/>\n<project name='a'></project>");
}

TEST(TemplateTextDecoding, MarkIsOptionalAndCrLfIsLf)
{
    EXPECT_EQ(TemplateText::decode("\xEF\xBB\xBF"
                                   "a\r\nb\r\n"),
              u"a\nb\n");
    EXPECT_EQ(TemplateText::decode("a\r\nb\rc\n"), u"a\nb\rc\n");
}

TEST(TemplateItemsOnly, ReadsNamesAndBrandFromTheItemOnwardsWithoutRules)
{
    const QString text = QStringLiteral(R"(<project name="A" kind="2"><construction name="x">
<amount id="0" Area="3"/><brand unit="m" num="2" loss="5%" laborcost="9"><mt name="l" classify="机械"/></brand>
</construction></project>)");
    const QList<QuotaItem> items = TemplateParser::readItemsOnly(text);
    ASSERT_EQ(items.size(), 1);
    const QuotaItem &item = items.first();
    EXPECT_EQ(item.categoryName, u"A");
    EXPECT_EQ(item.categoryKind, u"2");
    EXPECT_TRUE(item.categoryId.isEmpty());
    EXPECT_EQ(item.itemName, u"x");
    EXPECT_TRUE(item.rules.isEmpty());
    EXPECT_EQ(item.ruleIndexByKind[0], NoRuleIndex);
    EXPECT_EQ(item.currentRule, AmountRule());
    EXPECT_EQ(item.brand.unit, u"m");
    EXPECT_EQ(item.brand.num, 2.0f);
    EXPECT_EQ(item.brand.loss, 0.05f);
    EXPECT_EQ(item.brand.laborcost, 9.0f);
    EXPECT_EQ(item.brand.machines.size(), 1);
}

TEST_F(TemplateReading, ItemsOnlyKeepsPermissionAndSkipsTheAcceptanceTest)
{
    m_library.setCurrentUserName(QStringLiteral("ann"));
    ASSERT_TRUE(load(R"(<PassWord user="bob"/><project name="a"></project>)"));
    const QString other = writeFile(QStringLiteral("o.xml"), "<project name=\"b\"><construction name=\"y\">"
                                                             "</construction></project>");
    ASSERT_TRUE(m_library.LoadTemplateItemsOnly(other, other));
    EXPECT_FALSE(m_library.canEditTemplate());
    ASSERT_EQ(m_library.items().size(), 1);
    EXPECT_EQ(m_library.items().first().itemName, u"y");
    EXPECT_FALSE(m_library.mainLibraryText().isEmpty());
}

} // namespace

// A category key is searched from the category to the end of the text: a category
// lacking one takes the next occurrence, wherever it is, and the last ones find none.
TEST(TemplateCategories, KeysAreSearchedOnPastTheCategory)
{
    const QString text =
        QStringLiteral(R"(<project name="一" kind="k1"><construction name="a"></construction></project>)"
                       R"(<project kind="k2"><construction name="b"></construction></project>)"
                       R"(<project name="三" id="7"><construction name="c"></construction></project>)"
                       R"(<project id="8"><construction></construction></project>)"
                       R"(<project><construction name="e"></construction></project>)");
    const struct {
        const char16_t *id;
        const char16_t *name;
        const char16_t *kind;
    } expected[] = {
        {u"7", u"一", u"k1"}, {u"7", u"b", u"k2"}, {u"7", u"三", u""}, {u"8", u"e", u""}, {u"", u"e", u""}};
    const QList<QuotaItem> items = TemplateParser::readItems(text);
    ASSERT_EQ(items.size(), qsizetype(std::size(expected)));
    for (qsizetype i = 0; i < items.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(items.at(i).categoryId, QStringView(expected[i].id));
        EXPECT_EQ(items.at(i).categoryName, QStringView(expected[i].name));
        EXPECT_EQ(items.at(i).categoryKind, QStringView(expected[i].kind));
    }
    const QList<QuotaItem> only = TemplateParser::readItemsOnly(text);
    ASSERT_EQ(only.size(), items.size());
    for (qsizetype i = 0; i < only.size(); ++i) {
        EXPECT_TRUE(only.at(i).categoryId.isEmpty());
        EXPECT_EQ(only.at(i).categoryName, items.at(i).categoryName);
    }
}

// Items are looked for from the last one found, also across categories that hold none.
TEST(TemplateCategories, EmptyCategoriesLeadToTheNextItem)
{
    QString text = QStringLiteral(R"(<project name="空1"></project><project name="空2"></project>)");
    text += QStringLiteral(R"(<project name="满"><construction name="x"></construction></project>)");
    for (int n = 0; n < 50; ++n)
        text += QStringLiteral(R"(<project name="尾%1"></project>)").arg(n);
    const QList<QuotaItem> items = TemplateParser::readItems(text);
    ASSERT_EQ(items.size(), 1);
    EXPECT_EQ(items.first().itemName, u"x");
    EXPECT_EQ(items.first().categoryName, u"满");
}

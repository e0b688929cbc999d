#include "templatefixture.h"

#include "library/templatewriter.h"

#include <QDir>
#include <QFileInfo>

namespace {

MtLine line(const char *name, const char *classify, float price, float num)
{
    MtLine l;
    l.kind = QString::fromUtf8(classify) == u"机械" ? QStringLiteral("1") : QStringLiteral("0");
    l.id = QStringLiteral("i1");
    l.name = QString::fromUtf8(name);
    l.classify = QString::fromUtf8(classify);
    l.code = QStringLiteral("C&<1");
    l.unit = QStringLiteral("kg");
    l.price = price;
    l.num = num;
    l.desc = QStringLiteral("d");
    return l;
}

AmountRule rule(float serial, const char *roomName, float area)
{
    AmountRule r;
    r.serial = serial;
    r.bDefault = serial == 0.0f ? 1.0f : 0.0f;
    r.RoomName = QString::fromUtf8(roomName);
    r.Area = area;
    r.LaterArea = 0.25f;
    r.height = 2.8f;
    r.DoorCount = 2.0f;
    r.constant = 0.5f;
    return r;
}

QuotaItem item(const char *category, const char *name)
{
    QuotaItem i;
    i.categoryName = QString::fromUtf8(category);
    i.categoryKind = QStringLiteral("1");
    i.itemName = QString::fromUtf8(name);
    i.itemDesc = QStringLiteral("<b>说明&");
    i.brand.unit = QStringLiteral("m2");
    i.brand.num = 1.0f;
    i.brand.loss = 0.05f;
    i.brand.material = 12.345f;
    i.brand.materialprofit = 0.1f;
    i.brand.machine = 3.0f;
    i.brand.laborcost = 45.5f;
    i.brand.laborprofit = 0.08f;
    i.brand.management = 2.0f;
    i.brand.managementprofit = 0.125f;
    return i;
}

// Two categories, the second reopened after a third, rules of a room kind and
// the default, material and machine lines, and an item without any.
QList<QuotaItem> sampleItems()
{
    QuotaItem first = item(" 土方 ", "挖土");
    first.rules = {rule(0, "", 1.5f), rule(2, "客厅", 2.0f)};
    first.brand.materials = {line("水泥", "材料", 0.6f, 2.5f)};
    first.brand.machines = {line("挖掘机", "机械", 800.0f, 0.01f)};
    QuotaItem second = item(" 土方 ", "回填");
    second.brand.materials = {line("砂", "材料", 35.0f, 0.5f), line("石", "材料", 40.0f, 1.0f)};
    return {first, second, item("绿化", "种树"), item(" 土方 ", "夯实")};
}

using TemplateWriting = TemplateFixture;

TEST_F(TemplateWriting, MatchesTheGoldenFileByteForByte)
{
    m_library.setItems(sampleItems());
    m_library.setLockOnSave(true);
    m_library.setCurrentUserName(QStringLiteral("ann"));
    ASSERT_TRUE(m_library.WriteTemplate(path(QStringLiteral("out.xml"))));
    const QByteArray golden = readFile(QStringLiteral(PLOTWRIGHT_TEST_DATA "/golden.xml"));
    ASSERT_FALSE(golden.isEmpty());
    EXPECT_EQ(readFile(path(QStringLiteral("out.xml"))), golden);
}

TEST_F(TemplateWriting, AnEmptyListIsWrittenAsAnEmptyCategoryThatReadsBack)
{
    EXPECT_EQ(TemplateWriter::text({}, QString()),
              u"<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n<root>\n"
              "<From site=\"Plotwright\"/>\n  <project name=\"\" kind=\"\">\n  </project>\n</root>");
    const QString file = path(QStringLiteral("empty.xml"));
    ASSERT_TRUE(m_library.WriteTemplate(file));
    m_library.setItems({item("A", "x")});
    ASSERT_TRUE(m_library.LoadTemplate(file, QString()));
    EXPECT_TRUE(m_library.items().isEmpty());
}

TEST_F(TemplateWriting, OwnerLineNeedsLockingAndASignedInUser)
{
    const QString ownerLine = QStringLiteral("  <PassWord user=\"ann\"/>\n");
    m_library.setLockOnSave(true);
    EXPECT_FALSE(m_library.templateText().contains(u"PassWord"));
    m_library.setCurrentUserName(QStringLiteral("ann"));
    EXPECT_TRUE(m_library.templateText().contains(ownerLine));
    m_library.setLockOnSave(false);
    EXPECT_FALSE(m_library.templateText().contains(u"PassWord"));
}

TEST_F(TemplateWriting, AFirstItemWithoutCategoryOpensAnUnnamedOneAndReadsBack)
{
    QuotaItem loose = item("", "x");
    loose.categoryKind.clear();
    m_library.setItems({loose, item("A", "y")});
    const QString text = m_library.templateText();
    EXPECT_TRUE(text.contains(
        u"<From site=\"Plotwright\"/>\n  <project name=\"\" kind=\"\">\n    <construction name=\"x\""));
    EXPECT_TRUE(text.contains(u"</construction>\n  </project>\n\n  <project name=\"A\" kind=\"1\">\n"));
    const QString file = path(QStringLiteral("loose.xml"));
    ASSERT_TRUE(m_library.WriteTemplate(file));
    ASSERT_TRUE(m_library.LoadTemplate(file, QString()));
    ASSERT_EQ(m_library.items().size(), 2);
    EXPECT_EQ(m_library.items().at(0).itemName, QStringLiteral("x"));
    EXPECT_TRUE(m_library.items().at(0).categoryName.isEmpty());
    EXPECT_EQ(m_library.items().at(1).categoryName, QStringLiteral("A"));
}

TEST_F(TemplateWriting, ReadingBackGivesTheSameItemsAndTheSameFile)
{
    m_library.setItems(sampleItems());
    const QString first = path(QStringLiteral("first.xml"));
    ASSERT_TRUE(m_library.WriteTemplate(first));
    QuotaLibrary reread;
    ASSERT_TRUE(reread.LoadTemplate(first, QString()));
    const QList<QuotaItem> written = sampleItems();
    ASSERT_EQ(reread.items().size(), written.size());
    for (qsizetype i = 0; i < written.size(); ++i) {
        QuotaItem back = reread.items().at(i);
        EXPECT_EQ(back.categoryName, written.at(i).categoryName.trimmed());
        EXPECT_EQ(back.brand.num, written.at(i).brand.num);
        back.categoryName = written.at(i).categoryName;
        back.categoryId.clear();
        back.itemId.clear();
        back.ruleIndexByKind = written.at(i).ruleIndexByKind;
        back.currentRule = AmountRule();
        EXPECT_EQ(back, written.at(i)) << i;
    }
    EXPECT_EQ(reread.items().first().currentRule, written.first().rules.first());
    const QString second = path(QStringLiteral("second.xml"));
    ASSERT_TRUE(reread.WriteTemplate(second));
    EXPECT_EQ(readFile(first), readFile(second));
}

TEST_F(TemplateWriting, AClosingBracketInALineValueCutsTheLine)
{
    QuotaItem i = item("A", "x");
    i.brand.materials = {line("a>b", "材料", 2.0f, 3.0f)};
    m_library.setItems({i});
    const QString file = path(QStringLiteral("b.xml"));
    ASSERT_TRUE(m_library.WriteTemplate(file));
    EXPECT_TRUE(readFile(file).contains("name=\"a>b\""));
    ASSERT_TRUE(m_library.LoadTemplate(file, QString()));
    const MtLine back = m_library.items().first().brand.materials.first();
    EXPECT_TRUE(back.name.isEmpty());
    EXPECT_EQ(back.price, 0.0f);
}

TEST_F(TemplateWriting, ValuesAreRoundedToTheirDecimalsOnlyInTheFile)
{
    QuotaItem i = item("A", "x");
    i.brand.material = 1.23456f;
    i.brand.loss = 0.123456f;
    m_library.setItems({i});
    const QString file = path(QStringLiteral("r.xml"));
    ASSERT_TRUE(m_library.WriteTemplate(file));
    ASSERT_TRUE(m_library.LoadTemplate(file, QString()));
    EXPECT_EQ(m_library.items().first().brand.material, 1.235f);
    EXPECT_FLOAT_EQ(m_library.items().first().brand.loss, 0.1235f);
}

TEST_F(TemplateWriting, AFailedWriteIsReported)
{
    QString error;
    EXPECT_FALSE(m_library.WriteTemplate(path(QStringLiteral("missing/dir/t.xml")), &error));
    EXPECT_FALSE(error.isEmpty());
    // A folder in the file's place cannot be replaced.
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("taken.xml")));
    EXPECT_FALSE(m_library.WriteTemplate(path(QStringLiteral("taken.xml"))));
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("taken.xml"))).isDir());
}

TEST_F(TemplateWriting, MainLibraryIsWrittenBackOnlyWhenMarkedAndLongEnough)
{
    const QString main = writeFile(QStringLiteral("Plotwright.xml"),
                                   "<From site=\"Plotwright\"/>\n<project name=\"a\"></project>");
    ASSERT_TRUE(m_library.LoadTemplate(main, main));
    const QString target = path(QStringLiteral("back.xml"));
    EXPECT_TRUE(m_library.writeBackMainLibrary(target));
    EXPECT_FALSE(QFile::exists(target));
    m_library.setMainLibraryWriteBack(true);
    EXPECT_TRUE(m_library.writeBackMainLibrary(target));
    EXPECT_EQ(readFile(target), "\xEF\xBB\xBF<From site=\"Plotwright\"/>\r\n<project name=\"a\"></project>");
    EXPECT_FALSE(m_library.writeBackMainLibrary(path(QStringLiteral("missing/Plotwright.xml"))));

    QuotaLibrary shortText;
    const QString tiny = writeFile(QStringLiteral("tiny.xml"), "<project>");
    ASSERT_TRUE(shortText.LoadTemplateItemsOnly(tiny, tiny));
    shortText.setMainLibraryWriteBack(true);
    const QString notWritten = path(QStringLiteral("none.xml"));
    EXPECT_TRUE(shortText.writeBackMainLibrary(notWritten));
    EXPECT_FALSE(QFile::exists(notWritten));
}

} // namespace

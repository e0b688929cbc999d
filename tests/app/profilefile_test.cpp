#include "app/profilefile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "settingsprinters.h"

#include <gtest/gtest.h>

namespace {

class ProfileFileTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    QString fileWith(const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(QStringLiteral("test.ini"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    QByteArray bytesOf(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
    }

    QTemporaryDir m_dir;
};

struct ReadCase {
    const char *name;
    QByteArray content;
    const char16_t *section;
    const char16_t *key;
    int bufferSize;
    const char16_t *expected;
};

TEST_F(ProfileFileTest, ReadsValuesWithProfileRules)
{
    const QByteArray file = "; comment=ignored\r\n"
                            "Orphan=before any section\r\n"
                            "[CurrentCfg]\r\n"
                            "  MainProfit =  12 \t\r\n"
                            ";Loss=commented\r\n"
                            "Path=a=b=c\r\n"
                            "Long=abcdefghij\r\n"
                            "Empty=\r\n"
                            "[other]\r\n"
                            "Loss=7\r\n"
                            "[currentcfg]\r\n"
                            "Late=second section of the same name is not searched\r\n";
    const ReadCase cases[] = {
        {"case-insensitive names", file, u"currentcfg", u"mainprofit", 260, u"12"},
        {"value after the first '='", file, u"CURRENTCFG", u"path", 260, u"a=b=c"},
        {"buffer cuts to size - 1", file, u"currentcfg", u"Long", 5, u"abcd"},
        {"buffer of one holds nothing", file, u"currentcfg", u"Long", 1, u""},
        {"default is cut as well", file, u"currentcfg", u"Missing", 3, u"de"},
        {"present but empty", file, u"currentcfg", u"Empty", 260, u""},
        {"comment is no key", file, u"currentcfg", u"Loss", 260, u"default"},
        {"key of another section", file, u"other", u"Loss", 260, u"7"},
        {"key before any section", file, u"", u"Orphan", 260, u"default"},
        {"missing section", file, u"nothing", u"MainProfit", 260, u"default"},
        {"first section wins", file, u"currentcfg", u"Late", 260, u"default"},
        {"LF line ends", "[a]\nk= v \nj=w", u"a", u"k", 260, u"v"},
        {"last line without line end", "[a]\nk= v \nj=w", u"a", u"j", 260, u"w"},
        {"byte-order mark", "\xEF\xBB\xBF[a]\r\nk=\xE6\xA8\xA1\xE6\x9D\xBF\r\n", u"a", u"k", 260, u"模板"},
        {"no pair cut in half", "[a]\r\nk=x\xF0\x9F\x98\x80\r\n", u"a", u"k", 3, u"x"},
    };
    for (const ReadCase &c : cases) {
        const ProfileFile profile(fileWith(c.content));
        EXPECT_EQ(profile.readString(c.section, c.key, QStringLiteral("default"), c.bufferSize),
                  QString::fromUtf16(c.expected))
            << c.name;
    }
}

TEST_F(ProfileFileTest, ReadsLeadingIntegers)
{
    const ProfileFile profile(fileWith("[s]\r\na=12abc\r\nb=\r\nc=-3\r\nd=x1\r\ne=99999999999\r\nf=+4\r\n"));
    EXPECT_EQ(profile.readInt(u"s", u"a", 5), 12);
    EXPECT_EQ(profile.readInt(u"s", u"b", 5), 0);
    EXPECT_EQ(profile.readInt(u"s", u"c", 5), -3);
    EXPECT_EQ(profile.readInt(u"s", u"d", 5), 0);
    EXPECT_EQ(profile.readInt(u"s", u"e", 5), std::numeric_limits<int>::max());
    EXPECT_EQ(profile.readInt(u"s", u"f", 5), 4);
    EXPECT_EQ(profile.readInt(u"s", u"missing", 5), 5);
    EXPECT_EQ(profile.readInt(u"t", u"a", 5), 5);
}

TEST_F(ProfileFileTest, MissingFileReadsAsEmptyAndIsCreatedOnSave)
{
    ProfileFile profile(m_dir.filePath(QStringLiteral("new.ini")));
    EXPECT_EQ(profile.readString(u"a", u"b", QStringLiteral("d"), 260), QStringLiteral("d"));
    profile.writeString(u"a", u"b", QStringLiteral("c"));
    ASSERT_TRUE(profile.save());
    EXPECT_EQ(bytesOf(profile.path()), QByteArray("[a]\r\nb=c\r\n"));
}

struct WriteCase {
    const char *name;
    QByteArray before;
    const char16_t *section;
    const char16_t *key;
    const char16_t *value;
    QByteArray after;
};

TEST_F(ProfileFileTest, WritesOneKeyInPlace)
{
    const QByteArray file = "\xEF\xBB\xBF; keep me\r\n"
                            "[currentcfg]\r\n"
                            "Unknown = x \r\n"
                            "sel=1\r\n"
                            "; trailing comment\r\n"
                            "\r\n"
                            "[savecfg]\n"
                            "1=/a.xml\n";
    const WriteCase cases[] = {
        {"replace keeps the rest", file, u"CurrentCfg", u"SEL", u"3",
         "\xEF\xBB\xBF; keep me\r\n[currentcfg]\r\nUnknown = x \r\nSEL=3\r\n; trailing comment\r\n\r\n"
         "[savecfg]\n1=/a.xml\n"},
        {"replace keeps an LF line end", file, u"savecfg", u"1", u"/b.xml",
         "\xEF\xBB\xBF; keep me\r\n[currentcfg]\r\nUnknown = x \r\nsel=1\r\n; trailing comment\r\n\r\n"
         "[savecfg]\n1=/b.xml\n"},
        {"missing key at the end of its section", file, u"currentcfg", u"count", u"2",
         "\xEF\xBB\xBF; keep me\r\n[currentcfg]\r\nUnknown = x \r\nsel=1\r\n; trailing comment\r\ncount=2\r\n"
         "\r\n[savecfg]\n1=/a.xml\n"},
        {"missing key of the last section", file, u"savecfg", u"2", u"/c.xml",
         "\xEF\xBB\xBF; keep me\r\n[currentcfg]\r\nUnknown = x \r\nsel=1\r\n; trailing comment\r\n\r\n"
         "[savecfg]\n1=/a.xml\n2=/c.xml\r\n"},
        {"missing section at the end of the file", file, u"new", u"k", u"v",
         "\xEF\xBB\xBF; keep me\r\n[currentcfg]\r\nUnknown = x \r\nsel=1\r\n; trailing comment\r\n\r\n"
         "[savecfg]\n1=/a.xml\n[new]\r\nk=v\r\n"},
        {"last line without line end", "[a]\r\nk=1", u"a", u"j", u"2", "[a]\r\nk=1\r\nj=2\r\n"},
        {"replaced last line keeps having none", "[a]\r\nk=1", u"a", u"k", u"2", "[a]\r\nk=2"},
        {"section after a file without line end", "[a]\r\nk=1", u"b", u"k", u"2",
         "[a]\r\nk=1\r\n[b]\r\nk=2\r\n"},
        {"empty section", "[a]\r\n[b]\r\n", u"a", u"k", u"v", "[a]\r\nk=v\r\n[b]\r\n"},
        {"UTF-8 value", "", u"savecfg", u"1", u"/文档/模板.xml", "[savecfg]\r\n1=/文档/模板.xml\r\n"},
        {"line breaks never split the entry", "", u"a", u"k", u"x\r\ny\nz", "[a]\r\nk=x  y z\r\n"},
    };
    for (const WriteCase &c : cases) {
        ProfileFile profile(fileWith(c.before));
        profile.writeString(c.section, c.key, QString::fromUtf16(c.value));
        ASSERT_TRUE(profile.save()) << c.name;
        EXPECT_EQ(bytesOf(profile.path()), c.after) << c.name;
    }
}

TEST_F(ProfileFileTest, ListsTheKeysOfASection)
{
    const ProfileFile profile(fileWith("[savecfg]\r\n1=a\r\n; 5=b\r\n 2 = c\r\nnoequals\r\n[x]\r\n3=d\r\n"));
    EXPECT_EQ(profile.keys(u"SaveCfg"), QStringList({QStringLiteral("1"), QStringLiteral("2")}));
    EXPECT_TRUE(profile.keys(u"missing").isEmpty());
}

TEST_F(ProfileFileTest, ReportsAFailedWrite)
{
    ProfileFile inMissingFolder(m_dir.filePath(QStringLiteral("no/such/folder/a.ini")));
    inMissingFolder.writeString(u"a", u"b", QStringLiteral("c"));
    EXPECT_FALSE(inMissingFolder.save());

    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("folder.ini")));
    ProfileFile onAFolder(m_dir.filePath(QStringLiteral("folder.ini")));
    onAFolder.writeString(u"a", u"b", QStringLiteral("c"));
    EXPECT_FALSE(onAFolder.save());
}

} // namespace

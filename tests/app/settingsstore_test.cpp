#include "app/settingsstore.h"

#include "app/profilefile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "settingsprinters.h"

#include <gtest/gtest.h>

namespace {

class SettingsStoreTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        ASSERT_TRUE(QDir().mkpath(m_folders.programFolder()));
        ASSERT_TRUE(QDir().mkpath(m_dir.filePath(QStringLiteral("templates"))));
    }

    // A template file that exists; its content does not matter here.
    QString makeTemplate(const QString &name)
    {
        const QString path = templatePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("<project");
        return path;
    }

    QString templatePath(const QString &name) const
    {
        return m_dir.filePath(QStringLiteral("templates/") + name + QStringLiteral(".xml"));
    }

    void writeIni(const QByteArray &bytes)
    {
        ASSERT_TRUE(QDir().mkpath(m_folders.dataFolder()));
        QFile file(m_folders.settingsFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    static QByteArray bytesOf(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QString iniValue(const char16_t *section, const QString &key) const
    {
        return ProfileFile(m_folders.settingsFile()).readString(section, key, QStringLiteral("<none>"), 500);
    }

    AppSettings load()
    {
        AppSettings settings;
        m_store.LoadSettings(settings, [this](const QString &path) { m_loaded.append(path); });
        return settings;
    }

    QTemporaryDir m_dir;
    AppFolders m_folders{m_dir.filePath(QStringLiteral("docs")), m_dir.filePath(QStringLiteral("prog"))};
    SettingsStore m_store{m_folders};
    QStringList m_loaded;
};

TEST_F(SettingsStoreTest, FirstStartWithoutSettingsFile)
{
    const qint64 before = QDateTime::currentSecsSinceEpoch();
    const AppSettings settings = load();
    const qint64 after = QDateTime::currentSecsSinceEpoch();

    EXPECT_TRUE(QFileInfo(m_folders.dataFolder()).isDir());
    EXPECT_TRUE(QFileInfo(m_folders.roomPictureFolder()).isDir());
    EXPECT_EQ(settings.folders, m_folders);
    EXPECT_EQ(settings.rates.mainProfit, QStringLiteral("0"));
    EXPECT_EQ(settings.rates.auxiProfit, QStringLiteral("0"));
    EXPECT_EQ(settings.rates.laborProfit, QStringLiteral("0"));
    EXPECT_EQ(settings.rates.loss, QStringLiteral("0"));
    EXPECT_EQ(settings.rates.tax, QString());
    EXPECT_FALSE(settings.rates.profitEnabled || settings.rates.lossEnabled || settings.rates.taxEnabled);
    EXPECT_EQ(settings.page, PageSettings{});
    EXPECT_EQ(settings.page.pagemarginbottom, QStringLiteral("19"));
    EXPECT_EQ(settings.showlr, 1);
    EXPECT_EQ(settings.showloss, 1);
    EXPECT_EQ(settings.showtax, 1);
    EXPECT_EQ(settings.templateList, QStringList{m_folders.mainLibraryFile()});
    EXPECT_EQ(settings.selectedTemplate, 0);
    EXPECT_EQ(settings.currentTemplatePath, m_folders.mainLibraryFile());
    EXPECT_EQ(settings.currentProjectPath, m_folders.defaultProjectPath());
    EXPECT_TRUE(settings.loadedOnce);
    EXPECT_EQ(m_loaded, QStringList{m_folders.mainLibraryFile()});

    const qint64 stamp = iniValue(u"currentcfg", QStringLiteral("OpenTime")).toLongLong();
    EXPECT_GE(stamp, before);
    EXPECT_LE(stamp, after);
}

TEST_F(SettingsStoreTest, EmptyTextsTakeTheirDefaultsExceptTax)
{
    writeIni("[currentcfg]\r\nMainProfit=\r\nLoss=  \r\nTax=\r\nPageSize=\r\nPageMarginTop=25\r\n"
             "AuxiProfit=7\r\nshowloss=0\r\nshowtax=x\r\n");
    const AppSettings settings = load();
    EXPECT_EQ(settings.rates.mainProfit, QStringLiteral("0"));
    EXPECT_EQ(settings.rates.loss, QStringLiteral("0"));
    EXPECT_EQ(settings.rates.tax, QString());
    EXPECT_EQ(settings.rates.auxiProfit, QStringLiteral("7"));
    EXPECT_EQ(settings.page.pagesize, QStringLiteral("A4"));
    EXPECT_EQ(settings.page.pagemargintop, QStringLiteral("25"));
    EXPECT_EQ(settings.showlr, 1);
    EXPECT_EQ(settings.showloss, 0);
    EXPECT_EQ(settings.showtax, 0);
}

TEST_F(SettingsStoreTest, TextsAreReadIntoA260CharacterBuffer)
{
    writeIni("[currentcfg]\r\nMainProfit=" + QByteArray(300, '5') + "\r\n");
    EXPECT_EQ(load().rates.mainProfit, QString(259, u'5'));
}

TEST_F(SettingsStoreTest, SavedRecordReadsBack)
{
    AppSettings saved = load();
    saved.rates.mainProfit = QStringLiteral("5");
    saved.rates.auxiProfit = QStringLiteral("6");
    saved.rates.laborProfit = QStringLiteral("7");
    saved.rates.loss = QStringLiteral("8");
    saved.rates.tax = QStringLiteral("9");
    saved.page = {QStringLiteral("A3"), QStringLiteral("Horizontal"), QStringLiteral("10"),
                  QStringLiteral("11"), QStringLiteral("12"),         QStringLiteral("13")};
    saved.templateList.append(makeTemplate(QStringLiteral("园林")));
    saved.selectedTemplate = 1;
    ASSERT_TRUE(m_store.SaveSettings(saved, 0, 1, 0));

    const AppSettings read = load();
    EXPECT_EQ(read.rates.mainProfit, saved.rates.mainProfit);
    EXPECT_EQ(read.rates.auxiProfit, saved.rates.auxiProfit);
    EXPECT_EQ(read.rates.laborProfit, saved.rates.laborProfit);
    EXPECT_EQ(read.rates.loss, saved.rates.loss);
    EXPECT_EQ(read.rates.tax, saved.rates.tax);
    EXPECT_EQ(read.page, saved.page);
    EXPECT_EQ(read.showlr, 0);
    EXPECT_EQ(read.showloss, 1);
    EXPECT_EQ(read.showtax, 0);
    EXPECT_EQ(read.templateList, saved.templateList);
    EXPECT_EQ(read.selectedTemplate, 1);
    EXPECT_EQ(read.currentTemplatePath, saved.templateList[1]);
    EXPECT_EQ(m_loaded.last(), saved.templateList[1]);
}

struct ListCase {
    const char *name;
    const char *ini; // {A}, {B}, {C}: existing templates, {gone}: a missing one, {main}: the main library
    QStringList expected;
    int expectedSelected;
};

TEST_F(SettingsStoreTest, RebuildsTheTemplateList)
{
    const ListCase cases[] = {
        {"in key order",
         "[currentcfg]\r\nsel=2\r\ncount=4\r\n[savecfg]\r\n2=B\r\n1=A\r\n3=C\r\n",
         {"main", "A", "B", "C"},
         2},
        {"sel past the end",
         "[currentcfg]\r\nsel=3\r\ncount=3\r\n[savecfg]\r\n1=A\r\n2=B\r\n",
         {"main", "A", "B"},
         0},
        {"negative sel", "[currentcfg]\r\nsel=-1\r\ncount=2\r\n[savecfg]\r\n1=A\r\n", {"main", "A"}, 0},
        {"duplicates and the main library are added once",
         "[currentcfg]\r\nsel=2\r\ncount=5\r\n[savecfg]\r\n1=A\r\n2=main\r\n3=A\r\n4=B\r\n",
         {"main", "A", "B"},
         2},
        {"count larger than the keys",
         "[currentcfg]\r\nsel=1\r\ncount=9\r\n[savecfg]\r\n1=A\r\n5=B\r\n",
         {"main", "A", "B"},
         1},
        {"huge count",
         "[currentcfg]\r\ncount=2147483647\r\n[savecfg]\r\n1=A\r\n2000000000=B\r\n",
         {"main", "A", "B"},
         0},
        {"keys past count are ignored",
         "[currentcfg]\r\ncount=2\r\n[savecfg]\r\n1=A\r\n2=B\r\n3=C\r\n",
         {"main", "A", "B"},
         0},
        {"only canonical numbers",
         "[currentcfg]\r\ncount=3\r\n[savecfg]\r\n01=A\r\n+2=B\r\n0=C\r\n",
         {"main"},
         0},
        {"missing files are dropped",
         "[currentcfg]\r\nsel=2\r\ncount=3\r\n[savecfg]\r\n1=gone\r\n2=B\r\n",
         {"main", "B"},
         0},
        {"selected template missing",
         "[currentcfg]\r\nsel=1\r\ncount=3\r\n[savecfg]\r\n1=gone\r\n2=gone\r\n",
         {"main"},
         0},
        {"no count", "[savecfg]\r\n1=A\r\n", {"main"}, 0},
    };
    const QString a = makeTemplate(QStringLiteral("A"));
    const QString b = makeTemplate(QStringLiteral("B"));
    const QString c = makeTemplate(QStringLiteral("C"));
    QFile(m_folders.mainLibraryFile()).open(QIODevice::WriteOnly);
    const QMap<QString, QString> paths{{QStringLiteral("A"), a},
                                       {QStringLiteral("B"), b},
                                       {QStringLiteral("C"), c},
                                       {QStringLiteral("gone"), templatePath(QStringLiteral("gone"))},
                                       {QStringLiteral("main"), m_folders.mainLibraryFile()}};
    for (const ListCase &test : cases) {
        QString ini = QString::fromUtf8(test.ini);
        for (auto it = paths.begin(); it != paths.end(); ++it)
            ini.replace(u'=' + it.key() + u'\r', u'=' + it.value() + u'\r');
        writeIni(ini.toUtf8());
        QStringList expected;
        for (const QString &name : test.expected)
            expected.append(paths.value(name));

        const AppSettings settings = load();
        EXPECT_EQ(settings.templateList, expected) << test.name;
        EXPECT_EQ(settings.selectedTemplate, test.expectedSelected) << test.name;
        EXPECT_EQ(settings.currentTemplatePath, expected.value(test.expectedSelected)) << test.name;
    }
}

TEST_F(SettingsStoreTest, MissingSelectedTemplateFallsBackToTheMainLibrary)
{
    const QString a = makeTemplate(QStringLiteral("A"));
    writeIni(("[currentcfg]\r\nsel=1\r\ncount=2\r\n[savecfg]\r\n1=" + a + "\r\n").toUtf8());
    AppSettings settings;
    settings.templateList = QStringList{m_folders.mainLibraryFile(), templatePath(QStringLiteral("gone"))};
    ASSERT_TRUE(QFile::remove(a));
    m_store.LoadSettings(settings);
    EXPECT_EQ(settings.selectedTemplate, 0);
    EXPECT_EQ(settings.currentTemplatePath, m_folders.mainLibraryFile());
}

TEST_F(SettingsStoreTest, SaveWithThreeTemplatesWritesCountAndTwoKeys)
{
    AppSettings settings = load();
    settings.templateList.append(makeTemplate(QStringLiteral("A")));
    settings.templateList.append(makeTemplate(QStringLiteral("B")));
    settings.selectedTemplate = 2;
    ASSERT_TRUE(m_store.SaveSettings(settings, 1, 0, 1));

    const ProfileFile ini(m_folders.settingsFile());
    EXPECT_EQ(ini.readString(u"currentcfg", u"count", {}, 260), QStringLiteral("3"));
    EXPECT_EQ(ini.readString(u"currentcfg", u"sel", {}, 260), QStringLiteral("2"));
    EXPECT_EQ(ini.readString(u"currentcfg", u"showloss", {}, 260), QStringLiteral("0"));
    EXPECT_EQ(ini.keys(u"savecfg"), QStringList({QStringLiteral("1"), QStringLiteral("2")}));
    EXPECT_EQ(ini.readString(u"savecfg", u"1", {}, 500), settings.templateList[1]);
    EXPECT_EQ(ini.readString(u"savecfg", u"2", {}, 500), settings.templateList[2]);
}

TEST_F(SettingsStoreTest, KeysOfALongerEarlierListStay)
{
    const QString a = makeTemplate(QStringLiteral("A"));
    const QString b = makeTemplate(QStringLiteral("B"));
    const QString c = makeTemplate(QStringLiteral("C"));
    writeIni(
        ("[currentcfg]\r\ncount=4\r\n[savecfg]\r\n1=" + a + "\r\n2=" + b + "\r\n3=" + c + "\r\n").toUtf8());
    AppSettings settings;
    settings.templateList = QStringList{m_folders.mainLibraryFile(), c};
    ASSERT_TRUE(m_store.SaveSettings(settings, 1, 1, 1));

    EXPECT_EQ(iniValue(u"currentcfg", QStringLiteral("count")), QStringLiteral("2"));
    EXPECT_EQ(iniValue(u"savecfg", QStringLiteral("1")), c);
    EXPECT_EQ(iniValue(u"savecfg", QStringLiteral("2")), b);
    EXPECT_EQ(iniValue(u"savecfg", QStringLiteral("3")), c);
    // count includes entry 0 while the keys start at 1, so key "2" is still read.
    EXPECT_EQ(load().templateList, QStringList({m_folders.mainLibraryFile(), c, b}));
}

TEST_F(SettingsStoreTest, SaveKeepsTheRestOfTheFileByteForByte)
{
    writeIni("; written by hand\n"
             "[CurrentCfg]\n"
             "Tax = 3 \n"
             "Colour=blue\n"
             "SEL=0\n"
             "\n"
             "[other]\r\n"
             "k=v\r\n");
    AppSettings settings;
    settings.templateList = QStringList{m_folders.mainLibraryFile(), QStringLiteral("/t/a.xml")};
    settings.selectedTemplate = 1;
    settings.rates.tax = QStringLiteral("4");
    ASSERT_TRUE(m_store.SaveSettings(settings, 1, 0, 1));
    EXPECT_EQ(bytesOf(m_folders.settingsFile()), QByteArray("; written by hand\n"
                                                            "[CurrentCfg]\n"
                                                            "Tax=4\n"
                                                            "Colour=blue\n"
                                                            "sel=1\n"
                                                            "count=2\r\n"
                                                            "showlr=1\r\n"
                                                            "showloss=0\r\n"
                                                            "showtax=1\r\n"
                                                            "MainProfit=0\r\n"
                                                            "AuxiProfit=0\r\n"
                                                            "LaborProfit=0\r\n"
                                                            "Loss=0\r\n"
                                                            "PageSize=A4\r\n"
                                                            "PageOrientation=Vertical\r\n"
                                                            "PageMarginLeft=18\r\n"
                                                            "PageMarginRight=18\r\n"
                                                            "PageMarginTop=19\r\n"
                                                            "PageMarginBottom=19\r\n"
                                                            "\n"
                                                            "[other]\r\n"
                                                            "k=v\r\n"
                                                            "[savecfg]\r\n"
                                                            "1=/t/a.xml\r\n"));
}

TEST_F(SettingsStoreTest, ReloadKeepsTemplatesOpenedDuringTheRun)
{
    const QString a = makeTemplate(QStringLiteral("A"));
    writeIni(("[currentcfg]\r\nsel=1\r\ncount=2\r\n[savecfg]\r\n1=" + a + "\r\n").toUtf8());
    AppSettings settings = load();
    const QString opened = makeTemplate(QStringLiteral("opened"));
    settings.templateList.append(opened);
    settings.templateList.append(templatePath(QStringLiteral("gone")));
    settings.templateList.append(a);
    settings.currentProjectPath = QStringLiteral("/projects/garden.gzj");

    m_store.LoadSettings(settings, [this](const QString &path) { m_loaded.append(path); });
    EXPECT_EQ(settings.templateList, QStringList({m_folders.mainLibraryFile(), a, opened}));
    EXPECT_EQ(settings.selectedTemplate, 1);
    EXPECT_EQ(settings.currentTemplatePath, a);
    EXPECT_EQ(settings.currentProjectPath, QStringLiteral("/projects/garden.gzj"));
    EXPECT_EQ(m_loaded.size(), 1);
}

TEST_F(SettingsStoreTest, ReloadFollowsTheSelectedTemplateWhenEntriesVanish)
{
    const QString a = makeTemplate(QStringLiteral("A"));
    const QString b = makeTemplate(QStringLiteral("B"));
    const QString c = makeTemplate(QStringLiteral("C"));
    writeIni(
        ("[currentcfg]\r\nsel=2\r\ncount=4\r\n[savecfg]\r\n1=" + a + "\r\n2=" + b + "\r\n3=" + c + "\r\n")
            .toUtf8());
    AppSettings settings = load();
    ASSERT_EQ(settings.currentTemplatePath, b);
    ASSERT_TRUE(QFile::remove(a));

    m_store.LoadSettings(settings);
    EXPECT_EQ(settings.templateList, QStringList({m_folders.mainLibraryFile(), b, c}));
    EXPECT_EQ(settings.selectedTemplate, 1);
    EXPECT_EQ(settings.currentTemplatePath, b);

    ASSERT_TRUE(QFile::remove(b));
    m_store.LoadSettings(settings);
    EXPECT_EQ(settings.selectedTemplate, 0);
    EXPECT_EQ(settings.currentTemplatePath, m_folders.mainLibraryFile());
}

TEST_F(SettingsStoreTest, OpenTimeIsWrittenAtEveryLoad)
{
    writeIni("[currentcfg]\r\nOpenTime=1\r\n");
    AppSettings settings = load();
    EXPECT_NE(iniValue(u"currentcfg", QStringLiteral("OpenTime")), QStringLiteral("1"));
    writeIni("[currentcfg]\r\nOpenTime=1\r\n");
    m_store.LoadSettings(settings);
    EXPECT_NE(iniValue(u"currentcfg", QStringLiteral("OpenTime")), QStringLiteral("1"));
}

struct WriteBackCase {
    const char *name;
    QString text;
    bool writeBack;
    QByteArray expected; // empty: the file is left alone
};

TEST_F(SettingsStoreTest, WritesTheMainLibraryBackWhenAsked)
{
    const WriteBackCase cases[] = {
        {"marked", QStringLiteral("<project>\n<a>模板\n"), true,
         "\xEF\xBB\xBF<project>\r\n<a>\xE6\xA8\xA1\xE6\x9D\xBF\r\n"},
        {"CR LF is not doubled", QStringLiteral("<project>\r\n<b>\r\n"), true,
         "\xEF\xBB\xBF<project>\r\n<b>\r\n"},
        {"no second byte-order mark", QStringLiteral("\uFEFF<project>1234"), true,
         "\xEF\xBB\xBF<project>1234"},
        {"eleven characters", QStringLiteral("<project>12"), true, "\xEF\xBB\xBF<project>12"},
        {"ten characters", QStringLiteral("<project>1"), true, ""},
        {"not marked", QStringLiteral("<project>\n<a>\n"), false, ""},
    };
    const AppSettings settings = load();
    for (const WriteBackCase &c : cases) {
        QFile::remove(m_folders.mainLibraryFile());
        EXPECT_TRUE(m_store.SaveSettings(settings, 1, 1, 1, c.text, c.writeBack)) << c.name;
        EXPECT_EQ(bytesOf(m_folders.mainLibraryFile()), c.expected) << c.name;
        EXPECT_TRUE(QFileInfo(m_folders.settingsFile()).isFile()) << c.name;
    }
}

TEST_F(SettingsStoreTest, ReportsFailedWrites)
{
    const AppSettings settings = load();
    ASSERT_TRUE(QDir(m_folders.programFolder()).removeRecursively());
    EXPECT_FALSE(m_store.SaveSettings(settings, 1, 1, 1, QStringLiteral("<project>\n<a>\n"), true));
    EXPECT_EQ(iniValue(u"currentcfg", QStringLiteral("count")), QStringLiteral("1"));

    ASSERT_TRUE(QFile::remove(m_folders.settingsFile()));
    ASSERT_TRUE(QDir().mkpath(m_folders.settingsFile()));
    EXPECT_FALSE(m_store.SaveSettings(settings, 1, 1, 1));
}

} // namespace

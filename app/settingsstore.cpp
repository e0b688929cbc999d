#include "settingsstore.h"

#include "profilefile.h"

#include "estimate/lineends.h"

#include <QDateTime>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

namespace {

const QString kCurrent = QStringLiteral("currentcfg");
const QString kSaved = QStringLiteral("savecfg");
constexpr int kTextBuffer = 260;
constexpr int kPathBuffer = 500;

bool fileExists(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isFile();
}

// An empty text counts as missing and takes the default.
QString readText(const ProfileFile &profile, const QString &key, const QString &defaultValue)
{
    const QString value = profile.readString(kCurrent, key, QString(), kTextBuffer);
    return value.isEmpty() ? defaultValue : value;
}

void readRates(const ProfileFile &profile, RateSettings &rates)
{
    const QString zero = QStringLiteral("0");
    rates.mainProfit = readText(profile, QStringLiteral("MainProfit"), zero);
    rates.auxiProfit = readText(profile, QStringLiteral("AuxiProfit"), zero);
    rates.laborProfit = readText(profile, QStringLiteral("LaborProfit"), zero);
    rates.loss = readText(profile, QStringLiteral("Loss"), zero);
    // The tax rate alone stays empty when it was never set.
    rates.tax = readText(profile, QStringLiteral("Tax"), QString());
}

void readPage(const ProfileFile &profile, PageSettings &page)
{
    page.pagesize = readText(profile, QStringLiteral("PageSize"), QStringLiteral("A4"));
    page.pageorientation = readText(profile, QStringLiteral("PageOrientation"), QStringLiteral("Vertical"));
    page.pagemarginleft = readText(profile, QStringLiteral("PageMarginLeft"), QStringLiteral("18"));
    page.pagemarginright = readText(profile, QStringLiteral("PageMarginRight"), QStringLiteral("18"));
    page.pagemargintop = readText(profile, QStringLiteral("PageMarginTop"), QStringLiteral("19"));
    page.pagemarginbottom = readText(profile, QStringLiteral("PageMarginBottom"), QStringLiteral("19"));
}

void writeTexts(ProfileFile &profile, const RateSettings &rates, const PageSettings &page)
{
    profile.writeString(kCurrent, u"MainProfit", rates.mainProfit);
    profile.writeString(kCurrent, u"AuxiProfit", rates.auxiProfit);
    profile.writeString(kCurrent, u"LaborProfit", rates.laborProfit);
    profile.writeString(kCurrent, u"Loss", rates.loss);
    profile.writeString(kCurrent, u"Tax", rates.tax);
    profile.writeString(kCurrent, u"PageSize", page.pagesize);
    profile.writeString(kCurrent, u"PageOrientation", page.pageorientation);
    profile.writeString(kCurrent, u"PageMarginLeft", page.pagemarginleft);
    profile.writeString(kCurrent, u"PageMarginRight", page.pagemarginright);
    profile.writeString(kCurrent, u"PageMarginTop", page.pagemargintop);
    profile.writeString(kCurrent, u"PageMarginBottom", page.pagemarginbottom);
}

// The keys "1".."count" that the file holds, in numeric order. Walking the
// file's keys instead of 1..count keeps a huge count from stalling the start.
QList<int> savedTemplateKeys(const ProfileFile &profile, int count)
{
    QList<int> numbers;
    for (const QString &key : profile.keys(kSaved)) {
        bool ok = false;
        const int n = key.toInt(&ok);
        if (ok && n >= 1 && n <= count && QString::number(n) == key)
            numbers.append(n);
    }
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    return numbers;
}

void appendIfNew(QStringList &list, const QString &path)
{
    if (fileExists(path) && !list.contains(path))
        list.append(path);
}

// Text-mode UTF-8 with a byte-order mark: every line end becomes CR LF.
bool writeMainLibrary(const QString &path, const QString &text)
{
    QString body = text;
    if (body.startsWith(QChar(0xFEFF)))
        body.remove(0, 1);
    body = LineEnds::lfToCrLf(LineEnds::crLfToLf(std::move(body)));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = QByteArrayLiteral("\xEF\xBB\xBF") + body.toUtf8();
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace

SettingsStore::SettingsStore(AppFolders folders) : m_folders(std::move(folders))
{
}

void SettingsStore::LoadSettings(AppSettings &settings, const TemplateLoader &loadTemplate) const
{
    const bool firstLoad = !settings.loadedOnce;
    settings.folders = m_folders;
    m_folders.createMissingFolders();
    // A later reload only refreshes the template list; the open project stays.
    if (firstLoad)
        settings.currentProjectPath = m_folders.defaultProjectPath();

    const QStringList previousList = settings.templateList;
    const QString previousPath = previousList.value(settings.selectedTemplate);
    settings.templateList = QStringList{m_folders.mainLibraryFile()};

    ProfileFile profile(m_folders.settingsFile());
    settings.selectedTemplate = profile.readInt(kCurrent, u"sel", 0);
    const int count = profile.readInt(kCurrent, u"count", 0);
    settings.showlr = profile.readInt(kCurrent, u"showlr", 1);
    settings.showloss = profile.readInt(kCurrent, u"showloss", 1);
    settings.showtax = profile.readInt(kCurrent, u"showtax", 1);

    profile.writeString(kCurrent, u"OpenTime", QString::number(quint32(QDateTime::currentSecsSinceEpoch())));
    profile.save(); // a settings file that cannot be written only loses the stamp

    readRates(profile, settings.rates);
    readPage(profile, settings.page);
    rebuildTemplateList(settings, profile, count);

    for (qsizetype i = 1; i < previousList.size(); ++i)
        appendIfNew(settings.templateList, previousList[i]);

    settings.currentTemplatePath = settings.templateList[settings.selectedTemplate];
    if (!fileExists(settings.currentTemplatePath)) {
        settings.currentTemplatePath = settings.templateList[0];
        settings.selectedTemplate = 0;
    }

    if (firstLoad) {
        if (loadTemplate)
            loadTemplate(settings.currentTemplatePath);
    } else {
        keepPreviousSelection(settings, previousPath);
    }
    settings.loadedOnce = true;
}

void SettingsStore::rebuildTemplateList(AppSettings &settings, const ProfileFile &profile, int count) const
{
    for (const int n : savedTemplateKeys(profile, count))
        appendIfNew(settings.templateList,
                    profile.readString(kSaved, QString::number(n), QString(), kPathBuffer));
    if (settings.selectedTemplate < 0 || settings.selectedTemplate >= settings.templateList.size())
        settings.selectedTemplate = 0;
}

// The template in use does not change on a reload: it is found again by its
// path, since entries that vanished shift the indices behind them.
void SettingsStore::keepPreviousSelection(AppSettings &settings, const QString &previousPath) const
{
    const qsizetype index = settings.templateList.indexOf(previousPath);
    settings.selectedTemplate = index < 0 ? 0 : int(index);
    settings.currentTemplatePath = settings.templateList[settings.selectedTemplate];
}

bool SettingsStore::SaveSettings(const AppSettings &settings, int showlr, int showloss, int showtax,
                                 const QString &mainLibraryText, bool writeBackMainLibrary) const
{
    bool written = true;
    if (writeBackMainLibrary && mainLibraryText.size() > 10)
        written = writeMainLibrary(m_folders.mainLibraryFile(), mainLibraryText);

    ProfileFile profile(m_folders.settingsFile());
    profile.writeString(kCurrent, u"sel", QString::number(settings.selectedTemplate));
    profile.writeString(kCurrent, u"count", QString::number(settings.templateList.size()));
    profile.writeString(kCurrent, u"showlr", QString::number(showlr));
    profile.writeString(kCurrent, u"showloss", QString::number(showloss));
    profile.writeString(kCurrent, u"showtax", QString::number(showtax));
    writeTexts(profile, settings.rates, settings.page);
    // Keys of a longer earlier list stay; readers stop at count.
    for (qsizetype i = 1; i < settings.templateList.size(); ++i)
        profile.writeString(kSaved, QString::number(i), settings.templateList[i]);
    return profile.save() && written;
}

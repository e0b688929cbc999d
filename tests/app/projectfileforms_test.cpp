// The reader and writer work on the file's UTF-8 bytes; the text form (the
// file decoded to UTF-16, then searched) is the reference they must match on
// every input: the samples, the fuzz corpus, their damaged copies and
// generated texts full of keys, quotes, line ends and invalid UTF-8.
#include "projectsamples.h"

#include "app/projectfileencoding.h"
#include "app/projectfilereader.h"
#include "app/projectfilewriter.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

#include <gtest/gtest.h>

#include <random>

namespace {

QList<QByteArray> sampleFiles()
{
    QList<QByteArray> files;
    for (const char *folder : {"/examples", "/tests/app/data", "/fuzz/corpus/fuzz_projectfile"}) {
        QDirIterator it(QStringLiteral(PLOTWRIGHT_SOURCE_DIR) + QLatin1String(folder), {QStringLiteral("*.gzj")},
                        QDir::Files);
        while (it.hasNext()) {
            QFile f(it.next());
            if (f.open(QIODevice::ReadOnly))
                files << f.readAll();
        }
    }
    return files;
}

// Pieces that the reader reacts to, and bytes that decoding replaces or drops.
QByteArray randomSoup(std::mt19937 &rng, int pieces)
{
    static const char *const Pieces[] = {
        "<room ", "</room>", "<door ", "<window ", "<construction ", "</construction>", "<mt ", "/>", ">", "<",
        "\"", "=", " name=", "doorName=", "windowName=", "kind=", "desc=", "unit=", "num=", "loss=", "tax=",
        "material=", "materialprofit=", "machine=", "classify=", "price=", "id=", "code=", "long=", "width=",
        "checkType=", "<rate ", "Profit=", "Loss=", "Tax=", "<name>", "dress>", "<Date>", "<head>", "</head>",
        "\r\n", "\r", "\n", " ", "12.5", "-3e2", "1e39", "7%", "+.5", "机械", "花园", "\xEF\xBB\xBF", "\xE4",
        "\xE4\xB8", "\x80", "\xBF\x80", "\xC0\xAF", "\xED\xA0\x80", "\xF0\x9F\x8C\xB3", "\xF4\x90\x80\x80",
        "\xFF", "\"\r\n\"", "a"};
    std::uniform_int_distribution<int> pick(0, int(std::size(Pieces)) - 1);
    QByteArray bytes;
    for (int i = 0; i < pieces; ++i)
        bytes += Pieces[pick(rng)];
    return bytes;
}

// A copy with a few bytes changed, dropped or inserted, and perhaps cut short.
QByteArray damaged(std::mt19937 &rng, QByteArray bytes)
{
    static const char Replacements[] = {'<', '>', '"', '=', '\r', '\n', '\x80', '\xE4', '\xFF', 'x', ' '};
    std::uniform_int_distribution<int> replacement(0, int(sizeof Replacements) - 1);
    for (int edit = 0; edit < 6 && !bytes.isEmpty(); ++edit) {
        std::uniform_int_distribution<qsizetype> at(0, bytes.size() - 1);
        const qsizetype p = at(rng);
        switch (edit % 3) {
        case 0:
            bytes[p] = Replacements[replacement(rng)];
            break;
        case 1:
            bytes.remove(p, 1);
            break;
        default:
            bytes.insert(p, Replacements[replacement(rng)]);
            break;
        }
    }
    if (!bytes.isEmpty() && rng() % 2 == 0)
        bytes.truncate(std::uniform_int_distribution<qsizetype>(0, bytes.size())(rng));
    return bytes;
}

void expectSameReading(const QByteArray &bytes, const std::string &what)
{
    const QString text = ProjectFileEncoding::decode(bytes);
    const ProjectDocument fromBytes0 = ParseProjectBytes(bytes);
    const ProjectDocument fromText0 = ParseProjectDocument(text);
    ASSERT_EQ(fromBytes0.info, fromText0.info) << what;
    ASSERT_EQ(fromBytes0.rates, fromText0.rates) << what;
    ASSERT_EQ(fromBytes0.rooms.size(), fromText0.rooms.size()) << what;
    for (qsizetype r = 0; r < fromBytes0.rooms.size(); ++r) {
        ASSERT_EQ(fromBytes0.rooms[r].room, fromText0.rooms[r].room) << what << " room " << r;
        ASSERT_EQ(fromBytes0.rooms[r].items, fromText0.rooms[r].items) << what << " room " << r;
    }
    const ProjectLoadResult fromBytes = ReadProjectBytes(bytes);
    const ProjectLoadResult fromText = ReadProjectText(text);
    ASSERT_EQ(fromBytes.status, fromText.status) << what;
    ASSERT_EQ(fromBytes.errorText, fromText.errorText) << what;
    ASSERT_EQ(fromBytes.noticeText, fromText.noticeText) << what;
    ASSERT_EQ(fromBytes.document, fromText.document) << what;
}

void expectSameWriting(const ProjectInfo &info, const RateSettings &rates, const QList<EstimateRow> &rows,
                       const std::string &what)
{
    ASSERT_EQ(ComposeProjectFile(info, rates, PageSettings(), rows),
              ProjectFileEncoding::encode(ComposeProjectText(info, rates, PageSettings(), rows)))
        << what;
}

TEST(ProjectFileForms, SamplesAndTheirDamagedCopiesReadAlike)
{
    const QList<QByteArray> files = sampleFiles();
    ASSERT_GE(files.size(), 4);
    std::mt19937 rng(7);
    for (qsizetype f = 0; f < files.size(); ++f) {
        expectSameReading(files[f], "sample " + std::to_string(f));
        for (int copy = 0; copy < 200; ++copy)
            expectSameReading(damaged(rng, files[f]), "sample " + std::to_string(f) + " copy " + std::to_string(copy));
    }
}

TEST(ProjectFileForms, GeneratedTextsReadAlike)
{
    std::mt19937 rng(11);
    for (int round = 0; round < 3000; ++round) {
        // Decoding skips a byte-order mark, and QString::fromUtf8 a second one.
        const QByteArray bytes = QByteArray("\xEF\xBB\xBF").repeated(round % 3) + randomSoup(rng, 1 + round % 200);
        expectSameReading(bytes, bytes.toHex().toStdString());
    }
}

// The record budget is told by the length of the decoded text: a file of
// many short records is refused or read by that length, not by its byte count.
TEST(ProjectFileForms, RecordBudgetCountsDecodedCharacters)
{
    const QByteArray records = QByteArray("<mt").repeated(70000); // 4,480,000 characters of weight
    struct Case {
        const char *filler;
        qsizetype repeats;
    };
    const Case cases[] = {
        {"中", 4270000},     {"中", 4269999},         // three bytes, one character
        {"\r\n", 4270000},   {"\r\n", 4269999},       // two bytes, one character
        {"\xF0\x9F\x8C\xB3", 2135000}, {"\xF0\x9F\x8C\xB3", 2134999}, // four bytes, two characters
        {"\xE4", 4270000},   {"\xE4", 4269999},       // an invalid byte is one character
        {"\xE4\xB8", 4270000}, {"\xE4\xB8", 4269999}, // a cut sequence too
    };
    for (const Case &c : cases) {
        const QByteArray bytes = records + QByteArray(c.filler).repeated(c.repeats);
        expectSameReading(bytes, std::string(c.filler) + " x" + std::to_string(c.repeats));
    }
    EXPECT_EQ(ReadProjectBytes(records + QByteArray("中").repeated(4270000)).status, ProjectLoadStatus::Loaded);
    EXPECT_EQ(ReadProjectBytes(records + QByteArray("中").repeated(4269999)).status, ProjectLoadStatus::Failed);
}

TEST(ProjectFileForms, WrittenBytesAreTheEncodedText)
{
    const ProjectSample sample = goldenSample();
    expectSameWriting(sample.info, sample.rates, sample.rows, "golden sample");
    for (const QByteArray &file : sampleFiles()) {
        const ProjectDocument doc = ParseProjectBytes(file);
        RateSettings rates;
        if (doc.rates)
            doc.rates->applyTo(rates);
        expectSameWriting(doc.info, rates, doc.rows(), "sample");
    }
    // Texts of every kind: line ends inside values, lone and paired surrogates, quotes.
    const QString texts[] = {QStringLiteral("a\nb"), QStringLiteral("\r\n"), QString(QChar(0xD800)),
                             QString(QChar(0xDC00)) + u'x', QStringLiteral("🌳\n"), QStringLiteral("花 园\""),
                             QString(QChar(0xD83C)) + u'\n', QString()};
    for (const QString &t : texts) {
        ProjectSample s = goldenSample();
        s.info.name = t;
        s.info.address = t + t;
        s.rates.profitEnabled = true;
        s.rates.mainProfit = t;
        for (EstimateRow &row : s.rows) {
            row.room.name = t;
            row.item.itemName = t;
            row.item.brand.unit = t;
            for (MtLine &m : row.item.brand.materials)
                m.desc = t;
        }
        expectSameWriting(s.info, s.rates, s.rows, t.toStdString());
    }
}

} // namespace

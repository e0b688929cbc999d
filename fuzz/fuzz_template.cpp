// Template files from arbitrary bytes: the text layer, both item readers, the
// permission check, the writer, the library tree and the search must all
// finish without a fault on any input.
#include "estimate/filetextrule.h"
#include "library/librarysearch.h"
#include "library/librarytree.h"
#include "library/quotalibrary.h"
#include "library/templateparser.h"
#include "library/templatetext.h"
#include "library/templatewriter.h"

#include <cstddef>
#include <cstdint>

namespace {

QStringList textsOf(const QList<QuotaItem> &items)
{
    QStringList texts;
    for (const QuotaItem &i : items) {
        texts << i.categoryName << i.categoryKind << i.itemName << i.itemDesc << i.brand.unit;
        for (const QList<MtLine> *lines : {&i.brand.materials, &i.brand.machines}) {
            for (const MtLine &l : *lines)
                texts << l.id << l.name << l.classify << l.code << l.unit << l.desc;
        }
        for (const AmountRule &r : i.rules)
            texts << r.RoomName;
    }
    return texts;
}

bool allAccepted(const QStringList &texts)
{
    for (const QString &t : texts) {
        if (!FileTextRule::refusal(t).isEmpty())
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QString text = TemplateText::decode(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    text.replace(u'\'', u'"');
    if (!QuotaLibrary::withinRecordBudget(text))
        return 0;
    QList<QuotaItem> items = TemplateParser::readItems(text);
    QuotaLibrary::clearNonFiniteNumbers(items);
    TemplateParser::readItemsOnly(text);
    TemplateParser::userMayEdit(text, QStringLiteral("ann"));
    const QString written = TemplateWriter::text(items, QStringLiteral("ann"));
    // Once written, a template whose texts the rule accepts reads back as the
    // same items with the same texts, and writing it again changes nothing.
    const QList<QuotaItem> back = TemplateParser::readItems(written);
    if (TemplateWriter::refusal(items, QString()).isEmpty() && allAccepted(textsOf(items))) {
        const QList<QuotaItem> again =
            TemplateParser::readItems(TemplateWriter::text(back, QStringLiteral("ann")));
        if (back.size() != items.size() || textsOf(again) != textsOf(back))
            __builtin_trap();
    }
    LibraryTree tree;
    tree.fill(items);
    LibrarySearch::search(items, LibrarySearch::searchText(text.left(6)));
    return 0;
}

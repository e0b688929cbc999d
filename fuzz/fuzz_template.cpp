// Template files from arbitrary bytes: the text layer, both item readers, the
// permission check, the writer, the library tree and the search must all
// finish without a fault on any input.
#include "library/librarysearch.h"
#include "library/librarytree.h"
#include "library/templateparser.h"
#include "library/templatetext.h"
#include "library/templatewriter.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QString text = TemplateText::decode(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    text.replace(u'\'', u'"');
    QList<QuotaItem> items = TemplateParser::readItems(text);
    TemplateParser::readItemsOnly(text);
    TemplateParser::userMayEdit(text, QStringLiteral("ann"));
    const QString written = TemplateWriter::text(items, QStringLiteral("ann"));
    TemplateParser::readItems(written);
    LibraryTree tree;
    tree.fill(items);
    LibrarySearch::search(items, LibrarySearch::searchText(text.left(6)));
    return 0;
}

#include "librarysearch.h"

#include "librarytree.h"

QString LibrarySearch::searchText(const QString &boxText)
{
    return boxText.trimmed();
}

bool LibrarySearch::matches(QStringView searchText, QStringView name)
{
    QString wanted = searchText.toString();
    wanted.remove(u'*').remove(u'?').remove(u' ');
    qsizetype from = 0;
    qsizetype found = 0;
    // The characters are looked for in order; a missing one is skipped and the
    // next is looked for from the same place.
    for (const QChar ch : std::as_const(wanted)) {
        const qsizetype at = name.indexOf(ch, from);
        if (at < 0)
            continue;
        from = at;
        ++found;
    }
    return found == wanted.size() || found >= MatchingCharacters;
}

QList<LibrarySearch::Hit> LibrarySearch::search(const QList<QuotaItem> &items, const QString &searchText)
{
    QList<Hit> hits;
    for (const QuotaItem &item : items) {
        if (matches(searchText, item.itemName))
            hits.append(Hit{item.treeNode, LibraryTree::itemText(item.itemName)});
    }
    if (hits.isEmpty())
        hits.append(Hit{0, noResultText()});
    return hits;
}

QString LibrarySearch::noResultText()
{
    return QStringLiteral("无搜索结果...");
}

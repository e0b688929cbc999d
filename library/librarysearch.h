#pragma once

#include "quotaitem.h"

#include <QList>
#include <QString>
#include <QStringView>

// The search box of the library browser: which items a search text lists.
class LibrarySearch
{
public:
    // One node of the result tree and the library node it stands for.
    struct Hit {
        int libraryNode = 0;
        QString text;

        bool operator==(const Hit &) const = default;
    };

    static constexpr int MatchingCharacters = 4;

    // The search box text as the search uses it: trimmed at both ends. Empty
    // means the library tree is shown instead of the results.
    static QString searchText(const QString &boxText);
    // Whether an item name matches a (trimmed) search text.
    static bool matches(QStringView searchText, QStringView name);
    // The result tree for a non-empty search text: matching items in list
    // order, placeholders included, or the single "无搜索结果..." node.
    static QList<Hit> search(const QList<QuotaItem> &items, const QString &searchText);
    static QString noResultText();
};

#include "projectfileintegrity.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

// Opening and closing tags that a whole file has equally often.
constexpr std::array<std::pair<const char *, const char *>, 6> Blocks{{
    {"<head>", "</head>"},
    {"<Item>", "</Item>"},
    {"<page>", "</page>"},
    {"<room", "</room>"},
    {"<construction", "</construction>"},
    {"<brand", "</brand>"},
}};

bool endsWithRootClose(QByteArrayView bytes)
{
    qsizetype end = bytes.size();
    while (end > 0 && QByteArrayView(" \t\r\n").contains(bytes.at(end - 1)))
        --end;
    return bytes.first(end).endsWith(QByteArrayView("</root>"));
}

} // namespace

bool ProjectFileIntegrity::isComplete(QByteArrayView bytes)
{
    if (!endsWithRootClose(bytes))
        return false;
    // Every tag starts with '<' and holds no other, so no two occurrences overlap
    // and one pass over the '<' counts them all: +1 for an opening, -1 for a closing.
    std::array<qsizetype, Blocks.size()> balance{};
    for (qsizetype at = bytes.indexOf('<'); at >= 0; at = bytes.indexOf('<', at + 1)) {
        const QByteArrayView rest = bytes.sliced(at);
        for (std::size_t b = 0; b < Blocks.size(); ++b) {
            if (rest.startsWith(Blocks[b].first))
                ++balance[b];
            else if (rest.startsWith(Blocks[b].second))
                --balance[b];
        }
    }
    return std::all_of(balance.begin(), balance.end(), [](qsizetype n) { return n == 0; });
}

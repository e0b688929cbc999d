#include "projectfileintegrity.h"

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

qsizetype countOf(QByteArrayView bytes, QByteArrayView tag)
{
    qsizetype count = 0;
    for (qsizetype at = bytes.indexOf(tag); at >= 0; at = bytes.indexOf(tag, at + tag.size()))
        ++count;
    return count;
}

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
    for (const auto &[open, close] : Blocks) {
        if (countOf(bytes, open) != countOf(bytes, close))
            return false;
    }
    return true;
}

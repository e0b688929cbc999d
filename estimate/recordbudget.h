#pragma once

#include <QString>
#include <QStringView>

#include <initializer_list>
#include <utility>

// Hostile files can be tiny per record: 60 MiB of "<mt/>" would become twelve
// million lines of several hundred bytes each. A file that the writers made
// spends far more characters on every record than its weight here, so a text
// whose records would weigh more than the text itself (or than a few
// megabytes, for small hand-written files) is refused before any
// record is built, which keeps reading within about twenty times the file's size.
class RecordBudget
{
public:
    // Each tag is counted in the text and weighs that many characters.
    using Weights = std::initializer_list<std::pair<QStringView, qsizetype>>;

    static bool fits(QStringView text, Weights weights);

    // The same for records already weighed, of a text of that many characters.
    static bool fits(qsizetype textSize, qsizetype spent);

    // What the user is told about such a file.
    static QString refusalText() { return QStringLiteral("文件过大或已损坏"); }
};

#pragma once

#include <QString>
#include <QStringView>

#include <initializer_list>
#include <utility>

// Which texts the project and template files can carry. Their readers find
// values by plain substring search and nothing is escaped, so a text holding
// a quote, an angle bracket or an attribute name the readers look for would
// come back cut, shifted or as another field's value. Such texts are refused
// where they enter: typed in a window or read from a spreadsheet.
class FileTextRule
{
public:
    enum class Kind {
        Attribute, // a value between double quotes: names, units, descriptions, line texts
        HeadField, // a project head value, which ends at the next "<"
    };

    // Empty when the text reads back as it is; otherwise why it is refused, one line.
    static QString refusal(QStringView text, Kind kind = Kind::Attribute);
    // The first of the `texts` refused, as "label：reason"; empty when none is.
    static QString firstRefusal(std::initializer_list<std::pair<QString, QStringView>> texts);
};

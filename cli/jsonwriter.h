#pragma once

#include <QString>

#include <initializer_list>
#include <string>
#include <utility>

// Builds JSON text piece by piece. Floats are written as the shortest text that
// reads back to the same float (nlohmann would print 17 digits of the double),
// so numbers are formatted here and only strings go through nlohmann.
class JsonWriter
{
public:
    using Member = std::pair<const char *, std::string>;

    static std::string text(const QString &value);
    // JSON has no infinity or NaN; such a value is written as null.
    static std::string number(float value);
    static std::string boolean(bool value);
    static std::string object(std::initializer_list<Member> members);

    template <typename List, typename Write> static std::string array(const List &list, Write write)
    {
        std::string out = "[";
        for (const auto &element : list) {
            if (out.size() > 1)
                out += ',';
            out += write(element);
        }
        return out + ']';
    }
};

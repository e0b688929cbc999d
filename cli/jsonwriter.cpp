#include "jsonwriter.h"

#include "estimate/numbertext.h"

#include <nlohmann/json.hpp>

#include <cmath>

std::string JsonWriter::text(const QString &value)
{
    return nlohmann::json(value.toStdString()).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

std::string JsonWriter::number(float value)
{
    return std::isfinite(value) ? NumberText::shortest(value).toStdString() : std::string("null");
}

std::string JsonWriter::boolean(bool value)
{
    return value ? "true" : "false";
}

std::string JsonWriter::object(std::initializer_list<Member> members)
{
    std::string out = "{";
    for (const Member &m : members) {
        if (out.size() > 1)
            out += ',';
        out += '"';
        out += m.first;
        out += "\":";
        out += m.second;
    }
    return out + '}';
}

#include "filetextrule.h"

#include <array>

namespace {

// Every name the readers search, with its "=". Keys found inside longer ones
// ("Area=" in "LaterArea=") are listed once. "brand" ends a template item's
// quantity rules wherever it stands.
constexpr std::array<const char16_t *, 33> ReadKeys{u"id=",
                                                    u"name=",
                                                    u"kind=",
                                                    u"desc=",
                                                    u"user=",
                                                    u"bDefault=",
                                                    u"RoomName=",
                                                    u"Area=",
                                                    u"perimeter=",
                                                    u"length=",
                                                    u"width=",
                                                    u"height=",
                                                    u"DoorCount=",
                                                    u"constant=",
                                                    u"unit=",
                                                    u"num=",
                                                    u"loss=",
                                                    u"material=",
                                                    u"materialprofit=",
                                                    u"machine=",
                                                    u"machineprofit=",
                                                    u"laborcost=",
                                                    u"laborprofit=",
                                                    u"management=",
                                                    u"managementprofit=",
                                                    u"classify=",
                                                    u"code=",
                                                    u"price=",
                                                    u"long=",
                                                    u"checkType=",
                                                    u"Name=",
                                                    u"tax=",
                                                    u"brand"};
// "Name=" covers doorName= and windowName=; the rate keys differ from these only in case.
constexpr std::array<const char16_t *, 3> RateKeys{u"Profit=", u"Loss=", u"Tax="};

} // namespace

QString FileTextRule::refusal(QStringView text, Kind kind)
{
    if (kind == Kind::HeadField)
        return text.contains(u'<') ? QStringLiteral("不能含有“<”") : QString();
    for (const QChar c : {u'"', u'\'', u'<', u'>'}) {
        if (text.contains(c))
            return QStringLiteral("不能含有引号或尖括号（\" ' < >）");
    }
    for (const char16_t *key : ReadKeys) {
        if (text.contains(QStringView(key)))
            return QStringLiteral("不能含有“%1”（文件读回时会读错）").arg(QStringView(key));
    }
    for (const char16_t *key : RateKeys) {
        if (text.contains(QStringView(key)))
            return QStringLiteral("不能含有“%1”（文件读回时会读错）").arg(QStringView(key));
    }
    return QString();
}

QString FileTextRule::firstRefusal(std::initializer_list<std::pair<QString, QStringView>> texts)
{
    for (const auto &[label, text] : texts) {
        const QString why = refusal(text);
        if (!why.isEmpty())
            return label + QStringLiteral("：") + why;
    }
    return QString();
}

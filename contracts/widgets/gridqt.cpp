#include "gridqt.h"

#include "contracts/gridalignment.h"

#include <QStringList>

namespace GridQt {

QColor colour(quint32 value)
{
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

Qt::Alignment alignment(int code)
{
    using namespace GridAlignment;
    Qt::Alignment result;
    switch (horizontal(code)) {
    case Horizontal::Left: result = Qt::AlignLeft; break;
    case Horizontal::Centre: result = Qt::AlignHCenter; break;
    case Horizontal::Right: result = Qt::AlignRight; break;
    }
    switch (vertical(code)) {
    case Vertical::Top: return result | Qt::AlignTop;
    case Vertical::Middle: return result | Qt::AlignVCenter;
    case Vertical::Bottom: return result | Qt::AlignBottom;
    }
    return result | Qt::AlignVCenter;
}

QFont font(const GridFont &font)
{
    QFont result;
    QStringList families;
    if (!font.name.isEmpty())
        families << font.name;
    families << QStringLiteral("Microsoft YaHei") << QStringLiteral("Noto Sans CJK SC")
             << QStringLiteral("WenQuanYi Micro Hei") << QStringLiteral("sans-serif");
    result.setFamilies(families);
    if (font.size > 0)
        result.setPointSize(font.size);
    result.setBold(font.bold);
    return result;
}

} // namespace GridQt

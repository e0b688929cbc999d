#include "companionrule.h"

QString CompanionRule::companionFor(const QString &itemName)
{
    if (itemName == QStringLiteral("铺设复合地板") || itemName == QStringLiteral("铺设实木复合地板"))
        return QStringLiteral("复合地板直接铺设找平层");
    if (itemName.contains(QStringLiteral("地面铺设地砖")) || itemName.contains(QStringLiteral("地面斜铺设地砖"))
        || itemName.contains(QStringLiteral("墙面铺贴墙砖"))) {
        return itemName.contains(QStringLiteral("地面")) ? QStringLiteral("地砖填缝剂") : QStringLiteral("墙砖填缝剂");
    }
    return {};
}

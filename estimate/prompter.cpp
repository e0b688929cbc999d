#include "prompter.h"

QString Prompter::messageText(int message)
{
    switch (message) {
    case AskDeleteRow: return QStringLiteral("是否删除该项？");
    case NeedTwoRooms: return QStringLiteral("请新建至少两个房间");
    case NeedRoomFirst: return QStringLiteral("请先新建项目");
    case NoTemplateRights: return QStringLiteral("你没有权限操作此模板");
    default: return {};
    }
}

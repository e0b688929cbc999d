#include "prompter.h"

QString Prompter::messageText(int message)
{
    switch (message) {
    case AskSaveChanges:
        return QStringLiteral("项目已更改，是否保存？");
    case AskDeleteRow:
        return QStringLiteral("是否删除该项？");
    case NeedTwoRooms:
        return QStringLiteral("请新建至少两个房间");
    case NeedRoomFirst:
        return QStringLiteral("请先新建项目");
    case AskOverwriteName:
        return QStringLiteral("项目名称已存在，是否覆盖？");
    case NoTemplateRights:
        return QStringLiteral("你没有权限操作此模板");
    case ExportFailed:
        return QStringLiteral("导出失败");
    case AskRecover:
        return QStringLiteral("发现上次未正常关闭时自动保存的工程，是否恢复？");
    default:
        return {};
    }
}

int Prompter::defaultAnswer(int message)
{
    return message == AskDeleteRow || message == AskOverwriteName ? Cancel : Yes;
}

#pragma once

#include <QString>

#include <optional>

// The questions the estimate operations put to the user. The desktop shows them as
// the prompt dialog and the room-name dialog; tests answer them directly.
class Prompter
{
public:
    // Answers of a prompt: 1 for 确定/是, 7 for 否, 2 for 取消 or a closed dialog.
    static constexpr int Yes = 1;
    static constexpr int No = 7;
    static constexpr int Cancel = 2;

    // Message numbers of the prompt dialog.
    static constexpr int AskSaveChanges = 2;     // "项目已更改，是否保存？"
    static constexpr int AskDeleteRow = 3;       // "是否删除该项？"
    static constexpr int NeedTwoRooms = 6;       // "请新建至少两个房间"
    static constexpr int NeedRoomFirst = 7;      // "请先新建项目"
    static constexpr int AskOverwriteName = 9;   // "项目名称已存在，是否覆盖？"
    static constexpr int NoTemplateRights = 10;  // "你没有权限操作此模板"
    static constexpr int ExportFailed = 21;      // "导出失败"
    static constexpr int AskRecover = 22;       // "发现上次未正常关闭时自动保存的工程，是否恢复？"

    virtual ~Prompter() = default;

    // A question with buttons chosen by style; returns Yes, No or Cancel.
    virtual int ask(int message, int style) = 0;
    // A notice with one button.
    virtual void notify(int message, int style) = 0;
    // The room-name dialog: the text as typed, or nothing when the user skips.
    virtual std::optional<QString> promptRoomName(const QString &defaultName) = 0;

    // The text shown for a message number; empty for 0 and unknown numbers.
    static QString messageText(int message);
    // The answer Enter gives: 确定, except where 确定 would delete or overwrite something.
    static int defaultAnswer(int message);
};

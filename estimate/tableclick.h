#pragma once

#include <QList>

// What a click on the budget table asks the desktop to do; the menus are the desktop's.
struct TableClick {
    enum class Action {
        None,           // ignored click
        RoomCreated,    // the add-room row was clicked (a room may have been created)
        Highlighted,    // a cell was highlighted, no menu
        MoveMenu,       // "  移动至": one entry per group, groupStarts / clickedGroup filled
        ItemMenu,       // "  添加到其它房间" and "  保存到工程类项目"
        OperationMenu,  // "编辑" / "删除" for `row`
    };
    Action action = Action::None;
    int row = -1;
    int column = -1;
    // Move menu: first index of each group of the room, then the index after its last item.
    QList<int> groupStarts;
    // Move menu: position (0-based) of the group of the clicked row, the checked entry.
    int checkedGroup = -1;
};

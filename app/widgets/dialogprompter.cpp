#include "dialogprompter.h"

#include "csetroom.h"
#include "ctipsdlg.h"

int DialogPrompter::ask(int message, int style)
{
    CTipsDlg dialog(QString(), QString(), message, style, m_owner);
    dialog.exec();
    return dialog.answer() == 0 ? Prompter::Cancel : dialog.answer();
}

void DialogPrompter::notify(int message, int style)
{
    ask(message, style);
}

std::optional<QString> DialogPrompter::promptRoomName(const QString &defaultName)
{
    CSetRoom dialog(defaultName, m_owner);
    dialog.exec();
    return dialog.roomName();
}

#include "prompterrelay.h"

int PrompterRelay::ask(int message, int style)
{
    return m_target ? m_target->ask(message, style) : Prompter::Cancel;
}

void PrompterRelay::notify(int message, int style)
{
    if (m_target)
        m_target->notify(message, style);
}

std::optional<QString> PrompterRelay::promptRoomName(const QString &defaultName)
{
    return m_target ? m_target->promptRoomName(defaultName) : std::nullopt;
}

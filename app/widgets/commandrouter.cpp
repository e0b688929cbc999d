#include "commandrouter.h"

bool CommandRouter::route(int id) const
{
    const auto it = m_handlers.constFind(id);
    if (it == m_handlers.constEnd())
        return false;
    (*it)();
    return true;
}

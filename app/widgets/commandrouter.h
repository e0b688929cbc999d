#pragma once

#include <QHash>

#include <functional>

// Toolbar and menu command ids to the handlers that do the work.
class CommandRouter
{
public:
    using Handler = std::function<void()>;

    void add(int id, Handler handler) { m_handlers.insert(id, std::move(handler)); }
    bool has(int id) const { return m_handlers.contains(id); }
    // False when no handler is known for id.
    bool route(int id) const;

private:
    QHash<int, Handler> m_handlers;
};

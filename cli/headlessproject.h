#pragma once

#include "app/appcontext.h"
#include "app/documentlifecycle.h"

#include <QTemporaryDir>
#include <QTextStream>

// An application context for one command: its data folder is a temporary one,
// so no settings file is read or written and room pictures vanish with it.
class HeadlessProject
{
public:
    // Commands that print no table skip filling the grids.
    enum class Tables { Filled, Skipped };

    explicit HeadlessProject(Tables tables = Tables::Filled);

    // The bill of quantities is filled with the budget table; the resource
    // lists are built from the estimate alone.
    static Tables tablesFor(int list) { return list == BillLists::BillOfQuantities ? Tables::Filled : Tables::Skipped; }

    // Reads a project; on failure one line goes to err and the answer is false.
    bool open(const QString &path, const char *command, QTextStream &err);

    AppContext &context() { return m_context; }
    DocumentLifecycle &lifecycle() { return m_lifecycle; }

private:
    QTemporaryDir m_documents;
    AppContext m_context;
    DocumentLifecycle m_lifecycle{m_context};
};

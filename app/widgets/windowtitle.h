#pragma once

#include <QObject>

struct DocumentState;
class QWidget;

// Keeps the main window's title on the current file and its modified mark. Changes
// come in bursts (a whole project read cell by cell), so refreshing is coalesced.
class WindowTitle : public QObject
{
    Q_OBJECT

public:
    WindowTitle(QWidget *window, const DocumentState &document);

    void refresh();
    // Refreshes once the current burst of changes is over.
    void refreshSoon();

private:
    QWidget *m_window;
    const DocumentState &m_document;
    bool m_pending = false;
};

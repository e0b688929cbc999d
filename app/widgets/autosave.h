#pragma once

#include "app/recoverystore.h"

#include <QObject>
#include <QTimer>

class AppContext;
class DocumentLifecycle;

// Writes a recovery copy of the modified project at a fixed interval (seconds
// from the settings file, 0 turns it off) and offers a copy that a crashed run
// left behind. A clean save, new, open or close removes the copy.
class Autosave : public QObject
{
    Q_OBJECT

public:
    static inline const QString Section = QStringLiteral("Autosave");
    static inline const QString IntervalKey = QStringLiteral("IntervalSeconds");
    static constexpr int DefaultIntervalSeconds = 60;

    Autosave(AppContext &context, DocumentLifecycle &lifecycle, QObject *parent = nullptr);

    int intervalSeconds() const { return m_intervalSeconds; }
    RecoveryStore &store() { return m_store; }
    // Writes the copy now when the project is modified; false when nothing was written.
    bool writeIfModified();
    // Asks about a copy left behind: 确定 opens it, 否 sets it aside, 取消 keeps it for the next start.
    // True when the project was recovered.
    bool offerRecovery();
    // The program ends cleanly.
    void finish();

private:
    AppContext &m_context;
    DocumentLifecycle &m_lifecycle;
    RecoveryStore m_store;
    QTimer m_timer;
    int m_intervalSeconds = DefaultIntervalSeconds;
};

#include "autosave.h"

#include "app/appcontext.h"
#include "app/documentlifecycle.h"
#include "app/profilefile.h"
#include "app/projectfilewriter.h"

Autosave::Autosave(AppContext &context, DocumentLifecycle &lifecycle, QObject *parent)
    : QObject(parent), m_context(context), m_lifecycle(lifecycle), m_store(context.folders().dataFolder())
{
    const ProfileFile profile(context.folders().settingsFile());
    m_intervalSeconds = profile.readInt(Section, IntervalKey, DefaultIntervalSeconds);
    // A second running instance leaves the copy to the one holding the lock.
    if (!m_store.acquire())
        return;
    EstimateDocument &document = context.estimateDocument();
    connect(&document, &EstimateDocument::savedStateReached, this, [this] { m_store.remove(); });
    connect(&document, &EstimateDocument::documentReplaced, this, [this] { m_store.remove(); });
    connect(&m_timer, &QTimer::timeout, this, &Autosave::writeIfModified);
    if (m_intervalSeconds > 0)
        m_timer.start(m_intervalSeconds * 1000);
}

bool Autosave::writeIfModified()
{
    if (!m_context.document().modified || !m_store.isOwner())
        return false;
    const QByteArray bytes = ComposeProjectFile(m_context.projectInfo(), m_context.settings().rates,
                                                m_context.settings().page, m_context.estimate().rows());
    return m_store.write(bytes, m_context.document().currentProjectPath);
}

bool Autosave::offerRecovery()
{
    const std::optional<RecoveryStore::Recovery> left = m_store.pending();
    if (!left)
        return false;
    const int answer = m_context.prompter().ask(Prompter::AskRecover, DocumentLifecycle::UnsavedChangesStyle);
    if (answer == Prompter::No) {
        m_store.setAside();
        return false;
    }
    if (answer != Prompter::Yes)
        return false;
    if (m_lifecycle.recoverProject(left->copyPath, left->originalPath).status !=
        DocumentLifecycle::OpenStatus::Opened)
        return false;
    // Opening took the copy away; the recovered edits are kept at once again.
    writeIfModified();
    return true;
}

void Autosave::finish()
{
    m_timer.stop();
    m_store.remove();
}

#pragma once

#include "app/widgets/ctipsdlg.h"

#include <QApplication>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <functional>
#include <utility>

// Answers the modal dialogs in the order a test expects them. A dialog that
// nobody expected is written down and closed, so a misplaced prompt fails the step.
class Prompts : public QObject
{
public:
    using Answer = std::function<void(QWidget *)>;

    Prompts()
    {
        connect(&m_timer, &QTimer::timeout, this, &Prompts::poll);
        m_timer.start(10);
    }

    void expect(Answer answer) { m_answers.push_back(std::move(answer)); }
    bool allAnswered() const { return m_answers.empty(); }
    QStringList takeUnexpected() { return std::exchange(m_unexpected, {}); }

    static QString describe(QWidget *modal)
    {
        if (auto *tips = qobject_cast<CTipsDlg *>(modal))
            return QStringLiteral("prompt: ") + tips->text();
        return QString::fromLatin1(modal->metaObject()->className()) + QStringLiteral(": ") +
               modal->windowTitle();
    }

private:
    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        // A dialog comes back to the top when one it opened closes: it was seen already.
        if (!modal || m_seen.contains(modal))
            return;
        m_seen.removeAll(nullptr);
        m_seen.append(modal);
        if (m_answers.empty()) {
            m_unexpected.append(describe(modal));
            QTimer::singleShot(0, modal, [modal] { modal->close(); });
            return;
        }
        // Answered from the event loop: an answer may open the next dialog.
        QTimer::singleShot(0, modal, [modal, answer = std::move(m_answers.front())] { answer(modal); });
        m_answers.pop_front();
    }

    QTimer m_timer;
    std::deque<Answer> m_answers;
    QList<QPointer<QWidget>> m_seen;
    QStringList m_unexpected;
};

#pragma once

#include "estimate/prompter.h"

#include <QList>
#include <QStringList>

// Answers the panes' questions from queues and records every notice.
class FakePrompter : public Prompter
{
public:
    QList<int> answers;
    QStringList roomNames;
    QList<int> notices;
    QList<int> questions;
    int roomPrompts = 0;

    int ask(int message, int) override
    {
        questions.append(message);
        return answers.isEmpty() ? Cancel : answers.takeFirst();
    }
    void notify(int message, int) override { notices.append(message); }
    std::optional<QString> promptRoomName(const QString &) override
    {
        ++roomPrompts;
        if (roomNames.isEmpty())
            return std::nullopt;
        return roomNames.takeFirst();
    }
};

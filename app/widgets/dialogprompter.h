#pragma once

#include "estimate/prompter.h"

class QWidget;

// The estimate's questions as the desktop shows them: the prompt dialog and the
// room-name dialog, modal over the owner.
class DialogPrompter : public Prompter
{
public:
    explicit DialogPrompter(QWidget *owner = nullptr) : m_owner(owner) {}

    void setOwner(QWidget *owner) { m_owner = owner; }

    int ask(int message, int style) override;
    void notify(int message, int style) override;
    std::optional<QString> promptRoomName(const QString &defaultName) override;

private:
    QWidget *m_owner;
};

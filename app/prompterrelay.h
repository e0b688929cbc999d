#pragma once

#include "estimate/prompter.h"

// The prompter the core holds for its whole life. The desktop plugs its dialogs
// in once its windows exist; until then (and in the command-line tool) every
// question is answered as if the user had closed the dialog.
class PrompterRelay : public Prompter
{
public:
    void setTarget(Prompter *target) { m_target = target; }
    Prompter *target() const { return m_target; }

    int ask(int message, int style) override;
    void notify(int message, int style) override;
    std::optional<QString> promptRoomName(const QString &defaultName) override;

private:
    Prompter *m_target = nullptr;
};

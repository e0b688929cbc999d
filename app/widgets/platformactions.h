#pragma once

#include "externalprograms.h"
#include "useraccount.h"

#include <QObject>

class AppContext;
class QWidget;

// The toolbar commands that reach outside the estimate: calculator, CAD viewer,
// web pages and the local sign-in.
class PlatformActions : public QObject
{
    Q_OBJECT

public:
    PlatformActions(AppContext &context, QWidget *window);

    UserAccount &account() { return m_account; }

    void startCalculator();
    void startCadViewer();
    void openLink(const QString &key);
    // Signs out when somebody is signed in, else asks for an account name.
    void signInOrOut();
    void setUser(const QString &name);

signals:
    void userChanged(const QString &name);

private:
    void notice(const QString &text) const;

    AppContext &m_context;
    QWidget *m_window;
    ExternalPrograms m_programs;
    UserAccount m_account;
};

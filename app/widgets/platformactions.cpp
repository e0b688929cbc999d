#include "platformactions.h"

#include "signindialog.h"

#include "app/appcontext.h"

#include <QMessageBox>

PlatformActions::PlatformActions(AppContext &context, QWidget *window)
    : QObject(window), m_context(context), m_window(window), m_programs(context.folders().settingsFile()),
      m_account(context.folders().settingsFile(), context.library())
{
}

void PlatformActions::notice(const QString &text) const
{
    QMessageBox::information(m_window, QStringLiteral("Sylvaro造价"), text);
}

void PlatformActions::startCalculator()
{
    if (!m_programs.startCalculator())
        notice(QStringLiteral("没有找到计算器程序，请安装 gnome-calculator、kcalc、galculator 或 xcalc。"));
}

void PlatformActions::startCadViewer()
{
    if (!m_programs.startCadViewer())
        notice(QStringLiteral("没有找到 CAD 看图程序，也没有设置它的下载网址。"));
}

void PlatformActions::openLink(const QString &key)
{
    if (!m_programs.openLink(key))
        notice(QStringLiteral("没有设置这个网址。"));
}

void PlatformActions::signInOrOut()
{
    if (!m_account.userName().isEmpty()) {
        setUser(QString());
        return;
    }
    SignInDialog dialog(QString(), m_window);
    if (dialog.exec() == QDialog::Accepted)
        setUser(dialog.userName());
}

void PlatformActions::setUser(const QString &name)
{
    const AppSettings &settings = m_context.settings();
    m_account.setUser(name, settings.currentTemplatePath, m_context.folders().mainLibraryFile());
    emit userChanged(m_account.userName());
}

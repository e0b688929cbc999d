#include "signindialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

SignInDialog::SignInDialog(const QString &currentName, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("All_Pop_up_Dlg"));
    setWindowTitle(QStringLiteral("登录"));
    m_name = new QLineEdit(currentName, this);
    m_name->setObjectName(QStringLiteral("LoginNameEdit"));
    m_name->setPlaceholderText(QStringLiteral("账户名"));

    auto *hint = new QLabel(QStringLiteral("登录后保存的模板只能由本账户编辑。"), this);
    hint->setWordWrap(true);
    m_signIn = new QPushButton(QStringLiteral("登录"), this);
    m_signIn->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("取消"), this);
    connect(m_signIn, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_name, &QLineEdit::textChanged, this,
            [this](const QString &text) { m_signIn->setEnabled(!text.trimmed().isEmpty()); });
    m_signIn->setEnabled(!currentName.trimmed().isEmpty());

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("账户名："), m_name);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancel);
    buttons->addWidget(m_signIn);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(hint);
    layout->addLayout(buttons);
    resize(360, 160);
}

QString SignInDialog::userName() const
{
    return m_name->text().trimmed();
}

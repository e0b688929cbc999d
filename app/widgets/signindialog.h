#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

// The local sign-in: the account name under which templates are locked and opened.
class SignInDialog : public QDialog
{
    Q_OBJECT

public:
    explicit SignInDialog(const QString &currentName, QWidget *parent);

    QString userName() const;
    QLineEdit *nameEdit() const { return m_name; }
    QPushButton *signInButton() const { return m_signIn; }

private:
    QLineEdit *m_name = nullptr;
    QPushButton *m_signIn = nullptr;
};

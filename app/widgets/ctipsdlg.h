#pragma once

#include <QDialog>
#include <QString>

#include "estimate/prompter.h"

class QLabel;
class QPushButton;

// The one confirmation and notice dialog: callers pick a message by number and a
// button arrangement by style, run it modally and read `answer`.
class CTipsDlg : public QDialog
{
    Q_OBJECT

public:
    static constexpr int OkId = 1;
    static constexpr int NoId = 7;
    static constexpr int CancelId = 2;
    static constexpr int Width = 415;
    static constexpr int Height = 230;

    // Message numbers the shell itself uses.
    static constexpr int AskSaveChanges = Prompter::AskSaveChanges;
    static constexpr int AskOverwriteName = Prompter::AskOverwriteName;

    CTipsDlg(const QString &title, const QString &secondText, int message, int style, QWidget *owner);

    int answer() const { return m_answer; }
    int message() const { return m_message; }
    int style() const { return m_style; }
    QString title() const { return m_title; }
    QPushButton *button(int id) const;
    QString text() const;
    // The second line under the message, empty when there is none.
    QString secondText() const;

    static QString messageText(int message);

public slots:
    void reject() override;

private:
    void createControls();
    void showSecondText(const QString &text);
    void placeButtons();
    void chooseDefaultButton();
    void centreOverOwner(QWidget *owner);
    void finish(int answer);

    QString m_title;
    int m_message;
    int m_style;
    int m_answer = 0;
    QPushButton *m_titleButton = nullptr;
    QLabel *m_text = nullptr;
    QLabel *m_secondText = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_no = nullptr;
    QPushButton *m_cancel = nullptr;
};

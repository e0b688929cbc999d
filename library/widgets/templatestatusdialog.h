#pragma once

#include <QDialog>
#include <QList>
#include <QStringList>

#include <functional>

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

// The status dialog of the template commands: a title, one or two lines of
// text and a row of buttons, or the import progress with its percentage. It
// runs modally; `chosen` names the button that closed it (-1 for the close box).
class TemplateStatusDialog : public QDialog
{
    Q_OBJECT

public:
    static constexpr int Width = 415;
    static constexpr int Height = 230;
    static constexpr int ProgressStart = 5;

    TemplateStatusDialog(const QString &title, const QStringList &lines, const QStringList &buttons,
                         QWidget *parent);

    // The notices and questions of the template commands.
    static QString importTitle() { return QStringLiteral("导入模板"); }
    static QString openedText() { return QStringLiteral("导入成功，模板已更新。"); }
    static QString savedText() { return QStringLiteral("模板已保存成功。"); }
    static QString notATemplateText() { return QStringLiteral("请导入正确的模板文件"); }
    static void notify(QWidget *parent, const QString &title, const QStringList &lines);
    // True when the user pressed "确定".
    static bool confirm(QWidget *parent, const QString &title, const QString &question);

    int chosen() const { return m_chosen; }
    QString title() const { return m_title; }
    QString text() const;
    QPushButton *button(const QString &text) const;

    // Progress mode: the bar starts at 5 and moves on every tick until
    // `finished` returns true, which closes the dialog as accepted.
    void startProgress(int tickMs, std::function<bool()> finished);
    QProgressBar *progressBar() const { return m_progress; }
    QLabel *percentLabel() const { return m_percent; }
    // One tick of the timer: closes when the work has finished, else moves the bar.
    void tick();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void addButtons(const QStringList &buttons);

    QString m_title;
    QList<QLabel *> m_lines;
    QList<QPushButton *> m_buttons;
    QProgressBar *m_progress = nullptr;
    QLabel *m_percent = nullptr;
    QTimer *m_timer = nullptr;
    std::function<bool()> m_finished;
    int m_chosen = -1;
};

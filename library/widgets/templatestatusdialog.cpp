#include "templatestatusdialog.h"

#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

namespace {

constexpr int ButtonWidth = 90;
constexpr int ButtonHeight = 30;
constexpr int ButtonGap = 20;
constexpr int ButtonY = 170;
constexpr int ProgressEnd = 100;
constexpr int SlowStepFrom = 90;

} // namespace

TemplateStatusDialog::TemplateStatusDialog(const QString &title, const QStringList &lines,
                                           const QStringList &buttons, QWidget *parent)
    : QDialog(parent), m_title(title)
{
    setObjectName(QStringLiteral("TempInformation"));
    setWindowTitle(title);
    setFixedSize(Width, Height);
    const int top = lines.size() > 1 ? 60 : 80;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        auto *label = new QLabel(lines.at(i), this);
        label->setObjectName(QStringLiteral("SaveDlgstatic_Center"));
        label->setAlignment(Qt::AlignCenter);
        label->setWordWrap(true);
        label->setGeometry(10, top + 35 * int(i), Width - 20, 30);
        m_lines.append(label);
    }
    addButtons(buttons);
}

void TemplateStatusDialog::addButtons(const QStringList &buttons)
{
    const int count = int(buttons.size());
    int x = (Width - count * ButtonWidth - (count - 1) * ButtonGap) / 2;
    for (int i = 0; i < count; ++i) {
        auto *button = new QPushButton(buttons.at(i), this);
        button->setGeometry(x, ButtonY, ButtonWidth, ButtonHeight);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, i] {
            m_chosen = i;
            done(i == 0 && m_progress == nullptr ? Accepted : Rejected);
        });
        m_buttons.append(button);
        x += ButtonWidth + ButtonGap;
    }
}

void TemplateStatusDialog::notify(QWidget *parent, const QString &title, const QStringList &lines)
{
    TemplateStatusDialog dialog(title, lines, {QStringLiteral("确定")}, parent);
    dialog.exec();
}

bool TemplateStatusDialog::confirm(QWidget *parent, const QString &title, const QString &question)
{
    TemplateStatusDialog dialog(title, {question}, {QStringLiteral("确定"), QStringLiteral("取消")}, parent);
    return dialog.exec() == Accepted && dialog.chosen() == 0;
}

QString TemplateStatusDialog::text() const
{
    QStringList texts;
    for (const QLabel *label : m_lines)
        texts.append(label->text());
    return texts.join(u'\n');
}

QPushButton *TemplateStatusDialog::button(const QString &text) const
{
    for (QPushButton *b : m_buttons) {
        if (b->text() == text)
            return b;
    }
    return nullptr;
}

void TemplateStatusDialog::startProgress(int tickMs, std::function<bool()> finished)
{
    m_finished = std::move(finished);
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("TempProgress"));
    m_progress->setGeometry(40, 120, Width - 120, 18);
    m_progress->setRange(0, ProgressEnd);
    m_progress->setValue(ProgressStart);
    m_progress->setTextVisible(false);
    m_percent = new QLabel(QStringLiteral("0%"), this);
    m_percent->setGeometry(Width - 75, 118, 45, 22);
    m_progress->show();
    m_percent->show();
    m_timer = new QTimer(this);
    m_timer->setInterval(tickMs);
    connect(m_timer, &QTimer::timeout, this, &TemplateStatusDialog::tick);
    m_timer->start();
}

void TemplateStatusDialog::tick()
{
    if (m_finished && m_finished()) {
        m_timer->stop();
        accept();
        return;
    }
    const int at = m_progress->value();
    m_percent->setText(QStringLiteral("%1%").arg(at));
    m_progress->setValue(std::min(ProgressEnd, at + (at > SlowStepFrom ? 1 : 5)));
}

void TemplateStatusDialog::keyPressEvent(QKeyEvent *event)
{
    // Enter closes a notice; at a question it takes the harmless answer, 取消, and never confirms.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        QPushButton *chosen = m_buttons.size() == 1 ? m_buttons.first() : button(QStringLiteral("取消"));
        if (chosen)
            chosen->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

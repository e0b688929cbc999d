#include "ctemp_information.h"

#include "ratepage.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

namespace {

int rateMode(RateKind kind)
{
    switch (kind) {
    case RateKind::Profit: return CTemp_Information::ProfitRate;
    case RateKind::Loss: return CTemp_Information::LossRate;
    case RateKind::Tax: return CTemp_Information::TaxRate;
    }
    return CTemp_Information::ProfitRate;
}

void centreOver(QDialog &dialog, QWidget *over)
{
    QWidget *main = over ? over->window() : nullptr;
    if (!main)
        return;
    const QPoint topLeft = main->mapToGlobal(QPoint(0, 0));
    dialog.move(topLeft.x() + (main->width() - dialog.width()) / 2,
                topLeft.y() + (main->height() - dialog.height()) / 2);
}

} // namespace

CTemp_Information::CTemp_Information(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TempInformation"));
    setWindowTitle(QStringLiteral("提示"));
    setFixedSize(Width, Height);
    createProgressControls();
}

CTemp_Information::CTemp_Information(RateKind kind, RateSettings &rates, QWidget *parent)
    : QDialog(parent), m_mode(rateMode(kind))
{
    setObjectName(QStringLiteral("TempInformation"));
    setFixedSize(Width, Height);
    m_ratePage = new RatePage(kind, rates, this);
    m_ratePage->setGeometry(rect());
    setWindowTitle(m_ratePage->logic().title());
    connect(m_ratePage, &RatePage::finished, this, &QDialog::accept);
}

CTemp_Information::CTemp_Information(const SuccessNotice &notice, QWidget *parent)
    : QDialog(parent), m_mode(Success)
{
    setObjectName(QStringLiteral("TempInformation"));
    setWindowTitle(notice.title.isEmpty() ? QStringLiteral("提示") : notice.title);
    setFixedSize(Width, Height);
    m_message = new QLabel(notice.text, this);
    m_message->setObjectName(QStringLiteral("SaveDlgstatic_Center"));
    m_message->setAlignment(Qt::AlignCenter);
    m_message->setGeometry(1, 94, Width - 2, 25);
    m_ok = new QPushButton(QStringLiteral("确定"), this);
    m_ok->setObjectName(QStringLiteral("TipsDlgOK"));
    m_ok->setGeometry((Width - 60) / 2, 168, 60, 22);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    centreOver(*this, parent);
}

QString CTemp_Information::messageText() const
{
    return m_message ? m_message->text() : QString();
}

void CTemp_Information::createProgressControls()
{
    m_message = new QLabel(QStringLiteral("正在读取项目，请稍候……"), this);
    m_message->setObjectName(QStringLiteral("SaveDlgstatic_Center"));
    m_message->setAlignment(Qt::AlignCenter);
    m_message->setGeometry(1, 80, Width - 2, 25);
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("TempProgress"));
    m_progress->setGeometry(40, 120, Width - 80, 18);
    m_progress->setRange(0, 100);
    m_timer = new QTimer(this);
    m_timer->setInterval(100);
    connect(m_timer, &QTimer::timeout, this, &CTemp_Information::advance);
}

void CTemp_Information::showProgress(QWidget *over)
{
    showProgress(over, QStringLiteral("提示"), QStringLiteral("正在读取项目，请稍候……"));
}

void CTemp_Information::showProgress(QWidget *over, const QString &title, const QString &text)
{
    if (!m_progress)
        return;
    setWindowTitle(title);
    m_message->setText(text);
    setProgress(0);
    centreOver(*this, over);
    show();
    raise();
    repaint();
    m_timer->start();
}

void CTemp_Information::setProgress(int percent)
{
    if (m_progress)
        m_progress->setValue(qBound(0, percent, 100));
}

void CTemp_Information::advance()
{
    // The reader gives no progress of its own; the bar keeps moving to show life.
    setProgress(m_progress->value() >= 95 ? 95 : m_progress->value() + 5);
}

void CTemp_Information::endProgress()
{
    if (m_timer)
        m_timer->stop();
    hide();
}

void CTemp_Information::reject()
{
    if (m_ratePage)
        m_ratePage->closeWithoutChange();
    QDialog::reject();
}

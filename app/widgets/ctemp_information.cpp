#include "ctemp_information.h"

#include "ratepage.h"

#include <QLabel>
#include <QProgressBar>
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
    if (!m_progress)
        return;
    setProgress(0);
    if (QWidget *main = over ? over->window() : nullptr) {
        const QPoint topLeft = main->mapToGlobal(QPoint(0, 0));
        move(topLeft.x() + (main->width() - Width) / 2, topLeft.y() + (main->height() - Height) / 2);
    }
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

#include "pacelightwindow.h"

#include <QGuiApplication>
#include <QProgressBar>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

PacelightWindow::PacelightWindow(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_bar(new QProgressBar(this)),
      m_timer(new QTimer(this))
{
    setObjectName(QStringLiteral("Pacelight"));
    setProperty("skin", QStringLiteral("Pacelight"));
    setWindowTitle(QStringLiteral("Pacelight"));
    // The bar fills the whole window.
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_bar);
    m_bar->setRange(PacelightTicker::Minimum, PacelightTicker::Maximum);
    m_bar->setValue(PacelightTicker::Minimum);
    m_bar->setTextVisible(false);
    resize(DefaultWidth, DefaultHeight);
    connect(m_timer, &QTimer::timeout, this, &PacelightWindow::advance);
    m_timer->start(PacelightTicker::IntervalMs);
}

int PacelightWindow::barValue() const
{
    return m_bar->value();
}

void PacelightWindow::advance()
{
    const PacelightTicker::Tick tick = m_ticker.tick();
    m_bar->setValue(tick.value);
    if (tick.quit) {
        m_timer->stop();
        emit expired();
    }
}

void PacelightWindow::placeAt(const QRect &screenRect)
{
    setGeometry(screenRect);
    show();
}

void PacelightWindow::showUnplaced()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center().x() - width() / 2, area.bottom() - area.height() / 4);
    }
    show();
}

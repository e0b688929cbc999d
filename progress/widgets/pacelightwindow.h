#pragma once

#include "progress/pacelightticker.h"

#include <QWidget>

class QProgressBar;
class QTimer;

// The progress strip: a borderless tool window that is nothing but a bar moving
// on its own clock, so it keeps moving while the main program is busy.
class PacelightWindow : public QWidget
{
    Q_OBJECT

public:
    // About 368 x 7 dialog units.
    static constexpr int DefaultWidth = 552;
    static constexpr int DefaultHeight = 12;

    explicit PacelightWindow(QWidget *parent = nullptr);

    int barValue() const;
    const PacelightTicker &ticker() const { return m_ticker; }

    // The strip's place on the screen, as the main program gives it.
    void placeAt(const QRect &screenRect);
    // Shows the strip low in the middle of the screen, for when nobody places it.
    void showUnplaced();

public slots:
    void advance();

signals:
    // The strip has run for its full minute.
    void expired();

private:
    QProgressBar *m_bar = nullptr;
    QTimer *m_timer = nullptr;
    PacelightTicker m_ticker;
};

#pragma once

#include "estimate/pricing.h"

#include <QDialog>

class QLabel;
class QProgressBar;
class QTimer;
class RatePage;

// The small status dialog, used in numbered modes: the progress mode while a
// project is read, and the three rate prompts (each a RatePage).
class CTemp_Information : public QDialog
{
    Q_OBJECT

public:
    enum Mode { Progress = 1, ProfitRate = 101, LossRate = 102, TaxRate = 103 };
    static constexpr int Width = 415;
    static constexpr int Height = 230;

    // The status window: created hidden in its progress mode.
    explicit CTemp_Information(QWidget *parent);
    // The rate prompt of one rate; rates change only on the second "确定".
    CTemp_Information(RateKind kind, RateSettings &rates, QWidget *parent);

    int mode() const { return m_mode; }
    RatePage *ratePage() const { return m_ratePage; }
    QProgressBar *progressBar() const { return m_progress; }

    // Shows the progress mode centred over `over` at 0 % and paints it at once.
    void showProgress(QWidget *over);
    void setProgress(int percent);
    // Hides the window and stops its animation.
    void endProgress();

public slots:
    void reject() override;

private:
    void createProgressControls();
    void advance();

    int m_mode = Progress;
    RatePage *m_ratePage = nullptr;
    QLabel *m_message = nullptr;
    QProgressBar *m_progress = nullptr;
    QTimer *m_timer = nullptr;
};

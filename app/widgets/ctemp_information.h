#pragma once

#include "estimate/pricing.h"

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;
class RatePage;

// The small status dialog, used in numbered modes: the progress mode while a
// project is read or a list exported, the notice that an export succeeded, and
// the three rate prompts (each a RatePage).
class CTemp_Information : public QDialog
{
    Q_OBJECT

public:
    enum Mode { Progress = 1, Success = 2, ProfitRate = 101, LossRate = 102, TaxRate = 103 };
    struct SuccessNotice {
        QString title;
        QString text;
    };
    static constexpr int Width = 415;
    static constexpr int Height = 230;

    // The status window: created hidden in its progress mode.
    explicit CTemp_Information(QWidget *parent);
    // The rate prompt of one rate; rates change only on the second "确定".
    CTemp_Information(RateKind kind, RateSettings &rates, QWidget *parent);
    // The success mode: a notice with one button, run modally.
    CTemp_Information(const SuccessNotice &notice, QWidget *parent);

    int mode() const { return m_mode; }
    RatePage *ratePage() const { return m_ratePage; }
    QProgressBar *progressBar() const { return m_progress; }
    QString messageText() const;
    QPushButton *okButton() const { return m_ok; }

    // Shows the progress mode centred over `over` at 0 % and paints it at once.
    void showProgress(QWidget *over);
    // The same with the title and text of another operation ("导出Excel", "正在导出中......").
    void showProgress(QWidget *over, const QString &title, const QString &text);
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
    QPushButton *m_ok = nullptr;
};

#pragma once

#include "estimate/ratedialoglogic.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

// The controls of the rate dialog. The core logic decides every text, place and
// visibility; this page shows its view and forwards presses.
class RatePage : public QWidget
{
    Q_OBJECT

public:
    RatePage(RateKind kind, RateSettings &rates, QWidget *parent);

    const RateDialogLogic &logic() const { return m_logic; }
    QLineEdit *edit() const { return m_edit; }
    QLineEdit *notice() const { return m_notice; }
    QLabel *label() const { return m_label; }
    QPushButton *okButton() const { return m_ok; }
    QPushButton *cancelButton() const { return m_cancel; }

    // Escape or the close box.
    void closeWithoutChange();

signals:
    void finished();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void pressOk();
    void pressCancel();
    void showView();
    void finishIfClosed();

    RateDialogLogic m_logic;
    RateSettings &m_rates;
    QLabel *m_title = nullptr;
    QLabel *m_label = nullptr;
    QLineEdit *m_edit = nullptr;
    QLineEdit *m_notice = nullptr;
    QPushButton *m_cancel = nullptr;
    QPushButton *m_ok = nullptr;
};

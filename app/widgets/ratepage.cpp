#include "ratepage.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr QSize ButtonSize(80, 28);

QPushButton *makeButton(QWidget *parent, const QString &text, int id)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(RateDialogLogic::skinElement(id));
    button->resize(ButtonSize);
    button->setAutoDefault(false);
    return button;
}

} // namespace

RatePage::RatePage(RateKind kind, RateSettings &rates, QWidget *parent)
    : QWidget(parent), m_logic(kind, rates), m_rates(rates)
{
    createControls();
    showView();
}

void RatePage::createControls()
{
    m_title = new QLabel(m_logic.title(), this);
    m_title->setObjectName(QStringLiteral("TempTitle"));
    m_title->setGeometry(10, 4, 200, 28);

    m_label = new QLabel(this);
    m_label->setObjectName(RateDialogLogic::skinElement(RateDialogLogic::LabelId));

    m_edit = new QLineEdit(this);
    m_edit->setObjectName(RateDialogLogic::skinElement(m_logic.editId()));
    m_notice = new QLineEdit(this);
    m_notice->setObjectName(RateDialogLogic::skinElement(RateDialogLogic::NoticeId));
    m_notice->setReadOnly(true);
    m_notice->installEventFilter(this);

    m_cancel = makeButton(this, QStringLiteral("取消"), RateDialogLogic::CancelId);
    m_ok = makeButton(this, QStringLiteral("确定"), RateDialogLogic::OkId);
    connect(m_ok, &QPushButton::clicked, this, &RatePage::pressOk);
    connect(m_cancel, &QPushButton::clicked, this, &RatePage::pressCancel);
}

void RatePage::pressOk()
{
    if (m_logic.step() != RateDialogLogic::Step::Confirm)
        m_logic.setEditText(m_edit->text());
    m_logic.pressOk(m_rates);
    showView();
    finishIfClosed();
}

void RatePage::pressCancel()
{
    m_logic.pressCancel();
    finishIfClosed();
}

void RatePage::closeWithoutChange()
{
    m_logic.close();
}

void RatePage::finishIfClosed()
{
    if (m_logic.step() == RateDialogLogic::Step::Closed)
        emit finished();
}

bool RatePage::eventFilter(QObject *watched, QEvent *event)
{
    // Clicking into the notice brings the edit back, emptied and focused.
    const bool entered = event->type() == QEvent::FocusIn || event->type() == QEvent::MouseButtonPress;
    if (watched == m_notice && entered && m_notice->isVisible()) {
        m_logic.focusNotice();
        showView();
    }
    return QWidget::eventFilter(watched, event);
}

void RatePage::showView()
{
    if (m_logic.step() == RateDialogLogic::Step::Closed)
        return;
    const RateDialogView view = m_logic.view();
    m_title->setText(view.title);
    m_label->setText(view.labelText);
    m_label->setGeometry(view.label);
    m_edit->setGeometry(view.edit);
    m_edit->setText(view.editText);
    m_edit->setVisible(view.editVisible);
    m_notice->setGeometry(view.notice);
    m_notice->setText(view.noticeText);
    m_notice->setVisible(view.noticeVisible);
    m_cancel->move(view.cancelButton);
    m_ok->move(view.okButton);
    QWidget *focus = view.focus == RateDialogLogic::OkId ? static_cast<QWidget *>(m_ok) : m_edit;
    focus->setFocus();
}

#include "ctipsdlg.h"

#include "estimate/prompter.h"

#include <QLabel>
#include <QPushButton>

namespace {

constexpr int ButtonWidth = 60;
constexpr int ButtonHeight = 22;

QPushButton *makeButton(QWidget *parent, const QString &text, const char *skin)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(skin));
    button->resize(ButtonWidth, ButtonHeight);
    button->setAutoDefault(false);
    return button;
}

} // namespace

CTipsDlg::CTipsDlg(const QString &title, const QString &secondText, int message, int style, QWidget *owner)
    : QDialog(owner), m_title(title), m_message(message), m_style(style)
{
    setObjectName(QStringLiteral("All_Pop_up_Dlg"));
    setWindowTitle(QStringLiteral("提示"));
    createControls();
    showSecondText(secondText);
    placeButtons();
    chooseDefaultButton();
    setFixedSize(Width, Height);
    if (m_message != 0)
        centreOverOwner(owner);
}

QString CTipsDlg::messageText(int message)
{
    return Prompter::messageText(message);
}

QPushButton *CTipsDlg::button(int id) const
{
    switch (id) {
    case OkId: return m_ok;
    case NoId: return m_no;
    case CancelId: return m_cancel;
    default: return nullptr;
    }
}

QString CTipsDlg::text() const
{
    return m_text->text();
}

void CTipsDlg::createControls()
{
    m_titleButton = new QPushButton(QStringLiteral("提示"), this);
    m_titleButton->setObjectName(QStringLiteral("TipsDlgTitle"));
    m_titleButton->setGeometry(1, 0, 130, 34);
    m_titleButton->setFlat(true);
    m_titleButton->setFocusPolicy(Qt::NoFocus);

    m_text = new QLabel(messageText(m_message), this);
    m_text->setObjectName(QStringLiteral("SaveDlgstatic_Center"));
    m_text->setAlignment(Qt::AlignCenter);
    // Kept inside the dialog so the centred text stays centred.
    m_text->setGeometry(1, 94, Width - 2, 25);

    m_ok = makeButton(this, m_style == 1 ? QStringLiteral("是") : QStringLiteral("确定"),
                      m_style == 1 ? "TipsDlgYes" : "TipsDlgOK");
    m_no = makeButton(this, QStringLiteral("否"), "TipsDlgNO");
    m_cancel = makeButton(this, QStringLiteral("取消"), "TipsDlgCancel");
    connect(m_ok, &QPushButton::clicked, this, [this] { finish(OkId); });
    connect(m_no, &QPushButton::clicked, this, [this] { finish(NoId); });
    connect(m_cancel, &QPushButton::clicked, this, [this] { finish(CancelId); });
}

QString CTipsDlg::secondText() const
{
    return m_secondText ? m_secondText->text() : QString();
}

void CTipsDlg::showSecondText(const QString &text)
{
    // The reason under a failure notice; the message itself stays one line.
    if (text.isEmpty())
        return;
    m_secondText = new QLabel(text, this);
    m_secondText->setObjectName(QStringLiteral("SaveDlgstatic_Center"));
    m_secondText->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_secondText->setWordWrap(true);
    m_secondText->setGeometry(20, 124, Width - 40, 40);
}

void CTipsDlg::placeButtons()
{
    m_no->setVisible(false);
    m_cancel->setVisible(false);
    if (m_style == 1) {
        m_ok->move(177, 168);
        return;
    }
    if (m_style == 7) {
        m_cancel->move(108, 168);
        m_ok->move(246, 168);
        m_cancel->setVisible(true);
        return;
    }
    // Style 0 and every unknown style ask all three questions.
    m_cancel->move(58, 168);
    m_no->move(176, 168);
    m_ok->move(294, 168);
    m_cancel->setVisible(true);
    m_no->setVisible(true);
}

void CTipsDlg::chooseDefaultButton()
{
    QPushButton *chosen = button(Prompter::defaultAnswer(m_message));
    if (!chosen || chosen->isHidden())
        chosen = m_ok;
    chosen->setDefault(true);
    chosen->setFocus();
}

void CTipsDlg::centreOverOwner(QWidget *owner)
{
    QWidget *main = owner ? owner->window() : nullptr;
    if (!main)
        return;
    const QPoint topLeft = main->mapToGlobal(QPoint(0, 0));
    move(topLeft.x() + (main->width() - Width) / 2, topLeft.y() + (main->height() - Height) / 2);
}

void CTipsDlg::finish(int answer)
{
    m_answer = answer;
    if (answer == OkId)
        accept();
    else
        QDialog::reject();
}

void CTipsDlg::reject()
{
    // Escape and the close box count as 取消.
    finish(CancelId);
}

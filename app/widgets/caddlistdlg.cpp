#include "caddlistdlg.h"

#include "app/projectform.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace {

constexpr int FieldX = 95;
constexpr int FieldTop = 20;
constexpr int FieldStep = 41;
constexpr int FieldWidth = 210;
constexpr int ButtonHeight = 30;
constexpr int EditHeight = 22;
constexpr int CaptionX = 8;
constexpr int CaptionGap = 6;

bool movesOn(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Tab || key == Qt::Key_Escape ||
           key == Qt::Key_Backtab;
}

} // namespace

CAddListDlg::CAddListDlg(ProjectForm &form, QWidget *parent) : QWidget(parent), m_form(form)
{
    setObjectName(QStringLiteral("Addlistdialog"));
    resize(FormWidth, FormHeight);
    for (int i = 0; i < ProjectForm::FieldCount; ++i)
        createField(i);
    m_next = new QPushButton(QStringLiteral("下一步"), this);
    m_next->setObjectName(QStringLiteral("AddDlgNext"));
    m_next->setGeometry(120, 444, 100, ButtonHeight);
    connect(m_next, &QPushButton::clicked, this, [this] {
        finishEdit();
        emit nextRequested();
    });
    showFieldTexts();
}

void CAddListDlg::createField(int index)
{
    const int y = FieldTop + FieldStep * index;
    auto *button = new QPushButton(this);
    button->setObjectName(QStringLiteral("AddListDlgBtn"));
    button->setGeometry(FieldX, y, FieldWidth, ButtonHeight);
    button->installEventFilter(this);
    connect(button, &QPushButton::clicked, this, [this, index] { startEdit(index); });
    // A filled button shows only its value: the caption beside it says which value it is.
    auto *caption = new QLabel(ProjectForm::label(index), this);
    caption->setObjectName(QStringLiteral("AddListDlgCaption"));
    caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    caption->setGeometry(CaptionX, y, FieldX - CaptionX - CaptionGap, ButtonHeight);
    m_captions[index] = caption;
    auto *edit = new QLineEdit(this);
    edit->setGeometry(FieldX, y + (ButtonHeight - EditHeight) / 2, FieldWidth, EditHeight);
    edit->hide();
    edit->installEventFilter(this);
    m_buttons[index] = button;
    m_edits[index] = edit;
}

void CAddListDlg::showFieldTexts()
{
    for (int i = 0; i < ProjectForm::FieldCount; ++i) {
        m_buttons[i]->setText(m_form.text(i));
        m_buttons[i]->setProperty("empty", m_form.isEmpty(i));
    }
}

void CAddListDlg::startEdit(int index)
{
    if (index < 0 || index >= ProjectForm::FieldCount)
        return;
    emit closeFloatingMenuRequested();
    finishEdit();
    m_editing = index;
    QLineEdit *edit = m_edits[index];
    m_buttons[index]->hide();
    edit->setText(m_form.editStartText(index));
    edit->show();
    edit->setCursorPosition(int(edit->text().size()));
    edit->setFocus();
}

void CAddListDlg::finishEdit()
{
    const int index = m_editing;
    if (index < 0)
        return;
    m_editing = -1;
    m_edits[index]->hide();
    // The old value stays; the user is told why the typed one was not taken.
    const QString refused = ProjectForm::refusal(index, m_edits[index]->text());
    if (!refused.isEmpty())
        QMessageBox::warning(this, QStringLiteral("项目信息"), refused);
    const bool changed = m_form.finishEdit(index, m_edits[index]->text());
    m_buttons[index]->setText(m_form.text(index));
    m_buttons[index]->setProperty("empty", m_form.isEmpty(index));
    m_buttons[index]->show();
    if (changed)
        emit fieldChanged(index);
}

int CAddListDlg::fieldOf(QObject *watched) const
{
    for (int i = 0; i < ProjectForm::FieldCount; ++i) {
        if (watched == m_buttons[i] || watched == m_edits[i])
            return i;
    }
    return -1;
}

void CAddListDlg::moveOn(int index)
{
    const int next = ProjectForm::nextField(index);
    if (next == ProjectForm::NoField) {
        finishEdit();
        emit nextRequested();
        return;
    }
    startEdit(next);
}

bool CAddListDlg::eventFilter(QObject *watched, QEvent *event)
{
    const int index = fieldOf(watched);
    if (index < 0)
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::FocusOut && index == m_editing && watched == m_edits[index]) {
        finishEdit();
        return false;
    }
    if (event->type() == QEvent::KeyPress && movesOn(static_cast<QKeyEvent *>(event)->key())) {
        moveOn(index);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

bool CAddListDlg::event(QEvent *event)
{
    // With the focus outside the fields these keys do nothing at all.
    if (event->type() == QEvent::KeyPress && movesOn(static_cast<QKeyEvent *>(event)->key()))
        return true;
    return QWidget::event(event);
}

void CAddListDlg::mousePressEvent(QMouseEvent *event)
{
    // A click on the background ends the edit, as leaving the box would.
    finishEdit();
    setFocus();
    QWidget::mousePressEvent(event);
}

#include "csetroom.h"

#include "estimate/budgettable.h"
#include "estimate/filetextrule.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

CSetRoom::CSetRoom(const QString &defaultName, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("RoomDialog"));
    setWindowTitle(QStringLiteral("房间名称"));
    setFixedSize(Width, Height);

    m_caption = new QLabel(QStringLiteral("请输入房间名称"), this);
    m_caption->setObjectName(QStringLiteral("RoomDlgCaption"));
    m_caption->setGeometry(50, 100, 460, 30);

    m_edit = new QLineEdit(defaultName, this);
    m_edit->setObjectName(QStringLiteral("RoomDlgEdit"));
    m_edit->setGeometry(50, 140, 460, 30);
    m_edit->selectAll();

    m_confirm = new QPushButton(QStringLiteral("确认"), this);
    m_confirm->setObjectName(QStringLiteral("RoomDefault_Sure"));
    m_confirm->setGeometry(439, 320, 80, 30);
    m_confirm->setDefault(true);
    m_skip = new QPushButton(QStringLiteral("跳过"), this);
    m_skip->setObjectName(QStringLiteral("RoomDefault_Cancel"));
    m_skip->setGeometry(318, 320, 80, 30);
    m_skip->setAutoDefault(false);

    connect(m_confirm, &QPushButton::clicked, this, &CSetRoom::confirm);
    connect(m_skip, &QPushButton::clicked, this, &QDialog::reject);
    m_edit->setFocus();
}

void CSetRoom::confirm()
{
    const QString name = BudgetTable::roomNameFromInput(m_edit->text());
    const QString refused = FileTextRule::refusal(name);
    if (!refused.isEmpty()) {
        m_caption->setText(QStringLiteral("房间名称") + refused);
        m_edit->setFocus();
        return;
    }
    m_name = name;
    accept();
}

#include "maintoolbar.h"

#include "commandids.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

namespace {

constexpr int ToolY = 30;
constexpr int ToolHeight = 56;
constexpr int HomeY = 51;

} // namespace

MainToolbar::MainToolbar(QWidget *window) : QObject(window), m_window(window)
{
    addFileButtons();
    addTemplateButtons();
    addToolButtons();
    addUndoButtons();
    addHomeButtons();
    showUser(QString());
}

QAbstractButton *MainToolbar::addButton(int id, const QString &text, const char *skin, const QString &tip,
                                        int x, int width)
{
    auto *button = new QToolButton(m_window);
    button->setObjectName(QString::fromLatin1(skin));
    button->setText(text);
    button->setToolTip(tip);
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setGeometry(x, ToolY, width, ToolHeight);
    // The places are fixed and close together: the caption needs the whole width.
    button->setStyleSheet(QStringLiteral("padding: 2px 0px;"));
    connect(button, &QToolButton::clicked, this, [this, id] { emit command(id); });
    m_buttons.insert(id, button);
    return button;
}

QAbstractButton *MainToolbar::addLinkButton(int id, const QString &text, const char *skin, const QString &tip,
                                            int width)
{
    auto *button = new QPushButton(text, m_window);
    button->setObjectName(QString::fromLatin1(skin));
    button->setToolTip(tip);
    button->setFlat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->resize(width, 26);
    connect(button, &QPushButton::clicked, this, [this, id] { emit command(id); });
    m_buttons.insert(id, button);
    return button;
}

void MainToolbar::addSeparator(int x)
{
    auto *line = new QFrame(m_window);
    line->setObjectName(QStringLiteral("Menu_SeparatorLine"));
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(x, 40, 2, 36);
}

void MainToolbar::addFileButtons()
{
    const QStyle *style = m_window->style();
    addButton(CommandId::NewProject, QStringLiteral("新建"), "NewFile", QStringLiteral("新建项目 (Ctrl+N)"),
              15, 38)
        ->setIcon(style->standardIcon(QStyle::SP_FileIcon));
    addButton(CommandId::OpenProject, QStringLiteral("打开"), "OpenFile", QStringLiteral("打开项目 (Ctrl+O)"),
              55, 38)
        ->setIcon(style->standardIcon(QStyle::SP_DialogOpenButton));
    addButton(CommandId::SaveProject, QStringLiteral("保存"), "Save", QStringLiteral("保存项目 (Ctrl+S)"), 95,
              38)
        ->setIcon(style->standardIcon(QStyle::SP_DialogSaveButton));
    QAbstractButton *print = addButton(CommandId::Print, QStringLiteral("打印"), "Print",
                                       QStringLiteral("打印清单 (Ctrl+P)"), 135, 38);
    print->setIcon(style->standardIcon(QStyle::SP_FileDialogContentsView));
    addSeparator(175);
}

void MainToolbar::addTemplateButtons()
{
    const QStyle *style = m_window->style();
    addButton(CommandId::OpenTemplate, QStringLiteral("打开模板"), "Open_Temp",
              QStringLiteral("打开定额模板"), 187, 62)
        ->setIcon(style->standardIcon(QStyle::SP_DirOpenIcon));
    addButton(CommandId::EditTemplate, QStringLiteral("编辑模板"), "Edit_Temp",
              QStringLiteral("编辑当前模板的项目"), 252, 62)
        ->setIcon(style->standardIcon(QStyle::SP_FileDialogDetailedView));
    addButton(CommandId::SaveTemplate, QStringLiteral("保存模板"), "Save_Temp",
              QStringLiteral("把预算中的项目保存到模板"), 319, 62)
        ->setIcon(style->standardIcon(QStyle::SP_DriveFDIcon));
    addButton(CommandId::ImportTemplate, QStringLiteral("导入模板"), "Import_Temp",
              QStringLiteral("从电子表格导入模板"), 386, 58)
        ->setIcon(style->standardIcon(QStyle::SP_ArrowDown));
    addSeparator(446);
}

void MainToolbar::addToolButtons()
{
    const QStyle *style = m_window->style();
    addButton(CommandId::Calculator, QStringLiteral("计算器"), "Calc", QStringLiteral("打开系统计算器"), 456,
              50)
        ->setIcon(style->standardIcon(QStyle::SP_ComputerIcon));
    addButton(CommandId::Cad, QStringLiteral("CAD"), "CAD", QStringLiteral("打开 CAD 看图程序"), 509, 56)
        ->setIcon(style->standardIcon(QStyle::SP_DesktopIcon));
    addSeparator(569);
}

// After the tools, clear of every button of the reference layout.
void MainToolbar::addUndoButtons()
{
    const QStyle *style = m_window->style();
    addButton(CommandId::Undo, QStringLiteral("撤销"), "Undo", QStringLiteral("撤销"), 579, 38)
        ->setIcon(style->standardIcon(QStyle::SP_ArrowBack));
    addButton(CommandId::Redo, QStringLiteral("重做"), "Redo", QStringLiteral("重做"), 619, 38)
        ->setIcon(style->standardIcon(QStyle::SP_ArrowForward));
    addSeparator(661);
    showUndoSteps(QStringLiteral("撤销"), false, QStringLiteral("重做"), false);
}

void MainToolbar::showUndoSteps(const QString &undoTip, bool canUndo, const QString &redoTip, bool canRedo)
{
    QAbstractButton *undo = m_buttons.value(CommandId::Undo);
    QAbstractButton *redo = m_buttons.value(CommandId::Redo);
    undo->setEnabled(canUndo);
    undo->setToolTip(undoTip + QStringLiteral(" (Ctrl+Z)"));
    redo->setEnabled(canRedo);
    redo->setToolTip(redoTip + QStringLiteral(" (Ctrl+Y)"));
}

void MainToolbar::addHomeButtons()
{
    addLinkButton(CommandId::Settings, QStringLiteral("设置"), "homedlgSet",
                  QStringLiteral("利润、税金、损耗、精度等设置"), 66);
    addLinkButton(CommandId::Feedback, QStringLiteral("反馈建议"), "HomeInfo", QStringLiteral("反馈建议"),
                  86);
    addLinkButton(CommandId::Contact, QStringLiteral("联系我们"), "HomeConnect", QStringLiteral("联系我们"),
                  86);
    addLinkButton(CommandId::MoreProducts, QStringLiteral("更多产品"), "HomeMore", QStringLiteral("更多产品"),
                  64);
    addLinkButton(CommandId::Link, QStringLiteral("链接"), "HomeLink", QStringLiteral("访问网站"), 60)
        ->resize(60, 22);
    addLinkButton(CommandId::SignIn, QStringLiteral("登录"), "HomeUnLogin", QStringLiteral("登录账户"), 48)
        ->resize(48, 22);

    auto *line = new QFrame(m_window);
    line->setObjectName(QStringLiteral("HomeDlgLine"));
    line->setFrameShape(QFrame::VLine);
    line->resize(2, 20);
    m_loginLine = line;

    m_accountName = new QLabel(m_window);
    m_accountName->setObjectName(QStringLiteral("loginname"));
    m_accountName->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_accountName->setFocusPolicy(Qt::ClickFocus);
    m_accountName->resize(160, 20);
}

void MainToolbar::placeForSize(int w, int h)
{
    m_buttons.value(CommandId::Settings)->move(w - 319, HomeY);
    m_buttons.value(CommandId::Feedback)->move(w - 248, HomeY);
    m_buttons.value(CommandId::Contact)->move(w - 158, HomeY);
    m_buttons.value(CommandId::MoreProducts)->move(w - 68, HomeY);
    m_buttons.value(CommandId::Link)->move(w - 120, h - 24);
    m_buttons.value(CommandId::SignIn)->move(w - 155, 6);
    m_loginLine->move(w - 105, 6);
    m_accountName->move(w - 191 - m_accountName->width(), 6);
}

void MainToolbar::showUser(const QString &userName)
{
    QAbstractButton *signIn = m_buttons.value(CommandId::SignIn);
    const bool signedIn = !userName.isEmpty();
    signIn->setObjectName(signedIn ? QStringLiteral("HomeLogin") : QStringLiteral("HomeUnLogin"));
    signIn->setText(signedIn ? QStringLiteral("退出") : QStringLiteral("登录"));
    signIn->setToolTip(signedIn ? QStringLiteral("退出登录") : QStringLiteral("登录账户"));
    m_accountName->setText(userName);
    m_accountName->setToolTip(signedIn ? QStringLiteral("当前账户：%1").arg(userName) : QString());
}

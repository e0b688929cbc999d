#include "csetpage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QToolButton>

namespace {

constexpr int ClientWidth = 562;
constexpr int ClientHeight = 461;
constexpr int EditWidth = 115;
constexpr int EditHeight = 33;
constexpr int UpDownWidth = 20;
constexpr int ButtonWidth = 100;
constexpr int ButtonHeight = 32;

} // namespace

CSetPage::CSetPage(PageSettings &settings, std::function<bool()> save, QWidget *parent)
    : QDialog(parent), m_settings(settings), m_save(std::move(save)), m_form(settings)
{
    setObjectName(QStringLiteral("SetPage"));
    setWindowTitle(QStringLiteral("设置页面"));
    setFixedSize(ClientWidth, ClientHeight);
    createControls();
    m_paper->setCurrentIndex(m_form.paperIndex());
    showOrientation(m_form.portrait());
    for (int i = 0; i < PageSetupForm::MarginCount; ++i)
        m_margins[std::size_t(i)]->setText(m_form.marginText(PageSetupForm::Margin(i)));
}

void CSetPage::addLabel(const QString &text, int x, int y, int width)
{
    auto *label = new QLabel(text, this);
    label->setGeometry(x, y, width, EditHeight);
}

void CSetPage::createControls()
{
    addLabel(QStringLiteral("纸张大小："), 30, 98, 70);
    m_paper = new QComboBox(this);
    m_paper->setObjectName(QStringLiteral("1242"));
    m_paper->addItems(PageSetupForm::paperSizes());
    m_paper->setGeometry(100, 98, EditWidth, EditHeight);

    addLabel(QStringLiteral("方向："), 30, 150, 70);
    m_portrait = new QCheckBox(this);
    m_portrait->setObjectName(QStringLiteral("1248"));
    m_portrait->setGeometry(50, 190, 15, 15);
    addLabel(QStringLiteral("纵向"), 70, 181, 50);
    m_landscape = new QCheckBox(this);
    m_landscape->setObjectName(QStringLiteral("1083"));
    m_landscape->setGeometry(150, 190, 15, 15);
    addLabel(QStringLiteral("横向"), 170, 181, 50);
    // A click checks the clicked button, a second click keeps it checked.
    connect(m_portrait, &QCheckBox::clicked, this, [this] { showOrientation(true); });
    connect(m_landscape, &QCheckBox::clicked, this, [this] { showOrientation(false); });

    addLabel(QStringLiteral("页边距（毫米）："), 30, 225, 150);
    addMarginEdit(PageSetupForm::Top, 1249, 1244, QStringLiteral("上："), 100, 265);
    addMarginEdit(PageSetupForm::Bottom, 1250, 1245, QStringLiteral("下："), 348, 265);
    addMarginEdit(PageSetupForm::Left, 1251, 1246, QStringLiteral("左："), 100, 325);
    addMarginEdit(PageSetupForm::Right, 1252, 1247, QStringLiteral("右："), 348, 325);

    auto *ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setObjectName(QStringLiteral("1"));
    ok->setGeometry(430, 400, ButtonWidth, ButtonHeight);
    ok->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("取消"), this);
    cancel->setObjectName(QStringLiteral("2"));
    cancel->setGeometry(320, 400, ButtonWidth, ButtonHeight);
    connect(ok, &QPushButton::clicked, this, &CSetPage::accept);
    connect(cancel, &QPushButton::clicked, this, &CSetPage::reject);
}

void CSetPage::addMarginEdit(PageSetupForm::Margin margin, int id, int upDownId, const QString &caption,
                             int x, int y)
{
    addLabel(caption, x - 40, y, 40);
    auto *edit = new QLineEdit(this);
    edit->setObjectName(QString::number(id));
    edit->setGeometry(x, y, EditWidth, EditHeight);
    m_margins[std::size_t(margin)] = edit;
    const int half = EditHeight / 2;
    for (int step : {1, -1}) {
        auto *arrow = new QToolButton(this);
        arrow->setObjectName(QString::number(upDownId) +
                             (step > 0 ? QStringLiteral("up") : QStringLiteral("down")));
        arrow->setArrowType(step > 0 ? Qt::UpArrow : Qt::DownArrow);
        arrow->setAutoRepeat(true);
        arrow->setGeometry(x + EditWidth, step > 0 ? y : y + half, UpDownWidth,
                           step > 0 ? half : EditHeight - half);
        connect(arrow, &QToolButton::clicked, this,
                [edit, step] { edit->setText(PageSetupForm::stepped(edit->text(), step)); });
    }
}

void CSetPage::showOrientation(bool portrait)
{
    if (portrait)
        m_form.checkPortrait();
    else
        m_form.checkLandscape();
    m_portrait->setChecked(portrait);
    m_landscape->setChecked(!portrait);
}

void CSetPage::accept()
{
    m_form.setPaperIndex(m_paper->currentIndex());
    for (int i = 0; i < PageSetupForm::MarginCount; ++i)
        m_form.setMarginText(PageSetupForm::Margin(i), m_margins[std::size_t(i)]->text());
    const std::optional<PageSetupForm::Margin> refused = m_form.confirm(m_settings);
    if (refused) {
        QLineEdit *edit = m_margins[std::size_t(*refused)];
        edit->setText(m_form.marginText(*refused));
        edit->setFocus();
        return;
    }
    if (m_save && !m_save())
        QMessageBox::warning(this, windowTitle(), QStringLiteral("页面设置已生效，但设置文件无法写入。"));
    QDialog::accept();
}

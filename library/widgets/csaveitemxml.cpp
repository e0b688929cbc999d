#include "csaveitemxml.h"

#include "libraryicons.h"
#include "templatestatusdialog.h"

#include "library/librarytree.h"
#include "library/quotalibrary.h"
#include "library/templatesaving.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

namespace {

constexpr int SaveSlotX = 2;
constexpr int SaveSlotY = 48;
constexpr int SaveSlotStep = 40;
constexpr int OpenSlotX = 1;
constexpr int OpenSlotY = 15;
constexpr int OpenSlotStep = 30;

QString failedSaveText(const QString &error)
{
    return error.isEmpty() ? QStringLiteral("模板保存失败。") : QStringLiteral("模板保存失败：%1").arg(error);
}

} // namespace

CSaveItemXML::CSaveItemXML(Mode mode, const Parts &parts, Hooks hooks, QWidget *parent)
    : QDialog(parent), m_mode(mode), m_library(parts.library), m_tree(parts.tree), m_choice(parts.choice),
      m_customItemCounter(parts.customItemCounter), m_dataFolder(parts.dataFolder), m_hooks(std::move(hooks)),
      m_slots(mode)
{
    setObjectName(QStringLiteral("CSaveItemXML"));
    createSlots();
    if (mode == Mode::Save) {
        setWindowTitle(QStringLiteral("保存模板"));
        setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);
        setFixedSize(SaveWidth, SaveHeight);
        createSaveControls();
    } else {
        // The floating menu lies over the main window as one of its panes.
        setWindowFlags(Qt::Widget);
        setFixedSize(OpenWidth, OpenHeight);
        setAutoFillBackground(true);
        createOpenControls();
    }
    refill();
}

void CSaveItemXML::createSlots()
{
    const bool save = m_mode == Mode::Save;
    for (int k = 0; k < TemplateSlots::SlotCount; ++k) {
        auto *button = new QPushButton(this);
        button->setObjectName(QStringLiteral("TemplateSlot%1").arg(k + 1));
        button->setProperty("skin", save ? QStringLiteral("SavexmlImage") : QStringLiteral("LoadxmlImage"));
        button->setStyleSheet(QStringLiteral("text-align: left; padding-left: 4px;"));
        if (save)
            button->setGeometry(SaveSlotX, SaveSlotY + SaveSlotStep * k, 338, 39);
        else
            button->setGeometry(OpenSlotX, OpenSlotY + OpenSlotStep * k, 158, 25);
        button->setIconSize(save ? QSize(24, 24) : QSize(18, 18));
        button->setAutoDefault(false);
        button->installEventFilter(this);
        m_slotButtons.append(button);
        if (save) {
            auto *mark = new QLabel(QStringLiteral("×"), this);
            mark->setAlignment(Qt::AlignCenter);
            mark->setStyleSheet(QStringLiteral("color: #b03030; font-weight: bold;"));
            mark->setGeometry(DeleteZoneLeft - 1, SaveSlotY + SaveSlotStep * k + 12, 10, 15);
            mark->setAttribute(Qt::WA_TransparentForMouseEvents);
            mark->setToolTip(QStringLiteral("删除模板"));
            m_deleteMarks.append(mark);
        }
    }
    m_pageUp = new QPushButton(QStringLiteral("向上翻页"), this);
    m_pageDown = new QPushButton(QStringLiteral("向下翻页"), this);
    if (save) {
        m_pageUp->setGeometry(SaveSlotX, 22, 80, 22);
        m_pageDown->setGeometry(SaveWidth - 82, 22, 80, 22);
    } else {
        m_pageUp->setGeometry(1, 0, 78, 14);
        m_pageDown->setGeometry(81, 0, 78, 14);
    }
    connect(m_pageUp, &QPushButton::clicked, this, [this] {
        m_slots.previousPage();
        fillSlots();
    });
    connect(m_pageDown, &QPushButton::clicked, this, [this] {
        m_slots.nextPage(m_choice.templateList, m_choice.currentTemplatePath);
        fillSlots();
    });
}

void CSaveItemXML::createSaveControls()
{
    m_otherBackground = new QLabel(QStringLiteral("默认库不能修改，请把修改保存为新模板"), this);
    m_otherBackground->setObjectName(QStringLiteral("window_SaveItem.window_Other.bk"));
    m_otherBackground->setAlignment(Qt::AlignCenter);
    m_otherBackground->setStyleSheet(QStringLiteral("background: #fff4d0; color: #805000;"));
    m_otherBackground->setGeometry(84, 22, SaveWidth - 168, 22);
    m_otherBackground->hide();
    auto *label = new QLabel(QStringLiteral("模板 : "), this);
    label->setGeometry(12, 436, 48, 25);
    m_name = new QLineEdit(QStringLiteral("模板1"), this);
    m_name->setGeometry(60, 436, 260, 25);
    m_lock = new QCheckBox(this);
    m_lock->setGeometry(20, 483, 15, 14);
    m_lockLabel = new QLabel(QStringLiteral("加密"), this);
    // Taller than its text: the hint shows a little above and below the word too.
    m_lockLabel->setGeometry(35, 477, 40, 26);
    m_lockLabel->installEventFilter(this);
    m_lockHint = new QLabel(QStringLiteral("加密提示：勾选“加密”后，模板保存为 .oml "
                                           "文件，\n只有保存它的登录账户才能编辑，其他账户只能使用。"),
                            this);
    m_lockHint->setObjectName(QStringLiteral("加密提示"));
    m_lockHint->setWordWrap(true);
    m_lockHint->setStyleSheet(
        QStringLiteral("background: #fffbe8; border: 1px solid #d8c080; padding: 4px;"));
    m_lockHint->setGeometry(25, 402, 315, 71);
    m_lockHint->hide();
    connect(m_lock, &QCheckBox::clicked, this, [this] { showLockHint(false); });
    m_ok = new QPushButton(QStringLiteral("确定"), this);
    m_ok->setGeometry(260, 479, 75, 28);
    m_cancel = new QPushButton(QStringLiteral("取消"), this);
    m_cancel->setGeometry(165, 479, 75, 28);
    m_ok->setAutoDefault(false);
    m_cancel->setAutoDefault(false);
    connect(m_ok, &QPushButton::clicked, this, &CSaveItemXML::onOk);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void CSaveItemXML::createOpenControls()
{
    m_open = new QPushButton(QStringLiteral("Open"), this);
    m_open->setGeometry(1, 247, 158, 42);
    connect(m_open, &QPushButton::clicked, this, [this] {
        hide();
        if (m_hooks.openFile)
            m_hooks.openFile();
    });
}

void CSaveItemXML::setEditedMainLibrary(bool edited)
{
    if (m_otherBackground)
        m_otherBackground->setVisible(edited);
}

void CSaveItemXML::refill()
{
    m_slots.reset();
    fillSlots();
    if (m_mode == Mode::Open) {
        show();
        raise();
    }
}

void CSaveItemXML::fillSlots()
{
    m_slotList = m_slots.slotList(m_choice.templateList, m_choice.currentTemplatePath);
    for (int k = 0; k < TemplateSlots::SlotCount; ++k) {
        QPushButton *button = m_slotButtons.at(k);
        const bool shown = k < m_slotList.size();
        button->setVisible(shown);
        if (k < m_deleteMarks.size())
            m_deleteMarks.at(k)->setVisible(shown && !(k == 0 && m_slots.pageStart() == 0));
        if (!shown)
            continue;
        button->setText(m_slotList.at(k).text);
        button->setIcon(LibraryIcons::templateIcon(m_slotList.at(k).icon));
        button->setToolTip(m_slotList.at(k).path);
    }
    m_pageDown->setVisible(m_slots.hasNextPage(m_choice.templateList, m_choice.currentTemplatePath));
    m_pageUp->setVisible(m_slots.pageStart() > 0);
}

void CSaveItemXML::clickSlot(int k, int x)
{
    if (k < 0 || k >= m_slotList.size())
        return;
    if (m_mode == Mode::Save)
        saveSlotClicked(k, x);
    else
        openSlotClicked(k);
}

void CSaveItemXML::saveSlotClicked(int k, int x)
{
    const QString text = m_slotList.at(k).text;
    const QString name = text.left(text.indexOf(u' '));
    if (x < DeleteZoneLeft || x > DeleteZoneRight) {
        m_name->setText(name);
        return;
    }
    if (k == 0 && m_slots.pageStart() == 0)
        return;
    deleteSlot(k, name);
}

void CSaveItemXML::deleteSlot(int k, const QString &name)
{
    const qsizetype index = m_slotList.at(k).listIndex;
    if (!TemplateStatusDialog::confirm(this, TemplateSaving::deleteTitle(),
                                       TemplateSaving::deleteQuestion(m_choice, index, name)))
        return;
    using Outcome = TemplateSaving::DeleteOutcome;
    const Outcome outcome =
        TemplateSaving::deleteTemplate(m_choice, index, m_library, m_tree, m_customItemCounter);
    if (outcome == Outcome::FileNotDeleted) {
        TemplateStatusDialog::notify(this, TemplateSaving::deleteTitle(),
                                     {QStringLiteral("模板文件无法删除，请检查文件是否只读。")});
        return;
    }
    if (outcome == Outcome::Refused)
        return;
    fillSlots();
    if (outcome == Outcome::DeletedCurrent && m_hooks.libraryReplaced)
        m_hooks.libraryReplaced();
    if (m_hooks.saveSettings)
        m_hooks.saveSettings();
}

void CSaveItemXML::openSlotClicked(int k)
{
    if (m_hooks.showBudgetTable)
        m_hooks.showBudgetTable();
    hide();
    QString name = m_slotList.at(k).text.trimmed();
    name = name.left(name.indexOf(u'.'));
    if (name.isEmpty())
        return;
    using Outcome = TemplateSaving::OpenOutcome;
    const Outcome outcome =
        TemplateSaving::openSlot(m_choice, m_slotList.at(k).path, m_library, m_tree, m_customItemCounter);
    if (outcome == Outcome::Opened && m_hooks.libraryReplaced)
        m_hooks.libraryReplaced();
    if (m_hooks.saveSettings)
        m_hooks.saveSettings();
    // A file that is no template any more must not be confirmed as opened.
    if (outcome == Outcome::NotATemplate)
        emit templateReadFailed();
    else
        emit templateOpened();
}

void CSaveItemXML::showLockHint(bool shown)
{
    m_lockHint->setVisible(shown);
    m_name->setVisible(!shown);
}

void CSaveItemXML::onOk()
{
    const bool locked = m_lock->isChecked();
    m_library.setLockOnSave(locked);
    if (locked && m_library.currentUserName().isEmpty() && m_hooks.signIn)
        m_hooks.signIn();
    const QString name = TemplateSaving::nameFromBox(m_name->text());
    switch (TemplateSaving::checkName(name)) {
    case TemplateSaving::NameCheck::Empty:
        reject();
        return;
    case TemplateSaving::NameCheck::Refused:
        TemplateStatusDialog::notify(this, TemplateSaving::saveTitle(), {TemplateSaving::refusedNameText()});
        return;
    case TemplateSaving::NameCheck::Accepted:
        break;
    }
    hide();
    const QString proposed = TemplateSaving::proposedPath(m_dataFolder, name, locked);
    const std::optional<QString> chosen =
        m_hooks.chooseSavePath ? m_hooks.chooseSavePath(proposed, TemplateSaving::fileFilter(locked))
                               : std::nullopt;
    if (!chosen) {
        reject();
        return;
    }
    QString error;
    switch (TemplateSaving::save(m_choice, m_library, *chosen, locked, &error)) {
    case TemplateSaving::SaveOutcome::MainLibraryRefused:
        TemplateStatusDialog::notify(parentWidget(), TemplateSaving::saveTitle(),
                                     {TemplateSaving::refusedNameText()});
        reject();
        return;
    case TemplateSaving::SaveOutcome::WriteFailed:
        TemplateStatusDialog::notify(parentWidget(), TemplateSaving::saveTitle(), {failedSaveText(error)});
        reject();
        return;
    case TemplateSaving::SaveOutcome::Saved:
        break;
    }
    if (m_hooks.saveSettings)
        m_hooks.saveSettings();
    emit templateSaved();
    accept();
}

bool CSaveItemXML::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const int k = int(m_slotButtons.indexOf(qobject_cast<QPushButton *>(watched)));
        if (k >= 0 && mouse->button() == Qt::LeftButton) {
            const QPoint at = m_slotButtons.at(k)->mapTo(this, mouse->position().toPoint());
            // Handled after the button has finished its own release.
            QMetaObject::invokeMethod(
                this, [this, k, at] { clickSlot(k, at.x()); }, Qt::QueuedConnection);
        } else if (watched == m_lockLabel && mouse->button() == Qt::LeftButton) {
            showLockHint(true);
            m_lock->setChecked(true);
        }
    } else if (watched == m_lockLabel && event->type() == QEvent::Enter) {
        showLockHint(true);
    } else if (watched == m_lockLabel && event->type() == QEvent::Leave) {
        showLockHint(false);
    }
    return QDialog::eventFilter(watched, event);
}

void CSaveItemXML::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

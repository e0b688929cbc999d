#include "screenshottour.h"

#include "csetroom.h"
#include "ctemp_information.h"
#include "ctipsdlg.h"
#include "cquillarydlg.h"
#include "longoperation.h"
#include "ratepage.h"
#include "settingsmenu.h"
#include "signindialog.h"

#include "app/appcontext.h"
#include "contracts/widgets/gridview.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

namespace {

constexpr int StepDelayMs = 700;

// The table on show, scrolled a page down or back to its top.
void scrollShownTable(QWidget &window, bool down)
{
    for (GridView *view : window.findChildren<GridView *>()) {
        if (!view->isVisible())
            continue;
        QScrollBar *bar = view->verticalScrollBar();
        bar->setValue(down ? bar->pageStep() : bar->minimum());
    }
}

} // namespace

void ScreenshotTour::startIfRequested(CQuillaryDlg &window)
{
    const QString directory = qEnvironmentVariable(DirectoryVariable);
    if (!directory.isEmpty())
        new ScreenshotTour(window, directory);
}

ScreenshotTour::ScreenshotTour(CQuillaryDlg &window, const QString &directory)
    : QObject(&window), m_window(window), m_directory(directory)
{
    m_directory.mkpath(QStringLiteral("."));
    addViewSteps();
    addDialogSteps();
    m_steps.append([] { QApplication::quit(); });
    QTimer::singleShot(StepDelayMs * 2, this, &ScreenshotTour::next);
}

void ScreenshotTour::step(std::function<void()> action)
{
    m_steps.append(std::move(action));
}

void ScreenshotTour::next()
{
    // A long operation (reading the project, building a list) finishes first.
    if (m_window.longOperation().isRunning() || m_steps.isEmpty()) {
        QTimer::singleShot(StepDelayMs, this, &ScreenshotTour::next);
        return;
    }
    const std::function<void()> action = m_steps.takeFirst();
    action();
    if (!m_steps.isEmpty())
        QTimer::singleShot(StepDelayMs, this, &ScreenshotTour::next);
}

void ScreenshotTour::save(QWidget *widget, const QString &name) const
{
    widget->grab().save(m_directory.filePath(name + QStringLiteral(".png")));
}

void ScreenshotTour::grabDialog(QWidget *dialog, const QString &name) const
{
    dialog->show();
    QApplication::processEvents();
    save(dialog, name);
    dialog->close();
    dialog->deleteLater();
}

void ScreenshotTour::addViewSteps()
{
    step([this] { m_window.showForm(); });
    step([this] { save(&m_window, QStringLiteral("view-form")); });
    step([this] { m_window.showTable(); });
    step([this] { save(&m_window, QStringLiteral("view-budget-table")); });
    step([this] { scrollShownTable(m_window, true); });
    step([this] {
        save(&m_window, QStringLiteral("view-budget-table-scrolled"));
        scrollShownTable(m_window, false);
    });
    step([this] { m_window.showBillList(1); });
    step([this] { save(&m_window, QStringLiteral("view-bill-of-quantities")); });
    step([this] { m_window.showBillList(2); });
    step([this] { save(&m_window, QStringLiteral("view-material-list")); });
    step([this] { m_window.showBillList(3); });
    step([this] { save(&m_window, QStringLiteral("view-machinery-list")); });
    step([this] { m_window.showTable(); });
}

void ScreenshotTour::addDialogSteps()
{
    step([this] {
        grabDialog(new CTipsDlg(QString(), QString(), CTipsDlg::AskSaveChanges, 0, &m_window),
                   QStringLiteral("dialog-prompt-save"));
        grabDialog(new CTipsDlg(QString(), QString(), 10, 1, &m_window), QStringLiteral("dialog-prompt-notice"));
        grabDialog(new CSetRoom(QStringLiteral("新项目"), &m_window), QStringLiteral("dialog-room-name"));
        grabDialog(new SignInDialog(QString(), &m_window), QStringLiteral("dialog-sign-in"));
    });
    step([this] {
        RateSettings &rates = m_window.context().settings().rates;
        grabDialog(new CTemp_Information(RateKind::Profit, rates, &m_window), QStringLiteral("dialog-rate-entry"));
        auto *confirm = new CTemp_Information(RateKind::Tax, rates, &m_window);
        confirm->ratePage()->edit()->setText(QStringLiteral("9"));
        confirm->ratePage()->okButton()->click();
        grabDialog(confirm, QStringLiteral("dialog-rate-confirm"));
        auto *refused = new CTemp_Information(RateKind::Loss, rates, &m_window);
        refused->ratePage()->edit()->setText(QStringLiteral("12.5"));
        refused->ratePage()->okButton()->click();
        grabDialog(refused, QStringLiteral("dialog-rate-refused"));
    });
    step([this] {
        CTemp_Information &status = m_window.statusWindow();
        status.showProgress(&m_window);
        status.setProgress(40);
        QApplication::processEvents();
        save(&status, QStringLiteral("dialog-status-progress"));
        status.endProgress();
    });
    step([this] { m_window.runCommand(1086); });
    step([this] {
        if (QMenu *menu = m_window.settingsMenu().menu()) {
            save(menu, QStringLiteral("menu-settings"));
            menu->close();
        }
    });
}

#pragma once

#include <QDir>
#include <QList>
#include <QObject>

#include <functional>

class CQuillaryDlg;
class QWidget;

// A scripted walk through the views and dialogs that saves a picture of each,
// for the documentation. Runs only when PLOTWRIGHT_SCREENSHOT_DIR names a folder;
// the program quits at the end of the walk.
class ScreenshotTour : public QObject
{
    Q_OBJECT

public:
    static inline const char *const DirectoryVariable = "PLOTWRIGHT_SCREENSHOT_DIR";

    static void startIfRequested(CQuillaryDlg &window);

private:
    ScreenshotTour(CQuillaryDlg &window, const QString &directory);

    void addViewSteps();
    void addDialogSteps();
    void step(std::function<void()> action);
    void next();
    void save(QWidget *widget, const QString &name) const;
    void grabDialog(QWidget *dialog, const QString &name) const;

    CQuillaryDlg &m_window;
    QDir m_directory;
    QList<std::function<void()>> m_steps;
};

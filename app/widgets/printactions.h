#pragma once

#include "reports/printpagesetup.h"

#include <QObject>
#include <QString>

#include <functional>

class AppContext;
class Grid;
class ViewSwitcher;
class QWidget;

// What the print command, the list pane's PDF button and the page setup entry
// do: the list on show goes through its two print previews or into one PDF file,
// on the paper, orientation and margins of the page settings.
class PrintActions : public QObject
{
    Q_OBJECT

public:
    // Answers the path to write, or an empty text when the user cancels.
    using PathChooser = std::function<QString(const QString &suggested)>;
    // Writes the settings file; false when it could not be written.
    using SettingsSaver = std::function<bool()>;

    PrintActions(AppContext &context, ViewSwitcher &views, SettingsSaver save, QWidget *window);

    // Command 1018: moves to the list step when another view is shown, then prints the list on show.
    void print();
    void exportPdf();
    // Menu command 1701: the page setup dialog, modal.
    void pageSetup();

    PrintPageSetup currentPageSetup() const;
    void setPathChooser(PathChooser chooser) { m_choosePath = std::move(chooser); }

private:
    // The grid of `list` laid out for printing.
    Grid &printedGrid(int list);
    QString suggestedPdfPath() const;

    AppContext &m_context;
    ViewSwitcher &m_views;
    SettingsSaver m_save;
    QWidget *m_window;
    PathChooser m_choosePath;
};

#include "appcontext.h"

#include "projectform.h"

#include <QDir>

namespace {

QString roomBackground(const AppFolders &folders)
{
    return folders.programFolder() + QStringLiteral("/icon_Pen_back.bmp");
}

} // namespace

AppContext::AppContext(const AppFolders &folders, RoomTextPainter *painter)
    : m_store(folders), m_pictures(folders.roomPictureFolder(), roomBackground(folders), painter)
{
    m_settings.folders = folders;
    m_settings.currentProjectPath = folders.defaultProjectPath();
    m_doc.state().currentProjectPath = folders.defaultProjectPath();
    m_table.setTextMeasure(&m_measure);
    // Undo and redo reach the head fields too: the title and the list headers follow them.
    // An undone or redone rate puts back the rate texts the items carry, for the rate dialog
    // and the saved file.
    QObject::connect(&m_doc, &EstimateDocument::changed, &m_doc, [this](const EstimateChange &change) {
        if (!change.headFields.isEmpty())
            ProjectForm(m_doc, &m_tableGrid, &m_billLists).showChange(change);
        if (change.rateTexts)
            m_settings.rates = *change.rateTexts;
        // A rate applied to every item reaches the built material and machinery lists too.
        if (change.billNoticeCode >= 0)
            m_billLists.onRateMessage(change.billNoticeCode, m_settings.rates, m_doc.estimate().precision());
    });
}

void AppContext::startUp()
{
    const QString mainLibrary = folders().mainLibraryFile();
    m_store.LoadSettings(
        m_settings, [this, mainLibrary](const QString &path) { m_library.LoadTemplate(path, mainLibrary); });
    m_tree.fill(m_library.items());
    m_doc.state().currentProjectPath = m_settings.currentProjectPath;
    setUpGrids();
    m_table.setColumnSwitches(m_settings.showloss != 0, m_settings.showtax != 0, m_settings.showlr != 0);
}

void AppContext::setUpGrids()
{
    m_billLists.setUp(m_doc.estimate().precision());
    m_table.setUpGrid(folders().programFolder());
    m_billLists.fillHeaders(m_doc.head());
    m_doc.estimate().setIdle(true);
}

bool AppContext::shutDown()
{
    deleteRoomPictures();
    m_library.setMainLibraryWriteBack(true);
    return m_store.SaveSettings(m_settings, m_table.showlr() ? 1 : 0, m_table.showLoss() ? 1 : 0,
                                m_table.showTax() ? 1 : 0, m_library.mainLibraryText(),
                                m_library.mainLibraryWriteBack());
}

void AppContext::reloadTemplateList()
{
    AppSettings read = m_settings;
    m_store.LoadSettings(read);
    m_settings.templateList = read.templateList;
    m_settings.selectedTemplate = read.selectedTemplate;
    m_settings.currentTemplatePath = read.currentTemplatePath;
}

bool AppContext::saveSettings() const
{
    return m_store.SaveSettings(m_settings, m_table.showlr() ? 1 : 0, m_table.showLoss() ? 1 : 0,
                                m_table.showTax() ? 1 : 0);
}

void AppContext::deleteRoomPictures() const
{
    QDir folder(folders().roomPictureFolder());
    if (!folder.exists())
        return;
    const QStringList pictures = folder.entryList(QDir::Files);
    for (const QString &name : pictures) {
        if (name.endsWith(QStringLiteral(".bmp")))
            folder.remove(name);
    }
}

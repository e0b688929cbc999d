#include "templateeditor.h"

#include "librarycommands.h"

#include <algorithm>
#include <climits>

namespace {

const QString CustomMark = QStringLiteral("自定义");

bool sameLine(const MtLine &a, const MtLine &b)
{
    return a.name == b.name && a.classify == b.classify && a.code == b.code && a.unit == b.unit;
}

} // namespace

TemplateEditor::TemplateEditor(const QuotaLibrary &library, qsizetype openedIndex, int &customItemCounter,
                               BrowserSelection &browser)
    : m_items(library.items()), m_customItemCounter(customItemCounter), m_browser(browser)
{
    // The list may be too short for the requested item: show the last one.
    m_shown = std::min(std::max<qsizetype>(openedIndex, 0), m_items.size() - 1);
    m_browser.reselect = true;
    m_browser.reselectIndex = m_shown;
    if (m_shown >= 0 && LibraryTree::isPlaceholder(m_items.at(m_shown)))
        m_shown = addCustomItem(m_shown, false);
    m_tree.fill(m_items);
    reselectByLastClick();
    show(m_shown);
}

int TemplateEditor::customNumber(const QString &name)
{
    const QString digits = name.mid(CustomMark.size()).trimmed();
    qsizetype at = 0;
    bool negative = false;
    if (at < digits.size() && (digits.at(at) == u'+' || digits.at(at) == u'-'))
        negative = digits.at(at++) == u'-';
    qint64 n = 0;
    for (; at < digits.size() && digits.at(at) >= u'0' && digits.at(at) <= u'9'; ++at)
        n = std::min<qint64>(n * 10 + (digits.at(at).unicode() - u'0'), INT_MAX - 1);
    return negative ? 0 : int(n);
}

qsizetype TemplateEditor::addCustomItem(qsizetype placeholder, bool numOne)
{
    const QuotaItem &source = m_items.at(placeholder);
    int largest = 0;
    for (qsizetype i = placeholder + 1;
         i < m_items.size() && m_items.at(i).categoryName == source.categoryName; ++i) {
        if (m_items.at(i).itemName.startsWith(CustomMark))
            largest = std::max(largest, customNumber(m_items.at(i).itemName));
    }
    m_customItemCounter = largest + 1;
    QuotaItem added = source;
    added.itemName = CustomMark + QString::number(m_customItemCounter);
    added.treeNode = 0;
    if (numOne)
        added.brand.num = 1.0f;
    m_items.insert(placeholder + 1, added);
    return placeholder + 1;
}

void TemplateEditor::show(qsizetype index)
{
    m_shown = index;
    m_edit = index >= 0 ? ItemEdit::ofItem(m_items.at(index), ItemEdit::Prices::WithProfit) : ItemEdit();
}

void TemplateEditor::reselectByLastClick()
{
    const QString &clicked = m_browser.lastClickedText;
    if (clicked.isEmpty() || clicked == QStringLiteral("添加定额"))
        return;
    for (qsizetype i = m_items.size() - 1; i > 0; --i) {
        if (m_items.at(i).itemName == clicked) {
            m_shown = i;
            m_browser.reselectIndex = i;
            return;
        }
    }
}

void TemplateEditor::selectNode(int node)
{
    commitShown();
    const qsizetype index = LibraryTree::itemIndexOfNode(m_items, node);
    const LibraryTree::Node *clicked = m_tree.node(node);
    if (index < 0 || !clicked)
        return;
    qsizetype shown = index;
    if (clicked->kind == LibraryTree::NodeKind::AddItem) {
        shown = addCustomItem(index, true);
        m_items[shown].treeNode = m_tree.insertAfter(clicked->parent, node, LibraryTree::NodeKind::Item,
                                                     LibraryTree::itemText(m_items.at(shown).itemName));
    }
    if (m_items.at(shown).itemName == m_browser.lastClickedText)
        m_browser.reselectIndex = shown;
    show(shown);
}

bool TemplateEditor::deleteNode(int node)
{
    const qsizetype index = LibraryTree::itemIndexOfNode(m_items, node);
    if (index < 0 || LibraryTree::isPlaceholder(m_items.at(index)) || m_items.at(index).categoryName.isEmpty())
        return false;
    m_customItemCounter = LibraryCommands::counterAfterDeleting(m_items.at(index).itemName, m_customItemCounter);
    removeWorkingItem(index);
    // Deleting the last item shows the one before it.
    show(std::min(index, m_items.size() - 1));
    return true;
}

void TemplateEditor::removeWorkingItem(qsizetype index)
{
    const int node = m_items.takeAt(index).treeNode;
    const bool borrowed = std::any_of(m_items.cbegin(), m_items.cbegin() + index,
                                      [node](const QuotaItem &item) { return item.treeNode == node; });
    if (!borrowed)
        m_tree.remove(node);
}

qsizetype TemplateEditor::sameNameInCategory(const QString &name) const
{
    const QString &category = m_items.at(m_shown).categoryName;
    for (qsizetype i = 0; i < m_items.size(); ++i) {
        if (i != m_shown && m_items.at(i).categoryName == category && m_items.at(i).itemName == name)
            return i;
    }
    return -1;
}

bool TemplateEditor::nameEdited(const QString &text, const Ask &ask)
{
    if (!m_nameEditing || m_shown < 0)
        return false;
    m_nameEditing = false;
    const QString name = text.trimmed();
    const qsizetype other = sameNameInCategory(name);
    if (other >= 0) {
        if (ask(RenameMessage, RenameStyle) != 1)
            return false;
        removeWorkingItem(other);
        if (other < m_shown)
            --m_shown;
    }
    m_edit.name = text;
    m_tree.setText(m_items.at(m_shown).treeNode, LibraryTree::itemText(name));
    return true;
}

void TemplateEditor::commitShown()
{
    if (m_shown < 0)
        return;
    QuotaItem &item = m_items[m_shown];
    BrandData &b = item.brand;
    item.itemName = m_edit.name.trimmed();
    b.unit = m_edit.unit;
    item.itemDesc = m_edit.desc;
    b.num = 1.0f;
    // A changed price is the price with profit: it is kept with a profit rate of 0.
    if (m_edit.labour.changed()) {
        b.laborcost = m_edit.labour.number();
        b.laborprofit = 0.0f;
    }
    if (m_edit.management.changed()) {
        b.management = m_edit.management.number();
        b.managementprofit = 0.0f;
    }
    const ItemEdit::LineSums sums = m_edit.readLines(item);
    const QList<MtLine> materials = b.materials;
    const QList<MtLine> machines = b.machines;
    propagatePrices(materials, false);
    propagatePrices(machines, true);
    m_items[m_shown].brand.material = sums.material;
    m_items[m_shown].brand.machine = sums.machine;
}

void TemplateEditor::propagatePrices(const QList<MtLine> &lines, bool machines)
{
    for (const MtLine &line : lines) {
        for (QuotaItem &item : m_items) {
            QList<MtLine> &list = machines ? item.brand.machines : item.brand.materials;
            float &price = machines ? item.brand.machine : item.brand.material;
            for (MtLine &other : list) {
                if (!sameLine(other, line))
                    continue;
                const float old = other.price;
                other.price = line.price;
                price = price + other.num * (line.price - old);
            }
        }
    }
}

TemplateEditor::OkOutcome TemplateEditor::ok(QuotaLibrary &library, LibraryTree &libraryTree,
                                             const TemplateChoice &choice)
{
    commitShown();
    library.setItems(m_items);
    libraryTree.fill(library.items());
    if (choice.mainLibraryIsCurrent())
        return OkOutcome::OpenSaveDialog;
    return library.WriteTemplate(choice.currentTemplatePath) ? OkOutcome::TemplateWritten
                                                             : OkOutcome::TemplateWriteFailed;
}

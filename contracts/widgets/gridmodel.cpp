#include "gridmodel.h"

#include "contracts/grid.h"
#include "gridqt.h"

GridModel::GridModel(Grid *grid, QObject *parent) : QAbstractTableModel(parent), m_grid(grid)
{
    if (m_grid)
        connectGrid();
}

void GridModel::connectGrid()
{
    Grid *g = m_grid;
    connect(g, &Grid::rowsAboutToBeInserted, this,
            [this](int first, int last) { beginInsertRows({}, first, last); });
    connect(g, &Grid::rowsInserted, this, [this] { endInsertRows(); });
    connect(g, &Grid::rowsAboutToBeRemoved, this,
            [this](int first, int last) { beginRemoveRows({}, first, last); });
    connect(g, &Grid::rowsRemoved, this, [this] { endRemoveRows(); });
    connect(g, &Grid::columnsAboutToBeInserted, this,
            [this](int first, int last) { beginInsertColumns({}, first, last); });
    connect(g, &Grid::columnsInserted, this, [this] { endInsertColumns(); });
    connect(g, &Grid::columnsAboutToBeRemoved, this,
            [this](int first, int last) { beginRemoveColumns({}, first, last); });
    connect(g, &Grid::columnsRemoved, this, [this] { endRemoveColumns(); });
    connect(g, &Grid::aboutToReset, this, [this] { beginResetModel(); });
    connect(g, &Grid::reset, this, [this] { endResetModel(); });
    connect(g, &Grid::cellsChanged, this, &GridModel::onCellsChanged);
    // A merge shows the anchor's contents over the range: the covered cells look different.
    connect(g, &Grid::mergesChanged, this, &GridModel::onCellsChanged);
    connect(g, &Grid::imagesChanged, this, &GridModel::onImagesChanged);
}

int GridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() || !m_grid ? 0 : m_grid->rowCount();
}

int GridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() || !m_grid ? 0 : m_grid->columnCount();
}

QVariant GridModel::data(const QModelIndex &index, int role) const
{
    if (!m_grid || !index.isValid())
        return {};
    const int row = index.row();
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return m_grid->text(row, column);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(GridQt::alignment(m_grid->alignment(row, column)));
    case Qt::BackgroundRole:
        return GridQt::colour(m_grid->background(row, column));
    case Qt::FontRole:
        return fontOf(row, column);
    case Qt::DecorationRole: {
        const QImage picture = image(m_grid->imageKey(row, column));
        return picture.isNull() ? QVariant() : QVariant(picture);
    }
    case WrapRole:
        return m_grid->wrap(row, column);
    case ImageKeyRole:
        return m_grid->imageKey(row, column);
    default:
        return {};
    }
}

Qt::ItemFlags GridModel::flags(const QModelIndex &index) const
{
    if (!m_grid || !index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags result = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (!m_grid->locked(index.row(), index.column()))
        result |= Qt::ItemIsEditable;
    return result;
}

bool GridModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!m_grid || !index.isValid() || role != Qt::EditRole)
        return false;
    const int row = index.row();
    const int column = index.column();
    if (!m_grid->contains(row, column) || m_grid->locked(row, column))
        return false;
    m_textBeforeEdit = m_grid->text(row, column);
    if (m_editsAreRequests) {
        emit editRequested(row, column, value.toString());
        return true;
    }
    m_grid->setText(row, column, value.toString());
    emit cellEdited(row, column);
    return true;
}

QImage GridModel::image(const QString &key) const
{
    if (key.isEmpty() || !m_grid || !m_grid->hasImage(key))
        return {};
    auto found = m_images.constFind(key);
    if (found != m_images.constEnd())
        return *found;
    const QImage decoded = QImage::fromData(m_grid->image(key).data);
    m_images.insert(key, decoded);
    return decoded;
}

QFont GridModel::fontOf(int row, int column) const
{
    const GridFont font = m_grid->font(row, column);
    const QString key = font.name + QLatin1Char('/') + QString::number(font.size) + (font.bold ? u'b' : u'r');
    auto found = m_fonts.constFind(key);
    if (found != m_fonts.constEnd())
        return *found;
    return *m_fonts.insert(key, GridQt::font(font));
}

void GridModel::onCellsChanged(int top, int left, int bottom, int right)
{
    if (rowCount() == 0 || columnCount() == 0)
        return;
    top = std::max(top, 0);
    left = std::max(left, 0);
    bottom = std::min(bottom, rowCount() - 1);
    right = std::min(right, columnCount() - 1);
    if (top <= bottom && left <= right)
        emit dataChanged(index(top, left), index(bottom, right));
}

void GridModel::onImagesChanged()
{
    m_images.clear();
    if (rowCount() > 0 && columnCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::DecorationRole});
}

#include "playlistmodel.h"

namespace {
qsizetype cutAfterFolder(const QString &path)
{
    return path.lastIndexOf(u'/') + 1;
}
} // namespace

PlayListModel::PlayListModel(QObject *parent) : QAbstractTableModel(parent) {}

QString PlayListModel::fileName(const QString &path)
{
    return path.mid(cutAfterFolder(path));
}

QString PlayListModel::folder(const QString &path)
{
    return path.left(cutAfterFolder(path));
}

void PlayListModel::setPaths(const QStringList &paths)
{
    beginResetModel();
    m_paths = paths;
    endResetModel();
}

void PlayListModel::append(const QStringList &paths)
{
    if (paths.isEmpty())
        return;
    const int first = int(m_paths.size());
    beginInsertRows(QModelIndex(), first, first + int(paths.size()) - 1);
    m_paths += paths;
    endInsertRows();
}

bool PlayListModel::moveUp(int row)
{
    return row > 0 && swapWithNext(row - 1);
}

bool PlayListModel::moveDown(int row)
{
    return row >= 0 && swapWithNext(row);
}

bool PlayListModel::swapWithNext(int row)
{
    if (row + 1 >= m_paths.size())
        return false;
    // Moving the lower row above the upper one keeps each entry's
    // selection with it.
    beginMoveRows(QModelIndex(), row + 1, row + 1, QModelIndex(), row);
    m_paths.swapItemsAt(row, row + 1);
    endMoveRows();
    return true;
}

int PlayListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_paths.size());
}

int PlayListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant PlayListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const QString &path = m_paths.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return index.column() == FileNameColumn ? fileName(path) : folder(path);
    case Qt::ToolTipRole:
    case PathRole:
        return path;
    default:
        return {};
    }
}

QVariant PlayListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case FileNameColumn:
        return tr("File Name");
    case FolderColumn:
        return tr("Location");
    default:
        return {};
    }
}

Qt::ItemFlags PlayListModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    // Entries are chosen, never edited in place nor ticked.
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
}

bool PlayListModel::removeRows(int row, int count, const QModelIndex &parent)
{
    if (parent.isValid() || row < 0 || count <= 0 || row + count > m_paths.size())
        return false;
    beginRemoveRows(QModelIndex(), row, row + count - 1);
    m_paths.remove(row, count);
    endRemoveRows();
    return true;
}

#pragma once

#include <QAbstractTableModel>
#include <QStringList>

// An alarm's play list as full paths, in play order, for a list view with
// a file-name column and a folder column. The columns are only views of
// the paths: a path is kept whole as it was given, and folder + file name
// gives it back.
class PlayListModel final : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        FileNameColumn,
        FolderColumn,
        ColumnCount
    };
    // The full path of a row, in every column.
    static constexpr int PathRole = Qt::UserRole;

    explicit PlayListModel(QObject *parent = nullptr);

    // The part of a path after its last separator, and the part up to and
    // including it.
    static QString fileName(const QString &path);
    static QString folder(const QString &path);

    const QStringList &paths() const { return m_paths; }
    void setPaths(const QStringList &paths);
    void append(const QStringList &paths);
    // Swap a row with its neighbour; false (and no change) at the top or the
    // bottom, or for a row that isn't there.
    bool moveUp(int row);
    bool moveDown(int row);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool removeRows(int row, int count, const QModelIndex &parent = QModelIndex()) override;

private:
    bool swapWithNext(int row);

    QStringList m_paths;
};

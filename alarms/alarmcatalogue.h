#pragma once

#include "cataloguerow.h"
#include "textfile.h"

#include <QAbstractTableModel>
#include <QList>
#include <array>
#include <optional>

// The list of all alarms, in list order, and the table of slots in use. It is
// the model the manager's list shows (four visible columns; the keys and the
// slot ride along in the rows) and the rows the scheduler tests.
class AlarmCatalogue final : public QAbstractTableModel
{
    Q_OBJECT

public:
    static constexpr int SlotCount = CatalogueRow::SlotCount;
    enum Column
    {
        CaptionColumn,
        FrequencyColumn,
        TimeColumn,
        DateColumn,
        ColumnCount
    };

    explicit AlarmCatalogue(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    const QList<CatalogueRow> &rows() const { return m_rows; }
    const CatalogueRow &row(int index) const { return m_rows.at(index); }
    int size() const { return int(m_rows.size()); }

    // Appending marks the row's slot in use; removing frees it.
    void appendRow(const CatalogueRow &row);
    void insertRowAt(int index, const CatalogueRow &row);
    void replaceRow(int index, const CatalogueRow &row);
    void removeRowAt(int index);
    void clear();

    bool isSlotInUse(int slot) const;
    void setSlotInUse(int slot, bool inUse);
    // The lowest slot not in use, or nothing when all 256 are taken.
    std::optional<int> lowestFreeSlot() const;
    // Up to `count` free slots, lowest first.
    QList<int> lowestFreeSlots(int count) const;

    // Replaces the rows with those of the file; a missing file is an empty
    // catalogue. Only a file that would be written back unchanged is taken
    // as it is. On anything else (a bad line, a count that disagrees with
    // the rows, a file or line beyond the limits) the complete rows that can
    // be trusted are kept, the file is copied to "<path>.bak" so that the
    // next write can't lose it, and AppError says both. A list read whole
    // in another encoding than UTF-8, or with a slot in another form than
    // it is written in ("07"), is copied there too; the returned notice
    // says so (empty when there is nothing to say).
    QString read(const QString &path);
    static TextFile::Limits limits();
    // Writes all rows, atomically.
    void write(const QString &path) const;

    static QByteArray encode(const QList<CatalogueRow> &rows);
    // The list as encode() makes it, read back by read()'s own row reader
    // before it is given out: refuses (AppError) rows the next start would
    // not read back as they are (a line break in a field, a line over the
    // limit, a key that is no real time or date, a slot twice), naming the
    // alarm, the field and the limit.
    static QByteArray encodeForWriting(const QList<CatalogueRow> &rows);

    // What to tell at start of the rows whose alarm file is missing from
    // dataFolder: they ring, but with the first built-in sound and without
    // a reminder. The first few in list order by caption and file, and how
    // many more; empty when every row has its file.
    QString missingAlarmFilesReport(const QString &dataFolder) const;

private:
    // A slot field that names a slot in another form than it is written back in.
    struct RewrittenSlot
    {
        QString text;
        qsizetype line = 0;
        int slot = 0;
    };
    // Reads and checks one row; notes the first slot field written back otherwise.
    CatalogueRow readRow(LineReader &in, std::optional<RewrittenSlot> &firstRewritten) const;

    QList<CatalogueRow> m_rows;
    std::array<bool, SlotCount> m_slotInUse{};
};

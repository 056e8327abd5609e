#include "alarmcatalogue.h"

#include "alarmscheduler.h"
#include "apperror.h"
#include "conversions.h"
#include "textfile.h"

#include <QCoreApplication>
#include <QDir>
#include <limits>
#include <optional>

namespace {

// Splits a key into its number fields the way the catalogue always has: the
// first two characters, the next two, and the rest counted from the end.
int keyField(const QString &key, qsizetype from, qsizetype length)
{
    return Conversions::toInteger(key.mid(from, length));
}

void checkTimeKey(const QString &key)
{
    Conversions::encodeTime(keyField(key, 0, 2), keyField(key, 2, 2),
                            keyField(key, qMax<qsizetype>(0, key.size() - 2), 2));
}

void checkDateKey(const QString &key)
{
    Conversions::encodeDate(keyField(key, qMax<qsizetype>(0, key.size() - 4), 4), keyField(key, 2, 2),
                            keyField(key, 0, 2));
}

} // namespace

AlarmCatalogue::AlarmCatalogue(QObject *parent) : QAbstractTableModel(parent) {}

int AlarmCatalogue::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int AlarmCatalogue::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant AlarmCatalogue::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size() || role != Qt::DisplayRole)
        return {};
    return m_rows[index.row()].fields().value(index.column());
}

QVariant AlarmCatalogue::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    const QStringList headers{QCoreApplication::translate("AlarmCatalogue", "Alarm"),
                              QCoreApplication::translate("AlarmCatalogue", "Frequency"),
                              QCoreApplication::translate("AlarmCatalogue", "Time"),
                              QCoreApplication::translate("AlarmCatalogue", "Date")};
    return headers.value(section);
}

void AlarmCatalogue::appendRow(const CatalogueRow &row)
{
    insertRowAt(int(m_rows.size()), row);
}

void AlarmCatalogue::insertRowAt(int at, const CatalogueRow &row)
{
    beginInsertRows({}, at, at);
    m_rows.insert(at, row);
    endInsertRows();
    setSlotInUse(row.slot, true);
}

void AlarmCatalogue::replaceRow(int index, const CatalogueRow &row)
{
    m_rows[index] = row;
    emit dataChanged(this->index(index, 0), this->index(index, ColumnCount - 1));
}

void AlarmCatalogue::removeRowAt(int index)
{
    const int slot = m_rows[index].slot;
    beginRemoveRows({}, index, index);
    m_rows.removeAt(index);
    endRemoveRows();
    setSlotInUse(slot, false);
}

void AlarmCatalogue::clear()
{
    beginResetModel();
    m_rows.clear();
    m_slotInUse.fill(false);
    endResetModel();
}

bool AlarmCatalogue::isSlotInUse(int slot) const
{
    return slot >= 0 && slot < SlotCount && m_slotInUse[slot];
}

void AlarmCatalogue::setSlotInUse(int slot, bool inUse)
{
    if (slot >= 0 && slot < SlotCount)
        m_slotInUse[slot] = inUse;
}

std::optional<int> AlarmCatalogue::lowestFreeSlot() const
{
    for (int slot = 0; slot < SlotCount; ++slot) {
        if (!m_slotInUse[slot])
            return slot;
    }
    return std::nullopt;
}

QList<int> AlarmCatalogue::lowestFreeSlots(int count) const
{
    QList<int> free;
    for (int slot = 0; slot < SlotCount && free.size() < count; ++slot) {
        if (!m_slotInUse[slot])
            free << slot;
    }
    return free;
}

TextFile::Limits AlarmCatalogue::limits()
{
    // 256 rows of eight short lines fill a few dozen kilobytes; a megabyte
    // is no list this program wrote, and reading it would only hold up the start.
    return {1024 * 1024, 4096};
}

QString AlarmCatalogue::read(const QString &path)
{
    clear();
    if (TextFile::isAbsent(path))
        return {};
    // A named pipe, a device or a link to nowhere holds no alarms to keep a
    // copy of; it stays as it is, and nothing is ever saved over it.
    if (const QString what = TextFile::whatIsNotAFile(path); !what.isEmpty()) {
        throw AppError(
            QCoreApplication::translate("AlarmCatalogue",
                                        "The alarm list %1 is not a file but %2. Chronelle starts without alarms and "
                                        "leaves it as it is; to keep alarms, remove it or put the alarm list there.")
                .arg(TextFile::nativeName(path), what));
    }
    std::optional<LineReader> in;
    TextFile::ReadInfo info;
    std::optional<RewrittenSlot> rewritten;
    bool rowsRead = false;
    try {
        in.emplace(TextFile::readLines(path, limits(), &info));
        const QString countLine = in->next();
        int count = 0;
        try {
            count = Conversions::toInteger(countLine);
        } catch (const AppError &error) {
            throw AppError(QCoreApplication::translate("AlarmCatalogue", "%1 (line 1: the number of alarms)")
                               .arg(error.message()));
        }
        const qsizetype blocks = (in->lineCount() - 1) / CatalogueRow::FieldCount;
        // A count that disagrees with the rows would lose rows or invent
        // them at the next save; the complete rows that are there are read.
        const bool countFits =
            count >= 0 && count <= SlotCount && 1 + qsizetype(count) * CatalogueRow::FieldCount >= in->lineCount();
        const qsizetype toRead = countFits ? count : qMin<qsizetype>(blocks, SlotCount);
        for (qsizetype i = 0; i < toRead; ++i)
            appendRow(readRow(*in, rewritten));
        rowsRead = true;
        if (!countFits) {
            throw AppError(QCoreApplication::translate(
                               "AlarmCatalogue",
                               "The first line announces '%1' alarms, but %2 lines follow (eight for each alarm).")
                               .arg(TextFile::excerpt(countLine), QString::number(in->lineCount() - 1)));
        }
    } catch (const AppError &error) {
        // Kept before anything can be saved over it.
        const QString backup = path + QStringLiteral(".bak");
        const QString notKept = TextFile::keepCopy(path, backup);
        const QString where =
            rowsRead ? QString()
                     : QCoreApplication::translate("AlarmCatalogue", " past line %1").arg(in ? in->lineNumber() : 0);
        QString message =
            in ? QCoreApplication::translate("AlarmCatalogue",
                                             "%1\n\nThe alarm list %2 could not be read%3. The %n alarm(s) "
                                             "read from it are kept.",
                                             nullptr, int(m_rows.size()))
                     .arg(error.message(), TextFile::nativeName(path), where)
               : QCoreApplication::translate("AlarmCatalogue", "%1\n\nThe alarm list could not be read.")
                     .arg(error.message());
        message += notKept.isEmpty()
                       ? QCoreApplication::translate("AlarmCatalogue", " The original file is kept as %1.")
                             .arg(TextFile::nativeName(backup))
                       : QCoreApplication::translate(
                             "AlarmCatalogue", " A copy of the original file could not be kept as %1 (%2); save your "
                                               "alarms elsewhere before leaving the program.")
                             .arg(TextFile::nativeName(backup), notKept);
        throw AppError(message);
    }
    // Every row was read. What the next save writes otherwise (the encoding,
    // a slot in another form) is said once; the original is kept all the
    // same, for a copy of the program that still reads it in its old form.
    QString notice;
    if (rewritten) {
        notice =
            QCoreApplication::translate("AlarmCatalogue", "The alarm list %1 gives the alarm slot %2 as '%3' (line "
                                                          "%4); it is saved as '%2' from now on.")
                .arg(TextFile::nativeName(path), QString::number(rewritten->slot), TextFile::excerpt(rewritten->text),
                     QString::number(rewritten->line));
    }
    if (!info.encoding.isEmpty()) {
        const QString how =
            info.encoding == QLatin1String("Windows-1252")
                ? QCoreApplication::translate("AlarmCatalogue", "is not in UTF-8; it was read whole as Windows-1252")
                : QCoreApplication::translate("AlarmCatalogue",
                                              "is in %1 (it starts with a byte-order mark); it was read whole")
                      .arg(info.encoding);
        notice += (notice.isEmpty() ? QString() : QStringLiteral(" ")) +
                  QCoreApplication::translate("AlarmCatalogue", "The alarm list %1 %2 and is saved in UTF-8 without a "
                                                                "byte-order mark from now on. No alarm was lost.")
                      .arg(TextFile::nativeName(path), how);
    } else if (!notice.isEmpty()) {
        notice += QCoreApplication::translate("AlarmCatalogue", " No alarm was lost.");
    }
    if (notice.isEmpty())
        return {};
    const QString backup = path + QStringLiteral(".bak");
    const QString notKept = TextFile::keepCopy(path, backup);
    notice += notKept.isEmpty() ? QCoreApplication::translate("AlarmCatalogue", " The original file is kept as %1.")
                                      .arg(TextFile::nativeName(backup))
                                : QCoreApplication::translate(
                                      "AlarmCatalogue", " A copy of the original file could not be kept as %1 (%2).")
                                      .arg(TextFile::nativeName(backup), notKept);
    return notice;
}

CatalogueRow AlarmCatalogue::readRow(LineReader &in, std::optional<RewrittenSlot> &firstRewritten) const
{
    const int alarm = m_rows.size() + 1;
    // A key that fails names its line and what it is.
    const auto checked = [&in, alarm](const char *field, const auto &check) {
        try {
            check();
        } catch (const AppError &error) {
            throw AppError(QCoreApplication::translate("AlarmCatalogue", "%1 (line %2: the %3 of alarm %4)")
                               .arg(error.message(), QString::number(in.lineNumber()),
                                    QCoreApplication::translate("AlarmCatalogue", field), QString::number(alarm)));
        }
    };
    CatalogueRow row;
    row.caption = in.next();
    row.frequencyName = in.next();
    row.timeText = in.next();
    row.dateText = in.next();
    row.timeKey = in.next();
    checked(QT_TRANSLATE_NOOP("AlarmCatalogue", "time key"), [&] { checkTimeKey(row.timeKey); });
    row.dateKey = in.next();
    checked(QT_TRANSLATE_NOOP("AlarmCatalogue", "date key"), [&] { checkDateKey(row.dateKey); });
    row.weekdayMask = in.next();
    const QString slotText = in.next();
    checked(QT_TRANSLATE_NOOP("AlarmCatalogue", "slot"), [&] { row.slot = CatalogueRow::decodeSlot(slotText); });
    // Two rows on one slot would share one alarm file: deleting either
    // would take the other's settings with it.
    if (isSlotInUse(row.slot))
        throw AppError(
            QCoreApplication::translate("AlarmCatalogue", "The alarm slot '%1' is used by two alarms (line %2)")
                .arg(TextFile::excerpt(slotText), QString::number(in.lineNumber())));
    // "07" names slot 7 as it always has, but is written back as "7".
    if (!firstRewritten && QString::number(row.slot) != slotText)
        firstRewritten = RewrittenSlot{slotText, in.lineNumber(), row.slot};
    // A row joins the list only when all of it has been read and checked.
    return row;
}

QByteArray AlarmCatalogue::encode(const QList<CatalogueRow> &rows)
{
    QStringList lines{QString::number(rows.size())};
    for (const CatalogueRow &row : rows)
        lines << row.fields();
    return TextFile::encodeLines(lines);
}

QByteArray AlarmCatalogue::encodeForWriting(const QList<CatalogueRow> &rows)
{
    // Named as in the messages of a start that could not read them.
    static const char *const fieldNames[CatalogueRow::FieldCount] = {
        "caption", "frequency name", "time text", "date text", "time key", "date key", "weekday mask", "slot"};
    const QByteArray data = encode(rows);
    const TextFile::Limits bounds = limits();
    const auto refuse = [&rows](qsizetype row, const QString &why) {
        return AppError(
            QCoreApplication::translate("AlarmCatalogue", "The alarm \"%1\" can't be saved: %2. Nothing was saved.")
                .arg(TextFile::excerpt(rows[row].caption.section(u'\n', 0, 0)), why));
    };
    QStringList expected{QString::number(rows.size())};
    for (const CatalogueRow &row : rows)
        expected << row.fields();
    // Read without bounds first, so that a long line is named by its field.
    const QStringList read =
        TextFile::decodeLines(data, {std::numeric_limits<qint64>::max() / 8, std::numeric_limits<qsizetype>::max()});
    for (qsizetype i = 1; i < qMax(expected.size(), read.size()); ++i) {
        const qsizetype row = qMin<qsizetype>((i - 1) / CatalogueRow::FieldCount, rows.size() - 1);
        const QString field = QString::fromLatin1(
            fieldNames[i <= rows.size() * CatalogueRow::FieldCount ? (i - 1) % CatalogueRow::FieldCount
                                                                   : CatalogueRow::FieldCount - 1]);
        if (i >= expected.size() || i >= read.size() || expected[i] != read[i]) {
            throw refuse(row, QCoreApplication::translate("AlarmCatalogue",
                                                          "its %1 holds a line break or a character a line of its "
                                                          "file can't carry")
                                  .arg(field));
        }
        if (read[i].size() > bounds.maxLineCharacters) {
            throw refuse(row,
                         QCoreApplication::translate("AlarmCatalogue",
                                                     "its %1 is %2 characters long; a line of the alarm list "
                                                     "holds at most %3")
                             .arg(field, QString::number(read[i].size()), QString::number(bounds.maxLineCharacters)));
        }
    }
    // The whole list within its bound: rows are few, so only many long captions pass it.
    try {
        TextFile::decodeLines(data, bounds);
    } catch (const AppError &error) {
        throw refuse(rows.size() - 1, error.message());
    }
    // The very checks of a start: keys, slots, a slot twice.
    AlarmCatalogue reader;
    LineReader in(read);
    in.next();
    std::optional<RewrittenSlot> rewritten;
    for (qsizetype row = 0; row < rows.size(); ++row) {
        try {
            reader.m_rows << reader.readRow(in, rewritten);
            reader.setSlotInUse(reader.m_rows.constLast().slot, true);
        } catch (const AppError &error) {
            throw refuse(row, error.message());
        }
    }
    return data;
}

QString AlarmCatalogue::missingAlarmFilesReport(const QString &dataFolder) const
{
    const QString folder = dataFolder.endsWith(u'/') ? dataFolder : dataFolder + u'/';
    QStringList listed;
    int missing = 0;
    for (const CatalogueRow &row : m_rows) {
        const QString file = slotFileName(row.slot);
        if (!TextFile::isAbsent(folder + file))
            continue;
        // As many as the report of missed alarms lists, for the same screen.
        if (++missing <= AlarmScheduler::MaxMissedListed)
            listed << QStringLiteral("\"%1\" (%2)").arg(TextFile::excerpt(row.caption), file);
    }
    if (missing == 0)
        return {};
    if (missing > listed.size())
        listed << QCoreApplication::translate("AlarmCatalogue", "and %n more.", nullptr, int(missing - listed.size()));
    return QCoreApplication::translate(
               "AlarmCatalogue",
               "%n alarm(s) have no alarm file in %1. They ring all the same, with the first built-in "
               "sound and without a reminder:\n%2\n\nEdit such an alarm to give it its settings again, "
               "or delete it.",
               nullptr, missing)
        .arg(TextFile::nativeName(QDir::cleanPath(folder)), listed.join(u'\n'));
}

void AlarmCatalogue::write(const QString &path) const
{
    TextFile::writeAtomically(path, encode(m_rows));
}

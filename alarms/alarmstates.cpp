#include "alarmstates.h"

#include "alarmcatalogue.h"
#include "apperror.h"
#include "conversions.h"
#include "schedulerules.h"
#include "textfile.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <algorithm>

namespace {

const QString kSkipFormat = QStringLiteral("yyyyMMddHHmmss");
const QString kPauseFormat = QStringLiteral("ddMMyyyy");
const QString kTrue = QStringLiteral("TRUE");
const QString kFalse = QStringLiteral("FALSE");
const QString kImportedMarker = QStringLiteral("***Imported from***");
const QString kDigestPrefix = QStringLiteral("sha256:");

AppError lineError(qsizetype line, const QString &what)
{
    return AppError(QCoreApplication::translate("AlarmStates", "Line %1 of the alarm states: %2").arg(line).arg(what));
}

} // namespace

QString AlarmState::uidKey(const QString &uid)
{
    const bool fitsALine =
        uid.size() <= LongestUidKept && std::none_of(uid.begin(), uid.end(), [](QChar c) {
            return c.category() == QChar::Other_Control || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
        });
    // A UID that only looks like a digest is one too, so that no two UIDs share a key.
    if (fitsALine && !uid.startsWith(kDigestPrefix))
        return uid;
    return kDigestPrefix +
           QString::fromLatin1(QCryptographicHash::hash(uid.toUtf8(), QCryptographicHash::Sha256).toHex());
}

bool AlarmState::letsRing(const QDateTime &due) const
{
    if (!enabled)
        return false;
    if (pausedUntil && due.date() < *pausedUntil)
        return false;
    return !skippedDue || due != *skippedDue;
}

std::optional<QDateTime> AlarmState::firstRingingAtOrAfter(const ScheduleRules::RowKeys &keys,
                                                           const QDateTime &from) const
{
    if (!enabled)
        return std::nullopt;
    QDateTime start = from;
    if (pausedUntil)
        start = qMax(start, ScheduleRules::wallMoment(*pausedUntil, QTime(0, 0)));
    std::optional<QDateTime> at = ScheduleRules::firstDueAtOrAfter(keys, start);
    if (at && !letsRing(*at))
        at = ScheduleRules::firstDueAtOrAfter(keys, at->addSecs(1));
    return at;
}

void AlarmStates::setState(int slot, const AlarmState &state)
{
    if (state.isDefault()) {
        if (m_states.remove(slot) == 0)
            return;
    } else {
        if (m_states.value(slot) == state && m_states.contains(slot))
            return;
        m_states.insert(slot, state);
    }
    emit changed();
}

void AlarmStates::setAll(const QMap<int, AlarmState> &states)
{
    QMap<int, AlarmState> kept = states;
    kept.removeIf([](const auto &entry) { return entry.value().isDefault(); });
    if (kept == m_states)
        return;
    m_states = kept;
    emit changed();
}

TextFile::Limits AlarmStates::limits()
{
    // Four short lines for each of the slots, three more for an imported
    // alarm (its UID key the longest), and room to spare.
    TextFile::Limits limits;
    limits.maxCharacters = 256 * 1024;
    limits.maxLineCharacters = 256;
    return limits;
}

QByteArray AlarmStates::encode(const QMap<int, AlarmState> &states)
{
    QStringList lines;
    lines << QString::number(states.size());
    for (auto it = states.begin(); it != states.end(); ++it) {
        const AlarmState &state = it.value();
        lines << QString::number(it.key()) << (state.enabled ? kTrue : kFalse)
              << (state.skippedDue ? state.skippedDue->toString(kSkipFormat) : QString())
              << (state.pausedUntil ? state.pausedUntil->toString(kPauseFormat) : QString());
    }
    QStringList imported;
    for (auto it = states.begin(); it != states.end(); ++it) {
        if (const std::optional<ImportedFrom> &from = it.value().importedFrom)
            imported << QString::number(it.key()) << from->uid << from->digest;
    }
    if (!imported.isEmpty())
        lines << kImportedMarker << QString::number(imported.size() / LinesPerImportedEntry) << imported;
    return TextFile::encodeLines(lines);
}

QMap<int, AlarmState> AlarmStates::decode(const QByteArray &data)
{
    LineReader in(TextFile::decodeLines(data, limits()));
    const int count = Conversions::toInteger(in.next());
    const qsizetype entryLines = 1 + qsizetype(count) * LinesPerEntry;
    if (count < 0 || count > AlarmCatalogue::SlotCount ||
        (in.lineCount() != entryLines && (in.lineCount() < entryLines + 2 || count == 0))) {
        throw AppError(QCoreApplication::translate(
                           "AlarmStates", "The alarm states announce %1 entries, but %2 lines follow (four for each).")
                           .arg(count)
                           .arg(in.lineCount() - 1));
    }
    QMap<int, AlarmState> states;
    for (int i = 0; i < count; ++i) {
        const QString slotText = in.next();
        bool ok = false;
        const int slot = slotText.toInt(&ok);
        if (!ok || slot < 0 || slot >= AlarmCatalogue::SlotCount || states.contains(slot))
            throw lineError(in.lineNumber(),
                            QCoreApplication::translate("AlarmStates", "'%1' is no free alarm slot").arg(slotText));
        AlarmState state;
        const QString enabled = in.next();
        if (enabled != kTrue && enabled != kFalse)
            throw lineError(in.lineNumber(),
                            QCoreApplication::translate("AlarmStates", "'%1' is neither TRUE nor FALSE").arg(enabled));
        state.enabled = enabled == kTrue;
        if (const QString skipped = in.next(); !skipped.isEmpty()) {
            // A wall-clock second, read without a time zone like every other:
            // 02:30 on the night the clocks go forward is one too.
            const QDate day = QDate::fromString(skipped.left(8), QStringLiteral("yyyyMMdd"));
            const QTime time = QTime::fromString(skipped.mid(8), QStringLiteral("HHmmss"));
            if (skipped.size() != kSkipFormat.size() || !day.isValid() || !time.isValid())
                throw lineError(in.lineNumber(),
                                QCoreApplication::translate("AlarmStates", "'%1' is no moment").arg(skipped));
            state.skippedDue = ScheduleRules::wallMoment(day, time);
        }
        if (const QString paused = in.next(); !paused.isEmpty()) {
            const QDate until = QDate::fromString(paused, kPauseFormat);
            if (!until.isValid())
                throw lineError(in.lineNumber(),
                                QCoreApplication::translate("AlarmStates", "'%1' is no date").arg(paused));
            state.pausedUntil = until;
        }
        states.insert(slot, state);
    }
    if (in.atEnd())
        return states;
    // What follows the entries is the alarms imported from calendar events, and nothing else.
    const auto misplaced = [&in](const QString &text) {
        return lineError(
            in.lineNumber(),
            QCoreApplication::translate("AlarmStates", "'%1' does not belong here").arg(TextFile::excerpt(text)));
    };
    if (const QString marker = in.next(); marker != kImportedMarker)
        throw misplaced(marker);
    const QString importedText = in.next();
    const int imported = Conversions::toInteger(importedText);
    if (imported < 1 || imported > count ||
        in.lineCount() != entryLines + 2 + qsizetype(imported) * LinesPerImportedEntry)
        throw misplaced(importedText);
    for (int i = 0; i < imported; ++i) {
        const QString slotText = in.next();
        bool ok = false;
        const int slot = slotText.toInt(&ok);
        if (!ok || !states.contains(slot) || states[slot].importedFrom)
            throw misplaced(slotText);
        ImportedFrom from;
        from.uid = in.next();
        if (from.uid.isEmpty())
            throw misplaced(from.uid);
        from.digest = in.next();
        if (from.digest.isEmpty())
            throw misplaced(from.digest);
        states[slot].importedFrom = from;
    }
    return states;
}

void AlarmStates::read(const QString &path)
{
    if (TextFile::isAbsent(path)) {
        setAll({});
        return;
    }
    try {
        // Refuses, naming it, what is no file (a named pipe, a link to nowhere).
        setAll(decode(TextFile::readBytes(path, limits().maxBytes())));
    } catch (const AppError &error) {
        setAll({});
        const QString backup = path + QStringLiteral(".bak");
        const bool kept = TextFile::keepCopy(path, backup).isEmpty();
        throw AppError(
            QCoreApplication::translate("AlarmStates",
                                        "The alarm states %1 could not be read: %2\n\nEvery alarm is on and nothing is "
                                        "skipped or paused until you change it.%3")
                .arg(TextFile::nativeName(path), error.message(),
                     kept ? QCoreApplication::translate("AlarmStates", " The file is kept as %1.")
                                .arg(TextFile::nativeName(backup))
                          : QString()));
    }
}

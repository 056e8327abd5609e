#include "alarmlistmodel.h"

#include "alarmengine.h"
#include "cataloguerow.h"
#include "clock.h"
#include "datetimeformatter.h"
#include "datetimepattern.h"

#include <QBrush>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPalette>

AlarmListModel::AlarmListModel(AlarmEngine &engine, QObject *parent) : QIdentityProxyModel(parent), m_engine(engine)
{
    setSourceModel(&engine.catalogue());
    // A state changes nothing in the catalogue, but every row may look otherwise.
    connect(&engine.states(), &AlarmStates::changed, this, [this]() {
        if (rowCount() > 0)
            emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    });
}

// The frequency names as the list's narrow column shows them.
[[maybe_unused]] constexpr const char *kFrequencyColumnNames[] = {
    QT_TRANSLATE_NOOP("FrequencyColumn", "Once"),    QT_TRANSLATE_NOOP("FrequencyColumn", "Hourly"),
    QT_TRANSLATE_NOOP("FrequencyColumn", "Daily"),   QT_TRANSLATE_NOOP("FrequencyColumn", "Weekly"),
    QT_TRANSLATE_NOOP("FrequencyColumn", "Monthly"), QT_TRANSLATE_NOOP("FrequencyColumn", "Yearly")};

QString AlarmListModel::timeShown(int row, const QString &stored) const
{
    // The list keeps a time of day with AM/PM; where the user's clock runs to
    // 24 hours it is shown that way, from the row's time key.
    const DateTimeFormatter &formatter = m_engine.formatter();
    const CatalogueRow &entry = m_engine.catalogue().row(row);
    const QTime time = QTime::fromString(entry.timeKey, QStringLiteral("HHmmss"));
    if (entry.frequencyName != frequencyNames()[int(Frequency::Hourly)] && time.isValid() &&
        !DateTimePattern::isTwelveHour(formatter.formats().longTimeFormat))
        return formatter.format(u"hh:nn:ss", time);
    return CatalogueRow::shownText(stored);
}

QString AlarmListModel::dateShown(int row, const QString &stored) const
{
    // The list keeps "--" for a weekly alarm, which says nothing of its days,
    // least of all to a screen reader; the days it rings on are shown instead,
    // by the user's short names, in the order of the editor's boxes.
    const CatalogueRow &entry = m_engine.catalogue().row(row);
    const QStringList &dayNames = m_engine.formatter().formats().shortDayNames;
    if (entry.frequencyName == frequencyNames()[int(Frequency::Weekly)] && entry.weekdayMask.size() == 7 &&
        dayNames.size() == 7 && entry.weekdayMask.contains(u'1')) {
        QStringList days;
        for (int day = 0; day < 7; ++day) {
            if (entry.weekdayMask[day] == u'1')
                days << dayNames[day];
        }
        //: Between the days of a weekly alarm in the list: "Mon, Wed, Fri".
        return days.join(tr(", "));
    }
    return CatalogueRow::shownText(stored);
}

QString AlarmListModel::stateNote(int row) const
{
    if (row < 0 || row >= m_engine.catalogue().size())
        return {};
    const AlarmState state = m_engine.stateOfRow(row);
    if (!state.enabled)
        return {};
    const DateTimeFormatter &formatter = m_engine.formatter();
    if (state.pausedUntil) {
        // The pause is over at the start of its day.
        if (state.pausedUntil <= m_engine.clock().now().date())
            return {};
        return tr("paused until %1").arg(formatter.shortDate(*state.pausedUntil));
    }
    if (state.skippedDue && *state.skippedDue >= ScheduleRules::wallMomentOf(m_engine.clock().now())) {
        const std::optional<QDateTime> next = m_engine.nextRinging(row);
        return next ? tr("skipped until %1 %2")
                          .arg(formatter.format(u"ddd", next->date()), formatter.longTime(next->time()))
                    : tr("skipped");
    }
    return {};
}

QVariant AlarmListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const bool on = m_engine.stateOfRow(index.row()).enabled;
    if (role == Qt::CheckStateRole && index.column() == 0)
        return on ? Qt::Checked : Qt::Unchecked;
    if (role == Qt::ForegroundRole && !on)
        return QGuiApplication::palette().brush(QPalette::Disabled, QPalette::Text);
    if (role == Qt::DisplayRole && index.column() == 0) {
        const QString note = stateNote(index.row());
        const QString caption = QIdentityProxyModel::data(index, role).toString();
        return note.isEmpty() ? caption : QStringLiteral("%1 (%2)").arg(caption, note);
    }
    // The list keeps the frequency's English name; it is shown in the user's language, in a form short enough
    // for the column (the editor has room for the long one).
    if (role == Qt::DisplayRole && index.column() == 1)
        return QCoreApplication::translate("FrequencyColumn",
                                           QIdentityProxyModel::data(index, role).toString().toUtf8().constData());
    if (role == Qt::DisplayRole && index.column() == 2)
        return timeShown(index.row(), QIdentityProxyModel::data(index, role).toString());
    if (role == Qt::DisplayRole && index.column() == 3)
        return dateShown(index.row(), QIdentityProxyModel::data(index, role).toString());
    if (role == Qt::AccessibleDescriptionRole && index.column() == 0)
        return on ? stateNote(index.row()) : tr("off");
    // Screen readers read a row's cells by their names and leave the box of
    // a cell unsaid, so the first cell's name says whether the alarm is on.
    if (role == Qt::AccessibleTextRole && index.column() == 0)
        return QStringList{data(index, Qt::DisplayRole).toString(), on ? tr("on") : tr("off")}.join(tr(", "));
    return QIdentityProxyModel::data(index, role);
}

bool AlarmListModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::CheckStateRole || index.column() != 0)
        return QIdentityProxyModel::setData(index, value, role);
    emit enabledToggled(index.row(), value.value<Qt::CheckState>() == Qt::Checked);
    // The box follows the states the engine keeps, through dataChanged.
    return true;
}

Qt::ItemFlags AlarmListModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags flags = QIdentityProxyModel::flags(index);
    if (index.isValid() && index.column() == 0)
        flags |= Qt::ItemIsUserCheckable;
    return flags;
}

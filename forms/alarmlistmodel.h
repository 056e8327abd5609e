#pragma once

#include <QIdentityProxyModel>

class AlarmEngine;

// The catalogue as the manager's list shows it: each row with a check box
// saying whether the alarm is on, rows that are off greyed, and a skipped or
// paused alarm saying until when. Ticking the box asks the engine; the
// texts of the catalogue itself are left as they are.
class AlarmListModel final : public QIdentityProxyModel
{
    Q_OBJECT

public:
    explicit AlarmListModel(AlarmEngine &engine, QObject *parent = nullptr);

    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // What the row says of its state, or empty: "skipped until …", "paused until …".
    QString stateNote(int row) const;

signals:
    // The user ticked or cleared a row's box.
    void enabledToggled(int row, bool on);

private:
    // The row's time column as the user reads it.
    QString timeShown(int row, const QString &stored) const;
    // The row's date column as the user reads it.
    QString dateShown(int row, const QString &stored) const;

    AlarmEngine &m_engine;
};

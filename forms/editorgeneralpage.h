#pragma once

#include <QString>
#include <QWidget>
#include <array>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QFrame;
class QPlainTextEdit;
class QTimeEdit;
struct AlarmRecord;
struct LocaleFormats;

// The editor's "General " page: the frequency, the alarm's time and date,
// the days of the week and the reminder. Each frequency shows only the parts
// of the time and date it uses and enables the fields it needs; the values
// themselves are never cut, so a field that a frequency hides or greys out
// keeps its value and it is stored whole.
class EditorGeneralPage final : public QWidget
{
    Q_OBJECT

public:
    // The time and date fields show the user's formats unless a frequency
    // asks for fewer parts.
    explicit EditorGeneralPage(const LocaleFormats &formats, QWidget *parent = nullptr);

    // Sets the fields from the alarm, as if the user had picked its frequency.
    void load(const AlarmRecord &record);
    // Puts the fields' values into the alarm.
    void store(AlarmRecord &record) const;
    // The alarm's on/off switch.
    void setAlarmOn(bool on);
    bool alarmOn() const;

    // The first row of the reminder as the memo shows it (a long first line
    // wraps); it names the alarm in the list.
    QString caption() const;
    // The page's controls in the order Tab visits them.
    QList<QWidget *> tabOrder() const;

signals:
    // The user changed the reminder's text.
    void reminderEdited();

public slots:
    void FrequencyChange();
    void ActionFrequencyChangeExecute();
    void ActionFixedDateExecute();
    void ActionHourlyExecute();
    void ActionDailyExecute();
    void ActionWeeklyExecute();
    void ActionMonthlyExecute();
    void ActionYearlyExecute();

private:
    void setFrequencyFormats(const QString &timeFormat, bool dateEnabled, const QString &dateFormat, bool daysEnabled);
    QString memoText() const;

    QString m_systemTimeFormat; // the user's long time format, as a Qt display format
    QString m_systemDateFormat; // the user's short date format, as a Qt display format

    QComboBox *Frequency = nullptr;
    QDateEdit *DatePicker = nullptr;
    QTimeEdit *TimePicker = nullptr;
    std::array<QCheckBox *, 7> m_dayBoxes{}; // CheckBox1 (Sunday) to CheckBox7 (Saturday)
    QFrame *Panel1 = nullptr;
    QPlainTextEdit *Memo = nullptr;
    QCheckBox *AlarmOn = nullptr;
};

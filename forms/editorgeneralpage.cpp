#include "editorgeneralpage.h"

#include "alarmrecord.h"
#include "datetimepattern.h"
#include "editorcontrols.h"
#include "localeformats.h"
#include "typeddatetimeedit.h"

#include <QAbstractTextDocumentLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimeEdit>
#include <algorithm>

using namespace EditorControls;

namespace {

// Qt takes every letter of a display format as a field; other marks stand for themselves.
QString quotedLiteral(const QString &text)
{
    const bool hasLetter = std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.isLetter(); });
    if (!hasLetter && !text.contains(u'\''))
        return text;
    QString quoted = text;
    quoted.replace(u'\'', QStringLiteral("''"));
    return u'\'' + quoted + u'\'';
}

// The program's pattern letters (see DateTimeFormatter) as a display format
// of Qt's date-time fields, so the fields follow the user's settings exactly
// as the other texts of the program do.
QString qtDisplayFormat(QStringView pattern, const LocaleFormats &formats)
{
    QString out;
    for (const PatternToken &token : DateTimePattern::tokenize(pattern)) {
        switch (token.kind) {
        case PatternToken::Literal:
            out += quotedLiteral(token.text);
            break;
        case PatternToken::Year:
            out += QString(token.width, u'y');
            break;
        case PatternToken::Month:
            out += QString(token.width, u'M');
            break;
        case PatternToken::Day:
            out += QString(token.width, u'd');
            break;
        case PatternToken::Hour:
            out += QString(token.width, u'h');
            break;
        case PatternToken::Minute:
            out += QString(token.width, u'm');
            break;
        case PatternToken::Second:
            out += QString(token.width, u's');
            break;
        case PatternToken::Millisecond:
            out += QString(token.width, u'z');
            break;
        case PatternToken::AmPm:
            out += token.upper ? QStringLiteral("AP") : QStringLiteral("ap");
            break;
        case PatternToken::AmPmLocale:
            out += QStringLiteral("AP");
            break;
        case PatternToken::DateSeparator:
            out += quotedLiteral(formats.dateSeparator);
            break;
        case PatternToken::TimeSeparator:
            out += quotedLiteral(formats.timeSeparator);
            break;
        }
    }
    return out;
}

} // namespace

EditorGeneralPage::EditorGeneralPage(const LocaleFormats &formats, QWidget *parent)
    : QWidget(parent), m_systemTimeFormat(qtDisplayFormat(formats.longTimeFormat, formats)),
      m_systemDateFormat(qtDisplayFormat(formats.shortDateFormat, formats))
{
    setObjectName(QStringLiteral("TabSheet1"));

    auto *frequencyLabel = label(this, tr("Alarm Frequency: "), 16, 11);
    Frequency = named(new QComboBox(this), "Frequency");
    for (const QString &name : frequencyNames())
        Frequency->addItem(QCoreApplication::translate("Frequency", name.toUtf8().constData()));
    Frequency->setGeometry(qMax(120, frequencyLabel->geometry().right() + 4), 8, 145, 23);
    frequencyLabel->setBuddy(Frequency);
    connect(Frequency, &QComboBox::activated, this, &EditorGeneralPage::FrequencyChange);

    auto *dateLabel = label(this, tr("Date:"), 16, 36);
    DatePicker = named(new TypedDateEdit(this), "DatePicker");
    dateLabel->setBuddy(DatePicker);
    DatePicker->setCalendarPopup(true);
    // Every date an alarm file can hold stays as it is.
    DatePicker->setDateRange(QDate(1, 1, 1), QDate(9999, 12, 31));
    DatePicker->setGeometry(24, 56, 145, 21);

    auto *timeLabel = label(this, tr("Time:"), 176, 36);
    TimePicker = named(new TypedTimeEdit(this), "TimePicker");
    timeLabel->setBuddy(TimePicker);
    TimePicker->setGeometry(184, 56, 137, 21);

    label(this, tr("Days of week:"), 16, 88);
    static const char *const dayNames[] = {"CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4",
                                           "CheckBox5", "CheckBox6", "CheckBox7"};
    const QStringList dayCaptions{tr("Sun"), tr("Mon"), tr("Tur"), tr("Wed"), tr("Thu"), tr("Fri"), tr("Sat")};
    static constexpr int dayX[] = {32, 112, 192, 264, 32, 112, 192};
    for (int i = 0; i < 7; ++i) {
        auto *box = named(new QCheckBox(dayCaptions[i], this), dayNames[i]);
        place(box, dayX[i], i < 4 ? 104 : 136, 49, 17);
        m_dayBoxes[size_t(i)] = box;
    }

    Panel1 = sunkenLine(this, "Panel1", 8, 168, 329);

    // Whether the alarm rings at all; kept beside the alarm's file, not in it.
    AlarmOn = named(new QCheckBox(tr("Alarm &on"), this), "AlarmOn");
    place(AlarmOn, 256, 184, 81, 17);
    AlarmOn->setChecked(true);

    auto *reminderLabel = label(this, tr("Reminder:"), 16, 184);
    Memo = named(new QPlainTextEdit(this), "Memo");
    reminderLabel->setBuddy(Memo);
    Memo->setGeometry(16, 208, 321, 113);
    Memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo->setTabChangesFocus(true);
    Memo->setPlainText(tr("Don't for get to ...\n"));
    connect(Memo, &QPlainTextEdit::textChanged, this, &EditorGeneralPage::reminderEdited);
}

void EditorGeneralPage::setAlarmOn(bool on)
{
    AlarmOn->setChecked(on);
}

bool EditorGeneralPage::alarmOn() const
{
    return AlarmOn->isChecked();
}

QList<QWidget *> EditorGeneralPage::tabOrder() const
{
    // Screen order: rows from the top, left to right in a row.
    QList<QWidget *> chain{Frequency, DatePicker, TimePicker};
    for (QCheckBox *box : m_dayBoxes)
        chain << box;
    chain << AlarmOn << Memo;
    return chain;
}

void EditorGeneralPage::load(const AlarmRecord &r)
{
    // A code outside the list leaves it without a selection and the fields as they are.
    Frequency->setCurrentIndex(r.frequencyCode >= 0 && r.frequencyCode < Frequency->count() ? r.frequencyCode : -1);
    if (Frequency->currentIndex() >= 0)
        ActionFrequencyChangeExecute();
    TimePicker->setTime(r.alarmTime);
    DatePicker->setDate(r.alarmDate);
    for (int i = 0; i < 7; ++i)
        m_dayBoxes[size_t(i)]->setChecked(r.dayFlags[size_t(i)]);
    if (memoText() != r.reminder)
        Memo->setPlainText(r.reminder);
}

void EditorGeneralPage::store(AlarmRecord &r) const
{
    r.frequencyCode = Frequency->currentIndex();
    const QTime t = TimePicker->time();
    r.alarmTime = QTime(t.hour(), t.minute(), t.second());
    r.alarmDate = DatePicker->date();
    for (int i = 0; i < 7; ++i)
        r.dayFlags[size_t(i)] = m_dayBoxes[size_t(i)]->isChecked();
    r.reminder = memoText();
}

QString EditorGeneralPage::memoText() const
{
    // toPlainText() turns non-breaking spaces into plain ones (text pasted
    // from a web page has them); the reminder is kept as it was written.
    QString text = Memo->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, u'\n');
    return text;
}

QString EditorGeneralPage::caption() const
{
    const QTextBlock first = Memo->document()->firstBlock();
    if (!first.isValid() || first.text().isEmpty())
        return {};
    // Lays the block out at the memo's width if it has not been shown yet.
    Memo->document()->documentLayout()->blockBoundingRect(first);
    const QTextLayout *layout = first.layout();
    if (!layout || layout->lineCount() == 0)
        return first.text();
    const QTextLine row = layout->lineAt(0);
    return first.text().mid(row.textStart(), row.textLength());
}

void EditorGeneralPage::FrequencyChange()
{
    ActionFrequencyChangeExecute();
}

void EditorGeneralPage::ActionFrequencyChangeExecute()
{
    switch (Frequency->currentIndex()) {
    case int(Frequency::Once):
        ActionFixedDateExecute();
        break;
    case int(Frequency::Hourly):
        ActionHourlyExecute();
        break;
    case int(Frequency::Daily):
        ActionDailyExecute();
        break;
    case int(Frequency::Weekly):
        ActionWeeklyExecute();
        break;
    case int(Frequency::Monthly):
        ActionMonthlyExecute();
        break;
    case int(Frequency::Yearly):
        ActionYearlyExecute();
        break;
    default:
        break;
    }
}

void EditorGeneralPage::setFrequencyFormats(const QString &timeFormat, bool dateEnabled, const QString &dateFormat,
                                            bool daysEnabled)
{
    // A format shows fewer parts of the value; the value itself stays whole
    // and is saved whole.
    TimePicker->setDisplayFormat(timeFormat);
    DatePicker->setDisplayFormat(dateFormat);
    DatePicker->setEnabled(dateEnabled);
    for (QCheckBox *box : m_dayBoxes)
        box->setEnabled(daysEnabled);
}

void EditorGeneralPage::ActionFixedDateExecute()
{
    setFrequencyFormats(m_systemTimeFormat, true, m_systemDateFormat, false);
}

void EditorGeneralPage::ActionHourlyExecute()
{
    setFrequencyFormats(QStringLiteral("mm:ss"), false, m_systemDateFormat, false);
}

void EditorGeneralPage::ActionDailyExecute()
{
    setFrequencyFormats(m_systemTimeFormat, false, m_systemDateFormat, false);
}

void EditorGeneralPage::ActionWeeklyExecute()
{
    setFrequencyFormats(m_systemTimeFormat, false, m_systemDateFormat, true);
}

void EditorGeneralPage::ActionMonthlyExecute()
{
    setFrequencyFormats(m_systemTimeFormat, true, QStringLiteral("dd"), false);
}

void EditorGeneralPage::ActionYearlyExecute()
{
    setFrequencyFormats(m_systemTimeFormat, true, QStringLiteral("MMMM-dd"), false);
}

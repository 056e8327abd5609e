#include "editorotherspage.h"

#include "alarmrecord.h"
#include "editorcontrols.h"
#include "poweractions.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTimeEdit>

using namespace EditorControls;

EditorOthersPage::EditorOthersPage(PowerActions *powerActions, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet2"));

    GroupBox5 = named(new QGroupBox(tr("Closing method "), this), "GroupBox5");
    GroupBox5->setAccessibleName(tr("Closing method"));
    GroupBox5->setGeometry(8, 8, 337, 89);
    RadioButton1 = named(new QRadioButton(tr("Don't auto-close alarm window"), GroupBox5), "RadioButton1");
    place(RadioButton1, 24, 24, 289, 17);
    RadioButton2 = named(new QRadioButton(tr("Close alarm window Automatically"), GroupBox5), "RadioButton2");
    place(RadioButton2, 24, 48, 225, 17);
    // Closing after a number of minutes is not offered; its fields travel unchanged.
    RadioButton3 = named(new QRadioButton(tr("Auto-close after                 minutes"), GroupBox5), "RadioButton3");
    RadioButton3->setGeometry(24, 68, 225, 17);
    RadioButton3->hide();
    AutoCloseTimePicker = minuteField(GroupBox5, "AutoCloseTimePicker", 2, 128, 66, 49);
    AutoCloseTimePicker->hide();

    GroupBox6 = named(new QGroupBox(tr("Power  Saving"), this), "GroupBox6");
    GroupBox6->setAccessibleName(tr("Power Saving"));
    GroupBox6->setGeometry(8, 112, 337, 137);
    auto *explanation =
        new QLabel(tr("You can save power by suspending/shut down your PC or turning off the monitor "), GroupBox6);
    explanation->setWordWrap(true);
    // Styles that draw the title above the frame push the frame down; the
    // text starts below it.
    const int explanationTop = qMax(16, GroupBox6->contentsRect().top() + 2);
    explanation->setGeometry(16, explanationTop, 310, qMax(26, explanation->heightForWidth(310)));
    PowerComboBox = named(new QComboBox(GroupBox6), "PowerComboBox");
    // The list has no label of its own; it is the group's one choice.
    PowerComboBox->setAccessibleName(tr("Power Saving"));
    PowerComboBox->addItems({tr("Do nothing"), tr("Turn monitor off"), tr("Hibernate PC"), tr("Shut down PC")});
    PowerComboBox->setGeometry(24, qMax(56, explanation->geometry().bottom() + 8), 145, 23);
    // Says so at once when the chosen action can't be carried out here.
    PowerNote = named(new QLabel(GroupBox6), "PowerNote");
    PowerNote->setWordWrap(true);
    PowerNote->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    PowerNote->setGeometry(24, PowerComboBox->geometry().bottom() + 6, 297,
                           GroupBox6->height() - PowerComboBox->geometry().bottom() - 12);
    connect(PowerComboBox, &QComboBox::currentIndexChanged, this, &EditorOthersPage::showPowerNote);
    markPowerAvailability(powerActions);
}

QList<QWidget *> EditorOthersPage::tabOrder() const
{
    return {RadioButton1, RadioButton2, PowerComboBox};
}

void EditorOthersPage::load(const AlarmRecord &r)
{
    setRadio(RadioButton1, r.closingFlags[0]);
    setRadio(RadioButton2, r.closingFlags[1]);
    setRadio(RadioButton3, r.closingFlags[2]);
    AutoCloseTimePicker->setTime(QTime(0, r.autoCloseMinutes));
    PowerComboBox->setCurrentIndex(r.powerAction >= 0 && r.powerAction < PowerComboBox->count() ? r.powerAction : -1);
    showPowerNote();
}

void EditorOthersPage::store(AlarmRecord &r) const
{
    r.closingFlags = {RadioButton1->isChecked(), RadioButton2->isChecked(), RadioButton3->isChecked()};
    r.autoCloseMinutes = AutoCloseTimePicker->time().minute();
    r.powerAction = PowerComboBox->currentIndex();
}

void EditorOthersPage::markPowerAvailability(PowerActions *power)
{
    const QBrush greyed = palette().brush(QPalette::Disabled, QPalette::Text);
    for (int code = int(PowerAction::MonitorOff); code <= int(PowerAction::PowerOff); ++code) {
        const PowerAvailability can =
            power ? power->availability(PowerAction(code)) : PowerAvailability{false, tr("not supported here")};
        if (can.available)
            continue;
        m_powerUnavailable[size_t(code)] = tr("Not available: %1").arg(can.reason);
        PowerComboBox->setItemData(code, greyed, Qt::ForegroundRole);
        PowerComboBox->setItemData(code, m_powerUnavailable[size_t(code)], Qt::ToolTipRole);
    }
}

void EditorOthersPage::showPowerNote()
{
    const int code = PowerComboBox->currentIndex();
    const QString note =
        code >= 0 && code < int(m_powerUnavailable.size()) ? m_powerUnavailable[size_t(code)] : QString();
    PowerNote->setText(note);
    PowerComboBox->setToolTip(note);
}

#pragma once

#include <QString>
#include <QWidget>
#include <array>

class PowerActions;
class QComboBox;
class QGroupBox;
class QLabel;
class QRadioButton;
class QTimeEdit;
struct AlarmRecord;

// The editor's "Ohters" page: how the ringing window closes, and what the
// computer does once the alarm has played. An action this computer can't
// carry out stays choosable, since an alarm may already hold it, but looks
// unavailable and says why.
class EditorOthersPage final : public QWidget
{
    Q_OBJECT

public:
    // No power actions means none is supported here; they must outlive the page.
    explicit EditorOthersPage(PowerActions *powerActions, QWidget *parent = nullptr);

    // Sets the closing method and the power action from the alarm.
    void load(const AlarmRecord &record);
    // Puts the closing method and the power action into the alarm.
    void store(AlarmRecord &record) const;

    // The page's controls in the order Tab visits them.
    QList<QWidget *> tabOrder() const;

private:
    void markPowerAvailability(PowerActions *powerActions);
    void showPowerNote();

    std::array<QString, 4> m_powerUnavailable; // why a power action can't run here; empty when it can

    QGroupBox *GroupBox5 = nullptr;
    QRadioButton *RadioButton1 = nullptr;
    QRadioButton *RadioButton2 = nullptr;
    QRadioButton *RadioButton3 = nullptr;     // never shown
    QTimeEdit *AutoCloseTimePicker = nullptr; // never shown
    QGroupBox *GroupBox6 = nullptr;
    QComboBox *PowerComboBox = nullptr;
    QLabel *PowerNote = nullptr;
};

#pragma once

#include "alarmengine.h"

#include <QObject>
#include <functional>
#include <optional>

class QAction;
class QDate;
class QMenu;
class QPushButton;
class QTreeView;
class QWidget;

// The everyday controls of one alarm in the manager: editing it, switching
// it on and off, skipping its next ringing, pausing it until a day and
// resuming it, deleting it, from the row's context menu and by keyboard, and
// taking a delete back.
// What the user asks is done by the engine; a failure is said in the error
// box. A delete can be undone ("Undo" beside the buttons, or Ctrl+Z) until
// the list changes otherwise or the manager is hidden.
class AlarmRowActions final : public QObject
{
    Q_OBJECT

public:
    // The day a pause ends, asked of the user; nothing when they cancelled.
    using DayChooser = std::function<std::optional<QDate>(QWidget *parent, const QDate &suggested)>;

    // `window` is the manager, `list` its list; `undoButton` is shown while a
    // delete can be undone; `edit` opens the selected row in the editor.
    AlarmRowActions(AlarmEngine &engine, QWidget &window, QTreeView &list, QPushButton &undoButton,
                    std::function<void()> edit);

    // Replaces the dialog that asks for the day, so tests can answer it.
    void setDayChooser(DayChooser chooser) { m_dayChooser = std::move(chooser); }

    void toggleEnabled(int row);
    void skipNext(int row);
    void pause(int row);
    void resume(int row);
    // Deletes the row so that it can be brought back.
    void deleteRow(int row);
    void undoDelete();
    bool canUndo() const { return m_deleted.has_value(); }
    // The manager is hidden: a delete can no longer be undone.
    void forgetUndo();

    QMenu *contextMenu() const { return m_menu; }

signals:
    // Whether "Undo" is offered changed.
    void undoOfferChanged(bool offered);

private:
    int currentRow() const;
    void updateMenu();
    // Runs a change the user asked for; its error goes to the error box.
    void perform(const std::function<void()> &change);

    AlarmEngine &m_engine;
    QWidget &m_window;
    QTreeView &m_list;
    QPushButton &m_undoButton;
    DayChooser m_dayChooser;
    std::optional<AlarmEngine::DeletedAlarm> m_deleted;
    bool m_restoring = false;

    QMenu *m_menu = nullptr;
    QAction *m_edit = nullptr;
    QAction *m_delete = nullptr;
    QAction *m_on = nullptr;
    QAction *m_skip = nullptr;
    QAction *m_pause = nullptr;
    QAction *m_resume = nullptr;
    QAction *m_undo = nullptr;
};

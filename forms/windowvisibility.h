#pragma once

#include <QObject>

class QTimer;
class QWidget;

// Tells whether any window of the program is on the screen: shown and not
// minimised. Menus, tooltips, balloons and the tray icon's own little window
// don't count; none of them shows the clock or the alarm list.
class WindowVisibility final : public QObject
{
    Q_OBJECT

public:
    explicit WindowVisibility(QObject *parent = nullptr);

    bool anyVisible() const { return m_anyVisible; }
    static bool counts(const QWidget &window);

signals:
    void changed(bool anyVisible);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void recount();

    bool m_anyVisible = false;
    // Show and hide come in bursts (a window and its children): counted once after them.
    QTimer *m_recount = nullptr;
};

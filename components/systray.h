#pragma once

#include <QIcon>
#include <QObject>
#include <QPoint>
#include <QString>
#include <optional>

class QMenu;
class QSystemTrayIcon;

// One icon in the desktop's notification area, with a tooltip of at most 63
// characters, a popup menu opened by the clicks chosen in PopupMode, and two
// notifications: a button pressed on the icon and a double click.
//
// The platform's status-icon service (StatusNotifierItem or an XEmbed tray)
// reports activations, not raw mouse messages. They are mapped as follows:
// a context request is a right button press, a trigger a left button press,
// a double click a left double click. A right double click can't be told
// apart on this platform and is never reported. Positions are the cursor's
// when the activation arrives.
//
// A StatusNotifierItem host (KDE Plasma, Xfce's panel, GNOME's AppIndicator
// extension) draws the menu itself, so there the menu is handed to it and
// the host opens it where it likes; it also never reports a double click,
// only a click, so there a left click is reported as a left button press
// followed by a left double click. An XEmbed tray reports the real clicks,
// and the menu is opened by this component, aligned as PopupAlign says.
class TSysTray final : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool Active READ Active WRITE setActive)
    Q_PROPERTY(QIcon Icon READ Icon WRITE setIcon)
    Q_PROPERTY(QString Hint READ Hint WRITE setHint)
    Q_PROPERTY(int PopupMode READ PopupMode WRITE setPopupMode)
    Q_PROPERTY(int PopupAlign READ PopupAlign WRITE setPopupAlign)

public:
    enum PopupModeFlag
    {
        pmLeftClick = 1,
        pmRightClick = 2,
        pmLeftDblClick = 4,
        pmRightDblClick = 8
    };
    enum TPopupAlign
    {
        paLeft,
        paRight,
        paCenter
    };
    enum class Button
    {
        Left,
        Right
    };
    // What the platform reports; see the class comment.
    enum class Activation
    {
        Trigger,
        Context,
        DoubleClick,
        Other
    };

    static constexpr int MaxHintLength = 63;

    explicit TSysTray(QObject *parent = nullptr);
    ~TSysTray() override;

    bool Active() const { return m_active; }
    void setActive(bool active);
    QIcon Icon() const { return m_icon; }
    void setIcon(const QIcon &icon);
    QString Hint() const { return m_hint; }
    void setHint(const QString &hint);
    QMenu *PopupMenu() const { return m_popupMenu; }
    void setPopupMenu(QMenu *menu);
    int PopupMode() const { return m_popupMode; }
    void setPopupMode(int mode) { m_popupMode = mode; }
    int PopupAlign() const { return m_popupAlign; }
    void setPopupAlign(int align) { m_popupAlign = align; }

    // Whether the icon is in the notification area right now.
    bool isShown() const;
    // The desktop has a notification area at all.
    static bool isAvailable();
    // Decides isAvailable() in place of the desktop (for tests); nullopt asks the desktop again.
    static void overrideAvailability(std::optional<bool> available);

    // The icon goes to a StatusNotifierItem host: the host shows the menu,
    // and a click stands for a double click. Decided once, at the first
    // tray made, as Qt decides it.
    static bool isStatusNotifierItem();
    // Decides isStatusNotifierItem() in place of the session (for tests).
    static void overrideStatusNotifierItem(std::optional<bool> statusNotifierItem);

    // Shows a passing message next to the icon (used for missed alarms).
    void showMessage(const QString &title, const QString &text);

    // Handles one activation as if the platform had reported it at pos.
    void handleActivation(Activation activation, const QPoint &pos);

signals:
    void OnIconMouseDown(TSysTray *sender, TSysTray::Button button, int x, int y);
    void OnIconDoubleClick(TSysTray *sender, TSysTray::Button button, int x, int y);
    // The menu was opened at this position (tests and the owner may watch it).
    void popupOpened(const QPoint &pos);
    // A passing message went to the notification area (tests may watch it).
    void messageShown(const QString &title, const QString &text);

private:
    void modify();
    void openMenu(const QPoint &pos);

    bool m_active = false;
    QIcon m_icon;
    QString m_hint = QStringLiteral("SysTray Component.");
    QMenu *m_popupMenu = nullptr;
    int m_popupMode = pmRightClick;
    int m_popupAlign = paRight;
    QSystemTrayIcon *m_trayIcon = nullptr;
};

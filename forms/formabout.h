#pragma once

#include <QDialog>
#include <QString>
#include <functional>

class QLabel;
class QPushButton;
class QUrl;

// The about box: the program's name and version, and the two ways to reach
// its makers, the home page and the support mail address. Each address is a
// link handed to the desktop; an address that the build did not configure is
// not shown at all, heading included, so the box never offers a dead link.
// The box is shown without blocking and only hidden by "OK".
class TFormAbout final : public QDialog
{
    Q_OBJECT

public:
    // Opens a link; returns whether the desktop took it.
    using LinkOpener = std::function<bool(const QUrl &url)>;

    // With the addresses the build was configured with.
    explicit TFormAbout(QWidget *parent = nullptr);
    TFormAbout(const QString &homePage, const QString &supportMail, QWidget *parent = nullptr);

    // The build settings (empty when none was given).
    static QString configuredHomePage();
    static QString configuredSupportMail();

    // While an opener is set, links go to it instead of the desktop.
    static void setLinkOpener(LinkOpener opener);

    QString homePage() const { return m_homePage; }
    QString supportMail() const { return m_supportMail; }

public slots:
    void Label4Click();
    void Label6Click();
    void ButtonOKClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *addLabel(const char *name, const QRect &place, const QString &text);
    void makeLink(QLabel *label);
    static void openLink(const QUrl &url);

    QString m_homePage;
    QString m_supportMail;

    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label6 = nullptr;
    QPushButton *ButtonOK = nullptr;
};

#include "formabout.h"

#include "skin.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QUrl>

#ifndef CHRONELLE_HOMEPAGE_URL
#define CHRONELLE_HOMEPAGE_URL ""
#endif
#ifndef CHRONELLE_SUPPORT_MAIL
#define CHRONELLE_SUPPORT_MAIL ""
#endif

namespace {
void setTextColour(QLabel *label, const QColor &colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

TFormAbout::LinkOpener &linkOpener()
{
    static TFormAbout::LinkOpener instance;
    return instance;
}
} // namespace

QString TFormAbout::configuredHomePage()
{
    return QString::fromUtf8(CHRONELLE_HOMEPAGE_URL).trimmed();
}

QString TFormAbout::configuredSupportMail()
{
    return QString::fromUtf8(CHRONELLE_SUPPORT_MAIL).trimmed();
}

void TFormAbout::setLinkOpener(LinkOpener opener)
{
    linkOpener() = std::move(opener);
}

TFormAbout::TFormAbout(QWidget *parent) : TFormAbout(configuredHomePage(), configuredSupportMail(), parent) {}

TFormAbout::TFormAbout(const QString &homePage, const QString &supportMail, QWidget *parent)
    : QDialog(parent), m_homePage(homePage.trimmed()), m_supportMail(supportMail.trimmed())
{
    setObjectName(QStringLiteral("FormAbout"));
    setWindowTitle(tr("About"));
    setWindowIcon(Skin::applicationIcon());
    setModal(false);
    setFixedSize(282, 277);

    Label1 = addLabel("Label1", QRect(8, 16, 257, 25), QStringLiteral("Chronelle"));
    QFont titleFont = Label1->font();
    titleFont.setBold(true);
    titleFont.setPixelSize(19);
    Label1->setFont(titleFont);
    setTextColour(Label1, QColor(0, 0, 128));

    // The version the program was built as (main sets it from the build).
    const QString version = QCoreApplication::applicationVersion();
    Label2 = addLabel("Label2", QRect(8, 48, 257, 17), version.isEmpty() ? QString() : tr("Version %1").arg(version));

    // The clock's own icon fills the room between the name and the addresses.
    auto *icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("ImageIcon"));
    icon->setPixmap(QPixmap::fromImage(Skin::applicationIconImage(40)));
    icon->setGeometry(121, 72, 40, 40);

    Label5 = addLabel("Label5", QRect(6, 120, 259, 17), tr("Technical Support"));
    Label6 = addLabel("Label6", QRect(6, 136, 259, 17), m_supportMail);
    Label3 = addLabel("Label3", QRect(6, 160, 259, 17), tr("Home Page"));
    Label4 = addLabel("Label4", QRect(6, 176, 259, 17), m_homePage);
    makeLink(Label6);
    makeLink(Label4);
    // No address configured: no heading and no link that leads nowhere.
    Label5->setVisible(!m_supportMail.isEmpty());
    Label6->setVisible(!m_supportMail.isEmpty());
    Label3->setVisible(!m_homePage.isEmpty());
    Label4->setVisible(!m_homePage.isEmpty());

    ButtonOK = new QPushButton(tr("OK"), this);
    ButtonOK->setObjectName(QStringLiteral("ButtonOK"));
    ButtonOK->setGeometry(192, 208, 75, 25);
    ButtonOK->setDefault(true);
    connect(ButtonOK, &QPushButton::clicked, this, &TFormAbout::ButtonOKClick);

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

QLabel *TFormAbout::addLabel(const char *name, const QRect &place, const QString &text)
{
    auto *label = new QLabel(text, this);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(place);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    // Addresses are shown as given, never read as markup.
    label->setTextFormat(Qt::PlainText);
    return label;
}

void TFormAbout::makeLink(QLabel *label)
{
    setTextColour(label, QColor(0, 0, 255));
    QFont font = label->font();
    font.setUnderline(true);
    label->setFont(font);
    label->setCursor(Qt::PointingHandCursor);
    label->installEventFilter(this);
}

bool TFormAbout::eventFilter(QObject *watched, QEvent *event)
{
    if ((watched == Label4 || watched == Label6) && event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton &&
            static_cast<QWidget *>(watched)->rect().contains(mouse->position().toPoint())) {
            if (watched == Label4)
                Label4Click();
            else
                Label6Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TFormAbout::Label4Click()
{
    if (m_homePage.isEmpty())
        return;
    // A bare "example.org" is a web address too.
    openLink(QUrl::fromUserInput(m_homePage));
}

void TFormAbout::Label6Click()
{
    if (m_supportMail.isEmpty())
        return;
    openLink(QUrl(QStringLiteral("mailto:") + m_supportMail));
}

void TFormAbout::ButtonOKClick()
{
    close();
}

void TFormAbout::openLink(const QUrl &url)
{
    // A request the desktop turns down is not reported: the address stays readable on the label.
    if (linkOpener())
        linkOpener()(url);
    else
        QDesktopServices::openUrl(url);
}

#include "lcdaccessible.h"

#include "lcdscreen.h"
#include "lcdtext.h"

LcdAccessible::LcdAccessible(TLCDScreen *screen) : QAccessibleWidget(screen, QAccessible::StaticText) {}

QString LcdAccessible::text(QAccessible::Text kind) const
{
    if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
        return shownText(*static_cast<const TLCDScreen *>(widget()));
    return QAccessibleWidget::text(kind);
}

void LcdAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory([](const QString &className, QObject *object) -> QAccessibleInterface * {
            if (className == QLatin1String("TLCDScreen") && object && object->isWidgetType())
                return new LcdAccessible(static_cast<TLCDScreen *>(object));
            return nullptr;
        });
        return true;
    }();
    Q_UNUSED(installed);
}

void LcdAccessible::textChanged(TLCDScreen *screen)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(screen, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

QString LcdAccessible::shownText(const TLCDScreen &screen)
{
    QStringList shown;
    const QStringList &lines = screen.Lines();
    for (qsizetype i = 0; i < lines.size() && i < screen.NoOfLines(); ++i) {
        QString line;
        for (const QChar c : lines[i]) {
            if (!Lcd::isZeroWidth(Lcd::codeOf(c)))
                line += c;
        }
        line = line.trimmed();
        if (!line.isEmpty())
            shown << line;
    }
    return shown.join(u'\n');
}

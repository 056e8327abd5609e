#include "skin.h"

#include <QCoreApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace Skin {

QImage panel(const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    const QColor middle(16, 89, 154);
    const QRect all(QPoint(0, 0), size);

    // The face: a gentle vertical shading around the middle colour.
    QLinearGradient face(0, 0, 0, size.height());
    face.setColorAt(0.0, middle.lighter(118));
    face.setColorAt(0.5, middle);
    face.setColorAt(1.0, middle.darker(118));
    p.fillRect(all, face);

    // The bevel: light from the top left, shade at the bottom right.
    constexpr int bevel = 4;
    for (int i = 0; i < bevel; ++i) {
        // The ring's own last column and row: QRect's right() and bottom() are inclusive.
        const QRect r = all.adjusted(i, i, -i, -i);
        const int fade = 60 - i * 12;
        p.setPen(middle.darker(200 - i * 20));
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
        p.setPen(i == 0 ? middle.darker(220) : middle.lighter(100 + fade));
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
    }
    return image;
}

QImage applicationIconImage(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    // Qt fills a shape of more than about a hundred spans on a pool of
    // threads, which then idle for half a minute; bands of a few rows stay
    // below that, and an antialiased edge comes out the same.
    constexpr int bandRows = 8;
    for (int top = 0; top < size; top += bandRows) {
        QPainter p(&image);
        p.setClipRect(0, top, size, bandRows);
        paintApplicationIcon(p, size);
    }
    return image;
}

void paintApplicationIcon(QPainter &p, qreal side)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(side / 64.0, side / 64.0);

    const QColor blue(16, 89, 154);
    // Two bells on top.
    p.setPen(Qt::NoPen);
    p.setBrush(blue.darker(130));
    p.drawEllipse(QRectF(4, 4, 20, 20));
    p.drawEllipse(QRectF(40, 4, 20, 20));
    // Legs.
    p.setPen(QPen(blue.darker(150), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(16, 52), QPointF(10, 60));
    p.drawLine(QPointF(48, 52), QPointF(54, 60));
    // The body with its face.
    p.setPen(QPen(blue.darker(150), 3));
    QRadialGradient body(QPointF(28, 26), 30);
    body.setColorAt(0, blue.lighter(140));
    body.setColorAt(1, blue);
    p.setBrush(body);
    p.drawEllipse(QRectF(8, 10, 48, 48));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(236, 242, 248));
    p.drawEllipse(QRectF(14, 16, 36, 36));
    // Hands at ten to two... of a morning alarm: seven o'clock.
    p.setPen(QPen(QColor(30, 30, 30), 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(32, 34), QPointF(25, 41));
    p.setPen(QPen(QColor(30, 30, 30), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(32, 34), QPointF(32, 20));
    p.setBrush(QColor(200, 40, 40));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(32, 34), 2.5, 2.5);
    p.restore();
}

QIcon applicationIcon()
{
    // Drawn once for the whole run: the windows, the tray and the
    // application share the same pixmaps.
    static QIcon icon;
    if (icon.isNull()) {
        for (int size : kIconSizes)
            icon.addPixmap(QPixmap::fromImage(applicationIconImage(size)));
        // Pixmaps must go while the application still exists.
        qAddPostRoutine([]() { icon = QIcon(); });
    }
    return icon;
}

} // namespace Skin

// Writes the application icon as a hicolor icon theme: <folder>/hicolor/NxN/apps/<id>.png
// for each size a desktop asks for, and <folder>/hicolor/scalable/apps/<id>.svg.

#include "skin.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QSvgGenerator>
#include <cstdio>

namespace {

bool writePng(const QString &folder, const QString &appId, int size)
{
    const QString sizeFolder = QStringLiteral("%1/hicolor/%2x%2/apps").arg(folder).arg(size);
    const QString path = sizeFolder + u'/' + appId + QStringLiteral(".png");
    if (!QDir().mkpath(sizeFolder) || !Skin::applicationIconImage(size).save(path, "PNG")) {
        std::fprintf(stderr, "iconrender: could not write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

bool writeSvg(const QString &folder, const QString &appId)
{
    const QString svgFolder = folder + QStringLiteral("/hicolor/scalable/apps");
    const QString path = svgFolder + u'/' + appId + QStringLiteral(".svg");
    if (!QDir().mkpath(svgFolder)) {
        std::fprintf(stderr, "iconrender: could not create %s\n", qPrintable(svgFolder));
        return false;
    }
    // Drawn into memory first: the SVG generator writes a file without
    // telling whether every byte got there.
    QBuffer drawing;
    QSvgGenerator svg;
    svg.setOutputDevice(&drawing);
    svg.setSize(QSize(64, 64));
    svg.setViewBox(QRect(0, 0, 64, 64));
    svg.setTitle(QStringLiteral("Chronelle"));
    svg.setDescription(QStringLiteral("An alarm clock"));
    QPainter painter;
    if (!painter.begin(&svg)) {
        std::fprintf(stderr, "iconrender: could not draw %s\n", qPrintable(path));
        return false;
    }
    Skin::paintApplicationIcon(painter, 64);
    painter.end();
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(drawing.data()) != drawing.size() || !file.flush()) {
        std::fprintf(stderr, "iconrender: could not write %s: %s\n", qPrintable(path), qPrintable(file.errorString()));
        file.close();
        file.remove();
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    // Drawing into images and files only: no application object, no display.
    if (argc != 3) {
        std::fprintf(stderr, "usage: iconrender <folder> <app id>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QString appId = QString::fromLocal8Bit(argv[2]);
    for (int size : Skin::kIconSizes) {
        if (!writePng(folder, appId, size))
            return 1;
    }
    return writeSvg(folder, appId) ? 0 : 1;
}

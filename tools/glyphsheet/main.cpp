// Contact sheets of the LCD glyph tables: one PNG per matrix size, sixteen
// codes to a row, each glyph drawn with large dots under its code, so that the
// whole font can be judged at a glance.

#include "lcdglyphs.h"

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>

namespace {

struct Sheet
{
    Lcd::TDotMatrix matrix;
    const char *name;
    int firstCode; // a multiple of 16, so that rows start at round codes
    int lastCode;
    int dot; // dot size in pixels
};

constexpr int kPerRow = 16;
constexpr int kGap = 1;
constexpr int kMargin = 12;
constexpr int kLabelHeight = 16;

QImage drawSheet(const Sheet &sheet)
{
    const Lcd::GlyphSize size = Lcd::glyphSize(sheet.matrix);
    const int glyphWidth = size.columns * (sheet.dot + kGap) - kGap;
    const int glyphHeight = size.rows * (sheet.dot + kGap) - kGap;
    const int cellWidth = glyphWidth + 2 * kMargin;
    const int cellHeight = glyphHeight + kLabelHeight + 2 * kMargin;
    const int rows = (sheet.lastCode - sheet.firstCode) / kPerRow + 1;

    QImage image(kPerRow * cellWidth, rows * cellHeight, QImage::Format_RGB32);
    image.fill(QColor(240, 240, 236));
    QPainter painter(&image);
    QFont font = painter.font();
    font.setPixelSize(11);
    painter.setFont(font);
    const QColor lit(20, 24, 40);
    const QColor unlit(214, 216, 206);
    const QColor noGlyph(250, 250, 250);

    for (int code = sheet.firstCode; code <= sheet.lastCode; ++code) {
        const int index = code - sheet.firstCode;
        const int x0 = (index % kPerRow) * cellWidth + kMargin;
        const int y0 = (index / kPerRow) * cellHeight + kMargin;
        painter.setPen(QColor(90, 90, 90));
        painter.drawText(QRect(x0, y0, glyphWidth, kLabelHeight), Qt::AlignLeft | Qt::AlignTop,
                         QStringLiteral("%1 %2").arg(code).arg(code, 2, 16, QLatin1Char('0')).toUpper());
        const bool present = Lcd::hasGlyph(sheet.matrix, code);
        for (int r = 1; r <= size.rows; ++r) {
            for (int k = 1; k <= size.columns; ++k) {
                const QColor color = !present ? noGlyph : Lcd::GlyphDot(sheet.matrix, code, r, k) ? lit : unlit;
                painter.fillRect(x0 + (k - 1) * (sheet.dot + kGap), y0 + kLabelHeight + (r - 1) * (sheet.dot + kGap),
                                 sheet.dot, sheet.dot, color);
            }
        }
    }
    return image;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: glyphsheet <output folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.exists() && !QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "glyphsheet: cannot create %s\n", argv[1]);
        return 1;
    }
    const Sheet sheets[] = {
        {Lcd::mat5x7, "5x7", 32, 255, 7},
        {Lcd::mat7x9, "7x9", 32, 127, 6},
        {Lcd::mat9x12, "9x12", 32, 127, 5},
    };
    for (const Sheet &sheet : sheets) {
        const QString path = folder.filePath(QStringLiteral("glyphs-%1.png").arg(QLatin1String(sheet.name)));
        if (!drawSheet(sheet).save(path)) {
            std::fprintf(stderr, "glyphsheet: cannot write %s\n", qPrintable(path));
            return 1;
        }
        std::printf("%s\n", qPrintable(path));
    }
    return 0;
}

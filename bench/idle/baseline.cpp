// The idle-cost benchmark's yardstick: the barest Qt window that shows a
// clock, repainting five times a second, as any Qt program that polls would.
// It draws the time as text in a window of the clock's normal size.

#include <QApplication>
#include <QDateTime>
#include <QPainter>
#include <QTimer>
#include <QWidget>

namespace {

class RepaintingWindow final : public QWidget
{
public:
    RepaintingWindow()
    {
        setWindowTitle(QStringLiteral("Qt 5 Hz baseline"));
        resize(272, 105);
        auto *timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, qOverload<>(&QWidget::update));
        timer->start(200);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::black);
        painter.setPen(Qt::green);
        painter.drawText(rect(), Qt::AlignCenter, QDateTime::currentDateTime().toString(u"MM/dd/yy hh:mm:ss AP"));
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    RepaintingWindow window;
    window.show();
    return QApplication::exec();
}

// One test main for every test program: a QApplication on the offscreen
// platform unless a test run asks for a real display, a fixed time zone and
// language unless the test run sets them, and no modal error box ever.

#include "errorbox.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("TZ"))
        qputenv("TZ", "UTC");
    if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND"))
        qputenv("QT_MEDIA_BACKEND", "gstreamer");
    qputenv("LANG", "C.UTF-8");
    qputenv("LC_ALL", "C.UTF-8");

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Chronelle"));
    QApplication::setApplicationDisplayName(QStringLiteral("Chronelle"));
    ErrorBox::setRecorder(
        [](const QString &message) { ADD_FAILURE() << "unexpected error box: " << message.toStdString(); });
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

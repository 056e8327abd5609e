// The test main of the programs that test the core without any window: a
// QCoreApplication, no Widgets linked, and a fixed time zone and language
// unless the test run sets them.

#include <QCoreApplication>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("TZ"))
        qputenv("TZ", "UTC");
    qputenv("LANG", "C.UTF-8");
    qputenv("LC_ALL", "C.UTF-8");

    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Chronelle"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

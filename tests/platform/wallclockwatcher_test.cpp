// The watch on the wall clock's zone: a new zone is told once, other files in
// its folder are not.

#include "wallclockwatcher.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <gtest/gtest.h>

// A new zone replaces the link; other files come and go in the same folder.
TEST(WallClockWatcher, TellsOfANewZoneAndOfNothingElseInItsFolder)
{
    QTemporaryDir etc;
    const QString zone = etc.filePath(QStringLiteral("localtime"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/usr/share/zoneinfo/Europe/Berlin"), zone));
    WallClockWatcher watcher(zone);
    EXPECT_TRUE(watcher.isWatching());
    QSignalSpy jumps(&watcher, &ClockJumpSource::clockMayHaveJumped);

    QFile other(etc.filePath(QStringLiteral("resolv.conf")));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.close();
    const QString replacement = etc.filePath(QStringLiteral("localtime.new"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/usr/share/zoneinfo/America/New_York"), replacement));
    QTest::qWait(200);
    EXPECT_EQ(jumps.count(), 0) << "an unrelated file or a link not yet in place woke the scheduler";

    ASSERT_EQ(::rename(QFile::encodeName(replacement).constData(), QFile::encodeName(zone).constData()), 0);
    EXPECT_TRUE(QTest::qWaitFor([&]() { return jumps.count() > 0; }, 5000)) << "the new zone went unnoticed";
    QTest::qWait(100);
    EXPECT_EQ(jumps.count(), 1);
}

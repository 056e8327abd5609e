// The program's artwork: the icon is drawn once for the whole run, and
// drawing it leaves no helper threads behind.

#include "skin.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

int threadCount()
{
    return int(QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size());
}

} // namespace

TEST(Skin, TheIconIsDrawnOnceAndStartsNoThreads)
{
    const int before = threadCount();
    for (const int size : {16, 64, 256})
        EXPECT_EQ(Skin::applicationIconImage(size).size(), QSize(size, size));
    const QIcon first = Skin::applicationIcon();
    EXPECT_EQ(threadCount(), before) << "drawing the icon started threads";
    EXPECT_EQ(Skin::applicationIcon().cacheKey(), first.cacheKey()) << "the icon was drawn again";
    EXPECT_TRUE(first.availableSizes().contains(QSize(256, 256)));
}

// Giving memory back: the start's file pages leave the process, and no byte
// of data the process holds changes.

#include "memorytrim.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstring>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

namespace {

constexpr size_t kPages = 64;

size_t pageSize()
{
    return size_t(::sysconf(_SC_PAGESIZE));
}

// Resident kilobytes of the mapping that starts at `start`, as smaps says; -1 if not found.
long residentKbAt(const void *start)
{
    QFile smaps(QStringLiteral("/proc/self/smaps"));
    if (!smaps.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray prefix = QByteArray::number(quintptr(start), 16) + '-';
    bool inside = false;
    for (const QByteArray &line : smaps.readAll().split('\n')) {
        if (!line.isEmpty() && !line.contains(':'))
            continue;
        if (line.startsWith(prefix)) {
            inside = true;
        } else if (inside && line.startsWith("Rss:")) {
            return line.mid(4).simplified().split(' ').value(0).toLong();
        }
    }
    return -1;
}

class MemoryTrimTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        QFile file(m_dir.filePath(QStringLiteral("pages")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        m_content.resize(qsizetype(kPages * pageSize()));
        for (qsizetype i = 0; i < m_content.size(); ++i)
            m_content[i] = char(i * 7 + 3);
        ASSERT_EQ(file.write(m_content), m_content.size());
        file.close();
        m_fd = ::open(QFile::encodeName(file.fileName()).constData(), O_RDONLY);
        ASSERT_GE(m_fd, 0);
    }
    void TearDown() override
    {
        for (const auto &[start, length] : m_mappings)
            ::munmap(start, length);
        if (m_fd >= 0)
            ::close(m_fd);
    }
    // The file mapped privately with `protection`, every page read.
    char *mapAndRead(int protection)
    {
        const size_t length = kPages * pageSize();
        void *start = ::mmap(nullptr, length, protection, MAP_PRIVATE, m_fd, 0);
        if (start == MAP_FAILED)
            return nullptr;
        m_mappings.emplace_back(start, length);
        volatile char sum = 0;
        for (size_t page = 0; page < kPages; ++page)
            sum = char(sum + static_cast<char *>(start)[page * pageSize()]);
        return static_cast<char *>(start);
    }

    QTemporaryDir m_dir;
    QByteArray m_content;
    int m_fd = -1;
    std::vector<std::pair<void *, size_t>> m_mappings;
};

} // namespace

// Pages only read from a file leave the process and come back unchanged when read again.
TEST_F(MemoryTrimTest, ReadOnlyFilePagesAreGivenBackAndReadAgainUnchanged)
{
    const char *pages = mapAndRead(PROT_READ);
    ASSERT_NE(pages, nullptr);
    ASSERT_GE(residentKbAt(pages), long(kPages * pageSize() / 1024));
    MemoryTrim::giveBack();
    EXPECT_EQ(residentKbAt(pages), 0);
    EXPECT_EQ(std::memcmp(pages, m_content.constData(), size_t(m_content.size())), 0);
}

// What the process wrote is never dropped: in a writable mapping, nor in one
// written and then made read-only (as relocated data is).
TEST_F(MemoryTrimTest, WrittenPagesKeepWhatWasWritten)
{
    char *writable = mapAndRead(PROT_READ | PROT_WRITE);
    char *sealed = mapAndRead(PROT_READ | PROT_WRITE);
    ASSERT_NE(writable, nullptr);
    ASSERT_NE(sealed, nullptr);
    QByteArray expected = m_content;
    for (size_t page = 0; page < kPages; page += 3)
        expected[qsizetype(page * pageSize() + 5)] = 'W';
    for (char *mapping : {writable, sealed}) {
        for (size_t page = 0; page < kPages; page += 3)
            mapping[page * pageSize() + 5] = 'W';
    }
    ASSERT_EQ(::mprotect(sealed, kPages * pageSize(), PROT_READ), 0);
    MemoryTrim::giveBack();
    EXPECT_EQ(std::memcmp(writable, expected.constData(), size_t(expected.size())), 0);
    EXPECT_EQ(std::memcmp(sealed, expected.constData(), size_t(expected.size())), 0);
}

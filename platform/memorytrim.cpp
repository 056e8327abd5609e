#include "memorytrim.h"

#include <QByteArray>
#include <QFile>
#include <malloc.h>
#include <sys/mman.h>

namespace {

// One mapping of /proc/self/smaps, as far as giveBack() looks at it.
struct Mapping
{
    quintptr start = 0;
    quintptr end = 0;
    bool fileReadOnly = false; // backed by a file, not writable
    bool ownPages = true;      // holds anonymous (copied-on-write) pages, or not known yet
    bool resident = false;
};

void dropIfOnlyFilePages(const Mapping &mapping)
{
    if (!mapping.fileReadOnly || mapping.ownPages || !mapping.resident)
        return;
    // Only file pages: they are unmapped here and read back from the page
    // cache when touched. (A locked mapping refuses; that is fine.)
    ::madvise(reinterpret_cast<void *>(mapping.start), mapping.end - mapping.start, MADV_DONTNEED);
}

} // namespace

void MemoryTrim::giveBack()
{
    ::malloc_trim(0);

    QFile smaps(QStringLiteral("/proc/self/smaps"));
    if (!smaps.open(QIODevice::ReadOnly))
        return;
    // Read whole first: dropping pages while the kernel walks the table
    // would only make the walk longer.
    const QList<QByteArray> lines = smaps.readAll().split('\n');
    Mapping mapping;
    for (const QByteArray &line : lines) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.isEmpty() || fields[0].isEmpty())
            continue;
        if (!fields[0].endsWith(':')) {
            // "start-end perms offset device inode [path]" opens a mapping.
            dropIfOnlyFilePages(mapping);
            mapping = Mapping();
            const qsizetype dash = fields[0].indexOf('-');
            if (fields.size() < 5 || dash < 0)
                continue;
            bool startOk = false;
            bool endOk = false;
            mapping.start = quintptr(fields[0].left(dash).toULongLong(&startOk, 16));
            mapping.end = quintptr(fields[0].mid(dash + 1).toULongLong(&endOk, 16));
            const QByteArray &permissions = fields[1];
            mapping.fileReadOnly = startOk && endOk && permissions.size() >= 2 && permissions[1] != 'w' &&
                                   fields[4] != "0" && fields.size() > 5 && fields[5].startsWith('/');
            continue;
        }
        if (fields.size() < 2)
            continue;
        if (fields[0] == "Rss:")
            mapping.resident = fields[1].toLongLong() > 0;
        else if (fields[0] == "Anonymous:")
            mapping.ownPages = fields[1].toLongLong() != 0;
    }
    dropIfOnlyFilePages(mapping);
}

#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <cerrno>
#include <sched.h>
#include <sys/mount.h>

namespace PrivateMount {

// Mounts a tmpfs at mountPoint and returns 0, or the errno when that is not
// permitted. Where the system allows it, the mount is made in a mount
// namespace of this process's own, so that it goes away with the process
// even when a crash or a timeout ends the test before it unmounts; programs
// the test starts see it as well. Otherwise it is made in the machine's own
// mount table, and only the test's unmount removes it.
inline int mountTmpfs(const QString &mountPoint, const QByteArray &options)
{
    // A namespace whose mounts still propagate to the machine's would not
    // help, so the root is made private in it first.
    static const bool ownNamespace =
        ::unshare(CLONE_NEWNS) == 0 && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    Q_UNUSED(ownNamespace);
    const QByteArray target = QFile::encodeName(mountPoint);
    return ::mount("tmpfs", target.constData(), "tmpfs", 0, options.constData()) == 0 ? 0 : errno;
}

} // namespace PrivateMount

#pragma once

#include "apperror.h"
#include "textfile.h"

#include <QFile>
#include <QString>
#include <functional>
#include <gtest/gtest.h>

// Faults in the save path for tests: a failing call, or the program killed
// at a chosen file-system call.
namespace SaveFaults {

// Stands for the program being killed at a file-system call.
struct Killed
{
};

// Sets the save path's fault hook while it lives.
class HookGuard final
{
public:
    explicit HookGuard(TextFile::FaultHook hook) { TextFile::setFaultHook(std::move(hook)); }
    ~HookGuard() { TextFile::setFaultHook({}); }
    HookGuard(const HookGuard &) = delete;
    HookGuard &operator=(const HookGuard &) = delete;
};

// The file-system calls a piece of work makes, as "call file-name".
inline QStringList callsOf(const std::function<void()> &work)
{
    QStringList calls;
    HookGuard hook([&calls](const char *call, const QString &path) {
        calls << QString::fromLatin1(call) + u' ' + path.section(u'/', -1);
        return 0;
    });
    work();
    return calls;
}

// Puts a file in place as it is, past the save path under test.
inline void writeFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(data), data.size());
}

// A file's bytes as they are, or nothing when it can't be read.
inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The message of the error that work raised, or an empty text.
inline QString errorOf(const std::function<void()> &work)
{
    try {
        work();
    } catch (const AppError &e) {
        return e.message();
    }
    return {};
}

// Runs the work as if the program were killed at its call number `at`
// (counted from 0): nothing after that call happens.
inline void killedAt(int at, const std::function<void()> &work)
{
    int seen = 0;
    HookGuard hook([&](const char *, const QString &) {
        if (seen++ == at)
            throw Killed();
        return 0;
    });
    try {
        work();
    } catch (const Killed &) {
    }
}

} // namespace SaveFaults

#pragma once

#include <QString>
#include <exception>

// The one exception type of the program. It carries the message that the user
// sees in the standard error box; nothing else is needed to report it. A
// request from outside the windows (a command-line verb, a D-Bus call) can
// also be refused for how it was asked: such an error is a bad argument, so
// that the caller can tell a wrong call from one that could not be done. A
// sound that can't be opened or played is a media error.
//
// A derived type only gives a kind a name of its own (EMCIDeviceError); it
// adds no data, so a handler that catches or copies an AppError loses nothing.
class AppError : public std::exception
{
public:
    enum class Kind
    {
        Failure,
        BadArgument,
        Media,
    };

    explicit AppError(QString message, Kind kind = Kind::Failure);

    const QString &message() const noexcept { return m_message; }
    Kind kind() const noexcept { return m_kind; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
    Kind m_kind = Kind::Failure;
};

#pragma once

#include <QString>
#include <exception>

// The one exception type of the program. It carries the message that the user
// sees in the standard error box; nothing else is needed to report it.
class AppError final : public std::exception
{
public:
    explicit AppError(QString message);

    const QString &message() const noexcept { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

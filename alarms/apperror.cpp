#include "apperror.h"

AppError::AppError(QString message, Kind kind) : m_message(std::move(message)), m_utf8(m_message.toUtf8()), m_kind(kind)
{
}

#pragma once

#include "errorbox.h"

#include <QStringList>
#include <gtest/gtest.h>

// Collects what would have been shown in the error box while it lives.
class ErrorRecorder final
{
public:
    ErrorRecorder()
    {
        ErrorBox::setRecorder([this](const QString &message) { messages << message; });
    }
    ~ErrorRecorder()
    {
        ErrorBox::setRecorder(
            [](const QString &message) { ADD_FAILURE() << "unexpected error box: " << message.toStdString(); });
    }
    ErrorRecorder(const ErrorRecorder &) = delete;
    ErrorRecorder &operator=(const ErrorRecorder &) = delete;

    QStringList messages;
};

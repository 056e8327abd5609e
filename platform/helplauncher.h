#pragma once

#include <QString>

class QWidget;

// Shows a topic of the program's compiled help (help.qch beside the
// executable) in the program's own help window. The window and the help
// engine are made on the first request and kept for the rest of the run.
namespace HelpLauncher {

// The address of the start page inside the help file.
QString topicUrl(const QString &topic = QStringLiteral("/index.htm"));

// Throws AppError naming what is missing: the help file, or what the help
// engine needs to read it.
void showTopic(QWidget *owner, const QString &helpFile, const QString &topic = QStringLiteral("/index.htm"));

} // namespace HelpLauncher

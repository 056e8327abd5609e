// One line of an LCD animator script: no crash, no hang, no sanitizer report,
// and the commands parsed from it parse the same when written out again.

#include "apperror.h"
#include "fuzzsupport.h"
#include "lcdscreen.h"

#include <QRegularExpression>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString line = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    QList<TScriptCommand> commands;
    try {
        commands = TLCDScreen::ParseScriptLine(line);
    } catch (const AppError &) {
        return 0;
    }
    // Written out in the form scripts are written in; a name of other
    // characters (framing, blanks, cut at its length) has no such form.
    static const QRegularExpression plainName(QStringLiteral("^[a-z0-9_]{0,24}$"));
    QString plain = QStringLiteral("[");
    for (const TScriptCommand &command : commands) {
        if (!plainName.match(command.Name).hasMatch())
            return 0;
        plain += command.Name + u'(' + QString::number(command.Argument) + QStringLiteral(");");
    }
    plain += u']';
    const QList<TScriptCommand> again = TLCDScreen::ParseScriptLine(plain);
    bool same = again.size() == commands.size();
    for (qsizetype i = 0; same && i < again.size(); ++i)
        same = again[i].Name == commands[i].Name && again[i].Argument == commands[i].Argument;
    if (!same)
        Fuzz::roundTripBroken("the script line", line.toUtf8(), plain.toUtf8());
    return 0;
}

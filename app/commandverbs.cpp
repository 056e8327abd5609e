#include "commandverbs.h"

#include "alarmcalendar.h"
#include "apperror.h"
#include "clock.h"
#include "enginecontrol.h"
#include "textfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <algorithm>

namespace CommandVerbs {

namespace {

[[noreturn]] void usage(const QString &message)
{
    throw AppError(message, AppError::Kind::BadArgument);
}

QCommandLineOption valueOption(const char *name, const char *valueName, const char *description)
{
    return QCommandLineOption(QString::fromLatin1(name), QCoreApplication::translate("CommandVerbs", description),
                              QString::fromLatin1(valueName));
}

// An option given twice is a mistake, not a choice between two values.
QString single(const QCommandLineParser &parser, const QString &name)
{
    const QStringList values = parser.values(name);
    if (values.size() > 1)
        usage(QCoreApplication::translate("CommandVerbs", "--%1 is given %2 times").arg(name).arg(values.size()));
    return values.value(0);
}

int parseId(const QString &text)
{
    static const QRegularExpression shape(QStringLiteral("^\\d{1,9}$"));
    if (!shape.match(text).hasMatch())
        usage(
            QCoreApplication::translate("CommandVerbs", "ID '%1': not an alarm id (the number `chronelle list` shows)")
                .arg(text));
    return text.toInt();
}

AlarmChoices choicesFrom(const QCommandLineParser &parser)
{
    AlarmChoices choices;
    choices.time = parser.positionalArguments().value(0);
    QStringList frequencies;
    for (const QString &word : AlarmChoices::frequencyWords()) {
        if (parser.isSet(word))
            frequencies << word;
    }
    if (frequencies.size() > 1)
        usage(QCoreApplication::translate("CommandVerbs", "--%1 and --%2 can't both be given")
                  .arg(frequencies[0], frequencies[1]));
    if (!frequencies.isEmpty()) {
        choices.frequency = frequencies.constFirst();
        const bool takesValue =
            choices.frequency != QStringLiteral("hourly") && choices.frequency != QStringLiteral("daily");
        choices.schedule = takesValue ? single(parser, choices.frequency) : QString();
    }
    if (parser.isSet(QStringLiteral("memo")))
        choices.memo = single(parser, QStringLiteral("memo"));
    // Files are named as the shell's folder sees them; the alarm keeps full paths.
    for (const QString &sound : parser.values(QStringLiteral("sound"))) {
        if (sound.isEmpty())
            usage(QCoreApplication::translate("CommandVerbs", "--sound: the file name is empty"));
        choices.sounds << QDir::cleanPath(QFileInfo(sound).absoluteFilePath());
    }
    if (parser.isSet(QStringLiteral("volume"))) {
        const QString volume = single(parser, QStringLiteral("volume"));
        static const QRegularExpression shape(QStringLiteral("^\\d{1,9}$"));
        if (!shape.match(volume).hasMatch())
            usage(QCoreApplication::translate("CommandVerbs", "--volume '%1': must be a whole number from 0 to 100")
                      .arg(volume));
        choices.volume = volume.toInt();
    }
    // Checked here, before the program is asked, with the same rules it applies.
    SystemClock clock;
    choices.toRecord(clock.now());
    return choices;
}

QString displayMoment(const QString &iso)
{
    // "2026-12-08T06:30:00+01:00" is read as "2026-12-08 06:30:00".
    return iso.isEmpty() ? QStringLiteral("-") : iso.left(19).replace(u'T', u' ');
}

QString stateText(const QVariantMap &alarm)
{
    if (!alarm.value(QStringLiteral("enabled")).toBool())
        return QStringLiteral("off");
    const QString paused = alarm.value(QStringLiteral("pausedUntil")).toString();
    if (!paused.isEmpty())
        return QStringLiteral("paused to ") + paused;
    if (!alarm.value(QStringLiteral("skipped")).toString().isEmpty())
        return QStringLiteral("skipping");
    return QStringLiteral("on");
}

int runList(const QCommandLineParser &parser, const ControlProvider &control, Output &output)
{
    const QList<QVariantMap> alarms = control().list();
    output.out << (parser.isSet(QStringLiteral("json")) ? listJson(alarms) : listText(alarms));
    return Done;
}

int runNext(const QCommandLineParser &, const ControlProvider &control, Output &output)
{
    const QVariantMap next = control().next();
    if (next.isEmpty()) {
        output.out << QCoreApplication::translate("CommandVerbs", "No alarm will ring.\n");
        return Done;
    }
    output.out << displayMoment(next.value(QStringLiteral("next")).toString()) << "  id "
               << next.value(QStringLiteral("id")).toInt() << "  " << next.value(QStringLiteral("caption")).toString()
               << '\n';
    return Done;
}

int runAdd(const QCommandLineParser &parser, const ControlProvider &control, Output &output)
{
    const AlarmChoices choices = choicesFrom(parser);
    output.out << control().add(choices) << '\n';
    return Done;
}

// A verb on one alarm by its id.
Verb idVerb(const char *name, const char *summary, std::function<void(AlarmControl &, int)> action)
{
    return Verb{QString::fromLatin1(name),
                QStringLiteral("ID"),
                QString::fromLatin1(summary),
                {},
                1,
                [action](const QCommandLineParser &parser, const ControlProvider &control, Output &) {
                    const int id = parseId(parser.positionalArguments().constFirst());
                    action(control(), id);
                    return int(Done);
                }};
}

Verb answerVerb(const char *name, const char *summary, AlarmEngine::RingingAnswer answer)
{
    return Verb{QString::fromLatin1(name),
                QString(),
                QString::fromLatin1(summary),
                {},
                0,
                [answer](const QCommandLineParser &, const ControlProvider &control, Output &) {
                    control().answerRinging(answer);
                    return int(Done);
                }};
}

std::vector<Verb> makeTable()
{
    std::vector<Verb> verbs;
    verbs.push_back(
        {QStringLiteral("list"), QStringLiteral("[--json]"),
         QStringLiteral(QT_TRANSLATE_NOOP("CommandVerbs",
                                          "every alarm: id, on/off, frequency, time, schedule, next ringing, caption")),
         [](QCommandLineParser &parser) {
             parser.addOption(QCommandLineOption(
                 QStringLiteral("json"), QCoreApplication::translate("CommandVerbs", "An array of JSON objects.")));
         },
         0, runList});
    verbs.push_back({QStringLiteral("next"),
                     QString(),
                     QStringLiteral(QT_TRANSLATE_NOOP("CommandVerbs", "the next alarm that will ring")),
                     {},
                     0,
                     runNext});
    verbs.push_back(
        {QStringLiteral("add"),
         QStringLiteral("TIME [--once YYYY-MM-DD | --hourly | --daily | --weekly DAYS | --monthly DAY | "
                        "--yearly MM-DD] [--memo TEXT] [--sound FILE]... [--volume 0-100]"),
         QStringLiteral(QT_TRANSLATE_NOOP("CommandVerbs", "adds an alarm and prints its id")),
         [](QCommandLineParser &parser) {
             parser.addOption(
                 valueOption("once", "YYYY-MM-DD", QT_TRANSLATE_NOOP("CommandVerbs", "Once, on this day.")));
             parser.addOption(QCommandLineOption(QStringLiteral("hourly"),
                                                 QCoreApplication::translate("CommandVerbs", "Every hour.")));
             parser.addOption(QCommandLineOption(QStringLiteral("daily"),
                                                 QCoreApplication::translate("CommandVerbs", "Every day.")));
             parser.addOption(valueOption(
                 "weekly", "DAYS", QT_TRANSLATE_NOOP("CommandVerbs", "On these days: mon,tue,wed,thu,fri,sat,sun.")));
             parser.addOption(
                 valueOption("monthly", "DAY", QT_TRANSLATE_NOOP("CommandVerbs", "On this day of every month.")));
             parser.addOption(
                 valueOption("yearly", "MM-DD", QT_TRANSLATE_NOOP("CommandVerbs", "On this day of every year.")));
             parser.addOption(valueOption("memo", "TEXT", QT_TRANSLATE_NOOP("CommandVerbs", "The reminder.")));
             parser.addOption(
                 valueOption("sound", "FILE", QT_TRANSLATE_NOOP("CommandVerbs", "A file of the play list.")));
             parser.addOption(
                 valueOption("volume", "0-100", QT_TRANSLATE_NOOP("CommandVerbs", "The volume, in percent.")));
         },
         1, runAdd});
    verbs.push_back(idVerb("remove", QT_TRANSLATE_NOOP("CommandVerbs", "deletes the alarm"),
                           [](AlarmControl &c, int id) { c.remove(id); }));
    verbs.push_back(idVerb("enable", QT_TRANSLATE_NOOP("CommandVerbs", "switches the alarm on"),
                           [](AlarmControl &c, int id) { c.setEnabled(id, true); }));
    verbs.push_back(idVerb("disable", QT_TRANSLATE_NOOP("CommandVerbs", "switches the alarm off"),
                           [](AlarmControl &c, int id) { c.setEnabled(id, false); }));
    verbs.push_back(idVerb("skip", QT_TRANSLATE_NOOP("CommandVerbs", "skips the alarm's next ringing"),
                           [](AlarmControl &c, int id) { c.skip(id); }));
    verbs.push_back({QStringLiteral("pause"), QStringLiteral("ID --until YYYY-MM-DD"),
                     QStringLiteral(QT_TRANSLATE_NOOP("CommandVerbs", "the alarm rings again from that day")),
                     [](QCommandLineParser &parser) {
                         parser.addOption(
                             valueOption("until", "YYYY-MM-DD",
                                         QT_TRANSLATE_NOOP("CommandVerbs", "The first day it rings again.")));
                     },
                     1,
                     [](const QCommandLineParser &parser, const ControlProvider &control, Output &) {
                         const int id = parseId(parser.positionalArguments().constFirst());
                         if (!parser.isSet(QStringLiteral("until")))
                             usage(QCoreApplication::translate("CommandVerbs", "pause needs --until YYYY-MM-DD"));
                         const QString until = single(parser, QStringLiteral("until"));
                         // Checked here, before the program is asked, so that a refusal names the
                         // option as it was typed here.
                         EngineControl::pauseEnd(until, SystemClock().now().date(), EngineControl::Caller::CommandLine);
                         control().pause(id, until);
                         return int(Done);
                     }});
    verbs.push_back(idVerb("resume", QT_TRANSLATE_NOOP("CommandVerbs", "undoes a skip or a pause"),
                           [](AlarmControl &c, int id) { c.resume(id); }));
    verbs.push_back(answerVerb("snooze", QT_TRANSLATE_NOOP("CommandVerbs", "snoozes the ringing alarm"),
                               AlarmEngine::RingingAnswer::Snooze));
    verbs.push_back(answerVerb("stop", QT_TRANSLATE_NOOP("CommandVerbs", "stops the ringing alarm, as its OK does"),
                               AlarmEngine::RingingAnswer::Stop));
    verbs.push_back({QStringLiteral("export"),
                     QStringLiteral("[FILE]"),
                     QStringLiteral(QT_TRANSLATE_NOOP(
                         "CommandVerbs", "writes every alarm as iCalendar to FILE or the standard output")),
                     {},
                     0,
                     [](const QCommandLineParser &parser, const ControlProvider &control, Output &output) {
                         const QString file = parser.positionalArguments().value(0);
                         const CalendarTransfer::ExportReport report = control().exportCalendar();
                         if (file.isEmpty()) {
                             output.out << QString::fromUtf8(report.calendar);
                             output.out.flush();
                         } else {
                             TextFile::writeAtomically(QFileInfo(file).absoluteFilePath(), report.calendar);
                         }
                         // The others went out; those that did not are said, and the verb did not do all.
                         for (const QString &left : report.left)
                             output.err << "chronelle: "
                                        << QCoreApplication::translate("CommandVerbs", "Left out %1").arg(left) << '\n';
                         output.err.flush();
                         return int(report.left.isEmpty() ? Done : Failed);
                     },
                     1});
    verbs.push_back(
        {QStringLiteral("import"), QStringLiteral("FILE [--with-power-actions]"),
         QStringLiteral(QT_TRANSLATE_NOOP("CommandVerbs",
                                          "adds the alarms of an iCalendar file, all or none; an event imported "
                                          "before updates its alarm; says which events it left and why")),
         [](QCommandLineParser &parser) {
             parser.addOption(QCommandLineOption(
                 QStringLiteral("with-power-actions"),
                 QCoreApplication::translate("CommandVerbs", "Keep the events' power actions (monitor off, suspend, "
                                                             "shut down); without it they are left off.")));
         },
         1,
         [](const QCommandLineParser &parser, const ControlProvider &control, Output &output) {
             // Read here: the running program may not see the file under this name.
             const QByteArray calendar = TextFile::readBytes(
                 QFileInfo(parser.positionalArguments().constFirst()).absoluteFilePath(), AlarmCalendar::MaxBytes);
             CalendarTransfer::ImportOptions options;
             options.withPowerActions = parser.isSet(QStringLiteral("with-power-actions"));
             const CalendarTransfer::ImportReport report = control().importCalendar(calendar, options);
             for (const QString &line : importText(report))
                 output.out << line << '\n';
             output.out.flush();
             return int(Done);
         }});
    return verbs;
}

QString jsonText(const QVariantMap &alarm, const QString &key)
{
    return alarm.value(key).toString();
}

} // namespace

const std::vector<Verb> &table()
{
    static const std::vector<Verb> verbs = makeTable();
    return verbs;
}

const Verb *find(const QString &name)
{
    const std::vector<Verb> &verbs = table();
    const auto it = std::find_if(verbs.cbegin(), verbs.cend(), [&name](const Verb &verb) { return verb.name == name; });
    return it == verbs.cend() ? nullptr : &*it;
}

QString helpText()
{
    QString text = QCoreApplication::translate(
        "CommandVerbs", "Verbs (with the program running they go to it; without, to the data folder):\n");
    for (const Verb &verb : table()) {
        text += QStringLiteral("  %1%2\n      %3\n")
                    .arg(verb.name, verb.synopsis.isEmpty() ? QString() : u' ' + verb.synopsis,
                         // The table keeps the English summary: it may be built before the translations are loaded.
                         QCoreApplication::translate("CommandVerbs", verb.summary.toUtf8().constData()));
    }
    text += QCoreApplication::translate("CommandVerbs", "Exit codes: 0 done, 1 could not be done, 2 wrong usage.\n");
    return text;
}

int run(const QStringList &arguments, const ControlProvider &control, Output &output)
{
    const Verb *verb = find(arguments.value(0));
    try {
        if (!verb)
            usage(QCoreApplication::translate("CommandVerbs", "'%1' is not a verb").arg(arguments.value(0)));
        QCommandLineParser parser;
        parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
        if (verb->addOptions)
            verb->addOptions(parser);
        // The verb's name stands where the parser expects the program's.
        if (!parser.parse(arguments))
            usage(QStringLiteral("%1: %2").arg(verb->name, parser.errorText()));
        const qsizetype words = parser.positionalArguments().size();
        if (words < verb->positionalCount || words > verb->positionalCount + verb->optionalCount) {
            usage(QCoreApplication::translate("CommandVerbs", "usage: chronelle %1%2")
                      .arg(verb->name, verb->synopsis.isEmpty() ? QString() : u' ' + verb->synopsis));
        }
        return verb->run(parser, control, output);
    } catch (const AppError &error) {
        output.err << "chronelle: " << error.message() << '\n';
        output.err.flush();
        return error.kind() == AppError::Kind::BadArgument ? Usage : Failed;
    }
}

QString listText(const QList<QVariantMap> &alarms)
{
    QList<QStringList> rows{{QStringLiteral("ID"), QStringLiteral("STATE"), QStringLiteral("FREQUENCY"),
                             QStringLiteral("TIME"), QStringLiteral("SCHEDULE"), QStringLiteral("NEXT"),
                             QStringLiteral("CAPTION")}};
    for (const QVariantMap &alarm : alarms) {
        const QString frequency = jsonText(alarm, QStringLiteral("frequency"));
        const QString schedule = jsonText(alarm, QStringLiteral("schedule"));
        rows << QStringList{QString::number(alarm.value(QStringLiteral("id")).toInt()),
                            stateText(alarm),
                            frequency.isEmpty() ? QStringLiteral("?") : frequency,
                            jsonText(alarm, QStringLiteral("time")),
                            schedule.isEmpty() ? QStringLiteral("-") : schedule,
                            displayMoment(jsonText(alarm, QStringLiteral("next"))),
                            jsonText(alarm, QStringLiteral("caption"))};
    }
    QList<qsizetype> widths(rows.constFirst().size(), 0);
    for (const QStringList &row : rows) {
        for (qsizetype column = 0; column < row.size(); ++column)
            widths[column] = std::max(widths[column], row[column].size());
    }
    QString text;
    for (const QStringList &row : rows) {
        QString line;
        for (qsizetype column = 0; column < row.size(); ++column) {
            const bool last = column + 1 == row.size();
            line += last ? row[column] : row[column].leftJustified(widths[column]) + QStringLiteral("  ");
        }
        text += line + u'\n';
    }
    return text;
}

QStringList importText(const CalendarTransfer::ImportReport &report)
{
    const auto idsText = [](const QList<int> &ids) {
        QStringList texts;
        for (const int id : ids)
            texts << QString::number(id);
        return texts.join(u' ');
    };
    QStringList lines;
    lines << QCoreApplication::translate("CommandVerbs", "Imported %n alarm(s)%1", nullptr, int(report.ids.size()))
                 .arg(report.ids.isEmpty() ? QString() : QStringLiteral(": ") + idsText(report.ids));
    if (!report.updated.isEmpty()) {
        lines << QCoreApplication::translate("CommandVerbs", "Updated %n alarm(s) in place: %1", nullptr,
                                             int(report.updated.size()))
                     .arg(idsText(report.updated));
    }
    if (!report.unchanged.isEmpty()) {
        lines << QCoreApplication::translate("CommandVerbs",
                                             "Left %n alarm(s) as they were, their events unchanged: %1", nullptr,
                                             int(report.unchanged.size()))
                     .arg(idsText(report.unchanged));
    }
    for (const QString &event : report.skipped)
        lines << QCoreApplication::translate("CommandVerbs", "Skipped %1").arg(event);
    if (report.skippedCount > report.skipped.size()) {
        lines << QCoreApplication::translate("CommandVerbs", "Skipped %n more event(s), not listed here", nullptr,
                                             int(report.skippedCount - report.skipped.size()));
    }
    return lines + report.leftOff + report.cautions;
}

QString listJson(const QList<QVariantMap> &alarms)
{
    QJsonArray array;
    for (const QVariantMap &alarm : alarms) {
        QJsonObject object = QJsonObject::fromVariantMap(alarm);
        // What is not there is null, not an empty text.
        for (const char *key : {"frequency", "schedule", "next", "skipped", "pausedUntil"}) {
            const QString name = QString::fromLatin1(key);
            if (object.value(name).toString().isEmpty())
                object.insert(name, QJsonValue::Null);
        }
        array.append(object);
    }
    return QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Indented));
}

} // namespace CommandVerbs

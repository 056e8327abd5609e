#pragma once

#include "alarmcontrol.h"

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <functional>
#include <vector>

// The program's command-line verbs ("chronelle list", "chronelle add 06:30
// --weekly mon,fri", ...). A verb's arguments are all read and checked before
// anything is asked of the alarms; then it runs on an AlarmControl, the
// running program's over D-Bus or one on the data folder, which the caller
// provides. Exit codes: 0 done, 1 could not be done (one line on standard
// error says which and why; nothing changed), 2 wrong usage.
namespace CommandVerbs {

enum ExitCode
{
    Done = 0,
    Failed = 1,
    Usage = 2,
};

// Where a verb writes: its result and its one line of complaint.
struct Output
{
    QTextStream &out;
    QTextStream &err;
};

// Gives the alarms to work on, once the arguments hold; throws AppError
// when they can't be reached.
using ControlProvider = std::function<AlarmControl &()>;

// One verb: its name, how it is called, what it does, its options, how many
// words follow it, and what it does with them. A verb is added by adding an
// entry to table().
struct Verb
{
    QString name;
    QString synopsis; // after the verb's name
    QString summary;
    std::function<void(QCommandLineParser &)> addOptions;
    int positionalCount = 0;
    // Runs the verb once its options and words are read; throws AppError.
    std::function<int(const QCommandLineParser &, const ControlProvider &, Output &)> run;
    // Words after positionalCount that may be left out.
    int optionalCount = 0;
};

const std::vector<Verb> &table();
const Verb *find(const QString &name);
// The verbs for --help: one line each with its synopsis and summary.
QString helpText();

// Runs arguments[0] (a verb's name) with the rest; returns the exit code.
int run(const QStringList &arguments, const ControlProvider &control, Output &output);

// Formats what list and next show: one line per alarm, aligned in columns,
// or JSON as `list --json` prints it.
QString listText(const QList<QVariantMap> &alarms);
QString listJson(const QList<QVariantMap> &alarms);
// What import prints, one line each, the counts first: "Imported 3 alarm(s):
// 4 5 6", the alarms updated and left, each skipped event ("Skipped
// \"Standup\": FREQ=MINUTELY"), how many more were skipped than listed, and
// what was left out.
QStringList importText(const CalendarTransfer::ImportReport &report);

} // namespace CommandVerbs

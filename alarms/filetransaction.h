#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Changes several files of one folder as one unit: after a crash, a kill or a
// full disk at any point, the folder holds either all the files as they were
// or all of them as changed. Each new file is first written whole beside its
// name ("3.ini.new"); then a journal naming every step is written, and that
// write is the moment the change happens. The steps that follow (renames,
// removals) are repeated from the journal at the next start if they were
// cut short, and files staged without a journal are dropped then.
//
// A journal is only ever followed within its scope: it may replace the files
// the scope names (through their staged copies) and remove only those the
// scope allows to be removed. A journal that says anything else, or can't be
// read, is moved aside and said once; it never blocks a later change.
class FileTransaction final
{
public:
    struct Scope
    {
        QStringList files;     // may be replaced; their cut-short saves are cleaned up
        QStringList removable; // may be removed
    };

    // A transaction without a scope can't finish another one's journal.
    FileTransaction(QString folder, QString journalName, Scope scope = {});

    void replace(const QString &name, const QByteArray &data);
    void remove(const QString &name);

    // Throws AppError naming the file and the reason when the change could
    // not be made; the folder is then as it was. When committed() is true
    // the change counts as made all the same, and AppError only tells what
    // else happened: the renames after the journal failed (the next start
    // completes them), or an earlier journal had to be moved aside.
    void commit();
    bool committed() const { return m_committed; }

    // At start, before anything is read: finishes a change whose journal was
    // written, drops the staged files of one that never got so far, and
    // removes the temporary files of saves that were cut short, for the
    // scope's files. Throws AppError when a finished change can't be
    // completed (the journal then stays for the next try), and when a journal
    // had to be moved aside.
    static void recover(const QString &folder, const QString &journalName, const Scope &scope);
    // Every one of `names` may be replaced and removed.
    static void recover(const QString &folder, const QString &journalName, const QStringList &names);

private:
    struct Step
    {
        bool replace = false;
        QString name;
    };
    static void apply(const QString &folder, const QString &journalName, const QList<Step> &steps);
    static QString stagedName(const QString &name) { return name + QStringLiteral(".new"); }
    // Finishes the change of a journal left in the folder, if any, or moves
    // a journal that can't be followed out of the way and returns what to
    // tell of it. Throws AppError when the change can't be completed, or the
    // journal can't be moved aside; the folder then takes no new change.
    static QString finishJournal(const QString &folder, const QString &journalName, const Scope &scope);

    QString m_folder;
    QString m_journalName;
    Scope m_scope;
    QList<Step> m_steps;
    QList<QByteArray> m_data;
    bool m_committed = false;
};

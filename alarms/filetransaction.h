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
class FileTransaction final
{
public:
    FileTransaction(QString folder, QString journalName);

    void replace(const QString &name, const QByteArray &data);
    void remove(const QString &name);

    // Throws AppError naming the file and the reason when the change could
    // not be made; the folder is then as it was. When only the renames after
    // the journal failed, committed() is true: the change counts as made and
    // the next start completes it.
    void commit();
    bool committed() const { return m_committed; }

    // At start, before anything is read: finishes a change whose journal was
    // written, drops the staged files of one that never got so far, and
    // removes the temporary files of saves that were cut short, for the
    // given file names. Throws AppError when a finished change can't be
    // completed; the journal then stays for the next try.
    static void recover(const QString &folder, const QString &journalName, const QStringList &names);

private:
    struct Step
    {
        bool replace = false;
        QString name;
    };
    static void apply(const QString &folder, const QString &journalName, const QList<Step> &steps);
    static QString stagedName(const QString &name) { return name + QStringLiteral(".new"); }

    QString m_folder;
    QString m_journalName;
    QList<Step> m_steps;
    QList<QByteArray> m_data;
    bool m_committed = false;
};

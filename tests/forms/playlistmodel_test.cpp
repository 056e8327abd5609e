// The play list's model on its own, without a view, under Qt's model checker.

#include "playlistmodel.h"
#include "qtprint.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

QStringList column(const PlayListModel &model, int column, int role = Qt::DisplayRole)
{
    QStringList texts;
    for (int row = 0; row < model.rowCount(); ++row)
        texts << model.index(row, column).data(role).toString();
    return texts;
}

} // namespace

TEST(PlayListModel, ShowsFileNameAndFolderOfEachPathAndKeepsThePathWhole)
{
    const QStringList paths{QStringLiteral("/home/me/Music/first song.mp3"), QStringLiteral("relative.wav"),
                            QStringLiteral("/ends/in/a/folder/"), QStringLiteral("/a.b/c:d\\e.ogg")};
    PlayListModel model;
    QAbstractItemModelTester checker(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    model.setPaths(paths);

    EXPECT_EQ(model.columnCount(), 2);
    EXPECT_EQ(model.headerData(PlayListModel::FileNameColumn, Qt::Horizontal).toString(), QStringLiteral("File Name"));
    EXPECT_EQ(model.headerData(PlayListModel::FolderColumn, Qt::Horizontal).toString(), QStringLiteral("Location"));
    EXPECT_EQ(column(model, PlayListModel::FileNameColumn),
              (QStringList{QStringLiteral("first song.mp3"), QStringLiteral("relative.wav"), QString(),
                           QStringLiteral("c:d\\e.ogg")}));
    EXPECT_EQ(column(model, PlayListModel::FolderColumn),
              (QStringList{QStringLiteral("/home/me/Music/"), QString(), QStringLiteral("/ends/in/a/folder/"),
                           QStringLiteral("/a.b/")}));
    for (int row = 0; row < model.rowCount(); ++row) {
        SCOPED_TRACE(paths[row].toStdString());
        EXPECT_EQ(model.index(row, 1).data().toString() + model.index(row, 0).data().toString(), paths[row]);
        for (int col = 0; col < 2; ++col) {
            EXPECT_EQ(model.index(row, col).data(PlayListModel::PathRole).toString(), paths[row]);
            EXPECT_EQ(model.index(row, col).data(Qt::ToolTipRole).toString(), paths[row]);
            EXPECT_FALSE(model.flags(model.index(row, col)) & (Qt::ItemIsEditable | Qt::ItemIsUserCheckable));
        }
    }
    EXPECT_EQ(model.paths(), paths);
}

// Adds, removals and moves at the ends; the entry a selection marks moves
// with it.
TEST(PlayListModel, AddRemoveAndMoveKeepTheEntriesWholeAndRefuseToPassTheEnds)
{
    PlayListModel model;
    QAbstractItemModelTester checker(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    const auto song = [](char c) { return QStringLiteral("/music/song%1.mp3").arg(QLatin1Char(c)); };
    const auto songs = [&song](const char *order) {
        QStringList paths;
        for (const char *c = order; *c; ++c)
            paths << song(*c);
        return paths;
    };

    model.append({});
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_FALSE(model.moveUp(0));
    EXPECT_FALSE(model.moveDown(0));
    EXPECT_FALSE(model.removeRow(0));

    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    model.append(songs("12"));
    model.append(songs("34"));
    EXPECT_EQ(model.paths(), songs("1234"));
    EXPECT_EQ(inserted.size(), 2);

    QSignalSpy moved(&model, &QAbstractItemModel::rowsMoved);
    EXPECT_FALSE(model.moveUp(0));
    EXPECT_FALSE(model.moveDown(3));
    EXPECT_FALSE(model.moveUp(4));
    EXPECT_FALSE(model.moveDown(-1));
    EXPECT_EQ(model.paths(), songs("1234"));
    EXPECT_EQ(moved.size(), 0);

    QPersistentModelIndex marked = model.index(3, PlayListModel::FolderColumn);
    EXPECT_TRUE(model.moveUp(3));
    EXPECT_TRUE(model.moveUp(2));
    EXPECT_TRUE(model.moveUp(1));
    EXPECT_EQ(model.paths(), songs("4123"));
    EXPECT_EQ(marked.row(), 0);
    EXPECT_EQ(marked.column(), int(PlayListModel::FolderColumn));
    EXPECT_FALSE(model.moveUp(0));
    EXPECT_TRUE(model.moveDown(0));
    EXPECT_EQ(model.paths(), songs("1423"));
    EXPECT_EQ(marked.row(), 1);
    EXPECT_EQ(moved.size(), 4);

    EXPECT_FALSE(model.removeRows(3, 2));
    EXPECT_TRUE(model.removeRow(3));
    EXPECT_TRUE(model.removeRow(0));
    EXPECT_EQ(model.paths(), songs("42"));
    EXPECT_EQ(marked.row(), 0);
    model.setPaths({});
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_FALSE(marked.isValid());
}

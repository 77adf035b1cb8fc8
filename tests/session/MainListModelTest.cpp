#include "session/MainListModel.h"
#include "session/BrowseModel.h"
#include "session/LibrarySession.h"
#include "support/LibraryBuilder.h"
#include "support/TestPlatform.h"

#include <QItemSelectionModel>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <memory>

namespace {

QStringList modelEntryTexts(const QAbstractItemModel &model, int role = Qt::DisplayRole)
{
    QStringList texts;
    for (int row = 0; row < model.rowCount(); ++row)
        texts << model.index(row, 0).data(role).toString();
    return texts;
}

int selectedModelRow(const QItemSelectionModel &selection)
{
    const QModelIndexList rows = selection.selectedIndexes();
    return rows.size() == 1 ? rows.front().row() : -1;
}

// What a view attached to the model sees: a new list is one reset, while a changed or added entry
// leaves the view's selection on the entry it was on.
TEST(MainListModelTest, ANewListResetsWhileOneEntryChangedOrAddedKeepsTheViewsSelection)
{
    MainListModel model;
    QItemSelectionModel selection(&model);
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);

    model.setEntries({QStringLiteral("Alpha"), QStringLiteral("Beta"), QStringLiteral("Gamma")});
    EXPECT_EQ(resets.size(), 1);
    EXPECT_EQ(inserted.size(), 0);
    ASSERT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.rowCount(model.index(0, 0)), 0) << "entries have no children";
    // The accessibility tree reads the same names as the screen.
    EXPECT_EQ(modelEntryTexts(model, Qt::AccessibleTextRole), modelEntryTexts(model));
    EXPECT_FALSE(model.index(1, 0).data(Qt::EditRole).isValid());
    const Qt::ItemFlags flags = model.flags(model.index(1, 0));
    EXPECT_TRUE(flags.testFlag(Qt::ItemIsSelectable) && flags.testFlag(Qt::ItemIsEnabled));
    EXPECT_FALSE(flags.testFlag(Qt::ItemIsEditable));

    selection.setCurrentIndex(model.index(1, 0), QItemSelectionModel::ClearAndSelect);
    model.setEntry(1, QStringLiteral("Beta Two"));
    ASSERT_EQ(changed.size(), 1);
    EXPECT_EQ(changed.front().at(0).toModelIndex().row(), 1);
    EXPECT_EQ(changed.front().at(1).toModelIndex().row(), 1);
    EXPECT_EQ(selectedModelRow(selection), 1);
    model.setEntry(3, QStringLiteral("past the end"));
    model.setEntry(-1, QStringLiteral("before the start"));
    EXPECT_EQ(changed.size(), 1);

    // An entry above the selection moves it down with its entry; places outside the list are
    // taken as its ends.
    model.insertEntry(0, QStringLiteral("Aardvark"));
    EXPECT_EQ(selectedModelRow(selection), 2);
    EXPECT_EQ(selection.currentIndex().data().toString(), QStringLiteral("Beta Two"));
    model.insertEntry(99, QStringLiteral("Zulu"));
    model.insertEntry(-4, QStringLiteral("Aaron"));
    EXPECT_EQ(modelEntryTexts(model),
              QStringList({QStringLiteral("Aaron"), QStringLiteral("Aardvark"), QStringLiteral("Alpha"),
                           QStringLiteral("Beta Two"), QStringLiteral("Gamma"), QStringLiteral("Zulu")}));
    EXPECT_EQ(inserted.size(), 3);
    EXPECT_EQ(resets.size(), 1);
    EXPECT_EQ(model.entries(), modelEntryTexts(model));

    model.setEntries({QStringLiteral("Omega")});
    EXPECT_EQ(resets.size(), 2);
    EXPECT_EQ(model.rowCount(), 1);
    EXPECT_FALSE(model.index(1, 0).data().isValid());
}

// The session fills the model: ratings and sort values appear in the entry texts, and the
// selection stays on its index and finds the game of the new text there.
TEST(MainListModelTest, RatingsAndSortValuesShowInTheEntriesAndTheSelectionReadsTheGameBack)
{
    LibraryBuilder lib;
    ASSERT_TRUE(lib.isValid());
    lib.setFields(LibraryBuilder::defaultFields() << QStringLiteral("Rating"));
    lib.setSubfolders({QStringLiteral("Action")});
    lib.addGame(
        QStringLiteral("Action"), QStringLiteral("Comet"), QStringLiteral("Comet"),
        {{QStringLiteral("Year"), QStringLiteral("1987")}, {QStringLiteral("Rating"), QStringLiteral("4")}});
    lib.addGame(QStringLiteral("Action"), QStringLiteral("Blaster"), QStringLiteral("Blaster"),
                {{QStringLiteral("Year"), QStringLiteral("1991")}});
    lib.addGame(
        QStringLiteral("Action"), QStringLiteral("Aztec"), QStringLiteral("Aztec | Tiles"),
        {{QStringLiteral("Year"), QStringLiteral("1993")}, {QStringLiteral("Rating"), QStringLiteral("2")}});
    lib.writeSettings();
    TestPlatform fake;
    LibrarySession session(fake.platform(), lib.root());
    session.startUp();
    BrowseModel &browse = session.browse();
    const QAbstractItemModel &model = browse.listModel();
    ASSERT_EQ(modelEntryTexts(model), QStringList({QStringLiteral("Aztec | Tiles"), QStringLiteral("Blaster"),
                                                   QStringLiteral("Comet")}));

    browse.select(0);
    browse.setListShowsRating(true);
    EXPECT_EQ(modelEntryTexts(model), QStringList({QStringLiteral("2|Aztec | Tiles"),
                                                   QStringLiteral("|Blaster"), QStringLiteral("4|Comet")}));
    EXPECT_EQ(browse.selectedIndex(), 0);
    EXPECT_EQ(browse.details().name, QStringLiteral("Aztec | Tiles"));

    browse.setSortField(QStringLiteral("Year"));
    EXPECT_EQ(modelEntryTexts(model),
              QStringList({QStringLiteral("4|1987 -- Comet"), QStringLiteral("|1991 -- Blaster"),
                           QStringLiteral("2|1993 -- Aztec | Tiles")}));
    EXPECT_EQ(browse.selectedIndex(), 0);
    EXPECT_EQ(browse.details().name, QStringLiteral("Comet"));

    browse.select(2);
    browse.setListShowsRating(false);
    EXPECT_EQ(model.index(2, 0).data().toString(), QStringLiteral("1993 -- Aztec | Tiles"));
    EXPECT_EQ(browse.details().name, QStringLiteral("Aztec | Tiles"));
}

} // namespace

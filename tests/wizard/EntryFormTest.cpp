#include "wizard/EntryForm.h"
#include "wizard/EntryValueLists.h"

#include <QPoint>
#include <QSet>

#include <gtest/gtest.h>

namespace {

TEST(EntryForm, EveryFieldHasOneCellOfItsOwnAndTheListsOfAPairOfferTheSameValues)
{
    QSet<int> fields;
    QSet<std::pair<int, int>> places;
    for (const EntryForm::Cell &cell : EntryForm::cells()) {
        fields.insert(int(cell.field));
        // The game column's row 0 holds the list of games to load.
        EXPECT_FALSE(cell.row == 0 && cell.column == 0) << cell.caption;
        EXPECT_TRUE(cell.column == 0 || cell.column == 2 || cell.column == 4) << cell.caption;
        places.insert({cell.row, cell.column});
    }
    EXPECT_EQ(fields.size(), EntryFieldCount);
    EXPECT_EQ(places.size(), EntryFieldCount);

    EntryValueLists lists;
    for (QStringList *values : {&lists.dbScumm, &lists.emulator, &lists.publisher, &lists.developer, &lists.genre,
                                &lists.subGenre, &lists.designer, &lists.platform, &lists.series})
        values->append(QStringLiteral("value"));
    // A list offers values; a line offers none.
    for (const EntryForm::Cell &cell : EntryForm::cells())
        EXPECT_EQ(EntryForm::itemsFor(cell.field, lists).isEmpty(), !cell.list) << cell.caption;
    lists.subGenre = QStringList{QStringLiteral("Puzzle")};
    lists.series = QStringList{QStringLiteral("Quest")};
    EXPECT_EQ(EntryForm::itemsFor(EntryField::SubGenre2, lists), lists.subGenre);
    EXPECT_EQ(EntryForm::itemsFor(EntryField::Series2, lists), lists.series);
    EXPECT_EQ(EntryForm::itemsFor(EntryField::Emulator, lists), lists.emulator);
    EXPECT_EQ(EntryForm::itemsFor(EntryField::Rating, lists), ratingItems());
}

} // namespace

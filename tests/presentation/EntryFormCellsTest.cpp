#include "presentation/EntryFormCells.h"
#include "wizard/EntryForm.h"
#include "wizard/EntryValueLists.h"

#include <QSet>

#include <gtest/gtest.h>

namespace {

TEST(EntryFormCells, EveryFieldHasOneCellOfItsOwnAndAListWhereItOffersValues)
{
    QSet<int> fields;
    QSet<std::pair<int, int>> places;
    QSet<QString> names;
    for (const EntryFormCells::Cell &cell : EntryFormCells::cells()) {
        fields.insert(int(cell.field));
        // The game column's row 0 holds the list of games to load.
        EXPECT_FALSE(cell.row == 0 && cell.column == 0) << cell.caption;
        EXPECT_TRUE(cell.column == 0 || cell.column == 2 || cell.column == 4) << cell.caption;
        places.insert({cell.row, cell.column});
        names.insert(QLatin1String(cell.name));
    }
    EXPECT_EQ(fields.size(), EntryFieldCount);
    EXPECT_EQ(places.size(), EntryFieldCount);
    // The window's tests find each control by its name.
    EXPECT_EQ(names.size(), EntryFieldCount);

    EntryValueLists lists;
    for (QStringList *values :
         {&lists.dbScumm, &lists.emulator, &lists.publisher, &lists.developer, &lists.genre, &lists.subGenre,
          &lists.designer, &lists.platform, &lists.series})
        values->append(QStringLiteral("value"));
    // A list offers values; a line offers none.
    for (const EntryFormCells::Cell &cell : EntryFormCells::cells())
        EXPECT_EQ(EntryForm::itemsFor(cell.field, lists).isEmpty(), !cell.list) << cell.caption;
}

} // namespace

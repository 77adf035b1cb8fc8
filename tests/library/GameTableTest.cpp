#include "library/GameTable.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct FieldCellCase
{
    const char *field;
    int row;
    const char *expected;
};

} // namespace

// Every module reads cells by field name through this one accessor, so its edges decide what a
// missing column or a stale row number shows: nothing, never column 0 or another row.
TEST(GameTableFieldCell, GivesTheNamedCellAndEmptyOutsideTheTable)
{
    GameTable table;
    table.setSize(4, 3);
    const char *const names[] = {"Number", "Name", "Genre", "Genre"};
    const char *const doom[] = {"1", "Doom", "Action", "Shooter"};
    for (int c = 0; c < 4; ++c) {
        table.setCell(c, 0, QLatin1String(names[c]));
        table.setCell(c, 1, QLatin1String(doom[c]));
    }

    const FieldCellCase cases[] = {
        {"Name", 1, "Doom"},     {"Genre", 1, "Shooter"}, {"Name", 0, "Name"}, {"Name", 2, ""},
        {"Missing", 1, ""},      {"name", 1, ""},         {"Name", 3, ""},     {"Name", -1, ""},
        {"Number", 1, "1"},
    };
    for (const FieldCellCase &c : cases)
        EXPECT_EQ(table.cell(QLatin1String(c.field), c.row), QLatin1String(c.expected))
            << c.field << " row " << c.row;
}

// A reader drops the look-up indexes of a filled table: the cells read as before, and a column of
// few texts still gives a repeated text the number it has, so the column's distinct texts (what
// the category menus and sorts work on) do not grow with every edit.
TEST(GameTableLookups, AfterTheReaderDropsThemCellsAndRepeatedTextsKeepTheirNumbers)
{
    GameTable table;
    table.setSize(2, 1);
    table.setCell(1, 0, QStringLiteral("Platform"));
    for (int row = 0; row < 600; ++row)
        table.appendRow({QString::number(row), row % 2 ? QStringLiteral("DOS") : QStringLiteral("Amiga")});
    const GameTable::TextId texts = table.textCount(1);
    table.dropLookups();
    EXPECT_EQ(table.cell(1, 2), QStringLiteral("DOS"));
    EXPECT_EQ(table.cell(0, 600), QStringLiteral("599"));
    EXPECT_EQ(table.addText(1, QStringLiteral("DOS")), table.textId(1, 2));
    table.setCell(1, 1, QStringLiteral("DOS"));
    EXPECT_EQ(table.textCount(1), texts);
    EXPECT_EQ(table.textId(1, 1), table.textId(1, 2));

    // A new order of the same rows is no change of the cells; a changed cell is.
    const quint64 cells = table.cellsRevision();
    std::vector<int> reversed(static_cast<size_t>(table.rowCount()));
    for (int p = 1; p < table.rowCount(); ++p)
        reversed[static_cast<size_t>(p)] = table.rowCount() - p;
    table.permuteRows(reversed);
    EXPECT_EQ(table.cell(0, 1), QStringLiteral("599"));
    EXPECT_EQ(table.cellsRevision(), cells);
    table.setCell(1, 1, QStringLiteral("C64"));
    EXPECT_NE(table.cellsRevision(), cells);
}

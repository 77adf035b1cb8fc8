#include "library/GameTable.h"

#include <gtest/gtest.h>

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

// The data cache: any bytes load or are refused without touching the table, and a table that
// loaded saves and loads again equal cell for cell.

#include "FuzzSupport.h"

#include "library/GameTable.h"
#include "library/GridTextFile.h"

#include <QBuffer>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer in(&bytes);
    in.open(QIODevice::ReadOnly);
    GameTable table;
    table.setSize(2, 2);
    table.setCell(1, 1, QStringLiteral("kept"));
    GameTable untouched = table;
    const GridFileResult loaded = LoadStringGrid(table, in);
    if (!loaded.ok()) {
        FUZZ_CHECK(table == untouched);
        return 0;
    }
    QByteArray saved;
    QBuffer out(&saved);
    out.open(QIODevice::WriteOnly);
    FUZZ_CHECK(SaveStringGrid(table, out).ok());
    out.close();
    QBuffer again(&saved);
    again.open(QIODevice::ReadOnly);
    GameTable reloaded;
    FUZZ_CHECK(LoadStringGrid(reloaded, again).ok());
    FUZZ_CHECK(reloaded == table);
    return 0;
}

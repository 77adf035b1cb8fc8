// The data cache: any bytes load or are refused, and a table that loaded saves and loads again
// equal cell for cell.

#include "FuzzSupport.h"

#include "library/GameTable.h"
#include "library/GridTextFile.h"

#include <QBuffer>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer in(&bytes);
    in.open(QIODevice::ReadOnly);
    const Result<GameTable> loaded = LoadStringGrid(in);
    if (!loaded)
        return 0;
    const GameTable &table = *loaded;
    QByteArray saved;
    QBuffer out(&saved);
    out.open(QIODevice::WriteOnly);
    FUZZ_CHECK(SaveStringGrid(table, out).has_value());
    out.close();
    QBuffer again(&saved);
    again.open(QIODevice::ReadOnly);
    const Result<GameTable> reloaded = LoadStringGrid(again);
    FUZZ_CHECK(reloaded.has_value());
    FUZZ_CHECK(*reloaded == table);
    return 0;
}

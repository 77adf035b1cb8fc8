#include "browse/PlatformSwitch.h"

#include "library/GameTable.h"

int FindOtherPlatform(const GameTable &table, const QString &gameName, const QString &system)
{
    const int name = table.findColumn(QStringLiteral("Name"));
    const int platform = table.findColumn(QStringLiteral("Platform"));
    if (name < 0 || platform < 0)
        return 0;
    for (int row = table.rowCount() - 1; row >= 1; --row) {
        if (table.cell(name, row) == gameName && table.cell(platform, row) == system)
            return row;
    }
    return 0;
}

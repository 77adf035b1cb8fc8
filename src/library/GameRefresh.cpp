#include "library/GameRefresh.h"

#include "base/IniFile.h"
#include "library/GameTable.h"
#include "library/LibraryPaths.h"
#include "library/LibraryScanner.h"

#include <QFile>
#include <QSet>

namespace {

bool isScanColumn(const QString &name)
{
    static const QSet<QString> columns{QStringLiteral("Folder"), QStringLiteral("Subfolder"),
                                       QStringLiteral("IniFile"), QStringLiteral("FolderDateCreated"),
                                       QStringLiteral("FolderDateModified")};
    return columns.contains(name);
}

// Filled by the list build from the other rows of the game's name, not by the ini file.
bool isOtherPlatformColumn(const QString &name)
{
    return name.startsWith(QLatin1String("OtherPlatform"));
}

} // namespace

namespace GameRefresh {

int rowFor(const GameTable &table, const QString &name, const QString &platform)
{
    const int nameColumn = table.column(QStringLiteral("Name"));
    const int platformColumn = table.column(QStringLiteral("Platform"));
    for (int row = table.rowCount() - 1; row >= 1; --row) {
        if (table.cell(nameColumn, row) == name && table.cell(platformColumn, row) == platform)
            return row;
    }
    return 0;
}

Result<void> refreshRow(GameTable &table, int row, const QString &libraryRoot)
{
    if (row < 1 || row >= table.rowCount())
        return {};
    const QString path = LibraryPaths::resolve(LibraryPaths::gameIniFile(libraryRoot, table, row));
    // A game that lost its file would otherwise keep an entry that no longer finds its row.
    if (!LibraryPaths::isRegularFile(path))
        return Failure(Failure::Kind::GameFileGone, path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Failure(Failure::Kind::CouldNotRead, path, file.errorString());
    const QByteArray bytes = file.read(MaxGameIniSize + 1);
    if (bytes.size() > MaxGameIniSize || bytes.contains('\0'))
        return Failure(Failure::Kind::NotGameIni, path);

    const IniFile ini = IniFile::fromBytes(bytes);
    const QString main = QStringLiteral("Main");
    // The platforms the list build recorded are those of other records of the same name; a
    // record that has a new name no longer shares them.
    const QString name = QStringLiteral("Name");
    const bool keepsName = ini.readString(main, name, QString()) == table.cell(table.column(name), row);
    for (int column = 0; column < table.columnCount(); ++column) {
        const QString &field = table.cell(column, 0);
        if (isScanColumn(field))
            continue;
        QString value = ini.readString(main, field, QString());
        if (value.isEmpty() && keepsName && isOtherPlatformColumn(field))
            continue;
        table.setCell(column, row, value);
    }
    return {};
}

} // namespace GameRefresh

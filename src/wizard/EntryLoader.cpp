#include "wizard/EntryLoader.h"

#include "base/IniFile.h"
#include "base/TextCodec.h"
#include "library/GameTable.h"
#include "library/LibraryPaths.h"

#include <QFile>
#include <QFileInfo>

namespace EntryLoader {

int lastRowNamed(const GameTable &table, const QString &name)
{
    const int nameColumn = table.findColumn(QStringLiteral("Name"));
    if (nameColumn < 0)
        return 0;
    for (int r = table.rowCount() - 1; r >= 1; --r) {
        if (table.cell(nameColumn, r) == name)
            return r;
    }
    return 0;
}

QString readAboutText(const QString &path)
{
    if (!LibraryPaths::isRegularFile(path))
        return QString();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QString text = TextCodec::decode(file.readAll()).text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    // The file ends its last line like every other; the text box shows no empty line after it.
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text;
}

std::optional<GameEntry> fromTable(const GameTable &table, const QString &libraryRoot, const QString &name)
{
    const int row = lastRowNamed(table, name);
    if (row < 1)
        return std::nullopt;
    GameEntry entry;
    for (const EntryFieldInfo &info : entryFields()) {
        int column = table.findColumn(QLatin1String(info.key));
        if (column < 0 && info.field == EntryField::DBScumm)
            column = table.findColumn(QStringLiteral("DBConf"));
        if (column >= 0)
            entry[info.field] = table.cell(column, row);
    }
    const QString aboutName = entry[EntryField::About];
    if (!aboutName.isEmpty()) {
        const QString aboutFolder = LibraryPaths::join(LibraryPaths::metadataFolder(libraryRoot, table, row),
                                                       QStringLiteral("About"));
        entry.aboutText = readAboutText(LibraryPaths::resolve(LibraryPaths::join(aboutFolder, aboutName)));
    }
    return entry;
}

Result<GameEntry> fromIniFile(const QString &fileName)
{
    QFile file(fileName);
    if (!LibraryPaths::isRegularFile(fileName) || !file.open(QIODevice::ReadOnly))
        return Failure(Failure::Kind::UnableToRead, fileName);
    const IniFile ini = IniFile::fromBytes(file.readAll());
    GameEntry entry;
    const QString section = QStringLiteral("Main");
    for (const EntryFieldInfo &info : entryFields())
        entry[info.field] = ini.readString(section, QLatin1String(info.key), QString());
    return entry;
}

} // namespace EntryLoader

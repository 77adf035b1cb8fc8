#include "import/PlainFolderReader.h"

#include "import/ImportText.h"
#include "import/SourcePaths.h"

#include <QDir>
#include <QFileInfo>

namespace PlainFolderReader {

void nameAndYear(const QString &folderName, QString *name, QString *year)
{
    QString text = folderName;
    text.replace(u'_', u' ').replace(u'.', u' ');
    text = ImportText::cleanName(text);
    year->clear();
    // "(1993)" at the end, digits only.
    if (text.size() >= 6 && text.endsWith(u')')) {
        const qsizetype open = text.size() - 6;
        const QString inside = text.mid(open + 1, 4);
        bool digits = text.at(open) == u'(';
        for (const QChar c : inside)
            digits = digits && c >= u'0' && c <= u'9';
        if (digits) {
            *year = inside;
            text = text.left(open).trimmed();
        }
    }
    *name = text;
}

Result<std::vector<ImportGame>> read(const QString &folder, const QString &platform, const QString &emulator,
                                     const std::atomic<bool> *cancel)
{
    using Kind = Failure::Kind;
    if (!QFileInfo(folder).isDir())
        return Failure(Kind::FolderMissing, folder);
    const QString base = QDir(folder).absolutePath();
    SourcePaths paths(base);
    std::vector<ImportGame> games;
    for (const QString &entry : paths.entries(base)) {
        const QString gameFolder = base + QLatin1Char('/') + entry;
        // Hidden folders are no games, as in the library; nor is a loose file.
        if (entry.startsWith(u'.') || !QFileInfo(gameFolder).isDir())
            continue;
        if (cancel && games.size() % 64 == 0 && cancel->load(std::memory_order_relaxed))
            return Failure(Kind::Cancelled);
        ImportGame game;
        game.sourceKey = QStringLiteral("Folder ") + gameFolder;
        nameAndYear(entry, &game.entry[EntryField::Name], &game.entry[EntryField::Year]);
        if (game.entry[EntryField::Name].isEmpty()) {
            game.importable = false;
            game.problems.emplace_back(Kind::ImportNoTitle);
        }
        game.entry[EntryField::Platform] = platform;
        game.entry[EntryField::Emulator] = emulator;
        game.filesFolder = gameFolder;
        game.programs = ImportText::programsIn(paths, gameFolder);
        game.entry[EntryField::Executable] = game.programs.value(0);
        if (game.programs.isEmpty())
            game.problems.emplace_back(Kind::ImportNoProgramInFolder, gameFolder);
        else if (game.programs.size() > 1)
            game.problems.push_back(Failure(Kind::ImportSeveralPrograms, gameFolder)
                                        .with(Failure::Fact::Programs, game.programs));
        game.entry[EntryField::Setup] = ImportText::setupAmong(game.programs);
        games.push_back(std::move(game));
    }
    return games;
}

} // namespace PlainFolderReader

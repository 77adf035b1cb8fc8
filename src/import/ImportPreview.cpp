#include "import/ImportPreview.h"

#include "base/IniFile.h"
#include "import/ImportText.h"
#include "import/SourcePaths.h"
#include "library/LibraryPaths.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace {

void readGameIni(const QString &file, const QString &gameFolder, LibraryIndex &index)
{
    if (!LibraryPaths::isRegularFile(file))
        return;
    QFile ini(file);
    if (!ini.open(QIODevice::ReadOnly))
        return;
    const IniFile values = IniFile::fromBytes(ini.read(1024 * 1024));
    const QString section = QStringLiteral("Main");
    const QString name = values.readString(section, QStringLiteral("Name"), QString());
    if (name.isEmpty())
        return;
    index.namesOnPlatforms.insert(
        LibraryIndex::nameKey(name, values.readString(section, QStringLiteral("Platform"), QString())));
    if (const QString from = values.readString(section, QStringLiteral("ImportedFrom"), QString()); !from.isEmpty())
        index.imported.insert(from, gameFolder);
}

} // namespace

CaseFoldedKey LibraryIndex::nameKey(const QString &name, const QString &platform)
{
    return CaseFoldedKey{name + QLatin1Char('\n') + platform};
}

LibraryIndex LibraryIndex::read(const QString &libraryRoot, const QStringList &categories,
                                const std::atomic<bool> *cancel)
{
    LibraryIndex index;
    SourcePaths paths;
    const QString games = LibraryPaths::gamesFolder(libraryRoot);
    for (const QString &category : categories) {
        const QString categoryFolder = LibraryPaths::join(games, category);
        QDirIterator folders(categoryFolder, QDir::Dirs | QDir::NoDotAndDotDot);
        while (folders.hasNext()) {
            const QString gameFolder = folders.next();
            if (folders.fileName().startsWith(u'.'))
                continue;
            if (cancel && cancel->load(std::memory_order_relaxed))
                return index;
            QString iniFolder = gameFolder + QStringLiteral("/Pallox/IniFile");
            if (!QFileInfo(iniFolder).isDir()) {
                const QString metadata = paths.child(gameFolder, QStringLiteral("Pallox"));
                iniFolder = metadata.isEmpty() ? QString() : paths.child(metadata, QStringLiteral("IniFile"));
            }
            if (iniFolder.isEmpty())
                continue;
            QDirIterator files(iniFolder, QDir::Files | QDir::Hidden);
            while (files.hasNext()) {
                const QString file = files.next();
                if (file.endsWith(QLatin1String(".ini"), Qt::CaseInsensitive))
                    readGameIni(file, gameFolder, index);
            }
        }
    }
    return index;
}

ImportPreview ImportPreview::plan(std::vector<ImportGame> games, const LibraryIndex &library,
                                  const QStringList &categoryEntries)
{
    using Kind = Failure::Kind;
    ImportPreview preview;
    preview.rows.reserve(games.size());
    // Folder names compare without regard to case: the library may be taken to a system that
    // does not tell "Doom" from "DOOM".
    QSet<CaseFoldedKey> taken;
    for (const QString &entry : categoryEntries)
        taken.insert(CaseFoldedKey{entry});
    QSet<CaseFoldedKey> seen;
    QSet<QString> seenSources;
    for (ImportGame &game : games) {
        ImportRow row;
        row.game = std::move(game);
        ImportGame &g = row.game;
        const QString &name = g.entry[EntryField::Name];
        row.ticked = g.importable;
        const auto earlier = library.imported.constFind(g.sourceKey);
        if (!g.sourceKey.isEmpty() && (earlier != library.imported.constEnd() || seenSources.contains(g.sourceKey))) {
            row.alreadyImported = true;
            row.ticked = false;
            const QString folder = earlier != library.imported.constEnd() ? *earlier : QString();
            g.problems.insert(g.problems.begin(), Failure(Kind::ImportAlreadyImported, folder));
            row.folderName = QFileInfo(folder).fileName();
            preview.rows.push_back(std::move(row));
            continue;
        }
        seenSources.insert(g.sourceKey);
        if (g.importable) {
            const CaseFoldedKey key = LibraryIndex::nameKey(name, g.entry[EntryField::Platform]);
            if (library.namesOnPlatforms.contains(key))
                g.problems.push_back(Failure(Kind::ImportNameInLibrary).with(Failure::Fact::Game, name));
            else if (seen.contains(key))
                g.problems.push_back(Failure(Kind::ImportDuplicateTitle).with(Failure::Fact::Game, name));
            seen.insert(key);

            const QString base = ImportText::folderName(name);
            QString folder = base;
            for (int n = 2; taken.contains(CaseFoldedKey{folder}); ++n)
                folder = QStringLiteral("%1 (%2)").arg(base).arg(n);
            taken.insert(CaseFoldedKey{folder});
            row.folderName = folder;
        }
        preview.rows.push_back(std::move(row));
    }
    return preview;
}

Result<ImportPreview> ImportPreview::build(const SourceRequest &source, const ImportTarget &target,
                                           const QStringList &categories, const std::atomic<bool> *cancel)
{
    Result<std::vector<ImportGame>> games = ImportSource::read(source, cancel);
    if (!games)
        return std::move(games).error();
    if (games->empty())
        return Failure(Failure::Kind::ImportNoGames, source.path);
    QStringList read = categories;
    if (!read.contains(target.category, Qt::CaseInsensitive))
        read << target.category;
    const LibraryIndex library = LibraryIndex::read(target.libraryRoot, read, cancel);
    const QStringList entries = QDir(target.categoryFolder())
                                    .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    if (cancel && cancel->load(std::memory_order_relaxed))
        return Failure(Failure::Kind::Cancelled);
    return plan(std::move(*games), library, entries);
}

ImportPreview::Counts ImportPreview::counts() const
{
    Counts counts;
    counts.games = int(rows.size());
    for (const ImportRow &row : rows) {
        counts.ticked += row.ticked ? 1 : 0;
        counts.alreadyImported += row.alreadyImported ? 1 : 0;
        counts.withProblems += !row.alreadyImported && !row.game.problems.empty() ? 1 : 0;
    }
    return counts;
}

QString ImportPreview::countsText(const Counts &counts)
{
    const QString games =
        counts.games == 1 ? QStringLiteral("1 game found") : QStringLiteral("%1 games found").arg(counts.games);
    return QStringLiteral("%1: %2 to import, %3 imported before, %4 with a problem.")
        .arg(games)
        .arg(counts.ticked)
        .arg(counts.alreadyImported)
        .arg(counts.withProblems);
}

QString ImportPreview::foundText(const ImportGame &game)
{
    QStringList found;
    for (int kind = 0; kind < PictureKindCount; ++kind) {
        if (!game.pictures[size_t(kind)].isEmpty())
            found << QLatin1String(pictureKindInfo(PictureKind(kind)).subfolder);
    }
    if (!game.manual.isEmpty())
        found << QStringLiteral("manual");
    if (!game.notes.trimmed().isEmpty())
        found << QStringLiteral("notes");
    if (!game.extras.empty())
        found << (game.extras.size() == 1 ? QStringLiteral("1 extra") : QStringLiteral("%1 extras").arg(game.extras.size()));
    return found.join(QStringLiteral(", "));
}

QString ImportPreview::problemsText(const ImportGame &game)
{
    QStringList texts;
    for (const Failure &problem : game.problems)
        texts << problem.message();
    return texts.join(QStringLiteral("; "));
}

QStringList ImportPreview::lines(const QString &category) const
{
    QStringList lines;
    for (const ImportRow &row : rows) {
        const ImportGame &game = row.game;
        const GameEntry &entry = game.entry;
        QStringList facts;
        for (const QString &fact : {entry[EntryField::Platform], entry[EntryField::Year]}) {
            if (!fact.isEmpty())
                facts << fact;
        }
        QString line = (row.ticked ? QStringLiteral("[x] ") : QStringLiteral("[ ] ")) +
                       (entry[EntryField::Name].isEmpty() ? QStringLiteral("(no title)") : entry[EntryField::Name]);
        if (!facts.isEmpty())
            line += QStringLiteral(" (") + facts.join(QStringLiteral(", ")) + QLatin1Char(')');
        if (!row.folderName.isEmpty() && !row.alreadyImported)
            line += QStringLiteral(" -> ") + category + QLatin1Char('/') + row.folderName;
        QStringList found;
        if (const QString files = foundText(game); !files.isEmpty())
            found << files;
        if (!entry[EntryField::Executable].isEmpty())
            found << QStringLiteral("program ") + entry[EntryField::Executable];
        if (!found.isEmpty())
            line += QStringLiteral(": ") + found.join(QStringLiteral(", "));
        lines << line;
        for (const Failure &problem : game.problems)
            lines << QStringLiteral("    ") + problem.message();
    }
    lines << countsText(counts());
    return lines;
}

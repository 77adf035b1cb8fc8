#pragma once

#include "base/CaseFold.h"
#include "base/Result.h"
#include "import/ImportGame.h"
#include "import/ImportSource.h"
#include "import/ImportWriter.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include <atomic>
#include <vector>

// What the library holds already that an import must know of: the games an earlier import made
// (by the source record each came from) and the names on each platform.
struct LibraryIndex
{
    QHash<QString, QString> imported; // source record -> game folder
    QSet<CaseFoldedKey> namesOnPlatforms;

    // Reads every game ini file of the category folders.
    static LibraryIndex read(const QString &libraryRoot, const QStringList &categories,
                             const std::atomic<bool> *cancel = nullptr);
    static CaseFoldedKey nameKey(const QString &name, const QString &platform);
};

// One row of the preview: a game, the folder it will get, whether it is ticked.
struct ImportRow
{
    ImportGame game;
    QString folderName;
    bool ticked = true;
    // An earlier import made it; the row says where, and is not ticked.
    bool alreadyImported = false;
};

// What an import will make before anything is written.
class ImportPreview
{
public:
    // The source's games, each given a folder name of its own in the category (not one that is
    // there, nor one another game of the import gets), and what stands in the way of each.
    static ImportPreview plan(std::vector<ImportGame> games, const LibraryIndex &library,
                              const QStringList &categoryEntries);
    // The whole preview: the source read, the library's games read, the category folder listed.
    // `categories` are the category folders the library has.
    static Result<ImportPreview> build(const SourceRequest &source, const ImportTarget &target,
                                       const QStringList &categories, const std::atomic<bool> *cancel = nullptr);

    std::vector<ImportRow> rows;

    struct Counts
    {
        int games = 0;
        int ticked = 0;
        int alreadyImported = 0;
        int withProblems = 0;
    };
    Counts counts() const;
    // The counts as the user reads them below the preview.
    static QString countsText(const Counts &counts);
    // One line per game, then its problems indented, then the counts: what the command line prints.
    QStringList lines(const QString &category) const;

    // What a row shows of a game's files: the picture kinds, the manual, the notes and the extras
    // found ("Front, Screen, manual, notes, 2 extras").
    static QString foundText(const ImportGame &game);
    static QString problemsText(const ImportGame &game);
};

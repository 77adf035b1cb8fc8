#pragma once

#include "base/Result.h"
#include "import/ImportGame.h"

#include <QString>

#include <vector>

// Where an import goes: a category folder of the library, and what becomes of the games' files.
struct ImportTarget
{
    QString libraryRoot;
    QString category;
    FileMode mode = FileMode::Link;

    QString categoryFolder() const;
};

// Makes game folders in the category folder, each whole or not at all: a game is made in a work
// folder beside its place (hidden, so that a scan passes over it) and renamed into place once
// everything is in it. Nothing of the source changes, except what a move takes away.
class ImportWriter
{
public:
    explicit ImportWriter(ImportTarget target);
    // Removes the work folder, which is empty by then.
    ~ImportWriter();
    ImportWriter(const ImportWriter &) = delete;
    ImportWriter &operator=(const ImportWriter &) = delete;

    // The work folder, made once before the first game; games may then be written from several
    // threads at once.
    Result<void> begin();

    struct Made
    {
        QString folder; // the game folder as made
        // What went wrong after the game was in place: an original a move across disks left.
        std::vector<Failure> notes;
    };
    // The game in a folder of the category named `folderName`, or, should that be taken by now,
    // the first free name with " (2)", " (3)" … after it.
    Result<Made> write(const ImportGame &game, const QString &folderName);

    // The name of the game ini file and of the note in a game folder of that name.
    static QString iniFileName(const QString &folderName);
    static QString aboutFileName(const QString &folderName);

private:
    Result<void> fill(const ImportGame &game, const QString &folder, const QString &folderName);
    Result<void> placeOwnFiles(const ImportGame &game, const QString &folder);

    ImportTarget m_target;
    QString m_work;
};

#pragma once

#include "base/Result.h"

#include <QString>

#include <array>
#include <functional>

class Clock;
class FileOps;
class GameTable;
class LaunchBoxDocument;

// Adds the games of a table to a LaunchBox data file: one Game element per game row with its
// AdditionalApplication elements after it, and the pictures copied into LaunchBox's Images
// folder beside the file. Nothing of the library is changed.
class LaunchBoxExport
{
  public:
    struct Progress
    {
        // The file has been read and is a LaunchBox data file; `games` rows follow.
        std::function<void(int games)> started;
        // Game `number` (from 1) is being exported.
        std::function<void(int number)> gameStarted;
    };

    LaunchBoxExport(const GameTable &table, const QString &libraryRoot, Clock &clock, FileOps &fileOps);

    // The whole export into the chosen file: read it (a file that is no LaunchBox data file is
    // refused before anything is created or copied), back it up once, add every game row in
    // table order, save.
    Result<void> run(const QString &dataFile, const Progress &progress = {});

  private:
    struct Columns
    {
        int name, genre, subGenre, subGenre2, developer, publisher, executable, about, manual, platform;
        int front, back, screen, title, media;
        std::array<int, 7> extra, extraLink;
    };

    QString cell(int column, int row) const;
    void exportGame(LaunchBoxDocument &document, int row);
    void copyPictures(int row, const QString &metadataFolder, const QString &imageFolder);
    void copyPicture(const QString &metadataFolder, const char *subfolder, const QString &name,
                     const QString &destination);

    const GameTable &m_table;
    QString m_libraryRoot;
    Clock &m_clock;
    FileOps &m_fileOps;
    Columns m_columns{};
    QString m_imagesFolder; // empty when the data file's folder has no Images folder
};

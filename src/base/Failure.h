#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// Why an operation did not do what it was asked: what went wrong, on which file or folder, in
// the system's own words where it gave some. Modules report failures as these facts; the
// sentence the user reads is made from them in one place, message().
class Failure
{
  public:
    enum class Kind {
        // Saving an ini-like file (the settings, a DOSBox configuration file).
        SaveWithoutFile,    // the settings were never read from a file
        SaveEmptyKey,       // a key without a name
        SaveIntoFolder,     // the path names a folder
        SaveIntoNonRegular, // the path names something other than a regular file
        SaveIntoNonFile,    // the path names something other than a file
        SaveUnreadable,     // the file is there but could not be read first
        CannotSave,         // opening, writing or replacing the file failed
        TextUnfitForCodePage, // causes: what holds characters Windows-1252 cannot, as clauses
        // Clauses of TextUnfitForCodePage.
        UnfitKey,          // details: the key name
        UnfitField,        // details: the configuration editor's caption of the control, its tab
        UnfitAutoexecLine, // details: the line
        // Reading a file in general.
        ReadNonFile,   // "Cannot read": the path names something other than a file
        CannotRead,    // "Cannot read": the system refused
        CouldNotOpen,  // "Could not open": the system refused
        CouldNotRead,  // "Could not read": the system refused
        CouldNotSave,  // "Could not save": the system refused
        FileMissing,   // the file to read does not exist
        NotDOSBoxConf, // a file without any of DOSBox's sections
        ConfFileNameBlank, // the configuration editor's file field is blank
        EmulatorSlotsFull, // details: how many custom slots there are
        // The data cache.
        CacheMissing,
        CacheNotRegular,
        CacheCannotOpen,
        CacheCannotRead,
        CacheCannotCreate,
        CacheCannotWrite,
        CacheEmpty,
        CacheNoColumnCount,
        CacheNoRowCount,
        CacheCutShort,  // details: columns, rows, cells held, cells promised
        CacheReadAgain, // causes: why the cache could not be used; the library is read instead
        // The scan and Refresh This Game.
        FolderInfo,          // a game folder's dates could not be looked up
        GameFileUnreadable,  // one game ini file; told as one line of GameFilesUnreadable
        GameFilesUnreadable, // causes: the unreadable files, whose games are missing from the list
        NoGamesFound,
        GameFileGone, // Refresh This Game found the file no more
        NotGameIni,   // too large or binary to be a game ini file
        // Moving, deleting and copying the user's folders and files.
        NoFolderGiven,
        FolderMissing,
        DestinationMissing, // the folder to move into
        MoveIntoItself,
        MoveTargetTaken, // details: the name taken at the destination
        CannotMove,      // reason: the system's words; or causes: what of the move failed
        // Clauses of CannotMove: the rename, or the part of a copy across file systems, that failed.
        RenameTargetTaken,
        NotRenamed,
        LinkNotCopied,
        FolderNotCreated,
        FileNotCopied,
        NotPlainFileOrFolder, // a pipe or device in the folder
        CannotMoveLink,
        MoveTargetNotCreated, // details: the folder that could not be made
        OriginalNotRemoved,   // details: where the copy went
        FolderNotDeletable,
        CannotTrash,
        CannotDelete,
        DeletedPartly,
        AlreadyExists,
        CannotCopy, // details: the copy's name
        // Why a game folder must not be moved or deleted. These are told as clauses, inside a
        // sentence that names the game.
        LibraryNotSet,
        NothingSelected,
        FolderCellEmpty,
        SubfolderCellEmpty,
        CellHoldsSeparator, // details: the column, the cell
        CellNamesNoFolder,  // details: the column, the cell ("." or "..")
        GameFolderMissing,
        GameFolderLeadsNowhere,
        GameFolderNotAFolder,
        GameFolderIsCategory,      // details: the category folder
        GameFolderOutsideCategory, // details: where it leads, the category folder
        GameFolderHoldsGames,
        GameFolderChanged, // the path is where the folder is now
        // The folder commands of the list; details: the game's name.
        GameNotDeletable,      // causes: why, as a clause; an empty name is "this game"
        GameNotDeletedRefused, // causes: why, as a clause
        GameNotDeleted,        // causes: what went wrong
        NoGameSelected,
        NoEntrySelected,       // Refresh This Game without a list entry
        NoRecordForPlatform,   // details: the game's name, the platform to start it on
        SelectedFolderMissing, // the path is the game's folder
        MoveDestinationGone,   // the folder to move into
        GameFolderNotMoved,    // causes: why
        FoldersNotMoved,       // path: the destination; details: how many moved; causes: the games
        // Starting a program or opening a document; the path is what was to be started.
        StartNothingGiven,
        StartFolderMissing, // details: the working folder
        StartTargetMissing,
        CannotStart,      // reason: the system's words, when it gave some
        StartNotAProgram, // arguments given for something that is no program
        StartNoHandler,   // nothing on the desktop opens it
        EmulatorProgramNotSet, // details: the emulator's name
        // The LaunchBox export.
        NotXml, // details: the XML library's words, the place
        XmlEndMissing,
        NotLaunchBox, // details: the top-level element's name
        NotLaunchBoxSeveralElements,
        WideEncoding,       // details: the encoding's name
        UnwritableEncoding, // details: the encoding the file declares
        MarkContradictsEncoding, // a UTF-8 byte-order mark; details: the other encoding declared
        BackupFailed,       // causes: why the copy failed
        // The entry helper.
        UnableToWrite, // the reason is told only when there is one
        UnableToRead,
        FieldsUnfitForCodePage, // details: the key names
        FieldsWouldNotReadBack, // details: the key names
        IniNameBlank,
        IniNameUnfit, // a separator, a character Windows refuses, a control character
        Cancelled,    // the user closed the folder browser
        AboutNameBlank,
        AboutBodyBlank,
        // Where the program keeps its files, and its command line.
        SettingsNotKept,      // the user's settings file or its folder could not be made
        CommandLineRefused,   // reason: the parser's words
        UnexpectedArgument,   // details: the argument
        LibraryFolderMissing, // the folder given for the library
        // Pictures and notes.
        NotSkinsFile, // none of the sections a skin is made of
        SkinPictureMissing,
        SkinPictureUndecodable,
        PictureUndecodable,
        NoteUnreadable,
        // Importing another front-end's collection. The kinds that describe one game are told as
        // clauses, in its row of the preview or its line of the summary.
        ImportNoSource,
        ImportSourceMissing,
        ImportNotSource, // details: the top-level element's name, what the file should have been
        ImportNoDataFile,
        ImportNoGameList,
        ImportNoGames,
        ImportCategoryBlank,
        ImportCategoryUnfit, // details: the name
        ImportNoTitle,
        ImportNoProgramGiven,
        ImportProgramMissing, // the path as the source wrote it
        ImportFileMissing,
        ImportManualMissing,
        ImportPictureMissing,
        ImportTooManyExtras,   // the path is the extra's name
        ImportNoProgramInFolder,
        ImportSeveralPrograms, // details: the programs
        ImportAlreadyImported, // the path is the game folder made then; empty: named twice in the source
        ImportNameInLibrary,   // details: the name
        ImportDuplicateTitle,  // details: the name
        ImportLinkFailed,      // the path is the link; details: what it was to point to
        ImportOriginalKept,
        ImportMovedFilesKept, // the path is where they are; causes: why the game was not made
        ImportGamePassedOver, // details: the game's name; causes: why
    };

    Failure(Kind kind, QString path = QString(), QString reason = QString(),
            QStringList details = QStringList());

    Kind kind() const { return m_kind; }
    // The file or folder concerned, as the program named it.
    const QString &path() const { return m_path; }
    // The system's own words for what went wrong; empty where it gave none.
    const QString &reason() const { return m_reason; }
    // Further facts the sentence names: counts, names, the words of a library.
    const QStringList &details() const { return m_details; }
    // Failures that led to this one, or that it gathers.
    const std::vector<Failure> &causes() const { return m_causes; }
    Failure &withCause(Failure cause);

    // What the user reads: a sentence, or a clause for the kinds told inside another's sentence.
    QString message() const;

    friend bool operator==(const Failure &a, const Failure &b);
    friend bool operator!=(const Failure &a, const Failure &b) { return !(a == b); }

  private:
    Kind m_kind;
    QString m_path;
    QString m_reason;
    QStringList m_details;
    std::vector<Failure> m_causes;
};

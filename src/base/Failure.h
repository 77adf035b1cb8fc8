#pragma once

#include <QString>
#include <QStringList>

#include <utility>
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
        UnfitKey,          // facts: Key
        UnfitField,        // facts: Key, the value's name ("dosbox/captures"); Caption, the control's in
                           // the configuration editor, and its Tab, which the editor names
        UnfitAutoexecLine, // facts: Line
        // Reading a file in general.
        ReadNonFile,   // "Cannot read": the path names something other than a file
        CannotRead,    // "Cannot read": the system refused
        CouldNotOpen,  // "Could not open": the system refused
        CouldNotRead,  // "Could not read": the system refused
        CouldNotSave,  // "Could not save": the system refused
        FileMissing,   // the file to read does not exist
        NotDOSBoxConf, // a file without any of DOSBox's sections
        ConfFileNameBlank, // the configuration editor's file field is blank
        EmulatorSlotsFull, // facts: Slots, how many custom slots there are
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
        CacheCutShort,  // facts: Columns, Rows, CellsHeld, CellsPromised
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
        MoveTargetTaken, // facts: Destination, the name taken there
        CannotMove,      // reason: the system's words; or causes: what of the move failed
        // Clauses of CannotMove: the rename, or the part of a copy across file systems, that failed.
        RenameTargetTaken,
        NotRenamed,
        LinkNotCopied,
        FolderNotCreated,
        FileNotCopied,
        NotPlainFileOrFolder, // a pipe or device in the folder
        CannotMoveLink,
        MoveTargetNotCreated, // facts: Destination, the folder that could not be made
        OriginalNotRemoved,   // facts: Destination, where the copy went
        FolderNotDeletable,
        CannotTrash,
        CannotDelete,
        DeletedPartly,
        AlreadyExists,
        CannotCopy, // facts: Destination, the copy's name
        // Why a game folder must not be moved or deleted. These are told as clauses, inside a
        // sentence that names the game.
        LibraryNotSet,
        NothingSelected,
        FolderCellEmpty,
        SubfolderCellEmpty,
        CellHoldsSeparator, // facts: Column, Cell
        CellNamesNoFolder,  // facts: Column, Cell ("." or "..")
        GameFolderMissing,
        GameFolderLeadsNowhere,
        GameFolderNotAFolder,
        GameFolderIsCategory,      // facts: CategoryFolder
        GameFolderOutsideCategory, // facts: LeadsTo, CategoryFolder
        GameFolderHoldsGames,
        GameFolderChanged, // the path is where the folder is now
        // The folder commands of the list; facts: Game, the game's name.
        GameNotDeletable,      // causes: why, as a clause; an empty name is "this game"
        GameNotDeletedRefused, // causes: why, as a clause
        GameNotDeleted,        // causes: what went wrong
        NoGameSelected,
        NoEntrySelected,       // Refresh This Game without a list entry
        NoRecordForPlatform,   // facts: Game, the Platform to start it on
        SelectedFolderMissing, // the path is the game's folder
        MoveDestinationGone,   // the folder to move into
        GameFolderNotMoved,    // causes: why
        FoldersNotMoved,       // path: the destination; facts: Moved, how many; causes: the games
        // Starting a program or opening a document; the path is what was to be started.
        StartNothingGiven,
        StartFolderMissing, // facts: WorkingFolder
        StartTargetMissing,
        CannotStart,      // reason: the system's words, when it gave some
        StartNotAProgram, // arguments given for something that is no program
        StartNoHandler,   // nothing on the desktop opens it
        EmulatorProgramNotSet, // facts: Emulator, its name
        // The LaunchBox export.
        NotXml, // facts: Words, the XML library's; Place
        XmlEndMissing,
        NotLaunchBox, // facts: Element, the top-level element's name
        NotLaunchBoxSeveralElements,
        WideEncoding,       // facts: Encoding, its name
        UnwritableEncoding, // facts: Encoding, the one the file declares
        MarkContradictsEncoding, // a UTF-8 byte-order mark; facts: Encoding, the other one declared
        BackupFailed,       // causes: why the copy failed
        // The entry helper.
        UnableToWrite, // the reason is told only when there is one
        UnableToRead,
        FieldsUnfitForCodePage, // facts: Keys, their names
        FieldsWouldNotReadBack, // facts: Keys, their names
        IniNameBlank,
        IniNameUnfit, // a separator, a character Windows refuses, a control character
        Cancelled,    // the user closed the folder browser
        AboutNameBlank,
        AboutBodyBlank,
        // Where the program keeps its files, and its command line.
        SettingsNotKept,      // the user's settings file or its folder could not be made
        CommandLineRefused,   // reason: the parser's words
        UnexpectedArgument,   // facts: Argument
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
        ImportNotSource, // facts: Element, the top-level one's name; Expected, what the file should be
        ImportNoDataFile,
        ImportNoGameList,
        ImportNoGames,
        ImportCategoryBlank,
        ImportCategoryUnfit, // facts: Category, its name
        ImportNoTitle,
        ImportNoProgramGiven,
        ImportProgramMissing, // the path as the source wrote it
        ImportFileMissing,
        ImportManualMissing,
        ImportPictureMissing,
        ImportTooManyExtras,   // the path is the extra's name
        ImportNoProgramInFolder,
        ImportSeveralPrograms, // facts: Programs
        ImportAlreadyImported, // the path is the game folder made then; empty: named twice in the source
        ImportNameInLibrary,   // facts: Game, its name
        ImportDuplicateTitle,  // facts: Game, its name
        ImportLinkFailed,      // the path is the link; facts: Target, what it was to point to
        ImportOriginalKept,
        ImportMovedFilesKept, // the path is where they are; causes: why the game was not made
        ImportGamePassedOver, // facts: Game, its name; causes: why
    };

    // The further facts a sentence names, each kind taking the few its comment lists. A name means
    // the same wherever it appears.
    enum class Fact {
        Key,     // a key of an ini file
        Keys,    // several keys, as a list
        Caption, // a control's caption in the configuration editor
        Tab,     // the editor's tab, "Sound/midi" for a tab inside another
        Line,    // a line of text
        Slots,   // how many there are
        Columns,
        Rows,
        CellsHeld,
        CellsPromised,
        Destination, // where a move or a copy goes
        Column,      // a column of the game table, by its name
        Cell,        // what one cell holds
        CategoryFolder,
        LeadsTo, // where a link ends up
        Game,    // the game's name
        Platform,
        Moved, // how many were moved
        WorkingFolder,
        Emulator, // the emulator's name
        Words,    // a library's own words for what went wrong
        Place,    // where in a file: its line and column
        Element,  // an XML element's name
        Expected, // what the file should have been
        Encoding,
        Argument, // one argument of the command line
        Category, // the name of a category
        Programs, // several programs, as a list
        Target,   // what a link was to point to
    };

    Failure(Kind kind, QString path = QString(), QString reason = QString());

    Kind kind() const { return m_kind; }
    // The file or folder concerned, as the program named it.
    const QString &path() const { return m_path; }
    // The system's own words for what went wrong; empty where it gave none.
    const QString &reason() const { return m_reason; }
    // Names a further fact; an empty value is as good as none, and a fact named again takes the
    // newer value.
    Failure &with(Fact fact, const QString &value);
    Failure &with(Fact fact, qint64 count);
    Failure &with(Fact fact, const QStringList &values);
    // The fact's value, empty when the failure names none; facts() is every value of a list.
    QString fact(Fact fact) const;
    QStringList facts(Fact fact) const;
    // Failures that led to this one, or that it gathers.
    const std::vector<Failure> &causes() const { return m_causes; }
    // For whoever knows more of a cause than the module that found it, to name further facts.
    std::vector<Failure> &causes() { return m_causes; }
    Failure &withCause(Failure cause);

    // What the user reads: a sentence, or a clause for the kinds told inside another's sentence.
    QString message() const;

    friend bool operator==(const Failure &a, const Failure &b);
    friend bool operator!=(const Failure &a, const Failure &b) { return !(a == b); }

  private:
    Kind m_kind;
    QString m_path;
    QString m_reason;
    // Kept in the order of Fact, so that two failures naming the same facts compare equal.
    std::vector<std::pair<Fact, QStringList>> m_facts;
    std::vector<Failure> m_causes;
};

#include "base/Failure.h"
#include "base/Result.h"
#include "support/QtPrinters.h"
#include "support/Utf8.h"

#include <QSet>

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <vector>

namespace {

using Kind = Failure::Kind;
using Fact = Failure::Fact;
using Facts = std::vector<std::pair<Fact, QStringList>>;

const QString kFile = u("/lib/Games/Zork/Pallox/IniFile/zork.ini");
const QString kReason = u("Permission denied");

// Every kind with the facts a module gives it and the sentence the user reads. The sentences are
// the ones the program has always shown; a change here is a change to what users see.
struct MessageCase
{
    Kind kind;
    QString path;
    QString reason;
    Facts facts;
    QString message;
};

std::vector<MessageCase> messageCases()
{
    const QString f = kFile;
    const QString r = kReason;
    // clang-format off
    return {
        {Kind::SaveWithoutFile, {}, {}, {}, u("Cannot save: these settings were not read from a file.")},
        {Kind::SaveEmptyKey, f, {}, {}, u("Cannot save \"%1\": the key name is empty.").arg(f)},
        {Kind::SaveIntoFolder, f, {}, {}, u("Cannot save \"%1\": it is a folder, not a file.").arg(f)},
        {Kind::SaveIntoNonRegular, f, {}, {}, u("Cannot save \"%1\": it is not a regular file.").arg(f)},
        {Kind::SaveIntoNonFile, f, {}, {}, u("Cannot save \"%1\": it is not a file.").arg(f)},
        {Kind::SaveUnreadable, f, r, {}, u("Cannot save \"%1\": it cannot be read (Permission denied).").arg(f)},
        {Kind::CannotSave, f, r, {}, u("Cannot save \"%1\": Permission denied").arg(f)},
        {Kind::UnfitKey, {}, {}, {{Fact::Key, {u("VADPath")}}}, u("the value of \"VADPath\"")},
        {Kind::UnfitField, {}, {}, {{Fact::Caption, {u("Capture Directory")}}, {Fact::Tab, {u("DOSBox")}}},
         u("\"Capture Directory\" on the DOSBox tab")},
        {Kind::UnfitField, {}, {}, {{Fact::Caption, {u("Config")}}, {Fact::Tab, {u("Sound/midi")}}},
         u("\"Config\" on the midi tab of Sound")},
        {Kind::UnfitField, {}, {}, {{Fact::Key, {u("midi/config")}}}, u("the value of \"midi/config\"")},
        {Kind::UnfitAutoexecLine, {}, {}, {{Fact::Line, {u("mount d \"/g\"")}}},
         u("the autoexec line \"mount d \"/g\"\"")},
        {Kind::ReadNonFile, f, {}, {}, u("Cannot read \"%1\": it is not a file.").arg(f)},
        {Kind::CannotRead, f, r, {}, u("Cannot read \"%1\": Permission denied").arg(f)},
        {Kind::CouldNotOpen, f, r, {}, u("Could not open \"%1\": Permission denied").arg(f)},
        {Kind::CouldNotRead, f, r, {}, u("Could not read \"%1\": Permission denied").arg(f)},
        {Kind::CouldNotSave, f, r, {}, u("Could not save \"%1\": Permission denied").arg(f)},
        {Kind::FileMissing, f, {}, {}, u("The file \"%1\" does not exist.").arg(f)},
        {Kind::ConfFileNameBlank, {}, {}, {}, u("Can not Save.  Configure File field is blank.")},
        {Kind::EmulatorSlotsFull, {}, {}, {{Fact::Slots, {u("99")}}},
         u("All 99 custom emulator slots are in use. Remove one from PALLOX.ini to add another.")},
        {Kind::NotDOSBoxConf, f, {}, {},
         u("\"%1\" is not a DOSBox configuration file: it has none of DOSBox's sections, such as [sdl], "
           "[dosbox] or [autoexec]. Nothing was loaded.")
             .arg(f)},
        {Kind::CacheMissing, f, {}, {}, u("Could not open the data cache \"%1\": there is no such file.").arg(f)},
        {Kind::CacheNotRegular, f, {}, {}, u("Could not open the data cache \"%1\": it is not a regular file.").arg(f)},
        {Kind::CacheCannotOpen, f, r, {}, u("Could not open the data cache \"%1\": Permission denied").arg(f)},
        {Kind::CacheCannotRead, f, r, {}, u("Could not read the data cache \"%1\": Permission denied").arg(f)},
        {Kind::CacheCannotCreate, f, r, {}, u("Could not create the data cache \"%1\": Permission denied").arg(f)},
        {Kind::CacheCannotWrite, f, r, {}, u("Could not write the data cache \"%1\": Permission denied").arg(f)},
        {Kind::CacheEmpty, f, {}, {}, u("The data cache \"%1\" is damaged: the file is empty.").arg(f)},
        {Kind::CacheNoColumnCount, f, {}, {},
         u("The data cache \"%1\" is damaged: the first line holds no column count.").arg(f)},
        {Kind::CacheNoRowCount, f, {}, {},
         u("The data cache \"%1\" is damaged: the second line holds no row count.").arg(f)},
        {Kind::CacheCutShort, f, {}, {{Fact::Columns, {u("2")}}, {Fact::Rows, {u("3")}},
                                      {Fact::CellsHeld, {u("5")}}, {Fact::CellsPromised, {u("6")}}},
         u("The data cache \"%1\" is damaged: it promises 2 columns and 3 rows, but holds only 5 of their 6 "
           "cells.")
             .arg(f)},
        {Kind::FolderInfo, u("/lib/Games/x"), {}, {}, u("Could not obtain info for \"/lib/Games/x\"")},
        {Kind::GameFileUnreadable, f, r, {}, u("\"%1\": Permission denied").arg(f)},
        {Kind::NoGamesFound, {}, {}, {}, u("No Data Found - Please check folders")},
        {Kind::GameFileGone, f, {}, {}, u("Could not find \"%1\"; Refresh All reads the library again.").arg(f)},
        {Kind::NotGameIni, f, {}, {}, u("\"%1\" is not a game ini file.").arg(f)},
        {Kind::NoFolderGiven, {}, {}, {}, u("No folder was given.")},
        {Kind::FolderMissing, f, {}, {}, u("The folder \"%1\" does not exist.").arg(f)},
        {Kind::DestinationMissing, f, {}, {}, u("The destination folder \"%1\" does not exist.").arg(f)},
        {Kind::MoveIntoItself, f, {}, {}, u("The folder \"%1\" cannot be moved into itself.").arg(f)},
        {Kind::MoveTargetTaken, f, {}, {{Fact::Destination, {u("/to/zork")}}},
         u("Could not move \"%1\": \"/to/zork\" already exists.").arg(f)},
        {Kind::CannotMove, f, r, {}, u("Could not move \"%1\": Permission denied").arg(f)},
        {Kind::RenameTargetTaken, u("/to/zork"), {}, {}, u("\"/to/zork\" already exists")},
        {Kind::NotRenamed, f, {}, {}, u("the folder could not be renamed")},
        {Kind::LinkNotCopied, u("/g/start"), {}, {}, u("could not copy the link \"/g/start\"")},
        {Kind::FolderNotCreated, u("/to/zork/sub"), {}, {}, u("could not create \"/to/zork/sub\"")},
        {Kind::FileNotCopied, u("/g/x.exe"), r, {}, u("could not copy \"/g/x.exe\": Permission denied")},
        {Kind::NotPlainFileOrFolder, u("/g/fifo"), {}, {}, u("\"/g/fifo\" is not a plain file or folder")},
        {Kind::CannotMoveLink, f, {}, {}, u("Could not move the link \"%1\".").arg(f)},
        {Kind::MoveTargetNotCreated, f, {}, {{Fact::Destination, {u("/to/zork")}}},
         u("Could not move \"%1\": could not create \"/to/zork\".").arg(f)},
        {Kind::OriginalNotRemoved, f, {}, {{Fact::Destination, {u("/to/zork")}}},
         u("\"%1\" was copied to \"/to/zork\", but the original could not be removed completely.").arg(f)},
        {Kind::FolderNotDeletable, f, {}, {}, u("The folder \"%1\" cannot be deleted.").arg(f)},
        {Kind::CannotTrash, f, r, {}, u("Could not move \"%1\" to the trash: Permission denied").arg(f)},
        {Kind::CannotDelete, f, {}, {}, u("Could not delete \"%1\".").arg(f)},
        {Kind::DeletedPartly, f, {}, {}, u("Could not delete \"%1\" completely.").arg(f)},
        {Kind::AlreadyExists, f, {}, {}, u("\"%1\" already exists.").arg(f)},
        {Kind::CannotCopy, f, r, {{Fact::Destination, {u("/to/copy.png")}}},
         u("Could not copy \"%1\" to \"/to/copy.png\": Permission denied").arg(f)},
        {Kind::LibraryNotSet, {}, {}, {}, u("the library folder is not set")},
        {Kind::NothingSelected, {}, {}, {}, u("no game is selected")},
        {Kind::FolderCellEmpty, {}, {}, {}, u("its Folder value is empty, so it has no category folder")},
        {Kind::SubfolderCellEmpty, {}, {}, {},
         u("its Subfolder value is empty, so the path would name its whole category folder")},
        {Kind::CellHoldsSeparator, {}, {}, {{Fact::Column, {u("Folder")}}, {Fact::Cell, {u("a/b")}}},
         u("its Folder value \"a/b\" holds a path separator, so it is not the name of one folder")},
        {Kind::CellNamesNoFolder, {}, {}, {{Fact::Column, {u("Subfolder")}}, {Fact::Cell, {u("..")}}},
         u("its Subfolder value \"..\" does not name a folder of its own")},
        {Kind::GameFolderMissing, u("/g/A/Zork"), {}, {}, u("its folder \"/g/A/Zork\" does not exist")},
        {Kind::GameFolderLeadsNowhere, u("/g/A/Zork"), {}, {}, u("its folder \"/g/A/Zork\" is a link that leads nowhere")},
        {Kind::GameFolderNotAFolder, u("/g/A/Zork"), {}, {}, u("\"/g/A/Zork\" is not a folder")},
        {Kind::GameFolderIsCategory, u("/g/A/."), {}, {{Fact::CategoryFolder, {u("/g/A")}}},
         u("its folder \"/g/A/.\" is the category folder \"/g/A\" itself")},
        {Kind::GameFolderOutsideCategory, u("/g/A/Zork"), {}, {{Fact::LeadsTo, {u("/elsewhere")}},
                                                               {Fact::CategoryFolder, {u("/g/A")}}},
         u("its folder \"/g/A/Zork\" leads to \"/elsewhere\", outside the category folder \"/g/A\"")},
        {Kind::GameFolderHoldsGames, u("/g/A/Zork"), {}, {}, u("its folder \"/g/A/Zork\" holds the library's games folder")},
        {Kind::GameFolderChanged, u("/g/B/Zork"), {}, {}, u("its folder is now \"/g/B/Zork\", not the one shown")},
        {Kind::NoGameSelected, {}, {}, {}, u("No game is selected.")},
        {Kind::NoEntrySelected, {}, {}, {}, u("List index out of bounds (-1)")},
        {Kind::NoRecordForPlatform, {}, {}, {{Fact::Game, {u("Zork")}}, {Fact::Platform, {u("Amiga")}}},
         u("There is no record of \"Zork\" for Amiga to start.")},
        {Kind::SelectedFolderMissing, u("/g/A/Zork"), {}, {{Fact::Game, {u("Zork")}}},
         u("The folder \"/g/A/Zork\" of \"Zork\" does not exist.")},
        {Kind::MoveDestinationGone, u("/to"), {}, {}, u("The folder \"/to\" does not exist; nothing was moved.")},
        {Kind::StartNothingGiven, u("\"\""), {}, {}, u("Could not start \"\"\"\": no program or document was given")},
        {Kind::StartFolderMissing, u("dosbox"), {}, {{Fact::WorkingFolder, {u("/games/gone")}}},
         u("Could not start \"dosbox\": the working folder \"/games/gone\" does not exist")},
        {Kind::StartTargetMissing, u("dosbox"), {}, {}, u("Could not start \"dosbox\": no such file or folder")},
        {Kind::CannotStart, u("dosbox"), r, {}, u("Could not start \"dosbox\": Permission denied")},
        {Kind::CannotStart, u("dosbox"), {}, {}, u("Could not start \"dosbox\": the system could not start it")},
        {Kind::StartNotAProgram, u("notes.txt"), {}, {},
         u("Could not start \"notes.txt\": it is not an executable program")},
        {Kind::StartNoHandler, u("notes.xyz"), {}, {},
         u("Could not start \"notes.xyz\": no program is set up to open it")},
        {Kind::EmulatorProgramNotSet, {}, {}, {{Fact::Emulator, {u("MESS")}}},
         u("The emulator \"MESS\" has no program set: choose it on the Config tab under Emulator and Game Runner "
           "EXE Paths.")},
        {Kind::NotXml, f, {}, {{Fact::Words, {u("Start-end tags mismatch")}},
                               {Fact::Place, {u("line 3, column 7")}}},
         u("\"%1\" is not an XML file: Start-end tags mismatch (line 3, column 7).").arg(f)},
        {Kind::XmlEndMissing, f, {}, {},
         u("\"%1\" is not an XML file: the end of its LaunchBox element cannot be found.").arg(f)},
        {Kind::NotLaunchBox, f, {}, {{Fact::Element, {u("Games")}}},
         u("\"%1\" is not a LaunchBox data file: its top-level element is \"Games\", not \"LaunchBox\". Nothing "
           "was exported.")
             .arg(f)},
        {Kind::NotLaunchBoxSeveralElements, f, {}, {},
         u("\"%1\" is not a LaunchBox data file: its top-level element is \"more than one element\", not "
           "\"LaunchBox\". Nothing was exported.")
             .arg(f)},
        {Kind::WideEncoding, f, {}, {{Fact::Encoding, {u("UTF-16")}}},
         u("\"%1\" is written in UTF-16; the export adds games only to files in UTF-8, Windows-1252, ISO-8859-1 "
           "or US-ASCII. Nothing was exported.")
             .arg(f)},
        {Kind::UnwritableEncoding, f, {}, {{Fact::Encoding, {u("KOI8-R")}}},
         u("\"%1\" is declared in the encoding \"KOI8-R\"; the export adds games only to files in UTF-8, "
           "Windows-1252, ISO-8859-1 or US-ASCII. Nothing was exported.")
             .arg(f)},
        {Kind::MarkContradictsEncoding, f, {}, {{Fact::Encoding, {u("windows-1252")}}},
         u("\"%1\" begins with a UTF-8 byte-order mark but declares the encoding \"windows-1252\"; programs do "
           "not agree on which of the two to follow, so some would read the new games wrongly. Nothing was "
           "exported.")
             .arg(f)},
        {Kind::UnableToWrite, f, {}, {}, u("Unable to write to %1").arg(f)},
        {Kind::UnableToWrite, f, r, {}, u("Unable to write to %1\n\nPermission denied").arg(f)},
        {Kind::UnableToRead, f, {}, {}, u("Unable to read %1").arg(f)},
        {Kind::FieldsUnfitForCodePage, f, {}, {{Fact::Keys, {u("Series"), u("Developer")}}},
         u("%1 is written in the Windows-1252 code page, which cannot hold some characters of these fields: "
           "Series, Developer.\n\nNothing was saved. Change those characters, or save the game as a new file.")
             .arg(f)},
        {Kind::FieldsWouldNotReadBack, f, {}, {{Fact::Keys, {u("Name")}}},
         u("These fields would not read back from %1 as they are shown: Name.\n\nNothing was saved.").arg(f)},
        {Kind::IniNameBlank, {}, {}, {}, u("Ini File Name field left blank.")},
        {Kind::IniNameUnfit, u("a/b"), {}, {},
         u("The ini file name cannot hold any of these characters: \\ / : * ? \" < > | or a line break.")},
        {Kind::Cancelled, {}, {}, {}, u("Cancelled")},
        {Kind::AboutNameBlank, {}, {}, {}, u("No About Name Given")},
        {Kind::AboutBodyBlank, {}, {}, {}, u("No About Body Given")},
        {Kind::SettingsNotKept, u("/home/ann/.config/pallox"), u("Read-only file system"), {},
         u("Settings cannot be kept: \"/home/ann/.config/pallox\" could not be made (Read-only file system). "
           "PALLOX starts with the installed settings, and changes last until it closes.")},
        {Kind::CommandLineRefused, {}, u("Unknown option 'frobnicate'."), {},
         u("Unknown option 'frobnicate'. See pallox --help.")},
        {Kind::UnexpectedArgument, {}, {}, {{Fact::Argument, {u("Games")}}},
         u("Unexpected argument 'Games'. See pallox --help.")},
        {Kind::LibraryFolderMissing, u("/media/gone"), {}, {},
         u("There is no folder \"/media/gone\" to read the library from.")},
        {Kind::NotSkinsFile, f, {}, {},
         u("Nostalgia mode cannot use the skins file \"%1\": it has none of the sections a skin is made of, such "
           "as [Computer] or [Background].")
             .arg(f)},
        {Kind::SkinPictureMissing, f, {}, {},
         u("Could not load the skin picture \"%1\": the file was not found.").arg(f)},
        {Kind::SkinPictureUndecodable, f, r, {}, u("Could not load the skin picture \"%1\": Permission denied").arg(f)},
        {Kind::PictureUndecodable, f, u("Unsupported image format"), {},
         u("Could not show the picture \"%1\": Unsupported image format").arg(f)},
        {Kind::NoteUnreadable, f, r, {}, u("Could not read the note \"%1\": Permission denied").arg(f)},
    };
    // clang-format on
}

TEST(Failure, EachKindTellsTheUserWhatItAlwaysTold)
{
    QSet<int> covered;
    for (const MessageCase &c : messageCases()) {
        SCOPED_TRACE(c.message.toStdString());
        covered.insert(int(c.kind));
        Failure failure(c.kind, c.path, c.reason);
        for (const auto &[fact, values] : c.facts)
            failure.with(fact, values);
        EXPECT_EQ(failure.message(), c.message);
        EXPECT_EQ(failure.kind(), c.kind);
        EXPECT_EQ(failure.path(), c.path);
        EXPECT_EQ(failure.reason(), c.reason);
    }
    // The kinds that tell other failures have cases of their own below; every other kind is here.
    for (const Kind telling :
         {Kind::CacheReadAgain, Kind::GameFilesUnreadable, Kind::BackupFailed, Kind::TextUnfitForCodePage,
          Kind::GameNotDeletable,
          Kind::GameNotDeletedRefused, Kind::GameNotDeleted, Kind::GameFolderNotMoved, Kind::FoldersNotMoved})
        covered.insert(int(telling));
    EXPECT_EQ(covered.size(), int(Kind::NoteUnreadable) + 1) << "a kind without a sentence in this table";
}

TEST(Failure, GatheringKindsTellTheirCausesAndNameTenUnreadableFilesAtMost)
{
    const Failure damaged(Kind::CacheEmpty, kFile);
    Failure readAgain(Kind::CacheReadAgain, kFile);
    readAgain.withCause(damaged);
    EXPECT_EQ(readAgain.message(),
              damaged.message() + u("\n\nThe library will be read again and the data cache rewritten."));

    Failure moved(Kind::CannotMove, u("/g/Zork"));
    moved.withCause(Failure(Kind::FolderNotCreated, u("/to/Zork/sub")));
    EXPECT_EQ(moved.message(), u("Could not move \"/g/Zork\": could not create \"/to/Zork/sub\""));

    Failure backup(Kind::BackupFailed, kFile);
    backup.withCause(Failure(Kind::FileMissing, u("/x")));
    EXPECT_EQ(
        backup.message(),
        u("Could not back up \"%1\", so nothing was exported. The file \"/x\" does not exist.").arg(kFile));

    Failure unfit(Kind::TextUnfitForCodePage, kFile);
    unfit.withCause(Failure(Kind::UnfitKey).with(Fact::Key, u("Name")));
    const QString unfitText = u("Cannot save \"%1\": the file is written in the Windows-1252 code page, which cannot "
                                "hold some characters of %2.\n\nNothing was saved. Change those characters, or "
                                "save into a new file.");
    EXPECT_EQ(unfit.message(), unfitText.arg(kFile, u("the value of \"Name\"")));
    unfit.withCause(Failure(Kind::UnfitKey).with(Fact::Key, u("Year")))
        .withCause(Failure(Kind::UnfitAutoexecLine).with(Fact::Line, u("c:")));
    EXPECT_EQ(unfit.message(),
              unfitText.arg(kFile, u("the value of \"Name\", the value of \"Year\" and the autoexec line \"c:\"")));

    Failure few(Kind::GameFilesUnreadable);
    few.withCause(Failure(Kind::GameFileUnreadable, u("/a.ini"), kReason))
        .withCause(Failure(Kind::GameFileUnreadable, u("/b.ini"), u("Input/output error")));
    EXPECT_EQ(few.message(), u("These game ini files could not be read, so their games are not listed:\n"
                               "\"/a.ini\": Permission denied\n\"/b.ini\": Input/output error"));

    Failure many(Kind::GameFilesUnreadable);
    for (int i = 0; i < 13; ++i)
        many.withCause(Failure(Kind::GameFileUnreadable, u("/g%1.ini").arg(i), kReason));
    const QStringList lines = many.message().split(u'\n');
    ASSERT_EQ(lines.size(), 12);
    EXPECT_EQ(lines[10], u("\"/g9.ini\": Permission denied"));
    EXPECT_EQ(lines[11], u("... and 3 more."));
}

TEST(Failure, FolderCommandsNameTheGameAndTellWhyAsAClauseOrASentence)
{
    const Failure clause(Kind::FolderCellEmpty);
    const Failure sentence(Kind::CannotTrash, u("/g/A/Zork"), kReason);
    const auto about = [](Kind kind, const QString &game, const Failure &cause) {
        Failure failure(kind);
        failure.with(Fact::Game, game);
        failure.withCause(cause);
        return failure.message();
    };
    EXPECT_EQ(about(Kind::GameNotDeletable, u("Zork"), clause),
              u("\"Zork\" cannot be deleted: its Folder value is empty, so it has no category folder.\n\n"
                "Nothing was deleted."));
    EXPECT_EQ(about(Kind::GameNotDeletable, QString(), Failure(Kind::NothingSelected)),
              u("This game cannot be deleted: no game is selected.\n\nNothing was deleted."));
    EXPECT_EQ(about(Kind::GameNotDeletedRefused, u("Zork"), clause),
              u("\"Zork\" was not deleted: its Folder value is empty, so it has no category folder."));
    EXPECT_EQ(about(Kind::GameNotDeleted, u("Zork"), sentence),
              u("\"Zork\" was not deleted: Could not move \"/g/A/Zork\" to the trash: Permission denied"));

    // Past fifteen games the rest are named without their reasons, so the box fits a screen.
    const auto notMoved = [&](int games) {
        Failure failure(Kind::FoldersNotMoved, u("/to"));
        failure.with(Fact::Moved, 4);
        for (int i = 0; i < games; ++i)
            failure.withCause(
                Failure(Kind::GameFolderNotMoved).with(Fact::Game, u("G%1").arg(i)).withCause(clause));
        return failure.message();
    };
    EXPECT_EQ(notMoved(1), u("1 game folder was not moved to \"/to\":\n\n"
                             "G0: its Folder value is empty, so it has no category folder\n\n"
                             "4 moved; nothing at the destination was replaced."));
    const QStringList lines = notMoved(17).split(u'\n');
    EXPECT_EQ(lines.first(), u("17 game folders were not moved to \"/to\":"));
    EXPECT_EQ(lines[16], u("G14: its Folder value is empty, so it has no category folder"));
    EXPECT_EQ(lines[18], u("Nor were: G15, G16."));
}

TEST(Failure, EqualWhenEveryFactIs)
{
    const Failure base(Kind::CannotSave, kFile, kReason);
    EXPECT_EQ(base, Failure(Kind::CannotSave, kFile, kReason));
    EXPECT_NE(base, Failure(Kind::CannotRead, kFile, kReason));
    EXPECT_NE(base, Failure(Kind::CannotSave, kFile + u("x"), kReason));
    EXPECT_NE(base, Failure(Kind::CannotSave, kFile, u("Disk full")));
    EXPECT_NE(base, Failure(Kind::CannotSave, kFile, kReason).with(Fact::Key, u("more")));
    Failure withCause = base;
    withCause.withCause(base);
    EXPECT_NE(base, withCause);

    // The same value under another name is another fact; an empty value is no fact at all.
    const Failure record = Failure(Kind::NoRecordForPlatform).with(Fact::Game, u("Zork"));
    EXPECT_NE(record, Failure(Kind::NoRecordForPlatform).with(Fact::Platform, u("Zork")));
    EXPECT_EQ(Failure(record).with(Fact::Platform, QString()), record);
    EXPECT_EQ(Failure(record).with(Fact::Game, QString()), Failure(Kind::NoRecordForPlatform));
}

TEST(Failure, FactsAreReadByNameWhateverOrderTheyWereNamedIn)
{
    // Backwards and as counts, the four facts of a cut-short cache still land in their places.
    Failure cut(Kind::CacheCutShort, kFile);
    cut.with(Fact::CellsPromised, 6).with(Fact::CellsHeld, 5).with(Fact::Rows, 3).with(Fact::Columns, 2);
    EXPECT_EQ(cut.message(),
              u("The data cache \"%1\" is damaged: it promises 2 columns and 3 rows, but holds only "
                "5 of their 6 cells.")
                  .arg(kFile));
    EXPECT_EQ(cut, Failure(Kind::CacheCutShort, kFile)
                       .with(Fact::Columns, u("2"))
                       .with(Fact::Rows, u("3"))
                       .with(Fact::CellsHeld, u("5"))
                       .with(Fact::CellsPromised, u("6")));

    // A fact never named reads as empty; one named again holds the newer value alone.
    Failure record(Kind::NoRecordForPlatform);
    record.with(Fact::Game, u("Zork"));
    EXPECT_EQ(record.fact(Fact::Platform), QString());
    EXPECT_EQ(record.facts(Fact::Keys), QStringList());
    record.with(Fact::Platform, u("DOS")).with(Fact::Platform, u("Amiga"));
    EXPECT_EQ(record.facts(Fact::Platform), QStringList{u("Amiga")});
    EXPECT_EQ(record.message(), u("There is no record of \"Zork\" for Amiga to start."));
}

TEST(Result, HoldsEitherTheValueOrTheFailure)
{
    Result<QString> text = u("Zork");
    ASSERT_TRUE(text);
    EXPECT_TRUE(text.has_value());
    EXPECT_EQ(*text, u("Zork"));
    EXPECT_EQ(text->size(), 4);
    EXPECT_EQ(text.value_or(u("none")), u("Zork"));
    EXPECT_THROW((void)text.error(), std::bad_variant_access);

    Result<QString> failed = Failure(Kind::FileMissing, kFile);
    EXPECT_FALSE(failed);
    EXPECT_EQ(failed.error().kind(), Kind::FileMissing);
    EXPECT_EQ(failed.value_or(u("none")), u("none"));
    EXPECT_THROW((void)failed.value(), std::bad_variant_access);

    // A default result holds a default value, as std::expected's does.
    EXPECT_EQ(Result<QStringList>().value(), QStringList());
}

TEST(Result, MovesItsValueOutWithoutCopying)
{
    Result<std::unique_ptr<int>> owned = std::make_unique<int>(7);
    const int *address = owned->get();
    std::unique_ptr<int> taken = std::move(owned).value();
    EXPECT_EQ(taken.get(), address);

    Result<std::unique_ptr<int>> again = std::make_unique<int>(8);
    std::unique_ptr<int> fallback = std::move(again).value_or(nullptr);
    EXPECT_EQ(*fallback, 8);

    Result<QString> failed = Failure(Kind::CannotRead, kFile, kReason);
    const Failure failure = std::move(failed).error();
    EXPECT_EQ(failure.reason(), kReason);
}

TEST(Result, VoidResultsAreSuccessOrFailure)
{
    const Result<void> done;
    EXPECT_TRUE(done);
    EXPECT_NO_THROW(done.value());
    EXPECT_THROW((void)done.error(), std::bad_optional_access);

    const Result<void> failed = Failure(Kind::CannotSave, kFile, kReason);
    EXPECT_FALSE(failed.has_value());
    EXPECT_EQ(failed.error().message(), u("Cannot save \"%1\": Permission denied").arg(kFile));
    EXPECT_THROW(failed.value(), std::bad_optional_access);
}

} // namespace

#include "base/Failure.h"

#include <QDir>

#include <algorithm>
#include <utility>

namespace {

// Most sentences name a file the way the user's system writes paths; a few quote the path as the
// program built it.
QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QString unreadableFiles(const Failure &failure)
{
    // A share with thousands of unreadable files still makes a box that fits a screen.
    constexpr size_t listed = 10;
    const std::vector<Failure> &files = failure.causes();
    QString text = QStringLiteral("These game ini files could not be read, so their games are not listed:");
    for (size_t i = 0; i < files.size() && i < listed; ++i)
        text += QLatin1Char('\n') + files[i].message();
    if (files.size() > listed)
        text += QStringLiteral("\n... and %1 more.").arg(qint64(files.size() - listed));
    return text;
}

// Names the program as it was asked for, quotes and all.
QString couldNotStart(const Failure &failure, const QString &why)
{
    return QStringLiteral("Could not start \"%1\": %2").arg(failure.path(), why);
}

QString causeOf(const Failure &failure)
{
    return failure.causes().empty() ? QString() : failure.causes().front().message();
}

QString gameName(const Failure &failure)
{
    return failure.fact(Failure::Fact::Game);
}

// A box taller than the screen hides its own OK button, so past this many the rest are named
// without their reasons.
constexpr size_t FoldersWithReasons = 15;

QString foldersNotMoved(const Failure &failure)
{
    const std::vector<Failure> &games = failure.causes();
    const int failed = static_cast<int>(games.size());
    const QString destination = shown(failure.path());
    QString text =
        failed == 1
            ? QStringLiteral("1 game folder was not moved to \"%1\":").arg(destination)
            : QStringLiteral("%1 game folders were not moved to \"%2\":").arg(failed).arg(destination);
    text += QLatin1Char('\n');
    QStringList rest;
    for (size_t i = 0; i < games.size(); ++i) {
        if (i < FoldersWithReasons)
            text += QLatin1Char('\n') + games[i].message();
        else
            rest << gameName(games[i]);
    }
    if (!rest.isEmpty())
        text += QStringLiteral("\n\nNor were: %1.").arg(rest.join(QStringLiteral(", ")));
    text += QStringLiteral("\n\n%1 moved; nothing at the destination was replaced.")
                .arg(failure.fact(Failure::Fact::Moved));
    return text;
}

// "a, b and c"
QString listed(const std::vector<Failure> &clauses)
{
    QString text;
    for (size_t i = 0; i < clauses.size(); ++i) {
        if (i > 0)
            text += i + 1 == clauses.size() ? QStringLiteral(" and ") : QStringLiteral(", ");
        text += clauses[i].message();
    }
    return text;
}

// "DOSBox" is the tab "DOSBox"; "Sound/midi" the tab "midi" inside the tab "Sound".
QString editorTab(const QString &tab)
{
    const qsizetype slash = tab.indexOf(QLatin1Char('/'));
    if (slash < 0)
        return QStringLiteral("the %1 tab").arg(tab);
    return QStringLiteral("the %1 tab of %2").arg(tab.mid(slash + 1), tab.left(slash));
}

QString cacheDamaged(const Failure &failure, const QString &what)
{
    return QStringLiteral("The data cache \"%1\" is damaged: %2").arg(failure.path(), what);
}

} // namespace

Failure::Failure(Kind kind, QString path, QString reason)
    : m_kind(kind), m_path(std::move(path)), m_reason(std::move(reason))
{
}

Failure &Failure::with(Fact fact, const QStringList &values)
{
    auto at = std::lower_bound(m_facts.begin(), m_facts.end(), fact,
                               [](const auto &named, Fact wanted) { return named.first < wanted; });
    if (at != m_facts.end() && at->first == fact) {
        if (values.isEmpty())
            m_facts.erase(at);
        else
            at->second = values;
    } else if (!values.isEmpty()) {
        m_facts.emplace(at, fact, values);
    }
    return *this;
}

Failure &Failure::with(Fact fact, const QString &value)
{
    return with(fact, value.isEmpty() ? QStringList() : QStringList{value});
}

Failure &Failure::with(Fact fact, qint64 count)
{
    return with(fact, QString::number(count));
}

QStringList Failure::facts(Fact fact) const
{
    for (const auto &[named, values] : m_facts) {
        if (named == fact)
            return values;
    }
    return {};
}

QString Failure::fact(Fact fact) const
{
    return facts(fact).value(0);
}

Failure &Failure::withCause(Failure cause)
{
    m_causes.push_back(std::move(cause));
    return *this;
}

bool operator==(const Failure &a, const Failure &b)
{
    return a.m_kind == b.m_kind && a.m_path == b.m_path && a.m_reason == b.m_reason &&
           a.m_facts == b.m_facts && a.m_causes == b.m_causes;
}

QString Failure::message() const
{
    const QString path = shown(m_path);
    switch (m_kind) {
    case Kind::SaveWithoutFile:
        return QStringLiteral("Cannot save: these settings were not read from a file.");
    case Kind::SaveEmptyKey:
        return QStringLiteral("Cannot save \"%1\": the key name is empty.").arg(path);
    case Kind::SaveIntoFolder:
        return QStringLiteral("Cannot save \"%1\": it is a folder, not a file.").arg(path);
    case Kind::SaveIntoNonRegular:
        return QStringLiteral("Cannot save \"%1\": it is not a regular file.").arg(path);
    case Kind::SaveIntoNonFile:
        return QStringLiteral("Cannot save \"%1\": it is not a file.").arg(path);
    case Kind::SaveUnreadable:
        return QStringLiteral("Cannot save \"%1\": it cannot be read (%2).").arg(path, m_reason);
    case Kind::CannotSave:
        return QStringLiteral("Cannot save \"%1\": %2").arg(path, m_reason);
    case Kind::TextUnfitForCodePage:
        return QStringLiteral("Cannot save \"%1\": the file is written in the Windows-1252 code page, which "
                              "cannot hold some characters of %2.\n\nNothing was saved. Change those "
                              "characters, or save into a new file.")
            .arg(path, listed(m_causes));
    case Kind::UnfitKey:
        return QStringLiteral("the value of \"%1\"").arg(fact(Fact::Key));
    case Kind::UnfitField:
        if (fact(Fact::Caption).isEmpty()) // not named by the editor: the value as the file has it
            return QStringLiteral("the value of \"%1\"").arg(fact(Fact::Key));
        return QStringLiteral("\"%1\" on %2").arg(fact(Fact::Caption), editorTab(fact(Fact::Tab)));
    case Kind::UnfitAutoexecLine:
        return QStringLiteral("the autoexec line \"%1\"").arg(fact(Fact::Line));
    case Kind::ReadNonFile:
        return QStringLiteral("Cannot read \"%1\": it is not a file.").arg(path);
    case Kind::CannotRead:
        return QStringLiteral("Cannot read \"%1\": %2").arg(path, m_reason);
    case Kind::CouldNotOpen:
        return QStringLiteral("Could not open \"%1\": %2").arg(path, m_reason);
    case Kind::CouldNotRead:
        return QStringLiteral("Could not read \"%1\": %2").arg(path, m_reason);
    case Kind::CouldNotSave:
        return QStringLiteral("Could not save \"%1\": %2").arg(path, m_reason);
    case Kind::FileMissing:
        return QStringLiteral("The file \"%1\" does not exist.").arg(path);
    case Kind::EmulatorSlotsFull:
        return QStringLiteral("All %1 custom emulator slots are in use. Remove one from PALLOX.ini to add another.")
            .arg(fact(Fact::Slots));
    case Kind::ConfFileNameBlank:
        return QStringLiteral("Can not Save.  Configure File field is blank.");
    case Kind::NotDOSBoxConf:
        return QStringLiteral("\"%1\" is not a DOSBox configuration file: it has none of DOSBox's sections, "
                              "such as [sdl], [dosbox] or [autoexec]. Nothing was loaded.")
            .arg(path);

    case Kind::CacheMissing:
        return QStringLiteral("Could not open the data cache \"%1\": there is no such file.").arg(m_path);
    case Kind::CacheNotRegular:
        return QStringLiteral("Could not open the data cache \"%1\": it is not a regular file.").arg(m_path);
    case Kind::CacheCannotOpen:
        return QStringLiteral("Could not open the data cache \"%1\": %2").arg(m_path, m_reason);
    case Kind::CacheCannotRead:
        return QStringLiteral("Could not read the data cache \"%1\": %2").arg(m_path, m_reason);
    case Kind::CacheCannotCreate:
        return QStringLiteral("Could not create the data cache \"%1\": %2").arg(m_path, m_reason);
    case Kind::CacheCannotWrite:
        return QStringLiteral("Could not write the data cache \"%1\": %2").arg(m_path, m_reason);
    case Kind::CacheEmpty:
        return cacheDamaged(*this, QStringLiteral("the file is empty."));
    case Kind::CacheNoColumnCount:
        return cacheDamaged(*this, QStringLiteral("the first line holds no column count."));
    case Kind::CacheNoRowCount:
        return cacheDamaged(*this, QStringLiteral("the second line holds no row count."));
    case Kind::CacheCutShort:
        return cacheDamaged(
            *this, QStringLiteral("it promises %1 columns and %2 rows, but holds only %3 of their %4 cells.")
                       .arg(fact(Fact::Columns), fact(Fact::Rows), fact(Fact::CellsHeld),
                            fact(Fact::CellsPromised)));
    case Kind::CacheReadAgain:
        return causeOf(*this) +
               QStringLiteral("\n\nThe library will be read again and the data cache rewritten.");

    case Kind::FolderInfo:
        return QStringLiteral("Could not obtain info for \"%1\"").arg(path);
    case Kind::GameFileUnreadable:
        return QStringLiteral("\"%1\": %2").arg(path, m_reason);
    case Kind::GameFilesUnreadable:
        return unreadableFiles(*this);
    case Kind::NoGamesFound:
        return QStringLiteral("No Data Found - Please check folders");
    case Kind::GameFileGone:
        return QStringLiteral("Could not find \"%1\"; Refresh All reads the library again.").arg(path);
    case Kind::NotGameIni:
        return QStringLiteral("\"%1\" is not a game ini file.").arg(path);

    case Kind::NoFolderGiven:
        return QStringLiteral("No folder was given.");
    case Kind::FolderMissing:
        return QStringLiteral("The folder \"%1\" does not exist.").arg(path);
    case Kind::DestinationMissing:
        return QStringLiteral("The destination folder \"%1\" does not exist.").arg(path);
    case Kind::MoveIntoItself:
        return QStringLiteral("The folder \"%1\" cannot be moved into itself.").arg(path);
    case Kind::MoveTargetTaken:
        return QStringLiteral("Could not move \"%1\": \"%2\" already exists.")
            .arg(path, shown(fact(Fact::Destination)));
    case Kind::CannotMove:
        return QStringLiteral("Could not move \"%1\": %2")
            .arg(path, m_causes.empty() ? m_reason : causeOf(*this));
    case Kind::RenameTargetTaken:
        return QStringLiteral("\"%1\" already exists").arg(path);
    case Kind::NotRenamed:
        return QStringLiteral("the folder could not be renamed");
    case Kind::LinkNotCopied:
        return QStringLiteral("could not copy the link \"%1\"").arg(path);
    case Kind::FolderNotCreated:
        return QStringLiteral("could not create \"%1\"").arg(path);
    case Kind::FileNotCopied:
        return QStringLiteral("could not copy \"%1\": %2").arg(path, m_reason);
    case Kind::NotPlainFileOrFolder:
        return QStringLiteral("\"%1\" is not a plain file or folder").arg(path);
    case Kind::CannotMoveLink:
        return QStringLiteral("Could not move the link \"%1\".").arg(path);
    case Kind::MoveTargetNotCreated:
        return QStringLiteral("Could not move \"%1\": could not create \"%2\".")
            .arg(path, shown(fact(Fact::Destination)));
    case Kind::OriginalNotRemoved:
        return QStringLiteral(
                   "\"%1\" was copied to \"%2\", but the original could not be removed completely.")
            .arg(path, shown(fact(Fact::Destination)));
    case Kind::FolderNotDeletable:
        return QStringLiteral("The folder \"%1\" cannot be deleted.").arg(path);
    case Kind::CannotTrash:
        return QStringLiteral("Could not move \"%1\" to the trash: %2").arg(path, m_reason);
    case Kind::CannotDelete:
        return QStringLiteral("Could not delete \"%1\".").arg(path);
    case Kind::DeletedPartly:
        return QStringLiteral("Could not delete \"%1\" completely.").arg(path);
    case Kind::AlreadyExists:
        return QStringLiteral("\"%1\" already exists.").arg(path);
    case Kind::CannotCopy:
        return QStringLiteral("Could not copy \"%1\" to \"%2\": %3")
            .arg(path, shown(fact(Fact::Destination)), m_reason);

    case Kind::LibraryNotSet:
        return QStringLiteral("the library folder is not set");
    case Kind::NothingSelected:
        return QStringLiteral("no game is selected");
    case Kind::FolderCellEmpty:
        return QStringLiteral("its Folder value is empty, so it has no category folder");
    case Kind::SubfolderCellEmpty:
        return QStringLiteral(
            "its Subfolder value is empty, so the path would name its whole category folder");
    case Kind::CellHoldsSeparator:
        return QStringLiteral(
                   "its %1 value \"%2\" holds a path separator, so it is not the name of one folder")
            .arg(fact(Fact::Column), fact(Fact::Cell));
    case Kind::CellNamesNoFolder:
        return QStringLiteral("its %1 value \"%2\" does not name a folder of its own")
            .arg(fact(Fact::Column), fact(Fact::Cell));
    case Kind::GameFolderMissing:
        return QStringLiteral("its folder \"%1\" does not exist").arg(path);
    case Kind::GameFolderLeadsNowhere:
        return QStringLiteral("its folder \"%1\" is a link that leads nowhere").arg(path);
    case Kind::GameFolderNotAFolder:
        return QStringLiteral("\"%1\" is not a folder").arg(path);
    case Kind::GameFolderIsCategory:
        return QStringLiteral("its folder \"%1\" is the category folder \"%2\" itself")
            .arg(path, shown(fact(Fact::CategoryFolder)));
    case Kind::GameFolderOutsideCategory:
        return QStringLiteral("its folder \"%1\" leads to \"%2\", outside the category folder \"%3\"")
            .arg(path, shown(fact(Fact::LeadsTo)), shown(fact(Fact::CategoryFolder)));
    case Kind::GameFolderHoldsGames:
        return QStringLiteral("its folder \"%1\" holds the library's games folder").arg(path);
    case Kind::GameFolderChanged:
        return QStringLiteral("its folder is now \"%1\", not the one shown").arg(path);

    case Kind::GameNotDeletable: {
        const QString game = gameName(*this).isEmpty()
                                 ? QStringLiteral("This game")
                                 : QLatin1Char('"') + gameName(*this) + QLatin1Char('"');
        return QStringLiteral("%1 cannot be deleted: %2.\n\nNothing was deleted.").arg(game, causeOf(*this));
    }
    case Kind::GameNotDeletedRefused:
        return QStringLiteral("\"%1\" was not deleted: %2.").arg(gameName(*this), causeOf(*this));
    case Kind::GameNotDeleted:
        return QStringLiteral("\"%1\" was not deleted: %2").arg(gameName(*this), causeOf(*this));
    case Kind::NoGameSelected:
        return QStringLiteral("No game is selected.");
    case Kind::NoEntrySelected:
        return QStringLiteral("List index out of bounds (-1)");
    case Kind::NoRecordForPlatform:
        return QStringLiteral("There is no record of \"%1\" for %2 to start.")
            .arg(gameName(*this), fact(Fact::Platform));
    case Kind::SelectedFolderMissing:
        return QStringLiteral("The folder \"%1\" of \"%2\" does not exist.").arg(path, gameName(*this));
    case Kind::MoveDestinationGone:
        return QStringLiteral("The folder \"%1\" does not exist; nothing was moved.").arg(path);
    case Kind::GameFolderNotMoved:
        return QStringLiteral("%1: %2").arg(gameName(*this), causeOf(*this));
    case Kind::FoldersNotMoved:
        return foldersNotMoved(*this);

    case Kind::StartNothingGiven:
        return couldNotStart(*this, QStringLiteral("no program or document was given"));
    case Kind::StartFolderMissing:
        return couldNotStart(
            *this,
            QStringLiteral("the working folder \"%1\" does not exist").arg(shown(fact(Fact::WorkingFolder))));
    case Kind::StartTargetMissing:
        return couldNotStart(*this, QStringLiteral("no such file or folder"));
    case Kind::CannotStart:
        return couldNotStart(*this,
                             m_reason.isEmpty() ? QStringLiteral("the system could not start it") : m_reason);
    case Kind::StartNotAProgram:
        return couldNotStart(*this, QStringLiteral("it is not an executable program"));
    case Kind::StartNoHandler:
        return couldNotStart(*this, QStringLiteral("no program is set up to open it"));

    case Kind::EmulatorProgramNotSet:
        return QStringLiteral("The emulator \"%1\" has no program set: choose it on the Config tab under "
                              "Emulator and Game Runner EXE Paths.")
            .arg(fact(Fact::Emulator));

    case Kind::NotXml:
        return QStringLiteral("\"%1\" is not an XML file: %2 (%3).")
            .arg(path, fact(Fact::Words), fact(Fact::Place));
    case Kind::XmlEndMissing:
        return QStringLiteral("\"%1\" is not an XML file: the end of its LaunchBox element cannot be found.")
            .arg(path);
    case Kind::NotLaunchBox:
    case Kind::NotLaunchBoxSeveralElements:
        return QStringLiteral("\"%1\" is not a LaunchBox data file: its top-level element is \"%2\", not "
                              "\"LaunchBox\". Nothing was exported.")
            .arg(path,
                 m_kind == Kind::NotLaunchBox ? fact(Fact::Element)
                                              : QStringLiteral("more than one element"));
    case Kind::WideEncoding:
        return QStringLiteral("\"%1\" is written in %2; the export adds games only to files in %3. "
                              "Nothing was exported.")
            .arg(path, fact(Fact::Encoding), QStringLiteral("UTF-8, Windows-1252, ISO-8859-1 or US-ASCII"));
    case Kind::UnwritableEncoding:
        return QStringLiteral(
                   "\"%1\" is declared in the encoding \"%2\"; the export adds games only to files "
                   "in %3. Nothing was exported.")
            .arg(path, fact(Fact::Encoding), QStringLiteral("UTF-8, Windows-1252, ISO-8859-1 or US-ASCII"));
    case Kind::MarkContradictsEncoding:
        return QStringLiteral("\"%1\" begins with a UTF-8 byte-order mark but declares the encoding \"%2\"; "
                              "programs do not agree on which of the two to follow, so some would read the "
                              "new games wrongly. Nothing was exported.")
            .arg(path, fact(Fact::Encoding));
    case Kind::BackupFailed:
        return QStringLiteral("Could not back up \"%1\", so nothing was exported. %2")
            .arg(path, causeOf(*this));

    case Kind::UnableToWrite:
        if (m_reason.isEmpty())
            return QStringLiteral("Unable to write to %1").arg(path);
        return QStringLiteral("Unable to write to %1\n\n%2").arg(path, m_reason);
    case Kind::UnableToRead:
        return QStringLiteral("Unable to read %1").arg(path);
    case Kind::FieldsUnfitForCodePage:
        return QStringLiteral("%1 is written in the Windows-1252 code page, which cannot hold some "
                              "characters of these fields: %2.\n\nNothing was saved. Change those "
                              "characters, or save the game as a new file.")
            .arg(path, facts(Fact::Keys).join(QStringLiteral(", ")));
    case Kind::FieldsWouldNotReadBack:
        return QStringLiteral("These fields would not read back from %1 as they are shown: %2.\n\n"
                              "Nothing was saved.")
            .arg(path, facts(Fact::Keys).join(QStringLiteral(", ")));

    case Kind::IniNameBlank:
        return QStringLiteral("Ini File Name field left blank.");
    case Kind::IniNameUnfit:
        return QStringLiteral("The ini file name cannot hold any of these characters: \\ / : * ? \" < > | "
                              "or a line break.");
    case Kind::Cancelled:
        return QStringLiteral("Cancelled");
    case Kind::AboutNameBlank:
        return QStringLiteral("No About Name Given");
    case Kind::AboutBodyBlank:
        return QStringLiteral("No About Body Given");

    case Kind::NotSkinsFile:
        return QStringLiteral(
                   "Nostalgia mode cannot use the skins file \"%1\": it has none of the sections a skin "
                   "is made of, such as [Computer] or [Background].")
            .arg(path);
    case Kind::SkinPictureMissing:
        return QStringLiteral("Could not load the skin picture \"%1\": the file was not found.").arg(m_path);
    case Kind::SkinPictureUndecodable:
        return QStringLiteral("Could not load the skin picture \"%1\": %2").arg(m_path, m_reason);
    case Kind::PictureUndecodable:
        return QStringLiteral("Could not show the picture \"%1\": %2").arg(m_path, m_reason);
    case Kind::SettingsNotKept:
        return QStringLiteral("Settings cannot be kept: \"%1\" could not be made (%2). PALLOX starts with the "
                              "installed settings, and changes last until it closes.")
            .arg(path, m_reason);
    case Kind::CommandLineRefused:
        return QStringLiteral("%1 See pallox --help.").arg(m_reason);
    case Kind::UnexpectedArgument:
        return QStringLiteral("Unexpected argument '%1'. See pallox --help.").arg(fact(Fact::Argument));
    case Kind::LibraryFolderMissing:
        return QStringLiteral("There is no folder \"%1\" to read the library from.").arg(path);
    case Kind::NoteUnreadable:
        return QStringLiteral("Could not read the note \"%1\": %2").arg(m_path, m_reason);
    case Kind::ImportNoSource:
        return QStringLiteral("No source was given: choose a LaunchBox data file, a gamelist.xml or a folder "
                              "of game folders.");
    case Kind::ImportSourceMissing:
        return QStringLiteral("The source \"%1\" does not exist.").arg(path);
    case Kind::ImportNotSource:
        return QStringLiteral("\"%1\" is not %3: its top-level element is \"%2\". Nothing was imported.")
            .arg(path, fact(Fact::Element), fact(Fact::Expected));
    case Kind::ImportNoDataFile:
        return QStringLiteral("The folder \"%1\" holds no LaunchBox data file (Data%2LaunchBox.xml or "
                              "Data%2Platforms%2*.xml).")
            .arg(path, QDir::separator());
    case Kind::ImportNoGameList:
        return QStringLiteral("\"%1\" holds no gamelist.xml, neither of its own nor in folders of systems.")
            .arg(path);
    case Kind::ImportNoGames:
        return QStringLiteral("\"%1\" holds no games. Nothing was imported.").arg(path);
    case Kind::ImportCategoryBlank:
        return QStringLiteral("No category was given: choose a category folder of the library or type a new name.");
    case Kind::ImportCategoryUnfit:
        return QStringLiteral("The category \"%1\" cannot be a folder of the library: it must not begin or end "
                              "with a dot, nor hold any of \\ / : * ? \" < > | or a line break.")
            .arg(fact(Fact::Category));
    case Kind::ImportNoTitle:
        return QStringLiteral("it has no title, so it cannot be made");
    case Kind::ImportNoProgramGiven:
        return QStringLiteral("its record names no program");
    case Kind::ImportProgramMissing:
        return QStringLiteral("no program found at \"%1\"").arg(m_path);
    case Kind::ImportFileMissing:
        return QStringLiteral("the file \"%1\" was not found").arg(m_path);
    case Kind::ImportManualMissing:
        return QStringLiteral("the manual \"%1\" was not found").arg(m_path);
    case Kind::ImportPictureMissing:
        return QStringLiteral("the picture \"%1\" was not found").arg(m_path);
    case Kind::ImportTooManyExtras:
        return QStringLiteral("the extra \"%1\" is left out: a game holds seven extras at most").arg(m_path);
    case Kind::ImportNoProgramInFolder:
        return QStringLiteral("no .exe, .com or .bat at the top of its folder");
    case Kind::ImportSeveralPrograms:
        return QStringLiteral("several programs at the top of its folder (%1): choose the one to start")
            .arg(facts(Fact::Programs).join(QStringLiteral(", ")));
    case Kind::ImportAlreadyImported:
        if (m_path.isEmpty())
            return QStringLiteral("the source names it twice; the first is imported");
        return QStringLiteral("imported before, into \"%1\"").arg(path);
    case Kind::ImportNameInLibrary:
        return QStringLiteral("a game named \"%1\" on the same platform is already in the library")
            .arg(fact(Fact::Game));
    case Kind::ImportDuplicateTitle:
        return QStringLiteral("another game of the source is named \"%1\" on the same platform")
            .arg(fact(Fact::Game));
    case Kind::ImportLinkFailed:
        return QStringLiteral("could not make the link \"%1\" to \"%2\"")
            .arg(path, shown(fact(Fact::Target)));
    case Kind::ImportOriginalKept:
        return QStringLiteral("\"%1\" was copied into the library, but the original could not be removed")
            .arg(path);
    case Kind::ImportMovedFilesKept:
        return QStringLiteral("%1; the files moved so far could not all be put back and are in \"%2\"")
            .arg(causeOf(*this), path);
    case Kind::ImportGamePassedOver: {
        const QString game = gameName(*this).isEmpty() ? QStringLiteral("(no title)")
                                                       : QLatin1Char('"') + gameName(*this) + QLatin1Char('"');
        return QStringLiteral("%1: %2").arg(game, causeOf(*this));
    }
    }
    return m_reason;
}

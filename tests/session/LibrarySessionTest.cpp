#include "base/SettingsFile.h"
#include "session/AppearanceModel.h"
#include "session/FilterState.h"
#include "session/LibrarySession.h"
#include "support/Files.h"
#include "support/LibraryBuilder.h"
#include "support/TableHelpers.h"
#include "support/TestPlatform.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <memory>

namespace {

// The run below the windows, driven as the windows drive it and watched through its signals.
class LibrarySessionTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(lib.isValid());
        lib.setSubfolders({QStringLiteral("Action"), QStringLiteral("Puzzle")});
        addGame(QStringLiteral("Action"), QStringLiteral("Blaster"), QStringLiteral("Blaster"), "1991", "Zenith", "DOS");
        addGame(QStringLiteral("Action"), QStringLiteral("Comet"), QStringLiteral("Comet"), "1987", "Aurora", "Amiga");
        addGame(QStringLiteral("Puzzle"), QStringLiteral("Aztec"), QStringLiteral("Aztec Tiles"), "1993", "Zenith", "DOS");
        addGame(QStringLiteral("Puzzle"), QStringLiteral("Comet"), QStringLiteral("Comet"), "1989", "Aurora", "DOS");
        lib.setMainKey(QStringLiteral("DOSBoxPath"), QStringLiteral("/usr/bin/dosbox"));
        lib.writeSettings();
    }

    void addGame(const QString &category, const QString &folder, const QString &name, const char *year,
                 const char *developer, const char *platform)
    {
        lib.addGame(category, folder, name,
                    {{QStringLiteral("Year"), QString::fromLatin1(year)},
                     {QStringLiteral("Developer"), QString::fromLatin1(developer)},
                     {QStringLiteral("Platform"), QString::fromLatin1(platform)},
                     {QStringLiteral("Emulator"), QStringLiteral("DOSBox")},
                     {QStringLiteral("Executable"), QString::fromLatin1(platform).toLower() + QLatin1Char('-') +
                                                        folder.toLower() + QStringLiteral(".exe")}});
    }

    // Start-up as the main window runs it; the session records what it said.
    std::unique_ptr<LibrarySession> start()
    {
        auto session = std::make_unique<LibrarySession>(platform, lib.root());
        QObject::connect(session.get(), &LibrarySession::message, [this](const QString &text) { messages << text; });
        QObject::connect(session.get(), &LibrarySession::listChanged, [this] { ++listBuilds; });
        QObject::connect(session.get(), &LibrarySession::scanFinished, [this] { ++scans; });
        session->openSettings();
        session->loadEmulators();
        source = session->loadTable();
        session->rebuildList();
        return session;
    }

    QString cacheFile() const { return lib.root() + QStringLiteral("DataCache.txt"); }

    LibraryBuilder lib;
    TestPlatform fake;
    Platform platform = fake.platform();
    QStringList messages;
    int listBuilds = 0;
    int scans = 0;
    TableSource source = TableSource::Cache;
};

TEST_F(LibrarySessionTest, StartsFromAScanThenFromTheCacheAndReplacesADamagedCache)
{
    auto session = start();
    EXPECT_EQ(source, TableSource::Scan);
    EXPECT_EQ(scans, 1);
    EXPECT_TRUE(QFile::exists(cacheFile()));
    // One entry per name: the two Comets fold into one.
    EXPECT_EQ(session->listEntries(),
              QStringList({QStringLiteral("Aztec Tiles"), QStringLiteral("Blaster"), QStringLiteral("Comet")}));
    EXPECT_EQ(session->totalText(), QStringLiteral("4 Listed"));

    lib.addGame(QStringLiteral("Puzzle"), QStringLiteral("Zebra"), QStringLiteral("Zebra Run"));
    session = start();
    EXPECT_EQ(source, TableSource::Cache);
    EXPECT_EQ(session->listEntries().size(), 3) << "the cache stands for the library until a rescan";
    const LibraryState &library = session->state().library;
    EXPECT_TRUE(library.ScanPending);
    GameTable cached;
    ASSERT_TRUE(loadStringGridInto(cached, cacheFile()));
    EXPECT_TRUE(library.GridComplete == cached);
    EXPECT_EQ(library.lbGridRead, library.GridMain.fieldNames());

    lib.writeFile(QStringLiteral("DataCache.txt"), QByteArray("12\r\n"));
    session = start();
    EXPECT_EQ(source, TableSource::ScanAfterDamagedCache);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.front().contains(QStringLiteral("damaged"))) << messages.front().toStdString();
    EXPECT_EQ(session->listEntries().size(), 4);
}

// Start-up runs its steps in their order, each reported when what the windows show of it is
// there, and ends on the remembered entry.
TEST_F(LibrarySessionTest, StartUpReportsEachStepOnceItsDataIsThere)
{
    lib.setMainKey(QStringLiteral("RememberLastSelected"), QStringLiteral("1"));
    lib.setMainKey(QStringLiteral("LastSelectedGame"), QStringLiteral("2"));
    lib.writeSettings();
    LibrarySession session(platform, lib.root());
    using Step = LibrarySession::StartUpStep;
    QStringList log;
    QObject::connect(&session, &LibrarySession::scanFinished, [&] { log << QStringLiteral("scan"); });
    QObject::connect(&session, &LibrarySession::listChanged, [&] { log << QStringLiteral("list"); });
    QObject::connect(&session, &LibrarySession::selectionChanged,
                     [&] { log << QStringLiteral("select %1").arg(session.selectedIndex()); });
    QObject::connect(&session, &LibrarySession::startUpStep, [&](Step step) {
        switch (step) {
        case Step::SettingsOpened: // with no rows but the field names yet
            log << QStringLiteral("settings %1 %2")
                       .arg(session.state().RememberLastSelected)
                       .arg(session.table().rowCount());
            break;
        case Step::TableLoading:
            log << QStringLiteral("loading");
            break;
        case Step::TableLoaded:
            log << QStringLiteral("table %1").arg(session.table().rowCount());
            break;
        case Step::ListBuilt:
            log << QStringLiteral("entries %1").arg(session.listEntries().size());
            break;
        case Step::EmulatorsLoaded:
            log << QStringLiteral("emulators %1").arg(session.filter().fieldList().size());
            break;
        case Step::FiltersFilled:
            log << QStringLiteral("filters %1").arg(session.filter().fieldList().size() > 1);
            break;
        case Step::Finished:
            log << QStringLiteral("finished %1").arg(session.details().name);
            break;
        }
    });
    session.startUp();
    EXPECT_EQ(log, (QStringList{QStringLiteral("settings 1 1"), QStringLiteral("loading"), QStringLiteral("scan"),
                                QStringLiteral("table 5"), QStringLiteral("list"), QStringLiteral("select -1"),
                                QStringLiteral("entries 3"), QStringLiteral("emulators 0"),
                                QStringLiteral("filters 1"), QStringLiteral("select 2"),
                                QStringLiteral("finished Comet")}));
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(LibrarySessionTest, SortThenFilterThenRestoreWithAndWithoutAReadableCache)
{
    auto session = start();
    session->setSortField(QStringLiteral("Year"));
    EXPECT_EQ(session->listEntries().front(), QStringLiteral("1987 -- Comet"));

    EXPECT_EQ(session->valueListFor(QStringLiteral("Developer")),
              QStringList({QString(), QStringLiteral("Aurora"), QStringLiteral("Zenith")}));
    session->applyFieldFilter(QStringLiteral("Developer"), QStringLiteral("Zenith"));
    EXPECT_EQ(session->listEntries(),
              QStringList({QStringLiteral("1991 -- Blaster"), QStringLiteral("1993 -- Aztec Tiles")}));
    session->textSearch(QStringLiteral("aztec"));
    EXPECT_EQ(session->listEntries(), QStringList{QStringLiteral("1993 -- Aztec Tiles")});

    session->restoreAll();
    EXPECT_EQ(session->state().MainSortField, QStringLiteral("Name"));
    EXPECT_EQ(session->listEntries().size(), 3);
    EXPECT_TRUE(messages.isEmpty());

    // Without a readable cache the complete copy brings every game back, and the user is told.
    session->applyFieldFilter(QStringLiteral("Developer"), QStringLiteral("Aurora"));
    ASSERT_TRUE(QFile::remove(cacheFile()));
    session->restoreAll();
    EXPECT_EQ(session->listEntries().size(), 3);
    EXPECT_EQ(messages.size(), 1);
    EXPECT_EQ(session->table().cell(0, 0), QStringLiteral("Number"));
}

TEST_F(LibrarySessionTest, SelectionFollowsItsEntryThroughRebuildsAndLaunchesThatRow)
{
    auto session = start();
    int selections = 0;
    QObject::connect(session.get(), &LibrarySession::selectionChanged, [&] { ++selections; });

    session->select(2);
    EXPECT_EQ(selections, 1);
    EXPECT_EQ(session->details().name, QStringLiteral("Comet"));
    const int cometRow = session->state().SelectedRow;
    EXPECT_EQ(session->table().cell(session->table().column(QStringLiteral("Name")), cometRow), QStringLiteral("Comet"));

    // A rebuild keeps the index and selects it again, now showing whatever the entry there is.
    session->setSortField(QStringLiteral("Year"));
    EXPECT_EQ(session->selectedIndex(), 2);
    EXPECT_EQ(session->state().SelectedGameName, QStringLiteral("Blaster"));
    EXPECT_EQ(session->details().name, QStringLiteral("Blaster"));

    // A filter that leaves fewer entries than the index drops the selection.
    session->applyFieldFilter(QStringLiteral("Platform"), QStringLiteral("Amiga"));
    EXPECT_EQ(session->selectedIndex(), -1);
    EXPECT_EQ(session->state().SelectedRow, 0);

    session->select(0);
    session->launchSelected(false);
    ASSERT_EQ(fake.shell.calls.size(), 1u);
    EXPECT_EQ(fake.shell.calls.front().program, QStringLiteral("/usr/bin/dosbox"));
    EXPECT_TRUE(fake.shell.calls.front().parameters.contains(QStringLiteral("amiga-comet.exe")))
        << fake.shell.calls.front().parameters.toStdString();
}

TEST_F(LibrarySessionTest, AThumbnailStartsItsGameWhilePlayStillStartsTheGameOnShow)
{
    auto session = start();
    session->select(1);
    ASSERT_EQ(session->details().name, QStringLiteral("Blaster"));
    const int blasterRow = session->state().SelectedRow;
    const GameTable &table = session->table();
    const int name = table.column(QStringLiteral("Name"));
    int aztecRow = 0;
    for (int row = 1; row < table.rowCount(); ++row)
        aztecRow = table.cell(name, row) == QStringLiteral("Aztec Tiles") ? row : aztecRow;
    ASSERT_GT(aztecRow, 0);

    session->launchRow(aztecRow);
    EXPECT_EQ(session->state().SelectedRow, blasterRow) << "the details still show Blaster";
    session->launchSelected(false);
    ASSERT_EQ(fake.shell.calls.size(), 2u);
    EXPECT_TRUE(fake.shell.calls[0].parameters.contains(QStringLiteral("dos-aztec.exe")));
    EXPECT_TRUE(fake.shell.calls[1].parameters.contains(QStringLiteral("dos-blaster.exe")))
        << fake.shell.calls[1].parameters.toStdString();
}

// Save goes through the settings file: what it wrote is listed at the next group change, and a
// file that cannot be written is told as any failed write of it is.
TEST_F(LibrarySessionTest, ASavedEmulatorIsListedAndAFailedSaveIsTold)
{
    auto session = start();
    EmulatorEditForm form = session->beginAddEmulator(QStringLiteral("Other"));
    ASSERT_EQ(form.index, 1);
    form.Nick = QStringLiteral("C64");
    ASSERT_TRUE(session->saveEmulator(form));
    EXPECT_EQ(session->listEmulatorGroup(QStringLiteral("Other")), QStringList{QStringLiteral("CustomEmu1")});
    EXPECT_EQ(session->state().emulators.customSlot(1).Nick, QStringLiteral("C64"));
    EXPECT_EQ(session->beginAddEmulator(QStringLiteral("Other")).index, 2);
    EXPECT_FALSE(session->saveEmulator(EmulatorEditForm{}));

    const qsizetype told = messages.size();
    const QString settings = session->settings().fileName();
    ASSERT_TRUE(QFile::remove(settings));
    ASSERT_TRUE(QDir().mkpath(settings));
    EXPECT_FALSE(session->saveEmulator(form));
    ASSERT_EQ(messages.size(), told + 1);
    EXPECT_TRUE(messages.last().contains(QStringLiteral("PALLOX.ini"))) << messages.last().toStdString();
}

// Every option the Config tab and the View menu change is taken by the session and written at
// once, and a failed write is told as any failed write of the settings file is.
TEST_F(LibrarySessionTest, OptionsAreTakenAndWrittenAtOnceAndAFailedWriteIsTold)
{
    auto session = start();
    const IniFile file(lib.settingsFile());
    const auto stored = [&file](const char *section, const char *key) {
        return file.readString(QLatin1String(section), QLatin1String(key), QStringLiteral("<none>"));
    };
    QSignalSpy roots(session.get(), &LibrarySession::libraryRootChanged);
    QSignalSpy dates(session.get(), &LibrarySession::showDatesChanged);

    session->setConfirmClose(true);
    session->setRememberLastSelected(true);
    session->setShowDates(false);
    session->setNostalgiaMode(true);
    session->setAboutListSeparator(-24);
    session->setLibraryRoot(QStringLiteral("/elsewhere/games"));
    const MainState &state = session->state();
    EXPECT_TRUE(state.ConfirmClose && state.RememberLastSelected && !state.ShowDates && state.NostalgiaMode);
    EXPECT_EQ(state.AboutListSeparator, -24);
    EXPECT_EQ((QStringList{stored("Main", "ConfirmClose"), stored("Main", "RememberLastSelected"),
                           stored("Main", "ShowDates"), stored("Main", "NostalgiaMode"),
                           stored("Main", "AboutListSeparator"), stored("Main", "VADPath")}),
              (QStringList{QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("1"),
                           QStringLiteral("-24"), QStringLiteral("/elsewhere/games/")}));
    EXPECT_EQ(state.library.LibraryRoot, QStringLiteral("/elsewhere/games/"));
    ASSERT_EQ(roots.size(), 1);
    EXPECT_EQ(roots[0][0].toString(), QStringLiteral("/elsewhere/games/"));
    ASSERT_EQ(dates.size(), 1);
    EXPECT_FALSE(dates[0][0].toBool());
    EXPECT_EQ(session->listEntries().size(), 3) << "the table keeps its games until the next refresh";

    // The size waits for a pause, or for the close.
    session->rememberWindowSize(900, 640);
    EXPECT_EQ(stored("Main", "Width"), QStringLiteral("<none>"));
    EXPECT_TRUE(session->flushSettings());
    EXPECT_EQ(stored("Main", "Width") + QLatin1Char('x') + stored("Main", "Height"), QStringLiteral("900x640"));

    const qsizetype told = messages.size();
    ASSERT_TRUE(QFile::remove(lib.settingsFile()));
    ASSERT_TRUE(QDir().mkpath(lib.settingsFile()));
    session->appearance().setColor(Theme::Color::Details, QColor(Qt::red));
    EXPECT_EQ(messages.size(), told + 1);
    EXPECT_TRUE(messages.last().contains(QStringLiteral("PALLOX.ini"))) << messages.last().toStdString();
}

// Launches read the command line the Global DOSBox panel shows now; the other options count once
// confirmed, and confirming writes all three.
TEST_F(LibrarySessionTest, LaunchesUseTheSessionsDOSBoxOptions)
{
    auto session = start();
    session->select(1);
    session->setDOSBoxCommandLine(QStringLiteral("-fullscreen"));
    session->launchSelected(false);
    ASSERT_EQ(fake.shell.calls.size(), 1u);
    EXPECT_TRUE(fake.shell.calls[0].parameters.contains(QStringLiteral("-fullscreen")))
        << fake.shell.calls[0].parameters.toStdString();
    EXPECT_FALSE(session->launchOptions(false).DOSBoxExit);

    session->confirmDOSBoxOptions(true, true, QStringLiteral("-noconsole"));
    const LaunchOptions options = session->launchOptions(true);
    EXPECT_TRUE(options.DOSBoxExit && options.UseSingleConfFolder && options.setup);
    EXPECT_EQ(options.CMDLine, QStringLiteral("-noconsole"));
    EXPECT_TRUE(readFile(lib.settingsFile()).contains("DOSBoxExit=1\r\nUseSingleConfFolder=1\r\nCMDLine=-noconsole\r\n"));
}

} // namespace

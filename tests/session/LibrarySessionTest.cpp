#include "base/SettingsFile.h"
#include "session/AppearanceModel.h"
#include "session/PreferencesModel.h"
#include "session/LibraryModel.h"
#include "session/LaunchModel.h"
#include "session/BrowseModel.h"
#include "session/FilterState.h"
#include "session/LibrarySession.h"
#include "support/BrowseRig.h"
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
        QObject::connect(&session->browse(), &BrowseModel::listChanged, [this] { ++listBuilds; });
        QObject::connect(&session->library(), &LibraryModel::scanFinished, [this] { ++scans; });
        session->startUp();
        session->browse().select(-1);
        return session;
    }

    QString cacheFile() const { return lib.root() + QStringLiteral("DataCache.txt"); }

    LibraryBuilder lib;
    TestPlatform fake;
    Platform platform = fake.platform();
    QStringList messages;
    int listBuilds = 0;
    int scans = 0;
};

// The library model on its own, under the browse model that lists what it read.
TEST_F(LibrarySessionTest, StartsFromAScanThenFromTheCacheAndReplacesADamagedCache)
{
    auto rig = std::make_unique<BrowseRig>(lib.root(), fake.random, fake.clock);
    EXPECT_EQ(rig->source, TableSource::Scan);
    EXPECT_EQ(rig->scans, 1);
    EXPECT_TRUE(QFile::exists(cacheFile()));
    // One entry per name: the two Comets fold into one.
    EXPECT_EQ(rig->browse->listEntries(),
              QStringList({QStringLiteral("Aztec Tiles"), QStringLiteral("Blaster"), QStringLiteral("Comet")}));
    EXPECT_EQ(rig->browse->totalText(), QStringLiteral("4 Listed"));

    lib.addGame(QStringLiteral("Puzzle"), QStringLiteral("Zebra"), QStringLiteral("Zebra Run"));
    rig = std::make_unique<BrowseRig>(lib.root(), fake.random, fake.clock);
    EXPECT_EQ(rig->source, TableSource::Cache);
    EXPECT_EQ(rig->browse->listEntries().size(), 3) << "the cache stands for the library until a rescan";
    const LibraryState &library = rig->library->state();
    EXPECT_TRUE(library.ScanPending);
    GameTable cached;
    ASSERT_TRUE(loadStringGridInto(cached, cacheFile()));
    EXPECT_TRUE(library.GridComplete == cached);
    EXPECT_EQ(library.lbGridRead, library.GridMain.fieldNames());
    EXPECT_TRUE(rig->messages.isEmpty());

    lib.writeFile(QStringLiteral("DataCache.txt"), QByteArray("12\r\n"));
    rig = std::make_unique<BrowseRig>(lib.root(), fake.random, fake.clock);
    EXPECT_EQ(rig->source, TableSource::ScanAfterDamagedCache);
    ASSERT_EQ(rig->messages.size(), 1);
    EXPECT_TRUE(rig->messages.front().contains(QStringLiteral("damaged"))) << rig->messages.front().toStdString();
    EXPECT_EQ(rig->browse->listEntries().size(), 4);
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
    QObject::connect(&session.library(), &LibraryModel::scanFinished, [&] { log << QStringLiteral("scan"); });
    QObject::connect(&session.browse(), &BrowseModel::listChanged, [&] { log << QStringLiteral("list"); });
    QObject::connect(&session.browse(), &BrowseModel::selectionChanged,
                     [&] { log << QStringLiteral("select %1").arg(session.browse().selectedIndex()); });
    QObject::connect(&session, &LibrarySession::startUpStep, [&](Step step) {
        switch (step) {
        case Step::SettingsOpened: // with no rows but the field names yet
            log << QStringLiteral("settings %1 %2")
                       .arg(session.preferences().preferences().rememberLastSelected)
                       .arg(session.library().table().rowCount());
            break;
        case Step::TableLoading:
            log << QStringLiteral("loading");
            break;
        case Step::TableLoaded:
            log << QStringLiteral("table %1").arg(session.library().table().rowCount());
            break;
        case Step::ListBuilt:
            log << QStringLiteral("entries %1").arg(session.browse().listEntries().size());
            break;
        case Step::EmulatorsLoaded:
            log << QStringLiteral("emulators %1").arg(session.filter().fieldList().size());
            break;
        case Step::FiltersFilled:
            log << QStringLiteral("filters %1").arg(session.filter().fieldList().size() > 1);
            break;
        case Step::Finished:
            log << QStringLiteral("finished %1").arg(session.browse().details().name);
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
    session->browse().setSortField(QStringLiteral("Year"));
    EXPECT_EQ(session->browse().listEntries().front(), QStringLiteral("1987 -- Comet"));

    EXPECT_EQ(session->browse().valueListFor(QStringLiteral("Developer")),
              QStringList({QString(), QStringLiteral("Aurora"), QStringLiteral("Zenith")}));
    session->browse().applyFieldFilter(QStringLiteral("Developer"), QStringLiteral("Zenith"));
    EXPECT_EQ(session->browse().listEntries(),
              QStringList({QStringLiteral("1991 -- Blaster"), QStringLiteral("1993 -- Aztec Tiles")}));
    session->browse().textSearch(QStringLiteral("aztec"));
    EXPECT_EQ(session->browse().listEntries(), QStringList{QStringLiteral("1993 -- Aztec Tiles")});

    session->browse().restoreAll();
    EXPECT_EQ(session->browse().sortField(), QStringLiteral("Name"));
    EXPECT_EQ(session->browse().listEntries().size(), 3);
    EXPECT_TRUE(messages.isEmpty());

    // Without a readable cache the complete copy brings every game back, and the user is told.
    session->browse().applyFieldFilter(QStringLiteral("Developer"), QStringLiteral("Aurora"));
    ASSERT_TRUE(QFile::remove(cacheFile()));
    session->browse().restoreAll();
    EXPECT_EQ(session->browse().listEntries().size(), 3);
    EXPECT_EQ(messages.size(), 1);
    EXPECT_EQ(session->library().table().cell(0, 0), QStringLiteral("Number"));
}

TEST_F(LibrarySessionTest, SelectionFollowsItsEntryThroughRebuildsAndLaunchesThatRow)
{
    auto session = start();
    int selections = 0;
    QObject::connect(&session->browse(), &BrowseModel::selectionChanged, [&] { ++selections; });

    session->browse().select(2);
    EXPECT_EQ(selections, 1);
    EXPECT_EQ(session->browse().details().name, QStringLiteral("Comet"));
    const int cometRow = session->browse().selectedRow();
    EXPECT_EQ(session->library().table().cell(session->library().table().column(QStringLiteral("Name")), cometRow), QStringLiteral("Comet"));

    // A rebuild keeps the index and selects it again, now showing whatever the entry there is.
    session->browse().setSortField(QStringLiteral("Year"));
    EXPECT_EQ(session->browse().selectedIndex(), 2);
    EXPECT_EQ(session->browse().selectedGameName(), QStringLiteral("Blaster"));
    EXPECT_EQ(session->browse().details().name, QStringLiteral("Blaster"));

    // A filter that leaves fewer entries than the index drops the selection.
    session->browse().applyFieldFilter(QStringLiteral("Platform"), QStringLiteral("Amiga"));
    EXPECT_EQ(session->browse().selectedIndex(), -1);
    EXPECT_EQ(session->browse().selectedRow(), 0);

    session->browse().select(0);
    session->launch().launchSelected(false);
    ASSERT_EQ(fake.shell.calls.size(), 1u);
    EXPECT_EQ(fake.shell.calls.front().program, QStringLiteral("/usr/bin/dosbox"));
    EXPECT_TRUE(fake.shell.calls.front().parameters.contains(QStringLiteral("amiga-comet.exe")))
        << fake.shell.calls.front().parameters.toStdString();
}

TEST_F(LibrarySessionTest, AThumbnailStartsItsGameWhilePlayStillStartsTheGameOnShow)
{
    auto session = start();
    session->browse().select(1);
    ASSERT_EQ(session->browse().details().name, QStringLiteral("Blaster"));
    const int blasterRow = session->browse().selectedRow();
    const GameTable &table = session->library().table();
    const int name = table.column(QStringLiteral("Name"));
    int aztecRow = 0;
    for (int row = 1; row < table.rowCount(); ++row)
        aztecRow = table.cell(name, row) == QStringLiteral("Aztec Tiles") ? row : aztecRow;
    ASSERT_GT(aztecRow, 0);

    session->launch().launchRow(aztecRow);
    EXPECT_EQ(session->browse().selectedRow(), blasterRow) << "the details still show Blaster";
    session->launch().launchSelected(false);
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
    EmulatorEditForm form = session->launch().beginAddEmulator(QStringLiteral("Other"));
    ASSERT_EQ(form.index, 1);
    form.Nick = QStringLiteral("C64");
    ASSERT_TRUE(session->launch().saveEmulator(form));
    EXPECT_EQ(session->launch().listEmulatorGroup(QStringLiteral("Other")), QStringList{QStringLiteral("CustomEmu1")});
    EXPECT_EQ(session->launch().registry().customSlot(1).Nick, QStringLiteral("C64"));
    EXPECT_EQ(session->launch().beginAddEmulator(QStringLiteral("Other")).index, 2);
    EXPECT_FALSE(session->launch().saveEmulator(EmulatorEditForm{}));

    const qsizetype told = messages.size();
    const QString settings = session->settings().fileName();
    ASSERT_TRUE(QFile::remove(settings));
    ASSERT_TRUE(QDir().mkpath(settings));
    EXPECT_FALSE(session->launch().saveEmulator(form));
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
    QSignalSpy roots(&session->preferences(), &PreferencesModel::libraryRootChanged);
    QSignalSpy dates(&session->preferences(), &PreferencesModel::showDatesChanged);

    session->preferences().setConfirmClose(true);
    session->preferences().setRememberLastSelected(true);
    session->preferences().setShowDates(false);
    session->preferences().setNostalgiaMode(true);
    session->preferences().setAboutListSeparator(-24);
    session->preferences().setLibraryRoot(QStringLiteral("/elsewhere/games"));
    const Preferences &state = session->preferences().preferences();
    EXPECT_TRUE(state.confirmClose && state.rememberLastSelected && !state.showDates && state.nostalgiaMode);
    EXPECT_EQ(state.aboutListSeparator, -24);
    EXPECT_EQ((QStringList{stored("Main", "ConfirmClose"), stored("Main", "RememberLastSelected"),
                           stored("Main", "ShowDates"), stored("Main", "NostalgiaMode"),
                           stored("Main", "AboutListSeparator"), stored("Main", "VADPath")}),
              (QStringList{QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("1"),
                           QStringLiteral("-24"), QStringLiteral("/elsewhere/games/")}));
    EXPECT_EQ(state.libraryRoot, QStringLiteral("/elsewhere/games/"));
    EXPECT_EQ(session->library().root(), QStringLiteral("/elsewhere/games/"));
    ASSERT_EQ(roots.size(), 1);
    EXPECT_EQ(roots[0][0].toString(), QStringLiteral("/elsewhere/games/"));
    ASSERT_EQ(dates.size(), 1);
    EXPECT_FALSE(dates[0][0].toBool());
    EXPECT_EQ(session->browse().listEntries().size(), 3) << "the table keeps its games until the next refresh";

    // The size waits for a pause, or for the close.
    session->preferences().rememberWindowSize(900, 640);
    EXPECT_EQ(stored("Main", "Width"), QStringLiteral("<none>"));
    EXPECT_TRUE(session->preferences().flush());
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
    session->browse().select(1);
    session->launch().setDOSBoxCommandLine(QStringLiteral("-fullscreen"));
    session->launch().launchSelected(false);
    ASSERT_EQ(fake.shell.calls.size(), 1u);
    EXPECT_TRUE(fake.shell.calls[0].parameters.contains(QStringLiteral("-fullscreen")))
        << fake.shell.calls[0].parameters.toStdString();
    EXPECT_FALSE(session->launch().launchOptions(false).DOSBoxExit);

    session->launch().confirmDOSBoxOptions(true, true, QStringLiteral("-noconsole"));
    const LaunchOptions options = session->launch().launchOptions(true);
    EXPECT_TRUE(options.DOSBoxExit && options.UseSingleConfFolder && options.setup);
    EXPECT_EQ(options.CMDLine, QStringLiteral("-noconsole"));
    EXPECT_TRUE(readFile(lib.settingsFile()).contains("DOSBoxExit=1\r\nUseSingleConfFolder=1\r\nCMDLine=-noconsole\r\n"));
}

} // namespace

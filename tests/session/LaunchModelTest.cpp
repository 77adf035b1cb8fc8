#include "base/SettingsFile.h"
#include "session/BrowseModel.h"
#include "session/LaunchModel.h"
#include "session/LibraryModel.h"
#include "support/BrowseRig.h"
#include "support/Files.h"
#include "support/FourGames.h"
#include "support/LibraryBuilder.h"
#include "support/TestPlatform.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <memory>

namespace {

// The launch model over the browse model of the four games, its emulators read at start-up;
// the fake shell records what it was asked to start.
class LaunchModelTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(lib.isValid());
        addFourGames(lib);
        rig = std::make_unique<BrowseRig>(lib.root(), fake.random, fake.clock);
        launch = std::make_unique<LaunchModel>(fake.shell, rig->settings, *rig->browse);
        QObject::connect(launch.get(), &LaunchModel::message, [this](const QString &text) { rig->messages << text; });
        launch->load();
    }

    BrowseModel &browse() { return *rig->browse; }
    // The row of the table that holds the record of that name on that platform.
    int rowOf(const QString &name, const QString &platform) const
    {
        const GameTable &table = rig->library->table();
        for (int row = 1; row < table.rowCount(); ++row) {
            if (table.cell(table.column(QStringLiteral("Name")), row) == name &&
                table.cell(table.column(QStringLiteral("Platform")), row) == platform)
                return row;
        }
        return 0;
    }
    QString started(size_t call) const { return fake.shell.calls.at(call).parameters; }

    LibraryBuilder lib;
    TestPlatform fake;
    std::unique_ptr<BrowseRig> rig;
    std::unique_ptr<LaunchModel> launch;
};

TEST_F(LaunchModelTest, PlayStartsTheRowTheSelectionFoundAfterAFilter)
{
    browse().select(2);
    browse().applyFieldFilter(QStringLiteral("Platform"), QStringLiteral("Amiga"));
    browse().select(0);
    launch->launchSelected(false);
    ASSERT_EQ(fake.shell.calls.size(), 1u);
    EXPECT_EQ(fake.shell.calls.front().program, QStringLiteral("/usr/bin/dosbox"));
    EXPECT_TRUE(started(0).contains(QStringLiteral("amiga-comet.exe"))) << started(0).toStdString();
}

TEST_F(LaunchModelTest, AThumbnailStartsItsGameWhilePlayStillStartsTheGameOnShow)
{
    browse().select(1);
    ASSERT_EQ(browse().details().name, QStringLiteral("Blaster"));
    const int blasterRow = browse().selectedRow();
    const int aztecRow = rowOf(QStringLiteral("Aztec Tiles"), QStringLiteral("DOS"));
    ASSERT_GT(aztecRow, 0);

    launch->launchRow(aztecRow);
    EXPECT_EQ(browse().selectedRow(), blasterRow) << "the details still show Blaster";
    launch->launchSelected(false);
    ASSERT_EQ(fake.shell.calls.size(), 2u);
    EXPECT_TRUE(started(0).contains(QStringLiteral("dos-aztec.exe")));
    EXPECT_TRUE(started(1).contains(QStringLiteral("dos-blaster.exe"))) << started(1).toStdString();
}

// A double click on a platform of the details starts that platform's record, switching to it
// when the click before did not; a platform the game has no record for is told and starts
// nothing, not even the record still on show.
TEST_F(LaunchModelTest, APlatformStartsItsOwnRecordOrIsToldToHaveNone)
{
    browse().select(2); // Comet, on Amiga and DOS
    const QString shown = browse().details().platform;
    const QString other = shown == QStringLiteral("DOS") ? QStringLiteral("Amiga") : QStringLiteral("DOS");
    ASSERT_EQ(browse().selectedRow(), rowOf(QStringLiteral("Comet"), shown));

    launch->launchPlatform(other);
    ASSERT_EQ(fake.shell.calls.size(), 1u);
    EXPECT_TRUE(started(0).contains(other.toLower() + QStringLiteral("-comet.exe"))) << started(0).toStdString();
    EXPECT_EQ(browse().selectedRow(), rowOf(QStringLiteral("Comet"), other));
    launch->launchPlatform(other);
    ASSERT_EQ(fake.shell.calls.size(), 2u) << "the record on show starts again";
    EXPECT_EQ(started(1), started(0));

    launch->launchPlatform(QStringLiteral("C64"));
    EXPECT_EQ(fake.shell.calls.size(), 2u);
    EXPECT_EQ(rig->messages, QStringList{QStringLiteral("There is no record of \"Comet\" for C64 to start.")});
    EXPECT_EQ(browse().selectedRow(), rowOf(QStringLiteral("Comet"), other));
}

// Save goes through the settings file: what it wrote is listed at the next group change, and a
// file that cannot be written is told as any failed write of it is.
TEST_F(LaunchModelTest, ASavedEmulatorIsListedAndAFailedSaveIsTold)
{
    EmulatorEditForm form = launch->beginAddEmulator(QStringLiteral("Other"));
    ASSERT_EQ(form.index, 1);
    form.Nick = QStringLiteral("C64");
    ASSERT_TRUE(launch->saveEmulator(form));
    EXPECT_EQ(launch->listEmulatorGroup(QStringLiteral("Other")), QStringList{QStringLiteral("CustomEmu1")});
    EXPECT_EQ(launch->registry().customSlot(1).Nick, QStringLiteral("C64"));
    EXPECT_EQ(launch->beginAddEmulator(QStringLiteral("Other")).index, 2);
    EXPECT_FALSE(launch->saveEmulator(EmulatorEditForm{}));

    const qsizetype told = rig->messages.size();
    const QString settings = rig->settings.fileName();
    ASSERT_TRUE(QFile::remove(settings));
    ASSERT_TRUE(QDir().mkpath(settings));
    EXPECT_FALSE(launch->saveEmulator(form));
    ASSERT_EQ(rig->messages.size(), told + 1);
    EXPECT_TRUE(rig->messages.last().contains(QStringLiteral("PALLOX.ini"))) << rig->messages.last().toStdString();
}

// Launches read the command line the Global DOSBox panel shows now; the other options count once
// confirmed, and confirming writes all three.
TEST_F(LaunchModelTest, LaunchesUseTheDOSBoxOptions)
{
    browse().select(1);
    launch->setDOSBoxCommandLine(QStringLiteral("-fullscreen"));
    launch->launchSelected(false);
    ASSERT_EQ(fake.shell.calls.size(), 1u);
    EXPECT_TRUE(started(0).contains(QStringLiteral("-fullscreen"))) << started(0).toStdString();
    EXPECT_FALSE(launch->launchOptions(false).DOSBoxExit);

    launch->confirmDOSBoxOptions(true, true, QStringLiteral("-noconsole"));
    const LaunchOptions options = launch->launchOptions(true);
    EXPECT_TRUE(options.DOSBoxExit && options.UseSingleConfFolder && options.setup);
    EXPECT_EQ(options.CMDLine, QStringLiteral("-noconsole"));
    EXPECT_TRUE(readFile(lib.settingsFile()).contains("DOSBoxExit=1\r\nUseSingleConfFolder=1\r\nCMDLine=-noconsole\r\n"));
}

} // namespace

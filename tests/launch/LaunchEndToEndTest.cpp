#include "base/IniFile.h"
#include "launch/EmulatorRegistry.h"
#include "launch/Launcher.h"
#include "library/GameTable.h"
#include "platform/QtShell.h"
#include "support/QtPrinters.h"
#include "support/Files.h"
#include "support/RecordingProgram.h"
#include "support/TableHelpers.h"
#include "support/Utf8.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

const QStringList Header{u("Number"), u("Name"), u("Folder"), u("Subfolder"), u("Executable"),
                         u("Emulator"), u("DBConf/ScummID")};

// Real processes started through the real shell: stand-ins for DOSBox, ScummVM and a custom
// emulator record what they were given, in folders and with game data that would trip up a
// command interpreter.
TEST(LaunchEndToEnd, StandInEmulatorsReceiveExactArgumentsAndFolders)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString root = dir.path() + u("/Library ü/");
    const QString emu = dir.path() + u("/Emulators $(x)/");
    const QString out = dir.path() + u("/out/");
    ASSERT_TRUE(QDir().mkpath(out));
    ASSERT_TRUE(writeRecordingProgram(emu + u("dosbox"), out + u("dosbox.txt")));
    ASSERT_TRUE(writeRecordingProgram(emu + u("scummvm"), out + u("scummvm.txt")));
    ASSERT_TRUE(writeRecordingProgram(emu + u("my emu"), out + u("custom.txt")));

    const QString hostile = u("run \"it\"; `touch pwned` $(touch pwned2) é.bat");
    const QString gameFolder = root + u("Games/DOS/Odd Game");
    ASSERT_TRUE(writeFile(gameFolder + QLatin1Char('/') + hostile, "echo\r\n"));
    ASSERT_TRUE(writeFile(gameFolder + u("/GAME.CONF"), "[cpu]\r\n"));

    IniFile settings(dir.path() + u("/PALLOX.ini"));
    // Written as on Windows, with "\" separators.
    QString windowsEmu = emu;
    windowsEmu.replace(QLatin1Char('/'), QLatin1Char('\\'));
    ASSERT_TRUE(settings.writeString(u("Main"), u("DOSBoxPath"), windowsEmu + u("dosbox")));
    ASSERT_TRUE(settings.writeString(u("Main"), u("ScummVMPath"), emu + u("scummvm")));
    ASSERT_TRUE(settings.writeString(u("Main"), u("CustomEmuName1"), u("Mine")));
    ASSERT_TRUE(settings.writeString(u("Main"), u("CustomEmuNick1"), u("Mine")));
    ASSERT_TRUE(settings.writeString(u("Main"), u("CustomEmuPath1"), emu + u("my emu")));
    ASSERT_TRUE(settings.writeString(u("Main"), u("CustomEmuParams1"), u("--fast \"two words\"")));
    EmulatorRegistry registry;
    registry.loadBuiltIns(settings);
    registry.loadCustomSlots(settings);

    const GameTable table = tableOf(Header, {{u("1"), u("Odd"), u("dos"), u("odd game"), hostile, u("DOSBox"), u("game.conf")},
                                             {u("2"), u("Odd"), u("DOS"), u("Odd Game"), hostile, u("ScummVM"), u("odd; id")},
                                             {u("3"), u("Odd"), u("DOS"), u("Odd Game"), hostile, u("Mine"), QString()}});
    QStringList failures;
    QtShell shell([&failures](const Failure &failure) { failures.append(failure.message()); });
    Launcher launcher(shell);
    LaunchOptions options;
    options.DOSBoxExit = true;
    options.CMDLine = u("-c \"echo a b\"");
    for (int row = 1; row <= 3; ++row)
        launcher.LaunchGame(table, row, root, registry, options);

                EXPECT_TRUE(failures.isEmpty()) << failures.join(u("\n")).toStdString();

    const QString file = gameFolder + QLatin1Char('/') + hostile;
    EXPECT_EQ(waitForRecordedLines(out + u("dosbox.txt")),
              (QStringList{file, u("-exit"), u("-c"), u("echo a b"), u("-conf"), gameFolder + u("/GAME.CONF"),
                           canonical(QDir::currentPath())}));
    EXPECT_EQ(waitForRecordedLines(out + u("scummvm.txt")),
              (QStringList{u("-p") + gameFolder, u("odd;"), u("id"), canonical(QDir::currentPath())}));
    EXPECT_EQ(waitForRecordedLines(out + u("custom.txt")),
              (QStringList{u("--fast"), u("two words"), file, canonical(gameFolder)}));

    QDirIterator it(dir.path(), {u("pwned*")}, QDir::AllEntries, QDirIterator::Subdirectories);
    EXPECT_FALSE(it.hasNext()) << it.next().toStdString();
    QDirIterator inCurrent(QDir::currentPath(), {u("pwned*")}, QDir::AllEntries);
    EXPECT_FALSE(inCurrent.hasNext());
}

// A missing emulator is reported by the shell without blocking, and the launch goes on to the
// next program.
TEST(LaunchEndToEnd, MissingEmulatorIsReportedAndTheNextStillStarts)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString root = dir.path() + u("/");
    ASSERT_TRUE(writeRecordingProgram(root + u("nestopia"), root + u("custom.txt")));
    ASSERT_TRUE(writeFile(root + u("Games/NES/Mario/smb.nes"), "rom"));
    IniFile settings(root + u("PALLOX.ini"));
    ASSERT_TRUE(settings.writeString(u("Main"), u("Nintendo Entertainment SystemPath"), root + u("missing/nes")));
    ASSERT_TRUE(settings.writeString(u("Main"), u("CustomEmuName3"), u("Nestopia")));
    ASSERT_TRUE(settings.writeString(u("Main"), u("CustomEmuNick3"), u("NES")));
    ASSERT_TRUE(settings.writeString(u("Main"), u("CustomEmuPath3"), root + u("nestopia")));
    EmulatorRegistry registry;
    registry.loadBuiltIns(settings);
    registry.loadCustomSlots(settings);

    const GameTable table =
        tableOf(Header, {{u("1"), u("Mario"), u("NES"), u("Mario"), u("SMB.NES"), u("NES"), QString()}});
    QStringList failures;
    QtShell shell([&failures](const Failure &failure) { failures.append(failure.message()); });
    Launcher(shell).LaunchGame(table, 1, root, registry, {});

        ASSERT_EQ(failures.size(), 1);
    EXPECT_TRUE(failures[0].contains(u("missing/nes"))) << failures[0].toStdString();
    EXPECT_EQ(waitForRecordedLines(root + u("custom.txt")),
              (QStringList{root + u("Games/NES/Mario/smb.nes"), canonical(root + u("Games/NES/Mario"))}));
}

// An emulator whose program was never chosen is no program for the shell to look for: the user
// hears which emulator it is and where its program is set, and what else the game starts, starts.
TEST(LaunchEndToEnd, AnEmulatorWithoutAProgramIsNamedWithWhereToSetIt)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString root = dir.path() + u("/");
    ASSERT_TRUE(writeRecordingProgram(root + u("vice"), root + u("vice.txt")));
    ASSERT_TRUE(writeFile(root + u("Games/C64/Elite/elite.d64"), "disk"));
    IniFile settings(root + u("PALLOX.ini"));
    ASSERT_TRUE(settings.writeString(u("Main"), u("CustomEmuName2"), u("VICE")));
    ASSERT_TRUE(settings.writeString(u("Main"), u("CustomEmuNick2"), u("MESS")));
    ASSERT_TRUE(settings.writeString(u("Main"), u("CustomEmuPath2"), root + u("vice")));
    EmulatorRegistry registry;
    registry.loadBuiltIns(settings);
    registry.loadCustomSlots(settings);

    const GameTable table =
        tableOf(Header, {{u("1"), u("Elite"), u("C64"), u("Elite"), u("elite.d64"), u("MESS"), u("c64 -flop1")}});
    QStringList shellFailures;
    QtShell shell([&shellFailures](const Failure &failure) { shellFailures.append(failure.message()); });
    const std::vector<Failure> notStarted = Launcher(shell).LaunchGame(table, 1, root, registry, {});

    EXPECT_TRUE(shellFailures.isEmpty()) << shellFailures.join(u("\n")).toStdString();
    ASSERT_EQ(notStarted.size(), 1u);
    EXPECT_EQ(notStarted[0].message(), u("The emulator \"MESS\" has no program set: choose it on the Config tab "
                                         "under Emulator and Game Runner EXE Paths."));
    EXPECT_EQ(waitForRecordedLines(root + u("vice.txt")),
              (QStringList{root + u("Games/C64/Elite/elite.d64"), canonical(root + u("Games/C64/Elite"))}));
}

// The command the launcher builds, run by the real DOSBox: a batch file of the game's own
// writes a file into its drive C and DOSBox leaves by itself.
TEST(LaunchEndToEnd, RealDOSBoxRunsTheGameBatchFile)
{
    const QString dosbox = u("/usr/bin/dosbox");
    if (!QFileInfo(dosbox).isExecutable())
        GTEST_SKIP() << "no DOSBox installed";

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString root = dir.path() + u("/");
    const QString gameFolder = root + u("Games/DOS/Hello");
    ASSERT_TRUE(writeFile(gameFolder + u("/RUN.BAT"), "echo done > C:\\DONE.TXT\r\n"));
    ASSERT_TRUE(writeFile(gameFolder + u("/dosbox.conf"), "[cpu]\r\ncycles=max\r\n"));
    IniFile settings(root + u("PALLOX.ini"));
    ASSERT_TRUE(settings.writeString(u("Main"), u("DOSBoxPath"), dosbox));
    EmulatorRegistry registry;
    registry.loadBuiltIns(settings);

    const GameTable table =
        tableOf(Header, {{u("1"), u("Hello"), u("DOS"), u("Hello"), u("run.bat"), u("DOSBox"), u("dosbox.conf")}});
    LaunchOptions options;
    options.DOSBoxExit = true;

    // Started detached, DOSBox inherits our environment: no window, no sound, and its own
    // files go to a home folder of the test's.
    const QByteArray oldHome = qgetenv("HOME");
    const QByteArray oldVideo = qgetenv("SDL_VIDEODRIVER");
    const QByteArray oldAudio = qgetenv("SDL_AUDIODRIVER");
    ASSERT_TRUE(QDir().mkpath(root + u("home")));
    qputenv("HOME", QFile::encodeName(root + u("home")));
    qputenv("SDL_VIDEODRIVER", "dummy");
    qputenv("SDL_AUDIODRIVER", "dummy");
    QStringList failures;
    QtShell shell([&failures](const Failure &failure) { failures.append(failure.message()); });
    Launcher(shell).LaunchGame(table, 1, root, registry, options);
    const auto restore = [](const char *name, const QByteArray &value) {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    };
    restore("HOME", oldHome);
    restore("SDL_VIDEODRIVER", oldVideo);
    restore("SDL_AUDIODRIVER", oldAudio);

    EXPECT_TRUE(failures.isEmpty()) << failures.join(u("\n")).toStdString();
    // DOS writes upper-case names, but the host file system decides.
    QElapsedTimer timer;
    timer.start();
    QString done;
    while (done.isEmpty() && timer.elapsed() < 20000) {
        const QStringList found = QDir(gameFolder).entryList({u("done.txt")}, QDir::Files);
        if (!found.isEmpty() && QFileInfo(gameFolder + QLatin1Char('/') + found[0]).size() > 0)
            done = found[0];
        else
            QThread::msleep(100);
    }
    ASSERT_FALSE(done.isEmpty()) << "DOSBox did not run the batch file within 20 s";
    QFile file(gameFolder + QLatin1Char('/') + done);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("done"));
}

} // namespace

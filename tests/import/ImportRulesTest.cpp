#include "import/ImportText.h"
#include "import/ImportWriter.h"
#include "import/LaunchBoxImages.h"
#include "import/PlainFolderReader.h"
#include "import/SourcePaths.h"
#include "support/Files.h"
#include "support/QtPrinters.h"

#include <QStorageInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

TEST(ImportText, NamesFoldersAndYears)
{
    const std::pair<const char *, const char *> folders[] = {
        {"Ultima VII: The Black Gate", "Ultima VII_ The Black Gate"},
        {"AC/DC \\ <Live>?", "AC_DC _ _Live__"},
        {"Trailing dots...", "Trailing dots"},
        {"..", "_"},
        {"  ", "_"},
        {"Tab\there", "Tab_here"},
    };
    for (const auto &[name, folder] : folders)
        EXPECT_EQ(ImportText::folderName(QString::fromUtf8(name)), QString::fromUtf8(folder)) << name;
    EXPECT_LE(ImportText::folderName(QString(300, u'ä')).toUtf8().size(), 200);

    EXPECT_EQ(ImportText::cleanName(QStringLiteral("  Doom\nII \u0001 ")), QStringLiteral("Doom II"));
    EXPECT_EQ(ImportText::yearOf(QStringLiteral("19920101T000000")), QStringLiteral("1992"));
    EXPECT_EQ(ImportText::yearOf(QStringLiteral("1994-03-01T00:00:00-06:00")), QStringLiteral("1994"));
    EXPECT_EQ(ImportText::yearOf(QStringLiteral("12345")), QString());
    EXPECT_EQ(ImportText::yearOf(QStringLiteral("March 1994")), QString());

    const std::tuple<const char *, const char *, const char *> plain[] = {
        {"Lost_Vikings.(1993)", "Lost Vikings", "1993"},
        {"Doom (1993) Demo", "Doom (1993) Demo", ""},
        {"Quake (v1.06)", "Quake (v1 06)", ""},
        {"(1990)", "", "1990"},
    };
    for (const auto &[folder, name, year] : plain) {
        QString gotName, gotYear;
        PlainFolderReader::nameAndYear(QLatin1String(folder), &gotName, &gotYear);
        EXPECT_EQ(gotName, QLatin1String(name)) << folder;
        EXPECT_EQ(gotYear, QLatin1String(year)) << folder;
    }
}

TEST(ImportSourcePaths, WindowsPathsAreFoundBelowTheBaseFolderWithoutRegardToCase)
{
    QTemporaryDir work;
    const QString base = work.filePath(QStringLiteral("LaunchBox"));
    ASSERT_TRUE(writeFile(base + QStringLiteral("/Games/Ultima VII/U7.EXE")));
    ASSERT_TRUE(writeFile(base + QStringLiteral("/Games/Ultima VII/README.TXT")));
    ASSERT_TRUE(writeFile(base + QStringLiteral("/Games/Ultima VII/Readme.txt")));
    ASSERT_TRUE(writeFile(work.filePath(QStringLiteral("ROMs/SNES/Mario.sfc"))));
    SourcePaths paths(base);
    const std::pair<const char *, QString> cases[] = {
        {"games\\ultima vii\\u7.exe", base + QStringLiteral("/Games/Ultima VII/U7.EXE")},
        {"C:\\Users\\Someone\\LaunchBox\\Games\\Ultima VII\\U7.EXE", base + QStringLiteral("/Games/Ultima VII/U7.EXE")},
        {"E:/Collection/games/ULTIMA VII", base + QStringLiteral("/Games/Ultima VII")},
        {"..\\roms\\snes\\MARIO.SFC", work.filePath(QStringLiteral("ROMs/SNES/Mario.sfc"))},
        {"D:\\ROMs\\SNES\\Mario.sfc", work.filePath(QStringLiteral("ROMs/SNES/Mario.sfc"))},
        // The first of two names that differ in case alone, in listing order.
        {"Games\\Ultima VII\\readme.TXT", base + QStringLiteral("/Games/Ultima VII/README.TXT")},
        {"D:\\Games\\Gone\\GONE.EXE", QString()},
        // A lone name is not looked for wherever it might lie.
        {"C:\\U7.EXE", QString()},
        {"", QString()},
    };
    for (const auto &[written, found] : cases)
        EXPECT_EQ(paths.find(QString::fromUtf8(written)), found) << written;
}

TEST(ImportLaunchBoxImages, TheKindsOwnPicturesComeBeforeRegionFoldersAndTheLowestNumberFirst)
{
    QTemporaryDir images;
    const QString fronts = images.filePath(QStringLiteral("MS-DOS/Box - Front"));
    ASSERT_TRUE(writeFile(fronts + QStringLiteral("/Europe/Sam & Max Hit the Road-01.png"), "region"));
    ASSERT_TRUE(writeFile(fronts + QStringLiteral("/Sam & Max Hit the Road-03.png"), "own, third"));
    ASSERT_TRUE(writeFile(fronts + QStringLiteral("/Sam & Max Hit the Road-02.jpg"), "own, second"));
    ASSERT_TRUE(writeFile(fronts + QStringLiteral("/Sam & Max Hit the Road-01.txt"), "no picture"));
    ASSERT_TRUE(writeFile(images.filePath(QStringLiteral("MS-DOS/Box - Back/Europe/Sam _ Max - Hit the Road-01.png")),
                          "written another way"));
    SourcePaths paths;
    LaunchBoxImages pictures(paths, images.path());
    const auto found = pictures.find(QStringLiteral("Sam & Max Hit the Road"), QStringLiteral("MS-DOS"), QString());
    EXPECT_EQ(readFile(found[size_t(PictureKind::Front)]), QByteArray("own, second"));
    EXPECT_EQ(readFile(found[size_t(PictureKind::Back)]), QByteArray("written another way"));
    EXPECT_TRUE(found[size_t(PictureKind::Screen)].isEmpty());
}

// A move that fails half way puts back what it took, and the user's files are never removed with
// the half-made game.
TEST(ImportWriter, AMoveThatFailsHalfWayPutsTheFilesBack)
{
    QTemporaryDir library, source;
    QTemporaryDir elsewhere(QStringLiteral("/dev/shm/pallox-import-XXXXXX"));
    if (!elsewhere.isValid() || QStorageInfo(elsewhere.path()).device() == QStorageInfo(source.path()).device())
        GTEST_SKIP() << "needs a second file system at /dev/shm";
    ASSERT_TRUE(writeFile(source.filePath(QStringLiteral("Game/GAME.EXE")), "game"));
    ASSERT_TRUE(writeFile(source.filePath(QStringLiteral("Game/data/level.dat")), "level"));
    // Across file systems a pipe is copied, which it cannot be.
    const QString pipe = elsewhere.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);

    ImportGame game;
    game.entry[EntryField::Name] = QStringLiteral("Game");
    game.filesFolder = source.filePath(QStringLiteral("Game"));
    game.files << pipe;
    ImportWriter writer({library.path() + QLatin1Char('/'), QStringLiteral("Action"), FileMode::Move});
    ASSERT_TRUE(writer.begin());
    const Result<ImportWriter::Made> made = writer.write(game, QStringLiteral("Game"));
    ASSERT_FALSE(made);
    EXPECT_EQ(made.error().kind(), Failure::Kind::NotPlainFileOrFolder);
    EXPECT_EQ(readFile(source.filePath(QStringLiteral("Game/GAME.EXE"))), QByteArray("game"));
    EXPECT_EQ(readFile(source.filePath(QStringLiteral("Game/data/level.dat"))), QByteArray("level"));
    EXPECT_TRUE(QFileInfo(pipe).exists());
    EXPECT_FALSE(QFileInfo::exists(library.filePath(QStringLiteral("Games/Action/Game"))));
}

} // namespace

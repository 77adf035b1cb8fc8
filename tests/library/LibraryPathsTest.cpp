#include "library/GameTable.h"
#include "library/LibraryPaths.h"
#include "support/Files.h"
#include "support/TableHelpers.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

GameTable rowWith(const QString &folder, const QString &subfolder, const QString &iniFile)
{
    return tableOf({QStringLiteral("Number"), QStringLiteral("Name"), QStringLiteral("Folder"),
                    QStringLiteral("Subfolder"), QStringLiteral("IniFile")},
                   {{QString(), QString(), folder, subfolder, iniFile}});
}

TEST(LibraryPaths, SeparatorsFromLibraryDataBecomeOurs)
{
    struct Case
    {
        QString input;
        QString normalised;
    };
    const std::vector<Case> cases{
        {QStringLiteral("Games\\Adventure\\Monkey"), QStringLiteral("Games/Adventure/Monkey")},
        {QStringLiteral("/lib//Games///Action"), QStringLiteral("/lib/Games/Action")},
        {QStringLiteral("/lib/\\Games\\\\x\\"), QStringLiteral("/lib/Games/x/")},
        {QStringLiteral("plain"), QStringLiteral("plain")},
        {QString(), QString()},
    };
    for (const Case &c : cases)
        EXPECT_EQ(LibraryPaths::normalise(c.input), c.normalised) << c.input.toStdString();

    EXPECT_EQ(LibraryPaths::withTrailingSeparator(QString()), QString());
    EXPECT_EQ(LibraryPaths::withTrailingSeparator(QStringLiteral("/lib")), QStringLiteral("/lib/"));
    EXPECT_EQ(LibraryPaths::withTrailingSeparator(QStringLiteral("/lib/")), QStringLiteral("/lib/"));
    EXPECT_EQ(LibraryPaths::join(QStringLiteral("/lib/"), QStringLiteral("/x")), QStringLiteral("/lib/x"));
    EXPECT_EQ(LibraryPaths::join(QStringLiteral("/lib"), QStringLiteral("x\\y")), QStringLiteral("/lib/x/y"));
}

TEST(LibraryPaths, PathsOfARow)
{
    struct Case
    {
        const char *name;
        QString root;
        GameTable table;
        QString game;
        QString metadata;
        QString ini;
    };
    const std::vector<Case> cases{
        {"root with separator", QStringLiteral("/lib/"),
         rowWith(QStringLiteral("Adventure"), QStringLiteral("Monkey"), QStringLiteral("monkey.ini")),
         QStringLiteral("/lib/Games/Adventure/Monkey"), QStringLiteral("/lib/Games/Adventure/Monkey/Pallox"),
         QStringLiteral("/lib/Games/Adventure/Monkey/Pallox/IniFile/monkey.ini")},
        {"root without separator", QStringLiteral("/lib"),
         rowWith(QStringLiteral("Adventure"), QStringLiteral("Monkey"), QStringLiteral("monkey.ini")),
         QStringLiteral("/lib/Games/Adventure/Monkey"), QStringLiteral("/lib/Games/Adventure/Monkey/Pallox"),
         QStringLiteral("/lib/Games/Adventure/Monkey/Pallox/IniFile/monkey.ini")},
        {"empty game folder name", QStringLiteral("/lib/"),
         rowWith(QStringLiteral("Adventure"), QString(), QStringLiteral("a.ini")),
         QStringLiteral("/lib/Games/Adventure/"), QStringLiteral("/lib/Games/Adventure/Pallox"),
         QStringLiteral("/lib/Games/Adventure/Pallox/IniFile/a.ini")},
        {"cells written on Windows", QStringLiteral("/lib/"),
         rowWith(QStringLiteral("PC\\DOS"), QStringLiteral("Doom\\"), QStringLiteral("doom.ini")),
         QStringLiteral("/lib/Games/PC/DOS/Doom/"), QStringLiteral("/lib/Games/PC/DOS/Doom/Pallox"),
         QStringLiteral("/lib/Games/PC/DOS/Doom/Pallox/IniFile/doom.ini")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(LibraryPaths::gameFolder(c.root, c.table, 1), c.game);
        EXPECT_EQ(LibraryPaths::metadataFolder(c.root, c.table, 1), c.metadata);
        EXPECT_EQ(LibraryPaths::gameIniFile(c.root, c.table, 1), c.ini);
    }
    EXPECT_EQ(LibraryPaths::dataCacheFile(QStringLiteral("/lib/")), QStringLiteral("/lib/DataCache.txt"));
    EXPECT_EQ(LibraryPaths::gamesFolder(QStringLiteral("/lib/")), QStringLiteral("/lib/Games/"));
}

TEST(LibraryPaths, ResolveFindsNamesInAnyLetterCase)
{
    QTemporaryDir dir;
    const QString root = dir.path();
    QDir().mkpath(root + QStringLiteral("/Games/Twins/ABC"));
    QDir().mkpath(root + QStringLiteral("/Games/Twins/Abc"));
    ASSERT_TRUE(writeFile(root + QStringLiteral("/Games/Adventure/Monkey Island/Pallox/IniFile/Game.INI")));

    struct Case
    {
        const char *name;
        QString input;
        QString resolved;
    };
    const std::vector<Case> cases{
        {"exists as written", root + QStringLiteral("/Games/Adventure"), root + QStringLiteral("/Games/Adventure")},
        {"every component in another case",
         root + QStringLiteral("/games/ADVENTURE/monkey island/pallox/inifile/game.ini"),
         root + QStringLiteral("/Games/Adventure/Monkey Island/Pallox/IniFile/Game.INI")},
        {"backslashes from Windows", root + QStringLiteral("\\games\\adventure\\MONKEY ISLAND"),
         root + QStringLiteral("/Games/Adventure/Monkey Island")},
        {"trailing separator kept", root + QStringLiteral("/games/adventure/"),
         root + QStringLiteral("/Games/Adventure/")},
        {"first in listing order wins", root + QStringLiteral("/Games/Twins/abc"),
         root + QStringLiteral("/Games/Twins/ABC")},
        {"missing stays as written", root + QStringLiteral("/games/Nowhere/x.ini"),
         root + QStringLiteral("/games/Nowhere/x.ini")},
    };
    for (const Case &c : cases)
        EXPECT_EQ(LibraryPaths::resolve(c.input), c.resolved) << c.name;
}

TEST(LibraryPaths, ListingOrderIgnoresCaseAndBreaksTiesExactly)
{
    QStringList names{QStringLiteral("beta"), QStringLiteral("Alpha"), QStringLiteral("alpha"),
                      QStringLiteral("Gamma"), QStringLiteral("ALPHA")};
    LibraryPaths::sortAsListing(names);
    EXPECT_EQ(names, (QStringList{QStringLiteral("ALPHA"), QStringLiteral("Alpha"), QStringLiteral("alpha"),
                                  QStringLiteral("beta"), QStringLiteral("Gamma")}));
}

} // namespace

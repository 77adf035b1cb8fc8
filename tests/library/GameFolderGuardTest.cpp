#include "library/GameFolderGuard.h"
#include "support/Files.h"
#include "support/LibraryBuilder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString q(const char *text)
{
    return QString::fromUtf8(text);
}

// Only a game folder strictly inside its category folder passes, whatever its name, also when the
// category folder itself lives elsewhere behind a link.
TEST(GameFolderGuardTest, PassesGameFoldersAndRefusesEverythingElseWithTheReason)
{
    LibraryBuilder lib;
    QTemporaryDir elsewhere;
    ASSERT_TRUE(lib.isValid() && elsewhere.isValid());
    const QString games = lib.path(q("Games/"));
    const QString adventure = games + q("Adventure/");
    lib.addGameFolder(q("Adventure"), q("Beta Two"));
    lib.addGameFolder(q("Adventure"), q("Wait..."));
    ASSERT_TRUE(QDir().mkpath(elsewhere.path() + q("/Far/Remote")));
    const struct
    {
        QString link;
        QString target;
    } links[] = {{games + q("Linked"), elsewhere.path() + q("/Far")},
                 {adventure + q("Escape"), elsewhere.path()},
                 {adventure + q("Itself"), adventure},
                 {adventure + q("Up"), games},
                 {adventure + q("Root"), lib.root()},
                 {adventure + q("Dangling"), adventure + q("Gone")}};
    for (const auto &link : links)
        ASSERT_TRUE(QFile::link(link.target, link.link)) << link.link.toStdString();
    ASSERT_TRUE(writeFile(adventure + q("Notes.txt"), "not a game"));
    const GameFolderGuard guard(lib.root());

    for (const char *name : {"Beta Two", "Wait..."})
        EXPECT_EQ(guard.check(q("Adventure"), q(name)).path, games + q("Adventure/") + q(name)) << name;
    // Cells written on Windows in another letter case still find the folder.
    EXPECT_EQ(guard.check(q("adventure"), q("BETA TWO")).path, games + q("Adventure/Beta Two"));
    EXPECT_TRUE(guard.check(q("Linked"), q("Remote")).allowed());

    const char *refused[][3] = {
        {"", "Beta Two", "Folder value is empty"},
        {"Adventure", "", "Subfolder value is empty"},
        {"..", "Games", "\"..\" does not name a folder"},
        {"Adventure", "..", "\"..\" does not name a folder"},
        {"Adventure", ".", "\".\" does not name a folder"},
        {"Adventure", "../Adventure", "holds a path separator"},
        {"Adventure/Beta Two", "Pallox", "holds a path separator"},
        {"Adventure", "Beta Two\\Pallox", "holds a path separator"},
        {"Adventure", "Escape", "outside the category folder"},
        {"Adventure", "Itself", "is the category folder"},
        {"Adventure", "Up", "outside the category folder"},
        {"Adventure", "Root", "outside the category folder"},
        {"Adventure", "Dangling", "leads nowhere"},
        {"Adventure", "Never There", "does not exist"},
        {"Nowhere", "Beta Two", "does not exist"},
        {"Adventure", "Notes.txt", "is not a folder"},
    };
    for (const auto &c : refused) {
        const GameFolderTarget target = guard.check(q(c[0]), q(c[1]));
        ASSERT_FALSE(target.allowed()) << c[0] << " | " << c[1];
        const QString refusal = target.verdict.error().message();
        EXPECT_TRUE(refusal.contains(q(c[2]))) << c[0] << " | " << c[1] << ": " << refusal.toStdString();
    }
    EXPECT_FALSE(GameFolderGuard(QString()).check(q("Adventure"), q("Beta Two")).allowed());
}

} // namespace

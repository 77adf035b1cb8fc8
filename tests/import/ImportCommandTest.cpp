#include "base/IniFile.h"
#include "import/ImportCommand.h"
#include "support/Files.h"
#include "support/QtPrinters.h"

#include "ImportFixture.h"

#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

namespace {

// The command as a script runs it: arguments in, printed lines and a status out.
class ImportCommandTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(work.isValid());
        root = work.filePath(QStringLiteral("library")) + QLatin1Char('/');
        ASSERT_TRUE(QDir().mkpath(root + QStringLiteral("Games")));
        writeImportSettings(work.filePath(QStringLiteral("PALLOX.ini")), root, {QStringLiteral("Action")});
        ASSERT_TRUE(writeFile(work.filePath(QStringLiteral("source/Lost_Vikings.(1993)/VIKINGS.EXE")), "v"));
        ASSERT_TRUE(writeFile(work.filePath(QStringLiteral("source/Two Programs/A.EXE")), "a"));
        ASSERT_TRUE(writeFile(work.filePath(QStringLiteral("source/Two Programs/B.BAT")), "b"));
    }

    int run(QStringList arguments)
    {
        printed.clear();
        errors.clear();
        QTextStream out(&printed), err(&errors);
        arguments.prepend(QStringLiteral("pallox"));
        return ImportCommand::main(arguments, work.path(), out, err);
    }
    QStringList categories() const
    {
        return IniFile(work.filePath(QStringLiteral("PALLOX.ini"))).readSection(QStringLiteral("Subfolders"));
    }

    QTemporaryDir work;
    QString root;
    QString printed, errors;
};

TEST_F(ImportCommandTest, BadUsageIsStatusTwoWithTheUsage)
{
    EXPECT_TRUE(ImportCommand::requested({QStringLiteral("pallox"), QStringLiteral("--import=x")}));
    EXPECT_FALSE(ImportCommand::requested({QStringLiteral("pallox"), QStringLiteral("--library"), QStringLiteral("x")}));
    const QString source = work.filePath(QStringLiteral("source"));
    for (const QStringList &arguments :
         {QStringList{QStringLiteral("--import"), source},
          QStringList{QStringLiteral("--import"), source, QStringLiteral("--category"), QStringLiteral("Action"),
                      QStringLiteral("--copy"), QStringLiteral("--move")},
          QStringList{QStringLiteral("--import"), source, QStringLiteral("--category"), QStringLiteral("Action"),
                      QStringLiteral("--kind"), QStringLiteral("steam")},
          QStringList{QStringLiteral("--import"), source, QStringLiteral("--category"), QStringLiteral("Action"),
                      QStringLiteral("--fast")},
          QStringList{QStringLiteral("--import"), source, QStringLiteral("extra"), QStringLiteral("--category"),
                      QStringLiteral("Action")}}) {
        EXPECT_EQ(run(arguments), ImportCommand::BadUsage) << arguments.join(u' ').toStdString();
        EXPECT_TRUE(errors.contains(QLatin1String("Usage: pallox --import SOURCE"))) << errors.toStdString();
    }
}

TEST_F(ImportCommandTest, ADryRunPrintsThePreviewAndWritesNothing)
{
    EXPECT_EQ(run({QStringLiteral("--import"), work.filePath(QStringLiteral("source")), QStringLiteral("--category"),
                   QStringLiteral("Strategy"), QStringLiteral("--dry-run"), QStringLiteral("--platform"),
                   QStringLiteral("Amiga"), QStringLiteral("--emulator"), QString()}),
              ImportCommand::Succeeded)
        << errors.toStdString();
    EXPECT_EQ(printed.split(u'\n', Qt::SkipEmptyParts),
              (QStringList{QStringLiteral("[x] Lost Vikings (Amiga, 1993) -> Strategy/Lost Vikings: program VIKINGS.EXE"),
                           QStringLiteral("[x] Two Programs (Amiga) -> Strategy/Two Programs: program A.EXE"),
                           QStringLiteral("    several programs at the top of its folder (A.EXE, B.BAT): choose the "
                                          "one to start"),
                           QStringLiteral("2 games found: 2 to import, 0 imported before, 1 with a problem.")}));
    EXPECT_FALSE(QFileInfo::exists(root + QStringLiteral("Games/Strategy")));
    EXPECT_EQ(categories(), QStringList{QStringLiteral("Action")});
}

TEST_F(ImportCommandTest, ASourceThatCannotBeReadOrAGameThatCannotBeMadeIsStatusOne)
{
    EXPECT_EQ(run({QStringLiteral("--import"), work.filePath(QStringLiteral("nowhere.xml")), QStringLiteral("--category"),
                   QStringLiteral("Action")}),
              ImportCommand::Failed);
    EXPECT_TRUE(errors.startsWith(QLatin1String("The source \""))) << errors.toStdString();
    EXPECT_TRUE(printed.isEmpty());

    ASSERT_TRUE(writeFile(work.filePath(QStringLiteral("es/dos/gamelist.xml")),
                          "<gameList><game><path>./a.exe</path><name> </name></game>"
                          "<game><path>./b.exe</path><name>Bee</name></game></gameList>"));
    EXPECT_EQ(run({QStringLiteral("--import"), work.filePath(QStringLiteral("es/dos/gamelist.xml")),
                   QStringLiteral("--category"), QStringLiteral("Action"), QStringLiteral("--copy")}),
              ImportCommand::Failed);
    EXPECT_TRUE(printed.startsWith(QLatin1String("1 game was made in Action."))) << printed.toStdString();
    EXPECT_TRUE(printed.contains(QLatin1String("(no title): it has no title, so it cannot be made")));
    EXPECT_TRUE(QFileInfo(root + QStringLiteral("Games/Action/Bee/Pallox/IniFile/Bee.ini")).isFile());
}

} // namespace

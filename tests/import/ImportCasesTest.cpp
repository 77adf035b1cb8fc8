#include "base/IniFile.h"
#include "import/ImportCommand.h"
#include "support/QtPrinters.h"

#include "ImportFixture.h"

#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

namespace {

// One folder per case in tests/data/import: the source tree as another front-end or a collector
// left it, case.ini with what the import is asked, and the category folder it must make:
// expected/ with its files, links.txt with its links.
class ImportCaseTest : public ::testing::TestWithParam<const char *>
{
};

QStringList expectedLines(const QString &caseFolder)
{
    QStringList lines = treeLines(caseFolder + QStringLiteral("/expected"));
    QFile links(caseFolder + QStringLiteral("/links.txt"));
    if (links.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : links.readAll().split('\n')) {
            if (!line.isEmpty())
                lines << QString::fromUtf8(line);
        }
    }
    lines.sort();
    return lines;
}

TEST_P(ImportCaseTest, MakesTheExpectedGameFoldersAndLeavesTheSourceAsItWas)
{
    const QString caseFolder = QStringLiteral(PALLOX_TEST_DATA "/import/") + QLatin1String(GetParam());
    const IniFile asked(caseFolder + QStringLiteral("/case.ini"));
    const auto value = [&asked](const char *key) {
        return asked.readString(QStringLiteral("Import"), QLatin1String(key), QString());
    };
    QTemporaryDir work;
    ASSERT_TRUE(work.isValid());
    const QString source = work.filePath(QStringLiteral("source"));
    const QString root = work.filePath(QStringLiteral("library")) + QLatin1Char('/');
    ASSERT_TRUE(copyTree(caseFolder + QStringLiteral("/source"), source));
    ASSERT_TRUE(QDir().mkpath(root + QStringLiteral("Games")));
    if (QFileInfo(caseFolder + QStringLiteral("/library")).isDir()) {
        ASSERT_TRUE(copyTree(caseFolder + QStringLiteral("/library"), root));
    }
    const QString settings = work.filePath(QStringLiteral("PALLOX.ini"));
    writeImportSettings(settings, root, {QStringLiteral("Adventure"), QStringLiteral("Action")});
    const QStringList sourceBefore = treeLines(source);

    ImportCommand::Options options;
    options.source.path = source + QLatin1Char('/') + value("Source");
    if (!value("Platform").isEmpty()) {
        options.source.platform = value("Platform");
        options.source.emulator = value("Emulator");
    }
    options.category = value("Category");
    options.mode = value("Mode") == QLatin1String("copy") ? FileMode::Copy : FileMode::Link;
    QString printed, errors;
    QTextStream out(&printed), err(&errors);
    EXPECT_EQ(ImportCommand::run(options, FilePlaces(work.path()), out, err), ImportCommand::Succeeded)
        << printed.toStdString() << errors.toStdString();

    QStringList made = treeLines(root + QStringLiteral("Games/") + options.category, source);
    // What the library held before is not the import's.
    if (QFileInfo(caseFolder + QStringLiteral("/library")).isDir()) {
        const QStringList before = treeLines(caseFolder + QStringLiteral("/library/Games/") + options.category);
        for (const QString &line : before)
            made.removeOne(line);
    }
    EXPECT_EQ(made, expectedLines(caseFolder));
    EXPECT_EQ(treeLines(source), sourceBefore);
    // A new category is one the library reads from now on; the work folder is gone.
    EXPECT_TRUE(IniFile(settings).readSection(QStringLiteral("Subfolders")).contains(options.category));
    EXPECT_EQ(QDir(root + QStringLiteral("Games/") + options.category)
                  .entryList({QStringLiteral(".*")}, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList());
    EXPECT_TRUE(QFileInfo::exists(root + QStringLiteral("DataCache.txt")));
}

INSTANTIATE_TEST_SUITE_P(Sources, ImportCaseTest,
                         ::testing::Values("launchbox-layout", "es-de", "emulationstation", "plain-folders"),
                         [](const ::testing::TestParamInfo<const char *> &info) {
                             std::string name = info.param;
                             for (char &c : name)
                                 c = c == '-' ? '_' : c;
                             return name;
                         });

} // namespace

#include "base/SettingsFile.h"
#include "export/LaunchBoxExport.h"
#include "export/LaunchBoxText.h"
#include "import/ImportPreview.h"
#include "import/ImportRun.h"
#include "library/LibraryPaths.h"
#include "library/LibraryScanner.h"
#include "library/LibraryState.h"
#include "platform/QtClock.h"
#include "platform/QtFileOps.h"
#include "support/Files.h"
#include "support/QtPrinters.h"

#include "ImportFixture.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

LibraryState scanned(const QString &root, SettingsFile &settings)
{
    LibraryState state;
    state.LibraryRoot = root;
    state.lbDirList = settings.subfolders();
    state.StartupLoading = false;
    ScanObserver quiet;
    LoadGrid(state, settings, quiet);
    return state;
}

// The bytes of a file a row names below its metadata folder; empty when there is none.
QByteArray fileOf(const QString &root, const GameTable &table, int row, const char *subfolder, const char *field)
{
    const QString name = table.cell(QLatin1String(field), row);
    if (name.isEmpty())
        return QByteArray();
    return readFile(LibraryPaths::fileBelow(LibraryPaths::metadataFolder(root, table, row), QLatin1String(subfolder), name));
}

QString notesOf(const QString &root, const GameTable &table, int row)
{
    const QString about = table.cell(QStringLiteral("About"), row);
    if (about.isEmpty())
        return QString();
    return LaunchBoxText::readNotes(
               LibraryPaths::fileBelow(LibraryPaths::metadataFolder(root, table, row), QStringLiteral("About"), about))
        .value_or(QString());
}

// Everything of a game that the export writes, as it comes back: the fields, the notes, and the
// bytes of the manual, the extras and the pictures.
QStringList exportedFacts(const QString &root, const GameTable &table, int row)
{
    const auto cell = [&](const char *field) { return table.cell(QLatin1String(field), row); };
    QStringList facts{cell("Name"),
                      cell("Developer"),
                      cell("Publisher"),
                      cell("Platform"),
                      LaunchBoxText::genre(cell("Genre"), cell("SubGenre"), cell("SubGenre2")),
                      cell("Executable"),
                      notesOf(root, table, row),
                      QString::fromLatin1(fileOf(root, table, row, "Manual", "Manual").toHex())};
    for (const auto &[subfolder, field] : {std::pair{"Front", "Front01"}, std::pair{"Back", "Back01"},
                                           std::pair{"Screen", "Screen01"}, std::pair{"Title", "Title01"},
                                           std::pair{"Media", "Media01"}})
        facts << QString::fromLatin1(subfolder) + QLatin1Char(' ') +
                     QString::fromLatin1(fileOf(root, table, row, subfolder, field).toHex());
    for (int n = 1; n <= 7; ++n) {
        const QString caption = table.cell(QStringLiteral("Extra%1").arg(n), row);
        const QString link = table.cell(QStringLiteral("ExtraLink%1").arg(n), row);
        if (caption.isEmpty())
            continue;
        const QByteArray bytes =
            link.startsWith(QLatin1String("http"))
                ? link.toUtf8()
                : readFile(LibraryPaths::fileBelow(LibraryPaths::metadataFolder(root, table, row),
                                                   QStringLiteral("Extras"), link))
                      .toHex();
        facts << caption + QLatin1Char(' ') + QString::fromLatin1(bytes);
    }
    return facts;
}

TEST(ImportRoundTrip, TheSampleLibraryExportedToLaunchBoxComesBackWhole)
{
    QTemporaryDir work;
    ASSERT_TRUE(work.isValid());
    const QString original = work.filePath(QStringLiteral("original")) + QLatin1Char('/');
    const QString launchBox = work.filePath(QStringLiteral("LaunchBox"));
    const QString copy = work.filePath(QStringLiteral("copy")) + QLatin1Char('/');
    ASSERT_TRUE(copyTree(QStringLiteral(PALLOX_SAMPLE_DATA "/Games"), original + QStringLiteral("Games")));
    ASSERT_TRUE(QFile::copy(QStringLiteral(PALLOX_SAMPLE_DATA "/PALLOX.ini"), original + QStringLiteral("PALLOX.ini")));
    SettingsFile originalSettings(original + QStringLiteral("PALLOX.ini"));
    const LibraryState before = scanned(original, originalSettings);
    const GameTable &games = before.GridMain;
    ASSERT_GT(games.rowCount(), 10);

    const QString dataFile = launchBox + QStringLiteral("/LaunchBox.xml");
    ASSERT_TRUE(writeFile(dataFile, "<?xml version=\"1.0\" standalone=\"yes\"?>\n<LaunchBox>\n</LaunchBox>\n"));
    ASSERT_TRUE(QDir().mkpath(launchBox + QStringLiteral("/Images")));
    QtClock clock;
    QtFileOps fileOps;
    ASSERT_TRUE(LaunchBoxExport(games, original, clock, fileOps).run(dataFile));

    ASSERT_TRUE(QDir().mkpath(copy + QStringLiteral("Games")));
    writeImportSettings(copy + QStringLiteral("PALLOX.ini"), copy, {});
    SettingsFile copySettings(copy + QStringLiteral("PALLOX.ini"));
    const ImportTarget target{copy, QStringLiteral("Imported"), FileMode::Link};
    SourceRequest source;
    source.path = dataFile;
    Result<ImportPreview> preview = ImportPreview::build(source, target, copySettings.subfolders());
    ASSERT_TRUE(preview) << preview.error().message().toStdString();
    ASSERT_TRUE(ImportRun::prepareCategory(copySettings, copy, target.category));
    const ImportSummary summary = ImportRun::run(preview->rows, target);
    EXPECT_EQ(int(summary.made.size()), games.rowCount() - 1) << summary.lines(target.category).join(u'\n').toStdString();

    const LibraryState after = scanned(copy, copySettings);
    QStringList was, is;
    for (int row = 1; row < games.rowCount(); ++row)
        was << exportedFacts(original, games, row).join(QStringLiteral(" | "));
    for (int row = 1; row < after.GridMain.rowCount(); ++row)
        is << exportedFacts(copy, after.GridMain, row).join(QStringLiteral(" | "));
    was.sort();
    is.sort();
    EXPECT_EQ(is, was);

    // A second import of the same file knows every game and makes none.
    Result<ImportPreview> again = ImportPreview::build(source, target, copySettings.subfolders());
    ASSERT_TRUE(again);
    EXPECT_EQ(again->counts().alreadyImported, games.rowCount() - 1);
    EXPECT_TRUE(ImportRun::run(again->rows, target).made.empty());
}

} // namespace

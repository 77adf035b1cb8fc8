// What exporting a whole library into a large LaunchBox data file costs: reading and checking
// the file, the backup, one Game element with its extras per game, the notes read from disk, one
// image folder per game, and the atomic save. Pictures are left aside: copying them costs what
// the file system charges for copying files.

#include "BenchSize.h"
#include "LibraryGenerator.h"
#include "ProcessMemory.h"

#include "base/SettingsFile.h"
#include "export/LaunchBoxExport.h"
#include "library/LibraryPaths.h"
#include "library/LibraryScanner.h"
#include "library/LibraryState.h"
#include "platform/QtClock.h"
#include "platform/QtFileOps.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

namespace {

const int kGames = BenchSize::games(10000);
constexpr qint64 kDataFileBytes = 50LL * 1024 * 1024;

class QuietObserver : public ScanObserver
{
};

void removeTree(const QString &path)
{
    std::error_code ignored;
    std::filesystem::remove_all(QFile::encodeName(path).toStdString(), ignored);
}

// A data file as LaunchBox writes it after years of use: thousands of games of some fifty
// fields each, with notes.
QByteArray launchBoxDataFile(qint64 size)
{
    QByteArray file = "<?xml version=\"1.0\" standalone=\"yes\"?>\r\n<LaunchBox>\r\n";
    file.reserve(size + 4096);
    const char *const fields[] = {"ApplicationPath",
                                  "CommandLine",
                                  "Completed",
                                  "ConfigurationCommandLine",
                                  "ConfigurationPath",
                                  "DateAdded",
                                  "DateModified",
                                  "Developer",
                                  "DosBoxConfigurationPath",
                                  "Emulator",
                                  "Favorite",
                                  "ManualPath",
                                  "MusicPath",
                                  "Platform",
                                  "Publisher",
                                  "Rating",
                                  "ReleaseDate",
                                  "RootFolder",
                                  "ScummVMAspectCorrection",
                                  "ScummVMFullscreen",
                                  "ScummVMGameDataFolderPath",
                                  "ScummVMGameType",
                                  "SortTitle",
                                  "Source",
                                  "StarRating",
                                  "Status",
                                  "DatabaseID",
                                  "WikipediaURL",
                                  "VideoPath",
                                  "Hide",
                                  "Broken",
                                  "Genre",
                                  "MissingVideo",
                                  "MissingBoxFrontImage",
                                  "MissingScreenshotImage",
                                  "MissingClearLogoImage",
                                  "MissingBackgroundImage",
                                  "UseStartupScreen",
                                  "HideAllNonExclusiveFullscreenWindows",
                                  "StartupLoadDelay",
                                  "HideMouseCursorInGame",
                                  "DisableShutdownScreen",
                                  "AggressiveWindowHiding",
                                  "OverrideDefaultStartupScreenSettings",
                                  "UsePauseScreen",
                                  "Region",
                                  "PlayCount",
                                  "Portable"};
    for (int game = 0; file.size() < size; ++game) {
        const QByteArray number = QByteArray::number(game);
        file += "  <Game>\r\n    <ID>{" + QByteArray::number(0x10000000 + game, 16).toUpper() +
                "-1111-4111-9111-111111111111}</ID>\r\n    <Title>Existing Game " + number +
                " &amp; Friends</Title>\r\n";
        file +=
            "    <Notes>A game that was in the file before, with a note long enough to look like the ones "
            "people keep: where it came from, how it plays &lt;and&gt; what to watch for.</Notes>\r\n";
        for (const char *field : fields)
            file +=
                QByteArray("    <") + field + ">Value of " + field + ' ' + number + "</" + field + ">\r\n";
        file += "  </Game>\r\n";
    }
    file += "</LaunchBox>\r\n";
    return file;
}

struct ExportSetting
{
    QString folder;
    LibraryState library;
    QString libraryRoot;
    QString exportFolder;
    QByteArray original;

    ~ExportSetting()
    {
        if (!folder.isEmpty())
            removeTree(folder);
    }
};

// Made once per process: generating and scanning the library takes longer than the export.
ExportSetting *setting()
{
    static std::unique_ptr<ExportSetting> made = [] {
        auto s = std::make_unique<ExportSetting>();
        QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/pallox-export-bench-XXXXXX"));
        if (!dir.isValid())
            return std::unique_ptr<ExportSetting>();
        dir.setAutoRemove(false);
        s->folder = dir.path();
        s->libraryRoot = s->folder + QStringLiteral("/library/");
        s->exportFolder = s->folder + QStringLiteral("/LaunchBox/");
        if (!QDir().mkpath(s->libraryRoot) || !QDir().mkpath(s->exportFolder) ||
            !generateLibrary(s->libraryRoot, kGames, kGames / 40, 1987))
            return std::unique_ptr<ExportSetting>();
        SettingsFile settings(s->libraryRoot + QStringLiteral("PALLOX.ini"));
        QuietObserver observer;
        s->library.lbDirList = settings.subfolders();
        s->library.StartupLoading = false;
        LoadGrid(s->library, settings, observer);
        // Every game gets the note its record names.
        const GameTable &table = s->library.GridMain;
        const int about = table.column(QStringLiteral("About"));
        for (int row = 1; row < table.rowCount(); ++row) {
            const QString folder =
                LibraryPaths::metadataFolder(s->libraryRoot, table, row) + QStringLiteral("/About/");
            QDir().mkpath(folder);
            QFile note(folder + table.cell(about, row));
            if (note.open(QIODevice::WriteOnly))
                note.write(
                    "An invented game, written up in a few hard-wrapped lines\r\nthat run together in the "
                    "notes.\r\n\r\nA second paragraph.\r\n");
        }
        s->original = launchBoxDataFile(kDataFileBytes);
        return s;
    }();
    return made.get();
}

void BM_ExportToLaunchBox(benchmark::State &state)
{
    ExportSetting *s = setting();
    if (!s || s->library.GridMain.rowCount() != kGames + 1) {
        state.SkipWithError("could not generate the library");
        return;
    }
    const QString dataFile = s->exportFolder + QStringLiteral("LaunchBox.xml");
    const QString images = s->exportFolder + QStringLiteral("Images");
    QtClock clock;
    QtFileOps fileOps;

    const qint64 residentBefore = ProcessMemory::statusKilobytes("VmRSS:");
    ProcessMemory::resetPeak();
    qint64 written = 0;
    for (auto _ : state) {
        state.PauseTiming();
        // Each round starts from the user's file as it was, with no backup and an empty Images folder.
        removeTree(s->exportFolder);
        QDir().mkpath(images);
        QFile file(dataFile);
        if (!file.open(QIODevice::WriteOnly) || file.write(s->original) != s->original.size()) {
            state.SkipWithError("could not write the data file");
            break;
        }
        file.close();
        state.ResumeTiming();

        const Result<void> exported =
            LaunchBoxExport(s->library.GridMain, s->libraryRoot, clock, fileOps).run(dataFile);
        if (!exported) {
            state.SkipWithError(exported.error().message().toStdString().c_str());
            break;
        }
        written = QFileInfo(dataFile).size();
    }
    const qint64 peak = ProcessMemory::statusKilobytes("VmHWM:");
    state.SetItemsProcessed(state.iterations() * kGames);
    state.counters["file_before_MiB"] = static_cast<double>(s->original.size()) / (1024.0 * 1024.0);
    state.counters["file_after_MiB"] = static_cast<double>(written) / (1024.0 * 1024.0);
    state.counters["rss_before_MiB"] = static_cast<double>(residentBefore) / 1024.0;
    state.counters["peak_MiB"] = static_cast<double>(peak) / 1024.0;
    state.counters["export_peak_MiB"] = static_cast<double>(peak - residentBefore) / 1024.0;
}

} // namespace

BENCHMARK(BM_ExportToLaunchBox)->Iterations(3)->Unit(benchmark::kMillisecond);

// What a library on a share costs: the first scan, Refresh All and Reload Data against reading
// the same game ini files with the same number of reads in flight. scripts/share-bench.sh mounts
// a generated library behind pallox_slowshare, which makes every look-up, listing, open and read
// wait for a round trip, and runs this on it.
//
// The rounds alternate between what is compared, so that the load of other work on the machine
// falls on all alike, and the medians are reported.

#include "FirstStart.h"
#include "LibraryGenerator.h"

#include "base/SettingsFile.h"
#include "browse/DetailsContent.h"
#include "browse/PictureLoader.h"
#include "library/LibraryScanner.h"
#include "library/LibraryState.h"
#include "session/LibrarySession.h"
#include "session/LibraryModel.h"
#include "session/BrowseModel.h"
#include "ui/startup/QtPlatform.h"
#include "ui/main/DetailsPanel.h"
#include "ui/main/TfrmMain.h"
#include "support/ListEntries.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QListView>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <dirent.h>
#include <sys/resource.h>
#include <fcntl.h>
#include <strings.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <thread>
#include <vector>

namespace {

constexpr qint64 kGiveUpMs = 600000;

double median(std::vector<double> values)
{
    if (values.empty())
        return -1;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void printSeries(const QString &name, const std::vector<double> &values, const char *unit = "ms")
{
    std::printf("%-52s", qPrintable(name));
    for (double value : values)
        std::printf(" %8.1f", value);
    std::printf("   median %8.1f %s\n", median(values), unit);
    std::fflush(stdout);
}

// Processor time of this process, every thread, in milliseconds.
double processorMs()
{
    rusage usage = {};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval &t) {
        return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
    };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// The game folders of the library in walk order, as full paths.
std::vector<QByteArray> gameFolders(const QString &root, const QStringList &categories)
{
    std::vector<QByteArray> folders;
    for (const QString &category : categories) {
        const QString folder = root + QStringLiteral("Games/") + category;
        QStringList games;
        GetSubDirectories(folder, games);
        for (const QString &game : games)
            folders.push_back(QFile::encodeName(folder + QLatin1Char('/') + game));
    }
    return folders;
}

// Reads every ".ini" file of one game folder's metadata folder; returns the files read.
int readGameFolder(const QByteArray &folder, std::vector<char> &buffer)
{
    const int dirFd =
        ::open(QByteArray(folder + "/Pallox/IniFile").constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd < 0)
        return 0;
    DIR *dir = fdopendir(dirFd);
    if (!dir) {
        ::close(dirFd);
        return 0;
    }
    std::vector<std::string> names;
    while (const dirent *entry = readdir(dir)) {
        const size_t length = std::strlen(entry->d_name);
        if (length >= 4 && strcasecmp(entry->d_name + length - 4, ".ini") == 0)
            names.emplace_back(entry->d_name);
    }
    int files = 0;
    for (const std::string &name : names) {
        const int fd = openat(dirfd(dir), name.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            continue;
        while (::read(fd, buffer.data(), buffer.size()) > 0) {
        }
        ::close(fd);
        ++files;
    }
    closedir(dir);
    return files;
}

// The floor: list the category folders, then list and read every game folder's ini files,
// `inFlight` game folders at once, nothing parsed and nothing written. `limit` reads only the
// first game folders of the walk. Milliseconds, and the files read.
double referenceRead(const QString &root, const QStringList &categories, int inFlight, size_t limit,
                     int *filesRead)
{
    QElapsedTimer clock;
    clock.start();
    std::vector<QByteArray> folders = gameFolders(root, categories);
    if (limit > 0 && folders.size() > limit)
        folders.resize(limit);
    std::atomic<size_t> next{0};
    std::atomic<int> files{0};
    std::vector<std::thread> readers;
    for (int t = 0; t < inFlight; ++t) {
        readers.emplace_back([&] {
            std::vector<char> buffer(64 * 1024);
            for (size_t i = next++; i < folders.size(); i = next++)
                files += readGameFolder(folders[i], buffer);
        });
    }
    for (std::thread &reader : readers)
        reader.join();
    *filesRead = files;
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

class QuietObserver : public ScanObserver
{
};

// The scan as start-up runs it, in this process: until the data cache is written.
double timedScan(const QString &root, SettingsFile &settings, int inFlight, int *rows)
{
    LibraryState state;
    state.lbDirList = settings.subfolders();
    QuietObserver observer;
    ScanReading reading;
    reading.inFlight = inFlight;
    QElapsedTimer clock;
    clock.start();
    ScanLibrary(state, root, settings.fields(), observer, reading);
    const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    *rows = state.GridComplete.rowCount() - 1;
    return ms;
}

// The whole program's first start: from starting pallox until its data cache is in the folder
// beneath the share. That folder, not the share, is watched: a share's client may answer "no such
// file" from what it learnt a moment ago.
double timeFirstStart(const QString &exeFolder, const QByteArray &settings, const QString &sourceCache)
{
    return millisecondsUntilFileExists(exeFolder, settings, sourceCache, kGiveUpMs);
}

struct RefreshTimes
{
    std::vector<double> ms;
    std::vector<double> longestStallMs;
};

// Refresh All or Reload Data from the session, as the main window runs them; a 5 ms timer on
// this thread measures the longest stretch in which the window could not have painted.
bool timeRefresh(LibrarySession &session, bool deleteCache, RefreshTimes &times)
{
    double longestStall = 0;
    QElapsedTimer sinceTick;
    QTimer ticker;
    ticker.setInterval(5);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        longestStall = std::max(longestStall, static_cast<double>(sinceTick.nsecsElapsed()) / 1e6);
        sinceTick.restart();
    });
    QEventLoop loop;
    const QMetaObject::Connection done =
        QObject::connect(&session.library(), &LibraryModel::scanRunning, &loop, [&](bool running) {
            if (!running)
                loop.quit();
        });
    QElapsedTimer clock;
    clock.start();
    ticker.start();
    sinceTick.start();
    if (!session.library().refreshAll(deleteCache))
        return false;
    loop.exec();
    // The last stretch, from the last tick to the end, counts too.
    longestStall = std::max(longestStall, static_cast<double>(sinceTick.nsecsElapsed()) / 1e6);
    times.ms.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    times.longestStallMs.push_back(longestStall);
    QObject::disconnect(done);
    return true;
}

QByteArray settingsPointingAt(const QByteArray &settings, const QString &root)
{
    const QByteArray rootLine = "VADPath=" + QFile::encodeName(root) + "\r\n";
    QByteArray out;
    bool placed = false;
    for (QByteArray line : settings.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.startsWith("VADPath=")) {
            if (!placed)
                out += rootLine;
            placed = true;
            continue;
        }
        out += line + "\r\n";
        if (!placed && line.trimmed().compare("[Main]", Qt::CaseInsensitive) == 0) {
            out += rootLine;
            placed = true;
        }
    }
    return out;
}

struct SelectionTimes
{
    // How long the window's thread is held by the selection itself.
    std::vector<double> selection;
    // From the selection until its last picture is shown, and the longest the window's thread
    // was held on the way (handing over a picture and laying it out).
    std::vector<double> untilPictures;
    std::vector<double> longestHold;
    // The parts a selection once did on the window's thread, each timed alone after the
    // share's client has forgotten the game: the details (finding the picture files), the note
    // and the pictures.
    std::vector<double> details;
    std::vector<double> note;
    std::vector<double> pictures;
};

double msSince(const QElapsedTimer &clock)
{
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

// One selection after another in the main window on a library on the share, each after the
// share's client has forgotten what it learnt.
SelectionTimes timeSelections(const QString &sampleShare, const QString &sampleSource)
{
    QFile settingsFile(sampleSource + QStringLiteral("PALLOX.ini"));
    if (!settingsFile.open(QIODevice::ReadOnly))
        return {};
    QTemporaryDir exeFolder(QDir::tempPath() + QStringLiteral("/pallox-share-sample-XXXXXX"));
    QFile out(exeFolder.path() + QStringLiteral("/PALLOX.ini"));
    if (!out.open(QIODevice::WriteOnly) ||
        out.write(settingsPointingAt(settingsFile.readAll(), sampleShare)) < 0)
        return {};
    out.close();
    QtPlatform seams;
    const Platform platform = seams.platform();
    TfrmMain window(platform, exeFolder.path(), nullptr);
    window.resize(1280, 900);
    window.show();
    QCoreApplication::processEvents();
    QListView *list = window.findChild<QListView *>(QStringLiteral("lbMain"));
    const DetailsPanel *panel = window.findChild<DetailsPanel *>(QStringLiteral("panelDetails"));
    const LibrarySession &session = window.session();
    SelectionTimes times;
    for (int i = 0; list && panel && i < ListEntries::count(*list); ++i) {
        QThread::msleep(1100);
        QCoreApplication::processEvents();
        QElapsedTimer clock;
        clock.start();
        ListEntries::setCurrentRow(*list, i);
        times.selection.push_back(msSince(clock));
        double longest = times.selection.back();
        while (panel->findChild<PictureLoader *>()->pending() > 0 && clock.elapsed() < 10000) {
            // Timed without any waiting for events: only what holds the thread counts.
            QElapsedTimer hold;
            hold.start();
            QCoreApplication::processEvents();
            longest = std::max(longest, msSince(hold));
            QThread::usleep(200);
        }
        times.untilPictures.push_back(msSince(clock));
        times.longestHold.push_back(longest);

        const DetailsContent shown = session.browse().details();
        QThread::msleep(1100);
        clock.restart();
        const DetailsContent again = DetailsContent::forRow(session.library().table(), shown.row,
                                                            session.library().state().LibraryRoot, false);
        times.details.push_back(msSince(clock));
        clock.restart();
        DetailsContent::readNoteLines(again.notePath);
        times.note.push_back(msSince(clock));
        clock.restart();
        for (const QString &path : again.picturePaths) {
            if (!path.isEmpty())
                PictureLoader::read(path);
        }
        times.pictures.push_back(msSince(clock));
    }
    return times;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Times the scan of a library on a share."));
    parser.addHelpOption();
    const QCommandLineOption shareOption(
        QStringLiteral("share"), QStringLiteral("The library root on the share."), QStringLiteral("folder"));
    const QCommandLineOption sourceOption(QStringLiteral("source"),
                                          QStringLiteral("The same folder beneath the share."),
                                          QStringLiteral("folder"));
    const QCommandLineOption runsOption(QStringLiteral("runs"), QStringLiteral("Measured rounds."),
                                        QStringLiteral("count"), QStringLiteral("3"));
    const QCommandLineOption inFlightOption(
        QStringLiteral("in-flight"), QStringLiteral("Reads in flight to compare, separated by commas."),
        QStringLiteral("list"), QString::number(DefaultScanReadsInFlight));
    const QCommandLineOption serialOption(
        QStringLiteral("serial-games"),
        QStringLiteral("Game folders read one after another for the serial reference (0: none)."),
        QStringLiteral("count"), QStringLiteral("500"));
    const QCommandLineOption palloxOption(
        QStringLiteral("pallox"),
        QStringLiteral("The pallox executable for the first start (none: skipped)."), QStringLiteral("path"));
    const QCommandLineOption generateOption(
        QStringLiteral("generate"), QStringLiteral("Only generate a library of this many games in --source."),
        QStringLiteral("games"));
    const QCommandLineOption sampleOption(
        QStringLiteral("sample"),
        QStringLiteral("A library with pictures below --share and --source, for timing selections."),
        QStringLiteral("folder"));
    const QCommandLineOption noRefreshOption(QStringLiteral("no-refresh"),
                                             QStringLiteral("Leave out Refresh All and Reload Data."));
    const QCommandLineOption noScanOption(
        QStringLiteral("no-scan"),
        QStringLiteral("Leave out the scans and the reading they are set against."));
    parser.addOptions({shareOption, sourceOption, runsOption, inFlightOption, serialOption, palloxOption,
                       generateOption, sampleOption, noRefreshOption, noScanOption});
    parser.process(app);
    if (parser.isSet(generateOption)) {
        const int games = parser.value(generateOption).toInt();
        constexpr unsigned seed = 1987;
        return games >= 1 && parser.isSet(sourceOption) &&
                       generateLibrary(parser.value(sourceOption), games, std::max(10, games / 40), seed)
                   ? 0
                   : 1;
    }
    if (!parser.isSet(shareOption) || !parser.isSet(sourceOption)) {
        std::fprintf(stderr, "--share and --source are needed\n");
        return 2;
    }
    const QString share = QDir(parser.value(shareOption)).absolutePath() + QLatin1Char('/');
    const QString source = QDir(parser.value(sourceOption)).absolutePath() + QLatin1Char('/');
    const int runs = std::max(1, parser.value(runsOption).toInt());
    std::vector<int> windows;
    if (!parser.isSet(noScanOption)) {
        for (const QString &text : parser.value(inFlightOption).split(QLatin1Char(','), Qt::SkipEmptyParts))
            windows.push_back(std::max(1, text.toInt()));
    }

    QFile settingsFile(source + QStringLiteral("PALLOX.ini"));
    if (!settingsFile.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "no PALLOX.ini in %s\n", qPrintable(source));
        return 1;
    }
    const QByteArray settingsBytes = settingsPointingAt(settingsFile.readAll(), share);
    settingsFile.close();

    // The program's folder is local, as a user's install is; only the library is on the share.
    QTemporaryDir exeFolder(QDir::tempPath() + QStringLiteral("/pallox-share-exe-XXXXXX"));
    {
        QFile out(exeFolder.path() + QStringLiteral("/PALLOX.ini"));
        if (!out.open(QIODevice::WriteOnly) || out.write(settingsBytes) < 0)
            return 1;
    }
    SettingsFile settings(exeFolder.path() + QStringLiteral("/PALLOX.ini"));
    const QStringList categories = settings.subfolders();

    std::printf("Library on the share: %s\n", qPrintable(share));
    std::fflush(stdout);

    if (parser.value(serialOption).toInt() > 0) {
        const size_t limit = static_cast<size_t>(parser.value(serialOption).toInt());
        const size_t total = gameFolders(source, categories).size();
        int files = 0;
        const double ms = referenceRead(share, categories, 1, limit, &files);
        std::printf("Reading one game folder after another: %zu of %zu folders in %.1f ms; all of them would "
                    "take about %.1f s\n",
                    std::min(limit, total), total, ms, ms * static_cast<double>(total) /
                        static_cast<double>(std::min(limit, total)) / 1000.0);
        std::fflush(stdout);
    }

    // Every round measures everything once, so that the load of other work on the machine falls
    // on each alike.
    const bool firstStarts = parser.isSet(palloxOption);
    if (firstStarts &&
        !QFile::copy(parser.value(palloxOption), exeFolder.path() + QStringLiteral("/pallox"))) {
        std::fprintf(stderr, "could not copy %s\n", qPrintable(parser.value(palloxOption)));
        return 1;
    }
    const bool refreshes = !parser.isSet(noRefreshOption);
    QtPlatform desktop;
    LibrarySession session(desktop.platform(), exeFolder.path());
    if (refreshes) {
        session.startUp();
        session.browse().setSortField(QStringLiteral("Year"));
    }

    std::vector<std::vector<double>> reads(windows.size());
    std::vector<std::vector<double>> scans(windows.size());
    std::vector<std::vector<double>> readsCpu(windows.size());
    std::vector<std::vector<double>> scansCpu(windows.size());
    std::vector<double> starts;
    RefreshTimes refresh;
    RefreshTimes reload;
    int files = 0;
    int rows = 0;
    for (int round = 0; round < runs; ++round) {
        for (size_t w = 0; w < windows.size(); ++w) {
            // A share's client keeps names for a second; each measurement starts without them.
            QThread::msleep(1100);
            double cpu = processorMs();
            reads[w].push_back(referenceRead(share, categories, windows[w], 0, &files));
            readsCpu[w].push_back(processorMs() - cpu);
            QThread::msleep(1100);
            cpu = processorMs();
            scans[w].push_back(timedScan(share, settings, windows[w], &rows));
            scansCpu[w].push_back(processorMs() - cpu);
        }
        if (firstStarts) {
            QThread::msleep(1100);
            starts.push_back(
                timeFirstStart(exeFolder.path(), settingsBytes, source + QStringLiteral("DataCache.txt")));
        }
        if (refreshes) {
            QThread::msleep(1100);
            if (!timeRefresh(session, false, refresh))
                return 1;
            QThread::msleep(1100);
            if (!timeRefresh(session, true, reload))
                return 1;
        }
    }

    if (!windows.empty())
        std::printf("\n%d game ini files read, %d rows scanned\n", files, rows);
    for (size_t w = 0; w < windows.size(); ++w) {
        printSeries(QStringLiteral("Reading, %1 in flight").arg(windows[w]), reads[w]);
        printSeries(QStringLiteral("  processor time"), readsCpu[w]);
        printSeries(QStringLiteral("Scan until the cache is written, %1 in flight").arg(windows[w]),
                    scans[w]);
        printSeries(QStringLiteral("  processor time"), scansCpu[w]);
        std::printf("%-52s %.2f\n", "  ratio of the medians", median(scans[w]) / median(reads[w]));
    }
    if (firstStarts)
        printSeries(QStringLiteral("pallox started until its cache is written"), starts);
    if (refreshes) {
        std::printf("%d rows after the refreshes\n", session.library().table().rowCount() - 1);
        printSeries(QStringLiteral("Refresh All"), refresh.ms);
        printSeries(QStringLiteral("  longest stand-still of the window"), refresh.longestStallMs);
        printSeries(QStringLiteral("Reload Data"), reload.ms);
        printSeries(QStringLiteral("  longest stand-still of the window"), reload.longestStallMs);
    }

    if (parser.isSet(sampleOption)) {
        const QString sample = parser.value(sampleOption) + QLatin1Char('/');
        const SelectionTimes times = timeSelections(share + sample, source + sample);
        std::printf("\n");
        printSeries(QStringLiteral("One selection, the window's thread held"), times.selection);
        if (!times.selection.empty())
            std::printf("%-52s %.1f ms\n", "  the longest",
                        *std::max_element(times.selection.begin(), times.selection.end()));
        printSeries(QStringLiteral("  until its last picture is shown"), times.untilPictures);
        printSeries(QStringLiteral("  longest hold of the window on the way"), times.longestHold);
        printSeries(QStringLiteral("Alone: the details, finding the picture files"), times.details);
        printSeries(QStringLiteral("Alone: the note"), times.note);
        printSeries(QStringLiteral("Alone: the pictures, one after another"), times.pictures);
    }
    return 0;
}

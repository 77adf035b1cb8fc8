// What a user waits for on the first start of a large library: from starting pallox until the
// data cache is on disk, less what the same start costs on a library of one game, set against
// the cost of merely reading every game ini file with find, xargs and cat. The whole program
// runs, splash and all, so that everything the start-up scan pays for is counted, not only the
// scan that pallox_bench times in-process.
//
// The runs alternate (read, large library, one-game library) so that the load of other work on
// the machine falls on all three alike, and the medians are compared.

#include "FirstStart.h"
#include "LibraryGenerator.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <vector>

namespace {

constexpr unsigned kSeed = 1987;
// A start that has not written its cache by then is stuck, most likely behind a message box.
constexpr qint64 kGiveUpMs = 120000;

struct Library
{
    QString root;      // holds Games/ and, once pallox has scanned it, DataCache.txt
    QString exeFolder; // a copy of pallox and its PALLOX.ini, as a user's portable install
    QByteArray settings;
};

// One pallox under test (several, to compare a change with the build before it in one run).
struct Program
{
    QString executable;
    Library large;
    Library single;
    std::vector<double> largeStarts;
    std::vector<double> singleStarts;
};

bool copyTree(const QString &from, const QString &to)
{
    std::error_code error;
    std::filesystem::copy(QFile::encodeName(from).toStdString(), QFile::encodeName(to).toStdString(),
                          std::filesystem::copy_options::recursive, error);
    return !error;
}

bool generate(Library &library, const QString &folder, int games)
{
    library.root = folder;
    if (!generateLibrary(library.root, games, qMax(10, games / 40), kSeed))
        return false;
    QFile settings(library.root + QStringLiteral("/PALLOX.ini"));
    if (!settings.open(QIODevice::ReadOnly))
        return false;
    library.settings = settings.readAll();
    return true;
}

// pallox finds its settings beside its own executable, which Linux reports with symbolic links
// resolved; so each program and library gets a real copy of the program.
bool install(Library &library, const QString &exeFolder, const QString &pallox)
{
    library.exeFolder = exeFolder;
    if (!QDir().mkpath(exeFolder))
        return false;
    const QString skins = QStringLiteral(PALLOX_DATA_FOLDER "/Skins");
    if (QFileInfo(skins).isDir() && !copyTree(skins, exeFolder + QStringLiteral("/Skins")))
        return false;
    return QFile::copy(pallox, exeFolder + QStringLiteral("/pallox"));
}

// Milliseconds from starting pallox until its data cache exists, or -1. The cache is saved under
// another name and renamed, so a cache that exists is complete.
double timeFirstStart(const Library &library)
{
    return millisecondsUntilFileExists(library.exeFolder, library.settings,
                                       library.root + QStringLiteral("/DataCache.txt"), kGiveUpMs);
}

// The floor: the file system's cost of finding and reading every game ini file, in other
// processes just as pallox is one.
double timePlainRead(const Library &library)
{
    QProcess shell;
    shell.setWorkingDirectory(library.root);
    shell.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer clock;
    clock.start();
    shell.start(QStringLiteral("/bin/sh"),
                {QStringLiteral("-c"),
                 QStringLiteral("find Games -iname '*.ini' -print0 | xargs -0 cat > /dev/null")});
    if (!shell.waitForFinished(static_cast<int>(kGiveUpMs)) || shell.exitCode() != 0)
        return -1;
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void printSeries(const char *name, const std::vector<double> &values)
{
    std::printf("%-34s", name);
    for (double value : values)
        std::printf(" %8.1f", value);
    std::printf("   median %8.1f ms\n", median(values));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Times pallox's first start on a generated library."));
    parser.addHelpOption();
    const QCommandLineOption palloxOption(
        QStringLiteral("pallox"),
        QStringLiteral("A pallox executable to time; give it more than once to compare builds in one run."),
        QStringLiteral("path"));
    const QCommandLineOption gamesOption(QStringLiteral("games"),
                                         QStringLiteral("Games in the large library."),
                                         QStringLiteral("count"), QStringLiteral("10000"));
    const QCommandLineOption runsOption(QStringLiteral("runs"), QStringLiteral("Measured rounds."),
                                        QStringLiteral("count"), QStringLiteral("7"));
    const QCommandLineOption keepOption(
        QStringLiteral("keep"),
        QStringLiteral("Generate into this folder and leave it there (for profiling a start by hand)."),
        QStringLiteral("folder"));
    parser.addOptions({palloxOption, gamesOption, runsOption, keepOption});
    parser.process(app);

    QStringList executables = parser.values(palloxOption);
    if (executables.isEmpty())
        executables << QStringLiteral(PALLOX_EXECUTABLE);
    const int games = parser.value(gamesOption).toInt();
    const int runs = parser.value(runsOption).toInt();
    std::vector<Program> programs;
    for (const QString &executable : executables) {
        programs.emplace_back();
        programs.back().executable = QFileInfo(executable).absoluteFilePath();
        if (!QFileInfo(programs.back().executable).isExecutable()) {
            std::fprintf(stderr, "%s is not an executable\n", qPrintable(executable));
            return 2;
        }
    }
    if (games < 2 || runs < 1) {
        std::fprintf(stderr, "need at least 2 games and 1 run\n");
        return 2;
    }

    // std::filesystem removes ten thousand game folders far faster than QTemporaryDir does.
    struct Cleanup
    {
        QString folder;
        ~Cleanup()
        {
            std::error_code ignored;
            if (!folder.isEmpty())
                std::filesystem::remove_all(QFile::encodeName(folder).toStdString(), ignored);
        }
    } cleanup;
    QString work;
    if (parser.isSet(keepOption)) {
        work = QFileInfo(parser.value(keepOption)).absoluteFilePath();
        if (QFileInfo::exists(work)) {
            std::fprintf(stderr, "%s exists already\n", qPrintable(work));
            return 2;
        }
    } else {
        QTemporaryDir temporary(QDir::tempPath() + QStringLiteral("/pallox-first-scan-XXXXXX"));
        if (!temporary.isValid()) {
            std::fprintf(stderr, "could not make a temporary folder\n");
            return 1;
        }
        temporary.setAutoRemove(false);
        work = cleanup.folder = temporary.path();
    }

    std::printf("Generating libraries of %d games and of 1 game in %s ...\n", games, qPrintable(work));
    std::fflush(stdout);
    Library large;
    Library single;
    if (!generate(large, work + QStringLiteral("/large"), games) ||
        !generate(single, work + QStringLiteral("/single"), 1)) {
        std::fprintf(stderr, "could not generate the libraries\n");
        return 1;
    }
    for (size_t p = 0; p < programs.size(); ++p) {
        Program &program = programs[p];
        program.large = large;
        program.single = single;
        const QString folder = work + QStringLiteral("/program%1").arg(p + 1);
        if (!install(program.large, folder + QStringLiteral("/large"), program.executable) ||
            !install(program.single, folder + QStringLiteral("/single"), program.executable)) {
            std::fprintf(stderr, "could not copy %s\n", qPrintable(program.executable));
            return 1;
        }
    }

    std::vector<double> reads;
    // Round 0 warms the page cache and the dynamic loader and is not counted.
    for (int round = 0; round <= runs; ++round) {
        const double read = timePlainRead(large);
        if (read < 0) {
            std::fprintf(stderr, "round %d: find | xargs cat failed\n", round);
            return 1;
        }
        if (round > 0)
            reads.push_back(read);
        for (Program &program : programs) {
            const double largeStart = timeFirstStart(program.large);
            const double singleStart = timeFirstStart(program.single);
            if (largeStart < 0 || singleStart < 0) {
                std::fprintf(stderr, "round %d: %s did not write its data cache\n", round,
                             qPrintable(program.executable));
                return 1;
            }
            if (round > 0) {
                program.largeStarts.push_back(largeStart);
                program.singleStarts.push_back(singleStart);
            }
        }
    }

    std::printf("\n");
    printSeries("find | xargs cat (ms)", reads);
    for (const Program &program : programs) {
        std::vector<double> roundRatios;
        for (size_t i = 0; i < reads.size(); ++i)
            roundRatios.push_back((program.largeStarts[i] - program.singleStarts[i]) / reads[i]);
        const double scan = median(program.largeStarts) - median(program.singleStarts);
        std::printf("\n%s\n", qPrintable(program.executable));
        printSeries(qPrintable(QStringLiteral("pallox, %1 games (ms)").arg(games)), program.largeStarts);
        printSeries("pallox, 1 game (ms)", program.singleStarts);
        std::printf(
            "First scan: %.1f ms; plain reading: %.1f ms; ratio %.2f (median of the rounds' ratios %.2f)\n",
            scan, median(reads), scan / median(reads), median(roundRatios));
    }
    return 0;
}

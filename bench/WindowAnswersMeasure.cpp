// What the user of a large library waits for in the real program, timed from outside as a user
// would time it: pallox runs under an X server of our own on a generated library and is driven
// by keys; after each command two pings (see XSession.h) tell when its window answers again with
// the command done and painted. Beside the wall time, the time its window thread spent on a
// processor over the same stretch is read from the kernel (/proc/PID/task/PID/schedstat): that
// figure barely moves with other work on the machine, the wall time does. Memory is read from
// /proc/PID/status: resident after the start, and the peak of a refresh (VmHWM, reset before it
// through /proc/PID/clear_refs) with the resident size before and after it.
//
// In order: the first scan (rounds alternate plain reading of every game ini file and a start
// without a data cache, until the cache is written), starts from the cache, then in the last
// started program the sort orders, the Category menu, a letter group and a choice in it, "S&how
// All", a filter through the find panel, selections, Refresh All and Reload Data.

#include "LibraryGenerator.h"
#include "XSession.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <sys/prctl.h>
#include <sys/stat.h>

#include <csignal>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace {

constexpr unsigned kSeed = 1987;
constexpr int kAnswerMs = 60000;

double median(std::vector<double> values)
{
    if (values.empty())
        return -1;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double msSince(const QElapsedTimer &clock)
{
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

QByteArray readProc(qint64 pid, const char *file)
{
    QFile in(QStringLiteral("/proc/%1/%2").arg(pid).arg(QLatin1String(file)));
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

// Kilobytes of a line of /proc/PID/status such as "VmRSS:".
double statusMiB(qint64 pid, const char *field)
{
    for (const QByteArray &line : readProc(pid, "status").split('\n')) {
        if (line.startsWith(field))
            return line.mid(static_cast<qsizetype>(std::strlen(field))).trimmed().split(' ').value(0).toDouble() /
                   1024.0;
    }
    return -1;
}

// Milliseconds the process's first thread, the window's, has run on a processor.
double windowThreadCpuMs(qint64 pid)
{
    QFile in(QStringLiteral("/proc/%1/task/%1/schedstat").arg(pid));
    if (!in.open(QIODevice::ReadOnly))
        return -1;
    return in.readAll().split(' ').value(0).toDouble() / 1e6;
}

bool resetPeak(qint64 pid)
{
    QFile clear(QStringLiteral("/proc/%1/clear_refs").arg(pid));
    return clear.open(QIODevice::WriteOnly) && clear.write("5") == 1;
}

struct Timing
{
    std::vector<double> wall;
    std::vector<double> cpu;
};

std::map<std::string, Timing> timings;
std::vector<std::string> order;

void record(const std::string &what, double wall, double cpu)
{
    if (!timings.count(what))
        order.push_back(what);
    timings[what].wall.push_back(wall);
    timings[what].cpu.push_back(cpu);
    std::printf("  %-58s %9.1f ms  (window thread %7.1f ms)\n", what.c_str(), wall, cpu);
    std::fflush(stdout);
}

std::map<std::string, double> memory;

// --shots: a picture of the screen after every step, for a look when a step went astray.
QString shotsFolder;
QString shotsDisplay;
int shotNumber = 0;

void shoot(const std::string &what)
{
    if (shotsFolder.isEmpty())
        return;
    QProcess import;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), shotsDisplay);
    import.setProcessEnvironment(environment);
    QString name = QString::fromStdString(what);
    name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]+")), QStringLiteral("-"));
    import.start(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"),
                                            QStringLiteral("%1/%2-%3.png").arg(shotsFolder).arg(++shotNumber, 3, 10, QLatin1Char('0')).arg(name)});
    import.waitForFinished(20000);
}

void recordMemory(const std::string &what, double mib)
{
    memory[what] = mib;
    std::printf("  %-58s %9.0f MiB\n", what.c_str(), mib);
    std::fflush(stdout);
}

struct Install
{
    QString root;      // the library: Games/, DataCache.txt
    QString exeFolder; // pallox and its PALLOX.ini
    QByteArray settings;

    QString cache() const { return root + QStringLiteral("/DataCache.txt"); }

    bool writeSettings() const
    {
        QFile file(exeFolder + QStringLiteral("/PALLOX.ini"));
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(settings) == settings.size();
    }
};

class Program
{
public:
    Program(const Install &install, const XSession &x) : m_install(install)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DISPLAY"), x.displayName());
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        m_process.setProcessEnvironment(environment);
        m_process.setWorkingDirectory(install.exeFolder);
        m_process.setStandardOutputFile(QProcess::nullDevice());
        m_process.setStandardErrorFile(install.exeFolder + QStringLiteral("/stderr.txt"));
        // The program ends with us, however we end.
        m_process.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
    }
    ~Program() { stop(); }

    bool start()
    {
        m_install.writeSettings();
        m_clock.start();
        m_process.start(m_install.exeFolder + QStringLiteral("/pallox"), {});
        return m_process.waitForStarted();
    }
    void stop()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished();
        }
    }
    bool running() const { return m_process.state() == QProcess::Running; }
    qint64 pid() const { return m_process.processId(); }
    const QElapsedTimer &clock() const { return m_clock; }

private:
    const Install &m_install;
    QProcess m_process;
    QElapsedTimer m_clock;
};

double timePlainRead(const QString &root)
{
    QProcess shell;
    shell.setWorkingDirectory(root);
    shell.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer clock;
    clock.start();
    shell.start(QStringLiteral("/bin/sh"),
                {QStringLiteral("-c"), QStringLiteral("find Games -iname '*.ini' -print0 | xargs -0 cat > /dev/null")});
    if (!shell.waitForFinished(600000) || shell.exitCode() != 0)
        return -1;
    return msSince(clock);
}

// Which file lies at path, and since when: a new data cache may reuse the number of the one
// Reload Data deleted, never its modification time. Empty when there is none.
QByteArray stampOf(const QString &path)
{
    struct stat info;
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return QByteArray();
    return QByteArray::number(static_cast<qint64>(info.st_ino)) + ' ' +
           QByteArray::number(static_cast<qint64>(info.st_mtim.tv_sec)) + '.' +
           QByteArray::number(static_cast<qint64>(info.st_mtim.tv_nsec));
}

// Drives one running program.
class Driver
{
public:
    Driver(XSession &x, Program &program, XSession::Window window) : m_x(x), m_program(program), m_window(window) {}

    // Times from the moment `act` begins until the window has answered twice.
    bool timed(const std::string &what, const std::function<void()> &act)
    {
        const double cpuBefore = windowThreadCpuMs(m_program.pid());
        QElapsedTimer clock;
        clock.start();
        act();
        if (!m_x.settled(m_window, kAnswerMs)) {
            std::fprintf(stderr, "%s: the window did not answer\n", what.c_str());
            return false;
        }
        record(what, msSince(clock), windowThreadCpuMs(m_program.pid()) - cpuBefore);
        shoot(what);
        return true;
    }

    // A step that is not timed: the window has dealt with it before the next one starts. Menus
    // are given a moment to be mapped.
    bool step(const std::function<void()> &act, int restMs = 150)
    {
        act();
        const bool answered = m_x.settled(m_window, kAnswerMs);
        QThread::msleep(static_cast<unsigned long>(restMs));
        if (answered && m_x.settled(m_window, kAnswerMs)) {
            shoot("step");
            return true;
        }
        std::fprintf(stderr, "the window did not answer a step\n");
        return false;
    }

    // A menu of the menu bar opened by its Alt key, then an item by its key: the item timed.
    bool menuItem(const std::string &what, const char *menuKey, const char *itemKey)
    {
        return step([&] { m_x.key(menuKey, true); }) && timed(what, [&] { m_x.key(itemKey); });
    }

    // Until the data cache has been replaced and the window's thread has been still for a while:
    // the scan runs on a worker, and the window takes its tables in at the end.
    bool waitForRefresh(const std::string &what, const QByteArray &oldStamp, const QString &cache,
                        const QElapsedTimer &clock, double cpuBefore)
    {
        for (QByteArray stamp = stampOf(cache); stamp == oldStamp || stamp.isEmpty(); stamp = stampOf(cache)) {
            if (clock.elapsed() > 10 * 60000) {
                std::fprintf(stderr, "%s: the data cache was not written in ten minutes\n", what.c_str());
                return false;
            }
            if (!m_program.running()) {
                std::fprintf(stderr, "%s: the program ended\n", what.c_str());
                return false;
            }
            QThread::msleep(5);
        }
        // Still: half a second in which the thread never spent more than a fifth of a 20 ms
        // stretch on a processor (answering the pings themselves costs it a little).
        double lastCpu = windowThreadCpuMs(m_program.pid());
        QElapsedTimer still;
        still.start();
        double finished = msSince(clock);
        while (still.elapsed() < 500) {
            QThread::msleep(20);
            if (!m_x.settled(m_window, kAnswerMs))
                return false;
            const double cpu = windowThreadCpuMs(m_program.pid());
            if (cpu - lastCpu > 4) {
                still.restart();
                finished = msSince(clock);
            }
            lastCpu = cpu;
        }
        record(what, finished, lastCpu - cpuBefore);
        return true;
    }

    XSession &x() { return m_x; }
    XSession::Window window() const { return m_window; }

private:
    XSession &m_x;
    Program &m_program;
    XSession::Window m_window;
};

bool refresh(Driver &driver, Program &program, const Install &install, bool reload)
{
    XSession &x = driver.x();
    const char *name = reload ? "Reload Data" : "Refresh All";
    // A message box closed before leaves the keyboard nowhere.
    x.focus(driver.window());
    // The context menu of the Main tab comes up on the list by the menu key, Reload Data by the
    // File menu; the question "Are you sure?" is then answered with OK, its default button.
    if (!driver.step([&] { x.key(reload ? "f" : "Menu", reload); }))
        return false;
    x.markWindows();
    x.key("r");
    const XSession::Window question = x.waitForDialog(10000);
    if (!question) {
        std::fprintf(stderr, "%s: no question box came up\n", name);
        return false;
    }
    x.settled(driver.window(), kAnswerMs);
    QThread::msleep(200);
    x.focus(question);
    const double before = statusMiB(program.pid(), "VmRSS:");
    if (!resetPeak(program.pid()))
        std::fprintf(stderr, "cannot reset the peak of the process: the peak counts its whole life\n");
    const QByteArray stamp = stampOf(install.cache());
    const double cpuBefore = windowThreadCpuMs(program.pid());
    QElapsedTimer clock;
    clock.start();
    x.key("Return");
    if (!driver.waitForRefresh(std::string(name) + ", until the cache is written and the window still", stamp,
                               install.cache(), clock, cpuBefore))
        return false;
    QThread::msleep(2000);
    recordMemory(std::string(name) + ": resident before", before);
    recordMemory(std::string(name) + ": peak", statusMiB(program.pid(), "VmHWM:"));
    recordMemory(std::string(name) + ": resident 2 s after", statusMiB(program.pid(), "VmRSS:"));
    return true;
}

bool commands(Driver &driver, Program &program, const Install &install, int runs, bool findPanel)
{
    XSession &x = driver.x();
    x.focus(driver.window());
    for (int run = 0; run < runs; ++run) {
        if (!driver.menuItem("Sort By > Year", "s", "y") || !driver.menuItem("Sort By > Name", "s", "n"))
            return false;
    }
    for (int run = 0; run < runs; ++run) {
        // The Category menu, its Developer menu, the first letter group, and its first developer.
        if (!driver.timed("Category menu opened", [&] { x.key("c", true); }) ||
            !driver.timed("Category > Developer opened", [&] { x.key("d"); }) || !driver.step([&] { x.key("Down"); }) ||
            !driver.timed("Category > Developer > a letter group opened", [&] { x.key("Right"); }) ||
            !driver.step([&] { x.key("Down"); }) ||
            !driver.timed("Category > Developer > a developer chosen (filter)", [&] { x.key("Return"); }))
            return false;
        if (!driver.menuItem("Category > S&how All", "c", "h"))
            return false;
    }
    x.focus(driver.window());
    // From the first game on, so that every Down selects another one.
    if (!driver.step([&] { x.key("Home"); }))
        return false;
    for (int i = 0; i < 5 * runs; ++i) {
        if (!driver.timed("One selection (Down in the list)", [&] { x.key("Down"); }))
            return false;
    }
    if (findPanel) {
        // The find panel opens over the list: the field box and the value box are the next two
        // stops of the keyboard from the list. A value of the value box's list chosen by Enter
        // filters. (The free-text search needs a click on Go, whose place the keyboard cannot
        // reach; its benchmark in pallox_bench times it with the list painted.)
        if (!driver.step([&] { x.key("e", true); }) || !driver.step([&] { x.key("f"); }))
            return false;
        for (int run = 0; run < runs; ++run) {
            if (!driver.step([&] { x.key("Tab"); }) || !driver.step([&] { x.type(QStringLiteral("Genre")); }) ||
                !driver.step([&] { x.key("Tab"); }) || !driver.step([&] { x.type(QStringLiteral("Adventure")); }) ||
                !driver.timed("Find panel: Genre is Adventure, Enter (filter)", [&] { x.key("Return"); }) ||
                !driver.menuItem("Category > S&how All", "c", "h") ||
                // Back to the list, where the next round and the refreshes' context menu begin.
                !driver.step([&] { x.key("Tab", false, false, true); }) ||
                !driver.step([&] { x.key("Tab", false, false, true); }))
                return false;
        }
    }
    if (!refresh(driver, program, install, false) || !refresh(driver, program, install, true))
        return false;
    x.focus(driver.window());
    for (int run = 0; run < runs; ++run) {
        if (!driver.menuItem("Sort By > Year, after the refreshes", "s", "y") ||
            !driver.menuItem("Sort By > Name, after the refreshes", "s", "n"))
            return false;
    }
    return true;
}

bool copyTree(const QString &from, const QString &to)
{
    std::error_code error;
    std::filesystem::copy(QFile::encodeName(from).toStdString(), QFile::encodeName(to).toStdString(),
                          std::filesystem::copy_options::recursive, error);
    return !error;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Times what the user waits for in pallox on a generated library, from outside."));
    parser.addHelpOption();
    const QCommandLineOption palloxOption(QStringLiteral("pallox"), QStringLiteral("The pallox to time."),
                                          QStringLiteral("path"), QStringLiteral(PALLOX_EXECUTABLE));
    const QCommandLineOption gamesOption(QStringLiteral("games"), QStringLiteral("Games in the library."),
                                         QStringLiteral("count"), QStringLiteral("100000"));
    const QCommandLineOption runsOption(QStringLiteral("runs"), QStringLiteral("Rounds of each measurement."),
                                        QStringLiteral("count"), QStringLiteral("3"));
    const QCommandLineOption libraryOption(
        QStringLiteral("library"),
        QStringLiteral("Keep the generated library in this folder, or use the one generated there before."),
        QStringLiteral("folder"));
    const QCommandLineOption noScanOption(QStringLiteral("no-first-scan"),
                                          QStringLiteral("Leave out the first scan (a data cache must be there)."));
    const QCommandLineOption noSearchOption(QStringLiteral("no-find"),
                                            QStringLiteral("Leave out the find panel (it is reached by Tab)."));
    const QCommandLineOption shotsOption(QStringLiteral("shots"),
                                         QStringLiteral("A picture of the screen after every step, into this folder."),
                                         QStringLiteral("folder"));
    parser.addOptions({palloxOption, gamesOption, runsOption, libraryOption, noScanOption, noSearchOption, shotsOption});
    parser.process(app);

    const QString executable = QFileInfo(parser.value(palloxOption)).absoluteFilePath();
    const int games = parser.value(gamesOption).toInt();
    const int runs = std::max(1, parser.value(runsOption).toInt());
    if (!QFileInfo(executable).isExecutable() || games < 2) {
        std::fprintf(stderr, "need an executable pallox and at least 2 games\n");
        return 2;
    }

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
    if (parser.isSet(libraryOption)) {
        work = QFileInfo(parser.value(libraryOption)).absoluteFilePath();
    } else {
        QTemporaryDir temporary(QDir::tempPath() + QStringLiteral("/pallox-window-answers-XXXXXX"));
        if (!temporary.isValid())
            return 1;
        temporary.setAutoRemove(false);
        work = cleanup.folder = temporary.path();
    }

    Install install;
    install.root = work + QStringLiteral("/library");
    install.exeFolder = work + QStringLiteral("/program");
    if (!QFileInfo::exists(install.root + QStringLiteral("/Games"))) {
        std::printf("Generating a library of %d games in %s ...\n", games, qPrintable(install.root));
        std::fflush(stdout);
        if (!generateLibrary(install.root, games, std::max(10, games / 40), kSeed)) {
            std::fprintf(stderr, "could not generate the library\n");
            return 1;
        }
    } else {
        std::printf("Using the library in %s\n", qPrintable(install.root));
    }
    QFile generatedSettings(install.root + QStringLiteral("/PALLOX.ini"));
    if (!generatedSettings.open(QIODevice::ReadOnly))
        return 1;
    install.settings = generatedSettings.readAll();
    QDir().mkpath(install.exeFolder);
    QFile::remove(install.exeFolder + QStringLiteral("/pallox"));
    if (!QFile::copy(executable, install.exeFolder + QStringLiteral("/pallox")) ||
        (!QFileInfo::exists(install.exeFolder + QStringLiteral("/Skins")) &&
         !copyTree(QStringLiteral(PALLOX_DATA_FOLDER "/Skins"), install.exeFolder + QStringLiteral("/Skins")))) {
        std::fprintf(stderr, "could not install %s\n", qPrintable(executable));
        return 1;
    }

    XSession x(1600, 1000);
    if (!x.isRunning()) {
        std::fprintf(stderr, "%s\n", qPrintable(x.failure()));
        return 1;
    }
    if (parser.isSet(shotsOption)) {
        shotsFolder = QFileInfo(parser.value(shotsOption)).absoluteFilePath();
        shotsDisplay = x.displayName();
        QDir().mkpath(shotsFolder);
    }
    std::printf("X server %s; %d rounds; machine load %.2f\n", qPrintable(x.displayName()), runs,
                [] {
                    double load = 0;
                    getloadavg(&load, 1);
                    return load;
                }());

    if (!parser.isSet(noScanOption)) {
        std::printf("\nFirst scan (no data cache), against plain reading of every game ini file:\n");
        for (int round = 0; round <= runs; ++round) {
            const double read = timePlainRead(install.root);
            QFile::remove(install.cache());
            Program program(install, x);
            if (!program.start())
                return 1;
            double peak = -1;
            while (!QFileInfo::exists(install.cache())) {
                if (!program.running() || program.clock().elapsed() > 30 * 60000) {
                    std::fprintf(stderr, "the first scan did not write the data cache\n");
                    return 1;
                }
                peak = std::max(peak, statusMiB(program.pid(), "VmHWM:"));
                QThread::msleep(2);
            }
            const double scan = msSince(program.clock());
            peak = std::max(peak, statusMiB(program.pid(), "VmHWM:"));
            // Round 0 warms the page cache and is not counted.
            if (round == 0)
                continue;
            record("Plain reading (find | xargs cat)", read, 0);
            record("First scan until the data cache is written", scan, 0);
            memory["First scan: peak"] = std::max(memory["First scan: peak"], peak);
        }
        recordMemory("First scan: peak", memory["First scan: peak"]);
    }
    if (!QFileInfo::exists(install.cache())) {
        std::fprintf(stderr, "no data cache in %s\n", qPrintable(install.root));
        return 1;
    }

    std::printf("\nStart from the data cache until the window is shown with its first game and answers:\n");
    std::unique_ptr<Program> last;
    XSession::Window main = 0;
    for (int round = 0; round <= runs; ++round) {
        auto program = std::make_unique<Program>(install, x);
        if (!program->start())
            return 1;
        const XSession::Window window = x.waitForWindow(program->pid(), QStringLiteral("PALLOX"), kAnswerMs);
        if (!window || !x.settled(window, kAnswerMs)) {
            std::fprintf(stderr, "the main window did not come up\n");
            return 1;
        }
        const double started = msSince(program->clock());
        if (round == 0)
            continue; // warms the page cache
        record("Start from the cache", started, 0);
        QThread::msleep(2000);
        recordMemory("Resident 2 s after the start", statusMiB(program->pid(), "VmRSS:"));
        last = std::move(program);
        main = window;
    }

    std::printf("\nCommands in the last started program:\n");
    Driver driver(x, *last, main);
    if (!commands(driver, *last, install, runs, !parser.isSet(noSearchOption))) {
        std::fprintf(stderr, "a command did not finish; the program's standard error is in %s/stderr.txt\n",
                     qPrintable(install.exeFolder));
        return 1;
    }

    std::printf("\nMedians (%d games):\n", games);
    for (const std::string &what : order) {
        const Timing &t = timings[what];
        std::printf("result: %s | %.1f ms | window thread %.1f ms | %zu runs\n", what.c_str(), median(t.wall),
                    median(t.cpu), t.wall.size());
    }
    if (timings.count("First scan until the data cache is written")) {
        std::printf("result: First scan / plain reading | %.2f\n",
                    median(timings["First scan until the data cache is written"].wall) /
                        median(timings["Plain reading (find | xargs cat)"].wall));
    }
    for (const auto &[what, mib] : memory)
        std::printf("memory: %s | %.0f MiB\n", what.c_str(), mib);
    return 0;
}

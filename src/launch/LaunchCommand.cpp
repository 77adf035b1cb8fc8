#include "launch/LaunchCommand.h"

#include "launch/EmulatorRegistry.h"
#include "library/GameTable.h"
#include "library/LibraryPaths.h"
#include "platform/CommandLine.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString WindowsRow = QStringLiteral("Windows 3.1");

QString sep()
{
    return LibraryPaths::separator();
}

// A path from library data or the settings file: "\" is a separator, and a file whose letter
// case differs from the text is found anyway.
QString localPath(const QString &text)
{
    if (text.isEmpty())
        return text;
    return LibraryPaths::resolve(LibraryPaths::normalise(text));
}

// A working folder, without the separator the joins may leave at its end.
QString folderPath(const QString &text)
{
    QString path = localPath(text);
    while (path.size() > 1 && path.endsWith(LibraryPaths::separator()))
        path.chop(1);
    return path;
}

// The folder holding a program, where MAME and MESS look for their files. A bare name or an
// empty path has no folder of its own: the shell then uses our current folder.
QString programFolder(const QString &program)
{
    if (!program.contains(sep()))
        return QString();
    return QFileInfo(program).absolutePath();
}

// Text that is meant to be several arguments (a command-line option text, a configuration
// name, custom parameters) is split the way the program reading it would, and each piece is
// quoted again, so a stray quote in it cannot swallow the arguments that follow.
QString contained(const QString &text)
{
    QStringList pieces = splitCommandLine(text);
    for (QString &piece : pieces)
        piece = quoteArgument(piece);
    return pieces.join(QLatin1Char(' '));
}

QString joinArguments(const QStringList &parts)
{
    QStringList nonEmpty;
    for (const QString &part : parts) {
        if (!part.isEmpty())
            nonEmpty.append(part);
    }
    return nonEmpty.join(QLatin1Char(' '));
}

} // namespace

std::vector<StartRequest> LaunchCommand::LaunchGame(const GameTable &table, int row, const QString &libraryRoot,
                                                    const EmulatorRegistry &registry, const LaunchOptions &options)
{
    return LaunchCommand(table, libraryRoot, registry, options).run(row);
}

StartRequest LaunchCommand::ConfigureEmulator(const EmulatorRegistry &registry, const QString &path)
{
    return StartRequest{QString(), QLatin1Char('"') + registry.programPath(path) + QLatin1Char('"'), QString(),
                        QString()};
}

LaunchCommand::LaunchCommand(const GameTable &table, const QString &libraryRoot, const EmulatorRegistry &registry,
                             const LaunchOptions &options)
    : m_table(table), m_root(libraryRoot), m_registry(registry), m_options(options)
{
    const int dbConf = table.findColumn(QStringLiteral("DBConf"));
    m_confColumn = dbConf >= 0 ? dbConf : table.findColumn(QStringLiteral("DBConf/ScummID"));
    m_folderColumn = table.findColumn(QStringLiteral("Folder"));
    m_subfolderColumn = table.findColumn(QStringLiteral("Subfolder"));
    m_executableColumn = table.findColumn(QStringLiteral("Executable"));
    m_setupColumn = table.findColumn(QStringLiteral("Setup"));
    m_emulatorColumn = table.findColumn(QStringLiteral("Emulator"));
    m_customPathColumn = table.findColumn(QStringLiteral("CustomEmuPath"));
    m_nameColumn = table.findColumn(QStringLiteral("Name"));
}

QString LaunchCommand::cell(int column, int row) const
{
    // A missing column reads as empty: borrowing the first column would hand a game number to
    // an emulator as if it were a file name.
    return column < 0 ? QString() : m_table.cell(column, row);
}

QString LaunchCommand::emulator(int row) const
{
    return cell(m_emulatorColumn, row);
}

QString LaunchCommand::gamePath(int row) const
{
    return LibraryPaths::normalise(LibraryPaths::gamesFolder(m_root) + cell(m_folderColumn, row) + sep()
                                   + cell(m_subfolderColumn, row));
}

QString LaunchCommand::gameFile(int row, bool setupApplies) const
{
    const int column = setupApplies && m_options.setup ? m_setupColumn : m_executableColumn;
    return localPath(gamePath(row) + sep() + cell(column, row));
}

void LaunchCommand::add(const QString &verb, const QString &program, const QString &parameters,
                        const QString &folder, const QString &emulator)
{
    m_out.push_back(StartRequest{verb, program, parameters, folder, program.isEmpty() ? emulator : QString()});
}

QString LaunchCommand::builtInProgram(int builtIn) const
{
    return m_registry.programPath(m_registry.builtIn(builtIn).Path);
}

void LaunchCommand::addBuiltIn(int builtIn, const QString &parameters, const QString &folder)
{
    add(QString(), builtInProgram(builtIn), parameters, folder, m_registry.builtIn(builtIn).Name);
}

void LaunchCommand::addOwnEmulator(int row)
{
    const QString value = emulator(row);
    const QString G = folderPath(gamePath(row));
    const QString C = cell(m_confColumn, row);
    const QString Q = quoteArgument(gameFile(row, false));

    if (value == QLatin1String("DOSBox")) {
        const QString conf = m_options.UseSingleConfFolder
            ? localPath(LibraryPaths::withTrailingSeparator(m_root) + QStringLiteral("Conf") + sep() + C)
            : localPath(gamePath(row) + sep() + C);
        addBuiltIn(EmulatorRegistry::DOSBox,
                   joinArguments({quoteArgument(gameFile(row, true)),
                                  m_options.DOSBoxExit ? QStringLiteral("-exit") : QString(),
                                  contained(m_options.CMDLine), QStringLiteral("-conf"), quoteArgument(conf)}),
                   QString());
    } else if (value == QLatin1String("ScummVM")) {
        addBuiltIn(EmulatorRegistry::ScummVM, joinArguments({quoteArgument(QStringLiteral("-p") + G), contained(C)}),
                   QString());
    } else if (value == QLatin1String("Custom")) {
        add(QString(), m_registry.programPath(cell(m_customPathColumn, row)), Q, G);
    } else if (value == QLatin1String("MESS")) {
        // The library has always joined the game path and the file name without a separator,
        // so files are written "\game.rom" there; a plain name is joined as a path instead of
        // gluing it onto the folder name.
        const QString X = cell(m_executableColumn, row);
        QString file = localPath(gamePath(row) + X);
        if (!QFileInfo::exists(file)) {
            const QString joined = localPath(gamePath(row) + sep() + X);
            if (QFileInfo::exists(joined))
                file = joined;
        }
        const QString program = builtInProgram(EmulatorRegistry::MESS);
        add(QString(), program, joinArguments({contained(C), quoteArgument(file), QStringLiteral("-now")}),
            programFolder(program), m_registry.builtIn(EmulatorRegistry::MESS).Name);
    } else if (value == QLatin1String("MAME")) {
        const QString program = builtInProgram(EmulatorRegistry::MAME);
        add(QStringLiteral("open"), program, Q, programFolder(program), m_registry.builtIn(EmulatorRegistry::MAME).Name);
    } else if (value == QLatin1String("Mac")) {
        const QString folder = LibraryPaths::withTrailingSeparator(
            m_registry.programPath(m_registry.builtIn(EmulatorRegistry::Macintosh).Path));
#ifdef Q_OS_WIN
        const QString programName = QStringLiteral("BasiliskII.exe");
#else
        const QString programName = QStringLiteral("BasiliskII");
#endif
        const QString program = folder.isEmpty() ? programName : localPath(folder + programName);
        const QString prefs = localPath(folder + QStringLiteral("BasiliskII_prefs"));
        add(QStringLiteral("open"), program, quoteArgument(prefs), folderPath(folder));
    } else if (value == QLatin1String("Apple II")) {
        addBuiltIn(EmulatorRegistry::Apple2, QStringLiteral("-d1 ") + Q, G);
    } else {
        // The emulators that take the game file and run in the game's folder.
        static const int plain[] = {EmulatorRegistry::WindowsFrotz, EmulatorRegistry::Magnetic,
                                    EmulatorRegistry::NES,          EmulatorRegistry::SNES,
                                    EmulatorRegistry::Atari2600,    EmulatorRegistry::Atari5200,
                                    EmulatorRegistry::SMS,          EmulatorRegistry::N64};
        for (const int builtIn : plain) {
            if (value == QLatin1String(EmulatorRegistry::definitions()[size_t(builtIn)].launchValue))
                addBuiltIn(builtIn, Q, G);
        }
    }
}

void LaunchCommand::addRest(int row)
{
    const QString value = emulator(row);
    const QString G = folderPath(gamePath(row));
    const QString Q = quoteArgument(gameFile(row, false));

    if (value == QLatin1String("GBA"))
        addBuiltIn(EmulatorRegistry::GBA, Q, G);
    if (value.isEmpty())
        add(QString(), gameFile(row, true), QString(), G);
    if (value.isEmpty())
        return;
    for (int slot = 1; slot <= EmulatorRegistry::CustomSlotCount; ++slot) {
        const CustomEmulator &custom = m_registry.customSlot(slot);
        if (custom.Nick != value)
            continue;
        add(QString(), m_registry.programPath(custom.Path), joinArguments({contained(custom.Params), Q}), G,
            custom.Name);
    }
}

std::vector<StartRequest> LaunchCommand::run(int row)
{
    m_out.clear();
    if (row < 1 || row >= m_table.rowCount())
        return m_out;

    // The rows named "Windows 3.1", found once for the whole launch.
    std::vector<int> windowsRows;
    if (m_nameColumn >= 0) {
        for (int r = 1; r < m_table.rowCount(); ++r) {
            if (m_table.cell(m_nameColumn, r) == WindowsRow)
                windowsRows.push_back(r);
        }
    }

    // Each row starts at most once per launch: a Windows row that leads back to itself, or two
    // that lead to each other, would otherwise start programs without end. The walk keeps its
    // own stack, so a long chain of such rows cannot exhaust the call stack either.
    std::vector<bool> started(size_t(m_table.rowCount()), false);
    struct Frame
    {
        int row;
        size_t nextWindowsRow;
    };
    std::vector<Frame> stack;

    auto begin = [&](int r) {
        started[size_t(r)] = true;
        addOwnEmulator(r);
        if (emulator(r) == WindowsRow)
            stack.push_back(Frame{r, 0});
        else
            addRest(r);
    };

    begin(row);
    while (!stack.empty()) {
        Frame &top = stack.back();
        while (top.nextWindowsRow < windowsRows.size() && started[size_t(windowsRows[top.nextWindowsRow])])
            ++top.nextWindowsRow;
        if (top.nextWindowsRow < windowsRows.size()) {
            const int next = windowsRows[top.nextWindowsRow++];
            begin(next); // may push, which moves `top`; it is not used after this
        } else {
            const int finished = top.row;
            stack.pop_back();
            addRest(finished);
        }
    }
    return m_out;
}

#pragma once

#include <QString>

#include <utility>
#include <vector>

class EmulatorRegistry;
class GameTable;

// One program for the shell to start: the same four values Shell::execute takes. `parameters`
// follows the Windows convention (blanks separate, double quotes group) and every path or
// text taken from library data is quoted so that it comes out as exactly the argument it was.
struct StartRequest
{
    StartRequest() = default;
    StartRequest(QString verb, QString program, QString parameters, QString workingFolder,
                 QString emulatorWithoutProgram = QString())
        : verb(std::move(verb)), program(std::move(program)), parameters(std::move(parameters)),
          workingFolder(std::move(workingFolder)), emulatorWithoutProgram(std::move(emulatorWithoutProgram))
    {
    }

    QString verb;
    QString program;
    QString parameters;
    QString workingFolder;
    // The emulator whose program the settings leave unset, by its name on the Config tab; such a
    // request cannot start, and the launcher says where the program is chosen. Empty otherwise.
    QString emulatorWithoutProgram;

    bool operator==(const StartRequest &other) const
    {
        return verb == other.verb && program == other.program && parameters == other.parameters
            && workingFolder == other.workingFolder && emulatorWithoutProgram == other.emulatorWithoutProgram;
    }
};

// What a launch reads besides the row and the registry. DOSBoxExit and UseSingleConfFolder are the
// values the options panel last confirmed; CMDLine is what its field holds right now, typed or not.
struct LaunchOptions
{
    bool DOSBoxExit = false;
    QString CMDLine;
    bool UseSingleConfFolder = false;
    // Start the game's set-up program instead of the game where the emulator allows it.
    bool setup = false;
};

// Turns one game row into the programs to start. Nothing is started here and nothing is
// written; the only outside look is at the file system, to find files whose letter case
// differs from what the library says.
class LaunchCommand
{
public:
    static std::vector<StartRequest> LaunchGame(const GameTable &table, int row, const QString &libraryRoot,
                                                const EmulatorRegistry &registry, const LaunchOptions &options);
    // An emulator started on its own, without a game, for the user to set it up in its own
    // window: Config on the settings panel, for any emulator but DOSBox, whose options are ours.
    static StartRequest ConfigureEmulator(const EmulatorRegistry &registry, const QString &path);

private:
    LaunchCommand(const GameTable &table, const QString &libraryRoot, const EmulatorRegistry &registry,
                  const LaunchOptions &options);

    std::vector<StartRequest> run(int row);
    QString cell(int column, int row) const;
    QString emulator(int row) const;
    // The game path as the library states it, before any letter-case lookup.
    QString gamePath(int row) const;
    // The executable, or the set-up program where the setup flag applies.
    QString gameFile(int row, bool setupApplies) const;
    QString builtInProgram(int builtIn) const;
    // `emulator` names the emulator whose setting gave the program, if one did.
    void add(const QString &verb, const QString &program, const QString &parameters, const QString &folder,
             const QString &emulator = QString());
    void addBuiltIn(int builtIn, const QString &parameters, const QString &folder);
    // The one emulator of the row's own value, if any.
    void addOwnEmulator(int row);
    // What still runs after the "Windows 3.1" rows were started: Gameboy Advance, the game file
    // itself, and every custom emulator whose nick is the value.
    void addRest(int row);

    const GameTable &m_table;
    QString m_root;
    const EmulatorRegistry &m_registry;
    const LaunchOptions &m_options;
    int m_confColumn = -1;
    int m_folderColumn = -1;
    int m_subfolderColumn = -1;
    int m_executableColumn = -1;
    int m_setupColumn = -1;
    int m_emulatorColumn = -1;
    int m_customPathColumn = -1;
    int m_nameColumn = -1;
    std::vector<StartRequest> m_out;
};

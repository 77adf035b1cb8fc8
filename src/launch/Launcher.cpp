#include "launch/Launcher.h"

#include "platform/Shell.h"

#include <algorithm>

Launcher::Launcher(Shell &shell) : m_shell(shell) {}

std::vector<Failure> Launcher::LaunchGame(const GameTable &table, int row, const QString &libraryRoot,
                                          const EmulatorRegistry &registry, const LaunchOptions &options)
{
    return start(LaunchCommand::LaunchGame(table, row, libraryRoot, registry, options));
}

std::vector<Failure> Launcher::start(const std::vector<StartRequest> &requests)
{
    std::vector<Failure> notStarted;
    for (const StartRequest &request : requests) {
        if (request.emulatorWithoutProgram.isEmpty()) {
            m_shell.execute(request.verb, request.program, request.parameters, request.workingFolder);
            continue;
        }
        const Failure failure = Failure(Failure::Kind::EmulatorProgramNotSet)
                                    .with(Failure::Fact::Emulator, request.emulatorWithoutProgram);
        if (std::find(notStarted.begin(), notStarted.end(), failure) == notStarted.end())
            notStarted.push_back(failure);
    }
    return notStarted;
}

#include "launch/Launcher.h"

#include "platform/Shell.h"

Launcher::Launcher(Shell &shell) : m_shell(shell) {}

void Launcher::LaunchGame(const GameTable &table, int row, const QString &libraryRoot,
                          const EmulatorRegistry &registry, const LaunchOptions &options)
{
    start(LaunchCommand::LaunchGame(table, row, libraryRoot, registry, options));
}

void Launcher::start(const std::vector<StartRequest> &requests)
{
    for (const StartRequest &request : requests)
        m_shell.execute(request.verb, request.program, request.parameters, request.workingFolder);
}

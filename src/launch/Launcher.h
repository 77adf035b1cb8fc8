#pragma once

#include "base/Failure.h"
#include "launch/LaunchCommand.h"

#include <QString>

#include <vector>

class EmulatorRegistry;
class GameTable;
class Shell;

// Starts a game: builds its start requests and hands each to the shell, in order. Whatever the
// shell makes of them (a program that is missing, one that fails) is the shell's to report; a
// request for an emulator whose program is not set never reaches it, and is told here, since
// only we know where that program is chosen.
class Launcher
{
public:
    explicit Launcher(Shell &shell);

    // The requests that could not be handed on, each once, for the caller to tell the user.
    std::vector<Failure> LaunchGame(const GameTable &table, int row, const QString &libraryRoot,
                                    const EmulatorRegistry &registry, const LaunchOptions &options);
    std::vector<Failure> start(const std::vector<StartRequest> &requests);

private:
    Shell &m_shell;
};

#pragma once

#include "launch/LaunchCommand.h"

#include <QString>

#include <vector>

class EmulatorRegistry;
class GameTable;
class Shell;

// Starts a game: builds its start requests and hands each to the shell, in order. Whatever the
// shell makes of them (a program that is missing, one that fails) is the shell's to report.
class Launcher
{
public:
    explicit Launcher(Shell &shell);

    void LaunchGame(const GameTable &table, int row, const QString &libraryRoot,
                    const EmulatorRegistry &registry, const LaunchOptions &options);
    void start(const std::vector<StartRequest> &requests);

private:
    Shell &m_shell;
};

#pragma once

#include <QString>
#include <QStringList>

// Which of our emulators starts a game that another front-end knew by its platform, system or
// emulator, and what our platform is called for an EmulationStation system. The values are the
// launch values a game record's Emulator field holds; an empty one opens the game's program
// directly.
namespace ImportEmulators {

// A LaunchBox game: the emulator its record names (by that emulator's title), its DOSBox and
// ScummVM flags, else its platform. Empty when none of them says.
QString forLaunchBox(const QString &emulatorTitle, bool useDosBox, bool useScummVM, const QString &platform);

struct System
{
    QString platform;
    QString emulator;
};
// An EmulationStation system folder ("dos", "snes"); an unknown system keeps its name as the
// platform and gets no emulator.
System forSystem(const QString &systemFolder);

// The launch values of the built-in emulators, for a choice made once for a whole import.
QStringList launchValues();

} // namespace ImportEmulators

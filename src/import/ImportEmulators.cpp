#include "import/ImportEmulators.h"

#include "launch/EmulatorRegistry.h"

#include <iterator>

namespace {

struct PlatformEmulator
{
    const char *platform;
    const char *emulator;
};

// LaunchBox's own platform names.
const PlatformEmulator kLaunchBoxPlatforms[] = {
    {"MS-DOS", "DOSBox"},
    {"ScummVM", "ScummVM"},
    {"Windows 3.X", "Windows 3.1"},
    {"Nintendo Entertainment System", "NES"},
    {"Super Nintendo Entertainment System", "SNES"},
    {"Nintendo 64", "N64"},
    {"Nintendo Game Boy Advance", "GBA"},
    {"Atari 2600", "2600"},
    {"Atari 5200", "5200"},
    {"Sega Master System", "SMS"},
    {"Arcade", "MAME"},
    {"Apple II", "Apple II"},
    {"Apple Mac OS", "Mac"},
};

// Words in the title a LaunchBox user gave an emulator. Front-ends that run everything (RetroArch
// and the like) say nothing about the game, so their games go by platform.
const PlatformEmulator kEmulatorTitles[] = {
    {"dosbox", "DOSBox"}, {"scummvm", "ScummVM"}, {"frotz", "WinFrotz"}, {"magnetic", "Magnetic"},
    {"mame", "MAME"},     {"mess", "MESS"},       {"basilisk", "Mac"},
};

struct SystemEntry
{
    const char *folder;
    const char *platform;
    const char *emulator;
};

// EmulationStation's and ES-DE's system folder names.
const SystemEntry kSystems[] = {
    {"dos", "DOS", "DOSBox"},
    {"pc", "DOS", "DOSBox"},
    {"scummvm", "ScummVM", "ScummVM"},
    {"amiga", "Amiga", ""},
    {"c64", "Commodore 64", ""},
    {"nes", "NES", "NES"},
    {"famicom", "NES", "NES"},
    {"snes", "SNES", "SNES"},
    {"sfc", "SNES", "SNES"},
    {"n64", "N64", "N64"},
    {"gba", "GBA", "GBA"},
    {"atari2600", "Atari 2600", "2600"},
    {"atari5200", "Atari 5200", "5200"},
    {"mastersystem", "Sega Master System", "SMS"},
    {"megadrive", "Sega Mega Drive", ""},
    {"genesis", "Sega Genesis", ""},
    {"arcade", "Arcade", "MAME"},
    {"mame", "Arcade", "MAME"},
    {"apple2", "Apple II", "Apple II"},
    {"macintosh", "Macintosh", "Mac"},
    {"windows3x", "Windows 3.1", "Windows 3.1"},
};

} // namespace

namespace ImportEmulators {

QString forLaunchBox(const QString &emulatorTitle, bool useDosBox, bool useScummVM, const QString &platform)
{
    if (useDosBox)
        return QStringLiteral("DOSBox");
    if (useScummVM)
        return QStringLiteral("ScummVM");
    for (const PlatformEmulator &entry : kEmulatorTitles) {
        if (emulatorTitle.contains(QLatin1String(entry.platform), Qt::CaseInsensitive))
            return QLatin1String(entry.emulator);
    }
    for (const PlatformEmulator &entry : kLaunchBoxPlatforms) {
        if (platform.compare(QLatin1String(entry.platform), Qt::CaseInsensitive) == 0)
            return QLatin1String(entry.emulator);
    }
    return QString();
}

System forSystem(const QString &systemFolder)
{
    for (const SystemEntry &entry : kSystems) {
        if (systemFolder.compare(QLatin1String(entry.folder), Qt::CaseInsensitive) == 0)
            return {QLatin1String(entry.platform), QLatin1String(entry.emulator)};
    }
    return {systemFolder, QString()};
}

QStringList launchValues()
{
    QStringList values;
    for (const BuiltInDefinition &definition : EmulatorRegistry::definitions())
        values << QLatin1String(definition.launchValue);
    return values;
}

} // namespace ImportEmulators

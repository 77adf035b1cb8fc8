#pragma once

#include "base/IniFile.h"

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

// The fixed facts of one built-in emulator. Settings keys are always formed from the key stem,
// never from the (user-changeable) Name; the launch value is what a game's Emulator field must
// hold for the launcher to use this emulator, whatever the nick says.
struct BuiltInDefinition
{
    const char *defaultName;
    const char *defaultNick;
    const char *tab;
    const char *keyStem;
    const char *nickKey;
    const char *launchValue;
};

// A built-in emulator as read from the settings file at start-up.
struct BuiltInEmulator
{
    QString Name;
    QString Nick;
    QString Tab;
    QString Path;
};

// One of the 99 user-defined slots. A slot is free while its Name is empty.
struct CustomEmulator
{
    QString Name;
    QString Nick;
    QString Path;
    QString Params;
    QString Tab;
};

// What the settings panel shows for one emulator, and which emulator that is, so that Edit and
// Save know whose keys they may write.
struct EmulatorDetails
{
    enum class Kind { None, BuiltIn, Custom };
    Kind kind = Kind::None;
    int index = -1; // built-in index (0..14) or custom slot number (1..99)
    QString Name;
    QString Nick;
    QString Path;
    QString Params;
};

// The contents of the edit panel, and what Save will write them to.
struct EmulatorEditForm
{
    enum class Target { Nothing, NewCustom, BuiltIn, Custom };
    Target target = Target::Nothing;
    int index = -1; // as in EmulatorDetails; the slot number for NewCustom
    QString Name;
    QString Nick;
    QString Path;
    QString Params;
    QString Group;
    bool nameEditable = true;
    bool paramsVisible = true;
};

// The built-in emulators, the custom slots and the in-memory global DOSBox options.
class EmulatorRegistry
{
public:
    enum BuiltIn {
        DOSBox, ScummVM, WindowsFrotz, Magnetic, NES, SNES, MAME, MESS, Atari2600, Atari5200,
        SMS, N64, GBA, Macintosh, Apple2, BuiltInCount
    };
    static constexpr int CustomSlotCount = 99;

    static const std::array<BuiltInDefinition, BuiltInCount> &definitions();
    // The groups in the order of their buttons on the settings panel.
    static QStringList groups();
    static QString section();
    static QString pathKey(int builtIn);
    static QString nameKey(int builtIn);
    static QString nickKey(int builtIn);
    static QString customKey(const char *stem, int slot);

    EmulatorRegistry();

    // Start-up: the built-in emulators are read once and then kept for the whole run.
    void loadBuiltIns(const IniFile &settings);
    // Every group change re-reads the slots, so the launcher sees the values read last.
    void loadCustomSlots(const IniFile &settings);

    // An emulator path from the settings file as the shell is to get it. We may have been started
    // from any folder, and the shell runs most emulators in the game's folder, so a relative path
    // counts from the settings folder. An empty path stays empty; a bare name stays bare, for the
    // search path, unless something of that name sits in the settings folder.
    QString programPath(const QString &path) const;

    const BuiltInEmulator &builtIn(int index) const { return m_builtIns[size_t(index)]; }
    // Slot numbers start at 1.
    const CustomEmulator &customSlot(int slot) const { return m_custom[size_t(slot - 1)]; }

    // The names a group lists: its built-in emulators in table order, each name once, then the
    // custom slots of the group in slot order, repeats and all.
    QStringList groupListing(const QString &group) const;

    // What the panel shows after a group was listed: `listText` is the first entry; built-in
    // paths are read now from `settings`.
    EmulatorDetails detailsAfterListing(const QString &listText, const IniFile &settings) const;
    // Details for a name chosen or typed in the list; kind None when nothing matches, in which
    // case the panel keeps what it showed.
    EmulatorDetails detailsForSelection(const QString &listText) const;

    // The lowest free slot, or 0 when all are taken.
    int firstFreeSlot() const;

    // Add: a form for the lowest free slot, or target Nothing when all slots are taken.
    EmulatorEditForm beginAdd(const QString &group) const;
    // Edit: a form for what the panel shows; target Nothing when it shows no emulator.
    EmulatorEditForm beginEdit(const EmulatorDetails &shown, const QString &group) const;
    // The keys Save writes for the form, in the order they are written; none for a form without
    // a target.
    static std::vector<IniFile::Edit> keysToSave(const EmulatorEditForm &form);

    // The global DOSBox options as the launcher uses them (not as the check box shows them).
    bool dosBoxExit() const { return m_dosBoxExit; }
    bool useSingleConfFolder() const { return m_useSingleConfFolder; }
    void setDOSBoxExit(bool on) { m_dosBoxExit = on; }
    void setUseSingleConfFolder(bool on) { m_useSingleConfFolder = on; }

private:
    void rememberSettingsFolder(const IniFile &settings);

    std::array<BuiltInEmulator, BuiltInCount> m_builtIns;
    std::vector<CustomEmulator> m_custom;
    bool m_dosBoxExit = false;
    bool m_useSingleConfFolder = false;
    // The folder of the settings file the emulators were last read from; empty until then.
    QString m_settingsFolder;
};

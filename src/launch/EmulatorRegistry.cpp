#include "launch/EmulatorRegistry.h"

#include "base/IniFile.h"
#include "library/LibraryPaths.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString text(const char *latin1)
{
    return QLatin1String(latin1);
}

} // namespace

const std::array<BuiltInDefinition, EmulatorRegistry::BuiltInCount> &EmulatorRegistry::definitions()
{
    // The order matters: start-up reads in it, groups list in it and the launcher tests in it.
    static const std::array<BuiltInDefinition, BuiltInCount> table{{
        {"DOSBox", "DOSBox", "PC", "DOSBox", "DOSBoxNick", "DOSBox"},
        {"ScummVM", "ScummVM", "PC", "ScummVM", "ScummVMNick", "ScummVM"},
        {"Windows Frotz", "WinFrotz", "PC", "Windows Frotz", "Windows FrotzNick", "WinFrotz"},
        {"Magnetic", "Magnetic", "PC", "Magnetic", "MagneticNick", "Magnetic"},
        {"Nintendo Entertainment System", "NES", "Nintendo", "Nintendo Entertainment System",
         "Nintendo Entertainment SystemNick", "NES"},
        {"Super Nintendo", "SNES", "Nintendo", "Super Nintendo", "Super NintendoNick", "SNES"},
        {"MAME", "MAME", "Arcade", "MAME", "MAMENick", "MAME"},
        // Existing settings files spell the MESS nick key with a "z"; it has to stay that way.
        {"MESS", "MESS", "Arcade", "MESS", "MESSzNick", "MESS"},
        {"Atari 2600", "2600", "Atari", "Atari 2600", "Atari 2600Nick", "2600"},
        {"Atari 5200", "5200", "Atari", "A5200", "A5200Nick", "5200"},
        {"Sega Master System", "SMS", "SEGA", "SMS", "SMSNick", "SMS"},
        {"Nintendo 64", "N64", "Nintendo", "N64", "N64Nick", "N64"},
        {"Gameboy Advance", "GBA", "Nintendo", "GBA", "GBANick", "GBA"},
        {"Macintosh", "MAC", "Apple", "Macintosh", "MacintoshNick", "Mac"},
        {"Apple II", "Apple2", "Apple", "Apple2", "Apple2Nick", "Apple II"},
    }};
    return table;
}

QStringList EmulatorRegistry::groups()
{
    return {QStringLiteral("PC"),     QStringLiteral("Nintendo"), QStringLiteral("Atari"),
            QStringLiteral("SEGA"),   QStringLiteral("Arcade"),   QStringLiteral("Apple"),
            QStringLiteral("Sony"),   QStringLiteral("Other")};
}

QString EmulatorRegistry::section()
{
    return QStringLiteral("Main");
}

QString EmulatorRegistry::pathKey(int builtIn)
{
    return text(definitions()[size_t(builtIn)].keyStem) + QStringLiteral("Path");
}

QString EmulatorRegistry::nameKey(int builtIn)
{
    return text(definitions()[size_t(builtIn)].keyStem) + QStringLiteral("Name");
}

QString EmulatorRegistry::nickKey(int builtIn)
{
    return text(definitions()[size_t(builtIn)].nickKey);
}

QString EmulatorRegistry::customKey(const char *stem, int slot)
{
    return text(stem) + QString::number(slot);
}

EmulatorRegistry::EmulatorRegistry() : m_custom(CustomSlotCount)
{
    for (int i = 0; i < BuiltInCount; ++i) {
        const BuiltInDefinition &d = definitions()[size_t(i)];
        m_builtIns[size_t(i)] = BuiltInEmulator{text(d.defaultName), text(d.defaultNick), text(d.tab), QString()};
    }
}

void EmulatorRegistry::rememberSettingsFolder(const IniFile &settings)
{
    // Settings parsed from bytes have no folder; their paths are taken as they are.
    if (!settings.fileName().isEmpty())
        m_settingsFolder = QFileInfo(settings.fileName()).absolutePath();
}

QString EmulatorRegistry::programPath(const QString &text) const
{
    QString path = LibraryPaths::normalise(text);
    if (!path.contains(LibraryPaths::separator())) {
        if (path.isEmpty() || m_settingsFolder.isEmpty())
            return path;
        const QString beside = LibraryPaths::resolve(LibraryPaths::join(m_settingsFolder, path));
        return QFileInfo::exists(beside) ? beside : path;
    }
    if (QDir::isRelativePath(path) && !m_settingsFolder.isEmpty())
        path = LibraryPaths::join(m_settingsFolder, path);
    return LibraryPaths::resolve(path);
}

void EmulatorRegistry::loadBuiltIns(const IniFile &settings)
{
    rememberSettingsFolder(settings);
    for (int i = 0; i < BuiltInCount; ++i) {
        const BuiltInDefinition &d = definitions()[size_t(i)];
        BuiltInEmulator &e = m_builtIns[size_t(i)];
        e.Path = settings.readString(section(), pathKey(i), QString());
        e.Nick = settings.readString(section(), nickKey(i), text(d.defaultNick));
        e.Name = settings.readString(section(), nameKey(i), text(d.defaultName));
        e.Tab = text(d.tab);
    }
}

void EmulatorRegistry::loadCustomSlots(const IniFile &settings)
{
    rememberSettingsFolder(settings);
    for (int slot = 1; slot <= CustomSlotCount; ++slot) {
        CustomEmulator &e = m_custom[size_t(slot - 1)];
        e.Path = settings.readString(section(), customKey("CustomEmuPath", slot), QString());
        e.Name = settings.readString(section(), customKey("CustomEmuName", slot), QString());
        e.Nick = settings.readString(section(), customKey("CustomEmuNick", slot), QString());
        e.Params = settings.readString(section(), customKey("CustomEmuParams", slot), QString());
        e.Tab = settings.readString(section(), customKey("CustomEmuTab", slot), QString());
    }
}

QStringList EmulatorRegistry::groupListing(const QString &group) const
{
    QStringList names;
    for (const BuiltInEmulator &e : m_builtIns) {
        // A built-in renamed like another of its group is one emulator to the list.
        if (e.Tab == group && !names.contains(e.Name))
            names.append(e.Name);
    }
    for (const CustomEmulator &e : m_custom) {
        if (e.Tab == group)
            names.append(e.Name);
    }
    return names;
}

EmulatorDetails EmulatorRegistry::detailsAfterListing(const QString &listText, const IniFile &settings) const
{
    EmulatorDetails shown;
    // An empty group shows nothing, even when a built-in was renamed to an empty name.
    if (listText.isEmpty())
        return shown;
    for (int i = 0; i < BuiltInCount; ++i) {
        const BuiltInEmulator &e = m_builtIns[size_t(i)];
        if (e.Name == listText) {
            shown.kind = EmulatorDetails::Kind::BuiltIn;
            shown.index = i;
            shown.Name = e.Name;
            shown.Nick = e.Nick;
            shown.Path = settings.readString(section(), pathKey(i), QString());
            return shown;
        }
    }
    for (int slot = 1; slot <= CustomSlotCount; ++slot) {
        const CustomEmulator &e = customSlot(slot);
        if (e.Name == listText) {
            shown = EmulatorDetails{EmulatorDetails::Kind::Custom, slot, e.Name, e.Nick, e.Path, e.Params};
        }
    }
    return shown;
}

EmulatorDetails EmulatorRegistry::detailsForSelection(const QString &listText) const
{
    EmulatorDetails shown;
    if (listText.isEmpty())
        return shown;
    for (int slot = 1; slot <= CustomSlotCount; ++slot) {
        const CustomEmulator &e = customSlot(slot);
        if (e.Name == listText)
            shown = EmulatorDetails{EmulatorDetails::Kind::Custom, slot, e.Name, e.Nick, e.Path, e.Params};
    }
    // A built-in of the same name hides a custom one: its own details are what the user sees.
    for (int i = 0; i < BuiltInCount; ++i) {
        const BuiltInEmulator &e = m_builtIns[size_t(i)];
        if (e.Name == listText)
            shown = EmulatorDetails{EmulatorDetails::Kind::BuiltIn, i, e.Name, e.Nick, e.Path, QString()};
    }
    return shown;
}

int EmulatorRegistry::firstFreeSlot() const
{
    for (int slot = 1; slot <= CustomSlotCount; ++slot) {
        if (customSlot(slot).Name.isEmpty())
            return slot;
    }
    return 0;
}

EmulatorEditForm EmulatorRegistry::beginAdd(const QString &group) const
{
    EmulatorEditForm form;
    const int slot = firstFreeSlot();
    if (slot == 0)
        return form;
    form.target = EmulatorEditForm::Target::NewCustom;
    form.index = slot;
    form.Name = QStringLiteral("CustomEmu") + QString::number(slot);
    form.Group = group;
    return form;
}

EmulatorEditForm EmulatorRegistry::beginEdit(const EmulatorDetails &shown, const QString &group) const
{
    EmulatorEditForm form;
    if (shown.kind == EmulatorDetails::Kind::None)
        return form;
    form.Name = shown.Name;
    form.Nick = shown.Nick;
    form.Path = shown.Path;
    form.Params = shown.Params;
    form.Group = group;
    form.index = shown.index;
    if (shown.kind == EmulatorDetails::Kind::BuiltIn) {
        form.target = EmulatorEditForm::Target::BuiltIn;
        form.nameEditable = false;
        form.paramsVisible = false;
    } else {
        form.target = EmulatorEditForm::Target::Custom;
    }
    return form;
}

std::vector<IniFile::Edit> EmulatorRegistry::keysToSave(const EmulatorEditForm &form)
{
    const QString s = section();
    switch (form.target) {
    case EmulatorEditForm::Target::Nothing:
        break;
    case EmulatorEditForm::Target::BuiltIn:
        if (form.index < 0 || form.index >= BuiltInCount)
            break;
        return {{s, nameKey(form.index), form.Name},
                {s, nickKey(form.index), form.Nick},
                {s, pathKey(form.index), form.Path}};
    case EmulatorEditForm::Target::NewCustom:
    case EmulatorEditForm::Target::Custom:
        if (form.index < 1 || form.index > CustomSlotCount)
            break;
        return {{s, customKey("CustomEmuName", form.index), form.Name},
                {s, customKey("CustomEmuNick", form.index), form.Nick},
                {s, customKey("CustomEmuPath", form.index), form.Path},
                {s, customKey("CustomEmuTab", form.index), form.Group},
                {s, customKey("CustomEmuParams", form.index), form.Params}};
    }
    return {};
}

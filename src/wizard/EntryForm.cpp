#include "wizard/EntryForm.h"

#include "wizard/EntryValueLists.h"

namespace EntryForm {

const std::array<Cell, EntryFieldCount> &cells()
{
    using F = EntryField;
    // Row 0 of the game column holds the list of games to load, which is no field.
    static const std::array<Cell, EntryFieldCount> table{{
        {F::Name, "Name:", 1, 0, false, ""},
        {F::Year, "Year:", 2, 0, false, ""},
        {F::Platform, "Platform:", 3, 0, true, ""},
        {F::Manual, "Manual:", 4, 0, false, ""},
        {F::Publisher, "Publisher:", 5, 0, true, ""},
        {F::Developer, "Developer:", 6, 0, true, ""},
        {F::Genre, "Genre:", 7, 0, true, ""},
        {F::Rating, "Rating:", 8, 0, true, ""},
        {F::SubGenre, "SubGenre:", 9, 0, true, ""},
        {F::SubGenre2, "SubGenre 2:", 10, 0, true, ""},
        {F::Designer, "Designer:", 11, 0, true, ""},
        {F::Designer2, "Designer 2:", 12, 0, true, ""},
        {F::Series, "Series:", 13, 0, true, ""},
        {F::Series2, "Series 2:", 14, 0, true, ""},
        {F::Executable, "Executable", 0, 2, false, ""},
        {F::DBScumm, "DBConf/Scumm", 1, 2, true, ""},
        {F::Emulator, "Emulator", 2, 2, true, ""},
        {F::Setup, "Setup Exe", 3, 2, false, ""},
        {F::CustomEmuPath, "Custom Emu Path", 4, 2, false, "Click to choose the emulator program"},
        {F::Front01, "Front", 5, 2, false, ""},
        {F::Back01, "Back", 6, 2, false, ""},
        {F::Media01, "Media", 7, 2, false, ""},
        {F::Title01, "Title", 8, 2, false, ""},
        {F::Screen01, "Screen", 9, 2, false, ""},
        {F::Adv01, "Advertisement", 10, 2, false, ""},
        {F::About, "About", 12, 2, false, ""},
        {F::Extra1, "E1", 1, 4, false, ""},
        {F::ExtraLink1, "ELink1", 2, 4, false, ""},
        {F::Extra2, "E2", 3, 4, false, ""},
        {F::ExtraLink2, "ELink2", 4, 4, false, ""},
        {F::Extra3, "E3", 5, 4, false, ""},
        {F::ExtraLink3, "ELink3", 6, 4, false, ""},
        {F::Extra4, "E4", 7, 4, false, ""},
        {F::ExtraLink4, "ELink4", 8, 4, false, ""},
        {F::Extra5, "E5", 9, 4, false, ""},
        {F::ExtraLink5, "ELink5", 10, 4, false, ""},
        {F::Extra6, "E6", 11, 4, false, ""},
        {F::ExtraLink6, "ELink6", 12, 4, false, ""},
        {F::Extra7, "E7", 13, 4, false, ""},
        {F::ExtraLink7, "ELink7", 14, 4, false, ""},
    }};
    return table;
}

QStringList itemsFor(EntryField field, const EntryValueLists &lists)
{
    switch (field) {
    case EntryField::DBScumm:
        return lists.dbScumm;
    case EntryField::Emulator:
        return lists.emulator;
    case EntryField::Publisher:
        return lists.publisher;
    case EntryField::Developer:
        return lists.developer;
    case EntryField::Genre:
        return lists.genre;
    case EntryField::SubGenre:
    case EntryField::SubGenre2:
        return lists.subGenre;
    case EntryField::Designer:
    case EntryField::Designer2:
        return lists.designer;
    case EntryField::Platform:
        return lists.platform;
    case EntryField::Series:
    case EntryField::Series2:
        return lists.series;
    case EntryField::Rating:
        return ratingItems();
    default:
        return {};
    }
}

QString emulatorHelp()
{
    return QStringLiteral("Valid Emu options for Emulator = DOSBox, ScummVM, WinFrotz, NES, SNES, N64, GBA, "
                          "2600, 5200, SMS, MAME, Mac, Apple II, Windows 3.1 or MESS.");
}

} // namespace EntryForm

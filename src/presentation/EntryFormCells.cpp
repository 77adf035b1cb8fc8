#include "presentation/EntryFormCells.h"

const std::array<EntryFormCells::Cell, EntryFieldCount> &EntryFormCells::cells()
{
    using F = EntryField;
    // Row 0 of the game column holds the list of games to load, which is no field.
    static const std::array<Cell, EntryFieldCount> table{{
        {F::Name, "eName", "Name:", 1, 0, false, ""},
        {F::Year, "eYear", "Year:", 2, 0, false, ""},
        {F::Platform, "ePlatform", "Platform:", 3, 0, true, ""},
        {F::Manual, "eManual", "Manual:", 4, 0, false, ""},
        {F::Publisher, "ePublisher", "Publisher:", 5, 0, true, ""},
        {F::Developer, "eDeveloper", "Developer:", 6, 0, true, ""},
        {F::Genre, "eGenre", "Genre:", 7, 0, true, ""},
        {F::Rating, "cbRating", "Rating:", 8, 0, true, ""},
        {F::SubGenre, "eSubGenre", "SubGenre:", 9, 0, true, ""},
        {F::SubGenre2, "eSubGenre2", "SubGenre 2:", 10, 0, true, ""},
        {F::Designer, "eDesigner", "Designer:", 11, 0, true, ""},
        {F::Designer2, "eDesigner2", "Designer 2:", 12, 0, true, ""},
        {F::Series, "eSeries", "Series:", 13, 0, true, ""},
        {F::Series2, "eSeries2", "Series 2:", 14, 0, true, ""},
        {F::Executable, "eExecutable", "Executable", 0, 2, false, ""},
        {F::DBScumm, "eDBScumm", "DBConf/Scumm", 1, 2, true, ""},
        {F::Emulator, "eEmulator", "Emulator", 2, 2, true, ""},
        {F::Setup, "eSetup", "Setup Exe", 3, 2, false, ""},
        {F::CustomEmuPath, "eCustomEmuPath", "Custom Emu Path", 4, 2, false,
         "Click to choose the emulator program"},
        {F::Front01, "eFront01", "Front", 5, 2, false, ""},
        {F::Back01, "eBack01", "Back", 6, 2, false, ""},
        {F::Media01, "eMedia01", "Media", 7, 2, false, ""},
        {F::Title01, "eTitle01", "Title", 8, 2, false, ""},
        {F::Screen01, "eScreen01", "Screen", 9, 2, false, ""},
        {F::Adv01, "eAdv01", "Advertisement", 10, 2, false, ""},
        {F::About, "eAbout", "About", 12, 2, false, ""},
        {F::Extra1, "eExtra1", "E1", 1, 4, false, ""},
        {F::ExtraLink1, "eExtraLink1", "ELink1", 2, 4, false, ""},
        {F::Extra2, "eExtra2", "E2", 3, 4, false, ""},
        {F::ExtraLink2, "eExtraLink2", "ELink2", 4, 4, false, ""},
        {F::Extra3, "eExtra3", "E3", 5, 4, false, ""},
        {F::ExtraLink3, "eExtraLink3", "ELink3", 6, 4, false, ""},
        {F::Extra4, "eExtra4", "E4", 7, 4, false, ""},
        {F::ExtraLink4, "eExtraLink4", "ELink4", 8, 4, false, ""},
        {F::Extra5, "eExtra5", "E5", 9, 4, false, ""},
        {F::ExtraLink5, "eExtraLink5", "ELink5", 10, 4, false, ""},
        {F::Extra6, "eExtra6", "E6", 11, 4, false, ""},
        {F::ExtraLink6, "eExtraLink6", "ELink6", 12, 4, false, ""},
        {F::Extra7, "eExtra7", "E7", 13, 4, false, ""},
        {F::ExtraLink7, "eExtraLink7", "ELink7", 14, 4, false, ""},
    }};
    return table;
}

#include "wizard/EntryForm.h"

#include "wizard/EntryValueLists.h"

namespace EntryForm {

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

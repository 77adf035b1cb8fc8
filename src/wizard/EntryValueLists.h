#pragma once

#include <QStringList>

class EmulatorRegistry;
class GameTable;

// The items of the entry helper's drop-down lists, built once from the game table and the
// emulator registry. Values that differ only in letter case are one item, spelled as first met;
// the lists of a pair (SubGenre and SubGenre2, and so on) hold the same items.
struct EntryValueLists
{
    QStringList loadGame; // every game's name in row order, repeats and empty names included
    QStringList dbScumm;
    QStringList emulator; // sorted without regard to letter case
    QStringList publisher;
    QStringList developer;
    QStringList genre;
    QStringList subGenre;  // for SubGenre and SubGenre2
    QStringList designer;  // for Designer and Designer2
    QStringList platform;
    QStringList series;    // for Series and Series2

    static EntryValueLists build(const GameTable &table, const EmulatorRegistry &emulators);
};

// The fixed items of the rating list.
QStringList ratingItems();

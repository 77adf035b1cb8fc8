#pragma once

#include <QString>

#include <array>
#include <cstddef>

// The fields of a game record that the entry helper edits, in the order a saved game ini file
// lists its keys.
enum class EntryField {
    Name, Year, Series, Series2, Platform, Manual, Publisher, Developer, Genre, SubGenre, SubGenre2,
    Designer, Designer2, Executable, DBScumm, Emulator, Setup, Front01, Back01, Media01, Screen01,
    Title01, Adv01,
    Extra1, ExtraLink1, Extra2, ExtraLink2, Extra3, ExtraLink3, Extra4, ExtraLink4, Extra5, ExtraLink5,
    Extra6, ExtraLink6, Extra7, ExtraLink7,
    About, Rating, CustomEmuPath,
    Count
};

inline constexpr int EntryFieldCount = static_cast<int>(EntryField::Count);

struct EntryFieldInfo
{
    EntryField field;
    const char *key; // the game ini key and the game table column
};

// Every field, in save order.
const std::array<EntryFieldInfo, EntryFieldCount> &entryFields();
const EntryFieldInfo &entryFieldInfo(EntryField field);

// The texts of one game as the entry helper holds them.
struct GameEntry
{
    std::array<QString, EntryFieldCount> values;
    QString aboutText; // the text of the About file, lines separated by "\n"

    QString &operator[](EntryField field) { return values[static_cast<size_t>(field)]; }
    const QString &operator[](EntryField field) const { return values[static_cast<size_t>(field)]; }
    bool operator==(const GameEntry &other) const
    {
        return values == other.values && aboutText == other.aboutText;
    }
};

// What a single-line field can hold in a game ini file: a line break would end the key's line,
// and blanks around a value are not read back, so they become one blank and go.
QString storableValue(const QString &text);

// What "Clear All" leaves: every field empty and the rating "None".
GameEntry clearedEntry();
// The picture fields "Dupe" fills with the front picture's name, a start for games whose pictures
// are named alike.
const std::array<EntryField, 5> &frontCopyFields();

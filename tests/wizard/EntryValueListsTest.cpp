#include "base/IniFile.h"
#include "launch/EmulatorRegistry.h"
#include "support/TableHelpers.h"
#include "support/Utf8.h"
#include "wizard/EntryValueLists.h"

#include <gtest/gtest.h>

namespace {


const QStringList kFields{QStringLiteral("Number"),   QStringLiteral("Name"),      QStringLiteral("Genre"),
                          QStringLiteral("SubGenre"), QStringLiteral("SubGenre2"), QStringLiteral("Emulator"),
                          QStringLiteral("Publisher"), QStringLiteral("Genre")};

TEST(EntryValueLists, MergeCaseKeepFirstSpellingFillPairsAndSortEmulators)
{
    // The second Genre column is the later one; both are read, in column order.
    const GameTable table = tableOf(kFields, {
        strings({"1", "Zork", "adventure", "", "Text", "dosbox", "Infocom", "Puzzle"}),
        strings({"2", "Zork", "Adventure", "text", "", "Typo Emu", "", ""}),
        strings({"3", "", "Action", "Maze", "Maze", "", "infocom", "puzzle"}),
    });
    EmulatorRegistry emulators;
    emulators.loadCustomSlots(IniFile::fromBytes("[Main]\r\nCustomEmuNick3=Hatari\r\nCustomEmuNick9=ScummVM\r\n"));

    const EntryValueLists lists = EntryValueLists::build(table, emulators);
    EXPECT_EQ(lists.loadGame, strings({"Zork", "Zork", ""}));
    EXPECT_EQ(lists.genre, strings({"adventure", "Action", "Puzzle"}));
    // A value met only in SubGenre2 is offered for both fields.
    EXPECT_EQ(lists.subGenre, strings({"text", "Maze"}));
    EXPECT_EQ(lists.publisher, strings({"Infocom"}));
    EXPECT_TRUE(lists.series.isEmpty());

    // Table values first (so "dosbox" beats the built-in "DOSBox"), unknown ones too, built-in
    // nicks, custom nicks; then sorted without regard to case.
    const QStringList expected = strings({"2600", "5200", "Apple2", "dosbox", "GBA", "Hatari", "MAC", "MAME", "Magnetic",
                                           "MESS", "N64", "NES", "SMS", "SNES", "ScummVM", "Typo Emu", "WinFrotz"});
    QStringList sorted = expected;
    std::sort(sorted.begin(), sorted.end(),
              [](const QString &a, const QString &b) { return QString::compare(a, b, Qt::CaseInsensitive) < 0; });
    EXPECT_EQ(lists.emulator, sorted);
    EXPECT_EQ(lists.emulator.count(QStringLiteral("ScummVM")), 1);
}

TEST(EntryValueLists, EmptyLibraryGivesEmptyListsButTheEmulators)
{
    const EntryValueLists lists = EntryValueLists::build(tableOf(kFields), EmulatorRegistry());
    EXPECT_TRUE(lists.loadGame.isEmpty());
    EXPECT_TRUE(lists.genre.isEmpty());
    EXPECT_EQ(lists.emulator.size(), EmulatorRegistry::BuiltInCount);
    EXPECT_EQ(ratingItems(), strings({"", "*", "**", "***", "****", "*****", "Love", "Hate"}));
}

} // namespace

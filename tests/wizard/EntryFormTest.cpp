#include "wizard/EntryForm.h"
#include "wizard/EntryValueLists.h"

#include <gtest/gtest.h>

namespace {

TEST(EntryForm, TheListsOfAPairOfferTheSameValues)
{
    EntryValueLists lists;
    lists.emulator = QStringList{QStringLiteral("DOSBox")};
    lists.subGenre = QStringList{QStringLiteral("Puzzle")};
    lists.series = QStringList{QStringLiteral("Quest")};
    EXPECT_EQ(EntryForm::itemsFor(EntryField::SubGenre2, lists), lists.subGenre);
    EXPECT_EQ(EntryForm::itemsFor(EntryField::Series2, lists), lists.series);
    EXPECT_EQ(EntryForm::itemsFor(EntryField::Emulator, lists), lists.emulator);
    EXPECT_EQ(EntryForm::itemsFor(EntryField::Rating, lists), ratingItems());
}

} // namespace

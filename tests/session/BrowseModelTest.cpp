#include "session/BrowseModel.h"
#include "session/LibraryModel.h"
#include "support/BrowseRig.h"
#include "support/FourGames.h"
#include "support/LibraryBuilder.h"
#include "support/TestPlatform.h"

#include <QFile>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <memory>

namespace {

// The browse model over the four games, read as start-up reads them.
class BrowseModelTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(lib.isValid());
        addFourGames(lib);
        rig = std::make_unique<BrowseRig>(lib.root(), fake.random, fake.clock);
        ASSERT_TRUE(rig->messages.isEmpty()) << rig->messages.join(QLatin1Char('\n')).toStdString();
    }

    BrowseModel &browse() { return *rig->browse; }
    QStringList listed() const { return rig->browse->listEntries(); }
    QString cacheFile() const { return lib.root() + QStringLiteral("DataCache.txt"); }

    // The values each signal carried, in order, since the last call.
    static QList<int> carried(QSignalSpy &spy)
    {
        QList<int> values;
        for (const QList<QVariant> &arguments : spy)
            values << arguments.at(0).toInt();
        spy.clear();
        return values;
    }

    LibraryBuilder lib;
    TestPlatform fake;
    std::unique_ptr<BrowseRig> rig;
};

TEST_F(BrowseModelTest, SortThenFilterThenRestoreWithAndWithoutAReadableCache)
{
    browse().setSortField(QStringLiteral("Year"));
    EXPECT_EQ(listed().front(), QStringLiteral("1987 -- Comet"));

    EXPECT_EQ(browse().valueListFor(QStringLiteral("Developer")),
              QStringList({QString(), QStringLiteral("Aurora"), QStringLiteral("Zenith")}));
    browse().applyFieldFilter(QStringLiteral("Developer"), QStringLiteral("Zenith"));
    EXPECT_EQ(listed(), QStringList({QStringLiteral("1991 -- Blaster"), QStringLiteral("1993 -- Aztec Tiles")}));
    browse().textSearch(QStringLiteral("aztec"));
    EXPECT_EQ(listed(), QStringList{QStringLiteral("1993 -- Aztec Tiles")});

    browse().restoreAll();
    EXPECT_EQ(listed(), QStringList({QStringLiteral("Aztec Tiles"), QStringLiteral("Blaster"), QStringLiteral("Comet")}))
        << "every game again, sorted by name without the year";
    browse().resort();
    EXPECT_EQ(listed().front(), QStringLiteral("Aztec Tiles")) << "and by name the next refresh keeps it";
    EXPECT_TRUE(rig->messages.isEmpty());

    // Without a readable cache the complete copy brings every game back, and the user is told.
    browse().applyFieldFilter(QStringLiteral("Developer"), QStringLiteral("Aurora"));
    ASSERT_TRUE(QFile::remove(cacheFile()));
    browse().restoreAll();
    EXPECT_EQ(listed().size(), 3);
    EXPECT_EQ(rig->messages.size(), 1);
    EXPECT_EQ(rig->library->table().cell(0, 0), QStringLiteral("Number"));
}

// The windows keep what they show of these signals: each carries the count or the index as it
// is once the list or the selection is new, one selection per list.
TEST_F(BrowseModelTest, SelectionFollowsItsIndexThroughRebuildsAndIsDroppedPastTheEnd)
{
    QSignalSpy lists(&browse(), &BrowseModel::listChanged);
    QSignalSpy selections(&browse(), &BrowseModel::selectionChanged);
    QStringList order;
    QObject::connect(&browse(), &BrowseModel::listChanged, [&] { order << QStringLiteral("list"); });
    QObject::connect(&browse(), &BrowseModel::selectionChanged, [&] { order << QStringLiteral("selection"); });

    browse().select(2);
    EXPECT_EQ(carried(selections), QList<int>{2});
    EXPECT_EQ(browse().details().name, QStringLiteral("Comet"));
    const GameTable &table = rig->library->table();
    EXPECT_EQ(table.cell(table.column(QStringLiteral("Name")), browse().selectedRow()), QStringLiteral("Comet"));

    // A rebuild keeps the index and selects it again, now showing whatever the entry there is.
    order.clear();
    browse().setSortField(QStringLiteral("Year"));
    EXPECT_EQ(carried(lists), QList<int>{4}) << "the Comets of two years are two entries";
    EXPECT_EQ(carried(selections), QList<int>{2});
    EXPECT_EQ(order, QStringList({QStringLiteral("list"), QStringLiteral("selection")}));
    EXPECT_EQ(browse().selectedIndex(), 2);
    EXPECT_EQ(browse().selectedGameName(), QStringLiteral("Blaster"));
    EXPECT_EQ(browse().details().name, QStringLiteral("Blaster"));

    // A filter that leaves fewer entries than the index drops the selection.
    browse().applyFieldFilter(QStringLiteral("Platform"), QStringLiteral("Amiga"));
    EXPECT_EQ(carried(lists), QList<int>{1});
    EXPECT_EQ(carried(selections), QList<int>{-1});
    EXPECT_EQ(browse().selectedIndex(), -1);
    EXPECT_EQ(browse().selectedRow(), 0);

    browse().select(0);
    browse().select(5);
    EXPECT_EQ(carried(selections), QList<int>({0, -1})) << "an index past the end selects nothing";
    browse().applyFieldFilter(QStringLiteral("Platform"), QStringLiteral("C64"));
    EXPECT_EQ(carried(lists), QList<int>{0});
    EXPECT_EQ(carried(selections), QList<int>{-1});
    EXPECT_EQ(browse().totalText(), QStringLiteral("0 Listed"));
}

} // namespace

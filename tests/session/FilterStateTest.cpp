#include "session/FilterState.h"
#include "session/BrowseModel.h"
#include "support/LibraryBuilder.h"
#include "support/BrowseRig.h"
#include "support/TableHelpers.h"
#include "support/TestPlatform.h"

#include <QFile>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace {

// The find panel's state and the filters it runs, on a library loaded as at start-up.
class FilterStateTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(lib.isValid());
        lib.setSubfolders({QStringLiteral("Games")});
        lib.writeSettings();
        addGame(QStringLiteral("Space Quest"), {{QStringLiteral("Year"), QStringLiteral("1986")},
                                                {QStringLiteral("Genre"), QStringLiteral("Adventure")},
                                                {QStringLiteral("Series2"), QStringLiteral("Quest")}});
        addGame(QStringLiteral("Loom"), {{QStringLiteral("Year"), QStringLiteral("1990")},
                                         {QStringLiteral("Genre"), QStringLiteral("Adventure")}});
        addGame(QStringLiteral("King's Quest"), {{QStringLiteral("Year"), QStringLiteral("1990")},
                                                 {QStringLiteral("Genre"), QStringLiteral("Adventure")},
                                                 {QStringLiteral("Series"), QStringLiteral("Quest")}});
        addGame(QStringLiteral("Tetris"), {{QStringLiteral("Year"), QStringLiteral("1990")},
                                           {QStringLiteral("Genre"), QStringLiteral("Puzzle")},
                                           {QStringLiteral("Platform"), QStringLiteral("PC")},
                                           {QStringLiteral("OtherPlatform3"), QStringLiteral("DOS")}});

        // No data cache yet, so this scans the library and writes one.
        rig = std::make_unique<BrowseRig>(lib.root(), fake.random, fake.clock);
        watchChanges();
        filter().fillFieldList();
        ASSERT_TRUE(rig->messages.isEmpty()) << rig->messages.join(QLatin1Char('\n')).toStdString();
    }

    void addGame(const QString &name, const LibraryBuilder::Keys &keys)
    {
        lib.addGame(QStringLiteral("Games"), QString(name).remove(QLatin1Char('\'')), name, keys);
    }

    void watchChanges()
    {
        QObject::connect(&filter(), &FilterState::changed, [this](FilterState::Changes made) { changes |= made; });
    }
    FilterState &filter() { return *rig->filter; }
    QStringList listed() const { return rig->browse->listEntries(); }
    const LibraryState &library() const { return rig->library->state(); }

    LibraryBuilder lib;
    TestPlatform fake;
    std::unique_ptr<BrowseRig> rig;
    FilterState::Changes changes;
};

const QStringList kAll{QStringLiteral("King's Quest"), QStringLiteral("Loom"), QStringLiteral("Space Quest"),
                       QStringLiteral("Tetris")};

// Each way into the boxes, and what they then hold and offer.
TEST_F(FilterStateTest, EachOperationLeavesTheBoxesAsTheUserSeesThem)
{
    EXPECT_TRUE(filter().fieldList().contains(QStringLiteral("All")));
    EXPECT_TRUE(filter().fieldList().contains(QStringLiteral("Genre")));
    EXPECT_EQ(FilterState::fieldText(filter().field()), QStringLiteral("All"));
    EXPECT_EQ(filter().value(), QStringLiteral("All"));

    struct Step
    {
        const char *what;
        std::function<void(FilterState &)> run;
        std::optional<QString> field;
        QString value;
        bool valueEnabled;
        bool searchOffered;
    };
    const std::vector<Step> steps{
        {"a value with no field offers the search", [](FilterState &f) { f.chooseValue(QStringLiteral("x")); },
         std::nullopt, QStringLiteral("x"), true, true},
        {"a field withdraws it", [](FilterState &f) { f.chooseField(QStringLiteral("Genre")); },
         QStringLiteral("Genre"), QStringLiteral("x"), true, false},
        {"typing under a field offers nothing", [](FilterState &f) { f.editValue(QStringLiteral("Puz")); },
         QStringLiteral("Genre"), QStringLiteral("Puz"), true, false},
        {"the caption click", [](FilterState &f) { f.rescan(); }, QStringLiteral("Genre"), QStringLiteral("All"),
         false, false},
        {"\"All\" typed into the field box is no field", [](FilterState &f) { f.chooseField(QStringLiteral("All")); },
         std::nullopt, QStringLiteral("All"), true, false},
        {"typing under no field offers the search", [](FilterState &f) { f.editValue(QStringLiteral("q")); },
         std::nullopt, QStringLiteral("q"), true, true},
        {"Clear empties both", [](FilterState &f) { f.restoreAll(); }, QString(), QString(), true, false},
        {"the panel opening empties both", [](FilterState &f) {
             f.fieldFilter(QStringLiteral("Year"), QStringLiteral("1990"));
             f.clearTexts();
         }, QString(), QString(), true, false},
        {"Show All Games reads as after start-up", [](FilterState &f) { f.showAllGames(); }, std::nullopt, QString(),
         true, false},
    };
    for (const Step &step : steps) {
        step.run(filter());
        EXPECT_EQ(filter().field(), step.field) << step.what;
        EXPECT_EQ(filter().value(), step.value) << step.what;
        EXPECT_EQ(filter().valueEnabled(), step.valueEnabled) << step.what;
        EXPECT_EQ(filter().searchOffered(), step.searchOffered) << step.what;
    }
    EXPECT_TRUE(filter().valueList().isEmpty()) << "no field has no values";
    EXPECT_EQ(listed(), kAll);
}

TEST_F(FilterStateTest, AFieldListsItsValuesAndAChosenValueFiltersOnlyUnderAField)
{
    changes = {};
    filter().chooseField(QStringLiteral("Genre"));
    EXPECT_EQ(filter().valueList(), (QStringList{QString(), QStringLiteral("Adventure"), QStringLiteral("Puzzle")}));
    EXPECT_TRUE(changes.testFlag(FilterState::ValueList));
    EXPECT_FALSE(changes.testFlag(FilterState::FieldList));
    filter().editValue(QStringLiteral("Puzzle"));
    EXPECT_EQ(listed(), kAll) << "typing alone does not filter";
    filter().chooseValue(QStringLiteral("Puzzle"));
    EXPECT_EQ(listed(), QStringList{QStringLiteral("Tetris")});

    filter().restoreAll();
    filter().fillFieldList();
    filter().chooseValue(QStringLiteral("Loom"));
    EXPECT_EQ(listed(), kAll) << "no field: the search waits for Go";
    filter().search();
    EXPECT_EQ(listed(), QStringList{QStringLiteral("Loom")});
}

TEST_F(FilterStateTest, RestoresComeFromTheCacheTheCompleteCopyOrAPendingScan)
{
    // Tell the three sources apart: the cache holds the scan, the complete copy loses a game,
    // and the library on disk gains one.
    LibraryState tables = rig->tables();
    GameTable &complete = tables.GridComplete;
    complete.keepRows([&](int row) { return complete.cell(1, row) != QStringLiteral("Tetris"); });
    rig->rebuild(std::move(tables));
    filter().fillFieldList();
    addGame(QStringLiteral("Zork"), {{QStringLiteral("Year"), QStringLiteral("1980")}});

    filter().fieldFilter(QStringLiteral("Year"), QStringLiteral("1986"));
    ASSERT_EQ(listed(), QStringList{QStringLiteral("Space Quest")});
    filter().restoreAll();
    EXPECT_EQ(listed(), kAll) << "from the data cache";

    filter().fieldFilter(QStringLiteral("Year"), QStringLiteral("1986"));
    ASSERT_FALSE(library().ScanPending);
    filter().rescan();
    EXPECT_EQ(listed(), (QStringList{QStringLiteral("King's Quest"), QStringLiteral("Loom"),
                                     QStringLiteral("Space Quest")}))
        << "a copy of the complete table, in the order of the sort field";
    EXPECT_EQ(filter().value(), QStringLiteral("All"));
    EXPECT_FALSE(filter().valueEnabled());
    filter().chooseField(QStringLiteral("Year"));
    EXPECT_TRUE(filter().valueEnabled()) << "the next value list enables it";

    // After a start from the cache the first restore scans and rewrites the cache.
    rig->library->requireScan();
    filter().rescan();
    const QStringList rescanned = kAll + QStringList{QStringLiteral("Zork")};
    EXPECT_EQ(listed(), rescanned);
    EXPECT_FALSE(library().ScanPending);
    const QString cacheFile = library().LibraryRoot + QStringLiteral("DataCache.txt");
    GameTable cache;
    ASSERT_TRUE(loadStringGridInto(cache, cacheFile));
    EXPECT_EQ(cache.rowCount(), 6);

    // Without a data cache, clearing says so and falls back to the complete copy.
    filter().fieldFilter(QStringLiteral("Year"), QStringLiteral("1986"));
    ASSERT_TRUE(QFile::remove(cacheFile));
    filter().restoreAll();
    EXPECT_EQ(listed(), rescanned);
    EXPECT_EQ(rig->messages.size(), 1);
}

TEST_F(FilterStateTest, PlatformSeriesAndGalleryHint)
{
    filter().categoryChosen(CategoryMenu::Platform, QStringLiteral("DOS"));
    EXPECT_EQ(listed(), QStringList{QStringLiteral("Tetris")}) << "other platforms count";
    EXPECT_EQ(filter().field(), std::optional<QString>(QStringLiteral("Platform")));
    EXPECT_EQ(filter().value(), QStringLiteral("DOS"));
    EXPECT_TRUE(rig->browse->galleryHint().isEmpty());
    filter().restoreAll();
    filter().categoryChosen(CategoryMenu::Platform, QStringLiteral("Arcade"));
    EXPECT_EQ(rig->browse->galleryHint(), QStringLiteral("Arcade"));
    EXPECT_TRUE(listed().isEmpty());
    filter().categoryChosen(CategoryMenu::Genre, QStringLiteral("Puzzle"));
    EXPECT_TRUE(rig->browse->galleryHint().isEmpty()) << "every choice empties it first";

    filter().restoreAll();
    // lblSeries2 filters by the field Series, and the pair rule takes both columns.
    filter().fieldFilter(QStringLiteral("Series"), QStringLiteral("Quest"));
    EXPECT_EQ(listed(), (QStringList{QStringLiteral("King's Quest"), QStringLiteral("Space Quest")}));
}

} // namespace

#include "browse/DetailsContent.h"
#include "library/GameTable.h"
#include "support/Files.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using Cells = std::vector<std::pair<QString, QString>>;

// A table of the given fields with one game row.
GameTable tableWith(const Cells &cells)
{
    GameTable table;
    table.setSize(int(cells.size()) + 2, 2);
    table.setCell(0, 0, QStringLiteral("Number"));
    table.setCell(0, 1, QStringLiteral("7"));
    table.setCell(1, 0, QStringLiteral("Name"));
    table.setCell(1, 1, QStringLiteral("Loom"));
    int column = 2;
    for (const auto &[field, value] : cells) {
        table.setCell(column, 0, field);
        table.setCell(column, 1, value);
        ++column;
    }
    return table;
}

Cells gameCells()
{
    return {{QStringLiteral("Folder"), QStringLiteral("Adventure")},
            {QStringLiteral("Subfolder"), QStringLiteral("Loom")},
            {QStringLiteral("FolderDateCreated"), QStringLiteral("2020-01-02 03:04")},
            {QStringLiteral("FolderDateModified"), QStringLiteral("2021-05-06 07:08")},
            {QStringLiteral("Year"), QStringLiteral("1990")},
            {QStringLiteral("Publisher"), QStringLiteral("Lucasfilm")},
            {QStringLiteral("Developer"), QString()},
            {QStringLiteral("Genre"), QStringLiteral("Adventure")},
            {QStringLiteral("SubGenre"), QString()},
            {QStringLiteral("SubGenre2"), QStringLiteral("Fantasy")},
            {QStringLiteral("Platform"), QStringLiteral("DOS")},
            {QStringLiteral("OtherPlatform1"), QStringLiteral("Amiga")},
            {QStringLiteral("OtherPlatform2"), QStringLiteral("FM Towns")},
            {QStringLiteral("Series"), QString()},
            {QStringLiteral("Series2"), QString()},
            {QStringLiteral("Designer"), QStringLiteral("Brian Moriarty")},
            {QStringLiteral("Manual"), QStringLiteral("manual.pdf")},
            {QStringLiteral("Setup"), QString()},
            {QStringLiteral("Extra1"), QString()},
            {QStringLiteral("Extra2"), QStringLiteral("Audio drama")},
            {QStringLiteral("ExtraLink2"), QStringLiteral("drama.mp3")},
            {QStringLiteral("About"), QStringLiteral("loom.txt")},
            {QStringLiteral("Front01"), QStringLiteral("front.png")},
            {QStringLiteral("Back01"), QString()}};
}

} // namespace

using Fact = const QString DetailsContent::*;

TEST(DetailsContent, EmptyFieldsHideTheirLabels)
{
    Cells cells = gameCells();
    cells.emplace_back(QStringLiteral("Series2"), QStringLiteral("Fate"));
    cells.emplace_back(QStringLiteral("Designer2"), QStringLiteral("Mark Ferrari"));
    const DetailsContent c = DetailsContent::forRow(tableWith(cells), 1, QStringLiteral("/lib/"), false);
    EXPECT_EQ(c.name, QStringLiteral("Loom"));
    EXPECT_EQ(c.createdText, QStringLiteral("Created: 2020-01-02 03:04"));
    EXPECT_EQ(c.modifiedText, QStringLiteral("Modified: 2021-05-06 07:08"));

    // Each fact from its own field; the table's second Series2 column wins, an empty field
    // gives an empty (hidden) fact.
    const std::vector<std::pair<Fact, const char *>> facts{
        {&DetailsContent::year, "1990"},         {&DetailsContent::publisher, "Lucasfilm"},
        {&DetailsContent::developer, ""},        {&DetailsContent::genre, "Adventure"},
        {&DetailsContent::subGenre, ""},         {&DetailsContent::subGenre2, "Fantasy"},
        {&DetailsContent::series, ""},           {&DetailsContent::series2, "Fate"},
        {&DetailsContent::designer, "Brian Moriarty"}, {&DetailsContent::designer2, "Mark Ferrari"},
        {&DetailsContent::setup, ""},            {&DetailsContent::platform, "DOS"},
    };
    for (size_t i = 0; i < facts.size(); ++i)
        EXPECT_EQ(c.*facts[i].first, QLatin1String(facts[i].second)) << i;
    EXPECT_EQ(c.otherPlatforms[0], QStringLiteral("Amiga"));
    EXPECT_EQ(c.otherPlatforms[1], QStringLiteral("FM Towns"));
    EXPECT_EQ(c.otherPlatforms[2], QString());
    // A column the table lacks shows nothing, not the number column.
    EXPECT_EQ(c.otherPlatforms[9], QString());

    EXPECT_EQ(c.extras[0].title, QString());
    EXPECT_EQ(c.extras[1].title, QStringLiteral("Audio drama"));
    EXPECT_EQ(c.extras[6].title, QString());
    EXPECT_EQ(c.extrasHeading, QStringLiteral("Extras"));
    // The links are there for the clicks that open them.
    EXPECT_EQ(c.manual, QStringLiteral("manual.pdf"));
    EXPECT_TRUE(c.hasManual());
    EXPECT_EQ(c.extras[1].link, QStringLiteral("drama.mp3"));
}

TEST(DetailsContent, NoExtrasAndNoManual)
{
    Cells cells = gameCells();
    for (auto &[field, value] : cells) {
        if (field.startsWith(QLatin1String("Extra")) || field == QLatin1String("Manual"))
            value.clear();
    }
    const DetailsContent c = DetailsContent::forRow(tableWith(cells), 1, QStringLiteral("/lib"), false);
    EXPECT_EQ(c.extrasHeading, QStringLiteral("No Extras"));
    for (const DetailsContent::Extra &extra : c.extras)
        EXPECT_TRUE(extra.title.isEmpty());
    EXPECT_FALSE(c.hasManual());
}

TEST(DetailsContent, PlatformSwitchLeavesThePlatformRowAlone)
{
    const DetailsContent c = DetailsContent::forRow(tableWith(gameCells()), 1, QStringLiteral("/lib"), true);
    EXPECT_FALSE(c.platformsUpdated);
    EXPECT_TRUE(c.platform.isEmpty());
    for (const QString &other : c.otherPlatforms)
        EXPECT_TRUE(other.isEmpty());
    EXPECT_EQ(c.year, QStringLiteral("1990"));
    EXPECT_EQ(c.designer, QStringLiteral("Brian Moriarty"));
    EXPECT_EQ(c.extrasHeading, QStringLiteral("Extras"));
    // The links follow the record on show.
    EXPECT_EQ(c.manual, QStringLiteral("manual.pdf"));
    EXPECT_EQ(c.extras[1].link, QStringLiteral("drama.mp3"));
}

TEST(DetailsContent, FactsFilterByTheirField)
{
    const std::vector<std::pair<Fact, const char *>> fields{
        {&DetailsContent::year, "Year"},           {&DetailsContent::publisher, "Publisher"},
        {&DetailsContent::developer, "Developer"}, {&DetailsContent::genre, "Genre"},
        {&DetailsContent::subGenre, "SubGenre"},   {&DetailsContent::subGenre2, "SubGenre2"},
        {&DetailsContent::series, "Series"},       {&DetailsContent::series2, "Series"},
        {&DetailsContent::designer, "Designer"},   {&DetailsContent::designer2, "Designer2"},
        {&DetailsContent::setup, ""},              {&DetailsContent::name, ""},
    };
    for (size_t i = 0; i < fields.size(); ++i)
        EXPECT_EQ(DetailsContent::filterFieldOf(fields[i].first), QLatin1String(fields[i].second)) << i;
}

TEST(DetailsContent, MetadataFolderIgnoresTheRootsTrailingSeparator)
{
    const GameTable table = tableWith(gameCells());
    const QString with = DetailsContent::forRow(table, 1, QStringLiteral("/lib/"), false).metadataFolder;
    const QString without = DetailsContent::forRow(table, 1, QStringLiteral("/lib"), false).metadataFolder;
    EXPECT_EQ(with, QStringLiteral("/lib/Games/Adventure/Loom/Pallox"));
    EXPECT_EQ(with, without);

    Cells noSubfolder = gameCells();
    noSubfolder[1].second.clear();
    EXPECT_EQ(DetailsContent::forRow(tableWith(noSubfolder), 1, QStringLiteral("/lib"), false).metadataFolder,
              QStringLiteral("/lib/Games/Adventure/Pallox"));
}

TEST(DetailsContent, FilesAreFoundWithoutRegardToLetterCase)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString meta = dir.path() + QStringLiteral("/Games/Adventure/Loom/Pallox");
    for (const char *file : {"FRONT/Front.PNG", "advert/Scans/ad.png", "About/loom.txt"})
        ASSERT_TRUE(writeFile(meta + u'/' + QLatin1String(file)));

    Cells cells = gameCells();
    cells.emplace_back(QStringLiteral("Adv01"), QStringLiteral("SCANS\\Ad.png"));
    cells.emplace_back(QStringLiteral("Title01"), QStringLiteral("missing.png"));
    const DetailsContent c = DetailsContent::forRow(tableWith(cells), 1, dir.path(), false);
    EXPECT_EQ(c.picturePaths[DetailsContent::Front], meta + QStringLiteral("/FRONT/Front.PNG"));
    EXPECT_EQ(c.picturePaths[DetailsContent::Advert], meta + QStringLiteral("/advert/Scans/ad.png"));
    EXPECT_EQ(c.notePath, meta + QStringLiteral("/About/loom.txt"));
    // A missing file keeps the path as written; an empty field has none.
    EXPECT_EQ(c.picturePaths[DetailsContent::Title], meta + QStringLiteral("/Title/missing.png"));
    EXPECT_TRUE(c.picturePaths[DetailsContent::Back].isEmpty());
    EXPECT_TRUE(c.picturePaths[DetailsContent::Media].isEmpty());

    // Asked for as named, the pictures are left for their reader to find; the note is found.
    const DetailsContent named = DetailsContent::forRow(tableWith(cells), 1, dir.path(), false,
                                                        DetailsContent::PictureFiles::AsNamed);
    EXPECT_EQ(named.picturePaths[DetailsContent::Front], meta + QStringLiteral("/Front/front.png"));
    EXPECT_EQ(named.picturePaths[DetailsContent::Advert], meta + QStringLiteral("/Advert/SCANS/Ad.png"));
    EXPECT_TRUE(named.picturePaths[DetailsContent::Back].isEmpty());
    EXPECT_EQ(named.notePath, c.notePath);
}

TEST(DetailsContent, NoteLinesInEitherEncoding)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("note.txt"));
    ASSERT_TRUE(writeFile(path, "Caf\xe9 au lait\r\nsecond\r\n\r\nfourth\r\n"));
    EXPECT_EQ(DetailsContent::readNoteLines(path).value(),
              (QStringList{QStringLiteral("Caf\u00e9 au lait"), QStringLiteral("second"), QString(),
                           QStringLiteral("fourth")}));

    ASSERT_TRUE(writeFile(path, "\xef\xbb\xbf" "na\xc3\xafve\nold mac\rend"));
    EXPECT_EQ(DetailsContent::readNoteLines(path).value(),
              (QStringList{QStringLiteral("na\u00efve"), QStringLiteral("old mac"), QStringLiteral("end")}));

    EXPECT_TRUE(DetailsContent::readNoteLines(dir.filePath(QStringLiteral("none.txt"))).value().isEmpty());
    EXPECT_TRUE(DetailsContent::readNoteLines(QString()).value().isEmpty());
}

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

TEST(DetailsContent, EmptyFieldsHideTheirLabels)
{
    const DetailsContent c = DetailsContent::forRow(tableWith(gameCells()), 1, QStringLiteral("/lib/"), false);
    EXPECT_EQ(c.name, QStringLiteral("Loom"));
    EXPECT_EQ(c.createdText, QStringLiteral("Created: 2020-01-02 03:04"));
    EXPECT_EQ(c.modifiedText, QStringLiteral("Modified: 2021-05-06 07:08"));

    for (const char *shown : {"lblYear", "lblPublisher", "lblGenre", "lblSubGenre2", "lblPlatform", "lblDesigner",
                              "lblManual2", "lblExtra2", "lblOtherPlatform1", "lblOtherPlatform2"})
        EXPECT_TRUE(c.factVisible(QLatin1String(shown))) << shown;
    for (const char *hidden : {"lblDeveloper", "lblSubGenre", "lblSeries", "lblSeries2", "lblDesigner2",
                               "lblSetup", "lblExtra1", "lblExtra7", "lblOtherPlatform3"})
        EXPECT_FALSE(c.factVisible(QLatin1String(hidden))) << hidden;
    // Holders keep their texts and are never shown.
    EXPECT_EQ(c.factText(QStringLiteral("lblManual")), QStringLiteral("manual.pdf"));
    EXPECT_FALSE(c.factVisible(QStringLiteral("lblManual")));
    EXPECT_EQ(c.factText(QStringLiteral("lblExtraLink2")), QStringLiteral("drama.mp3"));
    EXPECT_FALSE(c.factVisible(QStringLiteral("lblExtraLink2")));
    EXPECT_EQ(c.factText(QStringLiteral("lblManual2")), QStringLiteral("Available"));
    EXPECT_EQ(c.extrasHeading, QStringLiteral("Extras"));

    // A column the table lacks shows nothing, not the number column.
    EXPECT_EQ(c.factText(QStringLiteral("lblOtherPlatform10")), QString());
    EXPECT_FALSE(c.factVisible(QStringLiteral("lblOtherPlatform10")));

    QStringList order;
    for (const FactText &f : c.facts)
        order.append(f.label);
    const int platform = int(order.indexOf(QStringLiteral("lblPlatform")));
    EXPECT_LT(order.indexOf(QStringLiteral("lblManual")), platform);
    EXPECT_LT(platform, order.indexOf(QStringLiteral("lblDesigner")));
    EXPECT_LT(order.indexOf(QStringLiteral("lblExtraLink7")), order.indexOf(QStringLiteral("lblOtherPlatform1")));
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
    for (int i = 1; i <= 7; ++i)
        EXPECT_FALSE(c.factVisible(QStringLiteral("lblExtra%1").arg(i)));
    EXPECT_FALSE(c.factVisible(QStringLiteral("lblManual2")));
}

TEST(DetailsContent, PlatformSwitchLeavesThePlatformRowAlone)
{
    const DetailsContent c = DetailsContent::forRow(tableWith(gameCells()), 1, QStringLiteral("/lib"), true);
    EXPECT_FALSE(c.platformsUpdated);
    EXPECT_EQ(c.fact(QStringLiteral("lblPlatform")), nullptr);
    for (int i = 1; i <= 10; ++i)
        EXPECT_EQ(c.fact(QStringLiteral("lblOtherPlatform%1").arg(i)), nullptr);
    EXPECT_EQ(c.factText(QStringLiteral("lblYear")), QStringLiteral("1990"));
    EXPECT_TRUE(c.factVisible(QStringLiteral("lblDesigner")));
    EXPECT_EQ(c.extrasHeading, QStringLiteral("Extras"));
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
}

TEST(DetailsContent, NoteLinesInEitherEncoding)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("note.txt"));
    ASSERT_TRUE(writeFile(path, "Caf\xe9 au lait\r\nsecond\r\n\r\nfourth\r\n"));
    EXPECT_EQ(DetailsContent::readNoteLines(path),
              (QStringList{QStringLiteral("Caf\u00e9 au lait"), QStringLiteral("second"), QString(),
                           QStringLiteral("fourth")}));

    ASSERT_TRUE(writeFile(path, "\xef\xbb\xbf" "na\xc3\xafve\nold mac\rend"));
    EXPECT_EQ(DetailsContent::readNoteLines(path),
              (QStringList{QStringLiteral("na\u00efve"), QStringLiteral("old mac"), QStringLiteral("end")}));

    EXPECT_TRUE(DetailsContent::readNoteLines(dir.filePath(QStringLiteral("none.txt"))).isEmpty());
    EXPECT_TRUE(DetailsContent::readNoteLines(QString()).isEmpty());
    EXPECT_FALSE(DetailsContent::noteNeedsScrollBar(11));
    EXPECT_TRUE(DetailsContent::noteNeedsScrollBar(12));
}

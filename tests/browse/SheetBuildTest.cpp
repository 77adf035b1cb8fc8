#include "browse/SheetBuild.h"
#include "library/GameTable.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Twelve games with a front each, every file on disk.
class SheetBuildTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        table.setSize(5, 1);
        const QStringList fields{QStringLiteral("Name"), QStringLiteral("Folder"), QStringLiteral("Subfolder"),
                                 QStringLiteral("Front01"), QStringLiteral("Title01")};
        for (int c = 0; c < fields.size(); ++c)
            table.setCell(c, 0, fields[c]);
        QImage picture(8, 8, QImage::Format_RGB32);
        picture.fill(Qt::red);
        for (int i = 0; i < 12; ++i) {
            const QString game = QStringLiteral("Game%1").arg(i, 2, 10, QLatin1Char('0'));
            table.appendRow({game, QStringLiteral("Action"), game, QStringLiteral("f.png"), QString()});
            const QString folder = dir.path() + QStringLiteral("/Games/Action/%1/Pallox/Front").arg(game);
            ASSERT_TRUE(QDir().mkpath(folder) && picture.save(folder + QStringLiteral("/f.png")));
        }
        // A box of its own for each game, so that a job's box tells whose place it was given.
        build = SheetBuild(table, dir.path() + QLatin1Char('/'), ImageSheet::kindFor(QStringLiteral("Fronts")),
                           [](const ImageSheet::SheetPicture &picture) {
                               return QRect(0, 100 * picture.row, 50 + picture.row, 40);
                           });
    }

    QTemporaryDir dir;
    GameTable table;
    SheetBuild build;
    const QImage decoded = QImage(4, 4, QImage::Format_RGB32);
};

TEST_F(SheetBuildTest, TheBarShowsHowFarTheSheetIsWholeAndOnlyFilesOnDiskGetATile)
{
    ASSERT_EQ(build.size(), 12);
    EXPECT_EQ(build.jobs()[4].box, QSize(55, 40));
    EXPECT_EQ(build.rect(4), QRect(0, 500, 55, 40));
    EXPECT_EQ(build.jobs()[4].path, build.picture(4).path);

    EXPECT_TRUE(build.arrive(1, decoded));
    EXPECT_EQ(build.progressRow(), 0);
    // A file gone since the listing: no tile, but the sheet is whole up to it.
    EXPECT_FALSE(build.arrive(0, QImage()));
    EXPECT_EQ(build.progressRow(), 2);
    EXPECT_TRUE(build.arrive(3, decoded));
    EXPECT_EQ(build.progressRow(), 2);
    EXPECT_EQ(build.shownCount(), 2);
    EXPECT_FALSE(build.takeUnreadable());
}

TEST_F(SheetBuildTest, UndecodablePicturesAreNamedInSheetOrderOnceAtTheEnd)
{
    for (int job = 11; job >= 0; --job) {
        const QString path = build.picture(job).path;
        const QString reason = job == 0 ? QStringLiteral("bad header") : QStringLiteral("unknown format");
        EXPECT_TRUE(build.arrive(job, Failure(Failure::Kind::PictureUndecodable, path, reason)));
    }
    EXPECT_EQ(build.shownCount(), 12);
    const std::optional<SheetBuild::Unreadable> told = build.takeUnreadable();
    ASSERT_TRUE(told);
    const QStringList lines = told->text.split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 12);
    EXPECT_EQ(lines[1], QLatin1Char('"') + build.picture(0).path + QStringLiteral("\": bad header"));
    EXPECT_EQ(lines[10], QLatin1Char('"') + build.picture(9).path + QStringLiteral("\": unknown format"));
    EXPECT_EQ(lines[11], QStringLiteral("... and 2 more."));
    EXPECT_EQ(told->paths.split(QLatin1Char('\n')).size(), 12);
    EXPECT_FALSE(build.takeUnreadable());
}

TEST_F(SheetBuildTest, AClickStartsTheGameWhereverFiltersMovedItAndNamesAGameTheyRemoved)
{
    table.keepRows([](int row) { return row != 1; });
    EXPECT_EQ(build.startFor(table, 2).row, 2);
    table.keepRows([](int row) { return row != 2; });
    const SheetBuild::Start gone = build.startFor(table, 2);
    EXPECT_EQ(gone.row, -1);
    EXPECT_EQ(gone.message, QStringLiteral("\"Game02\" is no longer listed. Press Load to build the sheet again."));
}

} // namespace

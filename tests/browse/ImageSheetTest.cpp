#include "browse/ImageSheet.h"
#include "library/GameTable.h"
#include "support/Files.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const ImageSheet::PictureKind fronts = ImageSheet::kindFor(QStringLiteral("Fronts"));
const ImageSheet::PictureKind titles = ImageSheet::kindFor(QStringLiteral("Titles"));

bool savePicture(const QString &path, QSize size, const char *format = "PNG")
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    return QDir().mkpath(QFileInfo(path).absolutePath()) && image.save(path, format);
}

TEST(ImageSheetKinds, EachKindHasItsMainAndFallbackPicture)
{
    EXPECT_EQ(ImageSheet::kindNames(), (QStringList{QStringLiteral("Fronts"), QStringLiteral("Titles"),
                                                    QStringLiteral("Media"), QStringLiteral("Screens")}));
    const auto media = ImageSheet::kindFor(QStringLiteral("Media"));
    EXPECT_EQ(media.mainField, QStringLiteral("Media01"));
    EXPECT_EQ(media.fallbackSubfolder, QStringLiteral("Front"));
    const auto screens = ImageSheet::kindFor(QStringLiteral("Screens"));
    EXPECT_EQ(screens.mainSubfolder, QStringLiteral("Screen"));
    EXPECT_EQ(screens.fallbackField, QStringLiteral("Title01"));
    EXPECT_EQ(titles.fallbackField, QStringLiteral("Screen01"));
    EXPECT_EQ(ImageSheet::kindFor(QStringLiteral("Posters")).mainField, QStringLiteral("Front01"));
}

class ImageSheetPictures : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        root = dir.path() + QLatin1Char('/');
        const QStringList fields{QStringLiteral("Number"),  QStringLiteral("Name"),
                                 QStringLiteral("Folder"),  QStringLiteral("Subfolder"),
                                 QStringLiteral("Front01"), QStringLiteral("Title01")};
        table.setSize(int(fields.size()), 1);
        for (int c = 0; c < fields.size(); ++c)
            table.setCell(c, 0, fields[c]);
    }

    void addRow(const QString &name, const QString &front, const QString &title)
    {
        table.appendRow(
            {QString::number(table.rowCount()), name, QStringLiteral("Action"), name, front, title});
    }
    QString metadata(const QString &game) const
    {
        return root + QStringLiteral("Games/Action/") + game + QStringLiteral("/Pallox/");
    }

    QTemporaryDir dir;
    QString root;
    GameTable table;
};

TEST_F(ImageSheetPictures, MainPictureOrFallbackAndMissingFilesGiveNone)
{
    addRow(QStringLiteral("Both"), QStringLiteral("f.png"), QStringLiteral("t.png"));
    addRow(QStringLiteral("TitleOnly"), QString(), QStringLiteral("t.png"));
    addRow(QStringLiteral("FrontMissing"), QStringLiteral("gone.png"), QStringLiteral("t.png"));
    addRow(QStringLiteral("Nothing"), QString(), QString());
    addRow(QStringLiteral("Cased"), QStringLiteral("Sub\\F.PNG"), QString());
    for (const char *game : {"Both", "TitleOnly", "FrontMissing"})
        ASSERT_TRUE(savePicture(metadata(QLatin1String(game)) + QStringLiteral("Title/t.png"), {20, 20}));
    ASSERT_TRUE(savePicture(metadata(QStringLiteral("Both")) + QStringLiteral("Front/f.png"), {20, 20}));
    ASSERT_TRUE(savePicture(metadata(QStringLiteral("Cased")) + QStringLiteral("front/sub/f.png"), {20, 20}));

    const QVector<ImageSheet::SheetPicture> pictures = ImageSheet::picturesOf(table, root, fronts);
    ASSERT_EQ(pictures.size(), 3);
    EXPECT_EQ(pictures[0].row, 1);
    EXPECT_FALSE(pictures[0].fallback);
    EXPECT_TRUE(pictures[0].path.endsWith(QStringLiteral("Both/Pallox/Front/f.png")));
    EXPECT_EQ(pictures[1].name, QStringLiteral("TitleOnly"));
    EXPECT_TRUE(pictures[1].fallback);
    EXPECT_TRUE(pictures[1].path.endsWith(QStringLiteral("TitleOnly/Pallox/Title/t.png")));
    EXPECT_EQ(pictures[2].row, 5);
    EXPECT_TRUE(pictures[2].path.endsWith(QStringLiteral("Cased/Pallox/front/sub/f.png")));

    // The sheet's click finds its game again after a filter moved or removed it.
    const QString titleOnly = pictures[1].identity;
    table.keepRows([](int row) { return row != 1; });
    EXPECT_EQ(ImageSheet::rowOf(table, titleOnly, 2), 1);
    table.keepRows([](int row) { return row != 1; });
    EXPECT_EQ(ImageSheet::rowOf(table, titleOnly, 2), -1);
}

TEST_F(ImageSheetPictures, PicturesDecodeAtThumbnailSize)
{
    const QString jpeg = root + QStringLiteral("big.jpg");
    const QString png = root + QStringLiteral("big.png");
    const QString small = root + QStringLiteral("small.png");
    ASSERT_TRUE(savePicture(jpeg, {1000, 1400}, "JPEG"));
    ASSERT_TRUE(savePicture(png, {1000, 1400}));
    ASSERT_TRUE(savePicture(small, {40, 30}));
    ASSERT_TRUE(writeFile(root + QStringLiteral("broken.png"), QByteArray("not a picture")));

    EXPECT_EQ(ImageSheet::decodeThumbnail(jpeg, {108, 138}).value().size(), QSize(98, 138));
    EXPECT_EQ(ImageSheet::decodeThumbnail(png, {138, 46}).value().size(), QSize(32, 46));
    EXPECT_EQ(ImageSheet::decodeThumbnail(small, {108, 138}).value().size(), QSize(40, 30));

    const Result<QImage> missing = ImageSheet::decodeThumbnail(root + QStringLiteral("none.png"), {108, 138});
    ASSERT_TRUE(missing) << "a missing file is no failure";
    EXPECT_TRUE(missing->isNull());
    const Result<QImage> broken = ImageSheet::decodeThumbnail(root + QStringLiteral("broken.png"), {108, 138});
    ASSERT_FALSE(broken);
    EXPECT_TRUE(broken.error().message().contains(QStringLiteral("broken.png"))) << broken.error().message().toStdString();
}

} // namespace

#include "ExportFixture.h"
#include "support/Files.h"

#include <QBuffer>
#include <QDirIterator>
#include <QImage>

namespace {

// Pictures of one game, copied into LaunchBox's Images folder under the names it looks for.
class LaunchBoxPicturesTest : public ExportFixture
{
  protected:
    void SetUp() override
    {
        ExportFixture::SetUp();
        ASSERT_TRUE(writeFile(dataFile(), "<LaunchBox />"));
    }
    // The ID the export gave the one game.
    QString id() const { return newIds(QByteArray(), readFile(dataFile())).value(0); }

    void addPicturedGame(const QString &name, const QHash<QString, QString> &pictures)
    {
        QHash<QString, QString> values = pictures;
        values.insert(QStringLiteral("Name"), name);
        values.insert(QStringLiteral("Folder"), QStringLiteral("Action"));
        values.insert(QStringLiteral("Subfolder"), QStringLiteral("Game"));
        addGame(values);
    }
    QString meta() const { return metadataFolder(QStringLiteral("Action"), QStringLiteral("Game")); }
    QString images() const { return exportFolder() + QStringLiteral("Images/"); }

    QStringList filesBelow(const QString &folder) const
    {
        QStringList files;
        QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            files << it.next().mid(folder.size());
        files.sort();
        return files;
    }
};

TEST_F(LaunchBoxPicturesTest, PicturesTakeLaunchBoxsNamesWhateverTheirFormat)
{
    ASSERT_TRUE(QDir().mkpath(images()));
    const QByteArray front = pngBytes(4, 3);
    ASSERT_TRUE(writeFile(meta() + QStringLiteral("Front/cover.png"), front));
    ASSERT_TRUE(writeFile(meta() + QStringLiteral("Back/back.gif"), "GIF89a back"));
    ASSERT_TRUE(writeFile(meta() + QStringLiteral("Screen/shot1.png"), "screen"));
    ASSERT_TRUE(writeFile(meta() + QStringLiteral("Title/title.png"), "title"));
    // Written on Windows, where letter case does not matter.
    ASSERT_TRUE(writeFile(meta() + QStringLiteral("Media/DISK.JPG"), "disk"));
    addPicturedGame(QStringLiteral("Space: Quest"),
                    {{QStringLiteral("Front01"), QStringLiteral("cover.png")},
                     {QStringLiteral("Back01"), QStringLiteral("back.gif")},
                     {QStringLiteral("Screen01"), QStringLiteral("shot1.png")},
                     {QStringLiteral("Title01"), QStringLiteral("title.png")},
                     {QStringLiteral("Media01"), QStringLiteral("disk.jpg")}});
    ASSERT_EQ(runExport(), QString());

    const QString folder = QStringLiteral("Space_ Quest.") + id() + QLatin1Char('/');
    EXPECT_EQ(filesBelow(images()),
              (QStringList{folder.chopped(1), folder + QStringLiteral("Back.jpg"),
                           folder + QStringLiteral("Front.jpg"), folder + QStringLiteral("Screenshots"),
                           folder + QStringLiteral("Screenshots/shot1.png"),
                           folder + QStringLiteral("Screenshots/title.png"),
                           folder + QStringLiteral("Screenshots/xmedia.jpg")}));
    EXPECT_EQ(readFile(images() + folder + QStringLiteral("Front.jpg")), front);
    EXPECT_EQ(readFile(images() + folder + QStringLiteral("Screenshots/xmedia.jpg")), QByteArray("disk"));
}

// Each export makes image folders of new names, so a picture is there already only when another
// program put it there while the export ran.
class FileOpsPuttingACoverFirst : public FakeFileOps
{
  public:
    Result<void> copyFileNoOverwrite(const QString &source, const QString &destination) override
    {
        if (destination.endsWith(QLatin1String("/Front.jpg")))
            writeFile(destination, "the user's own cover");
        return FakeFileOps::copyFileNoOverwrite(source, destination);
    }
};

TEST_F(LaunchBoxPicturesTest, AnExistingPictureIsNeverReplaced)
{
    ASSERT_TRUE(QDir().mkpath(images()));
    ASSERT_TRUE(writeFile(meta() + QStringLiteral("Front/cover.png"), pngBytes(4, 3)));
    ASSERT_TRUE(writeFile(meta() + QStringLiteral("Back/back.png"), "back"));
    // An empty name and a missing file are passed over without a word.
    addPicturedGame(QStringLiteral("Game"), {{QStringLiteral("Front01"), QStringLiteral("cover.png")},
                                             {QStringLiteral("Back01"), QStringLiteral("back.png")},
                                             {QStringLiteral("Screen01"), QStringLiteral("gone.png")}});
    FileOpsPuttingACoverFirst copies;
    copies.applyToDisk = true;
    ASSERT_EQ(messageOf(LaunchBoxExport(table, libraryRoot(), clock, copies).run(dataFile())), QString());
    const QString folder = images() + QStringLiteral("Game.") + id() + QLatin1Char('/');
    EXPECT_EQ(readFile(folder + QStringLiteral("Front.jpg")), QByteArray("the user's own cover"));
    EXPECT_EQ(readFile(folder + QStringLiteral("Back.jpg")), QByteArray("back"));
    EXPECT_EQ(filesBelow(folder), (QStringList{QStringLiteral("Back.jpg"), QStringLiteral("Front.jpg"),
                                               QStringLiteral("Screenshots")}));
}

TEST_F(LaunchBoxPicturesTest, NothingIsCreatedWithoutAnImagesFolder)
{
    ASSERT_TRUE(writeFile(meta() + QStringLiteral("Front/cover.png"), pngBytes(4, 3)));
    addPicturedGame(QStringLiteral("Game"), {{QStringLiteral("Front01"), QStringLiteral("cover.png")}});
    ASSERT_EQ(runExport(), QString());
    EXPECT_EQ(filesBelow(exportFolder()), (QStringList{QStringLiteral("LaunchBox (PALLOX Backup).xml"),
                                                       QStringLiteral("LaunchBox.xml")}));
    EXPECT_TRUE(readFile(dataFile()).contains("<Title>Game</Title>"));
}

TEST_F(LaunchBoxPicturesTest, NamesFromTheLibraryCannotPlacePicturesOutsideTheirFolder)
{
    ASSERT_TRUE(QDir().mkpath(images()));
    ASSERT_TRUE(writeFile(meta() + QStringLiteral("Front/cover.png"), "front"));
    ASSERT_TRUE(writeFile(meta() + QStringLiteral("escape.png"), "screen"));
    ASSERT_TRUE(QDir().mkpath(meta() + QStringLiteral("Screen")));
    addPicturedGame(QStringLiteral("../../../Outside"),
                    {{QStringLiteral("Front01"), QStringLiteral("cover.png")},
                     {QStringLiteral("Screen01"), QStringLiteral("..\\escape.png")},
                     {QStringLiteral("Title01"), QStringLiteral("..")}});
    ASSERT_EQ(runExport(), QString());
    const QString folder = QStringLiteral(".._.._.._Outside.") + id() + QLatin1Char('/');
    EXPECT_EQ(filesBelow(images()), (QStringList{folder.chopped(1), folder + QStringLiteral("Front.jpg"),
                                                 folder + QStringLiteral("Screenshots"),
                                                 folder + QStringLiteral("Screenshots/escape.png")}));
    EXPECT_EQ(filesBelow(exportFolder()).size(), 2 + 5);
}

} // namespace

#include "nostalgia/NostalgiaSkin.h"
#include "base/IniFile.h"
#include "nostalgia/SkinPictureCache.h"
#include "support/Files.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A skins folder with every era's file and one platform's, so that a wrong choice shows as the
// wrong name rather than as the fallback.
class SkinsFolder : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        for (const char *name :
             {"skins.ini", "DOS8086skins.ini", "DOS286skins.ini", "DOS386skins.ini", "DOS486skins.ini",
              "DOSPentiumskins.ini", "Amigaskins.ini", "Win 3.xskins.ini"})
            ASSERT_TRUE(writeFile(folder() + QLatin1Char('/') + QLatin1String(name), "[Main]\r\n"));
    }
    QString folder() const { return dir.path() + QStringLiteral("/Skins"); }
    QString chosen(const QString &platform, const QString &year) const
    {
        return QFileInfo(NostalgiaSkin::chooseFile(folder(), platform, year)).fileName();
    }

    QTemporaryDir dir;
};

TEST_F(SkinsFolder, DosGamesTakeTheFileOfTheirEraAtEveryBoundary)
{
    const struct
    {
        const char *year;
        const char *file;
    } cases[] = {
        {"1981", "DOS8086skins.ini"},    {"1982", "DOS8086skins.ini"}, {"1983", "DOS286skins.ini"},
        {"1985", "DOS286skins.ini"},     {"1986", "DOS386skins.ini"},  {"1989", "DOS386skins.ini"},
        {"1990", "DOS486skins.ini"},     {"1995", "DOS486skins.ini"},  {"1996", "DOSPentiumskins.ini"},
        {"2004", "DOSPentiumskins.ini"}, {"", "DOS486skins.ini"},      {" 1984 ", "DOS286skins.ini"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(chosen(QStringLiteral("DOS"), QLatin1String(c.year)), QLatin1String(c.file)) << c.year;
}

TEST_F(SkinsFolder, YearsKnownOnlyInPartStillPickAnEra)
{
    // The decade counts from its first year; a range from its first; no digits at all as no year.
    EXPECT_EQ(chosen(QStringLiteral("DOS"), QStringLiteral("198x")), QStringLiteral("DOS8086skins.ini"));
    EXPECT_EQ(chosen(QStringLiteral("DOS"), QStringLiteral("199?")), QStringLiteral("DOS486skins.ini"));
    EXPECT_EQ(chosen(QStringLiteral("DOS"), QStringLiteral("1987-1989")), QStringLiteral("DOS386skins.ini"));
    EXPECT_EQ(chosen(QStringLiteral("DOS"), QStringLiteral("c. 1997")),
              QStringLiteral("DOSPentiumskins.ini"));
    EXPECT_EQ(chosen(QStringLiteral("DOS"), QStringLiteral("Unknown")), QStringLiteral("DOS486skins.ini"));
    EXPECT_EQ(NostalgiaSkin::eraYear(QStringLiteral("198x")), 1980);
}

TEST_F(SkinsFolder, OtherPlatformsAreUsedAsWrittenAndFallBackToTheDefault)
{
    EXPECT_EQ(chosen(QStringLiteral("Amiga"), QStringLiteral("1991")), QStringLiteral("Amigaskins.ini"));
    // Blanks and dots are part of the name.
    EXPECT_EQ(chosen(QStringLiteral("Win 3.x"), QString()), QStringLiteral("Win 3.xskins.ini"));
    EXPECT_EQ(NostalgiaSkin::wantedFileName(QStringLiteral("Win 3.x"), QString()),
              QStringLiteral("Win 3.xskins.ini"));
    // "dos" is no DOS: it asks for its own file, which is not there.
    EXPECT_EQ(NostalgiaSkin::wantedFileName(QStringLiteral("dos"), QStringLiteral("1987")),
              QStringLiteral("dosskins.ini"));
    EXPECT_EQ(chosen(QStringLiteral("dos"), QStringLiteral("1987")), QStringLiteral("skins.ini"));
    EXPECT_EQ(chosen(QString(), QString()), QStringLiteral("skins.ini"));
    EXPECT_EQ(chosen(QStringLiteral("Atari ST"), QStringLiteral("1987")), QStringLiteral("skins.ini"));
    // A platform never leads out of the skins folder.
    ASSERT_TRUE(writeFile(dir.path() + QStringLiteral("/x/evilskins.ini"), "[Main]\r\n"));
    EXPECT_EQ(chosen(QStringLiteral("../x/evil"), QString()), QStringLiteral("skins.ini"));
}

TEST_F(SkinsFolder, AMissingEraFileFallsBackToTheDefaultNotToANeighbour)
{
    ASSERT_TRUE(QFile::remove(folder() + QStringLiteral("/DOS386skins.ini")));
    EXPECT_EQ(chosen(QStringLiteral("DOS"), QStringLiteral("1987")), QStringLiteral("skins.ini"));
    EXPECT_EQ(chosen(QStringLiteral("DOS"), QStringLiteral("1985")), QStringLiteral("DOS286skins.ini"));
}

TEST(NostalgiaWidthBucket, EveryBoundary)
{
    const int cases[][2] = {{640, 800},   {1000, 800},  {1001, 1000}, {1200, 1000},
                            {1201, 1200}, {1400, 1200}, {1401, 1400}, {1700, 1400},
                            {1701, 1800}, {1750, 1800}, {2560, 1800}};
    for (const auto &c : cases)
        EXPECT_EQ(NostalgiaSkin::widthBucket(c[0]), c[1]) << c[0];
}

TEST(NostalgiaSkinValues, KeysOfTheBucketWithTheirDefaults)
{
    QTemporaryDir dir;
    const QString file = dir.path() + QStringLiteral("/skins.ini");
    ASSERT_TRUE(writeFile(
        file, "[Main]\r\nTransitionDelay=5\r\n"
              "[Computer]\r\nImage=pc.png\r\n800Left=10\r\n800Top=20\r\n800Width=300\r\n800Height=240\r\n"
              "1000Left=11\r\n1800Left=$20\r\n"
              "[List]\r\n800Font=Px IBM VGA8\r\n800FontSize= 9 \r\n800Width=180\r\n"
              "[Extras]\r\n1000Top=400\r\n[Disk]\r\n800FontSize=eight\r\n"));
    const IniFile ini(file);

    const NostalgiaSkinValues narrow = NostalgiaSkinValues::read(ini, NostalgiaSkin::widthBucket(1000));
    EXPECT_EQ(narrow.TransitionDelay, 5);
    EXPECT_EQ(narrow.computerImage, QStringLiteral("pc.png"));
    EXPECT_EQ(narrow.computer, QRect(10, 20, 300, 240));
    EXPECT_EQ(narrow.listFont, QStringLiteral("Px IBM VGA8"));
    EXPECT_EQ(narrow.listFontSize, 9);
    EXPECT_EQ(narrow.listWidth, 180);
    // A value that is no number reads as the default, as the settings file reads it.
    EXPECT_EQ(narrow.diskFontSize, 12);
    EXPECT_EQ(narrow.extrasTop, 100);
    EXPECT_EQ(narrow.screen, QRect(100, 100, 100, 100));
    EXPECT_TRUE(narrow.backgroundImage.isEmpty());

    const NostalgiaSkinValues middle = NostalgiaSkinValues::read(ini, NostalgiaSkin::widthBucket(1001));
    EXPECT_EQ(middle.computer, QRect(11, 100, 100, 100));
    EXPECT_EQ(middle.extrasTop, 400);
    EXPECT_EQ(middle.listFont, QStringLiteral("Lucida Console"));
    EXPECT_EQ(middle.extrasFont, QStringLiteral("Verdana"));
    EXPECT_EQ(middle.extrasFontSize, 12);
    EXPECT_EQ(middle.listFontSize, 10);

    const NostalgiaSkinValues wide = NostalgiaSkinValues::read(ini, NostalgiaSkin::widthBucket(1750));
    EXPECT_EQ(wide.bucket, 1800);
    EXPECT_EQ(wide.computer.left(), 32);

    // No file at all: every default, no picture.
    const NostalgiaSkinValues none =
        NostalgiaSkinValues::read(IniFile(dir.path() + QStringLiteral("/no.ini")), 800);
    EXPECT_EQ(none.TransitionDelay, 3);
    EXPECT_EQ(none.front, QRect(100, 100, 100, 100));
    EXPECT_TRUE(none.computerImage.isEmpty());
}

TEST(SkinPictureCache, MissingAndBrokenPicturesSayWhyAndChangedFilesAreReadAgain)
{
    QTemporaryDir dir;
    const QString picture = dir.path() + QStringLiteral("/pc.png");
    SkinPictureCache cache;
    const Result<QImage> none = cache.load(QString());
    ASSERT_TRUE(none);
    EXPECT_TRUE(none->isNull());

    const Result<QImage> missing = cache.load(picture);
    ASSERT_FALSE(missing);
    EXPECT_TRUE(missing.error().message().contains(picture));

    ASSERT_TRUE(writeFile(picture, "not a picture"));
    const Result<QImage> broken = cache.load(picture);
    ASSERT_FALSE(broken);
    EXPECT_FALSE(broken.error().message().isEmpty());

    ASSERT_TRUE(writeFile(picture, pngBytes(30, 20)));
    const Result<QImage> read = cache.load(picture);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->size(), QSize(30, 20));
}

} // namespace

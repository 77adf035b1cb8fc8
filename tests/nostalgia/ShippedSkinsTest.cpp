// The skins that ship beside the program: a picture that a skins file names but that is missing
// or broken stops every selection with an error, and a box that reaches under the list or onto
// another piece spoils the view at that width. The pictures and the layout are written by
// tools/skins/make_skins.py; these checks hold whatever it draws.

#include "base/IniFile.h"

#include <QDir>
#include <QFontDatabase>
#include <QImage>
#include <QRect>

#include <gtest/gtest.h>

#include <array>

namespace {

QString skinsFolder()
{
    return QStringLiteral(PALLOX_SAMPLE_DATA "/Skins");
}

const std::array<const char *, 8> ShippedFiles{
    "skins.ini",       "DOS8086skins.ini",    "DOS286skins.ini", "DOS386skins.ini",
    "DOS486skins.ini", "DOSPentiumskins.ini", "Amigaskins.ini",  "Commodore 64skins.ini"};

struct Bucket
{
    int key;
    int windowWidth; // the smallest window of the bucket
    int viewHeight;  // its client area, less the menu bar, on a window of the bucket's least height
};
// Below 1001 x 650 (and so on) a window of the bucket may crowd the pieces; above, it only gains
// room to their right and below.
const std::array<Bucket, 5> Buckets{
    {{800, 800, 560}, {1000, 1001, 610}, {1200, 1201, 710}, {1400, 1401, 810}, {1800, 1701, 910}}};

QRect box(const IniFile &ini, const char *section, int bucket)
{
    const QString s = QLatin1String(section);
    const QString b = QString::number(bucket);
    return QRect(ini.readInteger(s, b + QStringLiteral("Left"), -1),
                 ini.readInteger(s, b + QStringLiteral("Top"), -1),
                 ini.readInteger(s, b + QStringLiteral("Width"), -1),
                 ini.readInteger(s, b + QStringLiteral("Height"), -1));
}

class ShippedSkin : public ::testing::TestWithParam<const char *>
{
  protected:
    IniFile ini{skinsFolder() + QLatin1Char('/') + QLatin1String(GetParam())};
};

TEST_P(ShippedSkin, EveryPictureItNamesLoads)
{
    const std::array<std::pair<const char *, const char *>, 7> pictures{{{"Computer", "Image"},
                                                                         {"Background", "Image"},
                                                                         {"Manual", "Image"},
                                                                         {"Manual", "Highlight"},
                                                                         {"BigScreen", "Image"},
                                                                         {"OpenBox", "Image"},
                                                                         {"Disk", "Image"}}};
    for (const auto &[section, key] : pictures) {
        const QString name = ini.readString(QLatin1String(section), QLatin1String(key), QString());
        ASSERT_FALSE(name.isEmpty()) << section << " " << key;
        const QImage image(skinsFolder() + QLatin1Char('/') + name);
        EXPECT_FALSE(image.isNull()) << name.toStdString();
    }
    // The big screen is shown at 800 x 600 from its top left corner, the disk square.
    const QImage big(skinsFolder() + QLatin1Char('/') +
                     ini.readString(QStringLiteral("BigScreen"), QStringLiteral("Image"), {}));
    EXPECT_EQ(big.size(), QSize(800, 600));
    const QImage disk(skinsFolder() + QLatin1Char('/') +
                      ini.readString(QStringLiteral("Disk"), QStringLiteral("Image"), {}));
    EXPECT_EQ(disk.width(), disk.height());
}

TEST_P(ShippedSkin, TheGameScreenLiesOnTheComputersGlassAtEveryWidth)
{
    const QImage computer(skinsFolder() + QLatin1Char('/') +
                          ini.readString(QStringLiteral("Computer"), QStringLiteral("Image"), {}));
    ASSERT_FALSE(computer.isNull());
    for (const Bucket &b : Buckets) {
        SCOPED_TRACE(b.key);
        const QRect comp = box(ini, "Computer", b.key);
        const QRect screen = box(ini, "Screen", b.key);
        EXPECT_EQ(screen, box(ini, "Title", b.key));
        EXPECT_TRUE(comp.contains(screen)) << "screen outside the computer";
        // The computer is drawn fitted with its proportions kept; a box of other proportions
        // would leave the drawn glass off the Screen box.
        EXPECT_NEAR(double(comp.width()) / comp.height(), double(computer.width()) / computer.height(), 0.01);
        // A game screen is about 4:3; a much wider or narrower glass would distort every one.
        const double aspect = double(screen.width()) / screen.height();
        EXPECT_GT(aspect, 1.2);
        EXPECT_LT(aspect, 1.55);
    }
}

TEST_P(ShippedSkin, PiecesKeepClearOfEachOtherAndOfTheList)
{
    for (const Bucket &b : Buckets) {
        SCOPED_TRACE(b.key);
        EXPECT_EQ(box(ini, "Front", b.key), box(ini, "Back", b.key));
        const int listWidth =
            ini.readInteger(QStringLiteral("List"), QString::number(b.key) + QStringLiteral("Width"), -1);
        ASSERT_GT(listWidth, 0);
        const QRect usable(0, 0, b.windowWidth - listWidth - 4, b.viewHeight - 34); // platform row below
        const std::array<const char *, 4> sections{"Computer", "Front", "Manual", "OpenBox"};
        for (size_t i = 0; i < sections.size(); ++i) {
            const QRect r = box(ini, sections[i], b.key);
            EXPECT_TRUE(usable.contains(r)) << sections[i];
            for (size_t j = i + 1; j < sections.size(); ++j)
                EXPECT_FALSE(r.intersects(box(ini, sections[j], b.key)))
                    << sections[i] << " and " << sections[j];
        }
        // The seven extras lines stand above the computer.
        const int extrasTop =
            ini.readInteger(QStringLiteral("Extras"), QString::number(b.key) + QStringLiteral("Top"), -1);
        const int extrasSize =
            ini.readInteger(QStringLiteral("Extras"), QString::number(b.key) + QStringLiteral("FontSize"), 0);
        EXPECT_GE(extrasTop, 0);
        EXPECT_LE(extrasTop + 7 * (extrasSize * 96 / 72 + 2), box(ini, "Computer", b.key).top());
    }
}

TEST_P(ShippedSkin, TheListFontShipsBesideTheSkins)
{
    QStringList families;
    const QDir dir(skinsFolder());
    for (const QString &file : dir.entryList({QStringLiteral("*.ttf"), QStringLiteral("*.otf")}, QDir::Files))
        families +=
            QFontDatabase::applicationFontFamilies(QFontDatabase::addApplicationFont(dir.filePath(file)));
    for (const Bucket &b : Buckets)
        EXPECT_TRUE(families.contains(
            ini.readString(QStringLiteral("List"), QString::number(b.key) + QStringLiteral("Font"), {})))
            << b.key;
}

INSTANTIATE_TEST_SUITE_P(Skins, ShippedSkin, ::testing::ValuesIn(ShippedFiles));

} // namespace

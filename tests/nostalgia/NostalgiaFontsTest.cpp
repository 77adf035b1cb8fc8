#include "nostalgia/NostalgiaFonts.h"
#include "nostalgia/NostalgiaSkin.h"

#include <QFontDatabase>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

TEST(NostalgiaFonts, TheShippedFontIsTheDosLetteringAndAMissingFamilyFallsBackToIt)
{
    NostalgiaFonts::loadSkinFonts(QStringLiteral(PALLOX_SAMPLE_DATA "/Skins"));
    const QFont dos = NostalgiaFonts::dosFont();
    EXPECT_TRUE(dos.family().contains(QStringLiteral("VGA"))) << dos.family().toStdString();
    EXPECT_EQ(dos.pixelSize(), 16);
    // Loading the folder again adds nothing and keeps the family.
    NostalgiaFonts::loadSkinFonts(QStringLiteral(PALLOX_SAMPLE_DATA "/Skins"));
    EXPECT_EQ(NostalgiaFonts::dosFont().family(), dos.family());

    NostalgiaSkinValues skin;
    skin.listFont = QStringLiteral("No Such Family 7f3a");
    skin.listFontSize = 0;
    skin.diskFontSize = -3;
    skin.extrasFont = QStringLiteral("No Such Family 7f3a");
    skin.extrasFontSize = 9;
    const QFont list = NostalgiaFonts::listFont(QFont(), skin);
    EXPECT_EQ(list.family(), dos.family());
    EXPECT_EQ(list.pointSize(), 1);
    EXPECT_EQ(NostalgiaFonts::diskFont(QFont(), skin).pointSize(), 1);
    // The extras take the skin's family as named: Qt's own substitution picks a stand-in.
    const QFont extras = NostalgiaFonts::extrasFont(QFont(), skin);
    EXPECT_EQ(extras.family(), skin.extrasFont);
    EXPECT_EQ(extras.pointSize(), 9);

    // A family the machine has is the skin's to choose.
    const QStringList families = QFontDatabase::families();
    const auto other = std::find_if(families.begin(), families.end(),
                                    [&dos](const QString &family) { return family != dos.family(); });
    ASSERT_NE(other, families.end());
    skin.listFont = *other;
    skin.listFontSize = 14;
    EXPECT_EQ(NostalgiaFonts::listFont(QFont(), skin).family(), *other);
    EXPECT_EQ(NostalgiaFonts::listFont(QFont(), skin).pointSize(), 14);
}

} // namespace

#include "session/AppearanceSettings.h"

#include "support/Files.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

namespace {

using Color = AppearanceSettings::Color;
using Font = AppearanceSettings::Font;

class AppearanceSettingsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        path = dir.filePath(QStringLiteral("PALLOX.ini"));
    }

    // The model on a settings file that holds these bytes, counting what it announces.
    AppearanceSettings &open(const QByteArray &bytes)
    {
        EXPECT_TRUE(writeFile(path, bytes));
        settings = std::make_unique<SettingsFile>(path);
        model = std::make_unique<AppearanceSettings>(*settings);
        QObject::connect(model.get(), &AppearanceSettings::changed, [this](bool list) { announced.push_back(list); });
        return *model;
    }
    QByteArray bytes() const { return readFile(path); }

    QTemporaryDir dir;
    QString path;
    std::unique_ptr<SettingsFile> settings;
    std::unique_ptr<AppearanceSettings> model;
    std::vector<bool> announced;
};

TEST_F(AppearanceSettingsTest, EachColourHasItsKeyAndOnlyTheBackgroundsLeaveTheirLabelsAlone)
{
    const struct
    {
        Color item;
        const char *key;
        bool labelShowsColor;
    } cases[] = {
        {Color::MainListBackground, "lbMainBGColor", false}, {Color::Name, "NameFontColor", true},
        {Color::NameShadow, "NameShadowColor", true},        {Color::NoteBackground, "NoteBGColor", false},
        {Color::Details, "DetailsColor", true},              {Color::DetailsHighlight, "DetailsHLColor", true},
        {Color::DetailsText, "DetailsTextColor", true},      {Color::DetailsBackground, "DetailsBGColor", true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.key);
        AppearanceSettings &appearance = open("[Main]\r\n");
        appearance.setColor(c.item, QColor(0x12, 0x34, 0x56));
        EXPECT_EQ(bytes(), QByteArray("[Main]\r\n") + c.key + "=$00563412\r\n");
        EXPECT_EQ(AppearanceSettings::labelShowsColor(c.item), c.labelShowsColor);
        EXPECT_EQ(announced, std::vector<bool>{false});
        announced.clear();
    }
}

TEST_F(AppearanceSettingsTest, BackgroundAndItsResetAreWrittenAsTheDialogWouldWriteThem)
{
    AppearanceSettings &appearance = open("[Main]\r\nBGColor=clRed\r\n");
    appearance.setBackground(QColor(0x40, 0x80, 0xFF));
    EXPECT_EQ(bytes(), QByteArray("[Main]\r\nBGColor=$00FF8040\r\n"));
    appearance.resetBackground();
    EXPECT_EQ(bytes(), QByteArray("[Main]\r\nBGColor=$00484800\r\n"));
    EXPECT_EQ(announced, (std::vector<bool>{false, false}));
}

TEST_F(AppearanceSettingsTest, AFontStoresFourKeysInOrderAndKeepsTheSizeWhenGivenInPixels)
{
    AppearanceSettings &appearance = open("[Main]\r\nNameFontSize=22\r\n");
    QFont pixels(QStringLiteral("Courier"));
    pixels.setPixelSize(30);
    pixels.setBold(true);
    appearance.setFont(Font::Name, pixels, QColor(Qt::red));
    EXPECT_EQ(bytes(), QByteArray("[Main]\r\nNameFontSize=22\r\nNameFontName=Courier\r\nNameFontColor=clRed\r\n"
                                  "NameFontStyle=Bold\r\n"));

    appearance.setFont(Font::MainList, QFont(QStringLiteral("Tahoma"), 11), QColor(0x10, 0x20, 0x30));
    EXPECT_TRUE(bytes().endsWith("lbMainListFontName=Tahoma\r\nlbMainListFontSize=11\r\n"
                                 "lbMainListFontColor=$00302010\r\nlbMainListFontStyle=\r\n"));
    EXPECT_EQ(announced, (std::vector<bool>{false, true})) << "only the list's own font resizes the list";
}

} // namespace

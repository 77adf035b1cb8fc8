#include "session/AppearanceModel.h"

#include "base/IniFile.h"
#include "base/SettingsFile.h"
#include "support/FakeDialogs.h"
#include "support/Files.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

namespace {

using Color = Theme::Color;
using Font = Theme::Font;

// Remembers what each colour dialog opened with.
class OpeningDialogs : public FakeDialogs
{
  public:
    std::optional<QColor> chooseColor(const QColor &initial) override
    {
        opened.push_back(initial);
        return FakeDialogs::chooseColor(initial);
    }
    std::vector<QColor> opened;
};

class AppearanceModelTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        path = dir.filePath(QStringLiteral("PALLOX.ini"));
    }

    // The model on a settings file that holds these bytes, keeping what it announces.
    AppearanceModel &open(const QByteArray &bytes)
    {
        EXPECT_TRUE(writeFile(path, bytes));
        model.reset();
        settings = std::make_unique<SettingsFile>(path);
        model = std::make_unique<AppearanceModel>(*settings, dialogs);
        QObject::connect(model.get(), &AppearanceModel::themeChanged, [this](const Theme &theme, bool list) {
            announced.push_back(list);
            lastAnnounced = theme;
        });
        return *model;
    }
    QByteArray bytes() const { return readFile(path); }

    QTemporaryDir dir;
    QString path;
    OpeningDialogs dialogs;
    std::unique_ptr<SettingsFile> settings;
    std::unique_ptr<AppearanceModel> model;
    std::vector<bool> announced;
    Theme lastAnnounced;
};

// A colour as a widget whose default is blue takes it.
QColor shown(const ThemeColor &color)
{
    return color.on(QPalette(), QColor(Qt::blue));
}

TEST_F(AppearanceModelTest, EachColourIsWrittenUnderItsKeyAndAnnouncedInTheTheme)
{
    const struct
    {
        Color item;
        const char *key;
    } cases[] = {
        {Color::MainListBackground, "lbMainBGColor"}, {Color::Name, "NameFontColor"},
        {Color::NameShadow, "NameShadowColor"},       {Color::NoteBackground, "NoteBGColor"},
        {Color::Details, "DetailsColor"},             {Color::DetailsHighlight, "DetailsHLColor"},
        {Color::DetailsText, "DetailsTextColor"},     {Color::DetailsBackground, "DetailsBGColor"},
    };
    const QColor chosen(0x12, 0x34, 0x56);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.key);
        AppearanceModel &appearance = open("[Main]\r\n");
        appearance.setColor(c.item, chosen);
        EXPECT_EQ(bytes(), QByteArray("[Main]\r\n") + c.key + "=$00563412\r\n");
        EXPECT_EQ(announced, std::vector<bool>{false});
        announced.clear();
        // What the windows apply is what the file now says, and a later run reads the same.
        EXPECT_EQ(shown(lastAnnounced.color(c.item)), chosen);
        EXPECT_EQ(shown(appearance.theme().color(c.item)), chosen);
        SettingsFile later(path);
        EXPECT_EQ(shown(AppearanceModel(later, dialogs).theme().color(c.item)), chosen);
    }
    EXPECT_EQ(shown(lastAnnounced.details), QColor(0x22, 0x8B, 0x22)) << "the others keep their defaults";
}

TEST_F(AppearanceModelTest, BackgroundAndItsResetAreWrittenAsTheDialogWouldWriteThem)
{
    AppearanceModel &appearance = open("[Main]\r\nBGColor=clRed\r\n");
    EXPECT_EQ(shown(appearance.theme().background), QColor(Qt::red));
    appearance.setBackground(QColor(0x40, 0x80, 0xFF));
    EXPECT_EQ(bytes(), QByteArray("[Main]\r\nBGColor=$00FF8040\r\n"));
    EXPECT_EQ(shown(lastAnnounced.background), QColor(0x40, 0x80, 0xFF));
    appearance.resetBackground();
    EXPECT_EQ(bytes(), QByteArray("[Main]\r\nBGColor=$00484800\r\n"));
    EXPECT_EQ(shown(lastAnnounced.background), QColor(0x00, 0x48, 0x48));
    EXPECT_EQ(announced, (std::vector<bool>{false, false}));
}

TEST_F(AppearanceModelTest, AFontStoresFourKeysInOrderAndKeepsTheSizeWhenGivenInPixels)
{
    AppearanceModel &appearance = open("[Main]\r\nNameFontSize=22\r\n");
    QFont pixels(QStringLiteral("Courier"));
    pixels.setPixelSize(30);
    pixels.setBold(true);
    appearance.setFont(Font::Name, pixels, QColor(Qt::red));
    EXPECT_EQ(bytes(), QByteArray("[Main]\r\nNameFontSize=22\r\nNameFontName=Courier\r\nNameFontColor=clRed\r\n"
                                  "NameFontStyle=Bold\r\n"));
    EXPECT_EQ(lastAnnounced.name.font.pointSize(), 22);
    EXPECT_TRUE(lastAnnounced.name.font.bold());
    EXPECT_EQ(shown(lastAnnounced.name.color), QColor(Qt::red));
    EXPECT_EQ(shown(lastAnnounced.color(Color::Name)), QColor(Qt::red)) << "one setting for both choosers";

    appearance.setFont(Font::MainList, QFont(QStringLiteral("Tahoma"), 11), QColor(0x10, 0x20, 0x30));
    EXPECT_TRUE(bytes().endsWith("lbMainListFontName=Tahoma\r\nlbMainListFontSize=11\r\n"
                                 "lbMainListFontColor=$00302010\r\nlbMainListFontStyle=\r\n"));
    EXPECT_EQ(lastAnnounced.mainList.font.pointSize(), 11);
    EXPECT_FALSE(lastAnnounced.mainList.font.bold());
    EXPECT_EQ(announced, (std::vector<bool>{false, true})) << "only the list's own font resizes the list";
}

// Texts that name a system colour or none, or that cannot be read at all.
TEST_F(AppearanceModelTest, SystemColoursAndUnreadableTextsAreLeftToTheWidget)
{
    const Theme &theme = open("[Main]\r\nDetailsColor=clWindowText\r\nDetailsHLColor=clDefault\r\n"
                              "DetailsBGColor=not a colour\r\nNoteBGColor=clNone\r\n")
                             .theme();
    QPalette palette;
    palette.setColor(QPalette::Active, QPalette::Text, QColor(Qt::magenta));
    EXPECT_EQ(theme.details.on(palette, QColor(Qt::blue)), QColor(Qt::magenta));
    EXPECT_EQ(theme.detailsHighlight.on(palette, QColor(Qt::blue)), QColor(Qt::blue));
    EXPECT_EQ(theme.detailsBackground.on(palette, QColor(Qt::blue)), QColor(Qt::blue));
    EXPECT_EQ(theme.noteBackground.on(palette, QColor(Qt::blue)), QColor(Qt::transparent));
}

// What is asked for at each use follows a hand edit of the file without any announcement.
TEST_F(AppearanceModelTest, AHandEditShowsAtTheNextUse)
{
    AppearanceModel &appearance = open("[Main]\r\nDetailsHLColor=clRed\r\n");
    EXPECT_EQ(shown(appearance.theme().detailsHighlight), QColor(Qt::red));
    ASSERT_TRUE(IniFile(path).writeString(QStringLiteral("Main"), QStringLiteral("DetailsHLColor"),
                                          QStringLiteral("clLime")));
    EXPECT_EQ(shown(appearance.theme().detailsHighlight), QColor(Qt::green));
    EXPECT_TRUE(announced.empty());
}

TEST_F(AppearanceModelTest, EachDialogOpensWithWhatWasConfirmedInItLast)
{
    AppearanceModel &appearance = open("[Main]\r\n");
    dialogs.color = QColor(Qt::red);
    EXPECT_EQ(appearance.chooseColor(), QColor(Qt::red));
    dialogs.color.reset();
    EXPECT_EQ(appearance.chooseColor(), std::nullopt);
    dialogs.color = QColor(); // what a dialog closed without a colour may answer
    EXPECT_EQ(appearance.chooseColor(), std::nullopt);
    appearance.chooseColor();
    EXPECT_EQ(dialogs.opened, (std::vector<QColor>{Qt::white, Qt::red, Qt::red, Qt::red}));

    EXPECT_EQ(appearance.chooseFont(), std::nullopt);
    EXPECT_EQ(dialogs.lastFontShown.color, QColor(Qt::black));
    dialogs.font = QFont(QStringLiteral("Serif"), 13);
    dialogs.fontColor = Qt::blue;
    ASSERT_TRUE(appearance.chooseFont());
    dialogs.font.reset();
    appearance.chooseFont();
    EXPECT_EQ(dialogs.lastFontShown.font.pointSize(), 13);
    appearance.chooseFont();
    EXPECT_EQ(dialogs.lastFontShown.color, QColor(Qt::blue));
    EXPECT_EQ(bytes(), QByteArray("[Main]\r\n")) << "a choice in a dialog alone is no setting";
}

} // namespace

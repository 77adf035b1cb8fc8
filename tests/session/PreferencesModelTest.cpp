#include "base/IniFile.h"
#include "base/SettingsFile.h"
#include "session/PreferencesModel.h"
#include "support/Files.h"

#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

// The preferences over a settings file of their own, read as start-up reads them.
class PreferencesModelTest : public ::testing::Test
{
protected:
    QString file() const { return dir.filePath(QStringLiteral("PALLOX.ini")); }

    PreferencesModel &open(const QByteArray &mainSection)
    {
        EXPECT_TRUE(writeFile(file(), "[Main]\r\n" + mainSection));
        settings = std::make_unique<SettingsFile>(file());
        settings->setErrorHandler([this](const Failure &failure) { messages << failure.message(); });
        model = std::make_unique<PreferencesModel>(*settings);
        model->open(QStringLiteral("/default/root/"));
        return *model;
    }

    QString stored(const char *key) const
    {
        return IniFile(file()).readString(QStringLiteral("Main"), QLatin1String(key), QStringLiteral("<none>"));
    }

    QTemporaryDir dir;
    std::unique_ptr<SettingsFile> settings;
    std::unique_ptr<PreferencesModel> model;
    QStringList messages;
};

TEST_F(PreferencesModelTest, StartUpReadsWhatTheFileHoldsAndFallsBackForWhatItLacks)
{
    const Preferences &read = open("VADPath=/games\r\nConfirmClose=1\r\nShowDates=0\r\nNostalgiaMode=1\r\n"
                                   "AboutListSeparator=-24\r\nLastSelectedGame=7\r\nWidth=1024\r\nHeight=700\r\n")
                                  .preferences();
    EXPECT_EQ(read.libraryRoot, QStringLiteral("/games/")) << "a root always ends in its separator";
    EXPECT_TRUE(read.confirmClose && !read.showDates && read.nostalgiaMode && !read.rememberLastSelected);
    EXPECT_EQ(read.aboutListSeparator, -24);
    EXPECT_EQ(read.lastSelectedIndex, 7);
    EXPECT_EQ(read.windowSize, QSize(1024, 700));
    EXPECT_EQ(stored("VADPath"), QStringLiteral("/games")) << "reading writes nothing";

    const Preferences &fallen = open(QByteArray()).preferences();
    EXPECT_EQ(fallen.libraryRoot, QStringLiteral("/default/root/"));
    EXPECT_EQ(stored("VADPath"), QStringLiteral("/default/root/")) << "a file without a root is given the default";
    EXPECT_TRUE(!fallen.confirmClose && fallen.showDates && !fallen.nostalgiaMode);
    EXPECT_EQ(fallen.windowSize, QSize(800, 600));
    EXPECT_TRUE(messages.isEmpty());
}

// Each option a window changes is taken, written under its own key at once and announced once
// with its new value by its own signal; a window that listens to one hears nothing of the others.
TEST_F(PreferencesModelTest, EachSetterWritesItsKeyAndAnnouncesItsValueOnce)
{
    PreferencesModel &preferences = open("VADPath=/games\r\n");
    QSignalSpy roots(&preferences, &PreferencesModel::libraryRootChanged);
    QSignalSpy closes(&preferences, &PreferencesModel::confirmCloseChanged);
    QSignalSpy remembers(&preferences, &PreferencesModel::rememberLastSelectedChanged);
    QSignalSpy dates(&preferences, &PreferencesModel::showDatesChanged);
    QSignalSpy nostalgia(&preferences, &PreferencesModel::nostalgiaModeChanged);
    QSignalSpy separators(&preferences, &PreferencesModel::aboutListSeparatorChanged);
    struct Case
    {
        std::function<void()> set;
        const char *key;
        QString written;
        QSignalSpy *spy;
        QVariant announced;
    };
    const std::vector<Case> cases{
        {[&] { preferences.setConfirmClose(true); }, "ConfirmClose", QStringLiteral("1"), &closes, true},
        {[&] { preferences.setRememberLastSelected(true); }, "RememberLastSelected", QStringLiteral("1"), &remembers,
         true},
        {[&] { preferences.setShowDates(false); }, "ShowDates", QStringLiteral("0"), &dates, false},
        {[&] { preferences.setNostalgiaMode(true); }, "NostalgiaMode", QStringLiteral("1"), &nostalgia, true},
        {[&] { preferences.setAboutListSeparator(-24); }, "AboutListSeparator", QStringLiteral("-24"), &separators,
         -24},
        {[&] { preferences.setLibraryRoot(QStringLiteral("/elsewhere/games")); }, "VADPath",
         QStringLiteral("/elsewhere/games/"), &roots, QStringLiteral("/elsewhere/games/")},
    };
    for (const Case &c : cases) {
        c.set();
        EXPECT_EQ(stored(c.key), c.written) << c.key;
        for (const Case &other : cases) {
            ASSERT_EQ(other.spy->size(), &other <= &c ? 1 : 0) << c.key << " and the signal of " << other.key;
        }
        EXPECT_EQ(c.spy->at(0).at(0), c.announced) << c.key;
    }
    const Preferences &state = preferences.preferences();
    EXPECT_TRUE(state.confirmClose && state.rememberLastSelected && !state.showDates && state.nostalgiaMode);
    EXPECT_EQ(state.aboutListSeparator, -24);
    EXPECT_EQ(state.libraryRoot, QStringLiteral("/elsewhere/games/"));

    // The size waits for a pause, or for the close.
    preferences.rememberWindowSize(900, 640);
    EXPECT_EQ(stored("Width"), QStringLiteral("<none>"));
    EXPECT_TRUE(preferences.flush());
    EXPECT_EQ(stored("Width") + QLatin1Char('x') + stored("Height"), QStringLiteral("900x640"));
    EXPECT_TRUE(messages.isEmpty());
}

} // namespace

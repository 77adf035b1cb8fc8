#include "base/TextCodec.h"
#include "support/Files.h"
#include "support/LibraryBuilder.h"
#include "support/WindowFinder.h"
#include "support/TestPlatform.h"
#include "support/Utf8.h"
#include "ui/startup/PalloxRun.h"
#include "ui/main/TfrmAbout.h"
#include "ui/main/TfrmMain.h"

#include <QAction>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// A settings file edited by hand into values no dialog of ours would store: the program starts,
// its window fits the screen, and what the user opens can be closed from the keyboard.
TEST(HandEditedSettingsRun, AbsurdSizesGiveAWindowThatFitsTheScreen)
{
    LibraryBuilder lib;
    ASSERT_TRUE(lib.isValid());
    lib.setSubfolders({u("Adventure")});
    lib.addGame(u("Adventure"), u("Alpha"), u("Alpha Quest"), {{u("Year"), QString(40, QLatin1Char('9'))}});
    lib.setMainKey(u("Width"), u("999999999"))
        .setMainKey(u("Height"), u("2147483647"))
        .setMainKey(u("lbMainListFontSize"), u("100000"))
        .setMainKey(u("NameFontSize"), u("-2147483648"))
        .setMainKey(u("BGColor"), u("$zz"));
    lib.writeSettings();
    TestPlatform fake;
    fake.random.numbers = {0};
    auto run = PalloxRun::start(lib.root(), fake.platform());
    ASSERT_NE(run, nullptr);
    TfrmMain &window = run->mainWindow();

    const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
    EXPECT_LE(window.width(), screen.width());
    EXPECT_LE(window.height(), screen.height());
    EXPECT_GT(window.width(), 0);

    // Help > About, then Escape: the About window goes as it came, without a window manager.
    auto *about = window.findChild<QAction *>(u("mnuAbout"));
    ASSERT_NE(about, nullptr);
    about->trigger();
    TfrmAbout &aboutWindow = *::window<TfrmAbout>("TfrmAbout");
    ASSERT_TRUE(aboutWindow.isVisible());
    QTest::keyClick(&aboutWindow, Qt::Key_Escape);
    EXPECT_FALSE(aboutWindow.isVisible());
    EXPECT_TRUE(fake.dialogs.messages.isEmpty()) << fake.dialogs.messages.join(u'\n').toStdString();
}

// A settings file written on Windows, in its code page, and a library folder named in characters
// that code page lacks: the folder is stored, and the file is UTF-8 from then on.
TEST(HandEditedSettingsRun, AFolderTheCodePageCannotHoldTurnsTheSettingsFileIntoUtf8)
{
    LibraryBuilder lib;
    ASSERT_TRUE(lib.isValid());
    lib.setSubfolders({u("Adventure")});
    lib.addGame(u("Adventure"), u("Alpha"), u("Alpha Quest"), {{u("Year"), u("1990")}});
    lib.writeSettings();
    const QByteArray windows = readFile(lib.settingsFile()) + "; Caf\xe9 \x80\r\n";
    ASSERT_TRUE(writeFile(lib.settingsFile(), windows));
    ASSERT_EQ(TextCodec::decode(windows).encoding, TextEncoding::Windows1252);
    const QString folder = lib.path(u("ゲーム"));
    ASSERT_TRUE(QDir().mkpath(folder));
    TestPlatform fake;
    fake.random.numbers = {0};
    auto run = PalloxRun::start(lib.root(), fake.platform());
    ASSERT_NE(run, nullptr);
    TfrmMain &window = run->mainWindow();

    fake.dialogs.folder = folder;
    child<QPushButton>(window, "btnVADBrowse")->click();

    EXPECT_TRUE(fake.dialogs.messages.isEmpty()) << fake.dialogs.messages.join(u'\n').toStdString();
    EXPECT_EQ(child<QLabel>(window, "lblVADFolder")->text(), folder + u("/"));
    const QByteArray saved = readFile(lib.settingsFile());
    const DecodedText text = TextCodec::decode(saved);
    EXPECT_EQ(text.encoding, TextEncoding::Utf8);
    EXPECT_TRUE(text.text.contains(u("\r\nVADPath=%1/\r\n").arg(folder))) << saved.toStdString();
    EXPECT_TRUE(text.text.endsWith(u("; Café €\r\n"))) << saved.toStdString();
    EXPECT_EQ(text.text, TextCodec::decode(windows).text.replace(u("VADPath=") + lib.root(),
                                                                  u("VADPath=%1/").arg(folder)));
}

} // namespace

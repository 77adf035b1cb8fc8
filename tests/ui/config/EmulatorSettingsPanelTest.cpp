#include "base/SettingsFile.h"
#include "launch/EmulatorRegistry.h"
#include "session/LibrarySession.h"
#include "session/LaunchModel.h"
#include "support/Files.h"
#include "support/TestPlatform.h"
#include "support/Utf8.h"
#include "support/WindowFinder.h"
#include "ui/config/EmulatorSettingsPanel.h"
#include "ui/config/GlobalDOSBoxPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <utility>

namespace {

class EmulatorSettingsPanelTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_settingsPath = m_dir.filePath(u("PALLOX.ini"));
    }

    void writeSettings(const QByteArray &content)
    {
        ASSERT_TRUE(writeFile(m_settingsPath, content));
    }

    QByteArray fileBytes() const
    {
        return readFile(m_settingsPath);
    }

    // Builds the panel as start-up does: the session reads the emulators, then the panels show
    // section DOSBox and the "PC" group.
    void build()
    {
        m_session = std::make_unique<LibrarySession>(m_platformRefs, m_dir.path());
        m_session->launch().load();
        m_panel = std::make_unique<EmulatorSettingsPanel>(*m_session, nullptr);
        m_dosBox = std::make_unique<GlobalDOSBoxPanel>(*m_session, nullptr);
        m_dosBox->load();
        m_panel->loadAtStartup();
        m_panel->show();
    }

    QString read(const char *key) const
    {
        return m_session->settings().ini().readString(u("Main"), u(key), u("<missing>"));
    }

    template <class T> T *control(const char *name) const { return child<T>(*m_panel, name); }

    QStringList listed() const
    {
        QStringList names;
        for (int i = 0; i < control<QComboBox>("cbEmuList")->count(); ++i)
            names.append(control<QComboBox>("cbEmuList")->itemText(i));
        return names;
    }

    QStringList details() const
    {
        return {control<QLabel>("lblEmuName")->text(), control<QLabel>("lblEmuNick")->text(),
                control<QLabel>("lblEmuPath")->text(), control<QLabel>("lblEmuParams")->text()};
    }

    const EmulatorRegistry &registry() const { return m_session->launch().registry(); }

    QTemporaryDir m_dir;
    QString m_settingsPath;
    TestPlatform m_platform;
    Platform m_platformRefs = m_platform.platform();
    std::unique_ptr<LibrarySession> m_session;
    std::unique_ptr<EmulatorSettingsPanel> m_panel;
    std::unique_ptr<GlobalDOSBoxPanel> m_dosBox;
};

TEST_F(EmulatorSettingsPanelTest, DefaultsWithoutAnyKey)
{
    build();
    const char *expected[][3] = {
        {"DOSBox", "DOSBox", "PC"},
        {"ScummVM", "ScummVM", "PC"},
        {"Windows Frotz", "WinFrotz", "PC"},
        {"Magnetic", "Magnetic", "PC"},
        {"Nintendo Entertainment System", "NES", "Nintendo"},
        {"Super Nintendo", "SNES", "Nintendo"},
        {"MAME", "MAME", "Arcade"},
        {"MESS", "MESS", "Arcade"},
        {"Atari 2600", "2600", "Atari"},
        {"Atari 5200", "5200", "Atari"},
        {"Sega Master System", "SMS", "SEGA"},
        {"Nintendo 64", "N64", "Nintendo"},
        {"Gameboy Advance", "GBA", "Nintendo"},
        {"Macintosh", "MAC", "Apple"},
        {"Apple II", "Apple2", "Apple"},
    };
    for (int i = 0; i < EmulatorRegistry::BuiltInCount; ++i) {
        SCOPED_TRACE(i);
        const BuiltInEmulator &e = registry().builtIn(i);
        EXPECT_EQ((QStringList{e.Name, e.Nick, e.Tab}),
                  (QStringList{u(expected[i][0]), u(expected[i][1]), u(expected[i][2])}));
        EXPECT_TRUE(e.Path.isEmpty());
    }
    EXPECT_EQ(listed(), (QStringList{u("DOSBox"), u("ScummVM"), u("Windows Frotz"), u("Magnetic")}));
    EXPECT_EQ(details(), (QStringList{u("DOSBox"), u("DOSBox"), QString(), QString()}));
    EXPECT_FALSE(control<QLabel>("lblParams")->isVisible());
    EXPECT_FALSE(control<QWidget>("pnlEditEmu")->isVisible());
    EXPECT_TRUE(control<QPushButton>("btnEmusPC")->isChecked());
}

// Keys are formed from the stem, spaces and all; the MESS nick has its "z"; keys named after
// the display name are not read.
TEST_F(EmulatorSettingsPanelTest, KeyStems)
{
    writeSettings("[Main]\r\n"
                  "MESSzNick=X\r\nMESSNick=Y\r\n"
                  "Windows FrotzPath=C:\\Frotz\\frotz.exe\r\n"
                  "Atari 5200Path=wrong\r\nA5200Path=right5200\r\n"
                  "Sega Master SystemPath=wrong\r\nSMSPath=rightSMS\r\n"
                  "Nintendo 64Path=wrong\r\nN64Path=rightN64\r\n"
                  "Gameboy AdvancePath=wrong\r\nGBAPath=rightGBA\r\n"
                  "Apple IIPath=wrong\r\nApple2Path=rightApple\r\n"
                  "Atari 2600Name=VCS\r\n"
                  "MacintoshNick=Mac Plus\r\n");
    build();
    struct Expect { int builtIn; const char *name; const char *nick; const char *path; };
    const Expect expectations[] = {
        {EmulatorRegistry::MESS, "MESS", "X", ""},
        {EmulatorRegistry::WindowsFrotz, "Windows Frotz", "WinFrotz", "C:\\Frotz\\frotz.exe"},
        {EmulatorRegistry::Atari5200, "Atari 5200", "5200", "right5200"},
        {EmulatorRegistry::SMS, "Sega Master System", "SMS", "rightSMS"},
        {EmulatorRegistry::N64, "Nintendo 64", "N64", "rightN64"},
        {EmulatorRegistry::GBA, "Gameboy Advance", "GBA", "rightGBA"},
        {EmulatorRegistry::Apple2, "Apple II", "Apple2", "rightApple"},
        {EmulatorRegistry::Atari2600, "VCS", "2600", ""},
        {EmulatorRegistry::Macintosh, "Macintosh", "Mac Plus", ""},
    };
    for (const Expect &e : expectations) {
        SCOPED_TRACE(e.name);
        const BuiltInEmulator &b = registry().builtIn(e.builtIn);
        EXPECT_EQ(b.Name, u(e.name));
        EXPECT_EQ(b.Nick, u(e.nick));
        EXPECT_EQ(b.Path, u(e.path));
    }
    // The launch value stays fixed whatever the nick says.
    EXPECT_STREQ(EmulatorRegistry::definitions()[EmulatorRegistry::Macintosh].launchValue, "Mac");
}

TEST_F(EmulatorSettingsPanelTest, GroupsListBuiltInsThenCustomsAndPressTheirButton)
{
    writeSettings("[Main]\r\n"
                  "CustomEmuName1=Vice\r\nCustomEmuTab1=Other\r\nCustomEmuNick1=C64\r\nCustomEmuPath1=/emu/x64\r\n"
                  "CustomEmuParams1=-autostart\r\n"
                  "CustomEmuName2=Lower\r\nCustomEmuTab2=pc\r\n"
                  "CustomEmuName3=MAME\r\nCustomEmuTab3=Arcade\r\nCustomEmuNick3=M2\r\n"
                  "CustomEmuName4=DOSBox-X\r\nCustomEmuTab4=PC\r\n"
                  "CustomEmuName5=Vice\r\nCustomEmuTab5=Other\r\nCustomEmuNick5=C64b\r\nCustomEmuParams5=-warp\r\n"
                  "MAMEPath=/usr/games/mame\r\n");
    build();
    EXPECT_EQ(listed(), (QStringList{u("DOSBox"), u("ScummVM"), u("Windows Frotz"), u("Magnetic"), u("DOSBox-X")}));

    struct Group { QPushButton *button; QStringList names; QStringList shown; bool params; };
    auto button = [this](const char *name) { return control<QPushButton>(name); };
    const Group groups[] = {
        {button("btnEmusNintendo"),
         {u("Nintendo Entertainment System"), u("Super Nintendo"), u("Nintendo 64"), u("Gameboy Advance")},
         {u("Nintendo Entertainment System"), u("NES"), QString(), QString()}, false},
        {button("btnEmusAtari"), {u("Atari 2600"), u("Atari 5200")}, {u("Atari 2600"), u("2600"), QString(), QString()}, false},
        {button("btnEmusSega"), {u("Sega Master System")}, {u("Sega Master System"), u("SMS"), QString(), QString()}, false},
        // A custom emulator named like a built-in is listed too, but the built-in is shown.
        {button("btnEmusArcade"), {u("MAME"), u("MESS"), u("MAME")},
         {u("MAME"), u("MAME"), u("/usr/games/mame"), QString()}, false},
        {button("btnEmusApple"), {u("Macintosh"), u("Apple II")}, {u("Macintosh"), u("MAC"), QString(), QString()}, false},
        {button("btnEmusSony"), {}, {QString(), QString(), QString(), QString()}, false},
        // Two customs of one name: the last slot's details.
        {button("btnEmusOther"), {u("Vice"), u("Vice")}, {u("Vice"), u("C64b"), QString(), u("-warp")}, true},
        {button("btnEmusPC"), {u("DOSBox"), u("ScummVM"), u("Windows Frotz"), u("Magnetic"), u("DOSBox-X")},
         {u("DOSBox"), u("DOSBox"), QString(), QString()}, false},
    };
    for (const Group &g : groups) {
        SCOPED_TRACE(g.button->text().toStdString());
        g.button->click();
        EXPECT_EQ(listed(), g.names);
        EXPECT_EQ(details(), g.shown);
        EXPECT_EQ(control<QLabel>("lblParams")->isVisible(), g.params);
        for (const Group &h : groups) {
            const QPushButton *other = h.button;
            EXPECT_EQ(other->y(), other == g.button ? 2 : 0) << other->text().toStdString();
            EXPECT_EQ(other->isChecked(), other == g.button);
        }
    }
}

TEST_F(EmulatorSettingsPanelTest, ChoosingAndTypingInTheList)
{
    writeSettings("[Main]\r\nDOSBoxPath=/usr/bin/dosbox\r\nScummVMPath=/usr/games/scummvm\r\n"
                  "CustomEmuName1=Mine\r\nCustomEmuTab1=PC\r\nCustomEmuNick1=M\r\nCustomEmuPath1=/m\r\n"
                  "CustomEmuParams1=-p\r\n");
    build();
    control<QComboBox>("cbEmuList")->setCurrentIndex(4);
    EXPECT_EQ(details(), (QStringList{u("Mine"), u("M"), u("/m"), u("-p")}));
    EXPECT_TRUE(control<QLabel>("lblParams")->isVisible());

    control<QComboBox>("cbEmuList")->setCurrentIndex(1);
    EXPECT_EQ(details(), (QStringList{u("ScummVM"), u("ScummVM"), u("/usr/games/scummvm"), QString()}));
    EXPECT_FALSE(control<QLabel>("lblParams")->isVisible());

    // A typed text that names nothing keeps what was shown.
    control<QComboBox>("cbEmuList")->setCurrentIndex(4);
    QString typed;
    QObject::connect(m_panel.get(), &EmulatorSettingsPanel::emuListTextChanged,
                     [&typed](const QString &text) { typed = text; });
    control<QComboBox>("cbEmuList")->setEditText(u("Nothing like it"));
    EXPECT_EQ(details(), (QStringList{u("Mine"), u("M"), u("/m"), u("-p")}));
    EXPECT_FALSE(control<QLabel>("lblParams")->isVisible());
    EXPECT_EQ(typed, u("Nothing like it"));
}

TEST_F(EmulatorSettingsPanelTest, AddSavesANewCustomEmulatorThatTheNextGroupChangeLists)
{
    writeSettings("[Main]\r\nCustomEmuName1=One\r\nCustomEmuTab1=PC\r\nCustomEmuName2=Two\r\nCustomEmuTab2=PC\r\n");
    build();
    control<QPushButton>("btnEmusSony")->click();
    control<QPushButton>("btnAddEmu")->click();
    ASSERT_TRUE(control<QWidget>("pnlEditEmu")->isVisible());
    EXPECT_EQ(control<QLineEdit>("eEditEmuName")->text(), u("CustomEmu3"));
    EXPECT_EQ(control<QLabel>("lblEditEmuTab")->text(), u("Sony"));
    EXPECT_FALSE(control<QLineEdit>("eEditEmuName")->isReadOnly());
    EXPECT_TRUE(control<QLineEdit>("eEditEmuParams")->isVisible());
    EXPECT_EQ(control<QWidget>("pnlEditEmu")->pos(),
              control<QPushButton>("btnEmusPC")->mapTo(m_panel.get(), QPoint(0, 0)));

    control<QLineEdit>("eEditEmuName")->setText(u("ePSXe"));
    control<QLineEdit>("eEditEmuNick")->setText(u("PSX"));
    control<QLineEdit>("eEditEmuPath")->setText(u("/emu/epsxe"));
    control<QLineEdit>("eEditEmuParams")->setText(u("-nogui"));
    control<QPushButton>("btnEditEmuSave")->click();
    EXPECT_EQ(m_platform.dialogs.messages, QStringList{u("Please close and restart PALLOX to see changes")});
    EXPECT_FALSE(control<QWidget>("pnlEditEmu")->isVisible());
    EXPECT_EQ((QStringList{read("CustomEmuName3"), read("CustomEmuNick3"), read("CustomEmuPath3"),
                           read("CustomEmuTab3"), read("CustomEmuParams3")}),
              (QStringList{u("ePSXe"), u("PSX"), u("/emu/epsxe"), u("Sony"), u("-nogui")}));
    // Nothing changed in memory until a group is shown again.
    EXPECT_TRUE(registry().customSlot(3).Name.isEmpty());
    control<QPushButton>("btnEmusSony")->click();
    EXPECT_EQ(listed(), QStringList{u("ePSXe")});
    EXPECT_EQ(registry().customSlot(3).Nick, u("PSX"));

    // A slot emptied in the file is offered again after the slots were re-read.
    ASSERT_TRUE(IniFile(m_settingsPath).writeString(u("Main"), u("CustomEmuName2"), QString()));
    control<QPushButton>("btnEmusPC")->click();
    control<QPushButton>("btnAddEmu")->click();
    EXPECT_EQ(control<QLineEdit>("eEditEmuName")->text(), u("CustomEmu2"));
    EXPECT_EQ(control<QLabel>("lblEditEmuTab")->text(), u("PC"));

    // Cancel writes nothing.
    const QByteArray before = fileBytes();
    control<QPushButton>("btnEditEmuCancel")->click();
    EXPECT_FALSE(control<QWidget>("pnlEditEmu")->isVisible());
    EXPECT_EQ(fileBytes(), before);
}

// Add offers the first slot free in the file as it is now: one taken by our own Save a moment
// ago, or by another program while we run, is not offered again.
TEST_F(EmulatorSettingsPanelTest, AddNeverOffersASlotTheFileAlreadyUses)
{
    build();
    control<QPushButton>("btnEmusOther")->click();
    const auto add = [this](const char *name) {
        control<QPushButton>("btnAddEmu")->click();
        const QString offered = control<QLineEdit>("eEditEmuName")->text();
        control<QLineEdit>("eEditEmuName")->setText(u(name));
        control<QPushButton>("btnEditEmuSave")->click();
        return offered;
    };
    EXPECT_EQ(add("A"), u("CustomEmu1"));
    EXPECT_EQ(add("B"), u("CustomEmu2"));
    EXPECT_EQ((QStringList{read("CustomEmuName1"), read("CustomEmuName2")}), (QStringList{u("A"), u("B")}));

    control<QPushButton>("btnEmusOther")->click();
    IniFile otherProgram(m_settingsPath);
    ASSERT_TRUE(otherProgram.writeString(u("Main"), u("CustomEmuName3"), u("Theirs")));
    EXPECT_EQ(add("C"), u("CustomEmu4"));
    EXPECT_EQ((QStringList{read("CustomEmuName3"), read("CustomEmuName4")}), (QStringList{u("Theirs"), u("C")}));
}

TEST_F(EmulatorSettingsPanelTest, AddWithEverySlotTakenSaysSoAndWritesNothing)
{
    QByteArray content = "[Main]\r\n";
    for (int slot = 1; slot <= EmulatorRegistry::CustomSlotCount; ++slot)
        content += "CustomEmuName" + QByteArray::number(slot) + "=E" + QByteArray::number(slot) + "\r\n";
    writeSettings(content);
    build();
    control<QPushButton>("btnAddEmu")->click();
    EXPECT_FALSE(control<QWidget>("pnlEditEmu")->isVisible());
    ASSERT_EQ(m_platform.dialogs.messages.size(), 1);
    EXPECT_TRUE(m_platform.dialogs.messages[0].contains(u("99")));
    control<QPushButton>("btnEditEmuSave")->click();
    EXPECT_EQ(fileBytes(), content);
    EXPECT_EQ(read("CustomEmuName100"), u("<missing>"));
}

TEST_F(EmulatorSettingsPanelTest, EditWritesOnlyTheShownEmulatorsKeys)
{
    writeSettings("[Main]\r\nMESSPath=/old/mess\r\n"
                  "CustomEmuName7=Vice\r\nCustomEmuTab7=Other\r\nCustomEmuNick7=C64\r\nCustomEmuPath7=/x64\r\n");
    build();

    // A built-in: name and nick stay as they are, parameters are not offered.
    control<QPushButton>("btnEmusArcade")->click();
    control<QComboBox>("cbEmuList")->setCurrentIndex(1);
    control<QPushButton>("btnEditEmu")->click();
    ASSERT_TRUE(control<QWidget>("pnlEditEmu")->isVisible());
    EXPECT_TRUE(control<QLineEdit>("eEditEmuName")->isReadOnly());
    EXPECT_TRUE(control<QLineEdit>("eEditEmuNick")->isReadOnly());
    EXPECT_FALSE(control<QLineEdit>("eEditEmuParams")->isVisible());
    EXPECT_FALSE(control<QLabel>("lblEditParams")->isVisible());
    EXPECT_EQ(control<QLineEdit>("eEditEmuPath")->text(), u("/old/mess"));
    control<QLineEdit>("eEditEmuPath")->setText(u("/new/mess"));
    control<QPushButton>("btnEditEmuSave")->click();
    EXPECT_EQ((QStringList{read("MESSName"), read("MESSzNick"), read("MESSPath"), read("MESSNick")}),
              (QStringList{u("MESS"), u("MESS"), u("/new/mess"), u("<missing>")}));
    // Built-ins keep their start-up values until the next start.
    EXPECT_EQ(registry().builtIn(EmulatorRegistry::MESS).Path, u("/old/mess"));

    // A custom one: its own slot.
    control<QPushButton>("btnEmusOther")->click();
    control<QPushButton>("btnEditEmu")->click();
    EXPECT_FALSE(control<QLineEdit>("eEditEmuName")->isReadOnly());
    EXPECT_TRUE(control<QLineEdit>("eEditEmuParams")->isVisible());
    control<QLineEdit>("eEditEmuNick")->setText(u("C=64"));
    control<QLineEdit>("eEditEmuParams")->setText(u("-warp"));
    control<QPushButton>("btnEditEmuSave")->click();
    EXPECT_EQ((QStringList{read("CustomEmuName7"), read("CustomEmuNick7"), read("CustomEmuPath7"),
                           read("CustomEmuTab7"), read("CustomEmuParams7")}),
              (QStringList{u("Vice"), u("C=64"), u("/x64"), u("Other"), u("-warp")}));
    EXPECT_EQ(read("CustomEmuName1"), u("<missing>"));

    // An empty group shows no emulator: Edit opens nothing and Save writes nothing.
    control<QPushButton>("btnEmusSony")->click();
    const QByteArray before = fileBytes();
    m_platform.dialogs.messages.clear();
    control<QPushButton>("btnEditEmu")->click();
    EXPECT_FALSE(control<QWidget>("pnlEditEmu")->isVisible());
    control<QPushButton>("btnEditEmuSave")->click();
    EXPECT_EQ(fileBytes(), before);
    EXPECT_TRUE(m_platform.dialogs.messages.isEmpty());
}

TEST_F(EmulatorSettingsPanelTest, BrowseFillsThePathAndCancelKeepsIt)
{
    build();
    control<QPushButton>("btnEditEmu")->click();
    control<QLineEdit>("eEditEmuPath")->setText(u("/kept"));
    m_platform.dialogs.openFileName.clear();
    control<QPushButton>("btnEditEmuPath")->click();
    EXPECT_EQ(control<QLineEdit>("eEditEmuPath")->text(), u("/kept"));
    m_platform.dialogs.openFileName = u("/usr/bin/dosbox");
    control<QPushButton>("btnEditEmuPath")->click();
    EXPECT_EQ(control<QLineEdit>("eEditEmuPath")->text(), u("/usr/bin/dosbox"));
    EXPECT_EQ(m_platform.dialogs.fileFilters.last(), u("Exe Files (*.exe)|*.EXE"));
}

TEST_F(EmulatorSettingsPanelTest, ConfigOpensDOSBoxOptionsOrStartsTheEmulator)
{
    writeSettings("[Main]\r\nScummVMPath=/usr/games/scummvm\r\n"
                  "CustomEmuName1=Mine\r\nCustomEmuTab1=PC\r\nCustomEmuPath1=emu\\mine\r\n");
    build();
    int config = 0;
    QObject::connect(m_panel.get(), &EmulatorSettingsPanel::configDOSBoxRequested, [&config] { ++config; });
    control<QPushButton>("btnConfigEmu")->click();
    EXPECT_EQ(config, 1);
    EXPECT_TRUE(m_platform.shell.calls.empty());

    control<QComboBox>("cbEmuList")->setCurrentIndex(1);
    control<QPushButton>("btnConfigEmu")->click();
    EXPECT_EQ(config, 1);
    ASSERT_EQ(m_platform.shell.calls.size(), 1u);
    const FakeShell::Call &call = m_platform.shell.calls[0];
    EXPECT_EQ(call.program, u("\"/usr/games/scummvm\""));
    EXPECT_TRUE(call.parameters.isEmpty());
    EXPECT_TRUE(call.workingFolder.isEmpty());
    EXPECT_TRUE(call.verb.isEmpty());

    // A relative path counts from the folder of PALLOX.ini, wherever we were started from.
    control<QComboBox>("cbEmuList")->setCurrentIndex(4);
    control<QPushButton>("btnConfigEmu")->click();
    ASSERT_EQ(m_platform.shell.calls.size(), 2u);
    EXPECT_EQ(m_platform.shell.calls[1].program, u("\"") + m_dir.path() + u("/emu/mine\""));
}

TEST_F(EmulatorSettingsPanelTest, GlobalDOSBoxOptions)
{
    writeSettings("[DOSBox]\r\nDOSBoxExit=1\r\nCMDLine=-noconsole\r\nUseSingleConfFolder=1\r\n");
    build();
    auto *exitBox = child<QCheckBox>(*m_dosBox, "checkDBExit");
    auto *commandLine = child<QLineEdit>(*m_dosBox, "eDOSBoxCMD");
    EXPECT_TRUE(exitBox->isChecked());
    EXPECT_EQ(commandLine->text(), u("-noconsole"));
    EXPECT_TRUE(child<QRadioButton>(*m_dosBox, "radioUseOneFolder")->isChecked());
    EXPECT_TRUE(child<QWidget>(*m_dosBox, "pnlConfFolders")->isHidden());
    EXPECT_TRUE(registry().dosBoxExit());

    // The launch uses the confirmed exit option but the command line as it is typed now.
    exitBox->setChecked(false);
    commandLine->setText(u("-fullscreen"));
    LaunchOptions options = m_session->launch().launchOptions(true);
    EXPECT_TRUE(options.DOSBoxExit);
    EXPECT_EQ(options.CMDLine, u("-fullscreen"));
    EXPECT_TRUE(options.UseSingleConfFolder);
    EXPECT_TRUE(options.setup);

    m_dosBox->show();
    child<QPushButton>(*m_dosBox, "btnDBConfigOkay")->click();
    EXPECT_FALSE(m_dosBox->isVisible());
    EXPECT_FALSE(registry().dosBoxExit());
    EXPECT_FALSE(m_session->launch().launchOptions(false).DOSBoxExit);
    EXPECT_EQ(fileBytes(), QByteArray("[DOSBox]\r\nDOSBoxExit=0\r\nCMDLine=-fullscreen\r\nUseSingleConfFolder=1\r\n"));
}

} // namespace

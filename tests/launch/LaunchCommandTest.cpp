#include "base/IniFile.h"
#include "launch/EmulatorRegistry.h"
#include "launch/LaunchCommand.h"
#include "library/GameTable.h"
#include "platform/CommandLine.h"
#include "support/Files.h"
#include "support/QtPrinters.h"
#include "support/TableHelpers.h"
#include "support/Utf8.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cctype>
#include <vector>

// Readable failures for start requests; found by argument lookup, so not in the unnamed namespace.
static void PrintTo(const StartRequest &s, std::ostream *out)
{
    *out << '{' << s.verb.toStdString() << " | " << s.program.toStdString() << " | "
         << s.parameters.toStdString() << " | " << s.workingFolder.toStdString() << '}';
}

namespace {

// The game columns a launch reads, in the order a row is given below.
const QStringList Columns{QStringLiteral("Number"),     QStringLiteral("Name"),       QStringLiteral("Folder"),
                          QStringLiteral("Subfolder"),  QStringLiteral("Executable"), QStringLiteral("Setup"),
                          QStringLiteral("Emulator"),   QStringLiteral("CustomEmuPath"),
                          QStringLiteral("DBConf/ScummID")};

struct Row
{
    const char *Name;
    const char *Folder;
    const char *Subfolder;
    const char *Executable;
    const char *Setup;
    const char *Emulator;
    const char *CustomEmuPath;
    const char *Conf;
};

struct Expected
{
    const char *verb;
    const char *program;
    QStringList arguments;
    const char *workingFolder;
};

struct Case
{
    const char *name;
    // The first row is the one launched; the others only matter to "Windows 3.1".
    std::vector<Row> rows;
    LaunchOptions options;
    std::vector<Expected> expected;
};

void PrintTo(const Case &c, std::ostream *out)
{
    *out << c.name;
}

LaunchOptions withSetup()
{
    LaunchOptions o;
    o.setup = true;
    return o;
}

LaunchOptions allDOSBoxOptions()
{
    LaunchOptions o;
    o.DOSBoxExit = true;
    o.CMDLine = u("-noconsole -c \"mount d d:\\cd\"");
    o.UseSingleConfFolder = true;
    o.setup = true;
    return o;
}

LaunchOptions strayQuoteInCommandLine()
{
    LaunchOptions o;
    o.CMDLine = u("-c \"echo hi");
    return o;
}

// "{R}" stands for the library root, which ends with a separator.
const Row Doom{"Doom", "action", "doom", "doom.exe", "setup.exe", "DOSBox", "", "dosbox.conf"};

std::vector<Case> cases()
{
    const char *game = "{R}Games/Console/Mario/smb.nes";
    const char *mario = "{R}Games/Console/Mario";
    auto plain = [&](const char *value, const char *program) {
        return Case{value, {Row{"Mario", "Console", "Mario", "smb.nes", "", value, "", ""}}, {},
                    {Expected{"", program, {u(game)}, mario}}};
    };
    std::vector<Case> all{
        {"DOSBox finds files whatever their letter case", {Doom}, {},
         {{"", "{R}Emu/dosbox", {u("{R}Games/Action/Doom/DOOM.EXE"), u("-conf"), u("{R}Games/Action/Doom/dosbox.conf")}, ""}}},
        {"DOSBox with exit, own command line, single conf folder and set-up", {Doom}, allDOSBoxOptions(),
         {{"", "{R}Emu/dosbox",
           {u("{R}Games/Action/Doom/SETUP.EXE"), u("-exit"), u("-noconsole"), u("-c"), u("mount d d:\\cd"), u("-conf"),
            u("{R}Conf/dosbox.conf")},
           ""}}},
        {"a stray quote in the command line stays in its own arguments", {Doom}, strayQuoteInCommandLine(),
         {{"", "{R}Emu/dosbox",
           {u("{R}Games/Action/Doom/DOOM.EXE"), u("-c"), u("echo hi"), u("-conf"), u("{R}Games/Action/Doom/dosbox.conf")},
           ""}}},
        {"Windows separators inside the executable",
         {Row{"Doom", "Action", "Doom", "BIN\\play.exe", "", "DOSBox", "", "dosbox.conf"}}, {},
         {{"", "{R}Emu/dosbox", {u("{R}Games/Action/Doom/bin/Play.exe"), u("-conf"), u("{R}Games/Action/Doom/dosbox.conf")}, ""}}},
        {"ScummVM", {Row{"Monkey", "Adventure", "Monkey Island", "", "", "ScummVM", "", "monkey"}}, {},
         {{"", "{R}Emu/scummvm", {u("-p{R}Games/Adventure/Monkey Island"), u("monkey")}, ""}}},
        {"Custom emulator of the row", {Row{"Mario", "Console", "Mario", "smb.nes", "", "Custom", "{R}Emu\\Custom\\run", ""}}, {},
         {{"", "{R}Emu/Custom/run", {u(game)}, mario}}},
        plain("WinFrotz", "{R}Emu/frotz"),
        plain("Magnetic", "{R}Emu/magnetic"),
        plain("SNES", "{R}Emu/snes"),
        plain("2600", "{R}Emu/stella"),
        plain("5200", "{R}Emu/a5200"),
        plain("SMS", "{R}Emu/sms"),
        plain("N64", "{R}Emu/n64"),
        plain("GBA", "{R}Emu/gba"),
        {"NES also starts the custom emulator nicked NES", {Row{"Mario", "Console", "Mario", "smb.nes", "", "NES", "", ""}}, {},
         {{"", "{R}Emu/nes", {u(game)}, mario}, {"", "{R}Emu/nestopia", {u(game)}, mario}}},
        {"MESS with the file written after a separator",
         {Row{"Mario", "Console", "Mario", "\\smb.nes", "", "MESS", "", "nes"}}, {},
         {{"", "{R}Emu/mess/messui64", {u("nes"), u(game), u("-now")}, "{R}Emu/mess"}}},
        {"MESS with a plain file name is joined as a path", {Row{"Mario", "Console", "Mario", "smb.nes", "", "MESS", "", "nes -cart"}}, {},
         {{"", "{R}Emu/mess/messui64", {u("nes"), u("-cart"), u(game), u("-now")}, "{R}Emu/mess"}}},
        {"MESS with a file that is in neither place keeps the library's spelling",
         {Row{"Mario", "Console", "Mario", "lost.nes", "", "MESS", "", "nes"}}, {},
         {{"", "{R}Emu/mess/messui64", {u("nes"), u("{R}Games/Console/Mariolost.nes"), u("-now")}, "{R}Emu/mess"}}},
        {"MAME opens in its own folder", {Row{"Pac", "Console", "Mario", "pacman", "", "MAME", "", ""}}, {},
         {{"open", "{R}Emu/mame/mame.exe", {u("{R}Games/Console/Mario/pacman")}, "{R}Emu/mame"}}},
        {"Macintosh", {Row{"Myst", "Console", "Mario", "myst", "", "Mac", "", ""}}, {},
         {{"open", "{R}Emu/Mac/BasiliskII", {u("{R}Emu/Mac/BasiliskII_prefs")}, "{R}Emu/Mac"}}},
        {"Apple II", {Row{"Karateka", "Console", "Mario", "k.dsk", "", "Apple II", "", ""}}, {},
         {{"", "{R}Emu/apple2", {u("-d1"), u("{R}Games/Console/Mario/k.dsk")}, mario}}},
        {"no emulator opens the executable", {Row{"Doom", "action", "doom", "doom.exe", "setup.exe", "", "", ""}}, {},
         {{"", "{R}Games/Action/Doom/DOOM.EXE", {}, "{R}Games/Action/Doom"}}},
        {"no emulator with the setup flag opens the set-up program",
         {Row{"Doom", "action", "doom", "doom.exe", "setup.exe", "", "", ""}}, withSetup(),
         {{"", "{R}Games/Action/Doom/SETUP.EXE", {}, "{R}Games/Action/Doom"}}},
        {"the setup flag leaves other emulators alone", {Row{"Mario", "Console", "Mario", "smb.nes", "x.exe", "SNES", "", ""}},
         withSetup(), {{"", "{R}Emu/snes", {u(game)}, mario}}},
        {"two custom slots with one nick start two programs, with and without parameters",
         {Row{"Elite", "Console", "Mario", "elite.d64", "", "C64", "", ""}}, {},
         {{"", "{R}Emu/vice/x64", {u("-autostart"), u("{R}Games/Console/Mario/elite.d64")}, mario},
          {"", "{R}Emu/ccs64", {u("-config"), u("my cfg.ini"), u("{R}Games/Console/Mario/elite.d64")}, mario}}},
        {"letter case of the value matters", {Row{"Doom", "Action", "Doom", "doom.exe", "", "dosbox", "", ""}}, {}, {}},
        {"the Macintosh nick is no launch value", {Row{"Myst", "Console", "Mario", "myst", "", "MAC", "", ""}}, {}, {}},
        {"an unknown value starts nothing", {Row{"Doom", "Action", "Doom", "doom.exe", "", "Amiga", "", ""}}, {}, {}},
        {"empty folder", {Row{"Solo", "", "Solo", "solo.exe", "", "", "", ""}}, {},
         {{"", "{R}Games/Solo/solo.exe", {}, "{R}Games/Solo"}}},
        {"empty subfolder", {Row{"Solo", "Action", "", "solo.exe", "", "", "", ""}}, {},
         {{"", "{R}Games/Action/solo.exe", {}, "{R}Games/Action"}}},
        {"game data that a command interpreter would act on stays plain text",
         {Row{"Odd", "Weird", "Odd ü", "it's \"a\" $(touch pwned); `rm -rf x` \\\"é.exe", "", "C64", "", ""}}, {},
         {{"", "{R}Emu/vice/x64", {u("-autostart"), u("{R}Games/Weird/Odd ü/it's \"a\" $(touch pwned); `rm -rf x` /\"é.exe")}, "{R}Games/Weird/Odd ü"},
          {"", "{R}Emu/ccs64", {u("-config"), u("my cfg.ini"), u("{R}Games/Weird/Odd ü/it's \"a\" $(touch pwned); `rm -rf x` /\"é.exe")},
           "{R}Games/Weird/Odd ü"}}},
        {"Windows 3.1 starts the Windows row and then what the game's own value asks for",
         {Row{"Sim City", "Windows", "SimCity", "simcity.exe", "", "Windows 3.1", "", ""},
          Row{"Windows 3.1", "Windows", "Win31", "win.com", "", "DOSBox", "", "win.conf"}},
         {},
         {{"", "{R}Emu/dosbox", {u("{R}Games/Windows/Win31/WIN.COM"), u("-conf"), u("{R}Games/Windows/Win31/win.conf")}, ""},
          {"", "{R}Emu/win31", {u("{R}Games/Windows/SimCity/simcity.exe")}, "{R}Games/Windows/SimCity"}}},
        {"Windows 3.1 rows that lead to each other and to themselves start each row once",
         {Row{"Sim City", "Windows", "SimCity", "simcity.exe", "", "Windows 3.1", "", ""},
          Row{"Windows 3.1", "Windows", "Loop", "loop.exe", "", "Windows 3.1", "", ""},
          Row{"Windows 3.1", "Windows", "Win31", "win.com", "", "", "", ""}},
         {},
         {{"", "{R}Games/Windows/Win31/WIN.COM", {}, "{R}Games/Windows/Win31"},
          {"", "{R}Emu/win31", {u("{R}Games/Windows/Loop/loop.exe")}, "{R}Games/Windows/Loop"},
          {"", "{R}Emu/win31", {u("{R}Games/Windows/SimCity/simcity.exe")}, "{R}Games/Windows/SimCity"}}},
        {"a Windows 3.1 row launched itself does not start itself again",
         {Row{"Windows 3.1", "Windows", "Loop", "loop.exe", "", "Windows 3.1", "", ""}}, {},
         {{"", "{R}Emu/win31", {u("{R}Games/Windows/Loop/loop.exe")}, "{R}Games/Windows/Loop"}}},
        {"Windows 3.1 without a Windows row starts only the custom nick",
         {Row{"Sim City", "Windows", "SimCity", "simcity.exe", "", "Windows 3.1", "", ""}}, {},
         {{"", "{R}Emu/win31", {u("{R}Games/Windows/SimCity/simcity.exe")}, "{R}Games/Windows/SimCity"}}},
    };
    return all;
}

class LaunchCommandTest : public ::testing::TestWithParam<Case>
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_root = m_dir.path() + QLatin1Char('/');
        for (const char *file : {"Games/Action/Doom/DOOM.EXE", "Games/Action/Doom/SETUP.EXE",
                                 "Games/Action/Doom/dosbox.conf", "Games/Action/Doom/bin/Play.exe",
                                 "Games/Console/Mario/smb.nes", "Games/Windows/Win31/WIN.COM"})
            ASSERT_TRUE(writeFile(m_root + u(file)));
        ASSERT_TRUE(QDir().mkpath(m_root + u("Games/Adventure/Monkey Island")));

        // Emulator paths in the settings file may use "\" and need not exist.
        IniFile settings(m_root + u("PALLOX.ini"));
        const std::vector<std::pair<const char *, const char *>> keys{
            {"DOSBoxPath", "{R}Emu\\dosbox"},          {"ScummVMPath", "{R}Emu/scummvm"},
            {"Windows FrotzPath", "{R}Emu/frotz"},     {"MagneticPath", "{R}Emu/magnetic"},
            {"Nintendo Entertainment SystemPath", "{R}Emu/nes"}, {"Super NintendoPath", "{R}Emu/snes"},
            {"MAMEPath", "{R}Emu/mame/mame.exe"},      {"MESSPath", "{R}Emu\\mess\\messui64"},
            {"Atari 2600Path", "{R}Emu/stella"},       {"A5200Path", "{R}Emu/a5200"},
            {"SMSPath", "{R}Emu/sms"},                 {"N64Path", "{R}Emu/n64"},
            {"GBAPath", "{R}Emu/gba"},                 {"MacintoshPath", "{R}Emu\\Mac\\"},
            {"Apple2Path", "{R}Emu/apple2"},
            {"CustomEmuName1", "VICE"},  {"CustomEmuNick1", "C64"},  {"CustomEmuPath1", "{R}Emu\\vice\\x64"},
            {"CustomEmuParams1", "-autostart"},
            {"CustomEmuName2", "Nestopia"}, {"CustomEmuNick2", "NES"}, {"CustomEmuPath2", "{R}Emu/nestopia"},
            {"CustomEmuName4", "CCS64"},  {"CustomEmuNick4", "C64"},  {"CustomEmuPath4", "{R}Emu/ccs64"},
            {"CustomEmuParams4", "-config \"my cfg.ini\""},
            {"CustomEmuName5", "Win"},    {"CustomEmuNick5", "Windows 3.1"}, {"CustomEmuPath5", "{R}Emu/win31"},
            // A slot without a nick must not catch games without an emulator.
            {"CustomEmuName6", "Nameless"}, {"CustomEmuPath6", "{R}Emu/nameless"}};
        for (const auto &[key, value] : keys)
            ASSERT_TRUE(settings.writeString(u("Main"), u(key), r(value)));
        m_registry.loadBuiltIns(settings);
        m_registry.loadCustomSlots(settings);
    }

    QString r(const QString &text) const
    {
        QString result = text;
        return result.replace(u("{R}"), m_root);
    }
    QString r(const char *text) const { return r(u(text)); }

    GameTable table(const std::vector<Row> &rows) const
    {
        GameTable t;
        t.setSize(int(Columns.size()), int(rows.size()) + 1);
        for (int c = 0; c < Columns.size(); ++c)
            t.setCell(c, 0, Columns[c]);
        for (size_t i = 0; i < rows.size(); ++i) {
            const Row &row = rows[i];
            const char *cells[] = {"", row.Name, row.Folder, row.Subfolder, row.Executable,
                                   row.Setup, row.Emulator, row.CustomEmuPath, row.Conf};
            for (int c = 0; c < Columns.size(); ++c)
                t.setCell(c, int(i) + 1, r(cells[c]));
            t.setCell(0, int(i) + 1, QString::number(i + 1));
        }
        return t;
    }

    QTemporaryDir m_dir;
    QString m_root;
    EmulatorRegistry m_registry;
};

TEST_P(LaunchCommandTest, BuildsTheProgramsToStart)
{
    const Case &c = GetParam();
    const GameTable t = table(c.rows);
    const std::vector<StartRequest> requests = LaunchCommand::LaunchGame(t, 1, m_root, m_registry, c.options);

    ASSERT_EQ(requests.size(), c.expected.size());
    for (size_t i = 0; i < requests.size(); ++i) {
        SCOPED_TRACE(i);
        const Expected &e = c.expected[i];
        EXPECT_EQ(requests[i].verb, u(e.verb));
        EXPECT_EQ(unquoteProgram(requests[i].program), r(e.program));
        QStringList arguments;
        for (const QString &a : e.arguments)
            arguments.append(r(a));
        EXPECT_EQ(splitCommandLine(requests[i].parameters), arguments) << requests[i].parameters.toStdString();
        EXPECT_EQ(requests[i].workingFolder, r(e.workingFolder));
    }
}

INSTANTIATE_TEST_SUITE_P(EveryCase, LaunchCommandTest, ::testing::ValuesIn(cases()),
                         [](const ::testing::TestParamInfo<Case> &info) {
                             std::string name;
                             for (const char *p = info.param.name; *p; ++p)
                                 name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                             return name;
                         });

// Missing emulator paths, missing columns and rows outside the table: nothing may crash, and
// what is handed on lets the shell say what is wrong.
TEST(LaunchCommandEdges, EmptyPathsMissingColumnsAndBadRows)
{
    const EmulatorRegistry empty;
    GameTable t = tableOf({u("Number"), u("Emulator"), u("Executable")}, {{QString(), QString(), u("game.exe")}});
    const QString root = u("/nonexistent/lib/");

    struct Edge { const char *emulator; StartRequest expected; };
    const Edge edges[] = {
        // An emulator without a program says so by its name.
        {"DOSBox", {QString(), QString(), u("/nonexistent/lib/Games/game.exe -conf /nonexistent/lib/Games/"), QString(), u("DOSBox")}},
        {"MESS", {QString(), QString(), u("/nonexistent/lib/Games/game.exe -now"), QString(), u("MESS")}},
        {"MAME", {u("open"), QString(), u("/nonexistent/lib/Games/game.exe"), QString(), u("MAME")}},
        {"Mac", {u("open"), u("BasiliskII"), u("BasiliskII_prefs"), QString()}},
        {"Custom", {QString(), QString(), u("/nonexistent/lib/Games/game.exe"), u("/nonexistent/lib/Games")}},
    };
    for (const Edge &edge : edges) {
        SCOPED_TRACE(edge.emulator);
        t.setCell(1, 1, u(edge.emulator));
        const auto requests = LaunchCommand::LaunchGame(t, 1, root, empty, {});
        ASSERT_EQ(requests.size(), 1u);
        EXPECT_EQ(requests[0], edge.expected);
    }

    // Without an Emulator column every game is opened directly, as if the field were empty.
    t.setCell(1, 0, u("Platform"));
    const auto direct = LaunchCommand::LaunchGame(t, 1, root, empty, {});
    ASSERT_EQ(direct.size(), 1u);
    EXPECT_EQ(direct[0].program, u("/nonexistent/lib/Games/game.exe"));

    EXPECT_TRUE(LaunchCommand::LaunchGame(t, 0, root, empty, {}).empty());
    EXPECT_TRUE(LaunchCommand::LaunchGame(t, 2, root, empty, {}).empty());
    EXPECT_TRUE(LaunchCommand::LaunchGame(t, -1, root, empty, {}).empty());
}

// Emulator paths in the settings file count from the folder that holds it, not from whatever
// folder we were started in, and not again from the folder the emulator runs in.
TEST(LaunchCommandEdges, RelativeEmulatorPathsCountFromTheSettingsFolder)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString home = dir.path() + u("/Pallox");
    ASSERT_TRUE(QDir().mkpath(home));
    ASSERT_NE(QDir::currentPath(), home);
    IniFile settings(home + u("/PALLOX.ini"));
    for (const auto &[key, value] : {std::pair{"MAMEPath", "emu/mame/mame"}, {"MacintoshPath", "emu\\Mac\\"},
                                     {"CustomEmuNick1", "Mine"}, {"CustomEmuPath1", "emu\\myemu"}})
        ASSERT_TRUE(settings.writeString(u("Main"), u(key), u(value)));
    EmulatorRegistry registry;
    registry.loadBuiltIns(settings);
    registry.loadCustomSlots(settings);

    GameTable t = tableOf({u("Emulator"), u("Executable")}, {{QString(), u("g.rom")}});
    const QString root = dir.path() + u("/Library/");
    const QString file = root + u("Games/g.rom");

    struct Edge { const char *emulator; StartRequest expected; };
    const Edge edges[] = {
        {"MAME", {u("open"), home + u("/emu/mame/mame"), file, home + u("/emu/mame")}},
        {"Mine", {QString(), home + u("/emu/myemu"), file, root + u("Games")}},
        {"Mac", {u("open"), home + u("/emu/Mac/BasiliskII"), home + u("/emu/Mac/BasiliskII_prefs"),
                 home + u("/emu/Mac")}},
    };
    for (const Edge &edge : edges) {
        SCOPED_TRACE(edge.emulator);
        t.setCell(0, 1, u(edge.emulator));
        const auto requests = LaunchCommand::LaunchGame(t, 1, root, registry, {});
        ASSERT_EQ(requests.size(), 1u);
        EXPECT_EQ(requests[0], edge.expected);
    }

    // Config starts the emulator alone, quoted, from the same place a game would.
    EXPECT_EQ(LaunchCommand::ConfigureEmulator(registry, u("emu\\myemu")),
              (StartRequest{QString(), u("\"") + home + u("/emu/myemu\""), QString(), QString()}));
}

// A library whose table has a DBConf column uses it instead of DBConf/ScummID.
TEST(LaunchCommandEdges, DBConfColumnWins)
{
    const EmulatorRegistry empty;
    const GameTable t = tableOf({u("DBConf"), u("Emulator"), u("DBConf/ScummID"), u("Subfolder")},
                                {{u("fromdbconf"), u("ScummVM"), u("fromscummid"), u("S")}});
    const auto requests = LaunchCommand::LaunchGame(t, 1, u("/lib/"), empty, {});
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(splitCommandLine(requests[0].parameters), (QStringList{u("-p/lib/Games/S"), u("fromdbconf")}));
}

} // namespace

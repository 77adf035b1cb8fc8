#include "ui/config/DOSBoxConfigEditor.h"
#include "dosboxconf/DOSBoxConfKeys.h"
#include "presentation/DOSBoxConfControls.h"
#include "support/Files.h"
#include "support/LibraryBuilder.h"
#include "support/TestPlatform.h"
#include "support/Utf8.h"
#include "support/WindowFinder.h"
#include "ui/startup/PalloxRun.h"
#include "ui/main/TfrmMain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

namespace {

QString fixture(const char *name)
{
    return QStringLiteral(PALLOX_TEST_DATA "/dosboxconf/") + QLatin1String(name) +
           QStringLiteral("/input.conf");
}

QStringList tabTexts(const QTabWidget &tabs)
{
    QStringList texts;
    for (int i = 0; i < tabs.count(); ++i)
        texts.append(tabs.tabText(i));
    return texts;
}

// The name of the value the control of this object name shows.
QString valueShownBy(const char *control)
{
    QStringList names{DOSBoxConfKeys::priorityNonFocused()};
    for (const ConfKey &key : DOSBoxConfKeys::all())
        names.append(key.name);
    for (const QString &name : names) {
        if (DOSBoxConfControls::objectName(name) == QLatin1String(control))
            return name;
    }
    return QString();
}

QStringList entries(const QListWidget &list)
{
    QStringList texts;
    for (int i = 0; i < list.count(); ++i)
        texts.append(list.item(i)->text());
    return texts;
}

class DOSBoxConfigEditorTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        editor = std::make_unique<DOSBoxConfigEditor>(fake.dialogs, nullptr);
        editor->resize(900, 600);
        editor->show();
    }

    // A copy of a fixture, loaded through "Load" as the user picks it in the file dialog.
    QString load(const char *name)
    {
        const QString target = dir.filePath(QLatin1String(name) + QStringLiteral(".conf"));
        writeFile(target, readFile(fixture(name)));
        fake.dialogs.openFileName = target;
        control<QPushButton>("btnLoadConf")->click();
        return target;
    }

    template <class T> T *control(const char *name) { return child<T>(*editor, name); }

    // A file of this text, loaded through "Load".
    QString loadText(const char *text)
    {
        const QString target = dir.filePath(QStringLiteral("typed.conf"));
        writeFile(target, QByteArray(text));
        fake.dialogs.openFileName = target;
        control<QPushButton>("btnLoadConf")->click();
        return target;
    }

    // Sets a control as the user would: ticks a box, types into a list or a field.
    void change(const char *name, const char *value)
    {
        QWidget *widget = control<QWidget>(name);
        if (auto *box = qobject_cast<QCheckBox *>(widget))
            box->setChecked(qstrcmp(value, "true") == 0);
        else if (auto *list = qobject_cast<QComboBox *>(widget))
            list->setCurrentText(u(value));
        else
            child<QLineEdit>(*editor, name)->setText(u(value));
    }

    void clickLine(int row)
    {
        QListWidget *list = control<QListWidget>("lbAutoExec");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    }

    QTemporaryDir dir;
    TestPlatform fake;
    std::unique_ptr<DOSBoxConfigEditor> editor;
};

TEST_F(DOSBoxConfigEditorTest, EveryKeyHasItsControlAtItsStartUpValue)
{
    EXPECT_EQ(editor->objectName(), u("Panel9"));
    EXPECT_EQ(tabTexts(*control<QTabWidget>("PageControl2")),
              (QStringList{u("SDL"), u("DOSBox"), u("Render"), u("CPU"), u("Sound"), u("Joystick"),
                           u("Environment"), u("AutoExec")}));
    EXPECT_EQ(tabTexts(*control<QTabWidget>("PageControl3")),
              (QStringList{u("midi"), u("sblaster"), u("gus"), u("speaker")}));

    // Every key's control is there by its name, at its start-up value, lists editable.
    for (const ConfKey &key : DOSBoxConfKeys::all()) {
        QWidget *widget = editor->findChild<QWidget *>(DOSBoxConfControls::objectName(key.name));
        ASSERT_NE(widget, nullptr) << key.name.toStdString();
        QString shown = key.startValue;
        if (auto *box = qobject_cast<QCheckBox *>(widget))
            shown = box->isChecked() ? u("true") : u("false");
        else if (auto *list = qobject_cast<QComboBox *>(widget))
            shown = list->isEditable() && list->count() == key.choices.size() ? list->currentText() : u("?");
        else if (auto *field = qobject_cast<QLineEdit *>(widget))
            shown = field->text();
        EXPECT_EQ(shown, key.startValue) << key.name.toStdString();
    }
    EXPECT_EQ(control<QComboBox>("cbCycles")->itemText(12), u("11000"));
    EXPECT_EQ(control<QComboBox>("cbPriorityNonFocused")->currentText(), u("normal"));
    EXPECT_EQ(control<QLabel>("lblMouseSensitivity")->text(), u("100"));
    EXPECT_TRUE(control<QLineEdit>("lblLoadedConfFile")->text().isEmpty());
    EXPECT_EQ(control<QListWidget>("lbAutoExec")->count(), 0);
}

TEST_F(DOSBoxConfigEditorTest, DigitFieldsTakeDigitsFromTheKeyboardAndPercentFollowsCyclesDown)
{
    for (const char *name : {"eCyclesUp", "eCyclesDown", "ePrebuffer"}) {
        auto *field = control<QLineEdit>(name);
        field->clear();
        QTest::keyClicks(field, u("1a2-3 .x4"));
        EXPECT_EQ(field->text(), u("1234")) << name;
        QTest::keyClick(field, Qt::Key_Backspace);
        EXPECT_EQ(field->text(), u("123")) << name;
    }

    control<QTabWidget>("PageControl2")->setCurrentIndex(3);
    ASSERT_EQ(control<QTabWidget>("PageControl2")->tabText(3), u("CPU"));
    QLineEdit *down = control<QLineEdit>("eCyclesDown");
    QLabel *percent = control<QLabel>("lblPercent");
    down->clear();
    QTest::keyClicks(down, u("100"));
    EXPECT_TRUE(percent->isVisible());
    QTest::keyClicks(down, u("1"));
    EXPECT_EQ(down->text(), u("1001"));
    EXPECT_FALSE(percent->isVisible());
    QTest::keyClick(down, Qt::Key_Backspace);
    QTest::keyClick(down, Qt::Key_Backspace);
    EXPECT_TRUE(percent->isVisible());
    QTest::keyClicks(down, u("1"));
    EXPECT_FALSE(percent->isVisible());
    // All digits deleted at once: no number, the label stays hidden and nothing is reported.
    down->selectAll();
    QTest::keyClick(down, Qt::Key_Backspace);
    EXPECT_TRUE(down->text().isEmpty());
    EXPECT_FALSE(percent->isVisible());
    QTest::keyClicks(down, u("50"));
    down->setText(u("fast")); // as Load may put it: shown as it is, the label unchanged
    EXPECT_TRUE(percent->isVisible());
    EXPECT_TRUE(fake.dialogs.messages.isEmpty());

    control<QScrollBar>("scrollMouseSensitivity")->setValue(42);
    EXPECT_EQ(control<QLabel>("lblMouseSensitivity")->text(), u("42"));
}

TEST_F(DOSBoxConfigEditorTest, AutoexecLinesAreEditedThroughTheSelection)
{
    load("dosbox-default");
    QListWidget *list = control<QListWidget>("lbAutoExec");
    ASSERT_EQ(list->count(), 4);
    // Nothing selected: confirm and remove do nothing, add still appends.
    control<QLineEdit>("eAutoExecLine")->setText(u("typed"));
    control<QPushButton>("btnConfirmLine")->click();
    control<QPushButton>("btnAutoExecRemoveLine")->click();
    EXPECT_EQ(list->count(), 4);
    EXPECT_FALSE(entries(*list).contains(u("typed")));
    control<QPushButton>("btnAutoExecAddLine")->click();
    ASSERT_EQ(list->count(), 5);
    EXPECT_EQ(list->item(4)->text(), u("###"));

    clickLine(1);
    EXPECT_EQ(control<QLineEdit>("eAutoExecLine")->text(), u("# You can put your MOUNT lines here."));
    control<QLineEdit>("eAutoExecLine")->setText(u("mount c ~/games"));
    control<QPushButton>("btnConfirmLine")->click();
    EXPECT_EQ(list->item(1)->text(), u("mount c ~/games"));
    clickLine(0);
    control<QPushButton>("btnAutoExecRemoveLine")->click();
    EXPECT_EQ(entries(*list), (QStringList{u("mount c ~/games"), QString(), QString(), u("###")}));
}

TEST_F(DOSBoxConfigEditorTest, RemovingALineLeavesNoLineSelectedForASecondClick)
{
    load("dosbox-default");
    QListWidget *list = control<QListWidget>("lbAutoExec");
    clickLine(0);
    control<QPushButton>("btnAutoExecRemoveLine")->click();
    ASSERT_EQ(list->count(), 3);
    EXPECT_TRUE(list->selectedItems().isEmpty());
    EXPECT_EQ(control<QLineEdit>("eAutoExecLine")->text(), u("# Lines in this section will be run at startup."));
    control<QPushButton>("btnAutoExecRemoveLine")->click();
    EXPECT_EQ(entries(*list), (QStringList{u("# You can put your MOUNT lines here."), QString(), QString()}));
    clickLine(1);
    control<QPushButton>("btnAutoExecRemoveLine")->click();
    EXPECT_EQ(list->count(), 2);
}

// DOSBox reads a priority of one piece as if the line were not there; the pair shown for it must
// not replace the line unless the user changes one of the lists.
TEST_F(DOSBoxConfigEditorTest, APriorityLineIsKeptUntilAListIsChanged)
{
    const struct
    {
        const char *file;
        const char *list;
        const char *value;
        const char *saved;
    } rows[] = {
        {"[sdl]\npriority=lowest\n", nullptr, nullptr, "priority=lowest\n"},
        {"[sdl]\npriority=,lowest\n", nullptr, nullptr, "priority=,lowest\n"},
        {"[sdl]\npriority=lowest\n", "cbPriorityNonFocused", "pause", "priority=lowest,pause\n"},
        {"[sdl]\npriority=lowest\n", "cbPriorityFocused", "higher", "priority=higher,normal\n"},
    };
    for (const auto &row : rows) {
        const QString conf = loadText(row.file);
        if (row.list)
            change(row.list, row.value);
        control<QPushButton>("btnSaveConf")->click();
        EXPECT_TRUE(readFile(conf).contains(row.saved)) << row.file << readFile(conf).left(200).toStdString();
    }
    EXPECT_TRUE(fake.dialogs.messages.isEmpty());
}

// DOSBox 0.74 names nine keys otherwise and ignores ours. Each row is a file, what Load shows
// from it, what the user changes, the lines of those keys under either name that Save leaves,
// in file order, and whether the controls of keys a 0.74 file has no line for are off. The rows
// run on one editor in turn, so a file of our names after a 0.74 one turns them on again.
TEST_F(DOSBoxConfigEditorTest, KeysAreReadAndWrittenUnderTheNamesTheFileUses)
{
    using Values = std::vector<std::pair<const char *, const char *>>;
    const struct
    {
        const char *file;
        Values shown;
        Values edits;
        const char *saved;
        bool controlsOff;
    } rows[] = {
        // The controls that are off are changed all the same: a 0.74 file gets nothing of theirs.
        {"[sdl]\n[cpu]\ncputype=486_slow\n[midi]\nmididevice=alsa\nmidiconfig=128:0\n"
         "[sblaster]\nsbmixer=true\n[gus]\ngusirq=7\ngusdma=3\n",
         {{"cbType", "486_slow"}, {"cbMidiDevice", "alsa"}, {"eMidiConfig", "128:0"}, {"checkMixer", "true"},
          {"cbGusirq1", "7"}, {"cbGusirq2", "7"}, {"cbGusdma1", "3"}, {"cbGusdma2", "3"}, {"cbHWScale", ""}},
         {{"cbType", "386"}, {"cbMidiDevice", "oss"}, {"checkMixer", "false"}, {"cbGusirq1", "10"},
          {"cbGusirq2", "3"}, {"cbGusdma1", "0"}, {"cbGusdma2", "1"}, {"cbHWScale", "2.00"}},
         "cpu/cputype=386 midi/mididevice=oss midi/midiconfig=128:0 sblaster/sbmixer=false gus/gusirq=10 "
         "gus/gusdma=0",
         true},
        {"[sdl]\nhwscale=2.00\n[cpu]\ntype=386_slow\n[midi]\ndevice=oss\nconfig=x\n[sblaster]\nmixer=true\n"
         "[gus]\nirq1=3\nirq2=10\ndma1=0\ndma2=3\n",
         {{"cbHWScale", "2.00"}, {"cbType", "386_slow"}, {"cbMidiDevice", "oss"}, {"eMidiConfig", "x"},
          {"checkMixer", "true"}, {"cbGusirq1", "3"}, {"cbGusirq2", "10"}, {"cbGusdma1", "0"},
          {"cbGusdma2", "3"}},
         {{"cbHWScale", "3.00"}, {"cbGusirq2", "11"}},
         "sdl/hwscale=3.00 cpu/type=386_slow midi/device=oss midi/config=x sblaster/mixer=true gus/irq1=3 "
         "gus/irq2=11 gus/dma1=0 gus/dma2=3",
         false},
        // One 0.74 name is enough: the keys the file lacks come under 0.74's names or not at all.
        {"[cpu]\ncputype=auto\n[midi]\n[sblaster]\n[gus]\n",
         {{"cbType", "auto"}, {"cbMidiDevice", "default"}, {"checkMixer", "false"}, {"cbGusirq2", "5"}},
         {},
         "cpu/cputype=auto midi/mididevice=default midi/midiconfig= sblaster/sbmixer=false gus/gusirq=5 "
         "gus/gusdma=1",
         true},
        {"[cpu]\ncycles=max\n",
         {{"cbType", ""}, {"cbMidiDevice", "default"}, {"cbGusirq2", "5"}},
         {},
         "cpu/type= sdl/hwscale= midi/device=default midi/config= sblaster/mixer=false gus/irq1=5 gus/irq2=5 "
         "gus/dma1=1 gus/dma2=1",
         false},
    };
    const QStringList names =
        QString::fromLatin1("type cputype device mididevice config midiconfig mixer sbmixer irq1 irq2 gusirq "
                            "dma1 dma2 gusdma hwscale")
            .split(QLatin1Char(' '));
    for (const auto &row : rows) {
        SCOPED_TRACE(row.file);
        const QString conf = loadText(row.file);
        for (const auto &[name, value] : row.shown)
            EXPECT_EQ(editor->values().values.value(valueShownBy(name)), u(value)) << name;
        for (const char *name : {"cbHWScale", "cbGusirq2", "cbGusdma2"})
            EXPECT_EQ(control<QWidget>(name)->isEnabled(), !row.controlsOff) << name;
        for (const auto &[name, value] : row.edits)
            change(name, value);
        control<QPushButton>("btnSaveConf")->click();

        QStringList saved;
        QString section;
        for (const QString &line : QString::fromUtf8(readFile(conf)).split(QLatin1Char('\n'))) {
            if (line.startsWith(QLatin1Char('[')))
                section = line.mid(1, line.size() - 2);
            else if (names.contains(line.section(QLatin1Char('='), 0, 0)))
                saved.append(section + QLatin1Char('/') + line);
        }
        EXPECT_EQ(saved.join(QLatin1Char(' ')), u(row.saved));
    }
    EXPECT_TRUE(fake.dialogs.messages.isEmpty());
}

TEST_F(DOSBoxConfigEditorTest, LoadReplacesEverythingAndSaveWritesThisFilesLines)
{
    control<QPushButton>("btnSaveConf")->click();
    EXPECT_EQ(fake.dialogs.messages, QStringList{u("Can not Save.  Configure File field is blank.")});

    load("dosbox-default");
    EXPECT_EQ(fake.dialogs.fileFilters.last(), u("Conf Files (*.conf)|*.CONF"));
    EXPECT_EQ(control<QListWidget>("lbAutoExec")->count(), 4);
    // A file without a priority key is a normal one: every later key and its own autoexec lines
    // replace those of the file before.
    const QString second = load("missing-priority");
    EXPECT_EQ(control<QLineEdit>("lblLoadedConfFile")->text(), second);
    EXPECT_EQ(fake.dialogs.messages.size(), 1);
    EXPECT_EQ(control<QComboBox>("cbPriorityFocused")->currentText(), u("higher"));
    EXPECT_EQ(control<QLineEdit>("eMapper")->text(), u("mine.map"));
    EXPECT_TRUE(control<QCheckBox>("checkUseScanCodes")->isChecked());
    EXPECT_EQ(control<QLineEdit>("eKeyboardLayout")->text(), u("fr"));
    EXPECT_EQ(entries(*control<QListWidget>("lbAutoExec")), (QStringList{u("mount c ~/dos"), u("c:")}));

    // Cancelling the dialog changes nothing.
    fake.dialogs.openFileName.clear();
    control<QPushButton>("btnLoadConf")->click();
    EXPECT_EQ(control<QLineEdit>("lblLoadedConfFile")->text(), second);

    fake.dialogs.openFileName = dir.filePath(u("keys.txt"));
    control<QPushButton>("btnMapper")->click();
    EXPECT_EQ(fake.dialogs.fileFilters.last(), u("Text Files (*.txt)|*.TXT"));
    EXPECT_EQ(control<QLineEdit>("eMapper")->text(), dir.filePath(u("keys.txt")));

    control<QPushButton>("btnSaveConf")->click();
    EXPECT_EQ(fake.dialogs.messages.size(), 1);
    const QByteArray saved = readFile(second);
    EXPECT_TRUE(saved.contains("priority=higher,normal\r\n"));
    EXPECT_TRUE(saved.contains(QByteArray("mapperfile=" + dir.filePath(u("keys.txt")).toUtf8() + "\r\n")));
    EXPECT_TRUE(saved.endsWith("[autoexec]\r\nmount c ~/dos\r\nc:\r\n"));
}

TEST_F(DOSBoxConfigEditorTest, AFileThatIsNoConfigurationLeavesTheEditorOnTheFileBefore)
{
    const QString first = load("dosbox-default");
    const QString cycles = control<QComboBox>("cbCycles")->currentText();
    const QString garbage = dir.filePath(u("garbage.conf"));
    const QByteArray noise(300 * 1024, '\x9c');
    ASSERT_TRUE(writeFile(garbage, noise));
    fake.dialogs.openFileName = garbage;
    control<QPushButton>("btnLoadConf")->click();

    ASSERT_EQ(fake.dialogs.messages.size(), 1);
    EXPECT_TRUE(fake.dialogs.messages.front().contains(u("is not a DOSBox configuration file")));
    EXPECT_EQ(control<QLineEdit>("lblLoadedConfFile")->text(), first);
    EXPECT_EQ(control<QComboBox>("cbCycles")->currentText(), cycles);
    EXPECT_EQ(control<QListWidget>("lbAutoExec")->count(), 4);
    // Save goes to the file whose values are shown, and the refused one keeps its bytes.
    control<QPushButton>("btnSaveConf")->click();
    EXPECT_EQ(fake.dialogs.messages.size(), 1);
    EXPECT_EQ(readFile(garbage), noise);
}

// The program as users start it: Config tab, DOSBox, "Config", and the editor on the panel.
TEST(DOSBoxConfigEditorRun, ReachedFromTheConfigTabLoadsAndSaves)
{
    LibraryBuilder lib;
    ASSERT_TRUE(lib.isValid());
    lib.setSubfolders({u("Adventure")});
    lib.addGame(u("Adventure"), u("Alpha"), u("Alpha Quest"), {{u("Year"), u("1990")}});
    lib.writeSettings();
    TestPlatform fake;
    fake.random.numbers = {0};
    auto run = PalloxRun::start(lib.root(), fake.platform());
    ASSERT_NE(run, nullptr);
    TfrmMain &window = run->mainWindow();

    auto *pages = child<QTabWidget>(window, "PageControl1");
    pages->setCurrentIndex(1);
    ASSERT_EQ(pages->tabText(1), u("Config"));
    auto *panel = child<QWidget>(window, "gradDOSBox");
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(child<QComboBox>(window, "cbEmuList")->currentText(), u("DOSBox"));
    child<QPushButton>(window, "btnConfigEmu")->click();
    ASSERT_TRUE(panel->isVisible());
    auto *editor = child<DOSBoxConfigEditor>(window, "Panel9");
    EXPECT_TRUE(editor->isVisible());
    EXPECT_TRUE(child<QLineEdit>(*editor, "lblLoadedConfFile")->text().isEmpty());

    const QString conf = lib.path(u("game.conf"));
    ASSERT_TRUE(writeFile(conf, readFile(fixture("dosbox-default"))));
    fake.dialogs.openFileName = conf;
    child<QPushButton>(*editor, "btnLoadConf")->click();
    auto *cycles = child<QComboBox>(*editor, "cbCycles");
    EXPECT_EQ(cycles->currentText(), u("auto"));
    cycles->lineEdit()->selectAll();
    QTest::keyClicks(cycles->lineEdit(), u("4000"));
    child<QCheckBox>(*editor, "checkFullscreen")->click();
    child<QPushButton>(*editor, "btnSaveConf")->click();
    EXPECT_TRUE(fake.dialogs.messages.isEmpty());

    const QByteArray saved = readFile(conf);
    EXPECT_TRUE(saved.contains("\ncycles=4000\n"));
    EXPECT_TRUE(saved.contains("\nfullscreen=true\n"));
    EXPECT_TRUE(saved.endsWith("[autoexec]\n# Lines in this section will be run at startup.\n"
                               "# You can put your MOUNT lines here.\n\n\n"));
}

// A Windows-1252 file and text that code page cannot hold, typed into a field and into the
// autoexec list: Save refuses, naming them as the editor shows them, and the file keeps its bytes.
TEST(DOSBoxConfigEditorRun, TextTheFileCannotHoldIsRefusedByTheControlOrLineThatHoldsIt)
{
    LibraryBuilder lib;
    ASSERT_TRUE(lib.isValid());
    lib.setSubfolders({u("Adventure")});
    lib.addGame(u("Adventure"), u("Alpha"), u("Alpha Quest"), {{u("Year"), u("1990")}});
    lib.writeSettings();
    TestPlatform fake;
    fake.random.numbers = {0};
    auto run = PalloxRun::start(lib.root(), fake.platform());
    ASSERT_NE(run, nullptr);
    TfrmMain &window = run->mainWindow();
    child<QTabWidget>(window, "PageControl1")->setCurrentIndex(1);
    child<QPushButton>(window, "btnConfigEmu")->click();
    auto *editor = child<DOSBoxConfigEditor>(window, "Panel9");

    const QString conf = lib.path(u("game.conf"));
    const QByteArray windows = "[dosbox]\r\ncaptures=capture\r\n[autoexec]\r\nmount c \"/home/u/Caf\xe9\"\r\n";
    ASSERT_TRUE(writeFile(conf, windows));
    fake.dialogs.openFileName = conf;
    child<QPushButton>(*editor, "btnLoadConf")->click();
    auto *captures = child<QLineEdit>(*editor, "eCaptures");
    ASSERT_EQ(captures->text(), u("capture"));
    captures->selectAll();
    captures->insert(u("/home/u/ゲーム/capture")); // pasted: the test keyboard knows only ASCII
    child<QPushButton>(*editor, "btnSaveConf")->click();
    ASSERT_EQ(fake.dialogs.messages.size(), 1);
    EXPECT_TRUE(fake.dialogs.messages[0].contains(u("\"Capture Directory\" on the DOSBox tab")))
        << fake.dialogs.messages[0].toStdString();
    EXPECT_EQ(readFile(conf), windows);

    captures->setText(u("/home/u/Café/capture"));
    child<QPushButton>(*editor, "btnAutoExecAddLine")->click();
    auto *lines = child<QListWidget>(*editor, "lbAutoExec");
    QTest::mouseClick(lines->viewport(), Qt::LeftButton, {}, lines->visualItemRect(lines->item(1)).center());
    child<QLineEdit>(*editor, "eAutoExecLine")->setText(u("mount d \"/home/u/ゲーム\""));
    child<QPushButton>(*editor, "btnConfirmLine")->click();
    child<QPushButton>(*editor, "btnSaveConf")->click();
    ASSERT_EQ(fake.dialogs.messages.size(), 2);
    EXPECT_TRUE(fake.dialogs.messages[1].contains(u("of the autoexec line \"mount d \"/home/u/ゲーム\"\".")))
        << fake.dialogs.messages[1].toStdString();
    EXPECT_FALSE(fake.dialogs.messages[1].contains(u("Capture Directory")));
    EXPECT_EQ(readFile(conf), windows);
}

} // namespace

#include "base/IniFile.h"
#include "support/Files.h"
#include "support/ResultText.h"
#include "support/Utf8.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

QString fixture(const char *name)
{
    return QStringLiteral(PALLOX_TEST_DATA "/") + QLatin1String(name);
}

// ---------------------------------------------------------------------------------------------
// Reads

struct ReadCase
{
    const char *section;
    const char *key;
    const char *expected; // nullptr: the default comes back
};

void PrintTo(const ReadCase &c, std::ostream *os)
{
    *os << c.section << "/" << c.key;
}

class IniReadTest : public ::testing::TestWithParam<ReadCase>
{};

TEST_P(IniReadTest, ReadsHandEditedFile)
{
    const ReadCase c = GetParam();
    const IniFile ini(fixture("ini-hand-edited.ini"));
    const QString fallback = QStringLiteral("<default>");
    const QString got = ini.readString(u(c.section), u(c.key), fallback);
    EXPECT_EQ(got, c.expected ? u(c.expected) : fallback) << c.section << "/" << c.key;
}

INSTANTIATE_TEST_SUITE_P(
    Rules, IniReadTest,
    ::testing::Values(
        ReadCase{"Main", "Name", "Space Quest"},                  // blanks around key and value
        ReadCase{"main", "NAME", "Space Quest"},                  // letter case of both names
        ReadCase{"MAIN", "name", "Space Quest"},                  // the first key of a name wins
        ReadCase{"Main", "Year", "1986"},                         // tabs count as blanks
        ReadCase{"Main", "Empty", ""},                            // present but empty is not missing
        ReadCase{"Main", "Developer", "Sierra"},                  // the commented line is not read
        ReadCase{"Main", "Publisher", nullptr},                   // only in a repeated section
        ReadCase{"Main", "Orphan", nullptr},                      // lines before any header
        ReadCase{"", "Orphan", nullptr},
        ReadCase{"Main", "; Developer", nullptr},
        ReadCase{"Main", "Missing", nullptr},
        ReadCase{"Nowhere", "Name", nullptr},
        ReadCase{"Subfolders", "Action", ""},                     // a line without '='
        ReadCase{"Subfolders", "RPG", ""},
        ReadCase{"Numbers", "Spaced", "7"}));

TEST(IniFile, MissingFileGivesDefaults)
{
    QTemporaryDir dir;
    const IniFile ini(dir.filePath(QStringLiteral("absent.ini")));
    EXPECT_EQ(ini.readString(QStringLiteral("Main"), QStringLiteral("Name"), QStringLiteral("x")), QStringLiteral("x"));
    EXPECT_EQ(ini.readInteger(QStringLiteral("Main"), QStringLiteral("Width"), 800), 800);
    EXPECT_TRUE(ini.readBool(QStringLiteral("Main"), QStringLiteral("ShowDates"), true));
    EXPECT_TRUE(ini.readSection(QStringLiteral("Fields")).isEmpty());
    EXPECT_FALSE(ini.sectionExists(QStringLiteral("Main")));
}

TEST(IniFile, ListsSectionKeysInFileOrderWithoutRepeats)
{
    const IniFile ini(fixture("ini-hand-edited.ini"));
    EXPECT_EQ(ini.readSection(QStringLiteral("subfolders")),
              (QStringList{QStringLiteral("Action"), QStringLiteral("Adventure"), QStringLiteral("RPG")}));
    EXPECT_EQ(ini.readSection(QStringLiteral("Main")),
              (QStringList{QStringLiteral("Name"), QStringLiteral("Year"), QStringLiteral("Empty"),
                           QStringLiteral("Developer")}));
    EXPECT_TRUE(ini.sectionExists(QStringLiteral("NUMBERS")));
    EXPECT_FALSE(ini.sectionExists(QStringLiteral("Orphan")));
}

struct IntegerCase
{
    const char *key;
    int expected; // -99 is the default
};

void PrintTo(const IntegerCase &c, std::ostream *os)
{
    *os << c.key;
}

class IniIntegerTest : public ::testing::TestWithParam<IntegerCase>
{};

TEST_P(IniIntegerTest, ReadsIntegers)
{
    const IntegerCase c = GetParam();
    const IniFile ini(fixture("ini-hand-edited.ini"));
    EXPECT_EQ(ini.readInteger(QStringLiteral("Numbers"), u(c.key), -99), c.expected) << c.key;
    // Booleans are integer reads: anything non-zero is true, anything unreadable the default.
    const bool expectedBool = c.expected == -99 ? true : c.expected != 0;
    EXPECT_EQ(ini.readBool(QStringLiteral("Numbers"), u(c.key), true), expectedBool) << c.key;
}

INSTANTIATE_TEST_SUITE_P(
    Rules, IniIntegerTest,
    ::testing::Values(IntegerCase{"Dec", 42}, IntegerCase{"Neg", -17}, IntegerCase{"Plus", 8},
                      IntegerCase{"Dollar", 31}, IntegerCase{"Hex", 31}, IntegerCase{"HexUpper", 255},
                      IntegerCase{"Max", 2147483647}, IntegerCase{"Min", -2147483647 - 1},
                      IntegerCase{"TooBig", -99}, IntegerCase{"TooSmall", -99}, IntegerCase{"Garbage", -99},
                      IntegerCase{"Word", -99}, IntegerCase{"Float", -99}, IntegerCase{"DollarOnly", -99},
                      IntegerCase{"Spaced", 7}, IntegerCase{"InnerSpace", -99}, IntegerCase{"Zero", 0},
                      IntegerCase{"HighColour", int(0xFF000005u - 0x100000000LL)}, IntegerCase{"NegHex", -16},
                      IntegerCase{"HugeHex", -99}, IntegerCase{"Missing", -99}));

TEST(IniFile, ParseIntegerRejectsEdgeTexts)
{
    int value = 5;
    for (const char *text : {"", " ", "-", "+", "0x", "$", "0x-1", "$ 1", "--1", "1e3", "99999999999999999999"}) {
        EXPECT_FALSE(IniFile::parseInteger(u(text), &value)) << text;
        EXPECT_EQ(value, 5) << "a failed parse leaves the target alone: " << text;
    }
    ASSERT_TRUE(IniFile::parseInteger(QStringLiteral("0x7fffffff"), &value));
    EXPECT_EQ(value, 2147483647);
    ASSERT_TRUE(IniFile::parseInteger(QStringLiteral("$00FFFF"), &value));
    EXPECT_EQ(value, 0xFFFF);
    ASSERT_TRUE(IniFile::parseInteger(QStringLiteral("007"), &value));
    EXPECT_EQ(value, 7);
}

// ---------------------------------------------------------------------------------------------
// Encodings and line ends

TEST(IniFile, DecodesEachEncoding)
{
    const QString name = u("Caf\xc3\xa9 Noir");
    const QString price = u("\xe2\x82\xac 5");
    for (const char *file : {"ini-windows-1252.ini", "ini-utf8-bom.ini", "ini-utf8.ini"}) {
        const IniFile ini(fixture(file));
        EXPECT_EQ(ini.readString(QStringLiteral("Main"), QStringLiteral("Name"), QString()), name) << file;
        EXPECT_EQ(ini.readString(QStringLiteral("Main"), QStringLiteral("Price"), QString()), price) << file;
        EXPECT_EQ(ini.readSection(QStringLiteral("Main")).value(0), QStringLiteral("Name"))
            << "the byte-order mark is not part of the first line: " << file;
    }
    const IniFile windows(fixture("ini-windows-1252.ini"));
    EXPECT_EQ(windows.readString(QStringLiteral("Main"), QStringLiteral("Quote"), QString()),
              u("\xe2\x80\x9cHi\xe2\x80\x9d"));
    EXPECT_EQ(windows.readString(u("CAF\xc3\x89"), QStringLiteral("key"), QString()), QStringLiteral("Value"))
        << "non-ASCII section names fold too";
    const IniFile utf8(fixture("ini-utf8.ini"));
    EXPECT_EQ(utf8.readString(QStringLiteral("Main"), QStringLiteral("Japanese"), QString()),
              u("\xe6\x97\xa5\xe6\x9c\xac"));
}

TEST(IniFile, AcceptsEveryLineEndStyle)
{
    for (const char *end : {"\r\n", "\n", "\r"}) {
        const QByteArray e(end);
        const IniFile ini = IniFile::fromBytes("[A]" + e + "x=1" + e + e + "[B]" + e + "y=2" + e + "z");
        EXPECT_EQ(ini.readInteger(QStringLiteral("A"), QStringLiteral("x"), 0), 1);
        EXPECT_EQ(ini.readInteger(QStringLiteral("B"), QStringLiteral("y"), 0), 2);
        EXPECT_EQ(ini.readSection(QStringLiteral("B")), (QStringList{QStringLiteral("y"), QStringLiteral("z")}));
    }
}

// ---------------------------------------------------------------------------------------------
// Writes

struct WriteCase
{
    const char *name;
    const char *before; // nullptr: no file
    const char *section;
    const char *key;
    const char *value;  // UTF-8
    const char *after;
    const char *readBack = nullptr; // nullptr: the value written
};

void PrintTo(const WriteCase &c, std::ostream *os)
{
    *os << c.name;
}

class IniWriteTest : public ::testing::TestWithParam<WriteCase>
{};

TEST_P(IniWriteTest, ChangesOnlyWhatIsWritten)
{
    const WriteCase c = GetParam();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("test.ini"));
    if (c.before) {
        ASSERT_TRUE(writeFile(path, QByteArray(c.before)));
    }
    IniFile ini(path);
    const Result<void> written = ini.writeString(u(c.section), u(c.key), u(c.value));
    ASSERT_TRUE(written) << messageOf(written).toStdString();
    EXPECT_EQ(readFile(path), QByteArray(c.after));
    // What was written reads back, through this object and through a fresh one.
    const QString readBack = u(c.readBack ? c.readBack : c.value);
    EXPECT_EQ(ini.readString(u(c.section), u(c.key), QStringLiteral("<default>")), readBack);
    EXPECT_EQ(IniFile(path).readString(u(c.section), u(c.key), QStringLiteral("<default>")), readBack);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, IniWriteTest,
    ::testing::Values(
        WriteCase{"NewFile", nullptr, "Main", "Width", "1024", "[Main]\r\nWidth=1024\r\n"},
        WriteCase{"EmptyFile", "", "Main", "Width", "1024", "[Main]\r\nWidth=1024\r\n"},
        WriteCase{"OnlyByteOrderMark", "\xef\xbb\xbf", "Main", "Width", "1", "\xef\xbb\xbf[Main]\r\nWidth=1\r\n"},
        WriteCase{"InPlaceKeepsEveryOtherByte",
                  "; hand made\n[Main]\n  WIDTH =  800  ; old\nHeight\t=\t600\n\n[Other]\r\nx=1",
                  "main", "width", "1024",
                  "; hand made\n[Main]\nWIDTH=1024\nHeight\t=\t600\n\n[Other]\r\nx=1"},
        WriteCase{"InPlaceKeepsWindows1252Lines", "[Main]\r\nName=Caf\xe9\r\nYear=1990\r\n", "Main", "Year",
                  "1991", "[Main]\r\nName=Caf\xe9\r\nYear=1991\r\n"},
        WriteCase{"InPlaceEncodesWindows1252", "[Main]\r\nName=Caf\xe9\r\nYear=1990\r\n", "Main", "Name",
                  "\xe2\x82\xac \xc3\xa9t\xc3\xa9", "[Main]\r\nName=\x80 \xe9t\xe9\r\nYear=1990\r\n"},
        WriteCase{"Utf8FileStaysUtf8", "\xef\xbb\xbf[Main]\nName=Caf\xc3\xa9\n", "Main", "Name",
                  "\xe6\x97\xa5", "\xef\xbb\xbf[Main]\nName=\xe6\x97\xa5\n"},
        WriteCase{"FirstOfRepeatedKeyAndSection", "[A]\nk=1\nK=2\n[a]\nk=3\n", "a", "K", "9",
                  "[A]\nk=9\nK=2\n[a]\nk=3\n"},
        WriteCase{"NewKeyAtEndOfSectionBeforeBlankLines", "[A]\r\nx=1\r\n; note\r\n\r\n[B]\r\ny=2\r\n", "A", "z",
                  "3", "[A]\r\nx=1\r\nz=3\r\n; note\r\n\r\n[B]\r\ny=2\r\n"},
        WriteCase{"NewKeyInEmptySection", "[A]\n\n[B]\n", "A", "z", "3", "[A]\nz=3\n\n[B]\n"},
        WriteCase{"NewKeyInLastSectionWithoutLineEnd", "[A]\nx=1", "A", "z", "3", "[A]\nx=1\nz=3\n"},
        WriteCase{"NewSectionAtEnd", "[A]\rx=1\r", "B", "y", "2", "[A]\rx=1\r[B]\ry=2\r"},
        WriteCase{"NewSectionAfterLineWithoutEnd", "[A]\r\nx=1", "B", "y", "2", "[A]\r\nx=1\r\n[B]\r\ny=2\r\n"},
        WriteCase{"LinesBeforeHeaderAreNoSection", "x=1\n", "", "x", "2", "x=1\n[]\nx=2\n"},
        WriteCase{"LineBreaksInValueBecomeBlanks", "[A]\nx=1\ny=2\n", "A", "x", "one\r\ntwo\nthree\rfour",
                  "[A]\nx=one two three four\ny=2\n", "one two three four"},
        WriteCase{"EmptyValue", "[A]\nx=1\n", "A", "x", "", "[A]\nx=\n"}),
    [](const ::testing::TestParamInfo<WriteCase> &info) { return std::string(info.param.name); });

TEST(IniFile, IntegerAndBoolWrites)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("numbers.ini"));
    IniFile ini(path);
    ASSERT_TRUE(ini.writeInteger(QStringLiteral("N"), QStringLiteral("a"), -42));
    ASSERT_TRUE(ini.writeBool(QStringLiteral("N"), QStringLiteral("b"), true));
    ASSERT_TRUE(ini.writeBool(QStringLiteral("N"), QStringLiteral("c"), false));
    EXPECT_EQ(readFile(path), QByteArray("[N]\r\na=-42\r\nb=1\r\nc=0\r\n"));
    EXPECT_EQ(ini.readInteger(QStringLiteral("n"), QStringLiteral("A"), 0), -42);
    EXPECT_TRUE(ini.readBool(QStringLiteral("n"), QStringLiteral("B"), false));
    EXPECT_FALSE(ini.readBool(QStringLiteral("n"), QStringLiteral("C"), true));
}

TEST(IniFile, WriteThatFailsLeavesEverythingAndSaysWhy)
{
    QTemporaryDir dir;
    const QString blocker = dir.filePath(QStringLiteral("plain-file"));
    ASSERT_TRUE(writeFile(blocker, "not a folder"));
    const QString folderAsTarget = dir.filePath(QStringLiteral("folder.ini"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.ini")));

    const QString targets[] = {
        dir.filePath(QStringLiteral("missing/settings.ini")), // folders are not created
        blocker + QStringLiteral("/settings.ini"),            // a file where a folder should be
        folderAsTarget,                                       // a folder where the file should be
    };
    for (const QString &target : targets) {
        IniFile ini(target);
        const Result<void> written = ini.writeString(QStringLiteral("Main"), QStringLiteral("x"), QStringLiteral("1"));
        EXPECT_FALSE(written);
        const QString error = messageOf(written);
        EXPECT_TRUE(error.contains(QDir::toNativeSeparators(target))) << error.toStdString();
        EXPECT_GT(error.size(), QDir::toNativeSeparators(target).size() + 15)
            << "the reason is given: " << error.toStdString();
        EXPECT_FALSE(QFileInfo(target).isFile());
        EXPECT_EQ(ini.readString(QStringLiteral("Main"), QStringLiteral("x"), QStringLiteral("d")), QStringLiteral("d"));
    }
    EXPECT_EQ(readFile(blocker), QByteArray("not a folder"));
    EXPECT_TRUE(QFileInfo(folderAsTarget).isDir());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              (QStringList{QStringLiteral("folder.ini"), QStringLiteral("plain-file")}))
        << "no temporary file is left behind";
}

TEST(IniFile, WriteInReadOnlyFolderFailsWithoutTouchingTheFile)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "permission bits do not stop the superuser";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("locked.ini"));
    ASSERT_TRUE(writeFile(path, "[Main]\r\nx=1\r\n"));
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    IniFile ini(path);
    const Result<void> written = ini.writeString(QStringLiteral("Main"), QStringLiteral("x"), QStringLiteral("2"));
    EXPECT_FALSE(written);
    const QString error = messageOf(written);
    EXPECT_TRUE(error.contains(QDir::toNativeSeparators(path)));
    EXPECT_TRUE(error.contains(QLatin1String("ermission"))) << error.toStdString();
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(readFile(path), QByteArray("[Main]\r\nx=1\r\n"));
    EXPECT_EQ(ini.readInteger(QStringLiteral("Main"), QStringLiteral("x"), 0), 1);
}

TEST(IniFile, EmptyKeyNameIsRefused)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("k.ini"));
    IniFile ini(path);
    const Result<void> written = ini.writeString(QStringLiteral("Main"), QStringLiteral(" "), QStringLiteral("1"));
    EXPECT_FALSE(written);
    EXPECT_FALSE(messageOf(written).isEmpty());
    EXPECT_FALSE(QFile::exists(path));
}

TEST(IniFile, WritesAreNotUndoneByAnotherProgramsEdits)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("shared.ini"));
    ASSERT_TRUE(writeFile(path, "[Main]\r\na=1\r\n"));
    IniFile ini(path);
    EXPECT_EQ(ini.readInteger(QStringLiteral("Main"), QStringLiteral("a"), 0), 1);

    // Another program edits the file; the next write starts from its content.
    ASSERT_TRUE(writeFile(path, "[Main]\r\na=1\r\nb=2\r\n"));
    ASSERT_TRUE(ini.writeInteger(QStringLiteral("Main"), QStringLiteral("c"), 3));
    EXPECT_EQ(readFile(path), QByteArray("[Main]\r\na=1\r\nb=2\r\nc=3\r\n"));
}

TEST(IniFile, ReadsSeeOutsideChanges)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("settings.ini"));
    ASSERT_TRUE(writeFile(path, "[Main]\r\nWidth=800\r\n"));
    const IniFile ini(path);
    EXPECT_EQ(ini.readInteger(QStringLiteral("Main"), QStringLiteral("Width"), 0), 800);

    // Same size, so only the modification time tells; make sure it differs.
    ASSERT_TRUE(writeFile(path, "[Main]\r\nWidth=900\r\n"));
    QFile touched(path);
    ASSERT_TRUE(touched.open(QIODevice::ReadWrite));
    ASSERT_TRUE(touched.setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime));
    touched.close();
    EXPECT_EQ(ini.readInteger(QStringLiteral("Main"), QStringLiteral("Width"), 0), 900);

    ASSERT_TRUE(writeFile(path, "[Main]\r\nWidth=1000\r\nHeight=700\r\n"));
    EXPECT_EQ(ini.readInteger(QStringLiteral("Main"), QStringLiteral("Height"), 0), 700);

    ASSERT_TRUE(QFile::remove(path));
    EXPECT_EQ(ini.readInteger(QStringLiteral("Main"), QStringLiteral("Width"), 1), 1);
}

TEST(IniFile, ReadsSeeAReplacementOfTheSameSizeAndTime)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("settings.ini"));
    ASSERT_TRUE(writeFile(path, "[Main]\r\nWidth=800\r\n"));
    // A whole second, so that setting it again gives the very same time to the nanosecond.
    const QDateTime stamp = QDateTime::fromSecsSinceEpoch(QDateTime::currentSecsSinceEpoch() - 60);
    const auto setModified = [&] {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(stamp, QFileDevice::FileModificationTime));
    };
    setModified();
    const IniFile reader(path);
    ASSERT_EQ(reader.readInteger(QStringLiteral("Main"), QStringLiteral("Width"), 0), 800);

    // Another program rewrites the file within one tick of the file system's clock.
    IniFile writer(path);
    ASSERT_TRUE(writer.writeInteger(QStringLiteral("Main"), QStringLiteral("Width"), 900));
    setModified();
    ASSERT_EQ(QFileInfo(path).size(), qint64(sizeof("[Main]\r\nWidth=800\r\n") - 1));
    ASSERT_EQ(QFileInfo(path).lastModified(), stamp);
    EXPECT_EQ(reader.readInteger(QStringLiteral("Main"), QStringLiteral("Width"), 0), 900);
}

TEST(IniFile, FromBytesReadsButCannotWrite)
{
    IniFile ini = IniFile::fromBytes("[Main]\r\nName=Loom\r\n");
    EXPECT_TRUE(ini.fileName().isEmpty());
    EXPECT_EQ(ini.readString(QStringLiteral("MAIN"), QStringLiteral("name"), QString()), QStringLiteral("Loom"));
    const Result<void> written = ini.writeString(QStringLiteral("Main"), QStringLiteral("Name"), QStringLiteral("Zak"));
    EXPECT_FALSE(written);
    EXPECT_FALSE(messageOf(written).isEmpty());
    EXPECT_EQ(ini.readString(QStringLiteral("Main"), QStringLiteral("Name"), QString()), QStringLiteral("Loom"));
}

// ---------------------------------------------------------------------------------------------
// Damaged input

TEST(IniFile, SurvivesDamagedInput)
{
    const IniFile empty = IniFile::fromBytes(QByteArray());
    EXPECT_EQ(empty.readString(QStringLiteral("Main"), QStringLiteral("x"), QStringLiteral("d")), QStringLiteral("d"));

    QByteArray binary;
    for (int i = 0; i < 4096; ++i)
        binary.append(char((i * 7919) % 256));
    binary.append(QByteArray("\n[Main]\nName=Zak\0McKracken\n", 27));
    const IniFile garbage = IniFile::fromBytes(binary);
    EXPECT_EQ(garbage.readString(QStringLiteral("Main"), QStringLiteral("Name"), QString()),
              QString::fromLatin1("Zak\0McKracken", 13));

    const IniFile unclosed = IniFile::fromBytes("[Main\nName=x\n[\n[]]\n=\n[Other]]\ny");
    EXPECT_EQ(unclosed.readString(QStringLiteral("Main"), QStringLiteral("Name"), QString()), QStringLiteral("x"));
    EXPECT_EQ(unclosed.readSection(QStringLiteral("Other")), QStringList{QStringLiteral("y")});
}

TEST(IniFile, HugeSingleLineIsReadInLinearTime)
{
    QByteArray huge = "[Main]\nBig=";
    huge.append(QByteArray(10 * 1024 * 1024, 'a'));
    QElapsedTimer timer;
    timer.start();
    const IniFile ini = IniFile::fromBytes(huge);
    EXPECT_EQ(ini.readString(QStringLiteral("Main"), QStringLiteral("Big"), QString()).size(), 10 * 1024 * 1024);
    const IniFile noLineEnds = IniFile::fromBytes(QByteArray(10 * 1024 * 1024, '['));
    EXPECT_EQ(noLineEnds.readSection(QStringLiteral("[[")).size(), 0);
    EXPECT_LT(timer.elapsed(), 5000);
}

} // namespace

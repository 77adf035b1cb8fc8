#include "library/GameTable.h"
#include "library/GridTextFile.h"
#include "support/Files.h"
#include "support/ResultText.h"
#include "support/TableHelpers.h"

#include <QBuffer>
#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace {

// Whether a load failed on what the file holds (counts that are no numbers or promise more cells
// than the file has), rather than on getting at the file at all.
bool isDamagedGridFile(const Failure &failure)
{
    switch (failure.kind()) {
    case Failure::Kind::CacheEmpty:
    case Failure::Kind::CacheNoColumnCount:
    case Failure::Kind::CacheNoRowCount:
    case Failure::Kind::CacheCutShort:
        return true;
    default:
        return false;
    }
}

Result<GameTable> loadBytes(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return LoadStringGrid(buffer);
}

class GridTextFileTest : public ::testing::Test
{
protected:
    QTemporaryDir m_dir;
    QString file(const QString &name) const { return m_dir.filePath(name); }
};

TEST_F(GridTextFileTest, WritesTheDocumentedLayoutByteForByte)
{
    struct Case
    {
        const char *name;
        GameTable table;
        QByteArray expected;
    };
    const std::vector<Case> cases{
        {"two columns, three rows",
         tableOf({QStringLiteral("Number"), QStringLiteral("Name")},
                 {{QStringLiteral("1"), QStringLiteral("Doom")}, {QStringLiteral("2"), QStringLiteral("Myst")}}),
         "2\r\n3\r\nNumber\r\n1\r\n2\r\nName\r\nDoom\r\nMyst\r\n"},
        {"field names only",
         tableOf({QStringLiteral("Number"), QStringLiteral("Name"), QStringLiteral("Year")}),
         "3\r\n1\r\nNumber\r\nName\r\nYear\r\n"},
        {"non-ASCII as UTF-8 without byte-order mark",
         tableOf({QStringLiteral("Name")}, {{QStringLiteral("Caf\u00e9 \u2605")}}),
         "1\r\n2\r\nName\r\nCaf\xc3\xa9 \xe2\x98\x85\r\n"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(SaveStringGrid(c.table, file(QStringLiteral("grid.txt"))));
        EXPECT_EQ(readFile(file(QStringLiteral("grid.txt"))), c.expected);
    }
}

TEST_F(GridTextFileTest, RoundTripKeepsEveryCell)
{
    const GameTable original = tableOf(
        {QStringLiteral("Number"), QStringLiteral("Name"), QStringLiteral("Platform")},
        {{QStringLiteral("1"), QStringLiteral("Zak McKracken"), QStringLiteral("DOS")},
        {QString(), QStringLiteral("   "), QStringLiteral("DOS")},
        {QStringLiteral("3"), QStringLiteral("\u00c9l\u00e8ve \u65e5\u672c \U0001F3AE"), QString()},
        {QStringLiteral("4"), QStringLiteral(" leading and trailing "), QStringLiteral("Amiga")}});
    ASSERT_TRUE(SaveStringGrid(original, file(QStringLiteral("grid.txt"))));

    const Result<GameTable> result = LoadStringGrid(file(QStringLiteral("grid.txt")));
    ASSERT_TRUE(result) << messageOf(result).toStdString();
    const GameTable &loaded = *result;
    EXPECT_EQ(loaded, original);
    EXPECT_EQ(loaded.cell(1, 2), QStringLiteral("   "));
    EXPECT_TRUE(loaded.cell(0, 2).isEmpty());
    // Equal texts of a column share one payload instead of one copy per row.
    EXPECT_EQ(loaded.cell(2, 1).constData(), loaded.cell(2, 2).constData());
}

TEST_F(GridTextFileTest, ACellWithALineBreakCannotShiftTheCellsAfterIt)
{
    const GameTable original = tableOf({QStringLiteral("Name"), QStringLiteral("Year")},
                                       {{QStringLiteral("two\r\nlines"), QStringLiteral("1990")}});
    ASSERT_TRUE(SaveStringGrid(original, file(QStringLiteral("grid.txt"))));
    const Result<GameTable> loaded = LoadStringGrid(file(QStringLiteral("grid.txt")));
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->cell(0, 1), QStringLiteral("two  lines"));
    EXPECT_EQ(loaded->cell(1, 1), QStringLiteral("1990"));
}

TEST(GridTextFileRead, AcceptsWhatOtherWritersProduce)
{
    struct Case
    {
        const char *name;
        QByteArray bytes;
        int columns;
        int rows;
        QStringList cellsByColumn;
    };
    const std::vector<Case> cases{
        {"text after the counts", "2 abc\r\n1xyz\r\nA\r\nB\r\n", 2, 1, {QStringLiteral("A"), QStringLiteral("B")}},
        {"twelve columns", "12 abc\r\n1\r\n" + QByteArray("x\r\n").repeated(12), 12, 1, {}},
        {"count below one", "0\r\n0\r\nonly\r\n", 1, 1, {QStringLiteral("only")}},
        {"LF line ends", "1\n2\nA\nB\n", 1, 2, {QStringLiteral("A"), QStringLiteral("B")}},
        {"CR line ends", "1\r2\rA\rB\r", 1, 2, {QStringLiteral("A"), QStringLiteral("B")}},
        {"no line end after the last cell", "1\r\n2\r\nA\r\nB", 1, 2, {QStringLiteral("A"), QStringLiteral("B")}},
        {"empty last cell", "1\r\n2\r\nA\r\n\r\n", 1, 2, {QStringLiteral("A"), QString()}},
        {"lines beyond the counts", "1\r\n1\r\nA\r\nB\r\nC\r\n", 1, 1, {QStringLiteral("A")}},
        {"Windows-1252", "1\r\n1\r\nCaf\xe9 \x80\r\n", 1, 1, {QStringLiteral("Caf\u00e9 \u20ac")}},
        {"byte-order mark", "\xef\xbb\xbf" "1\r\n1\r\nCaf\xc3\xa9\r\n", 1, 1, {QStringLiteral("Caf\u00e9")}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const Result<GameTable> result = loadBytes(c.bytes);
        ASSERT_TRUE(result) << messageOf(result).toStdString();
        const GameTable &table = *result;
        EXPECT_EQ(table.columnCount(), c.columns);
        EXPECT_EQ(table.rowCount(), c.rows);
        for (qsizetype i = 0; i < c.cellsByColumn.size(); ++i)
            EXPECT_EQ(table.cell(int(i) / c.rows, int(i) % c.rows), c.cellsByColumn[i]) << "cell " << i;
    }
}

TEST(GridTextFileRead, DamagedFilesLeaveTheTableUntouched)
{
    QByteArray garbage(64 * 1024, '\0');
    QRandomGenerator random(42);
    for (char &byte : garbage)
        byte = static_cast<char>(random.bounded(256));
    garbage[0] = '\xff';

    struct Case
    {
        const char *name;
        QByteArray bytes;
    };
    const std::vector<Case> cases{
        {"empty file", ""},
        {"column count no number", "abc\r\n1\r\nA\r\n"},
        {"row count no number", "1\r\n-1\r\nA\r\n"},
        {"only one line", "1\r\n"},
        {"column count overflows", "99999999999999999999\r\n1\r\nA\r\n"},
        {"row count just past int", "1\r\n2147483648\r\nA\r\n"},
        {"counts far larger than the file", "2147483647\r\n2147483647\r\nA\r\nB\r\n"},
        {"product of counts overflows int", "65536\r\n65536\r\nA\r\n"},
        {"cut short", "2\r\n3\r\nNumber\r\n1\r\n2\r\nName\r\nDoom\r\n"},
        {"binary garbage", garbage},
        {"binary garbage after large counts", "5000\r\n7000\r\n" + garbage},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const Result<GameTable> result = loadBytes(c.bytes);
        ASSERT_FALSE(result);
        EXPECT_TRUE(isDamagedGridFile(result.error())) << messageOf(result).toStdString();
        EXPECT_FALSE(messageOf(result).isEmpty());
    }
}

TEST_F(GridTextFileTest, DamagedMessageNamesTheFile)
{
    ASSERT_TRUE(writeFile(file(QStringLiteral("DataCache.txt")), "x\r\n"));
    const Result<GameTable> result = LoadStringGrid(file(QStringLiteral("DataCache.txt")));
    ASSERT_FALSE(result);
    EXPECT_TRUE(isDamagedGridFile(result.error()));
    EXPECT_TRUE(messageOf(result).startsWith(QStringLiteral("The data cache \"%1\" is damaged: ")
                                                 .arg(file(QStringLiteral("DataCache.txt")))))
        << messageOf(result).toStdString();
}

TEST_F(GridTextFileTest, FilesThatCannotBeOpenedOrWrittenAreInputOutputErrors)
{
    const GameTable table = tableOf({QStringLiteral("Name")}, {{QStringLiteral("Doom")}});
    ASSERT_TRUE(writeFile(file(QStringLiteral("plain")), "not a folder"));

    for (const QString &source : {file(QStringLiteral("missing.txt")), m_dir.path()}) {
        const Result<GameTable> loaded = LoadStringGrid(source);
        ASSERT_FALSE(loaded);
        EXPECT_FALSE(isDamagedGridFile(loaded.error())) << messageOf(loaded).toStdString();
    }

    for (const QString &target : {file(QStringLiteral("no/such/folder/DataCache.txt")),
                                  file(QStringLiteral("plain/DataCache.txt")), m_dir.path()}) {
        SCOPED_TRACE(target.toStdString());
        const Result<void> result = SaveStringGrid(table, target);
        ASSERT_FALSE(result);
        EXPECT_FALSE(isDamagedGridFile(result.error()));
        EXPECT_TRUE(messageOf(result).contains(target)) << messageOf(result).toStdString();
    }
}

// Stands for a full disk: as root no permission stops a write, but a file size limit does.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_saved{};
    void (*m_oldHandler)(int) = nullptr;
};

TEST_F(GridTextFileTest, AFailedWriteKeepsTheOldFileWhole)
{
    const QString target = file(QStringLiteral("DataCache.txt"));
    const QByteArray old = "1\r\n2\r\nName\r\nDoom\r\n";
    ASSERT_TRUE(writeFile(target, old));

    GameTable big;
    big.setSize(10, 10000);
    for (int r = 0; r < big.rowCount(); ++r)
        big.setCell(1, r, QStringLiteral("A game name long enough to fill the disk %1").arg(r));

    Result<void> result;
    {
        FileSizeLimit limit(4096);
        result = SaveStringGrid(big, target);
    }
    ASSERT_FALSE(result);
    EXPECT_FALSE(isDamagedGridFile(result.error()));
    EXPECT_FALSE(messageOf(result).isEmpty());
    EXPECT_EQ(readFile(target), old);
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("DataCache.txt")});
}

TEST_F(GridTextFileTest, LargeCacheRoundTrips)
{
    // A collection of 50,000 games, where shared column texts must not mix up cells.
    constexpr int columns = 70;
    constexpr int rows = 50001;
    const QStringList platforms{QStringLiteral("DOS"), QStringLiteral("Amiga"), QStringLiteral("C64"),
                                QStringLiteral("SNES")};
    GameTable table;
    table.setSize(columns, rows);
    for (int r = 1; r < rows; ++r) {
        table.setCell(0, r, QString::number(r));
        table.setCell(1, r, QStringLiteral("Game number %1").arg(r));
        table.setCell(2, r, QString::number(1980 + r % 30));
        table.setCell(10, r, platforms[r % platforms.size()]);
        table.setCell(40, r, QStringLiteral("folder-%1").arg(r));
    }
    const QString target = file(QStringLiteral("DataCache.txt"));
    ASSERT_TRUE(SaveStringGrid(table, target));

    const Result<GameTable> loaded = LoadStringGrid(target);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(*loaded, table);
}

} // namespace

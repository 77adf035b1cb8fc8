#include "export/LaunchBoxText.h"
#include "support/Files.h"
#include "support/QtPrinters.h"

#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTimeZone>

#include <gtest/gtest.h>

namespace {

using namespace LaunchBoxText;

TEST(LaunchBoxTextTest, ImageFolderNamesStayInsideImages)
{
    const QString id = QStringLiteral("{11111111-1111-4111-9111-111111111111}");
    EXPECT_EQ(imageFolderName(QStringLiteral("Monkey Island 2: LeChuck's \"Revenge\"?"), id),
              QStringLiteral("Monkey Island 2_ LeChuck_s _Revenge__.{11111111-1111-4111-9111-111111111111}"));
    EXPECT_EQ(imageFolderName(QStringLiteral("../../etc/x"), id), QStringLiteral(".._.._etc_x.") + id);
    EXPECT_EQ(imageFolderName(QStringLiteral("..\\Win\\Path"), id), QStringLiteral(".._Win_Path.") + id);
    // Everything else is kept as it is, letters of any script too.
    EXPECT_EQ(imageFolderName(QStringLiteral("Ys * Ár|x <1>"), id), QStringLiteral("Ys * Ár|x <1>.") + id);
}

TEST(LaunchBoxTextTest, TimestampsCarryTheMomentsOwnOffset)
{
    const QDate day(2024, 3, 9);
    EXPECT_EQ(timestamp(QDateTime(day, QTime(9, 5, 3, 42), QTimeZone(-6 * 3600))),
              QStringLiteral("2024-03-09T09:05:03.0420000-06:00"));
    EXPECT_EQ(timestamp(QDateTime(day, QTime(23, 59, 59, 999), QTimeZone(5 * 3600 + 30 * 60))),
              QStringLiteral("2024-03-09T23:59:59.9990000+05:30"));
    EXPECT_EQ(timestamp(QDateTime(day, QTime(12, 0), QTimeZone(0))),
              QStringLiteral("2024-03-09T12:00:00.0000000+00:00"));
    EXPECT_EQ(timestamp(QDateTime(day, QTime(0, 0), QTimeZone(3600))), QStringLiteral("2024-03-09"));
    EXPECT_EQ(timestamp(QDateTime(day, QTime(0, 0, 0, 1), QTimeZone(-9 * 3600 - 30 * 60))),
              QStringLiteral("2024-03-09T00:00:00.0010000-09:30"));

    // The machine's own zone, whatever it is on the machine running the test.
    const QDateTime local(day, QTime(10, 0));
    const int minutes = local.offsetFromUtc() / 60;
    const QString offset = QStringLiteral("%1%2:%3")
                               .arg(QChar(minutes < 0 ? u'-' : u'+'))
                               .arg(std::abs(minutes) / 60, 2, 10, QLatin1Char('0'))
                               .arg(std::abs(minutes) % 60, 2, 10, QLatin1Char('0'));
    EXPECT_EQ(timestamp(local), QString(QStringLiteral("2024-03-09T10:00:00.0000000") + offset));
}

TEST(LaunchBoxTextTest, NotesRunWrappedLinesTogetherAndKeepBlankLines)
{
    EXPECT_EQ(notesFromLines({QStringLiteral("Line one"), QStringLiteral("line two"), QString(),
                              QStringLiteral("Next")}),
              QStringLiteral("Line one line two\r\n\r\nNext"));
    EXPECT_EQ(notesFromLines({QString(), QString()}), QStringLiteral("\r\n\r\n\r\n\r\n"));
    // One blank at a join, never a second one, and none where a paragraph begins.
    EXPECT_EQ(notesFromLines({QStringLiteral("the greeting and"), QStringLiteral("waits")}),
              QStringLiteral("the greeting and waits"));
    EXPECT_EQ(notesFromLines({QStringLiteral("ends with a blank "), QStringLiteral("next"),
                              QStringLiteral("  indented"), QStringLiteral("tab\t"), QStringLiteral("end")}),
              QStringLiteral("ends with a blank next  indented tab\tend"));
    EXPECT_EQ(notesFromLines({QStringLiteral("a"), QString(), QStringLiteral("b"), QStringLiteral("c")}),
              QStringLiteral("a\r\n\r\nb c"));

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString note = dir.filePath(QStringLiteral("about.txt"));
    const struct
    {
        QByteArray bytes;
        QString notes;
    } files[] = {
        {"Line one\r\nline two\r\n\r\nNext\r\n", QStringLiteral("Line one line two\r\n\r\nNext")},
        {"Unix\nlines\n\nend", QStringLiteral("Unix lines\r\n\r\nend")},
        {"Old Mac\rlines", QStringLiteral("Old Mac lines")},
        // Written on Windows in its code page.
        {"Caf\xE9 \x93quoted\x94\r\n", QStringLiteral("Café “quoted”")},
        {"", QString()},
    };
    for (const auto &file : files) {
        ASSERT_TRUE(writeFile(note, file.bytes));
        const std::optional<QString> notes = readNotes(note);
        ASSERT_TRUE(notes.has_value()) << file.bytes.toStdString();
        EXPECT_EQ(*notes, file.notes);
    }
    EXPECT_FALSE(readNotes(dir.filePath(QStringLiteral("missing.txt"))).has_value());
    EXPECT_FALSE(readNotes(dir.path()).has_value());
}

TEST(LaunchBoxTextTest, GenresSubGenresBackupNamesAndPictureNames)
{
    EXPECT_EQ(genre(QStringLiteral("Adventure"), QString(), QStringLiteral("Horror")),
              QStringLiteral("Adventure;Horror"));
    EXPECT_EQ(genre(QString(), QStringLiteral("Puzzle"), QString()), QStringLiteral(";Puzzle"));
    EXPECT_EQ(genre(QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")), QStringLiteral("A;B;C"));

    EXPECT_EQ(backupFileName(QStringLiteral("/lb/LaunchBox.xml")),
              QStringLiteral("/lb/LaunchBox (PALLOX Backup).xml"));
    EXPECT_EQ(backupFileName(QStringLiteral("/lb/Data/Platforms/Sega Genesis.XML")),
              QStringLiteral("/lb/Data/Platforms/Sega Genesis (PALLOX Backup).XML"));
    EXPECT_EQ(backupFileName(QStringLiteral("/lb/games.v2.xml")),
              QStringLiteral("/lb/games.v2 (PALLOX Backup).xml"));
    EXPECT_EQ(backupFileName(QStringLiteral("/lb/.hidden")), QStringLiteral("/lb/.hidden (PALLOX Backup)"));

    EXPECT_EQ(fileNamePart(QStringLiteral("shot.png")), QStringLiteral("shot.png"));
    EXPECT_EQ(fileNamePart(QStringLiteral("..\\..\\shot.png")), QStringLiteral("shot.png"));
    EXPECT_EQ(fileNamePart(QStringLiteral("sub/..")), QString());
}

TEST(LaunchBoxTextTest, GameIdsAreVersionFourGuidsInLaunchBoxForm)
{
    const QRegularExpression form(
        QStringLiteral("^\\{[0-9A-F]{8}-[0-9A-F]{4}-4[0-9A-F]{3}-[89AB][0-9A-F]{3}-[0-9A-F]{12}\\}$"));
    QSet<QString> ids;
    for (int n = 0; n < 1000; ++n) {
        const QString id = gameId();
        EXPECT_TRUE(form.match(id).hasMatch()) << id.toStdString();
        ids.insert(id);
    }
    EXPECT_EQ(ids.size(), 1000);
}

} // namespace

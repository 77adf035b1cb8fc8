#pragma once

#include "export/LaunchBoxExport.h"
#include "library/GameTable.h"
#include "support/FakeClock.h"
#include "support/FakeFileOps.h"
#include "support/FakeRandom.h"
#include "support/Files.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QHash>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimeZone>

#include <gtest/gtest.h>

// A library folder and a LaunchBox folder side by side in a temporary folder, a table built row
// by row, and the seams an export needs: a clock that stands still at a known moment, scripted
// GUIDs, and copies that really happen and are recorded.
class ExportFixture : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        ASSERT_TRUE(QDir().mkpath(libraryRoot()));
        ASSERT_TRUE(QDir().mkpath(exportFolder()));
        const QStringList names = fields();
        table.setSize(static_cast<int>(names.size()), 1);
        for (int c = 0; c < names.size(); ++c)
            table.setCell(c, 0, names.at(c));
        // 09:05:03.042 six hours behind universal time.
        clock.time = QDateTime(QDate(2024, 3, 9), QTime(9, 5, 3, 42), QTimeZone(-6 * 3600));
        fileOps.applyToDisk = true;
    }

    static QStringList fields()
    {
        QStringList names{
            QStringLiteral("Number"),    QStringLiteral("Name"),       QStringLiteral("Year"),
            QStringLiteral("Developer"), QStringLiteral("Publisher"),  QStringLiteral("Genre"),
            QStringLiteral("SubGenre"),  QStringLiteral("SubGenre2"),  QStringLiteral("Platform"),
            QStringLiteral("Rating"),    QStringLiteral("Executable"), QStringLiteral("Manual"),
            QStringLiteral("About"),     QStringLiteral("Front01"),    QStringLiteral("Back01"),
            QStringLiteral("Screen01"),  QStringLiteral("Title01"),    QStringLiteral("Media01")};
        for (int n = 1; n <= 7; ++n)
            names << QStringLiteral("Extra%1").arg(n) << QStringLiteral("ExtraLink%1").arg(n);
        names << QStringLiteral("Folder") << QStringLiteral("Subfolder");
        return names;
    }

    QString libraryRoot() const { return m_dir.path() + QStringLiteral("/library/"); }
    QString exportFolder() const { return m_dir.path() + QStringLiteral("/LaunchBox/"); }
    QString dataFile() const { return exportFolder() + QStringLiteral("LaunchBox.xml"); }
    QString metadataFolder(const QString &folder, const QString &subfolder) const
    {
        return libraryRoot() + QStringLiteral("Games/") + folder + QLatin1Char('/') + subfolder +
               QStringLiteral("/Pallox/");
    }

    // A game row; fields not given stay empty.
    void addGame(const QHash<QString, QString> &values)
    {
        std::vector<QString> cells(static_cast<size_t>(table.columnCount()));
        for (auto it = values.begin(); it != values.end(); ++it) {
            const int column = table.findColumn(it.key());
            ASSERT_GE(column, 0) << it.key().toStdString();
            cells[static_cast<size_t>(column)] = it.value();
        }
        table.appendRow(std::move(cells));
    }

    // The next games get the GUIDs whose sixteen bytes are each `fill` (before the version bits).
    void scriptIds(std::initializer_list<int> fills)
    {
        for (const int fill : fills)
            random.numbers.insert(random.numbers.end(), 16, fill);
    }

    QString runExport(const QString &file)
    {
        return LaunchBoxExport(table, libraryRoot(), clock, random, fileOps).run(file);
    }
    QString runExport() { return runExport(dataFile()); }

    GameTable table;
    FakeClock clock;
    FakeRandom random;
    FakeFileOps fileOps;

  private:
    QTemporaryDir m_dir;
};

// What the reference XML reader says of a file; skips the test where it is not installed.
#define EXPECT_XMLLINT_ACCEPTS(path)                                                                         \
    do {                                                                                                     \
        const QString xmllint = QStandardPaths::findExecutable(QStringLiteral("xmllint"));                   \
        if (xmllint.isEmpty())                                                                               \
            GTEST_SKIP() << "xmllint is not installed (Debian package libxml2-utils)";                       \
        QProcess lint;                                                                                       \
        lint.start(xmllint, {QStringLiteral("--noout"), (path)});                                            \
        ASSERT_TRUE(lint.waitForFinished(60000));                                                            \
        EXPECT_EQ(lint.exitCode(), 0) << lint.readAllStandardError().toStdString();                          \
    } while (false)

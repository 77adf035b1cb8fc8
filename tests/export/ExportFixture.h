#pragma once

#include "export/LaunchBoxExport.h"
#include "library/GameTable.h"
#include "support/FakeClock.h"
#include "support/FakeFileOps.h"
#include "support/Files.h"
#include "support/QtPrinters.h"
#include "support/ResultText.h"

#include <QDir>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimeZone>

#include <gtest/gtest.h>

// A library folder and a LaunchBox folder side by side in a temporary folder, a table built row
// by row, and the seams an export needs: a clock that stands still at a known moment, and copies
// that really happen and are recorded.
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

    // The GUIDs in LaunchBox's form (braces, upper case, version 4) that `after` holds and `before`
    // does not, each once, in the order they first appear.
    static QStringList newIds(const QByteArray &before, const QByteArray &after)
    {
        static const QRegularExpression guid(
            QStringLiteral("\\{[0-9A-F]{8}-[0-9A-F]{4}-4[0-9A-F]{3}-[89AB][0-9A-F]{3}-[0-9A-F]{12}\\}"));
        const QString old = QString::fromUtf8(before);
        QStringList ids;
        for (const QRegularExpressionMatch &match : guid.globalMatch(QString::fromLatin1(after))) {
            if (!ids.contains(match.captured()) && !old.contains(match.captured()))
                ids << match.captured();
        }
        return ids;
    }
    // Each of `ids` replaced by "@ID1@", "@ID2@" and so on, as the expected files write them.
    static QByteArray withIdsNamed(QByteArray bytes, const QStringList &ids)
    {
        for (int n = 0; n < ids.size(); ++n)
            bytes.replace(ids.at(n).toLatin1(), QByteArray("@ID" + QByteArray::number(n + 1) + '@'));
        return bytes;
    }

    // The text the reference XML reader reads at `xpath`; call after EXPECT_XMLLINT_ACCEPTS.
    static QString xmllintText(const QString &path, const QString &xpath)
    {
        QProcess lint;
        lint.start(QStandardPaths::findExecutable(QStringLiteral("xmllint")),
                   {QStringLiteral("--xpath"), QStringLiteral("string(%1)").arg(xpath), path});
        lint.waitForFinished(60000);
        QString text = QString::fromUtf8(lint.readAllStandardOutput());
        if (text.endsWith(u'\n'))
            text.chop(1);
        return text;
    }

    // What the user is told; empty when the export went through.
    QString runExport(const QString &file)
    {
        return messageOf(LaunchBoxExport(table, libraryRoot(), clock, fileOps).run(file));
    }
    QString runExport() { return runExport(dataFile()); }

    GameTable table;
    FakeClock clock;
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

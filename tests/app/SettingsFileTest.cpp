#include "app/SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(SettingsFile, MissingFileGivesTheDefaults)
{
    QTemporaryDir dir;
    const SettingsFile settings(dir.filePath(QStringLiteral("PALLOX.ini")));
    EXPECT_EQ(settings.read(SettingsKeys::Width), 800);
    EXPECT_EQ(settings.read(SettingsKeys::Height), 600);
    EXPECT_EQ(settings.read(SettingsKeys::BGColor), QStringLiteral("$00484800"));
    EXPECT_EQ(settings.read(SettingsKeys::DetailsTextColor), QStringLiteral("clSilver"));
    EXPECT_EQ(settings.read(SettingsKeys::NameFontName), QStringLiteral("Impact"));
    EXPECT_TRUE(settings.read(SettingsKeys::ShowDates));
    EXPECT_FALSE(settings.read(SettingsKeys::ConfirmClose));
    EXPECT_FALSE(settings.read(SettingsKeys::UseSingleConfFolder));
    EXPECT_TRUE(settings.read(SettingsKeys::VADPath).isEmpty());
    EXPECT_TRUE(settings.subfolders().isEmpty());
    EXPECT_FALSE(QFile::exists(settings.fileName())) << "reading never creates the file";
}

TEST(SettingsFile, WrittenValuesReadBack)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("PALLOX.ini"));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[Main]\r\nWidth=1024\r\n[Subfolders]\r\nAction\r\nAdventure=\r\n[Fields]\r\nNumber=\r\nName=\r\n");
    }
    SettingsFile settings(path);
    int errors = 0;
    settings.setErrorHandler([&errors](const QString &) { ++errors; });
    EXPECT_EQ(settings.read(SettingsKeys::Width), 1024);
    EXPECT_EQ(settings.subfolders(), (QStringList{QStringLiteral("Action"), QStringLiteral("Adventure")}));
    EXPECT_EQ(settings.fields(), (QStringList{QStringLiteral("Number"), QStringLiteral("Name")}));

    const QString root = QStringLiteral("/home/player/Games Library/");
    ASSERT_TRUE(settings.write(SettingsKeys::VADPath, root));
    ASSERT_TRUE(settings.write(SettingsKeys::Height, 480));
    ASSERT_TRUE(settings.write(SettingsKeys::ShowDates, false));
    ASSERT_TRUE(settings.write(SettingsKeys::DOSBoxExit, true));
    EXPECT_EQ(errors, 0);

    const SettingsFile reopened(path);
    EXPECT_EQ(reopened.read(SettingsKeys::VADPath), root);
    EXPECT_EQ(reopened.read(SettingsKeys::Height), 480);
    EXPECT_EQ(reopened.read(SettingsKeys::Width), 1024);
    EXPECT_FALSE(reopened.read(SettingsKeys::ShowDates));
    EXPECT_TRUE(reopened.read(SettingsKeys::DOSBoxExit));
    EXPECT_EQ(reopened.fields(), settings.fields()) << "other sections are left alone";
}

TEST(SettingsFile, RepeatedFailuresAreReportedOnce)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("gone"));
    SettingsFile settings(folder + QStringLiteral("/PALLOX.ini"));
    QStringList reported;
    settings.setErrorHandler([&reported](const QString &reason) { reported.append(reason); });

    EXPECT_FALSE(settings.write(SettingsKeys::Width, 900));
    EXPECT_FALSE(settings.write(SettingsKeys::Width, 910));
    EXPECT_FALSE(settings.write(SettingsKeys::Height, 700));
    ASSERT_EQ(reported.size(), 1);
    EXPECT_TRUE(reported.first().contains(QDir::toNativeSeparators(settings.fileName())));

    // Once a write gets through, the next failure is news again.
    ASSERT_TRUE(QDir().mkpath(folder));
    EXPECT_TRUE(settings.write(SettingsKeys::Width, 920));
    ASSERT_TRUE(QDir(folder).removeRecursively());
    EXPECT_FALSE(settings.write(SettingsKeys::Width, 930));
    EXPECT_EQ(reported.size(), 2);
    EXPECT_EQ(settings.read(SettingsKeys::Width), 800);
}

} // namespace

#include "session/LibrarySession.h"
#include "session/BrowseModel.h"
#include "support/Files.h"
#include "support/LibraryBuilder.h"
#include "support/TestPlatform.h"
#include "ui/startup/PalloxRun.h"
#include "ui/main/TfrmMain.h"

#include <QAction>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QProgressBar>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The command as users reach it: the program started the way main() starts it, the Edit menu's
// item, and the file dialog answered by the fake.
class ExportWindowTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(lib.isValid());
        ASSERT_TRUE(launchBox.isValid());
        lib.setSubfolders({QStringLiteral("Adventure"), QStringLiteral("Puzzle")});
        lib.addGame(QStringLiteral("Adventure"), QStringLiteral("Alpha"), QStringLiteral("Alpha Quest"),
                    {{QStringLiteral("Genre"), QStringLiteral("Adventure")},
                     {QStringLiteral("Front01"), QStringLiteral("front.png")}});
        lib.addGame(QStringLiteral("Puzzle"), QStringLiteral("Delta"), QStringLiteral("Delta Blocks"),
                    {{QStringLiteral("Genre"), QStringLiteral("Puzzle")}});
        QImage front(8, 8, QImage::Format_RGB32);
        front.fill(Qt::blue);
        lib.writeFile(QStringLiteral("Games/Adventure/Alpha/Pallox/Front/front.png"), QByteArray());
        ASSERT_TRUE(front.save(lib.path(QStringLiteral("Games/Adventure/Alpha/Pallox/Front/front.png"))));
        frontBytes = readFile(lib.path(QStringLiteral("Games/Adventure/Alpha/Pallox/Front/front.png")));
        lib.writeSettings();
        ASSERT_TRUE(
            writeFile(dataFile(), "<?xml version=\"1.0\" standalone=\"yes\"?>\n<LaunchBox>\n</LaunchBox>\n"));
        ASSERT_TRUE(QDir().mkpath(launchBox.filePath(QStringLiteral("Images"))));
        fake.fileOps.applyToDisk = true;
        fake.random.numbers = {0};
    }

    QByteArray frontBytes;
    QString dataFile() const { return launchBox.filePath(QStringLiteral("LaunchBox.xml")); }

    LibraryBuilder lib;
    QTemporaryDir launchBox;
    TestPlatform fake;
    Platform platform = fake.platform();
};

TEST_F(ExportWindowTest, TheEditMenuExportsTheListedGamesWithTheGaugeOverTheName)
{
    auto run = PalloxRun::start(lib.root(), platform);
    ASSERT_NE(run, nullptr);
    TfrmMain &window = run->mainWindow();
    auto *item = window.findChild<QAction *>(QStringLiteral("mnuExport"));
    auto *gauge = window.findChild<QProgressBar *>(QStringLiteral("pbExporting"));
    auto *name = window.findChild<QLabel *>(QStringLiteral("lblName"));
    ASSERT_NE(item, nullptr);
    ASSERT_NE(gauge, nullptr);
    ASSERT_NE(name, nullptr);
    EXPECT_TRUE(item->isEnabled());
    EXPECT_FALSE(gauge->isVisible());

    // Cancelled: nothing is touched.
    const QByteArray before = readFile(dataFile());
    item->trigger();
    EXPECT_EQ(fake.dialogs.fileFilters, QStringList{QStringLiteral("xml File (*.xml)|*.XML")});
    EXPECT_EQ(readFile(dataFile()), before);
    EXPECT_EQ(QDir(launchBox.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), 2);

    // Only what the filter left in the list goes out.
    window.session().browse().applyFieldFilter(QStringLiteral("Genre"), QStringLiteral("Adventure"));
    fake.dialogs.openFileName = dataFile();
    int gaugeMaximum = -1;
    QRect gaugePlace;
    const QMetaObject::Connection watch = QObject::connect(gauge, &QProgressBar::valueChanged, gauge, [&] {
        gaugeMaximum = gauge->maximum();
        gaugePlace = gauge->isVisible() ? QRect(gauge->mapTo(&window, QPoint(0, 0)), gauge->size()) : QRect();
    });
    item->trigger();
    QObject::disconnect(watch);

    EXPECT_TRUE(fake.dialogs.messages.isEmpty())
        << fake.dialogs.messages.join(QLatin1Char('\n')).toStdString();
    const QByteArray written = readFile(dataFile());
    EXPECT_EQ(written.count("<Game>"), 1);
    EXPECT_TRUE(written.contains("<Title>Alpha Quest</Title>"));
    EXPECT_TRUE(written.startsWith("<?xml version=\"1.0\" standalone=\"yes\"?>\n<LaunchBox>\n  <Game>"));
    EXPECT_EQ(readFile(launchBox.filePath(QStringLiteral("LaunchBox (PALLOX Backup).xml"))), before);
    const qsizetype id = written.indexOf("<ID>") + 4;
    const QString imageFolder =
        QStringLiteral("Images/Alpha Quest.") + QString::fromLatin1(written.mid(id, 38));
    EXPECT_EQ(readFile(launchBox.filePath(imageFolder + QStringLiteral("/Front.jpg"))), frontBytes);
    EXPECT_EQ(gaugeMaximum, 1);
    EXPECT_EQ(gaugePlace, QRect(name->mapTo(&window, QPoint(0, 0)), name->size()));
    EXPECT_FALSE(gauge->isVisible());

    // A refusal is told, and the file stays as it was.
    ASSERT_TRUE(writeFile(dataFile(), "<Playlist/>"));
    item->trigger();
    ASSERT_EQ(fake.dialogs.messages.size(), 1);
    EXPECT_TRUE(fake.dialogs.messages.front().contains(QLatin1String("not a LaunchBox data file")));
    EXPECT_EQ(readFile(dataFile()), QByteArray("<Playlist/>"));
}

} // namespace

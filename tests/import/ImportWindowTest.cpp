#include "base/IniFile.h"
#include "session/LibrarySession.h"
#include "session/LibraryModel.h"
#include "support/Files.h"
#include "support/LibraryBuilder.h"
#include "support/ListEntries.h"
#include "support/TestPlatform.h"
#include "ui/import/TfrmImport.h"
#include "ui/main/TfrmMain.h"
#include "ui/startup/PalloxRun.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Edit → Import… in the program as main() starts it, driven by its controls and the keyboard.
TEST(ImportWindow, PreviewThenImportListsTheNewGames)
{
    LibraryBuilder lib;
    lib.setSubfolders({QStringLiteral("Action")});
    lib.addGame(QStringLiteral("Action"), QStringLiteral("Alpha"), QStringLiteral("Alpha Quest"));
    lib.writeSettings();
    QTemporaryDir source;
    ASSERT_TRUE(writeFile(source.filePath(QStringLiteral("Beta_Blast.(1991)/BETA.EXE")), "b"));
    ASSERT_TRUE(writeFile(source.filePath(QStringLiteral("Gamma/GAMMA.EXE")), "g"));
    ASSERT_TRUE(writeFile(source.filePath(QStringLiteral("Gamma/GAMMA.BAT")), "g"));
    ASSERT_TRUE(writeFile(source.filePath(QStringLiteral("Omega/readme.txt")), "o"));
    TestPlatform fake;
    fake.random.numbers = {0};
    fake.dialogs.folder = source.path();
    const Platform platform = fake.platform();
    auto run = PalloxRun::start(lib.root(), platform);
    ASSERT_NE(run, nullptr);
    TfrmMain &window = run->mainWindow();

    window.findChild<QAction *>(QStringLiteral("mnuImport"))->trigger();
    auto *import = window.findChild<TfrmImport *>(QStringLiteral("TfrmImport"));
    ASSERT_NE(import, nullptr);
    EXPECT_TRUE(import->isVisible());
    const auto control = [import](const char *name) { return import->findChild<QWidget *>(QLatin1String(name)); };
    auto *category = static_cast<QComboBox *>(control("cbCategory"));
    EXPECT_EQ(category->currentText(), QStringLiteral("Action"));
    QTest::mouseClick(static_cast<QPushButton *>(control("btnSourceFolder")), Qt::LeftButton);
    EXPECT_EQ(static_cast<QLineEdit *>(control("eSource"))->text(), source.path());
    EXPECT_EQ(static_cast<QComboBox *>(control("cbKind"))->currentText(), QStringLiteral("Folder of game folders"));
    category->setEditText(QStringLiteral("Shooters"));

    QTest::mouseClick(static_cast<QPushButton *>(control("btnPreview")), Qt::LeftButton);
    auto *grid = static_cast<QTableView *>(control("gridPreview"));
    ASSERT_TRUE(QTest::qWaitFor([grid] { return grid->model()->rowCount() == 3 && grid->isEnabled(); }, 20000));
    auto *counts = static_cast<QLabel *>(control("lblCounts"));
    EXPECT_EQ(counts->text(), QStringLiteral("3 games found: 3 to import, 0 imported before, 2 with a problem."));
    // Gamma's folder holds two programs: the row asks, and the Program cell offers them.
    const QModelIndex program = grid->model()->index(1, 6);
    EXPECT_EQ(program.data().toString(), QStringLiteral("GAMMA.BAT"));
    grid->setCurrentIndex(program);
    grid->edit(program);
    auto *choice = grid->findChild<QComboBox *>(QStringLiteral("cbProgram"));
    ASSERT_NE(choice, nullptr);
    choice->setCurrentText(QStringLiteral("GAMMA.EXE"));
    QTest::keyClick(choice, Qt::Key_Return);
    // The view takes the choice in once the key has been handled.
    EXPECT_TRUE(QTest::qWaitFor([&program] { return program.data().toString() == QLatin1String("GAMMA.EXE"); }, 5000));
    EXPECT_EQ(counts->text(), QStringLiteral("3 games found: 3 to import, 0 imported before, 1 with a problem."));

    // Omega is unticked from the keyboard; its problem is shown in full.
    grid->setFocus();
    grid->setCurrentIndex(grid->model()->index(2, 0));
    EXPECT_EQ(static_cast<QLabel *>(control("lblRowProblems"))->text(),
              QStringLiteral("no .exe, .com or .bat at the top of its folder"));
    QTest::keyClick(grid, Qt::Key_Space);
    EXPECT_EQ(counts->text(), QStringLiteral("3 games found: 2 to import, 0 imported before, 1 with a problem."));

    QTest::mouseClick(static_cast<QPushButton *>(control("btnImport")), Qt::LeftButton);
    auto *summary = static_cast<QPlainTextEdit *>(control("memoSummary"));
    ASSERT_TRUE(QTest::qWaitFor([summary] { return summary->isVisible(); }, 20000));
    EXPECT_TRUE(summary->toPlainText().startsWith(QLatin1String("2 games were made in Shooters.")))
        << summary->toPlainText().toStdString();
    EXPECT_TRUE(summary->toPlainText().contains(QLatin1String("1 game was not ticked.")));
    EXPECT_TRUE(fake.dialogs.messages.isEmpty()) << fake.dialogs.messages.join(u'\n').toStdString();

    auto *list = window.findChild<QListView *>(QStringLiteral("lbMain"));
    ASSERT_NE(list, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.session().library().isScanRunning() && ListEntries::count(*list) == 3; }, 20000));
    EXPECT_EQ(ListEntries::texts(*list), (QStringList{QStringLiteral("Alpha Quest"), QStringLiteral("Beta Blast"),
                                         QStringLiteral("Gamma")}));
    EXPECT_EQ(IniFile(lib.path(QStringLiteral("Games/Shooters/Gamma/Pallox/IniFile/Gamma.ini")))
                  .readString(QStringLiteral("Main"), QStringLiteral("Executable"), QString()),
              QStringLiteral("GAMMA.EXE"));
    EXPECT_TRUE(IniFile(lib.settingsFile()).readSection(QStringLiteral("Subfolders")).contains(QStringLiteral("Shooters")));

    QTest::keyClick(import, Qt::Key_Escape);
    EXPECT_FALSE(import->isVisible());
}

} // namespace

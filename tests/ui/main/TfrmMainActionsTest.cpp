#include "platform/CommandLine.h"
#include "session/LibrarySession.h"
#include "session/BrowseModel.h"
#include "support/Clicks.h"
#include "support/LibraryBuilder.h"
#include "support/TestPlatform.h"
#include "support/WindowFinder.h"
#include "support/ListEntries.h"
#include "ui/main/TfrmMain.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>

namespace {


// The values a category menu offers, with its letter groups opened.
QStringList menuValues(QMenu *menu)
{
    emit menu->aboutToShow();
    QStringList values;
    for (QAction *action : menu->actions()) {
        if (QMenu *group = action->menu())
            values += menuValues(group);
        else if (!action->data().toString().isEmpty())
            values << action->data().toString();
    }
    return values;
}

QAction *menuItem(QMenu *menu, const QString &value)
{
    emit menu->aboutToShow();
    for (QAction *action : menu->actions()) {
        if (action->data().toString() == value)
            return action;
    }
    return nullptr;
}

class TfrmMainActions : public ::testing::Test
{
protected:
    void SetUp() override
    {
        lib.setSubfolders({QStringLiteral("Games")});
        lib.setMainKey(QStringLiteral("DOSBoxPath"), lib.root() + QStringLiteral("emu/dosbox"));
        lib.addGame(QStringLiteral("Games"), QStringLiteral("Blaster"), QStringLiteral("Blaster"),
                    {{QStringLiteral("Developer"), QStringLiteral("Northwind")},
                     {QStringLiteral("Platform"), QStringLiteral("DOS")},
                     {QStringLiteral("Emulator"), QStringLiteral("DOSBox")},
                     {QStringLiteral("Executable"), QStringLiteral("BLAST.EXE")},
                     {QStringLiteral("Setup"), QStringLiteral("SETUP.EXE")}});
        lib.addGame(QStringLiteral("Games"), QStringLiteral("Comet"), QStringLiteral("Comet"),
                    {{QStringLiteral("Developer"), QStringLiteral("Northwind")},
                     {QStringLiteral("Platform"), QStringLiteral("Amiga")}});
        lib.addGame(QStringLiteral("Games"), QStringLiteral("Drift"), QStringLiteral("Drift"),
                    {{QStringLiteral("Developer"), QStringLiteral("Sky & Sea")},
                     {QStringLiteral("Platform"), QStringLiteral("DOS")}});
        lib.writeSettings();
        fake.random.numbers = {0};
        frm = std::make_unique<TfrmMain>(platform, lib.root(), nullptr);
        frm->resize(1000, 700);
        frm->show();
        QCoreApplication::processEvents();
        list = child<QListView>(*frm, "lbMain");
        total = child<QLabel>(*frm, "lblTotal");
    }

    QMenu *categoryMenu(const char *name) { return child<QMenu>(*frm, name); }

    QStringList listed() const
    {
        QStringList entries;
        for (int i = 0; i < ListEntries::count(*list); ++i)
            entries << ListEntries::text(*list, i);
        return entries;
    }

    LibraryBuilder lib;
    TestPlatform fake;
    Platform platform = fake.platform();
    std::unique_ptr<TfrmMain> frm;
    QListView *list = nullptr;
    QLabel *total = nullptr;
};

TEST_F(TfrmMainActions, FactLabelNarrowsTheListTheTotalAndTheMenus)
{
    ASSERT_EQ(ListEntries::currentRow(*list), 0);
    EXPECT_EQ(menuValues(categoryMenu("mnuCatDeveloper")),
              (QStringList{QStringLiteral("Northwind"), QStringLiteral("Sky & Sea")}));

    click(child<QLabel>(*frm, "lblDeveloper"));

    EXPECT_EQ(listed(), (QStringList{QStringLiteral("Blaster"), QStringLiteral("Comet")}));
    EXPECT_EQ(total->text(), QStringLiteral("2 Listed"));
    EXPECT_EQ(menuValues(categoryMenu("mnuCatDeveloper")), QStringList{QStringLiteral("Northwind")});
    EXPECT_EQ(menuValues(categoryMenu("mnuCatPlatform")),
              (QStringList{QStringLiteral("Amiga"), QStringLiteral("DOS")}));
}

TEST_F(TfrmMainActions, CategoryItemsKeepTheirExactValueAndFiltersAccumulate)
{
    QAction *item = menuItem(categoryMenu("mnuCatDeveloper"), QStringLiteral("Sky & Sea"));
    ASSERT_NE(item, nullptr);
    // An ampersand of the value must not become a keyboard accelerator.
    EXPECT_EQ(item->text(), QStringLiteral("Sky && Sea"));

    QAction *dos = menuItem(categoryMenu("mnuCatPlatform"), QStringLiteral("DOS"));
    ASSERT_NE(dos, nullptr);
    dos->trigger();
    EXPECT_EQ(listed(), (QStringList{QStringLiteral("Blaster"), QStringLiteral("Drift")}));

    menuItem(categoryMenu("mnuCatDeveloper"), QStringLiteral("Sky & Sea"))->trigger();
    EXPECT_EQ(listed(), QStringList{QStringLiteral("Drift")});
    EXPECT_EQ(total->text(), QStringLiteral("1 Listed"));

    child<QAction>(*frm, "mnuShowAll")->trigger();
    EXPECT_EQ(listed().size(), 3);
}

TEST_F(TfrmMainActions, PlayEnterAndTheSetupLabelStartTheSelectedGame)
{
    ASSERT_EQ(frm->session().browse().selectedGameName(), QStringLiteral("Blaster"));
    const QString gameFolder = lib.root() + QStringLiteral("Games/Games/Blaster/");

    child<QPushButton>(*frm, "btnPlay")->click();
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(list, &enter);
    click(child<QLabel>(*frm, "lblSetup"));

    ASSERT_EQ(fake.shell.calls.size(), 3u);
    for (const auto &call : fake.shell.calls)
        EXPECT_EQ(call.program, lib.root() + QStringLiteral("emu/dosbox"));
    EXPECT_EQ(splitCommandLine(fake.shell.calls[0].parameters).front(), gameFolder + QStringLiteral("BLAST.EXE"));
    EXPECT_EQ(fake.shell.calls[1].parameters, fake.shell.calls[0].parameters);
    EXPECT_EQ(splitCommandLine(fake.shell.calls[2].parameters).front(), gameFolder + QStringLiteral("SETUP.EXE"));
}

TEST_F(TfrmMainActions, NothingStartsWithoutASelection)
{
    ListEntries::setCurrentRow(*list, -1);
    ASSERT_EQ(frm->session().browse().selectedIndex(), -1);
    child<QPushButton>(*frm, "btnPlay")->click();
    EXPECT_TRUE(fake.shell.calls.empty());
}

} // namespace

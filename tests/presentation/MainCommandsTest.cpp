#include "presentation/MainCommands.h"

#include <QSet>
#include <QString>

#include <gtest/gtest.h>

namespace {

TEST(MainCommands, EveryItemOnceUnderItsOwnNameInCommandOrder)
{
    QSet<QString> names;
    for (int i = 0; i < MainCommandCount; ++i) {
        const MainMenuItem &item = mainMenuItems()[size_t(i)];
        EXPECT_EQ(static_cast<int>(item.command), i) << item.objectName;
        EXPECT_FALSE(names.contains(QLatin1String(item.objectName))) << item.objectName;
        names.insert(QLatin1String(item.objectName));
        if (i > 0) { // an item stands in one run with the rest of its menu
            EXPECT_GE(item.menu, mainMenuItems()[size_t(i - 1)].menu) << item.objectName;
        }
    }
    const MainMenuItem &widen = mainMenuItems()[size_t(MainCommand::WidenList)];
    EXPECT_STREQ(widen.objectName, "LargerList1");
    EXPECT_STREQ(widen.shortcut, "Ctrl+L");
    EXPECT_STREQ(mainMenuItems()[size_t(MainCommand::ShortenList)].shortcut, "Ctrl+I");
    EXPECT_TRUE(mainMenuItems()[size_t(MainCommand::Attract)].checkable);
    EXPECT_TRUE(mainMenuItems()[size_t(MainCommand::Export)].separatorBefore);
}

TEST(MainCommands, WhatARescanHoldsAndWhatChangesTheView)
{
    QStringList held;
    for (const MainMenuItem &item : mainMenuItems()) {
        if (item.readsLibrary)
            held << QLatin1String(item.objectName);
    }
    EXPECT_EQ(held, (QStringList{QStringLiteral("ReloadData1"), QStringLiteral("Refresh1"),
                                 QStringLiteral("RefreshThisGame1")}));
    held.clear();
    for (const MainMenuInfo &menu : menuBar()) {
        if (menu.heldDuringScan)
            held << QLatin1String(menu.objectName);
    }
    EXPECT_EQ(held, (QStringList{QStringLiteral("mnuEdit"), QStringLiteral("mnuSortBy"),
                                 QStringLiteral("mnuCategory")}));

    EXPECT_TRUE(isViewCommand(MainCommand::ViewMax)) << "of the context menu, too";
    EXPECT_TRUE(isViewCommand(MainCommand::LargerInfoView));
    EXPECT_FALSE(isViewCommand(MainCommand::Attract));
    EXPECT_FALSE(isViewCommand(MainCommand::About));
}

} // namespace

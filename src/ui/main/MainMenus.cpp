#include "ui/main/MainMenus.h"

#include "browse/MainList.h"
#include "ui/common/Controls.h"

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace {

QMenu *addMenu(QMainWindow &window, const char *objectName, const QString &caption)
{
    return named(window.menuBar()->addMenu(caption), objectName);
}

QAction *addItem(QMenu *menu, const char *objectName, const QString &caption)
{
    return named(menu->addAction(caption), objectName);
}

} // namespace

MainMenus::MainMenus(QMainWindow &window) : QObject(&window)
{
    setObjectName(QStringLiteral("MainMenus"));
    buildFileAndEditMenus(window);
    buildSortAndCategoryMenus(window);
    buildViewMenu(window);
    QMenu *help = addMenu(window, "mnuHelp", QStringLiteral("&Help"));
    connect(addItem(help, "mnuAbout", QStringLiteral("&About")), &QAction::triggered, this, &MainMenus::aboutChosen);
    buildContextMenu(window);
}

void MainMenus::buildFileAndEditMenus(QMainWindow &window)
{
    QMenu *file = addMenu(window, "mnuFile", QStringLiteral("&File"));
    m_nostalgiaMode = addItem(file, "mnuNostalgia", QStringLiteral("&Nostalgia Mode"));
    m_nostalgiaMode->setCheckable(true);
    connect(m_nostalgiaMode, &QAction::triggered, this, &MainMenus::nostalgiaToggled);
    QAction *reload = addItem(file, "ReloadData1", QStringLiteral("&Reload Data"));
    connect(reload, &QAction::triggered, this, &MainMenus::reloadDataChosen);
    m_tableCommands << reload;
    connect(addItem(file, "mnuExit", QStringLiteral("E&xit")), &QAction::triggered, this, &MainMenus::exitChosen);

    QMenu *edit = addMenu(window, "mnuEdit", QStringLiteral("&Edit"));
    m_editMenu = edit;
    connect(addItem(edit, "mnuFind", QStringLiteral("&Find")), &QAction::triggered, this, &MainMenus::findChosen);
    edit->addSeparator();
    connect(addItem(edit, "mnuExport", QStringLiteral("Export to LaunchBox")), &QAction::triggered, this,
            &MainMenus::exportChosen);
}

void MainMenus::buildSortAndCategoryMenus(QMainWindow &window)
{
    QMenu *sortBy = addMenu(window, "mnuSortBy", QStringLiteral("&Sort By"));
    m_sortMenu = sortBy;
    for (const MainSortMenuItem &item : mainSortMenuItems()) {
        if (item.separatorBefore)
            sortBy->addSeparator();
        QAction *action = sortBy->addAction(item.caption);
        action->setObjectName(item.objectName);
        const QString field = item.field;
        connect(action, &QAction::triggered, this, [this, field] { emit sortFieldChosen(field); });
    }

    QMenu *category = addMenu(window, "mnuCategory", QStringLiteral("&Category"));
    m_categoryMenu = category;
    connect(addItem(category, "mnuShowAll", QStringLiteral("S&how All")), &QAction::triggered, this,
            &MainMenus::showAllChosen);
    for (const CategoryMenuInfo &info : ::categoryMenus()) {
        QMenu *sub = category->addMenu(QString::fromUtf8(info.caption));
        sub->setObjectName(QLatin1String(info.objectName));
        sub->menuAction()->setObjectName(QLatin1String(info.objectName));
        m_categoryMenus[static_cast<size_t>(info.menu)] = sub;
    }
}

QAction *MainMenus::addViewItem(QMenu *menu, ViewCommand command, const char *objectName, const QString &caption)
{
    QAction *action = addItem(menu, objectName, caption);
    m_viewItems[static_cast<size_t>(command)] = action;
    connect(action, &QAction::triggered, this, [this, command] { emit viewChosen(command); });
    return action;
}

void MainMenus::buildViewMenu(QMainWindow &window)
{
    m_viewMenu = addMenu(window, "mnuView", QStringLiteral("&View"));
    addViewItem(m_viewMenu, ViewCommand::WidenList, "LargerList1", QStringLiteral("&Widen List"))
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    addViewItem(m_viewMenu, ViewCommand::NarrowList, "SmallerList1", QStringLiteral("&Narrow List"))
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_J));
    addViewItem(m_viewMenu, ViewCommand::LengthenList, "ExpandListHeight1", QStringLiteral("&Lengthen List"))
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    addViewItem(m_viewMenu, ViewCommand::ShortenList, "ContractListHeight1", QStringLiteral("&Shorten List"))
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    addViewItem(m_viewMenu, ViewCommand::HideTabs, "HideTabs1", QStringLiteral("&Hide Tabs"))->setCheckable(true);
    addViewItem(m_viewMenu, ViewCommand::ViewSimple, "ViewSimple1", QStringLiteral("&View Simple"))->setCheckable(true);
    addViewItem(m_viewMenu, ViewCommand::ShowRating, "ShowRating1", QStringLiteral("Show &Rating"))->setCheckable(true);
    addViewItem(m_viewMenu, ViewCommand::LargerInfoView, "LargerInfoView1", QStringLiteral("L&arger Info View"))
        ->setCheckable(true);
}

void MainMenus::buildContextMenu(QMainWindow &window)
{
    m_contextMenu = new QMenu(&window);
    m_contextMenu->setObjectName(QStringLiteral("MainContextMenu"));
    connect(addItem(m_contextMenu, "mnuShowAllGames", QStringLiteral("Show &All Games")), &QAction::triggered, this,
            &MainMenus::showAllGamesChosen);
    m_contextMenu->addSeparator();
    connect(addItem(m_contextMenu, "mnuEditCurrent", QStringLiteral("Edit &Current")), &QAction::triggered, this,
            &MainMenus::editCurrentChosen);
    connect(addItem(m_contextMenu, "mnuOpenFolder", QStringLiteral("&OpenFolder")), &QAction::triggered, this,
            &MainMenus::openFolderChosen);
    connect(addItem(m_contextMenu, "mnuDeleteCurrent", QStringLiteral("&Delete Folder")), &QAction::triggered, this,
            &MainMenus::deleteCurrentChosen);
    m_contextMenu->addSeparator();
    QAction *refreshAll = addItem(m_contextMenu, "Refresh1", QStringLiteral("&Refresh All"));
    connect(refreshAll, &QAction::triggered, this, &MainMenus::refreshAllChosen);
    QAction *refreshThisGame = addItem(m_contextMenu, "RefreshThisGame1", QStringLiteral("Refresh This Game"));
    connect(refreshThisGame, &QAction::triggered, this, &MainMenus::refreshThisGameChosen);
    m_tableCommands << refreshAll << refreshThisGame;
    m_contextMenu->addSeparator();
    connect(addItem(m_contextMenu, "MoveAll1", QStringLiteral("&Move All")), &QAction::triggered, this,
            &MainMenus::moveAllChosen);
    addViewItem(m_contextMenu, ViewCommand::ViewMax, "mnuViewMax", QStringLiteral("View Ma&x"))->setCheckable(true);
    QAction *attract = addItem(m_contextMenu, "mnuAttract", QStringLiteral("A&ttract"));
    attract->setCheckable(true);
    connect(attract, &QAction::toggled, this, &MainMenus::attractToggled);
}

void MainMenus::popupContextMenu(const QPoint &globalPosition)
{
    // Every command of this menu reads the table or changes the view of it.
    if (!m_scanRunning)
        m_contextMenu->popup(globalPosition);
}

void MainMenus::setScanRunning(bool running)
{
    m_scanRunning = running;
    if (running)
        m_contextMenu->hide();
    for (QAction *action : std::as_const(m_tableCommands))
        action->setEnabled(!running);
    for (QMenu *menu : {m_editMenu, m_sortMenu, m_categoryMenu})
        menu->menuAction()->setEnabled(!running);
}

bool MainMenus::isChecked(ViewCommand command) const
{
    return m_viewItems[static_cast<size_t>(command)]->isChecked();
}

void MainMenus::setChecked(ViewCommand command, bool checked)
{
    m_viewItems[static_cast<size_t>(command)]->setChecked(checked);
}

void MainMenus::showNostalgiaMode(bool on)
{
    m_viewMenu->setEnabled(!on);
    m_viewMenu->menuAction()->setEnabled(!on);
    m_nostalgiaMode->setChecked(on);
}

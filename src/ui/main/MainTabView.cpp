#include "ui/main/MainTabView.h"

#include "session/LibrarySession.h"
#include "session/PreferencesModel.h"
#include "session/BrowseModel.h"
#include "ui/main/DetailsPane.h"
#include "ui/main/FindPanel.h"
#include "ui/main/MainListPane.h"

#include <QEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QTabWidget>

MainTabView::MainTabView(LibrarySession &session, const Panes &panes) : QObject(&panes.page), m_session(session), m_panes(panes)
{
    setObjectName(QStringLiteral("MainTabView"));
    m_panes.page.installEventFilter(this);
    connect(&m_panes.find, &FindPanel::opened, this, [this](int shift) { moveListForFind(shift); });
    connect(&m_panes.find, &FindPanel::closed, this, [this](int shift) { moveListForFind(-shift); });
    connect(&m_panes.details, &DetailsPane::filled, this, [this] { MainFormResize(false); });
}

void MainTabView::placeAtStartUp(int listFontPointSize)
{
    m_view.listFontPointSize = listFontPointSize;
    placeMainTab();
    MainFormResize(false);
    m_laidOut = true;
}

void MainTabView::placeMainTab()
{
    // Details take the page's full height beside the list, as designed, before the first pass.
    const QSize page = m_panes.page.size();
    const int findShift = m_panes.find.isOpen() ? m_panes.find.listShift() : 0;
    MainLayout::placeAtDesign(m_view, page, findShift, m_session.preferences().preferences().aboutListSeparator);
}

void MainTabView::moveListForFind(int shift)
{
    m_view.list.translate(0, shift);
    MainFormResize(false);
}

void MainTabView::MainFormResize(bool ResizeExtrasBox)
{
    QMainWindow &window = m_panes.window;
    const QSize page = m_panes.page.size();
    MainLayout::followPage(m_view, page);

    MainLayout::Input in;
    in.windowSize = window.frameGeometry().size();
    in.clientHeight = window.height() - (window.menuBar()->isVisible() ? window.menuBar()->height() : 0);
    in.view = m_view;
    in.totalTop = page.height() - MainListPane::TotalHeight - 4;
    in.findShown = m_panes.find.isOpen();
    in.findHeight = m_panes.find.height();
    in.resizeExtrasBox = ResizeExtrasBox;
    m_panes.details.describe(in);
    const MainLayout::Result r = MainLayout::layout(in);
    if (r.resizeWindow) {
        window.resize(r.windowSize - (window.frameGeometry().size() - window.size()));
        return;
    }
    m_panes.details.place(r);
    m_panes.list.place(r.list, in.totalTop);
    m_panes.find.place(r.list);
    if (m_laidOut) {
        // The size start-up gives back to resize(): the window manager's frame is not ours to
        // store, and counting it in would grow the window by the frame at every start.
        m_session.preferences().rememberWindowSize(window.width(), window.height());
    }
}

bool MainTabView::eventFilter(QObject *watched, QEvent *event)
{
    // Pages get their real size only once the window is shown; the design places of the list and
    // the details are taken from the first real size.
    if (watched == &m_panes.page && event->type() == QEvent::Resize && m_laidOut) {
        if (!m_placed) {
            placeMainTab();
            m_placed = true;
        }
        MainFormResize(true);
    }
    return QObject::eventFilter(watched, event);
}

void MainTabView::setTabBarHeight(bool low)
{
    // The tab bar collapses to a sliver rather than vanishing, so the pages keep their place.
    m_panes.pages.setStyleSheet(QStringLiteral("QTabBar::tab { height: %1px; }").arg(MainLayout::tabBarHeight(low)));
}

void MainTabView::command(MainCommand command)
{
    MainMenus &menus = m_panes.menus;
    const MainLayout::ListChange change = MainLayout::changeList(m_view, command);
    if (change != MainLayout::ListChange::None) {
        MainFormResize(false);
        if (change == MainLayout::ListChange::Height)
            m_session.preferences().setAboutListSeparator(m_view.listNotesOffset);
        return;
    }
    switch (command) {
    case MainCommand::HideTabs:
        setTabBarHeight(menus.isChecked(MainCommand::HideTabs));
        MainFormResize(true);
        break;
    case MainCommand::ViewSimple:
        m_panes.details.showSimple(menus.isChecked(MainCommand::ViewSimple));
        break;
    case MainCommand::ShowRating:
        m_session.browse().setListShowsRating(menus.isChecked(MainCommand::ShowRating));
        break;
    case MainCommand::LargerInfoView:
        menus.setChecked(MainCommand::LargerInfoView, MainLayout::toggleLargerInfoView(m_view));
        MainFormResize(true);
        break;
    case MainCommand::ViewMax:
        mnuViewMaxClick();
        break;
    default:
        break;
    }
}

void MainTabView::mnuViewMaxClick()
{
    QMainWindow &window = m_panes.window;
    MainLayout::toggleViewMax(m_view);
    m_panes.menus.setChecked(MainCommand::ViewMax, m_view.viewMax);
    m_panes.list.setFontPointSize(m_view.listFontPointSize);
    window.menuBar()->setVisible(!m_view.viewMax);
    setTabBarHeight(m_view.viewMax || m_panes.menus.isChecked(MainCommand::HideTabs));
    window.setWindowFlag(Qt::FramelessWindowHint, m_view.viewMax);
    if (m_view.viewMax)
        window.showMaximized();
    else
        window.showNormal();
    MainFormResize(true);
}

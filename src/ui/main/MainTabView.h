#pragma once

#include "presentation/MainLayout.h"
#include "ui/main/MainMenus.h"

#include <QObject>

class DetailsPane;
class FindPanel;
class LibrarySession;
class MainListPane;
class QMainWindow;
class QTabWidget;
class QWidget;

// The Main tab's geometry: where the list, the notes, the details and the find panel stand for
// the window's size, and the View commands that change it.
class MainTabView : public QObject
{
    Q_OBJECT
public:
    struct Panes
    {
        QMainWindow &window;
        QTabWidget &pages;
        QWidget &page;
        MainListPane &list;
        DetailsPane &details;
        FindPanel &find;
        MainMenus &menus;
    };
    MainTabView(LibrarySession &session, const Panes &panes);

    // Start-up: the design places, then the first pass. Passes run on every resize from now on.
    void placeAtStartUp(int listFontPointSize);
    // The layout pass; resizeExtrasBox also sizes the facts box from the picture areas.
    void MainFormResize(bool ResizeExtrasBox);
    void command(MainCommand command);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void placeMainTab();
    void moveListForFind(int shift);
    void setTabBarHeight(bool low);
    void mnuViewMaxClick();

    LibrarySession &m_session;
    Panes m_panes;
    MainLayout::ViewState m_view;
    bool m_laidOut = false;
    bool m_placed = false;
};

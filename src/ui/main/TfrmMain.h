#pragma once

#include "session/LibrarySession.h"
#include "ui/common/WaitCursor.h"
#include "session/SplashScanObserver.h"

#include <QMainWindow>

#include <memory>
#include <optional>

class CategoryMenuController;
class ConfigTab;
class DetailsPane;
class FilterController;
class FindPanel;
class MainListPane;
class MainMenus;
class MainTabView;
class NostalgiaView;
class QTabWidget;
class RefreshController;
class TfrmImport;
class TfrmSplashScreen;
struct Theme;
struct Platform;

// The main window. It builds its areas, wires them to the library session and runs start-up;
// the areas do the rest.
class TfrmMain : public QMainWindow
{
    Q_OBJECT
public:
    // Runs the whole start-up before returning; `splash` may be null and is not used afterwards.
    TfrmMain(const Platform &platform, const FilePlaces &places, TfrmSplashScreen *splash,
             QWidget *parent = nullptr);
    ~TfrmMain() override;

    LibrarySession &session() { return *m_session; }
    // Refresh All, Reload Data and Refresh This Game; a folder delete ends with refreshAll().
    RefreshController &refreshController() { return *m_refresh; }

    // Asked before the window closes; false keeps the program running.
    bool FormCloseQuery();

signals:
    // "Entry Helper" on the Config tab (false) or "Edit &Current" of the list's menu (true).
    void entryHelperRequested(bool editCurrent);
    // "&About" of the Help menu.
    void aboutRequested();
    // "&Delete Folder" of the list's menu: the delete window asks about the selected game.
    void deleteFolderRequested();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildAreas();
    void wireAreas();
    void enableInputs();
    // Start-up is the session's; the window shows its steps.
    void FormCreate(TfrmSplashScreen *splash);
    void showStartUpStep(LibrarySession::StartUpStep step, TfrmSplashScreen *splash);
    void applyAppearance(const Theme &theme);
    void centreOnScreen();
    void launchGame(bool setup);

    const Platform &m_platform;
    std::unique_ptr<LibrarySession> m_session;
    QTabWidget *PageControl1 = nullptr;
    QWidget *tabMain = nullptr;
    NostalgiaView *pnlNostalgia = nullptr;
    MainMenus *m_menus = nullptr;
    MainListPane *m_list = nullptr;
    DetailsPane *m_details = nullptr;
    FindPanel *pnlFind = nullptr;
    MainTabView *m_view = nullptr;
    ConfigTab *m_config = nullptr;
    std::unique_ptr<FilterController> m_filters;
    std::unique_ptr<CategoryMenuController> m_categoryMenus;
    RefreshController *m_refresh = nullptr;
    TfrmImport *m_import = nullptr; // made at its first use
    bool m_scanning = false;
    bool m_nostalgia = false; // the Nostalgia mode, as the preferences last said
    bool m_confirmClose = false; // likewise whether closing asks first
    // The start-up scan's progress and messages, while start-up loads the table.
    std::optional<SplashScanObserver> m_startupScan;
    std::optional<WaitCursor> m_waitCursor;
};

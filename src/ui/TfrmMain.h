#pragma once

#include "ui/MainState.h"

#include <QMainWindow>

#include <memory>

class IniFile;
class QAction;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class QTabWidget;
class SettingsFile;
class SettingsPanel;
class TfrmSplashScreen;
struct Platform;

// The main window. It owns the run's state and the areas of the window, and wires events to the
// modules that do the work.
class TfrmMain : public QMainWindow
{
    Q_OBJECT
public:
    // Runs the whole start-up before returning; `splash` may be null.
    TfrmMain(const Platform &platform, const QString &exeFolder, TfrmSplashScreen *splash,
             QWidget *parent = nullptr);
    ~TfrmMain() override;

    MainState &state() { return m_state; }
    SettingsFile &settings() { return *m_settings; }

    QTabWidget *PageControl1 = nullptr;
    QListWidget *lbMain = nullptr;
    QLabel *lblTotal = nullptr;
    QPushButton *btnPlay = nullptr;
    QWidget *pnlNostalgia = nullptr;
    QLabel *lblGameCreatedDate = nullptr;
    QLabel *lblGameModifiedDate = nullptr;
    SettingsPanel *pnlSettings = nullptr;

    QMenu *mnuFile = nullptr;
    QMenu *mnuEdit = nullptr;
    QMenu *mnuSortBy = nullptr;
    QMenu *mnuCategory = nullptr;
    QMenu *mnuView = nullptr;
    QMenu *mnuHelp = nullptr;
    QAction *mnuNostalgiaMode = nullptr;
    QAction *ReloadData1 = nullptr;
    QAction *mnuExit = nullptr;

    // Asked before the window closes; false keeps the program running.
    bool FormCloseQuery();
    void mnuExitClick();
    void lbMainClick();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void FormCreate();
    void buildWindow();
    void buildMenus();
    void applyAppearance();
    void applyShowDates(bool show);
    void centreOnScreen();
    void fillMainList();
    void selectFirstGame();

    const Platform &m_platform;
    MainState m_state;
    TfrmSplashScreen *m_splash = nullptr;
    std::unique_ptr<SettingsFile> m_settings;
    std::unique_ptr<IniFile> m_skinsFile;
};

#pragma once

#include "app/MainLayout.h"
#include "browse/NameIndex.h"
#include "ui/MainState.h"

#include <QMainWindow>

#include <memory>

class CategoryMenuController;
class DetailsPanel;
class EmulatorSettingsPanel;
class FilterController;
class FindPanel;
class GlobalDOSBoxPanel;
class IniFile;
class QAction;
class QPlainTextEdit;
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
    // Runs the whole start-up before returning; `splash` may be null and is not used afterwards.
    TfrmMain(const Platform &platform, const QString &exeFolder, TfrmSplashScreen *splash,
             QWidget *parent = nullptr);
    ~TfrmMain() override;

    MainState &state() { return m_state; }
    SettingsFile &settings() { return *m_settings; }

    QTabWidget *PageControl1 = nullptr;
    QWidget *tabMain = nullptr;
    QListWidget *lbMain = nullptr;
    QPlainTextEdit *memoAbout = nullptr;
    DetailsPanel *m_details = nullptr;
    QLabel *lblTotal = nullptr;
    QPushButton *btnPlay = nullptr;
    QWidget *pnlNostalgia = nullptr;
    QLabel *lblGameCreatedDate = nullptr;
    QLabel *lblGameModifiedDate = nullptr;
    SettingsPanel *pnlSettings = nullptr;
    FindPanel *pnlFind = nullptr;
    EmulatorSettingsPanel *m_emuSettings = nullptr;
    GlobalDOSBoxPanel *gradDOSBox = nullptr;

    QMenu *mnuFile = nullptr;
    QMenu *mnuEdit = nullptr;
    QMenu *mnuSortBy = nullptr;
    QMenu *mnuCategory = nullptr;
    QMenu *mnuView = nullptr;
    QMenu *mnuHelp = nullptr;
    QAction *mnuNostalgiaMode = nullptr;
    QAction *ReloadData1 = nullptr;
    QAction *mnuExit = nullptr;
    QAction *LargerList1 = nullptr;
    QAction *SmallerList1 = nullptr;
    QAction *ExpandListHeight1 = nullptr;
    QAction *ContractListHeight1 = nullptr;
    QAction *HideTabs1 = nullptr;
    QAction *ViewSimple1 = nullptr;
    QAction *ShowRating1 = nullptr;
    QAction *LargerInfoView1 = nullptr;
    QMenu *MainContextMenu = nullptr;
    QAction *mnuViewMax = nullptr;

    // Asked before the window closes; false keeps the program running.
    bool FormCloseQuery();
    void mnuExitClick();
    void lbMainClick();
    void LoadMainList();
    void cbMainSortByChange();
    void MainFormResize(bool ResizeExtrasBox);
    // Starts the selected game, or its set-up program.
    void LaunchGame(bool setup);
    FilterController &filters() { return *m_filters; }
    const NameIndex &names() const { return m_names; }
    const MainLayout::ViewState &view() const { return m_view; }
    QString currentMetadataFolder() const { return m_currentMetadataFolder; }

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormCreate();
    void buildWindow();
    void buildMenus();
    void buildContextMenu();
    void placeMainTab();
    void applyAppearance();
    void applyShowDates(bool show);
    void centreOnScreen();
    void selectFirstGame();
    void sortMenuClick(const QString &field);
    void LargerList1Click();
    void SmallerList1Click();
    void ExpandListHeight1Click();
    void ContractListHeight1Click();
    void HideTabs1Click();
    void ViewSimple1Click();
    void ShowRating1Click();
    void LargerInfoView1Click();
    void mnuViewMaxClick();
    void showNoteScrollBarRule();
    int selectedListIndex() const;
    void buildConfigTab();
    void buildFilters();

    const Platform &m_platform;
    MainState m_state;
    TfrmSplashScreen *m_splash = nullptr;
    std::unique_ptr<SettingsFile> m_settings;
    std::unique_ptr<IniFile> m_skinsFile;
    NameIndex m_names;
    std::unique_ptr<FilterController> m_filters;
    std::unique_ptr<CategoryMenuController> m_categoryMenus;
    int m_ratingColumn = 0;
    MainLayout::ViewState m_view;
    QString m_currentMetadataFolder;
    bool m_laidOut = false;
    bool m_placed = false;
    int m_rowBeforePress = -1;
};

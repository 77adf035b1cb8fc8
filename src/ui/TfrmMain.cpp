#include "ui/TfrmMain.h"

#include "app/ColorText.h"
#include "app/FontStyleText.h"
#include "app/IniFile.h"
#include "app/SettingsFile.h"
#include "library/DataCache.h"
#include "library/LibraryPaths.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "platform/Random.h"
#include "ui/SettingsPanel.h"
#include "ui/SplashScanObserver.h"
#include "ui/TfrmSplashScreen.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QAction *addItem(QMenu *menu, const char *objectName, const QString &caption)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QLatin1String(objectName));
    return action;
}

QMenu *addSubMenu(QMenu *menu, const char *objectName, const QString &caption)
{
    QMenu *sub = menu->addMenu(caption);
    sub->setObjectName(QLatin1String(objectName));
    sub->menuAction()->setObjectName(QLatin1String(objectName));
    return sub;
}

QColor settingsColor(const SettingsFile &settings, const SettingsKeys::Text &key, const QWidget *widget,
                     QPalette::ColorRole defaultRole)
{
    const ColorValue fallback = StringToColorOr(QString::fromUtf8(key.defaultValue), 0);
    return toQColor(StringToColorOr(settings.read(key), fallback), widget->palette(),
                    widget->palette().color(defaultRole));
}

QFont settingsFont(const SettingsFile &settings, const SettingsKeys::Text &name,
                   const SettingsKeys::Integer &size, const SettingsKeys::Text &style)
{
    QFont font(settings.read(name));
    const int points = settings.read(size);
    if (points > 0)
        font.setPointSize(points);
    applyFontStyle(font, StrtoFontStyle(settings.read(style)));
    return font;
}

void setColors(QWidget *widget, const QColor &text, const QColor &background)
{
    QPalette palette = widget->palette();
    if (text.isValid()) {
        palette.setColor(QPalette::WindowText, text);
        palette.setColor(QPalette::Text, text);
    }
    if (background.isValid()) {
        palette.setColor(QPalette::Window, background);
        palette.setColor(QPalette::Base, background);
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(palette);
}

} // namespace

TfrmMain::TfrmMain(const Platform &platform, const QString &exeFolder, TfrmSplashScreen *splash,
                   QWidget *parent)
    : QMainWindow(parent), m_platform(platform), m_splash(splash)
{
    setObjectName(QStringLiteral("TfrmMain"));
    setWindowTitle(QStringLiteral("PALLOX"));
    m_state.ExeFolder = LibraryPaths::withTrailingSeparator(exeFolder);
    buildWindow();
    FormCreate();
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::buildWindow()
{
    buildMenus();

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    setCentralWidget(PageControl1);

    auto *tabMain = new QWidget(PageControl1);
    tabMain->setObjectName(QStringLiteral("tabMain"));
    auto *mainLayout = new QHBoxLayout(tabMain);
    auto *listColumn = new QVBoxLayout;
    lbMain = new QListWidget(tabMain);
    lbMain->setObjectName(QStringLiteral("lbMain"));
    lblTotal = new QLabel(tabMain);
    lblTotal->setObjectName(QStringLiteral("lblTotal"));
    listColumn->addWidget(lbMain, 1);
    listColumn->addWidget(lblTotal);
    auto *detailsColumn = new QVBoxLayout;
    lblGameCreatedDate = new QLabel(tabMain);
    lblGameCreatedDate->setObjectName(QStringLiteral("lblGameCreatedDate"));
    lblGameModifiedDate = new QLabel(tabMain);
    lblGameModifiedDate->setObjectName(QStringLiteral("lblGameModifiedDate"));
    btnPlay = new QPushButton(QStringLiteral("PLAY"), tabMain);
    btnPlay->setObjectName(QStringLiteral("btnPlay"));
    detailsColumn->addStretch(1);
    detailsColumn->addWidget(lblGameCreatedDate);
    detailsColumn->addWidget(lblGameModifiedDate);
    detailsColumn->addWidget(btnPlay);
    mainLayout->addLayout(listColumn, 1);
    mainLayout->addLayout(detailsColumn, 2);
    PageControl1->addTab(tabMain, QStringLiteral("Main"));

    pnlNostalgia = new QWidget(this);
    pnlNostalgia->setObjectName(QStringLiteral("pnlNostalgia"));
    pnlNostalgia->hide();

    connect(lbMain, &QListWidget::itemClicked, this, [this] { lbMainClick(); });
    connect(lbMain, &QListWidget::currentRowChanged, this, [this] { lbMainClick(); });
}

void TfrmMain::buildMenus()
{
    QMenuBar *bar = menuBar();
    mnuFile = bar->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuNostalgiaMode = addItem(mnuFile, "mnuNostalgiaMode", QStringLiteral("&Nostalgia Mode"));
    mnuNostalgiaMode->setCheckable(true);
    ReloadData1 = addItem(mnuFile, "ReloadData1", QStringLiteral("&Reload Data"));
    mnuExit = addItem(mnuFile, "mnuExit", QStringLiteral("E&xit"));
    connect(mnuExit, &QAction::triggered, this, &TfrmMain::mnuExitClick);

    mnuEdit = bar->addMenu(QStringLiteral("&Edit"));
    mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
    addItem(mnuEdit, "mnuFind", QStringLiteral("&Find"));
    mnuEdit->addSeparator();
    addItem(mnuEdit, "mnuExportLaunchBox", QStringLiteral("Export to LaunchBox"));

    mnuSortBy = bar->addMenu(QStringLiteral("&Sort By"));
    mnuSortBy->setObjectName(QStringLiteral("mnuSortBy"));
    addItem(mnuSortBy, "mnuName", QStringLiteral("&Name"));
    addItem(mnuSortBy, "mnuYear", QStringLiteral("&Year"));
    addItem(mnuSortBy, "mnuPlatform", QStringLiteral("&Platform"));
    addItem(mnuSortBy, "mnuFolder", QStringLiteral("&Folder"));
    addItem(mnuSortBy, "mnuDeveloper", QStringLiteral("&Developer"));
    addItem(mnuSortBy, "mnuPublisher", QStringLiteral("P&ublisher"));
    addItem(mnuSortBy, "mnuGenre", QStringLiteral("&Genre"));
    addItem(mnuSortBy, "mnuSubGenre", QStringLiteral("Su&bgenre"));
    addItem(mnuSortBy, "mnuSeries", QStringLiteral("&Series"));
    addItem(mnuSortBy, "mnuRating", QStringLiteral("&Rating"));
    mnuSortBy->addSeparator();
    addItem(mnuSortBy, "mnuDateCreated", QStringLiteral("Date &Created"));
    addItem(mnuSortBy, "mnuDateModified", QStringLiteral("Date &Modified"));

    mnuCategory = bar->addMenu(QStringLiteral("&Category"));
    mnuCategory->setObjectName(QStringLiteral("mnuCategory"));
    addItem(mnuCategory, "mnuShowAll", QStringLiteral("S&how All"));
    addSubMenu(mnuCategory, "mnuCatDeveloper", QStringLiteral("&Developer"));
    addSubMenu(mnuCategory, "mnuCatPublisher", QStringLiteral("Pu&blisher"));
    addSubMenu(mnuCategory, "mnuCatDevOrPub", QStringLiteral("Dev. &or Pub."));
    addSubMenu(mnuCategory, "mnuCatPlatform", QStringLiteral("&Platform"));
    addSubMenu(mnuCategory, "mnuCatGenre", QStringLiteral("&Genre"));
    addSubMenu(mnuCategory, "mnuCatSubGenres", QStringLiteral("S&ubGenres"));
    addSubMenu(mnuCategory, "mnuCatGenreInclSubs", QStringLiteral("Genre (&incl subs)"));
    addSubMenu(mnuCategory, "mnuCatEmulator", QStringLiteral("Emulator"));

    mnuView = bar->addMenu(QStringLiteral("&View"));
    mnuView->setObjectName(QStringLiteral("mnuView"));
    addItem(mnuView, "mnuWidenList", QStringLiteral("&Widen List"))->setShortcut(QKeySequence(QStringLiteral("Ctrl+L")));
    addItem(mnuView, "mnuNarrowList", QStringLiteral("&Narrow List"))->setShortcut(QKeySequence(QStringLiteral("Ctrl+J")));
    addItem(mnuView, "mnuLengthenList", QStringLiteral("&Lengthen List"))->setShortcut(QKeySequence(QStringLiteral("Ctrl+K")));
    addItem(mnuView, "mnuShortenList", QStringLiteral("&Shorten List"))->setShortcut(QKeySequence(QStringLiteral("Ctrl+I")));
    addItem(mnuView, "mnuHideTabs", QStringLiteral("&Hide Tabs"))->setCheckable(true);
    addItem(mnuView, "mnuViewSimple", QStringLiteral("&View Simple"))->setCheckable(true);
    addItem(mnuView, "mnuShowRating", QStringLiteral("Show &Rating"))->setCheckable(true);
    addItem(mnuView, "mnuLargerInfoView", QStringLiteral("L&arger Info View"))->setCheckable(true);

    mnuHelp = bar->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    addItem(mnuHelp, "mnuAbout", QStringLiteral("&About"));
}

void TfrmMain::FormCreate()
{
    LibraryState &library = m_state.library;
    library.ScanPending = true;
    library.StartupLoading = true;
    PageControl1->setCurrentIndex(0);

    m_state.SkinsFolder = m_state.ExeFolder + QStringLiteral("Skins");
    m_skinsFile = std::make_unique<IniFile>(LibraryPaths::join(m_state.SkinsFolder, QStringLiteral("skins.ini")));
    m_settings = std::make_unique<SettingsFile>(m_state.ExeFolder + QStringLiteral("PALLOX.ini"));
    m_settings->setErrorHandler([this](const QString &error) { m_platform.dialogs.message(error); });

    // The config tab needs the settings object, so it is built once that is open.
    pnlSettings = new SettingsPanel(m_state, *m_settings, m_platform, PageControl1);
    PageControl1->addTab(pnlSettings, QStringLiteral("Config"));
    auto *tabImageSheet = new QWidget(PageControl1);
    tabImageSheet->setObjectName(QStringLiteral("tabImageSheet"));
    PageControl1->addTab(tabImageSheet, QStringLiteral("Image Sheet"));
    connect(pnlSettings, &SettingsPanel::showDatesChanged, this, &TfrmMain::applyShowDates);

    library.LibraryRoot = m_settings->read(SettingsKeys::VADPath);
    if (library.LibraryRoot.isEmpty()) {
        library.LibraryRoot = m_state.ExeFolder;
        m_settings->write(SettingsKeys::VADPath, library.LibraryRoot);
    } else {
        library.LibraryRoot = LibraryPaths::withTrailingSeparator(library.LibraryRoot);
    }
    library.lbDirList = m_settings->subfolders();

    resize(m_settings->read(SettingsKeys::Width), m_settings->read(SettingsKeys::Height));
    applyAppearance();

    m_state.NostalgiaMode = m_settings->read(SettingsKeys::NostalgiaMode);
    mnuView->setEnabled(!m_state.NostalgiaMode);
    pnlNostalgia->setVisible(m_state.NostalgiaMode);
    mnuNostalgiaMode->setChecked(m_state.NostalgiaMode);

    m_state.AboutListSeparator = m_settings->read(SettingsKeys::AboutListSeparator);
    m_state.LastSelectedIndex = m_settings->read(SettingsKeys::LastSelectedGame);
    centreOnScreen();

    m_state.ConfirmClose = m_settings->read(SettingsKeys::ConfirmClose);
    m_state.RememberLastSelected = m_settings->read(SettingsKeys::RememberLastSelected);
    m_state.ShowDates = m_settings->read(SettingsKeys::ShowDates);
    pnlSettings->showOptions();
    applyShowDates(m_state.ShowDates);

    SplashScanObserver observer(library, m_splash, m_platform.dialogs);
    loadGameTableAtStartup(library, *m_settings, observer);

    fillMainList();
    if (m_splash)
        m_splash->hide();
    pnlSettings->showLibraryRoot();
    selectFirstGame();
    lbMain->setFocus();
}

void TfrmMain::applyAppearance()
{
    using namespace SettingsKeys;
    const SettingsFile &s = *m_settings;
    setColors(this, QColor(), settingsColor(s, BGColor, this, QPalette::Window));
    lbMain->setFont(settingsFont(s, lbMainListFontName, lbMainListFontSize, lbMainListFontStyle));
    setColors(lbMain, settingsColor(s, lbMainListFontColor, lbMain, QPalette::Text),
              settingsColor(s, lbMainBGColor, lbMain, QPalette::Base));
}

void TfrmMain::applyShowDates(bool show)
{
    lblGameCreatedDate->setVisible(show);
    lblGameModifiedDate->setVisible(show);
}

void TfrmMain::centreOnScreen()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.width() / 2 - width() / 2, area.height() / 2 - height() / 2);
    }
}

void TfrmMain::fillMainList()
{
    const GameTable &grid = m_state.library.GridMain;
    lbMain->clear();
    QStringList entries;
    entries.reserve(grid.rowCount());
    for (int r = 1; r < grid.rowCount(); ++r)
        entries.append(grid.cell(1, r));
    lbMain->addItems(entries);
    lblTotal->setText(QStringLiteral("%1 Listed").arg(qMax(0, grid.rowCount() - 1)));
}

void TfrmMain::selectFirstGame()
{
    const int count = lbMain->count();
    if (m_state.LastSelectedIndex < 0 || m_state.LastSelectedIndex >= count)
        m_state.LastSelectedIndex = 0;
    int index = m_state.LastSelectedIndex;
    if (!m_state.RememberLastSelected) {
        m_platform.random.seed(static_cast<std::uint64_t>(m_platform.clock.now().toMSecsSinceEpoch()));
        index = m_platform.random.below(count);
    }
    if (count == 0)
        return;
    const QSignalBlocker blocker(lbMain);
    lbMain->setCurrentRow(index);
    lbMainClick();
}

void TfrmMain::lbMainClick()
{
    const int index = lbMain->currentRow();
    if (index < 0)
        return;
    m_state.LastSelectedIndex = index;
    m_settings->write(SettingsKeys::LastSelectedGame, index);
    m_state.SelectedGameName = lbMain->item(index)->text();
    m_state.SelectedRow = 0;
    const GameTable &grid = m_state.library.GridMain;
    const int nameColumn = grid.column(QStringLiteral("Name"));
    for (int r = grid.rowCount() - 1; r > 0; --r) {
        if (grid.cell(nameColumn, r) == m_state.SelectedGameName) {
            m_state.SelectedRow = r;
            break;
        }
    }
    const int created = grid.column(QStringLiteral("FolderDateCreated"));
    const int modified = grid.column(QStringLiteral("FolderDateModified"));
    lblGameCreatedDate->setText(grid.cell(created, m_state.SelectedRow));
    lblGameModifiedDate->setText(grid.cell(modified, m_state.SelectedRow));
}

bool TfrmMain::FormCloseQuery()
{
    if (!m_state.ConfirmClose)
        return true;
    return m_platform.dialogs.confirm(QStringLiteral("Close PALLOX?"));
}

void TfrmMain::mnuExitClick()
{
    close();
}

void TfrmMain::closeEvent(QCloseEvent *event)
{
    if (FormCloseQuery())
        event->accept();
    else
        event->ignore();
}

#include "ui/main/TfrmMain.h"

#include "base/SettingsFile.h"
#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "session/AppearanceModel.h"
#include "session/FilterState.h"
#include "session/LibrarySession.h"
#include "session/BrowseModel.h"
#include "session/LaunchModel.h"
#include "session/LibraryModel.h"
#include "session/PreferencesModel.h"
#include "ui/common/Controls.h"
#include "ui/main/AttractMode.h"
#include "ui/main/CategoryMenuController.h"
#include "ui/config/ConfigTab.h"
#include "ui/main/DetailsPane.h"
#include "ui/main/DetailsPanel.h"
#include "ui/main/ExportController.h"
#include "ui/main/FilterController.h"
#include "ui/main/FolderController.h"
#include "ui/main/FindPanel.h"
#include "ui/import/TfrmImport.h"
#include "ui/sheet/ImageSheetTab.h"
#include "ui/main/MainListPane.h"
#include "ui/main/MainMenus.h"
#include "ui/main/MainTabView.h"
#include "ui/nostalgia/NostalgiaView.h"
#include "ui/main/PictureViewer.h"
#include "ui/main/RefreshController.h"
#include "session/SplashScanObserver.h"
#include "ui/startup/TfrmSplashScreen.h"
#include "ui/common/WidgetColors.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QScopeGuard>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>

TfrmMain::TfrmMain(const Platform &platform, const FilePlaces &places, TfrmSplashScreen *splash, QWidget *parent)
    : QMainWindow(parent), m_platform(platform), m_session(std::make_unique<LibrarySession>(platform, places))
{
    setObjectName(QStringLiteral("TfrmMain"));
    setWindowTitle(QStringLiteral("PALLOX"));
    connect(m_session.get(), &LibrarySession::message, this, [this](const QString &text) {
        // During the start-up scan the splash shows the box, so that it paints whole under it.
        if (m_startupScan)
            m_startupScan->message(text);
        else
            m_platform.dialogs.message(text);
    });
    connect(&m_session->browse(), &BrowseModel::sorting, this, [this](bool running) {
        if (running)
            m_waitCursor.emplace();
        else
            m_waitCursor.reset();
    });
    buildAreas();
    wireAreas();
    FormCreate(splash);
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::buildAreas()
{
    m_menus = new MainMenus(*this);
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    setCentralWidget(PageControl1);

    // The Main tab is placed by hand: its geometry follows the layout arithmetic, not a Qt layout.
    tabMain = new QWidget(PageControl1);
    tabMain->setObjectName(QStringLiteral("tabMain"));
    tabMain->setContextMenuPolicy(Qt::CustomContextMenu);
    PageControl1->addTab(tabMain, QStringLiteral("Main"));
    m_list = new MainListPane(*m_session, *tabMain);
    m_details = new DetailsPane(*m_session, *tabMain);
    pnlFind = new FindPanel(tabMain);
    m_view = new MainTabView(*m_session, {*this, *PageControl1, *tabMain, *m_list, *m_details, *pnlFind, *m_menus});

    m_config = new ConfigTab(*m_session, *PageControl1);
    auto *imageSheet = new ImageSheetTab(*m_session, *PageControl1);
    connect(imageSheet, &ImageSheetTab::launchRequested, &m_session->launch(), &LaunchModel::launchRow);
    connect(imageSheet, &ImageSheetTab::pictureUnreadable, m_session.get(), &LibrarySession::reportOnce);

    pnlNostalgia = new NostalgiaView(*m_session, *this);

    // Tab goes down the Main tab as it reads, from the page tabs: the find panel, the list and
    // PLAY, the facts and the platforms, the note.
    chainTabOrder(QList<QWidget *>{PageControl1->tabBar()} + pnlFind->tabChain() + m_list->tabChain() +
                  m_details->tabChain());

    m_filters = std::make_unique<FilterController>(*m_session, *pnlFind);
    m_categoryMenus = std::make_unique<CategoryMenuController>(*m_filters, m_menus->categoryMenus());
}

void TfrmMain::wireAreas()
{
    LibrarySession *session = m_session.get();
    BrowseModel &browse = session->browse();
    LaunchModel &launch = session->launch();
    PreferencesModel &preferences = session->preferences();
    connect(&browse, &BrowseModel::listChanged, this, [this] { m_categoryMenus->rebuild(m_session->library().table()); });

    connect(m_menus, &MainMenus::sortFieldChosen, &browse, &BrowseModel::setSortField);
    m_menus->on(MainCommand::Find, pnlFind, &FindPanel::Find1Click);
    FilterState &filter = session->filter();
    m_menus->on(MainCommand::ShowAll, &filter, &FilterState::restoreAll);
    m_menus->on(MainCommand::ShowAllGames, &filter, &FilterState::showAllGames);
    m_menus->on(MainCommand::Exit, this, &QWidget::close);
    connect(m_menus, &MainMenus::viewChosen, m_view, &MainTabView::command);
    connect(tabMain, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { m_menus->popupContextMenu(tabMain->mapToGlobal(at)); });
    connect(m_list, &MainListPane::contextMenuRequested, m_menus, &MainMenus::popupContextMenu);

    DetailsPanel &details = m_details->panel();
    connect(m_list, &MainListPane::playRequested, this, [this] { launchGame(false); });
    connect(&details, &DetailsPanel::setupClicked, this, [this] { launchGame(true); });
    connect(&details, &DetailsPanel::platformClicked, this, [this, &details](int index, const QString &platform) {
        if (m_session->browse().showPlatform(platform))
            details.markShownPlatform(index);
    });
    connect(&details, &DetailsPanel::platformDoubleClicked, this, [this](int, const QString &platform) {
        m_session->launch().launchPlatform(platform);
    });
    connect(&details, &DetailsPanel::manualClicked, &launch, &LaunchModel::openManual);
    connect(&details, &DetailsPanel::extraClicked, &launch,
            [&launch](int, const QString &, const QString &link) { launch.openExtra(link); });
    auto *viewer = new PictureViewer(*tabMain);
    viewer->watch(details.viewedPictures());
    m_menus->on(MainCommand::Attract, new AttractMode(*session, *this), &AttractMode::setRunning);
    connect(&details, &DetailsPanel::fieldClicked, &filter, &FilterState::fieldFilter);
    connect(&details, &DetailsPanel::pictureUnreadable, session, &LibrarySession::reportOnce);
    QList<QLabel *> hover = details.linkLabels();
    m_filters->watchHover(hover);

    connect(&preferences, &PreferencesModel::showDatesChanged, m_details, &DetailsPane::showDates);
    connect(&preferences, &PreferencesModel::nostalgiaModeChanged, this, [this](bool on) { m_nostalgia = on; });
    connect(&preferences, &PreferencesModel::confirmCloseChanged, this, [this](bool on) { m_confirmClose = on; });
    connect(m_config, &ConfigTab::entryHelperRequested, this, [this] { emit entryHelperRequested(false); });
    m_menus->on(MainCommand::EditCurrent, this, [this] { emit entryHelperRequested(true); });
    m_menus->on(MainCommand::About, this, &TfrmMain::aboutRequested);
    connect(&session->appearance(), &AppearanceModel::themeChanged, this,
            [this](const Theme &theme, bool listFontChosen) {
                // View Max enlarges the list's font; only a newly chosen list font may undo that.
                const int listPoints = m_list->fontPointSize();
                applyAppearance(theme);
                if (!listFontChosen)
                    m_list->setFontPointSize(listPoints);
                m_details->panel().fitNameBanner();
            });
    m_config->setNameBannerFit([&details](const QFont &font) { return details.previewNameFont(font); });

    m_menus->on(MainCommand::NostalgiaMode, this, [this](bool on) {
        m_menus->showNostalgiaMode(on);
        pnlNostalgia->switchMode(on);
        enableInputs();
        if (!on)
            m_list->focusList();
    });
    connect(pnlNostalgia, &NostalgiaView::launchRequested, this, &TfrmMain::launchGame);
    connect(pnlNostalgia, &NostalgiaView::platformLaunchRequested, &launch, &LaunchModel::launchPlatform);
    connect(pnlNostalgia, &NostalgiaView::fieldClicked, &filter, &FilterState::fieldFilter);
    m_filters->watchHover(pnlNostalgia->platformLabels());

    auto *exporter = new ExportController(*session, *tabMain, details);
    m_menus->on(MainCommand::Export, exporter, &ExportController::mnuExportClick);
    m_menus->on(MainCommand::Import, this, [this] {
        if (!m_import)
            m_import = new TfrmImport(*m_session, this);
        m_import->showFromMain();
    });

    m_refresh = new RefreshController(*session, m_platform.dialogs, m_details->gamesGauge(),
                                      m_details->categoriesGauge(), this);
    m_menus->on(MainCommand::RefreshAll, m_refresh, &RefreshController::refreshAll);
    m_menus->on(MainCommand::ReloadData, m_refresh, &RefreshController::reloadData);
    m_menus->on(MainCommand::RefreshThisGame, m_refresh, &RefreshController::refreshThisGame);
    connect(&session->library(), &LibraryModel::scanRunning, this, [this](bool running) {
        m_scanning = running;
        enableInputs();
        if (running)
            return;
        if (m_nostalgia)
            pnlNostalgia->focusList();
        else
            m_list->focusList();
    });

    auto *folders = new FolderController(*session, m_platform.dialogs, this);
    m_menus->on(MainCommand::MoveAll, folders, &FolderController::MoveAll1Click);
    m_menus->on(MainCommand::OpenFolder, folders, &FolderController::mnuOpenFolderClick);
    m_menus->on(MainCommand::DeleteCurrent, this, &TfrmMain::deleteFolderRequested);
}

void TfrmMain::enableInputs()
{
    // While a refresh reads the library, nothing that reads the table takes input; the window
    // still paints, the gauges move, and it can be closed. While the Nostalgia view covers the
    // window, the controls behind it take neither the focus nor keys.
    const bool nostalgia = m_nostalgia;
    m_menus->setScanRunning(m_scanning);
    PageControl1->setEnabled(!m_scanning && !nostalgia);
    pnlNostalgia->setEnabled(!m_scanning);
}

void TfrmMain::FormCreate(TfrmSplashScreen *splash)
{
    PageControl1->setCurrentIndex(0);
    const QMetaObject::Connection steps =
        connect(m_session.get(), &LibrarySession::startUpStep, this,
                [this, splash](LibrarySession::StartUpStep step) { showStartUpStep(step, splash); });
    // An exception of start-up leaves no splash observer behind.
    const auto finished = qScopeGuard([&] {
        m_startupScan.reset();
        disconnect(steps);
    });
    m_session->startUp();
}

void TfrmMain::showStartUpStep(LibrarySession::StartUpStep step, TfrmSplashScreen *splash)
{
    using Step = LibrarySession::StartUpStep;
    LibrarySession &session = *m_session;
    switch (step) {
    case Step::SettingsOpened: {
        const Preferences &preferences = session.preferences().preferences();
        resize(preferences.windowSize);
        applyAppearance(session.appearance().theme());
        m_nostalgia = preferences.nostalgiaMode;
        m_confirmClose = preferences.confirmClose;
        m_menus->showNostalgiaMode(m_nostalgia);
        pnlNostalgia->showMode(m_nostalgia);
        centreOnScreen();
        m_config->showOptions();
        m_details->showDates(preferences.showDates);
        break;
    }
    case Step::TableLoading:
        m_startupScan.emplace(session.library().state(), splash, m_platform.dialogs);
        m_startupScan->follow(session.library());
        break;
    case Step::TableLoaded:
        m_startupScan.reset();
        if (splash) {
            splash->showStep(QStringLiteral("Checking for"), QStringLiteral("multiple platforms"));
            splash->repaintNow();
        }
        break;
    case Step::ListBuilt:
        if (splash)
            splash->hide();
        break;
    case Step::EmulatorsLoaded:
        m_config->loadAtStartUp();
        break;
    case Step::FiltersFilled:
        m_view->placeAtStartUp(m_list->fontPointSize());
        break;
    case Step::Finished:
        m_list->focusList();
        pnlNostalgia->LoadNostalgia();
        enableInputs();
        break;
    }
}

void TfrmMain::applyAppearance(const Theme &theme)
{
    WidgetColors::setBackground(this, WidgetColors::themed(theme.background, this, QPalette::Window));
    // The tab page shows the window's own background around the list and the details.
    WidgetColors::setBackground(tabMain, WidgetColors::themed(theme.background, tabMain, QPalette::Window));
    WidgetColors::setTextColor(pnlFind, theme.detailsText);
    m_list->applyAppearance(theme);
    m_config->applyAppearance(theme);
    m_details->applyAppearance(theme);
}

void TfrmMain::centreOnScreen()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        // A size from a hand-edited settings file may be far larger than any screen.
        resize(size().boundedTo(screen->availableGeometry().size()));
        move(area.width() / 2 - width() / 2, area.height() / 2 - height() / 2);
    }
}

void TfrmMain::launchGame(bool setup)
{
    m_session->launch().launchSelected(setup);
}

bool TfrmMain::FormCloseQuery()
{
    if (!m_confirmClose)
        return true;
    return m_platform.dialogs.confirm(QStringLiteral("Close PALLOX?"));
}

void TfrmMain::closeEvent(QCloseEvent *event)
{
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    // The selection and the size wait for a pause before they are written; closing is one.
    m_session->preferences().flush();
    event->accept();
}

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
#include "browse/DetailsContent.h"
#include "browse/MainList.h"
#include "browse/CategoryMenus.h"
#include "launch/Launcher.h"
#include "ui/CategoryMenuController.h"
#include "ui/DetailsPanel.h"
#include "ui/EmulatorSettingsPanel.h"
#include "ui/FilterController.h"
#include "ui/FindPanel.h"
#include "ui/GlobalDOSBoxPanel.h"
#include "ui/SettingsPanel.h"
#include "ui/SplashScanObserver.h"
#include "ui/TfrmSplashScreen.h"
#include "ui/WidgetColors.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>

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
    // A font this system lacks may be matched to anything, a symbol font included; the system's
    // own font reads better then. The stored name is kept, so it comes back where it exists.
    if (QFontInfo(font).family().compare(font.family(), Qt::CaseInsensitive) != 0)
        font.setFamily(QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
    const int points = settings.read(size);
    if (points > 0)
        font.setPointSize(points);
    applyFontStyle(font, StrtoFontStyle(settings.read(style)));
    return font;
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

namespace {
// Where the list column stands before the first layout pass sizes it.
constexpr int ListLeft = 8;
constexpr int ListTop = 8;
constexpr int DesignListWidth = 260;
constexpr int ColumnGap = 8;
constexpr int TotalHeight = 20;
} // namespace

void TfrmMain::buildWindow()
{
    buildMenus();

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    setCentralWidget(PageControl1);

    // The Main tab is placed by hand: its geometry follows the layout arithmetic, not a Qt layout.
    tabMain = new QWidget(PageControl1);
    tabMain->setObjectName(QStringLiteral("tabMain"));
    lbMain = new QListWidget(tabMain);
    lbMain->setObjectName(QStringLiteral("lbMain"));
    lbMain->setUniformItemSizes(true);
    memoAbout = new QPlainTextEdit(tabMain);
    memoAbout->setObjectName(QStringLiteral("memoAbout"));
    memoAbout->setReadOnly(true);
    memoAbout->setFocusPolicy(Qt::ClickFocus);
    lblTotal = new QLabel(QStringLiteral("0 Listed"), tabMain);
    lblTotal->setObjectName(QStringLiteral("lblTotal"));
    btnPlay = new QPushButton(QStringLiteral("PLAY"), tabMain);
    btnPlay->setObjectName(QStringLiteral("btnPlay"));
    btnPlay->setFocusPolicy(Qt::NoFocus);
    m_details = new DetailsPanel(tabMain);
    pnlFind = new FindPanel(tabMain);
    lblGameCreatedDate = new QLabel(m_details);
    lblGameCreatedDate->setObjectName(QStringLiteral("lblGameCreatedDate"));
    lblGameModifiedDate = new QLabel(m_details);
    lblGameModifiedDate->setObjectName(QStringLiteral("lblGameModifiedDate"));
    PageControl1->addTab(tabMain, QStringLiteral("Main"));
    tabMain->installEventFilter(this);
    tabMain->setContextMenuPolicy(Qt::CustomContextMenu);
    lbMain->setContextMenuPolicy(Qt::CustomContextMenu);

    pnlNostalgia = new QWidget(this);
    pnlNostalgia->setObjectName(QStringLiteral("pnlNostalgia"));
    pnlNostalgia->hide();

    buildContextMenu();

    // Every change of the highlighted entry fills the details, whether by key, click or a drag
    // across the list, so that the two never disagree. A press on the entry already highlighted
    // changes nothing and fills them again, which shows its game once more.
    connect(lbMain, &QListWidget::itemSelectionChanged, this, [this] { lbMainClick(); });
    connect(lbMain, &QListWidget::itemPressed, this, [this] {
        if (selectedListIndex() == m_rowBeforePress)
            lbMainClick();
    });
    lbMain->viewport()->installEventFilter(this);
    connect(lbMain, &QListWidget::itemDoubleClicked, this, [this] { LaunchGame(false); });
    connect(btnPlay, &QPushButton::clicked, this, [this] { LaunchGame(false); });
    connect(m_details, &DetailsPanel::setupClicked, this, [this] { LaunchGame(true); });
    connect(m_details, &DetailsPanel::platformDoubleClicked, this, [this] { LaunchGame(false); });
    lbMain->installEventFilter(this);
}

void TfrmMain::buildMenus()
{
    QMenuBar *bar = menuBar();
    mnuFile = bar->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuNostalgiaMode = addItem(mnuFile, "mnuNostalgiaMode", QStringLiteral("&Nostalgia Mode"));
    mnuNostalgiaMode->setCheckable(true);
    mnuNostalgiaMode->setEnabled(false);
    ReloadData1 = addItem(mnuFile, "ReloadData1", QStringLiteral("&Reload Data"));
    ReloadData1->setEnabled(false);
    mnuExit = addItem(mnuFile, "mnuExit", QStringLiteral("E&xit"));
    connect(mnuExit, &QAction::triggered, this, &TfrmMain::mnuExitClick);

    mnuEdit = bar->addMenu(QStringLiteral("&Edit"));
    mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
    addItem(mnuEdit, "mnuFind", QStringLiteral("&Find"));
    mnuEdit->addSeparator();
    addItem(mnuEdit, "mnuExportLaunchBox", QStringLiteral("Export to LaunchBox"))->setEnabled(false);

    mnuSortBy = bar->addMenu(QStringLiteral("&Sort By"));
    mnuSortBy->setObjectName(QStringLiteral("mnuSortBy"));
    for (const MainSortMenuItem &item : mainSortMenuItems()) {
        if (item.separatorBefore)
            mnuSortBy->addSeparator();
        QAction *action = mnuSortBy->addAction(item.caption);
        action->setObjectName(item.objectName);
        const QString field = item.field;
        connect(action, &QAction::triggered, this, [this, field] { sortMenuClick(field); });
    }

    mnuCategory = bar->addMenu(QStringLiteral("&Category"));
    mnuCategory->setObjectName(QStringLiteral("mnuCategory"));
    addItem(mnuCategory, "mnuShowAll", QStringLiteral("S&how All"));
    for (const CategoryMenuInfo &info : categoryMenus())
        addSubMenu(mnuCategory, info.objectName, QString::fromUtf8(info.caption));

    mnuView = bar->addMenu(QStringLiteral("&View"));
    mnuView->setObjectName(QStringLiteral("mnuView"));
    LargerList1 = addItem(mnuView, "LargerList1", QStringLiteral("&Widen List"));
    LargerList1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    SmallerList1 = addItem(mnuView, "SmallerList1", QStringLiteral("&Narrow List"));
    SmallerList1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_J));
    ExpandListHeight1 = addItem(mnuView, "ExpandListHeight1", QStringLiteral("&Lengthen List"));
    ExpandListHeight1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    ContractListHeight1 = addItem(mnuView, "ContractListHeight1", QStringLiteral("&Shorten List"));
    ContractListHeight1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    HideTabs1 = addItem(mnuView, "HideTabs1", QStringLiteral("&Hide Tabs"));
    ViewSimple1 = addItem(mnuView, "ViewSimple1", QStringLiteral("&View Simple"));
    ShowRating1 = addItem(mnuView, "ShowRating1", QStringLiteral("Show &Rating"));
    LargerInfoView1 = addItem(mnuView, "LargerInfoView1", QStringLiteral("L&arger Info View"));
    for (QAction *action : {HideTabs1, ViewSimple1, ShowRating1, LargerInfoView1})
        action->setCheckable(true);
    connect(LargerList1, &QAction::triggered, this, &TfrmMain::LargerList1Click);
    connect(SmallerList1, &QAction::triggered, this, &TfrmMain::SmallerList1Click);
    connect(ExpandListHeight1, &QAction::triggered, this, &TfrmMain::ExpandListHeight1Click);
    connect(ContractListHeight1, &QAction::triggered, this, &TfrmMain::ContractListHeight1Click);
    connect(HideTabs1, &QAction::triggered, this, &TfrmMain::HideTabs1Click);
    connect(ViewSimple1, &QAction::triggered, this, &TfrmMain::ViewSimple1Click);
    connect(ShowRating1, &QAction::triggered, this, &TfrmMain::ShowRating1Click);
    connect(LargerInfoView1, &QAction::triggered, this, &TfrmMain::LargerInfoView1Click);

    mnuHelp = bar->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    addItem(mnuHelp, "mnuAbout", QStringLiteral("&About"))->setEnabled(false);
}

void TfrmMain::buildContextMenu()
{
    MainContextMenu = new QMenu(this);
    MainContextMenu->setObjectName(QStringLiteral("MainContextMenu"));
    // Items whose commands are not there yet are shown disabled rather than doing nothing.
    addItem(MainContextMenu, "mnuShowAllGames", QStringLiteral("Show &All Games"));
    MainContextMenu->addSeparator();
    addItem(MainContextMenu, "mnuEditCurrent", QStringLiteral("Edit &Current"))->setEnabled(false);
    addItem(MainContextMenu, "mnuOpenFolder", QStringLiteral("&OpenFolder"))->setEnabled(false);
    addItem(MainContextMenu, "mnuDeleteCurrent", QStringLiteral("&Delete Folder"))->setEnabled(false);
    MainContextMenu->addSeparator();
    addItem(MainContextMenu, "RefreshAll1", QStringLiteral("&Refresh All"))->setEnabled(false);
    addItem(MainContextMenu, "RefreshThisGame1", QStringLiteral("Refresh This Game"))->setEnabled(false);
    MainContextMenu->addSeparator();
    addItem(MainContextMenu, "MoveAll1", QStringLiteral("&Move All"))->setEnabled(false);
    mnuViewMax = addItem(MainContextMenu, "mnuViewMax", QStringLiteral("View Ma&x"));
    mnuViewMax->setCheckable(true);
    addItem(MainContextMenu, "mnuAttract", QStringLiteral("A&ttract"))->setEnabled(false);
    connect(mnuViewMax, &QAction::triggered, this, &TfrmMain::mnuViewMaxClick);
    const auto popup = [this](QWidget *source) {
        return [this, source](const QPoint &at) { MainContextMenu->popup(source->mapToGlobal(at)); };
    };
    connect(tabMain, &QWidget::customContextMenuRequested, this, popup(tabMain));
    connect(lbMain, &QWidget::customContextMenuRequested, this, popup(lbMain));
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
    buildConfigTab();
    buildFilters();
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

    m_state.MainSortField = QStringLiteral("Name");
    applyMainSortField(library.GridMain, m_state.MainSortField, m_state.MainSortColumn,
                       m_state.ListShowsSortValue);
    LoadMainList();
    gradDOSBox->load();
    pnlSettings->showLibraryRoot();
    m_emuSettings->loadAtStartup();
    m_filters->fillFieldList();
    placeMainTab();
    MainFormResize(false);
    m_laidOut = true;
    selectFirstGame();
    // The arrow keys browse at once.
    lbMain->setFocus();
    // The splash belongs to start-up alone: whoever made it frees it once we are built.
    m_splash = nullptr;
}

void TfrmMain::applyAppearance()
{
    using namespace SettingsKeys;
    const SettingsFile &s = *m_settings;
    WidgetColors::setBackground(this, settingsColor(s, BGColor, this, QPalette::Window));
    lbMain->setFont(settingsFont(s, lbMainListFontName, lbMainListFontSize, lbMainListFontStyle));
    WidgetColors::setContentColors(lbMain, settingsColor(s, lbMainListFontColor, lbMain, QPalette::Text),
                                   settingsColor(s, lbMainBGColor, lbMain, QPalette::Base));
    m_view.listFontPointSize = lbMain->font().pointSize();

    const QFont nameFont = settingsFont(s, NameFontName, NameFontSize, NameFontStyle);
    m_details->lblName->setFont(nameFont);
    m_details->lblNameShadow->setFont(nameFont);
    WidgetColors::setTextColor(m_details->lblName, settingsColor(s, NameFontColor, m_details->lblName, QPalette::WindowText));
    WidgetColors::setTextColor(m_details->lblNameShadow,
                               settingsColor(s, NameShadowColor, m_details->lblNameShadow, QPalette::WindowText));

    memoAbout->setFont(settingsFont(s, NoteFontName, NoteFontSize, NoteFontStyle));
    WidgetColors::setContentColors(memoAbout, settingsColor(s, NoteFontColor, memoAbout, QPalette::Text),
                                   settingsColor(s, NoteBGColor, memoAbout, QPalette::Base));

    m_details->applyColors(settingsColor(s, DetailsColor, m_details, QPalette::WindowText),
                           settingsColor(s, DetailsTextColor, m_details, QPalette::WindowText),
                           settingsColor(s, DetailsBGColor, m_details, QPalette::Window));
    // The tab page shows the window's own background around the list and the details.
    WidgetColors::setBackground(tabMain, settingsColor(s, BGColor, tabMain, QPalette::Window));
    for (QWidget *widget : std::initializer_list<QWidget *>{pnlFind, lblTotal, lblGameCreatedDate, lblGameModifiedDate})
        WidgetColors::setTextColor(widget, settingsColor(s, DetailsTextColor, widget, QPalette::WindowText));
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
    {
        const QSignalBlocker blocker(lbMain);
        lbMain->setCurrentRow(index);
    }
    lbMainClick();
}

void TfrmMain::LoadMainList()
{
    const int previousListIndex = selectedListIndex();
    GameTable &grid = m_state.library.GridMain;
    if (m_splash) {
        m_splash->lblLoading->setText(QStringLiteral("Checking for"));
        m_splash->lblLoading2->setText(QStringLiteral("multiple platforms"));
        m_splash->repaintNow();
    }
    MainListBuild build = buildMainList(
        grid, MainListOptions{m_state.MainSortColumn, m_state.ListShowsSortValue, m_state.ListShowsRating,
                              m_ratingColumn});
    m_ratingColumn = build.ratingColumn;
    m_names = std::move(build.names);
    if (m_categoryMenus)
        m_categoryMenus->rebuild(grid);
    {
        const QSignalBlocker blocker(lbMain);
        lbMain->clear();
        lbMain->addItems(build.entries);
        if (previousListIndex >= 0 && previousListIndex < lbMain->count())
            lbMain->setCurrentRow(previousListIndex);
    }
    if (m_splash)
        m_splash->hide();
    lbMainClick();
    lblTotal->setText(build.totalText);
    lblTotal->adjustSize();
}

void TfrmMain::cbMainSortByChange()
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    applyMainSortField(m_state.library.GridMain, m_state.MainSortField, m_state.MainSortColumn,
                       m_state.ListShowsSortValue);
    QGuiApplication::restoreOverrideCursor();
    LoadMainList();
}

void TfrmMain::sortMenuClick(const QString &field)
{
    m_state.MainSortField = field;
    cbMainSortByChange();
}

void TfrmMain::lbMainClick()
{
    memoAbout->clear();
    m_state.SelectedRow = 0;
    const int index = selectedListIndex();
    if (index < 0)
        return;
    m_state.LastSelectedIndex = index;
    m_settings->write(SettingsKeys::LastSelectedGame, index);
    m_state.SelectedGameName =
        gameNameOfEntry(lbMain->item(index)->text(), m_state.ListShowsSortValue, m_state.ListShowsRating);
    m_state.SelectedRow = m_state.ForcedRowPending ? m_state.ForcedRow : m_names.rowOf(m_state.SelectedGameName);

    const GameTable &grid = m_state.library.GridMain;
    const DetailsContent content = DetailsContent::forRow(grid, m_state.SelectedRow, m_state.library.LibraryRoot,
                                                          m_state.ForcedRowPending);
    m_currentMetadataFolder = content.metadataFolder;
    m_details->fill(content);
    lblGameCreatedDate->setText(content.createdText);
    lblGameCreatedDate->adjustSize();
    lblGameModifiedDate->setText(content.modifiedText);
    lblGameModifiedDate->adjustSize();
    memoAbout->setPlainText(DetailsContent::readNoteLines(content.notePath).join(QLatin1Char('\n')));
    showNoteScrollBarRule();
    MainFormResize(false);
    m_state.ForcedRowPending = false;
}

int TfrmMain::selectedListIndex() const
{
    // The highlight, not the keyboard focus row: while a key or a press moves both, the
    // selection is the one that has already moved when we are told.
    const QModelIndexList selected = lbMain->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.front().row();
}

void TfrmMain::showNoteScrollBarRule()
{
    // Wrapped lines count as displayed, measured at the width the text has without a scroll bar.
    // The memo itself lays out only what is on screen, so it cannot be asked.
    const int margin = 2 * (memoAbout->frameWidth() + qRound(memoAbout->document()->documentMargin()));
    const qreal width = qMax(1, memoAbout->width() - margin);
    int displayed = 0;
    if (!memoAbout->document()->isEmpty()) {
        for (QTextBlock block = memoAbout->document()->begin(); block.isValid(); block = block.next()) {
            QTextLayout layout(block.text(), memoAbout->font());
            QTextOption option;
            option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
            layout.setTextOption(option);
            layout.beginLayout();
            int lines = 0;
            for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
                line.setLineWidth(width);
                ++lines;
            }
            layout.endLayout();
            displayed += qMax(1, lines);
        }
    }
    memoAbout->setVerticalScrollBarPolicy(DetailsContent::noteNeedsScrollBar(displayed) ? Qt::ScrollBarAlwaysOn
                                                                                         : Qt::ScrollBarAlwaysOff);
}

void TfrmMain::placeMainTab()
{
    // Details take the page's full height beside the list, as designed, before the first pass.
    const QSize page = tabMain->size();
    const int findShift = pnlFind->isOpen() ? pnlFind->listShift() : 0;
    m_view.list = QRect(ListLeft, ListTop + findShift, DesignListWidth, page.height() / 2);
    m_view.memoWidth = DesignListWidth;
    m_view.listNotesOffset = m_state.AboutListSeparator;
    const int detailsLeft = ListLeft + DesignListWidth + ColumnGap;
    m_view.panelDetails = QRect(detailsLeft, 0, qMax(0, page.width() - detailsLeft) + 5, page.height());
    m_view.panelNoDetails = m_view.panelDetails;
}

void TfrmMain::MainFormResize(bool ResizeExtrasBox)
{
    if (!m_settings)
        return;
    // The details panel follows the page's right and bottom edges; the list keeps its width.
    const QSize page = tabMain->size();
    m_view.panelDetails.setWidth(qMax(0, page.width() - m_view.panelDetails.left()));
    m_view.panelDetails.setHeight(page.height());
    m_view.panelNoDetails.setSize(m_view.panelDetails.size());

    MainLayout::Input in;
    in.windowSize = frameGeometry().size();
    in.clientHeight = height() - (menuBar()->isVisible() ? menuBar()->height() : 0);
    in.view = m_view;
    in.totalTop = page.height() - TotalHeight - 4;
    in.findShown = pnlFind->isOpen();
    in.findHeight = pnlFind->height();
    in.resizeExtrasBox = ResizeExtrasBox;
    m_details->describe(in);
    const MainLayout::Result r = MainLayout::layout(in);
    if (r.resizeWindow) {
        resize(r.windowSize - (frameGeometry().size() - size()));
        return;
    }
    m_details->applyLayout(r);
    lbMain->setGeometry(r.list);
    pnlFind->place(r.list);
    if (memoAbout->geometry() != r.memo) {
        memoAbout->setGeometry(r.memo);
        showNoteScrollBarRule();
    }
    lblTotal->move(r.list.left(), in.totalTop);
    btnPlay->setGeometry(MainLayout::rightEdge(r.list) - 80, in.totalTop - 2, 80, TotalHeight + 4);
    lblGameCreatedDate->move(r.createdDate);
    lblGameModifiedDate->move(MainLayout::modifiedDateLeft(lblGameCreatedDate->geometry()), r.createdDate.y());
    lblGameCreatedDate->raise();
    lblGameModifiedDate->raise();
    if (m_laidOut) {
        // The size start-up gives back to resize(): the window manager's frame is not ours to
        // store, and counting it in would grow the window by the frame at every start.
        m_settings->write(SettingsKeys::Width, width());
        m_settings->write(SettingsKeys::Height, height());
    }
}

bool TfrmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lbMain->viewport() && event->type() == QEvent::MouseButtonPress)
        m_rowBeforePress = selectedListIndex();
    // Pages get their real size only once the window is shown; the design places of the list and
    // the details are taken from the first real size.
    if (watched == lbMain && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            LaunchGame(false);
            return true;
        }
    }
    if (watched == tabMain && event->type() == QEvent::Resize && m_laidOut) {
        if (!m_placed) {
            placeMainTab();
            m_placed = true;
        }
        MainFormResize(true);
    }
    return QMainWindow::eventFilter(watched, event);
}

void TfrmMain::buildConfigTab()
{
    m_emuSettings = new EmulatorSettingsPanel(m_state.emulators, *m_settings, m_platform, pnlSettings);
    pnlSettings->addArea(m_emuSettings);
    gradDOSBox = new GlobalDOSBoxPanel(m_state.emulators, *m_settings, pnlSettings);
    gradDOSBox->hide();
    connect(m_emuSettings, &EmulatorSettingsPanel::configDOSBoxRequested, this, [this] {
        gradDOSBox->setGeometry(pnlSettings->rect());
        gradDOSBox->raise();
        gradDOSBox->show();
    });
}

void TfrmMain::buildFilters()
{
    FilterWindowHooks hooks;
    hooks.LoadMainList = [this] { LoadMainList(); };
    hooks.cbMainSortByChange = [this] { cbMainSortByChange(); };
    hooks.tableReordered = [this] {
        m_names = NameIndex(m_state.library.GridMain);
        lbMainClick();
    };
    m_filters = std::make_unique<FilterController>(m_state, *m_settings, m_platform, *pnlFind, hooks);
    std::array<QMenu *, CategoryMenuCount> menus{};
    for (const CategoryMenuInfo &info : categoryMenus())
        menus[static_cast<size_t>(info.menu)] = mnuCategory->findChild<QMenu *>(QLatin1String(info.objectName));
    m_categoryMenus = std::make_unique<CategoryMenuController>(*m_filters, menus);
    connect(m_details, &DetailsPanel::fieldClicked, m_filters.get(), &FilterController::fieldFilter);
    QList<QLabel *> hover = m_details->linkLabels();
    hover += QList<QLabel *>(m_details->lblExtraLink.begin(), m_details->lblExtraLink.end());
    m_filters->watchHover(hover);
    connect(pnlFind, &FindPanel::opened, this, [this](int shift) {
        m_view.list.translate(0, shift);
        MainFormResize(false);
    });
    connect(pnlFind, &FindPanel::closed, this, [this](int shift) {
        m_view.list.translate(0, -shift);
        MainFormResize(false);
    });
    connect(findChild<QAction *>(QStringLiteral("mnuFind")), &QAction::triggered, pnlFind, &FindPanel::Find1Click);
    connect(findChild<QAction *>(QStringLiteral("mnuShowAll")), &QAction::triggered, m_filters.get(),
            &FilterController::mnuAllClick);
    connect(findChild<QAction *>(QStringLiteral("mnuShowAllGames")), &QAction::triggered, m_filters.get(),
            &FilterController::ShowAll1Click);
}

void TfrmMain::LaunchGame(bool setup)
{
    Launcher(m_platform.shell)
        .LaunchGame(m_state.library.GridMain, m_state.SelectedRow, m_state.library.LibraryRoot, m_state.emulators,
                    gradDOSBox->launchOptions(setup));
}

void TfrmMain::LargerList1Click()
{
    MainLayout::widenList(m_view);
    MainFormResize(false);
}

void TfrmMain::SmallerList1Click()
{
    MainLayout::narrowList(m_view);
    MainFormResize(false);
}

void TfrmMain::ExpandListHeight1Click()
{
    MainLayout::lengthenList(m_view);
    MainFormResize(false);
    m_state.AboutListSeparator = m_view.listNotesOffset;
    m_settings->write(SettingsKeys::AboutListSeparator, m_state.AboutListSeparator);
}

void TfrmMain::ContractListHeight1Click()
{
    MainLayout::shortenList(m_view);
    MainFormResize(false);
    m_state.AboutListSeparator = m_view.listNotesOffset;
    m_settings->write(SettingsKeys::AboutListSeparator, m_state.AboutListSeparator);
}

void TfrmMain::HideTabs1Click()
{
    // The tab bar collapses to a sliver rather than vanishing, so the pages keep their place.
    const int height = MainLayout::tabBarHeight(HideTabs1->isChecked());
    PageControl1->setStyleSheet(QStringLiteral("QTabBar::tab { height: %1px; }").arg(height));
    MainFormResize(true);
}

void TfrmMain::ViewSimple1Click()
{
    const bool simple = ViewSimple1->isChecked();
    m_details->panelNoDetails->setVisible(simple);
    m_details->setVisible(!simple);
    if (simple)
        m_details->panelNoDetails->raise();
}

void TfrmMain::ShowRating1Click()
{
    m_state.ListShowsRating = ShowRating1->isChecked();
    LoadMainList();
}

void TfrmMain::LargerInfoView1Click()
{
    LargerInfoView1->setChecked(MainLayout::toggleLargerInfoView(m_view));
    MainFormResize(true);
}

void TfrmMain::mnuViewMaxClick()
{
    MainLayout::toggleViewMax(m_view);
    mnuViewMax->setChecked(m_view.viewMax);
    QFont font = lbMain->font();
    font.setPointSize(qMax(1, m_view.listFontPointSize));
    lbMain->setFont(font);
    menuBar()->setVisible(!m_view.viewMax);
    PageControl1->setStyleSheet(
        QStringLiteral("QTabBar::tab { height: %1px; }").arg(MainLayout::tabBarHeight(m_view.viewMax || HideTabs1->isChecked())));
    setWindowFlag(Qt::FramelessWindowHint, m_view.viewMax);
    if (m_view.viewMax)
        showMaximized();
    else
        showNormal();
    MainFormResize(true);
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

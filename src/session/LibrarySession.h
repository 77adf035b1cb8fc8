#pragma once

#include "base/Result.h"
#include "browse/CategoryMenus.h"
#include "browse/DetailsContent.h"
#include "browse/NameIndex.h"
#include "library/FilePlaces.h"
#include "base/Failure.h"
#include "launch/LaunchCommand.h"
#include "library/DataCache.h"
#include "session/MainState.h"

#include <QObject>
#include <QSet>
#include <QStringList>

#include <memory>
#include <vector>
#include <optional>

class AppearanceModel;
class Failure;
class MainListModel;
class QAbstractItemModel;
class BackgroundScan;
class FilterState;
class NostalgiaScene;
class EntryFiles;
class EmulatorSettingsModel;
class SettingsFile;
struct Platform;

// The run below the windows: the settings file, the game tables, the emulator registry, the main
// list's entries and the selection, with every operation the windows start. Windows call it and
// watch its signals; none of them needs another window to get something done.
class LibrarySession : public QObject
{
    Q_OBJECT
public:
    LibrarySession(const Platform &platform, const FilePlaces &places, QObject *parent = nullptr);
    ~LibrarySession() override;

    // Start-up, in this order. Opens the settings file and reads the library root (writing the
    // default root when none is set; a root given for the run wins), the category folders and the
    // options. Settings that cannot be kept are told here, once.
    void openSettings();
    // The table from the data cache, or from a scan when there is none or it is damaged; then
    // sorted by name.
    TableSource loadTable();
    // The built-in and custom emulators and the DOSBox options, as the settings file has them.
    void loadEmulators();
    // The entry start-up selects: the remembered one or a random one; -1 for an empty list.
    int firstListIndex();

    // The emulators of the settings panel. A group is listed with the custom slots read afresh
    // from the settings file, and the launcher uses those from then on.
    QStringList listEmulatorGroup(const QString &group);
    // What the panel shows for the first entry of a group just listed, with a built-in
    // emulator's path as the settings file holds it now.
    EmulatorDetails emulatorDetailsAfterListing(const QString &listText) const;
    // Add: a form for the lowest slot the settings file leaves free, read afresh.
    EmulatorEditForm beginAddEmulator(const QString &group);
    // Save: the form's keys to the settings file. False when nothing was to be written or a
    // write failed, which is told as every failed write of the settings file is.
    bool saveEmulator(const EmulatorEditForm &form);
    // Config for an emulator that is not DOSBox: the emulator at that path starts on its own.
    void configureEmulator(const QString &path);

    // The options of the Config tab. Each takes effect at once and is written at once.
    // The new root is used from the next refresh or reload on: the table keeps the old games.
    void setLibraryRoot(const QString &folder);
    void setConfirmClose(bool on);
    void setRememberLastSelected(bool on);
    void setShowDates(bool shown);
    void setNostalgiaMode(bool on);
    // The offset between the list and the notes that the View menu's list length sets.
    void setAboutListSeparator(int offset);
    // The window's size, written once the user stops resizing.
    void rememberWindowSize(int width, int height);
    // Writes whatever still waits for a pause; false when a write failed (and was told).
    bool flushSettings();
    // The colours and fonts of the windows.
    AppearanceModel &appearance() { return *m_appearance; }

    // What every launch reads: the exit and folder options as last confirmed, and the DOSBox
    // command line as the Global DOSBox panel shows it now, confirmed or not.
    LaunchOptions launchOptions(bool setup) const;
    void setDOSBoxCommandLine(const QString &commandLine);
    // Okay on the Global DOSBox panel: the three options are taken and written.
    void confirmDOSBoxOptions(bool exitOnExit, bool singleConfFolder, const QString &commandLine);

    const MainState &state() const { return m_state; }
    const SettingsFile &settings() const { return *m_settings; }
    const Platform &platform() const { return m_platform; }
    // The working table every view reads.
    const GameTable &table() const { return m_state.library.GridMain; }

    // The main list as last built.
    const QStringList &listEntries() const;
    // The same entries for the list views. It changes only through the session: a new list is a
    // reset of it, which comes just before listChanged.
    QAbstractItemModel &listModel();
    const QString &totalText() const { return m_totalText; }
    // The highlighted entry, -1 for none.
    int selectedIndex() const { return m_selectedIndex; }
    // What the details show: valid while selectedIndex() is not -1.
    const DetailsContent &details() const { return m_details; }
    const QStringList &noteLines() const { return m_noteLines; }

    // Rebuilds the list from the working table, keeps the highlighted index where it still
    // exists and selects it again.
    void rebuildList();
    // Sorts by another field and rebuilds the list.
    void setSortField(const QString &field);
    void setListShowsRating(bool shown);

    // The values the find panel offers for a field. The table is sorted by the main sort field
    // first; the list is not rebuilt, so the selection finds its row again.
    QStringList valueListFor(const QString &field);
    // Keeps the games whose field holds the value, after the same sort; rebuilds the list.
    void applyFieldFilter(const QString &field, const QString &value);
    // A choice from a category menu sets its one-shot mode and picture hint; the field filter of
    // its field follows.
    void categoryChosen(CategoryMenu menu, const QString &value);
    // Keeps the games one of whose cells contains the text, in any letter case.
    void textSearch(const QString &text);
    // All games again: the table from the data cache (or the complete copy when the cache
    // cannot be read), sorted by name.
    void restoreAll();
    // Reads the library again when a scan is due, otherwise takes the complete copy; then the
    // main sort and a new list.
    void rescan();
    // Reads every game ini file of the library again and rewrites the data cache, whatever is
    // due; then the main sort and a new list. For files written behind the table's back.
    void scanAgain();

    // Refresh All (and Reload Data, which deletes the data cache first): the library is read
    // again on a worker thread while the window goes on painting; its tables replace both
    // tables when it ends, followed by the main sort and a new list. Filters are gone then.
    // False, and nothing started, while a scan runs.
    bool refreshAll(bool deleteCache);
    // Refresh All now, or as soon as the running one has ended and its tables are in: for a
    // change of the library made while it is being read, such as a deleted game folder.
    void refreshAllWhenIdle();
    // The category folder an import goes into, made ready: added to the settings file and read by
    // every scan from now on when it is new there, although category folders are otherwise read
    // only at start-up. The name as the settings file spells it.
    Result<QString> prepareImportCategory(const QString &category);
    // True from refreshAll() until the new tables are in.
    bool isScanRunning() const { return m_state.library.ReloadInProgress; }
    // Waits for a running refresh, and for one waiting to follow it, and takes the tables in.
    void finishScan();
    // Refresh This Game: the selected entry's row, on the platform whose record the entry opened,
    // read again from its game ini file, then shown again. A game renamed in its file keeps its place in the list under
    // the new name.
    void refreshThisGame();

    // The user highlighted a list entry (-1: none). Finds its row and fills the details.
    void select(int listIndex);
    // Fills the details of the highlighted entry again.
    void selectAgain() { select(m_selectedIndex); }
    // Starts the selected game, or its set-up program.
    void launchSelected(bool setup);
    // Starts a row of the working table (a click on the image sheet) without making it the
    // current one: the highlighted entry, the details and the row they show stay as they are.
    void launchRow(int row);
    // A file of the library that is there but cannot be read: the user hears of it once a run.
    void reportOnce(const QString &path, const QString &text);

    // The selected game's record on another platform, with the platform labels kept; false (and
    // nothing changed) when the table holds no such record.
    bool showPlatform(const QString &platform);
    // Starts the selected game's record on that platform, which the click before the double
    // click put on show; a platform without a record of the game is reported, not started.
    void launchPlatform(const QString &platform);
    // The shell opens the manual or an extra of the record on show.
    void openManual(const QString &manualFile);
    void openExtra(const QString &link);
    // Attract mode's step: a random record number taken as a list index. The list can be shorter
    // than the table; an index past its end selects nothing.
    void selectRandomEntry();

    // Start-up as one operation: the settings, the table, the list, the emulators, the find
    // panel's lists and the first selection, in this order. The windows show each step as
    // startUpStep() reports it, the scan's progress and messages as they arrive, and the first
    // selection as every other.
    enum class StartUpStep {
        SettingsOpened, // the options are read; the window takes its size and appearance
        TableLoading,   // a scan's progress and messages that follow belong to start-up
        TableLoaded,
        ListBuilt,
        EmulatorsLoaded,
        FiltersFilled,
        Finished, // the first entry is selected
    };
    void startUp();
    // The find panel's state and the filters it runs.
    FilterState &filter() { return *m_filter; }
    // The Nostalgia view's scene: the skin of the selected game's era, its pictures and what of
    // them is shown. Kept while the view is off, so that turning it on again finds the skin read.
    NostalgiaScene &nostalgiaScene() { return *m_nostalgiaScene; }
    // The entry helper's file commands, and the folders its dialogs remember between uses.
    EntryFiles &entryFiles() { return *m_entryFiles; }
    // The Config tab's emulator group, the details shown and the edit form.
    EmulatorSettingsModel &emulatorSettings() { return *m_emulatorSettings; }

signals:
    void startUpStep(LibrarySession::StartUpStep step);
    // listEntries() and totalText() are new; a selectionChanged follows.
    void listChanged();
    void selectionChanged();
    // The progress of a scan.
    void scanCategoriesStarted(int count);
    void scanCategoryStarted(int index, int count, const QString &name);
    void scanGamesStarted(int count);
    void scanGameStarted(int index);
    void scanFinished();
    // A refresh started (true) or its tables are in (false); the commands that read the
    // table wait for false.
    void scanRunning(bool running);
    // Something the user has to be told.
    void message(const QString &text);
    // A sort of the whole table started (true) or ended (false); on a large library it takes
    // long enough for the windows to show that they wait.
    void sorting(bool running);
    // The library root a Browse chose; the table changes only at the next refresh.
    void libraryRootChanged(const QString &root);
    void showDatesChanged(bool shown);

private:
    // Tests that build odd tables in memory reach the state through it; no window can.
    friend struct LibrarySessionTestAccess;
    class Observer;
    void sortByMainSortField();
    void adoptScan();
    // After Refresh This Game: the selected entry made to lead to the row just read again, whose
    // name, rating or sort value may be new. True when the entries changed.
    bool followRefreshedRow(int row, const QString &oldName);
    // Start requests the launcher could not hand to the shell, told as messages.
    void tellNotStarted(const std::vector<Failure> &notStarted);

    const Platform &m_platform;
    MainState m_state;
    std::unique_ptr<SettingsFile> m_settings;
    std::optional<Failure> m_settingsNotKept; // told once, at start-up
    std::unique_ptr<AppearanceModel> m_appearance;
    QString m_dosBoxCommandLine;
    std::unique_ptr<Observer> m_observer;

    MainListModel *m_list = nullptr; // a child
    QString m_totalText;
    NameIndex m_names;
    int m_ratingColumn = 0;
    int m_selectedIndex = -1;
    bool m_refreshAfterScan = false;
    DetailsContent m_details;
    QStringList m_noteLines;
    QSet<QString> m_reported;
    std::unique_ptr<BackgroundScan> m_backgroundScan;

    FilterState *m_filter = nullptr; // a child
    std::unique_ptr<NostalgiaScene> m_nostalgiaScene;
    std::unique_ptr<EntryFiles> m_entryFiles;
    std::unique_ptr<EmulatorSettingsModel> m_emulatorSettings;
    // The platform of the record the highlighted entry opened, which the details' platform row
    // names; a switch to another platform's record leaves it as it is.
    QString m_entryPlatform;
};

#pragma once

#include "base/Failure.h"

#include <QObject>
#include <QSet>
#include <QString>

#include <memory>
#include <optional>

class AppearanceModel;
class BrowseModel;
class EmulatorSettingsModel;
class EntryFiles;
class FilePlaces;
class FilterState;
class LaunchModel;
class LibraryModel;
class NostalgiaScene;
class PreferencesModel;
class SettingsFile;
struct Platform;

// The run below the windows: it opens the settings file, makes the models and wires them to one
// another, and runs start-up. Windows call the models' operations and watch their signals; none of
// them needs another window to get something done.
class LibrarySession : public QObject
{
    Q_OBJECT
public:
    LibrarySession(const Platform &platform, const FilePlaces &places, QObject *parent = nullptr);
    ~LibrarySession() override;

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

    // The options of the Config tab and the View menu, each written at once.
    PreferencesModel &preferences() { return *m_preferences; }
    // The tables, the scans that read them and the data cache.
    LibraryModel &library() { return *m_library; }
    const LibraryModel &library() const { return *m_library; }
    // The main list, its sort, the selection and the details.
    BrowseModel &browse() { return *m_browse; }
    const BrowseModel &browse() const { return *m_browse; }
    // The emulators, the DOSBox options and everything that starts a program.
    LaunchModel &launch() { return *m_launch; }
    // The find panel's state and the filters it runs.
    FilterState &filter() { return *m_filter; }
    // The colours and fonts of the windows.
    AppearanceModel &appearance() { return *m_appearance; }
    // The Nostalgia view's scene: the skin of the selected game's era, its pictures and what of
    // them is shown. Kept while the view is off, so that turning it on again finds the skin read.
    NostalgiaScene &nostalgiaScene() { return *m_nostalgiaScene; }
    // The entry helper's file commands, and the folders its dialogs remember between uses.
    EntryFiles &entryFiles() { return *m_entryFiles; }
    // The Config tab's emulator group, the details shown and the edit form.
    EmulatorSettingsModel &emulatorSettings() { return *m_emulatorSettings; }

    const SettingsFile &settings() const { return *m_settings; }
    const Platform &platform() const { return m_platform; }

    // Reads every game ini file of the library again and rewrites the data cache, whatever is
    // due; then the main sort and a new list. For files written behind the table's back.
    void scanAgain();
    // A file of the library that is there but cannot be read: the user hears of it once a run.
    void reportOnce(const QString &path, const QString &text);

signals:
    void startUpStep(LibrarySession::StartUpStep step);
    // Something the user has to be told, whichever model has it to tell.
    void message(const QString &text);

private:
    void openSettings();

    const Platform &m_platform;
    std::unique_ptr<SettingsFile> m_settings;
    std::optional<Failure> m_settingsNotKept; // told once, at start-up
    QSet<QString> m_reported;

    std::unique_ptr<PreferencesModel> m_preferences;
    std::unique_ptr<LibraryModel> m_library;
    std::unique_ptr<BrowseModel> m_browse;
    std::unique_ptr<LaunchModel> m_launch;
    std::unique_ptr<FilterState> m_filter;
    std::unique_ptr<AppearanceModel> m_appearance;
    std::unique_ptr<NostalgiaScene> m_nostalgiaScene;
    std::unique_ptr<EntryFiles> m_entryFiles;
    std::unique_ptr<EmulatorSettingsModel> m_emulatorSettings;
};

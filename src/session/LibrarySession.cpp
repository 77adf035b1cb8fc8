#include "session/LibrarySession.h"

#include "base/SettingsFile.h"
#include "library/FilePlaces.h"
#include "library/LibraryState.h"
#include "nostalgia/NostalgiaScene.h"
#include "platform/Platform.h"
#include "session/AppearanceModel.h"
#include "session/BrowseModel.h"
#include "session/EmulatorSettingsModel.h"
#include "session/FilterState.h"
#include "session/LaunchModel.h"
#include "session/LibraryModel.h"
#include "session/PreferencesModel.h"
#include "wizard/EntryFiles.h"

#include <QFile>

LibrarySession::LibrarySession(const Platform &platform, const FilePlaces &places, QObject *parent)
    : QObject(parent), m_platform(platform)
{
    if (Result<void> made = places.makeSettingsFile(); made) {
        m_settings = std::make_unique<SettingsFile>(places.settingsFile());
    } else {
        // A read-only home: the installed settings hold for this run, changes included, and the
        // user hears once that none of it is kept.
        m_settingsNotKept = std::move(made).error();
        QFile installed(places.defaultSettingsFile());
        m_settings = std::make_unique<SettingsFile>(
            IniFile::inMemory(installed.open(QIODevice::ReadOnly) ? installed.readAll() : QByteArray()));
    }
    m_settings->setErrorHandler([this](const Failure &failure) { emit message(failure.message()); });
    const auto report = [this](const QString &path, const QString &text) { reportOnce(path, text); };

    m_preferences = std::make_unique<PreferencesModel>(*m_settings);
    LibraryState library;
    library.Places = places;
    m_library = std::make_unique<LibraryModel>(*m_settings, std::move(library));
    m_browse = std::make_unique<BrowseModel>(*m_library, *m_preferences, platform.random, platform.clock, report);
    m_launch = std::make_unique<LaunchModel>(platform.shell, *m_settings, *m_browse);
    m_filter = std::make_unique<FilterState>(*m_browse);
    m_appearance = std::make_unique<AppearanceModel>(*m_settings, m_platform.dialogs);
    m_nostalgiaScene = std::make_unique<NostalgiaScene>(
        places.skinsFolder(), [this](const QString &file, const Failure &failure) { reportOnce(file, failure.message()); });
    m_entryFiles = std::make_unique<EntryFiles>(platform.dialogs);
    m_emulatorSettings = std::make_unique<EmulatorSettingsModel>(*m_launch);

    // The user's own root is the library's from the next read on.
    connect(m_preferences.get(), &PreferencesModel::libraryRootChanged, m_library.get(), &LibraryModel::setRoot);
    connect(m_library.get(), &LibraryModel::tablesReplaced, m_browse.get(), &BrowseModel::resort);
    connect(m_library.get(), &LibraryModel::message, this, &LibrarySession::message);
    connect(m_browse.get(), &BrowseModel::message, this, &LibrarySession::message);
    connect(m_launch.get(), &LaunchModel::message, this, &LibrarySession::message);
}

LibrarySession::~LibrarySession() = default;

void LibrarySession::openSettings()
{
    if (m_settingsNotKept)
        emit message(m_settingsNotKept->message());
    m_preferences->open(m_library->state().Places.defaultLibraryRoot());
    m_library->open(m_preferences->preferences().libraryRoot);
}

void LibrarySession::scanAgain()
{
    m_library->requireScan();
    m_browse->rescan();
}

void LibrarySession::reportOnce(const QString &path, const QString &text)
{
    // Browsing passes the same game again and again; one box per file is enough.
    if (!m_reported.contains(path)) {
        m_reported.insert(path);
        emit message(text);
    }
}

void LibrarySession::startUp()
{
    openSettings();
    emit startUpStep(StartUpStep::SettingsOpened);
    emit startUpStep(StartUpStep::TableLoading);
    m_library->loadAtStartUp();
    m_browse->sortAtStartUp();
    emit startUpStep(StartUpStep::TableLoaded);
    m_browse->rebuildList();
    emit startUpStep(StartUpStep::ListBuilt);
    m_launch->load();
    emit startUpStep(StartUpStep::EmulatorsLoaded);
    m_filter->fillFieldList();
    emit startUpStep(StartUpStep::FiltersFilled);
    m_browse->selectFirst();
    emit startUpStep(StartUpStep::Finished);
}

#include "session/PreferencesModel.h"

#include "base/SettingsFile.h"
#include "library/LibraryPaths.h"

PreferencesModel::PreferencesModel(SettingsFile &settings, QObject *parent) : QObject(parent), m_settings(settings)
{
}

void PreferencesModel::open(const QString &defaultLibraryRoot)
{
    Preferences &p = m_preferences;
    p.libraryRoot = m_settings.read(SettingsKeys::VADPath);
    if (p.libraryRoot.isEmpty()) {
        p.libraryRoot = defaultLibraryRoot;
        m_settings.write(SettingsKeys::VADPath, p.libraryRoot);
    } else {
        p.libraryRoot = LibraryPaths::withTrailingSeparator(p.libraryRoot);
    }
    p.nostalgiaMode = m_settings.read(SettingsKeys::NostalgiaMode);
    p.aboutListSeparator = m_settings.read(SettingsKeys::AboutListSeparator);
    p.lastSelectedIndex = m_settings.read(SettingsKeys::LastSelectedGame);
    p.confirmClose = m_settings.read(SettingsKeys::ConfirmClose);
    p.rememberLastSelected = m_settings.read(SettingsKeys::RememberLastSelected);
    p.showDates = m_settings.read(SettingsKeys::ShowDates);
    p.windowSize = QSize(m_settings.read(SettingsKeys::Width), m_settings.read(SettingsKeys::Height));
}

void PreferencesModel::setLibraryRoot(const QString &folder)
{
    m_preferences.libraryRoot = LibraryPaths::withTrailingSeparator(folder);
    emit libraryRootChanged(m_preferences.libraryRoot);
    m_settings.write(SettingsKeys::VADPath, m_preferences.libraryRoot);
}

template <typename Key, typename Value>
void PreferencesModel::take(Value Preferences::*field, const Key &key, Value value,
                            void (PreferencesModel::*changed)(Value))
{
    m_preferences.*field = value;
    m_settings.write(key, value);
    emit(this->*changed)(value);
}

void PreferencesModel::setConfirmClose(bool on)
{
    take(&Preferences::confirmClose, SettingsKeys::ConfirmClose, on, &PreferencesModel::confirmCloseChanged);
}

void PreferencesModel::setRememberLastSelected(bool on)
{
    take(&Preferences::rememberLastSelected, SettingsKeys::RememberLastSelected, on, &PreferencesModel::rememberLastSelectedChanged);
}

void PreferencesModel::setShowDates(bool shown)
{
    take(&Preferences::showDates, SettingsKeys::ShowDates, shown, &PreferencesModel::showDatesChanged);
}

void PreferencesModel::setNostalgiaMode(bool on)
{
    take(&Preferences::nostalgiaMode, SettingsKeys::NostalgiaMode, on, &PreferencesModel::nostalgiaModeChanged);
}

void PreferencesModel::setAboutListSeparator(int offset)
{
    take(&Preferences::aboutListSeparator, SettingsKeys::AboutListSeparator, offset, &PreferencesModel::aboutListSeparatorChanged);
}

void PreferencesModel::rememberWindowSize(int width, int height)
{
    // A drag of the window's edge sends many sizes; only the one it rests at is written.
    m_preferences.windowSize = QSize(width, height);
    m_settings.writeWhenIdle(SettingsKeys::Width, width);
    m_settings.writeWhenIdle(SettingsKeys::Height, height);
}

void PreferencesModel::rememberSelectedIndex(int index)
{
    m_preferences.lastSelectedIndex = index;
    m_settings.writeWhenIdle(SettingsKeys::LastSelectedGame, index);
}

bool PreferencesModel::flush()
{
    return m_settings.flush().has_value();
}

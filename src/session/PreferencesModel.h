#pragma once

#include "session/Preferences.h"

#include <QObject>

class SettingsFile;

// The preferences of the run: read from the settings file once, and each change taken at once
// and written at once. A write that fails is told by the settings file's own error handler.
class PreferencesModel : public QObject
{
    Q_OBJECT
public:
    explicit PreferencesModel(SettingsFile &settings, QObject *parent = nullptr);

    // Reads every preference; a file that names no library root is given the default one.
    void open(const QString &defaultLibraryRoot);
    const Preferences &preferences() const { return m_preferences; }

    // The new root is used from the next refresh or reload on: the table keeps the old games.
    void setLibraryRoot(const QString &folder);
    void setConfirmClose(bool on);
    void setRememberLastSelected(bool on);
    void setShowDates(bool shown);
    void setNostalgiaMode(bool on);
    void setAboutListSeparator(int offset);
    // Written once the user stops resizing.
    void rememberWindowSize(int width, int height);
    // Written once the user pauses: holding an arrow key must not rewrite the file per entry.
    void rememberSelectedIndex(int index);
    // Writes whatever still waits for a pause; false when a write failed (and was told).
    bool flush();

signals:
    void libraryRootChanged(const QString &root);
    void confirmCloseChanged(bool on);
    void rememberLastSelectedChanged(bool on);
    void showDatesChanged(bool shown);
    void nostalgiaModeChanged(bool on);
    void aboutListSeparatorChanged(int offset);

private:
    // The option taken, written under its key, then told.
    template <typename Key, typename Value>
    void take(Value Preferences::*field, const Key &key, Value value, void (PreferencesModel::*changed)(Value));

    SettingsFile &m_settings;
    Preferences m_preferences;
};

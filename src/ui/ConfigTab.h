#pragma once

#include "launch/LaunchCommand.h"

#include <QObject>

class DOSBoxConfigEditor;
class EmulatorSettingsPanel;
class GlobalDOSBoxPanel;
class LibrarySession;
class QTabWidget;
class SettingsPanel;

// The "Config" tab: the library root and the options, the emulators, and the Global DOSBox
// Settings panel that "Config" opens over them.
class ConfigTab : public QObject
{
    Q_OBJECT
public:
    ConfigTab(LibrarySession &session, QTabWidget &pages);

    // Start-up: the options as read, the DOSBox options, the library root and the emulators.
    void showOptions();
    void loadAtStartUp();
    // What a launch reads now from the DOSBox options.
    LaunchOptions launchOptions(bool setup) const;

signals:
    void showDatesChanged(bool shown);
    // "Entry Helper" was pressed.
    void entryHelperRequested();

private:
    SettingsPanel *pnlSettings = nullptr;
    EmulatorSettingsPanel *m_emulators = nullptr;
    GlobalDOSBoxPanel *gradDOSBox = nullptr;
    DOSBoxConfigEditor *m_confEditor = nullptr;
};

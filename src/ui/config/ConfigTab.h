#pragma once

#include <QObject>

#include <functional>

class AppearancePanel;
class DOSBoxConfigEditor;
class EmulatorSettingsPanel;
class GlobalDOSBoxPanel;
class LibrarySession;
class MascotGame;
class QFont;
class QTabWidget;
class SettingsPanel;
struct Theme;

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
    // The colour and font labels show the theme.
    void applyAppearance(const Theme &theme);
    // Puts a font on the name banner and returns the point size the banner fit gave it.
    void setNameBannerFit(std::function<int(const QFont &)> fit);

signals:
    // "Entry Helper" was pressed.
    void entryHelperRequested();

private:
    LibrarySession &m_session;
    SettingsPanel *pnlSettings = nullptr;
    EmulatorSettingsPanel *m_emulators = nullptr;
    GlobalDOSBoxPanel *gradDOSBox = nullptr;
    DOSBoxConfigEditor *m_confEditor = nullptr;
    AppearancePanel *m_appearance = nullptr;
    MascotGame *m_mascot = nullptr;
};

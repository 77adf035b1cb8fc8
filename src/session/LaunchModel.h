#pragma once

#include "launch/EmulatorRegistry.h"
#include "launch/LaunchCommand.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <vector>

class BrowseModel;
class Failure;
class SettingsFile;
class Shell;

// Everything that starts something: the emulator registry with its built-in and custom emulators,
// the DOSBox options, the selected game, a thumbnail's game or a game on another platform, and
// the manuals and extras the shell opens. Start requests the shell refuses are told as messages.
class LaunchModel : public QObject
{
    Q_OBJECT
public:
    LaunchModel(Shell &shell, SettingsFile &settings, BrowseModel &browse, QObject *parent = nullptr);

    // Start-up: the built-in and custom emulators and the DOSBox options, as the settings file
    // has them.
    void load();
    const EmulatorRegistry &registry() const { return m_emulators; }

    // What every launch reads: the exit and folder options as last confirmed, and the DOSBox
    // command line as the Global DOSBox panel shows it now, confirmed or not.
    LaunchOptions launchOptions(bool setup) const;
    void setDOSBoxCommandLine(const QString &commandLine);
    // Okay on the Global DOSBox panel: the three options are taken and written.
    void confirmDOSBoxOptions(bool exitOnExit, bool singleConfFolder, const QString &commandLine);

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

    // Starts the selected game, or its set-up program.
    void launchSelected(bool setup);
    // Starts a row of the working table (a click on the image sheet) without making it the
    // current one: the highlighted entry, the details and the row they show stay as they are.
    void launchRow(int row);
    // Starts the selected game's record on that platform, which the click before the double
    // click put on show; a platform without a record of the game is reported, not started.
    void launchPlatform(const QString &platform);
    // The shell opens the manual or an extra of the record on show.
    void openManual(const QString &manualFile);
    void openExtra(const QString &link);

signals:
    void message(const QString &text);

private:
    void launch(int row, bool setup);
    void openTarget(const QString &target);
    // Start requests the launcher could not hand to the shell, told as messages.
    void tellNotStarted(const std::vector<Failure> &notStarted);

    Shell &m_shell;
    SettingsFile &m_settings;
    BrowseModel &m_browse;
    EmulatorRegistry m_emulators;
    QString m_dosBoxCommandLine;
};

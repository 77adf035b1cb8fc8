#include "session/LaunchModel.h"

#include "base/Failure.h"
#include "base/SettingsFile.h"
#include "browse/DetailsLinks.h"
#include "launch/Launcher.h"
#include "library/GameTable.h"
#include "platform/Shell.h"
#include "session/BrowseModel.h"

LaunchModel::LaunchModel(Shell &shell, SettingsFile &settings, BrowseModel &browse, QObject *parent)
    : QObject(parent), m_shell(shell), m_settings(settings), m_browse(browse)
{
}

void LaunchModel::load()
{
    m_emulators.loadBuiltIns(m_settings.ini());
    m_emulators.loadCustomSlots(m_settings.ini());
    m_emulators.setDOSBoxExit(m_settings.read(SettingsKeys::DOSBoxExit));
    m_emulators.setUseSingleConfFolder(m_settings.read(SettingsKeys::UseSingleConfFolder));
    m_dosBoxCommandLine = m_settings.read(SettingsKeys::CMDLine);
}

LaunchOptions LaunchModel::launchOptions(bool setup) const
{
    LaunchOptions options;
    options.DOSBoxExit = m_emulators.dosBoxExit();
    options.CMDLine = m_dosBoxCommandLine;
    options.UseSingleConfFolder = m_emulators.useSingleConfFolder();
    options.setup = setup;
    return options;
}

void LaunchModel::setDOSBoxCommandLine(const QString &commandLine)
{
    m_dosBoxCommandLine = commandLine;
}

void LaunchModel::confirmDOSBoxOptions(bool exitOnExit, bool singleConfFolder, const QString &commandLine)
{
    m_emulators.setDOSBoxExit(exitOnExit);
    m_emulators.setUseSingleConfFolder(singleConfFolder);
    m_dosBoxCommandLine = commandLine;
    m_settings.write(SettingsKeys::DOSBoxExit, exitOnExit);
    m_settings.write(SettingsKeys::UseSingleConfFolder, singleConfFolder);
    m_settings.write(SettingsKeys::CMDLine, commandLine);
}

QStringList LaunchModel::listEmulatorGroup(const QString &group)
{
    m_emulators.loadCustomSlots(m_settings.ini());
    return m_emulators.groupListing(group);
}

EmulatorDetails LaunchModel::emulatorDetailsAfterListing(const QString &listText) const
{
    return m_emulators.detailsAfterListing(listText, m_settings.ini());
}

EmulatorEditForm LaunchModel::beginAddEmulator(const QString &group)
{
    // The slots in memory are those of the last group change: a Save since then, or another
    // program editing PALLOX.ini, may have taken the slot they call free, and offering it again
    // would overwrite that emulator.
    m_emulators.loadCustomSlots(m_settings.ini());
    return m_emulators.beginAdd(group);
}

bool LaunchModel::saveEmulator(const EmulatorEditForm &form)
{
    const std::vector<IniFile::Edit> keys = EmulatorRegistry::keysToSave(form);
    return !keys.empty() && m_settings.writeValues(keys).has_value();
}

void LaunchModel::configureEmulator(const QString &path)
{
    Launcher(m_shell).start({LaunchCommand::ConfigureEmulator(m_emulators, path)});
}

void LaunchModel::launch(int row, bool setup)
{
    tellNotStarted(Launcher(m_shell).LaunchGame(m_browse.table(), row, m_browse.libraryRoot(), m_emulators,
                                                launchOptions(setup)));
}

void LaunchModel::launchSelected(bool setup)
{
    launch(m_browse.selectedRow(), setup);
}

void LaunchModel::launchRow(int row)
{
    if (row < 1 || row >= m_browse.table().rowCount())
        return;
    // The current row stays the one the details show: PLAY and the folder commands that follow
    // must act on the game the user sees there, not on the thumbnail's.
    launch(row, false);
}

void LaunchModel::launchPlatform(const QString &platform)
{
    // The click before the double click normally switched records already. Without a record
    // for the platform, the record of another platform, still on show, would start instead.
    if (!m_browse.showsPlatform(platform) && !(m_browse.showPlatform(platform) && m_browse.showsPlatform(platform))) {
        emit message(Failure(Failure::Kind::NoRecordForPlatform)
                         .with(Failure::Fact::Game, m_browse.selectedGameName())
                         .with(Failure::Fact::Platform, platform)
                         .message());
        return;
    }
    launchSelected(false);
}

void LaunchModel::openManual(const QString &manualFile)
{
    openTarget(DetailsLinks::manualTarget(m_browse.details().metadataFolder, manualFile));
}

void LaunchModel::openExtra(const QString &link)
{
    openTarget(DetailsLinks::extraTarget(m_browse.details().metadataFolder, link));
}

void LaunchModel::openTarget(const QString &target)
{
    if (!target.isEmpty())
        m_shell.execute(QString(), target, QString(), QString());
}

void LaunchModel::tellNotStarted(const std::vector<Failure> &notStarted)
{
    for (const Failure &failure : notStarted)
        emit message(failure.message());
}

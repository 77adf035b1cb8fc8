#include "ui/ConfigTab.h"

#include "session/LibrarySession.h"
#include "ui/EmulatorSettingsPanel.h"
#include "ui/GlobalDOSBoxPanel.h"
#include "ui/SettingsPanel.h"

#include <QTabWidget>

ConfigTab::ConfigTab(LibrarySession &session, QTabWidget &pages) : QObject(&pages)
{
    setObjectName(QStringLiteral("ConfigTab"));
    MainState &state = session.state();
    pnlSettings = new SettingsPanel(state, session.settings(), session.platform(), &pages);
    pages.addTab(pnlSettings, QStringLiteral("Config"));
    m_emulators = new EmulatorSettingsPanel(state.emulators, session.settings(), session.platform(), pnlSettings);
    pnlSettings->addArea(m_emulators);
    gradDOSBox = new GlobalDOSBoxPanel(state.emulators, session.settings(), pnlSettings);
    gradDOSBox->hide();
    connect(m_emulators, &EmulatorSettingsPanel::configDOSBoxRequested, this, [this] {
        gradDOSBox->setGeometry(pnlSettings->rect());
        gradDOSBox->raise();
        gradDOSBox->show();
    });
    connect(pnlSettings, &SettingsPanel::showDatesChanged, this, &ConfigTab::showDatesChanged);
}

void ConfigTab::showOptions()
{
    pnlSettings->showOptions();
}

void ConfigTab::loadAtStartUp()
{
    gradDOSBox->load();
    pnlSettings->showLibraryRoot();
    m_emulators->loadAtStartup();
}

LaunchOptions ConfigTab::launchOptions(bool setup) const
{
    return gradDOSBox->launchOptions(setup);
}

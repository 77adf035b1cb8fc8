#include "ui/config/ConfigTab.h"

#include "platform/Platform.h"
#include "session/LibrarySession.h"
#include "session/LibraryModel.h"
#include "ui/config/AppearancePanel.h"
#include "ui/config/DOSBoxConfigEditor.h"
#include "ui/config/EmulatorSettingsPanel.h"
#include "ui/config/GlobalDOSBoxPanel.h"
#include "ui/config/MascotGame.h"
#include "ui/config/SettingsPanel.h"

#include <QPushButton>
#include <QTabWidget>

ConfigTab::ConfigTab(LibrarySession &session, QTabWidget &pages) : QObject(&pages), m_session(session)
{
    setObjectName(QStringLiteral("ConfigTab"));
    pnlSettings = new SettingsPanel(session, &pages);
    pages.addTab(pnlSettings, QStringLiteral("Config"));
    m_emulators = new EmulatorSettingsPanel(session, pnlSettings);
    pnlSettings->addArea(m_emulators);
    gradDOSBox = new GlobalDOSBoxPanel(session, pnlSettings);
    gradDOSBox->hide();
    m_confEditor = new DOSBoxConfigEditor(session.platform().dialogs, gradDOSBox);
    gradDOSBox->addEditor(m_confEditor);
    connect(m_emulators, &EmulatorSettingsPanel::configDOSBoxRequested, this, [this] {
        gradDOSBox->setGeometry(pnlSettings->rect());
        gradDOSBox->raise();
        gradDOSBox->show();
    });

    auto *entryHelper = new QPushButton(QStringLiteral("Entry Helper"), pnlSettings);
    entryHelper->setObjectName(QStringLiteral("btnAddGameWizard"));
    entryHelper->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    entryHelper->setMinimumWidth(entryHelper->sizeHint().width() + 24);
    pnlSettings->addArea(entryHelper);
    connect(entryHelper, &QPushButton::clicked, this, &ConfigTab::entryHelperRequested);

    m_appearance = new AppearancePanel(session.appearance(), pnlSettings);
    pnlSettings->addArea(m_appearance);
    m_mascot = new MascotGame(*pnlSettings);
    connect(m_emulators, &EmulatorSettingsPanel::emuListTextChanged, m_mascot, &MascotGame::emuListTextChanged);
}

void ConfigTab::showOptions()
{
    pnlSettings->showOptions();
}

void ConfigTab::loadAtStartUp()
{
    gradDOSBox->load();
    m_confEditor->showStartUpValues();
    pnlSettings->showLibraryRoot(m_session.library().root());
    m_emulators->loadAtStartup();
}

void ConfigTab::applyAppearance(const Theme &theme)
{
    m_appearance->applyAppearance(theme);
}

void ConfigTab::setNameBannerFit(std::function<int(const QFont &)> fit)
{
    m_appearance->setNameBannerFit(std::move(fit));
}

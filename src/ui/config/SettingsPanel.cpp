#include "ui/config/SettingsPanel.h"

#include "app/SettingsFile.h"
#include "library/LibraryPaths.h"
#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "session/MainState.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

SettingsPanel::SettingsPanel(MainState &state, SettingsFile &settings, const Platform &platform,
                             QWidget *parent)
    : QWidget(parent), m_state(state), m_settings(settings), m_platform(platform)
{
    setObjectName(QStringLiteral("pnlSettings"));
    auto *layout = new QVBoxLayout(this);

    auto *pathBox = new QGroupBox(QStringLiteral("PALLOX Path"), this);
    auto *pathLayout = new QHBoxLayout(pathBox);
    lblVADFolder = new QLabel(pathBox);
    lblVADFolder->setObjectName(QStringLiteral("lblVADFolder"));
    lblVADFolder->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblVADFolder->setMinimumWidth(200);
    btnVADBrowse = new QPushButton(QStringLiteral("Browse"), pathBox);
    btnVADBrowse->setObjectName(QStringLiteral("btnVADBrowse"));
    pathLayout->addWidget(lblVADFolder, 1);
    pathLayout->addWidget(btnVADBrowse);

    auto *optionsBox = new QGroupBox(QStringLiteral("Other PALLOX Options"), this);
    auto *optionsLayout = new QVBoxLayout(optionsBox);
    checkConfirmClose = new QCheckBox(QStringLiteral("Confirm on Exit"), optionsBox);
    checkConfirmClose->setObjectName(QStringLiteral("checkConfirmClose"));
    checkRememberLast = new QCheckBox(QStringLiteral("Remember Last Selected Game on Start"), optionsBox);
    checkRememberLast->setObjectName(QStringLiteral("checkRememberLast"));
    checkShowDates = new QCheckBox(QStringLiteral("Show Create and Last Modified Dates"), optionsBox);
    checkShowDates->setObjectName(QStringLiteral("checkShowDates"));
    optionsLayout->addWidget(checkConfirmClose);
    optionsLayout->addWidget(checkRememberLast);
    optionsLayout->addWidget(checkShowDates);

    layout->addWidget(pathBox);
    layout->addWidget(optionsBox);
    layout->addStretch(1);

    // clicked, not toggled: ticking the boxes at start-up must not write the settings file.
    connect(btnVADBrowse, &QPushButton::clicked, this, &SettingsPanel::btnVADBrowseClick);
    connect(checkConfirmClose, &QCheckBox::clicked, this, &SettingsPanel::checkConfirmCloseClick);
    connect(checkRememberLast, &QCheckBox::clicked, this, &SettingsPanel::checkRememberLastClick);
    connect(checkShowDates, &QCheckBox::clicked, this, &SettingsPanel::checkShowDatesClick);
}

void SettingsPanel::showOptions()
{
    checkConfirmClose->setChecked(m_state.ConfirmClose);
    checkRememberLast->setChecked(m_state.RememberLastSelected);
    checkShowDates->setChecked(m_state.ShowDates);
}

void SettingsPanel::showLibraryRoot()
{
    lblVADFolder->setText(m_state.library.LibraryRoot);
}

void SettingsPanel::addArea(QWidget *area)
{
    auto *box = static_cast<QVBoxLayout *>(layout());
    box->insertWidget(box->count() - 1, area);
}

void SettingsPanel::btnVADBrowseClick()
{
    const QString folder = m_platform.dialogs.browseFolder(QStringLiteral("Browse for Game Folder"));
    if (folder.isEmpty())
        return;
    // The table keeps the old games: the new root takes effect at the next refresh or reload.
    m_state.library.LibraryRoot = LibraryPaths::withTrailingSeparator(folder);
    showLibraryRoot();
    m_settings.write(SettingsKeys::VADPath, m_state.library.LibraryRoot);
}

void SettingsPanel::checkConfirmCloseClick()
{
    m_state.ConfirmClose = checkConfirmClose->isChecked();
    m_settings.write(SettingsKeys::ConfirmClose, m_state.ConfirmClose);
}

void SettingsPanel::checkRememberLastClick()
{
    m_state.RememberLastSelected = checkRememberLast->isChecked();
    m_settings.write(SettingsKeys::RememberLastSelected, m_state.RememberLastSelected);
}

void SettingsPanel::checkShowDatesClick()
{
    m_state.ShowDates = checkShowDates->isChecked();
    m_settings.write(SettingsKeys::ShowDates, m_state.ShowDates);
    emit showDatesChanged(m_state.ShowDates);
}

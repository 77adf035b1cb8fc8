#include "ui/config/SettingsPanel.h"

#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "session/LibrarySession.h"
#include "session/PreferencesModel.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

SettingsPanel::SettingsPanel(LibrarySession &session, QWidget *parent) : QWidget(parent), m_session(session)
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
    PreferencesModel &preferences = session.preferences();
    connect(checkConfirmClose, &QCheckBox::clicked, &preferences, &PreferencesModel::setConfirmClose);
    connect(checkRememberLast, &QCheckBox::clicked, &preferences, &PreferencesModel::setRememberLastSelected);
    connect(checkShowDates, &QCheckBox::clicked, &preferences, &PreferencesModel::setShowDates);
    connect(&preferences, &PreferencesModel::libraryRootChanged, this, &SettingsPanel::showLibraryRoot);
}

void SettingsPanel::showOptions()
{
    const Preferences &preferences = m_session.preferences().preferences();
    checkConfirmClose->setChecked(preferences.confirmClose);
    checkRememberLast->setChecked(preferences.rememberLastSelected);
    checkShowDates->setChecked(preferences.showDates);
}

void SettingsPanel::showLibraryRoot(const QString &root)
{
    lblVADFolder->setText(root);
}

void SettingsPanel::addArea(QWidget *area)
{
    auto *box = static_cast<QVBoxLayout *>(layout());
    box->insertWidget(box->count() - 1, area);
}

void SettingsPanel::btnVADBrowseClick()
{
    const QString folder = m_session.platform().dialogs.browseFolder(QStringLiteral("Browse for Game Folder"));
    if (!folder.isEmpty())
        m_session.preferences().setLibraryRoot(folder);
}

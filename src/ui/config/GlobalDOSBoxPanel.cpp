#include "ui/config/GlobalDOSBoxPanel.h"

#include "dosboxconf/DOSBoxPanelPalette.h"
#include "session/LibrarySession.h"
#include "session/LaunchModel.h"

#include <QCheckBox>
#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

GlobalDOSBoxPanel::GlobalDOSBoxPanel(LibrarySession &session, QWidget *parent) : QWidget(parent), m_session(session)
{
    setObjectName(QStringLiteral("gradDOSBox"));
    // It lies over the settings panel and must hide it completely.
    setAutoFillBackground(true);
    setPalette(DOSBoxPanelPalette::panel(palette()));
    m_layout = new QVBoxLayout(this);

    lblGlobalDOSBox = new QLabel(QStringLiteral("Global DOSBox Settings"), this);
    lblGlobalDOSBox->setObjectName(QStringLiteral("lblGlobalDOSBox"));
    QFont headingFont = lblGlobalDOSBox->font();
    headingFont.setBold(true);
    lblGlobalDOSBox->setFont(headingFont);

    checkDBExit = new QCheckBox(QStringLiteral("Exit on Exit"), this);
    checkDBExit->setObjectName(QStringLiteral("checkDBExit"));

    lblDOSBoxCMD = new QLabel(QStringLiteral("Optional DOSBox Command Line:"), this);
    lblDOSBoxCMD->setObjectName(QStringLiteral("lblDOSBoxCMD"));
    eDOSBoxCMD = new QLineEdit(this);
    eDOSBoxCMD->setObjectName(QStringLiteral("eDOSBoxCMD"));
    lblDOSBoxCMD->setBuddy(eDOSBoxCMD);

    // The folder choice comes from the settings file and goes back unchanged; the user does
    // not get to change it here.
    pnlConfFolders = new QWidget(this);
    pnlConfFolders->setObjectName(QStringLiteral("pnlConfFolders"));
    auto *foldersLayout = new QVBoxLayout(pnlConfFolders);
    foldersLayout->addWidget(new QLabel(QStringLiteral("For DOSBox Configuration Files"), pnlConfFolders));
    radioUseOneFolder = new QRadioButton(QStringLiteral("Use Single Conf Folder"), pnlConfFolders);
    radioUseOneFolder->setObjectName(QStringLiteral("radioUseOneFolder"));
    radioUseManyFolder = new QRadioButton(QStringLiteral("Use Separate Game Folders"), pnlConfFolders);
    radioUseManyFolder->setObjectName(QStringLiteral("radioUseManyFolder"));
    radioUseManyFolder->setChecked(true);
    foldersLayout->addWidget(radioUseOneFolder);
    foldersLayout->addWidget(radioUseManyFolder);
    pnlConfFolders->hide();

    btnDBConfigOkay = new QPushButton(QStringLiteral("Okay"), this);
    btnDBConfigOkay->setObjectName(QStringLiteral("btnDBConfigOkay"));

    auto *commandRow = new QHBoxLayout;
    commandRow->addWidget(lblDOSBoxCMD);
    commandRow->addWidget(eDOSBoxCMD, 1);
    auto *okayRow = new QHBoxLayout;
    okayRow->addWidget(checkDBExit);
    okayRow->addStretch(1);
    okayRow->addWidget(btnDBConfigOkay);

    m_layout->addWidget(lblGlobalDOSBox);
    m_layout->addLayout(okayRow);
    m_layout->addLayout(commandRow);
    m_layout->addWidget(pnlConfFolders);
    // The options keep to the top; the configuration file editor takes the room below them.
    m_layout->addStretch(1);

    connect(btnDBConfigOkay, &QPushButton::clicked, this, &GlobalDOSBoxPanel::btnDBConfigOkayClick);
    connect(eDOSBoxCMD, &QLineEdit::textChanged, &session.launch(), &LaunchModel::setDOSBoxCommandLine);
}

void GlobalDOSBoxPanel::load()
{
    const LaunchOptions options = m_session.launch().launchOptions(false);
    checkDBExit->setChecked(options.DOSBoxExit);
    eDOSBoxCMD->setText(options.CMDLine);
    if (options.UseSingleConfFolder)
        radioUseOneFolder->setChecked(true);
    else
        radioUseManyFolder->setChecked(true);
}

void GlobalDOSBoxPanel::addEditor(QWidget *editor)
{
    m_layout->setStretch(m_layout->count() - 1, 0);
    m_layout->insertWidget(m_layout->count() - 1, editor, 1);
}

void GlobalDOSBoxPanel::btnDBConfigOkayClick()
{
    m_session.launch().confirmDOSBoxOptions(checkDBExit->isChecked(), radioUseOneFolder->isChecked(), eDOSBoxCMD->text());
    hide();
}

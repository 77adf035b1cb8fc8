#include "ui/config/EmulatorSettingsPanel.h"

#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "presentation/EmulatorGroupButtons.h"
#include "session/LibrarySession.h"
#include "session/LaunchModel.h"
#include "ui/common/Controls.h"

#include <QComboBox>
#include <QFont>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

EmulatorSettingsPanel::EmulatorSettingsPanel(LibrarySession &session, QWidget *parent)
    : QWidget(parent), m_session(session), m_platform(session.platform()), m_model(session.emulatorSettings())
{
    setObjectName(QStringLiteral("pnlEmulators"));
    auto *layout = new QVBoxLayout(this);

    lblEmuHeading = named(new QLabel(QStringLiteral("Emulator and Game Runner EXE Paths:"), this),
                          QStringLiteral("lblEmuHeading"));
    QFont headingFont = lblEmuHeading->font();
    headingFont.setBold(true);
    lblEmuHeading->setFont(headingFont);

    // The group buttons sit on a bar of their own so that the pressed one can drop by two pixels.
    m_groupBar = new QWidget(this);
    for (const QString &group : EmulatorRegistry::groups())
        addGroupButton(EmulatorGroupButtons::objectName(group), group);
    btnEmusPC = m_groupButtons.front();
    int barWidth = 0;
    int barHeight = 0;
    for (QPushButton *button : m_groupButtons) {
        const QSize size = button->sizeHint();
        button->resize(size);
        barWidth += size.width();
        barHeight = std::max(barHeight, size.height());
    }
    m_groupBar->setFixedSize(barWidth, barHeight + 2);
    MoveButtonDown(btnEmusPC);

    cbEmuList = new QComboBox(this);
    cbEmuList->setObjectName(QStringLiteral("cbEmuList"));
    cbEmuList->setEditable(true);
    cbEmuList->setInsertPolicy(QComboBox::NoInsert);
    cbEmuList->setMinimumWidth(250);

    auto *details = new QGridLayout;
    lblEmuName = named(new QLabel(QString(), this), QStringLiteral("lblEmuName"));
    lblEmuNick = named(new QLabel(QString(), this), QStringLiteral("lblEmuNick"));
    lblEmuPath = named(new QLabel(QString(), this), QStringLiteral("lblEmuPath"));
    lblParams = named(new QLabel(QStringLiteral("Emulator Params:"), this), QStringLiteral("lblParams"));
    lblEmuParams = named(new QLabel(QString(), this), QStringLiteral("lblEmuParams"));
    for (QLabel *value : {lblEmuName, lblEmuNick, lblEmuPath, lblEmuParams})
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    details->addWidget(new QLabel(QStringLiteral("System Name:"), this), 0, 0);
    details->addWidget(lblEmuName, 0, 1);
    details->addWidget(new QLabel(QStringLiteral("System Nick:"), this), 1, 0);
    details->addWidget(lblEmuNick, 1, 1);
    details->addWidget(new QLabel(QStringLiteral("Emulator Path:"), this), 2, 0);
    details->addWidget(lblEmuPath, 2, 1);
    details->addWidget(lblParams, 3, 0);
    details->addWidget(lblEmuParams, 3, 1);
    details->setColumnStretch(1, 1);

    btnAddEmu = named(new QPushButton(QStringLiteral("Add"), this), QStringLiteral("btnAddEmu"));
    btnEditEmu = named(new QPushButton(QStringLiteral("Edit"), this), QStringLiteral("btnEditEmu"));
    btnConfigEmu = named(new QPushButton(QStringLiteral("Config"), this), QStringLiteral("btnConfigEmu"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(btnAddEmu);
    buttons->addWidget(btnEditEmu);
    buttons->addWidget(btnConfigEmu);
    buttons->addStretch(1);

    layout->addWidget(lblEmuHeading);
    layout->addWidget(m_groupBar);
    layout->addWidget(cbEmuList, 0, Qt::AlignLeft);
    layout->addLayout(details);
    layout->addLayout(buttons);
    layout->addStretch(1);

    // The edit panel floats over the group buttons, outside the layout.
    auto *editFrame = new QFrame(this);
    editFrame->setFrameShape(QFrame::Panel);
    editFrame->setFrameShadow(QFrame::Raised);
    editFrame->setAutoFillBackground(true);
    pnlEditEmu = editFrame;
    pnlEditEmu->setObjectName(QStringLiteral("pnlEditEmu"));
    lblEditEmuTab = named(new QLabel(QString(), pnlEditEmu), QStringLiteral("lblEditEmuTab"));
    eEditEmuName = named(new QLineEdit(pnlEditEmu), QStringLiteral("eEditEmuName"));
    eEditEmuNick = named(new QLineEdit(pnlEditEmu), QStringLiteral("eEditEmuNick"));
    eEditEmuPath = named(new QLineEdit(pnlEditEmu), QStringLiteral("eEditEmuPath"));
    eEditEmuPath->setMinimumWidth(250);
    btnEditEmuPath = named(new QPushButton(QStringLiteral("Browse"), pnlEditEmu), QStringLiteral("btnEditEmuPath"));
    lblEditParams = named(new QLabel(QStringLiteral("Emulator Params:"), pnlEditEmu), QStringLiteral("lblEditParams"));
    eEditEmuParams = named(new QLineEdit(pnlEditEmu), QStringLiteral("eEditEmuParams"));
    btnEditEmuSave = named(new QPushButton(QStringLiteral("Save"), pnlEditEmu), QStringLiteral("btnEditEmuSave"));
    btnEditEmuCancel = named(new QPushButton(QStringLiteral("Cancel"), pnlEditEmu), QStringLiteral("btnEditEmuCancel"));
    auto *edit = new QGridLayout(pnlEditEmu);
    edit->addWidget(lblEditEmuTab, 0, 0, 1, 3);
    edit->addWidget(new QLabel(QStringLiteral("System Name:"), pnlEditEmu), 1, 0);
    edit->addWidget(eEditEmuName, 1, 1, 1, 2);
    edit->addWidget(new QLabel(QStringLiteral("System Nick:"), pnlEditEmu), 2, 0);
    edit->addWidget(eEditEmuNick, 2, 1, 1, 2);
    edit->addWidget(new QLabel(QStringLiteral("Emulator Path:"), pnlEditEmu), 3, 0);
    edit->addWidget(eEditEmuPath, 3, 1);
    edit->addWidget(btnEditEmuPath, 3, 2);
    edit->addWidget(lblEditParams, 4, 0);
    edit->addWidget(eEditEmuParams, 4, 1, 1, 2);
    auto *editButtons = new QHBoxLayout;
    editButtons->addStretch(1);
    editButtons->addWidget(btnEditEmuSave);
    editButtons->addWidget(btnEditEmuCancel);
    edit->addLayout(editButtons, 5, 0, 1, 3);
    pnlEditEmu->hide();

    lblParams->hide();
    lblEmuParams->hide();

    // Filling the list is not a choice of the user's; only choosing and typing run the handler.
    connect(cbEmuList, &QComboBox::currentTextChanged, this, &EmulatorSettingsPanel::cbEmuListChange);
    connect(btnAddEmu, &QPushButton::clicked, this, &EmulatorSettingsPanel::btnAddEmuClick);
    connect(btnEditEmu, &QPushButton::clicked, this, &EmulatorSettingsPanel::btnEditEmuClick);
    connect(btnConfigEmu, &QPushButton::clicked, this, &EmulatorSettingsPanel::btnConfigEmuClick);
    connect(btnEditEmuPath, &QPushButton::clicked, this, &EmulatorSettingsPanel::btnEditEmuPathClick);
    connect(btnEditEmuSave, &QPushButton::clicked, this, &EmulatorSettingsPanel::btnEditEmuSaveClick);
    connect(btnEditEmuCancel, &QPushButton::clicked, this, &EmulatorSettingsPanel::btnEditEmuCancelClick);
}

void EmulatorSettingsPanel::addGroupButton(const QString &name, const QString &group)
{
    QPushButton *button = named(new QPushButton(group, m_groupBar), name);
    button->setCheckable(true);
    m_groupButtons.push_back(button);
    connect(button, &QPushButton::clicked, this, [this, group] { groupButtonClick(group); });
}

void EmulatorSettingsPanel::loadAtStartup()
{
    MoveButtonDown(btnEmusPC);
    listGroup(m_model.loadAtStartup());
    showDetails();
}

void EmulatorSettingsPanel::listGroup(const QStringList &entries)
{
    const QSignalBlocker blocker(cbEmuList);
    cbEmuList->clear();
    cbEmuList->addItems(entries);
    cbEmuList->setCurrentIndex(cbEmuList->count() > 0 ? 0 : -1);
    if (cbEmuList->count() == 0)
        cbEmuList->setEditText(QString());
}

void EmulatorSettingsPanel::LoadEmuDetails()
{
    m_model.showFirstEntry(cbEmuList->currentText());
    showDetails();
}

void EmulatorSettingsPanel::MoveButtonDown(QPushButton *button)
{
    int x = 0;
    for (QPushButton *b : m_groupButtons) {
        b->move(x, b == button ? 2 : 0);
        b->setChecked(b == button);
        x += b->width();
    }
}

void EmulatorSettingsPanel::groupButtonClick(const QString &group)
{
    for (QPushButton *b : m_groupButtons) {
        if (b->text() == group)
            MoveButtonDown(b);
    }
    listGroup(m_model.chooseGroup(group));
    LoadEmuDetails();
}

void EmulatorSettingsPanel::cbEmuListChange(const QString &text)
{
    m_model.listTextChanged(text);
    showDetails();
    emit emuListTextChanged(text);
}

void EmulatorSettingsPanel::showDetails()
{
    const EmulatorDetails &details = m_model.details();
    lblEmuName->setText(details.Name);
    lblEmuNick->setText(details.Nick);
    lblEmuPath->setText(details.Path);
    lblEmuParams->setText(details.Params);
    lblParams->setVisible(m_model.paramsShown());
    lblEmuParams->setVisible(m_model.paramsShown());
}

void EmulatorSettingsPanel::showEditPanel(const EmulatorEditForm &form)
{
    eEditEmuName->setText(form.Name);
    eEditEmuNick->setText(form.Nick);
    eEditEmuPath->setText(form.Path);
    eEditEmuParams->setText(form.Params);
    lblEditEmuTab->setText(form.Group);
    eEditEmuName->setReadOnly(!form.nameEditable);
    eEditEmuNick->setReadOnly(!form.nameEditable);
    eEditEmuParams->setVisible(form.paramsVisible);
    lblEditParams->setVisible(form.paramsVisible);

    pnlEditEmu->adjustSize();
    pnlEditEmu->move(btnEmusPC->mapTo(this, QPoint(0, 0)));
    pnlEditEmu->raise();
    pnlEditEmu->show();
}

void EmulatorSettingsPanel::btnAddEmuClick()
{
    if (const Result<void> added = m_model.beginAdd(); !added) {
        m_platform.dialogs.message(added.error().message());
        return;
    }
    showEditPanel(m_model.form());
}

void EmulatorSettingsPanel::btnEditEmuClick()
{
    if (m_model.beginEdit())
        showEditPanel(m_model.form());
    else
        pnlEditEmu->hide();
}

void EmulatorSettingsPanel::btnConfigEmuClick()
{
    if (m_model.configOpensDOSBox(cbEmuList->currentText()))
        emit configDOSBoxRequested();
    else
        m_session.launch().configureEmulator(lblEmuPath->text());
}

void EmulatorSettingsPanel::btnEditEmuPathClick()
{
    const QString chosen = m_platform.dialogs.openFile(QString(), QStringLiteral("Exe Files (*.exe)|*.EXE"),
                                                       m_model.browseFolder(eEditEmuPath->text()));
    if (!chosen.isEmpty())
        eEditEmuPath->setText(chosen);
}

void EmulatorSettingsPanel::btnEditEmuSaveClick()
{
    using Outcome = EmulatorSettingsModel::SaveOutcome;
    const Outcome outcome = m_model.save(eEditEmuName->text(), eEditEmuNick->text(), eEditEmuPath->text(),
                                         eEditEmuParams->text(), lblEditEmuTab->text());
    if (outcome == Outcome::Failed)
        return;
    if (outcome == Outcome::Saved)
        m_platform.dialogs.message(EmulatorSettingsModel::restartText());
    closeEditPanel();
}

void EmulatorSettingsPanel::btnEditEmuCancelClick()
{
    closeEditPanel();
}

void EmulatorSettingsPanel::closeEditPanel()
{
    m_model.closeForm();
    pnlEditEmu->hide();
}

#include "ui/config/EmulatorSettingsPanel.h"

#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "session/LibrarySession.h"
#include "ui/common/Controls.h"

#include <QComboBox>
#include <QFileInfo>
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
    : QWidget(parent), m_session(session), m_platform(session.platform())
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
    btnEmusPC = addGroupButton(QStringLiteral("btnEmusPC"), QStringLiteral("PC"));
    btnEmusNintendo = addGroupButton(QStringLiteral("btnEmusNintendo"), QStringLiteral("Nintendo"));
    btnEmusAtari = addGroupButton(QStringLiteral("btnEmusAtari"), QStringLiteral("Atari"));
    btnEmusSega = addGroupButton(QStringLiteral("btnEmusSega"), QStringLiteral("SEGA"));
    btnEmusArcade = addGroupButton(QStringLiteral("btnEmusArcade"), QStringLiteral("Arcade"));
    btnEmusApple = addGroupButton(QStringLiteral("btnEmusApple"), QStringLiteral("Apple"));
    btnEmusSony = addGroupButton(QStringLiteral("btnEmusSony"), QStringLiteral("Sony"));
    btnEmusOther = addGroupButton(QStringLiteral("btnEmusOther"), QStringLiteral("Other"));
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

    setParamsShown(false);

    // Filling the list is not a choice of the user's; only choosing and typing run the handler.
    connect(cbEmuList, &QComboBox::currentTextChanged, this, &EmulatorSettingsPanel::cbEmuListChange);
    connect(btnAddEmu, &QPushButton::clicked, this, &EmulatorSettingsPanel::btnAddEmuClick);
    connect(btnEditEmu, &QPushButton::clicked, this, &EmulatorSettingsPanel::btnEditEmuClick);
    connect(btnConfigEmu, &QPushButton::clicked, this, &EmulatorSettingsPanel::btnConfigEmuClick);
    connect(btnEditEmuPath, &QPushButton::clicked, this, &EmulatorSettingsPanel::btnEditEmuPathClick);
    connect(btnEditEmuSave, &QPushButton::clicked, this, &EmulatorSettingsPanel::btnEditEmuSaveClick);
    connect(btnEditEmuCancel, &QPushButton::clicked, this, &EmulatorSettingsPanel::btnEditEmuCancelClick);
}

QPushButton *EmulatorSettingsPanel::addGroupButton(const QString &name, const QString &group)
{
    QPushButton *button = named(new QPushButton(group, m_groupBar), name);
    button->setCheckable(true);
    m_groupButtons.push_back(button);
    connect(button, &QPushButton::clicked, this, [this, group] { groupButtonClick(group); });
    return button;
}

const EmulatorRegistry &EmulatorSettingsPanel::registry() const
{
    return std::as_const(m_session).state().emulators;
}

void EmulatorSettingsPanel::loadAtStartup()
{
    m_group = QStringLiteral("PC");
    MoveButtonDown(btnEmusPC);
    listGroup();
    showDetails(registry().detailsForSelection(registry().builtIn(EmulatorRegistry::DOSBox).Name));
    setParamsShown(false);
}

void EmulatorSettingsPanel::listGroup()
{
    const QSignalBlocker blocker(cbEmuList);
    cbEmuList->clear();
    cbEmuList->addItems(m_session.listEmulatorGroup(m_group));
    cbEmuList->setCurrentIndex(cbEmuList->count() > 0 ? 0 : -1);
    if (cbEmuList->count() == 0)
        cbEmuList->setEditText(QString());
}

void EmulatorSettingsPanel::LoadEmuDetails()
{
    showDetails(m_session.emulatorDetailsAfterListing(cbEmuList->currentText()));
    setParamsShown(!lblEmuParams->text().isEmpty());
}

void EmulatorSettingsPanel::MoveButtonDown(QPushButton *button)
{
    int x = 0;
    for (QPushButton *b : m_groupButtons) {
        b->move(x, b == button ? 2 : 0);
        b->setChecked(b == button);
        x += b->width();
    }
    m_pressed = button;
}

void EmulatorSettingsPanel::groupButtonClick(const QString &group)
{
    m_group = group;
    for (QPushButton *b : m_groupButtons) {
        if (b->text() == group)
            MoveButtonDown(b);
    }
    listGroup();
    LoadEmuDetails();
}

void EmulatorSettingsPanel::cbEmuListChange(const QString &text)
{
    setParamsShown(false);
    const EmulatorDetails details = registry().detailsForSelection(text);
    // A text that names nothing keeps the details the panel showed.
    if (details.kind != EmulatorDetails::Kind::None) {
        showDetails(details);
        setParamsShown(details.kind == EmulatorDetails::Kind::Custom);
    }
    emit emuListTextChanged(text);
}

void EmulatorSettingsPanel::showDetails(const EmulatorDetails &details)
{
    m_shown = details;
    lblEmuName->setText(details.Name);
    lblEmuNick->setText(details.Nick);
    lblEmuPath->setText(details.Path);
    lblEmuParams->setText(details.Params);
}

void EmulatorSettingsPanel::setParamsShown(bool shown)
{
    lblParams->setVisible(shown);
    lblEmuParams->setVisible(shown);
}

void EmulatorSettingsPanel::showEditPanel(const EmulatorEditForm &form)
{
    m_form = form;
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
    const EmulatorEditForm form = m_session.beginAddEmulator(m_group);
    if (form.target == EmulatorEditForm::Target::Nothing) {
        m_platform.dialogs.message(
            QStringLiteral("All %1 custom emulator slots are in use. Remove one from PALLOX.ini to add another.")
                .arg(EmulatorRegistry::CustomSlotCount));
        return;
    }
    showEditPanel(form);
}

void EmulatorSettingsPanel::btnEditEmuClick()
{
    // An empty group shows no emulator, and there is nobody's keys to edit.
    const EmulatorEditForm form = registry().beginEdit(m_shown, m_group);
    if (form.target == EmulatorEditForm::Target::Nothing) {
        m_form = form;
        pnlEditEmu->hide();
        return;
    }
    showEditPanel(form);
}

void EmulatorSettingsPanel::btnConfigEmuClick()
{
    if (cbEmuList->currentText() == registry().builtIn(EmulatorRegistry::DOSBox).Name) {
        emit configDOSBoxRequested();
        return;
    }
    m_session.configureEmulator(lblEmuPath->text());
}

void EmulatorSettingsPanel::btnEditEmuPathClick()
{
    const QString current = registry().programPath(eEditEmuPath->text());
    const QString folder = current.isEmpty() ? QString() : QFileInfo(current).absolutePath();
    const QString chosen =
        m_platform.dialogs.openFile(QString(), QStringLiteral("Exe Files (*.exe)|*.EXE"), folder);
    if (!chosen.isEmpty())
        eEditEmuPath->setText(chosen);
}

void EmulatorSettingsPanel::btnEditEmuSaveClick()
{
    EmulatorEditForm form = m_form;
    form.Name = eEditEmuName->text();
    form.Nick = eEditEmuNick->text();
    form.Path = eEditEmuPath->text();
    form.Params = eEditEmuParams->text();
    form.Group = lblEditEmuTab->text();
    if (form.target == EmulatorEditForm::Target::Nothing) {
        closeEditPanel();
        return;
    }
    // A write that failed has been told, as every one of the settings file; the panel stays open
    // with what the user typed.
    if (!m_session.saveEmulator(form))
        return;
    m_platform.dialogs.message(QStringLiteral("Please close and restart PALLOX to see changes"));
    closeEditPanel();
}

void EmulatorSettingsPanel::btnEditEmuCancelClick()
{
    closeEditPanel();
}

void EmulatorSettingsPanel::closeEditPanel()
{
    // A closed panel has nothing left to save: only Add or Edit open it with a target again.
    m_form = EmulatorEditForm();
    pnlEditEmu->hide();
}

#pragma once

#include "session/EmulatorSettingsModel.h"

#include <QString>
#include <QWidget>

#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class LibrarySession;
class QPushButton;
struct Platform;

// The emulator part of the "Config" tab: the emulators of one group, the details of the chosen
// one, and the edit panel whose Save has the session write an emulator's keys.
class EmulatorSettingsPanel : public QWidget
{
    Q_OBJECT
public:
    EmulatorSettingsPanel(LibrarySession &session, QWidget *parent);

    // Start-up, once the session has read the emulators: the "PC" group with DOSBox's details.
    void loadAtStartup();

signals:
    // "Config" with DOSBox chosen: the Global DOSBox Settings panel is to be shown.
    void configDOSBoxRequested();
    // The list's text changed by the user's choice or typing.
    void emuListTextChanged(const QString &text);

private:
    QLabel *lblEmuHeading = nullptr;
    // The first of the group buttons btnEmusPC ... btnEmusOther, all of them in m_groupButtons.
    QPushButton *btnEmusPC = nullptr;
    QComboBox *cbEmuList = nullptr;
    QLabel *lblEmuName = nullptr;
    QLabel *lblEmuNick = nullptr;
    QLabel *lblEmuPath = nullptr;
    QLabel *lblParams = nullptr;
    QLabel *lblEmuParams = nullptr;
    QPushButton *btnAddEmu = nullptr;
    QPushButton *btnEditEmu = nullptr;
    QPushButton *btnConfigEmu = nullptr;
    QWidget *pnlEditEmu = nullptr;
    QLabel *lblEditEmuTab = nullptr;
    QLineEdit *eEditEmuName = nullptr;
    QLineEdit *eEditEmuNick = nullptr;
    QLineEdit *eEditEmuPath = nullptr;
    QPushButton *btnEditEmuPath = nullptr;
    QLabel *lblEditParams = nullptr;
    QLineEdit *eEditEmuParams = nullptr;
    QPushButton *btnEditEmuSave = nullptr;
    QPushButton *btnEditEmuCancel = nullptr;

    void LoadEmuDetails();
    void MoveButtonDown(QPushButton *button);
    void addGroupButton(const QString &name, const QString &group);
    // A group's built-in and custom emulators into the list, the first one chosen.
    void listGroup(const QStringList &entries);
    void groupButtonClick(const QString &group);
    void cbEmuListChange(const QString &text);
    void showDetails();
    void showEditPanel(const EmulatorEditForm &form);
    void btnAddEmuClick();
    void btnEditEmuClick();
    void btnConfigEmuClick();
    void btnEditEmuPathClick();
    void btnEditEmuSaveClick();
    void btnEditEmuCancelClick();
    void closeEditPanel();

    LibrarySession &m_session;
    const Platform &m_platform;
    QWidget *m_groupBar = nullptr;
    std::vector<QPushButton *> m_groupButtons;
    EmulatorSettingsModel &m_model;
};

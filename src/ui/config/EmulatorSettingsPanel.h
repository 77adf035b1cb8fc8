#pragma once

#include "launch/EmulatorRegistry.h"

#include <QString>
#include <QWidget>

#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class SettingsFile;
struct Platform;

// The emulator part of the "Config" tab: the emulators of one group, the details of the chosen
// one, and the edit panel that writes an emulator's keys to the settings file.
class EmulatorSettingsPanel : public QWidget
{
    Q_OBJECT
public:
    EmulatorSettingsPanel(EmulatorRegistry &registry, SettingsFile &settings, const Platform &platform,
                          QWidget *parent);

    QLabel *lblEmuHeading = nullptr;
    QPushButton *btnEmusPC = nullptr;
    QPushButton *btnEmusNintendo = nullptr;
    QPushButton *btnEmusAtari = nullptr;
    QPushButton *btnEmusSega = nullptr;
    QPushButton *btnEmusArcade = nullptr;
    QPushButton *btnEmusApple = nullptr;
    QPushButton *btnEmusSony = nullptr;
    QPushButton *btnEmusOther = nullptr;
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

    // Start-up: reads the built-in emulators and shows the "PC" group with DOSBox's details.
    void loadAtStartup();
    QString currentGroup() const { return m_group; }
    const std::vector<QPushButton *> &groupButtons() const { return m_groupButtons; }

    void LoadBuiltInEmus();
    void LoadCustomEmus();
    void LoadEmuDetails();
    void MoveButtonDown(QPushButton *button);

signals:
    // "Config" with DOSBox chosen: the Global DOSBox Settings panel is to be shown.
    void configDOSBoxRequested();
    // The list's text changed by the user's choice or typing.
    void emuListTextChanged(const QString &text);

private:
    QPushButton *addGroupButton(const QString &name, const QString &group);
    void groupButtonClick(const QString &group);
    void cbEmuListChange(const QString &text);
    void showDetails(const EmulatorDetails &details);
    void setParamsShown(bool shown);
    void showEditPanel(const EmulatorEditForm &form);
    void btnAddEmuClick();
    void btnEditEmuClick();
    void btnConfigEmuClick();
    void btnEditEmuPathClick();
    void btnEditEmuSaveClick();
    void btnEditEmuCancelClick();
    void closeEditPanel();

    EmulatorRegistry &m_registry;
    SettingsFile &m_settings;
    const Platform &m_platform;
    QWidget *m_groupBar = nullptr;
    std::vector<QPushButton *> m_groupButtons;
    QPushButton *m_pressed = nullptr;
    QString m_group = QStringLiteral("PC");
    EmulatorDetails m_shown;
    EmulatorEditForm m_form;
};

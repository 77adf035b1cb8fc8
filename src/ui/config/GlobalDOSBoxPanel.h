#pragma once

#include "launch/LaunchCommand.h"

#include <QWidget>

class EmulatorRegistry;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QVBoxLayout;
class SettingsFile;

// The Global DOSBox Settings panel: the three options every DOSBox launch uses, with the
// configuration file editor below them. It opens from "Config" and closes only with "Okay".
class GlobalDOSBoxPanel : public QWidget
{
    Q_OBJECT
public:
    GlobalDOSBoxPanel(EmulatorRegistry &registry, SettingsFile &settings, QWidget *parent);

    QLabel *lblGlobalDOSBox = nullptr;
    QCheckBox *checkDBExit = nullptr;
    QLabel *lblDOSBoxCMD = nullptr;
    QLineEdit *eDOSBoxCMD = nullptr;
    QWidget *pnlConfFolders = nullptr;
    QRadioButton *radioUseOneFolder = nullptr;
    QRadioButton *radioUseManyFolder = nullptr;
    QPushButton *btnDBConfigOkay = nullptr;

    // Start-up: reads section DOSBox into the registry and the controls.
    void load();
    // The configuration file editor goes below the options.
    void addEditor(QWidget *editor);
    // What a launch reads now: the confirmed exit option, the command line as typed and the
    // folder choice as shown.
    LaunchOptions launchOptions(bool setup) const;

private:
    void btnDBConfigOkayClick();

    EmulatorRegistry &m_registry;
    SettingsFile &m_settings;
    QVBoxLayout *m_layout = nullptr;
};

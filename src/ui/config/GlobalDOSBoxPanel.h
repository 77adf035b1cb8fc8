#pragma once

#include <QWidget>

class LibrarySession;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QVBoxLayout;

// The Global DOSBox Settings panel: the three options every DOSBox launch uses, with the
// configuration file editor below them. It opens from "Config" and closes only with "Okay".
// The command line counts for launches as it is typed; the other options once confirmed.
class GlobalDOSBoxPanel : public QWidget
{
    Q_OBJECT
public:
    GlobalDOSBoxPanel(LibrarySession &session, QWidget *parent);

    // Start-up: the controls show the options the session read.
    void load();
    // The configuration file editor goes below the options.
    void addEditor(QWidget *editor);

private:
    void btnDBConfigOkayClick();

    LibrarySession &m_session;
    QLabel *lblGlobalDOSBox = nullptr;
    QCheckBox *checkDBExit = nullptr;
    QLabel *lblDOSBoxCMD = nullptr;
    QLineEdit *eDOSBoxCMD = nullptr;
    QWidget *pnlConfFolders = nullptr;
    QRadioButton *radioUseOneFolder = nullptr;
    QRadioButton *radioUseManyFolder = nullptr;
    QPushButton *btnDBConfigOkay = nullptr;
    QVBoxLayout *m_layout = nullptr;
};

#pragma once

#include "dosboxconf/DOSBoxConf.h"

#include <QHash>
#include <QWidget>

class Dialogs;
class QFormLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QScrollBar;
class QTabWidget;
class QVBoxLayout;

struct ConfKey;

// The configuration file editor of the Global DOSBox Settings panel: a file field, Load and
// Save, and a tab of controls for every key it owns, with the autoexec lines on a tab of their
// own. It keeps nothing but its controls; reading and writing the file is DOSBoxConfFile's.
class DOSBoxConfigEditor : public QWidget
{
    Q_OBJECT
  public:
    DOSBoxConfigEditor(Dialogs &dialogs, QWidget *parent);

    // Start-up: every list with its choices, every control at its start-up value, no file.
    void showStartUpValues();
    // What the controls show now, as Save writes it.
    DOSBoxConf values() const;
    // Sets every control in the order Load reads the keys, and the autoexec list.
    void showValues(const DOSBoxConf &conf);

  private:
    QLineEdit *lblLoadedConfFile = nullptr;
    QPushButton *btnLoadConf = nullptr;
    QPushButton *btnSaveConf = nullptr;
    QTabWidget *PageControl2 = nullptr;
    QTabWidget *PageControl3 = nullptr;
    QScrollBar *scrollMouseSensitivity = nullptr;
    QLabel *lblMouseSensitivity = nullptr;
    QLineEdit *eMapper = nullptr;
    QPushButton *btnMapper = nullptr;
    QLineEdit *eCyclesDown = nullptr;
    QLabel *lblPercent = nullptr;
    QListWidget *lbAutoExec = nullptr;
    QLineEdit *eAutoExecLine = nullptr;
    QPushButton *btnConfirmLine = nullptr;
    QPushButton *btnAutoExecAddLine = nullptr;
    QPushButton *btnAutoExecRemoveLine = nullptr;

    void btnLoadConfClick();
    void btnSaveConfClick();
    void btnMapperClick();
    void lbAutoExecClick(QListWidgetItem *item);
    void btnConfirmLineClick();
    void btnAutoExecAddLineClick();
    void btnAutoExecRemoveLineClick();
    void eCyclesDownChange();
    void scrollMouseSensitivityChange(int position);

    QWidget *buildPage(const QString &tab);
    QWidget *buildSoundPage();
    QWidget *buildAutoExecPage();
    void addControl(const ConfKey &key, QWidget *page, QVBoxLayout *switches, QFormLayout *fields);
    QListWidgetItem *selectedLine() const;
    void setValue(const QString &name, const QString &value);
    QString valueOf(const QString &name) const;

    Dialogs &m_dialogs;
    QHash<QString, QWidget *> m_controls; // by the name of the value each shows
    QStringList m_loadedPriority;         // the priority pair as the file's own line gave it
    QString m_priorityLoadedFrom;         // and that file
};

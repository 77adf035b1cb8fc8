#pragma once

#include "base/Result.h"
#include "launch/EmulatorRegistry.h"

#include <QString>
#include <QStringList>

class LaunchModel;

// What the emulator part of the "Config" tab shows and may write: the group whose emulators are
// listed, the emulator whose details are shown, whether its parameters show, and the edit form
// whose Save writes an emulator's keys. The panel shows what this says.
class EmulatorSettingsModel
{
  public:
    explicit EmulatorSettingsModel(LaunchModel &launch);

    const EmulatorDetails &details() const { return m_shown; }
    bool paramsShown() const { return m_paramsShown; }
    const EmulatorEditForm &form() const { return m_form; }

    // Start-up: the "PC" group with DOSBox's details, its parameters hidden. Returns the entries
    // of the list.
    QStringList loadAtStartup();
    // A group button: the group's entries, the custom slots read afresh.
    QStringList chooseGroup(const QString &group);
    // The details of the first entry of the group just listed; parameters show when it has any.
    void showFirstEntry(const QString &listText);
    // The list's text, chosen or typed. A text that names nothing keeps the details shown, with
    // their parameters hidden.
    void listTextChanged(const QString &text);
    // Config: DOSBox opens the Global DOSBox Settings panel; any other emulator starts itself.
    bool configOpensDOSBox(const QString &listText) const;
    // The folder the path's Browse dialog opens in: that of the program the typed path names.
    QString browseFolder(const QString &typedPath) const;

    // Add: a form for the lowest free slot. Refused when every slot is taken; the form that was
    // open stays as it was.
    Result<void> beginAdd();
    // Edit: a form for the emulator shown. False when none is shown; nothing is left to save.
    bool beginEdit();

    enum class SaveOutcome {
        Closed, // nothing to save: the panel just closes
        Failed, // the write failed and was told; the panel stays open with what was typed
        Saved,  // written: the panel closes after restartText()
    };
    // Save with the texts of the edit panel's fields.
    SaveOutcome save(const QString &name, const QString &nick, const QString &path, const QString &params,
                     const QString &group);
    static QString restartText();
    // A closed panel has nothing left to save: only Add or Edit open it with a target again.
    void closeForm() { m_form = EmulatorEditForm(); }

  private:
    const EmulatorRegistry &registry() const;

    LaunchModel &m_launch;
    QString m_group = QStringLiteral("PC");
    EmulatorDetails m_shown;
    bool m_paramsShown = false;
    EmulatorEditForm m_form;
};

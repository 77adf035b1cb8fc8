#pragma once

#include <QString>

// Where the entry helper's file dialogs open. The save dialogs open where the last one was left,
// with the ini name last chosen there; Load ini opens where the last save went.
class EntryFolders
{
public:
    // The ini save dialog's proposal: the IniFile folder of the game selected in the main list
    // (`metadataFolder` empty when there is none), with the ini name last chosen.
    QString proposedIniFile(const QString &metadataFolder) const;
    void iniFileChosen(const QString &file);

    const QString &loadFolder() const { return m_lastSaveFolder; }

    // The About save dialog's proposal: the About folder beside the ini folder last saved to,
    // where the details panel looks for the note, when there is one.
    QString proposedAboutFile(const QString &aboutName) const;
    void aboutFileChosen(const QString &file);

private:
    QString m_lastSaveFolder;
    QString m_lastIniName;
};

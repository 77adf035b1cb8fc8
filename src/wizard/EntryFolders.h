#pragma once

#include <QString>

// Where the entry helper's file dialogs open. The save dialogs open where the last one was left,
// with the ini name last chosen there; Load ini opens where the last save went. Once this window
// made a new game's folders, the ini dialog stays with that game instead of the one selected in
// the main list, so that its facts do not land in another game's folder.
class EntryFolders
{
public:
    // The ini save dialog's proposal: the new game's IniFile folder, or else the IniFile folder of
    // the game selected in the main list (`metadataFolder` empty when there is none), with the ini
    // name last chosen.
    QString proposedIniFile(const QString &metadataFolder) const;
    void iniFileChosen(const QString &file);
    // The ini file of a game whose folders this window made; `blank` when it was just emptied.
    void gameFoldersMade(const QString &iniFile, bool blank);
    // The blank file nothing has been saved into yet: replacing it loses nothing, so it needs no
    // question. Empty when there is none.
    const QString &blankIniFile() const { return m_blankIni; }

    const QString &loadFolder() const { return m_lastSaveFolder; }

    // The About save dialog's proposal: the About folder beside the ini folder last saved to (or
    // made), where the details panel looks for the note, when there is one.
    QString proposedAboutFile(const QString &aboutName) const;
    void aboutFileChosen(const QString &file);

private:
    QString m_lastSaveFolder;
    QString m_lastIniName;
    QString m_newGameIniFolder; // until an ini file is saved elsewhere
    QString m_blankIni;
};

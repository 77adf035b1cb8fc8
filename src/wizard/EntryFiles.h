#pragma once

#include "wizard/EntryFields.h"
#include "wizard/EntryFolders.h"

#include <QString>
#include <QStringList>

#include <optional>

class Dialogs;

// The entry helper's commands that go through file dialogs: which file each dialog proposes,
// what is refused or asked before a write, and what the user is told when one fails.
class EntryFiles
{
public:
    explicit EntryFiles(Dialogs &dialogs);

    // "Create Default Folders and ini File" once the user picked `gameFolder` (empty when the
    // folder browser was cancelled): the metadata folders and a blank ini file of every key of
    // the field list.
    void createDefaultFolders(const QString &gameFolder, const QString &iniName, const QStringList &fieldKeys);
    // The file the ini save dialog chose; nothing when it was cancelled. `metadataFolder` is the
    // selected game's, empty when there is none.
    std::optional<QString> chooseIniFile(const QString &metadataFolder);
    // "Load ini": the fields of the file the user opens, with `aboutText` kept, since an ini file
    // holds no About text; nothing when cancelled or when the file cannot be read.
    std::optional<GameEntry> loadIni(const QString &aboutText);
    // "Create": the About text written where the user chooses.
    void createAbout(const QString &aboutName, const QString &text);
    // The program the user picks for the Custom Emu Path field; nothing when cancelled.
    std::optional<QString> chooseEmulator();

private:
    Dialogs &m_dialogs;
    EntryFolders m_folders;
};

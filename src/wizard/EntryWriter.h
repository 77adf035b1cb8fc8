#pragma once

#include "base/Result.h"
#include "wizard/EntryFields.h"

#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

namespace EntryWriter {

using KeyValues = std::vector<std::pair<QString, QString>>;

// Sets the keys in section Main of the file with the rules of every ini file of the program (a
// key that exists is replaced where it stands, a new one goes to the end of the section, every
// other line stays byte for byte), as one atomic replacement of the file: either every key is
// written or the file is left as it was. Refused, with the fields named, when a value would not
// read back as given: characters that a Windows-1252 file cannot hold, for instance.
Result<void> writeKeys(const QString &fileName, const KeyValues &keys);

// The 40 keys of a saved game, in save order, each value as a single-line field can hold it.
KeyValues gameKeys(const GameEntry &entry);
// The entry as the file holds it after a save: every field through storableValue().
GameEntry storedEntry(const GameEntry &entry);

// The sub-folders of a new metadata folder, in the order they are made.
QStringList metadataSubfolders();

// Whether "Create Default Folders and ini File" can go on; the first reason it cannot, in the
// order the user is told. `gameFolder` is what the folder browser returned.
Result<void> canCreateDefaultFolders(const QString &gameFolder, const QString &iniName);
// The Pallox folder and its sub-folders inside the game folder. Folders that exist are left
// alone, and one that cannot be made is passed over: the ini write that follows says so.
void createMetadataFolders(const QString &gameFolder);
// The blank game ini file: Pallox/IniFile/<iniName>.ini inside the game folder.
QString blankIniFile(const QString &gameFolder, const QString &iniName);
// What to ask before the blank ini file is written; empty when there is nothing to ask. Blanking a
// game's facts by accident would lose them; a new file, or an empty field list, asks nothing.
QString blankIniQuestion(const QString &iniFile, const QStringList &fieldKeys);
// Every key of the field list with an empty value; no file when the list is empty.
Result<void> writeBlankIni(const QString &fileName, const QStringList &fieldKeys);

// Whether "Create" can write the About file.
Result<void> canWriteAbout(const QString &aboutName, const QString &aboutText);
// The text with CR LF between lines and after the last, as UTF-8, replacing the file atomically.
Result<void> writeAboutFile(const QString &fileName, const QString &text);

} // namespace EntryWriter

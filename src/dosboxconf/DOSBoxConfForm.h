#pragma once

#include "base/Result.h"
#include "dosboxconf/DOSBoxConf.h"

#include <QString>
#include <QStringList>

struct ConfKey;

// The configuration file editor's decisions that need none of its controls: which values a key
// has, what they are at start-up, which keys a DOSBox 0.74 file turns off, and what Load and Save
// check before they ask for or write a file.
namespace DOSBoxConfForm {

// The names of the key's values: its own, or both of the priority pair.
QStringList valueNamesOf(const ConfKey &key);
// Start-up: every value at its start-up value, no autoexec line, no priority line kept.
DOSBoxConf startUp();
// A key a 0.74 file has no line for takes no input while such a file is loaded: Save would
// write nothing of it.
bool takesInput(const ConfKey &key, bool uses074Names);
// How a check box's value is kept: ticked is "true", anything else is not.
bool ticked(const QString &value);
QString switchValue(bool ticked);

// The folder the Load dialog opens in: the one of the file loaded, or the dialog's own choice.
QString loadFolder(const QString &loadedFile);
// Whether Save may write: not with the file field left blank.
Result<void> canSave(const QString &fileName);

} // namespace DOSBoxConfForm

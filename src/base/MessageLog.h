#pragma once

#include <QString>

// Every text a box shows the user also goes to the log (standard error, the desktop's journal),
// one line each: "pallox: message: ..." for a message, "pallox: question: ..." for an OK/Cancel
// question. A user who clicked a box away can still look up what it said, and scripts that drive
// the real program can tell what it reported. Line breaks and backslashes of the text are
// written as \n, \r and \\, so that one message stays one line.
void logShownMessage(const char *kind, const QString &text);

#pragma once

#include <QString>

class QWidget;

// Shows a message the user may read while the program goes on, the way a failed program
// start is reported by the desktop; the box deletes itself when closed.
void showNonBlockingMessage(QWidget *owner, const QString &text);

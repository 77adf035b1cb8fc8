#pragma once

#include <QStringList>

class QFont;

namespace NoteLayout {

// The lines a note takes on screen when its text is `width` wide: each line of the note at
// least one, a long one as many as it wraps into, at word boundaries where it can.
int displayedLineCount(const QStringList &lines, const QFont &font, qreal width);

} // namespace NoteLayout

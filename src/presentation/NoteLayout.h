#pragma once

#include <QStringList>

class QFont;

namespace NoteLayout {

// The lines a note takes on screen when its text is `width` wide: each line of the note at
// least one, a long one as many as it wraps into, at word boundaries where it can.
int displayedLineCount(const QStringList &lines, const QFont &font, qreal width);

// Whether the note needs its vertical scroll bar in a view `viewWidth` wide: its wrapped lines
// count as displayed, measured at the width the text has without the bar, inside the frame and
// the document's margin on both sides.
bool needsScrollBar(const QString &text, const QFont &font, int viewWidth, int frameWidth, qreal documentMargin);

} // namespace NoteLayout

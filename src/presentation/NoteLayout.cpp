#include "presentation/NoteLayout.h"

#include "presentation/MainLayout.h"

#include <QFont>
#include <QTextLayout>
#include <QTextOption>

#include <QtMath>

#include <algorithm>

int NoteLayout::displayedLineCount(const QStringList &lines, const QFont &font, qreal width)
{
    // A note of one empty line is an empty note, as the memo shows it.
    if (lines.isEmpty() || (lines.size() == 1 && lines.front().isEmpty()))
        return 0;
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    int displayed = 0;
    for (const QString &text : lines) {
        QTextLayout layout(text, font);
        layout.setTextOption(option);
        layout.beginLayout();
        int wrapped = 0;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            ++wrapped;
        }
        layout.endLayout();
        displayed += std::max(1, wrapped);
    }
    return displayed;
}

bool NoteLayout::needsScrollBar(const QString &text, const QFont &font, int viewWidth, int frameWidth,
                                qreal documentMargin)
{
    const int margin = 2 * (frameWidth + qRound(documentMargin));
    const qreal width = qMax(1, viewWidth - margin);
    return MainLayout::noteNeedsScrollBar(displayedLineCount(text.split(u'\n'), font, width));
}

#include "presentation/NoteLayout.h"

#include <QFont>
#include <QFontMetricsF>
#include <QtMath>

#include <gtest/gtest.h>

TEST(NoteLayout, WrappedLinesCountAsDisplayed)
{
    const QFont font;
    const QString word = QStringLiteral("abcdefghij");
    // Room for two words and a space, not for three.
    const qreal width = 3 * QFontMetricsF(font).horizontalAdvance(word);
    const QString eightWords = QStringList(8, word).join(u' ');

    EXPECT_EQ(NoteLayout::displayedLineCount({}, font, width), 0);
    EXPECT_EQ(NoteLayout::displayedLineCount({QString()}, font, width), 0);
    // An empty line between two takes a line of its own.
    EXPECT_EQ(NoteLayout::displayedLineCount({word, QString(), word}, font, width), 3);
    EXPECT_EQ(NoteLayout::displayedLineCount({eightWords}, font, width), 4);
    EXPECT_EQ(NoteLayout::displayedLineCount({eightWords, word, QString()}, font, width), 6);
    // Eleven short lines stay below the scroll bar's twelve.
    EXPECT_EQ(NoteLayout::displayedLineCount(QStringList(11, word), font, width), 11);
}

TEST(NoteLayout, TheScrollBarCountsLinesAtTheWidthInsideTheFrameAndTheMargins)
{
    const QFont font;
    const QString word = QStringLiteral("abcdefghij");
    const QString two = word + u' ' + word;
    const int fits = qCeil(QFontMetricsF(font).horizontalAdvance(two)) + 2;
    // Ten lines and one that fits the view's width: eleven lines, no bar.
    const QString note = QStringList(10, word).join(u'\n') + u'\n' + two;
    EXPECT_FALSE(NoteLayout::needsScrollBar(note, font, fits, 0, 0));
    // Inside a frame and margins it wraps: twelve lines.
    EXPECT_TRUE(NoteLayout::needsScrollBar(note, font, fits, 1, 4));
    EXPECT_TRUE(NoteLayout::needsScrollBar(note + u'\n', font, fits, 0, 0));
    EXPECT_FALSE(NoteLayout::needsScrollBar(QString(), font, 0, 1, 4));
}

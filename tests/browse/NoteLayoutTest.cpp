#include "browse/NoteLayout.h"

#include <QFont>
#include <QFontMetricsF>

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

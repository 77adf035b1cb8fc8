#include "browse/DetailsContent.h"
#include "nostalgia/BigScreenFacts.h"

#include <gtest/gtest.h>

namespace {

TEST(BigScreenFacts, EachFactIsTypedAtThePromptAndAClickFiltersByItsFieldUnlessItIsBlank)
{
    DetailsContent game;
    game.name = QStringLiteral("Loom");
    game.year = QStringLiteral("1990");
    game.publisher = QStringLiteral("Lucasfilm");
    game.series2 = QStringLiteral("Fantasy Four");
    const auto lines = BigScreenFacts::lines(game);
    const struct
    {
        int line;
        const char *text;
        const char *clickField;
    } cases[] = {
        {0, "C:\\>Name: Loom", ""}, // the name filters nothing
        {1, "C:\\>Year: 1990", "Year"},
        {2, "C:\\>Developer: ", ""}, // blank: nothing to click
        {3, "C:\\>Publisher: Lucasfilm", "Publisher"},
        {6, "C:\\>Subgenre: ", ""},
        {10, "C:\\>Series: Fantasy Four", "Series"}, // both series filter by the first's name
    };
    for (const auto &c : cases) {
        EXPECT_EQ(lines[size_t(c.line)].text, QString::fromLatin1(c.text)) << c.line;
        EXPECT_EQ(lines[size_t(c.line)].clickField, QString::fromLatin1(c.clickField)) << c.line;
    }
    EXPECT_EQ(lines[10].value, QStringLiteral("Fantasy Four"));
    EXPECT_FALSE(BigScreenFacts::filterable(0));
    for (int line = 1; line < BigScreenFacts::LineCount; ++line)
        EXPECT_TRUE(BigScreenFacts::filterable(line)) << line;
}

} // namespace

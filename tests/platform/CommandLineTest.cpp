#include "platform/CommandLine.h"
#include "support/Utf8.h"

#include <gtest/gtest.h>

#include <random>

namespace {

struct SplitCase
{
    const char *name;
    const char *parameters;
    QStringList expected;
};

class SplitCommandLine : public ::testing::TestWithParam<SplitCase>
{
};

TEST_P(SplitCommandLine, GivesTheArgumentsAWindowsProgramWouldSee)
{
    const SplitCase &c = GetParam();
    EXPECT_EQ(splitCommandLine(QString::fromUtf8(c.parameters)), c.expected)
        << "parameters: " << c.parameters;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitCommandLine,
    ::testing::Values(
        SplitCase{"Empty", "", {}},
        SplitCase{"OnlyBlanks", "  \t  ", {}},
        SplitCase{"Blanks", "-conf  game.conf   -exit", {u("-conf"), u("game.conf"), u("-exit")}},
        SplitCase{"Tabs", "a\tb \t c", {u("a"), u("b"), u("c")}},
        SplitCase{"LeadingTrailing", "  a  ", {u("a")}},
        SplitCase{"QuotesGroup", "-c \"mount c C:\\Games\\A B\"",
                  {u("-c"), u("mount c C:\\Games\\A B")}},
        SplitCase{"QuotesInsideWord", "ab\"c d\"ef", {u("abc def")}},
        SplitCase{"EmptyQuoted", "a \"\" b", {u("a"), QString(), u("b")}},
        SplitCase{"EmptyQuotedAlone", "\"\"", {QString()}},
        SplitCase{"DoubledQuoteInsideQuotes", "\"say \"\"hi\"\"\"", {u("say \"hi\"")}},
        SplitCase{"TripleQuote", "\"\"\"", {u("\"")}},
        SplitCase{"EscapedQuote", "a\\\"b", {u("a\"b")}},
        SplitCase{"BackslashesAlone", "C:\\dir\\ \\\\server\\share",
                  {u("C:\\dir\\"), u("\\\\server\\share")}},
        SplitCase{"TwoBackslashesThenQuote", "\"a\\\\\" b", {u("a\\"), u("b")}},
        SplitCase{"ThreeBackslashesThenQuote", "a\\\\\\\"b", {u("a\\\"b")}},
        SplitCase{"FourBackslashesThenQuote", "\"a\\\\\\\\\"b c", {u("a\\\\b"), u("c")}},
        SplitCase{"TrailingBackslashInQuotes", "\"C:\\Games\\\\\"", {u("C:\\Games\\")}},
        SplitCase{"UnterminatedQuote", "a \"b c  d", {u("a"), u("b c  d")}},
        SplitCase{"UnterminatedAfterEscape", "\"a\\\"", {u("a\"")}},
        SplitCase{"NonAscii", "\"Über Spiel\" ñandú 日本", {u("Über Spiel"), u("ñandú"), u("日本")}},
        SplitCase{"ShellCharactersArePlain", "$(rm x); `id` | & > <",
                  {u("$(rm"), u("x);"), u("`id`"), u("|"), u("&"), u(">"), u("<")}},
        SplitCase{"SingleQuotesArePlain", "'a b'", {u("'a"), u("b'")}},
        SplitCase{"NewlineIsNotASeparator", "a\nb", {u("a\nb")}}),
    [](const ::testing::TestParamInfo<SplitCase> &info) { return std::string(info.param.name); });

TEST(UnquoteProgram, RemovesSurroundingQuotesOnly)
{
    const struct
    {
        const char *program;
        const char *expected;
    } cases[] = {
        {"dosbox", "dosbox"},
        {"\"C:\\Program Files\\DOSBox\\dosbox.exe\"", "C:\\Program Files\\DOSBox\\dosbox.exe"},
        {"  \"/opt/emu/run me\"  ", "/opt/emu/run me"},
        {"\"/opt/emu/unterminated", "/opt/emu/unterminated"},
        {"/opt/emu/plain path", "/opt/emu/plain path"},
        {"\"\"", ""},
        {"", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(unquoteProgram(QString::fromUtf8(c.program)), QString::fromUtf8(c.expected))
            << c.program;
}

QString joinQuoted(const QStringList &arguments)
{
    QStringList quoted;
    for (const QString &argument : arguments)
        quoted.append(quoteArgument(argument));
    return quoted.join(QLatin1Char(' '));
}

TEST(QuoteArgument, RoundTripsNastyTexts)
{
    const QStringList nasty = {
        QString(),
        u(" "),
        u("\t"),
        u("plain"),
        u("two words"),
        u("\""),
        u("\"\""),
        u("\\"),
        u("\\\\"),
        u("ends with backslash\\"),
        u("C:\\Games\\"),
        u("\\\""),
        u("\\\\\""),
        u("a\\\\\"b c"),
        u("say \"hi\" \\ there\\\\"),
        u("line\nbreak"),
        u("$(touch pwned); `id` & | > 'q'"),
        u("Ünïcødé 日本 🎮"),
    };
    EXPECT_EQ(splitCommandLine(joinQuoted(nasty)), nasty);
    for (const QString &one : nasty)
        EXPECT_EQ(splitCommandLine(quoteArgument(one)), QStringList{one}) << one.toStdString();
}

TEST(QuoteArgument, RoundTripsRandomTextsOverTheTrickyCharacters)
{
    const QString alphabet = u("a \t\"\\ü");
    std::mt19937 engine(20240309);
    std::uniform_int_distribution<int> length(0, 8);
    std::uniform_int_distribution<int> count(0, 4);
    std::uniform_int_distribution<int> pick(0, int(alphabet.size()) - 1);
    for (int round = 0; round < 2000; ++round) {
        QStringList arguments;
        const int n = count(engine);
        for (int i = 0; i < n; ++i) {
            QString argument;
            const int l = length(engine);
            for (int j = 0; j < l; ++j)
                argument.append(alphabet.at(pick(engine)));
            arguments.append(argument);
        }
        const QString joined = joinQuoted(arguments);
        ASSERT_EQ(splitCommandLine(joined), arguments) << joined.toStdString();
    }
}

TEST(QuoteArgument, LeavesSimpleArgumentsAlone)
{
    EXPECT_EQ(quoteArgument(u("-conf")), u("-conf"));
    EXPECT_EQ(quoteArgument(u("C:\\dir\\file.conf")), u("C:\\dir\\file.conf"));
    EXPECT_EQ(quoteArgument(QString()), u("\"\""));
}

} // namespace

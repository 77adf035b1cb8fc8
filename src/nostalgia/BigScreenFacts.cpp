#include "nostalgia/BigScreenFacts.h"

#include "browse/DetailsContent.h"

namespace {

struct Fact
{
    const char *prompt;
    const QString DetailsContent::*text;
};

const std::array<Fact, BigScreenFacts::LineCount> &facts()
{
    static const std::array<Fact, BigScreenFacts::LineCount> all{{
        {"C:\\>Name: ", &DetailsContent::name},
        {"C:\\>Year: ", &DetailsContent::year},
        {"C:\\>Developer: ", &DetailsContent::developer},
        {"C:\\>Publisher: ", &DetailsContent::publisher},
        {"C:\\>Genre: ", &DetailsContent::genre},
        {"C:\\>Subgenre: ", &DetailsContent::subGenre},
        {"C:\\>Subgenre: ", &DetailsContent::subGenre2},
        {"C:\\>Designer: ", &DetailsContent::designer},
        {"C:\\>Designer: ", &DetailsContent::designer2},
        {"C:\\>Series: ", &DetailsContent::series},
        {"C:\\>Series: ", &DetailsContent::series2},
    }};
    return all;
}

} // namespace

std::array<BigScreenFacts::Line, BigScreenFacts::LineCount> BigScreenFacts::lines(const DetailsContent &details)
{
    std::array<Line, LineCount> result;
    for (size_t i = 0; i < result.size(); ++i) {
        const Fact &fact = facts()[i];
        Line &line = result[i];
        line.value = details.*fact.text;
        line.text = QString::fromLatin1(fact.prompt) + line.value;
        if (!line.value.isEmpty())
            line.clickField = DetailsContent::filterFieldOf(fact.text);
    }
    return result;
}

bool BigScreenFacts::filterable(int line)
{
    return !DetailsContent::filterFieldOf(facts()[size_t(line)].text).isEmpty();
}

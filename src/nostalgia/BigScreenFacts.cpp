#include "nostalgia/BigScreenFacts.h"

#include "browse/DetailsContent.h"

namespace {

struct Fact
{
    const char *name;
    const char *prompt;
    const QString DetailsContent::*text;
};

const std::array<Fact, BigScreenFacts::LineCount> &facts()
{
    static const std::array<Fact, BigScreenFacts::LineCount> all{{
        {"lblNostalgiaName", "C:\\>Name: ", &DetailsContent::name},
        {"lblNostalgiaYear", "C:\\>Year: ", &DetailsContent::year},
        {"lblNostalgiaDeveloper", "C:\\>Developer: ", &DetailsContent::developer},
        {"lblNostalgiaPublisher", "C:\\>Publisher: ", &DetailsContent::publisher},
        {"lblNostalgiaGenre", "C:\\>Genre: ", &DetailsContent::genre},
        {"lblNostalgiaSubgenre", "C:\\>Subgenre: ", &DetailsContent::subGenre},
        {"lblNostalgiaSubgenre2", "C:\\>Subgenre: ", &DetailsContent::subGenre2},
        {"lblNostalgiaDesigner", "C:\\>Designer: ", &DetailsContent::designer},
        {"lblNostalgiaDesigner2", "C:\\>Designer: ", &DetailsContent::designer2},
        {"lblNostalgiaSeries", "C:\\>Series: ", &DetailsContent::series},
        {"lblNostalgiaSeries2", "C:\\>Series: ", &DetailsContent::series2},
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

const char *BigScreenFacts::lineName(int line)
{
    return facts()[size_t(line)].name;
}

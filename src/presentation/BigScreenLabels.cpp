#include "presentation/BigScreenLabels.h"

#include "nostalgia/BigScreenFacts.h"

#include <array>

const char *BigScreenLabels::lineName(int line)
{
    static constexpr std::array<const char *, BigScreenFacts::LineCount> names{
        "lblNostalgiaName",      "lblNostalgiaYear",     "lblNostalgiaDeveloper", "lblNostalgiaPublisher",
        "lblNostalgiaGenre",     "lblNostalgiaSubgenre", "lblNostalgiaSubgenre2", "lblNostalgiaDesigner",
        "lblNostalgiaDesigner2", "lblNostalgiaSeries",   "lblNostalgiaSeries2"};
    return names[size_t(line)];
}

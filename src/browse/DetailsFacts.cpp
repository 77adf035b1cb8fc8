#include "browse/DetailsFacts.h"

#include <array>

namespace DetailsFacts {

namespace {

// From Year to Setup, in the order of their rows; null for the manual, whose text is fixed.
constexpr std::array<const QString DetailsContent::*, Platform> Facts{{
    &DetailsContent::year,
    &DetailsContent::publisher,
    &DetailsContent::developer,
    &DetailsContent::genre,
    &DetailsContent::subGenre,
    &DetailsContent::subGenre2,
    &DetailsContent::series,
    &DetailsContent::series2,
    &DetailsContent::designer,
    &DetailsContent::designer2,
    nullptr,
    &DetailsContent::setup,
}};

bool isExtra(int label)
{
    return label >= Extra1 && label < LabelCount;
}

} // namespace

std::optional<Shown> shownFor(int label, const DetailsContent &content)
{
    if (label == Manual)
        return Shown{QStringLiteral("Available"), content.hasManual()};
    QString text;
    if (label >= 0 && label < Platform) {
        text = content.*Facts[size_t(label)];
    } else if (platformIndex(label) >= 0) {
        if (!content.platformsUpdated)
            return std::nullopt;
        const int index = platformIndex(label);
        text = index == 0 ? content.platform : content.otherPlatforms[size_t(index - 1)];
    } else if (isExtra(label)) {
        text = content.extras[size_t(label - Extra1)].title;
    }
    return Shown{text, !text.isEmpty()};
}

int platformIndex(int label)
{
    return label >= Platform && label < Extra1 ? label - Platform : -1;
}

Click clickOn(int label, const DetailsContent &content)
{
    Click click;
    if (label >= 0 && label < Platform && Facts[size_t(label)]) {
        click.field = DetailsContent::filterFieldOf(Facts[size_t(label)]);
        if (!click.field.isEmpty()) {
            click.kind = Click::Field;
            return click;
        }
    }
    if (platformIndex(label) >= 0) {
        click.kind = Click::Platform;
        click.number = platformIndex(label);
    } else if (label == Setup) {
        click.kind = Click::Setup;
    } else if (label == Manual) {
        click.kind = Click::Manual;
        click.target = content.manual;
    } else if (isExtra(label)) {
        click.kind = Click::Extra;
        click.number = label - Extra1 + 1;
        click.target = content.extras[size_t(label - Extra1)].link;
    }
    return click;
}

} // namespace DetailsFacts

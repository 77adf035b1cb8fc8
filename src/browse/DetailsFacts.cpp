#include "browse/DetailsFacts.h"

#include "presentation/MainLayout.h"

#include <array>

static_assert(DetailsFacts::CaptionCount == MainLayout::FactCaptionCount, "one caption per caption place");

namespace DetailsFacts {

namespace {

struct Fact
{
    const char *objectName;
    const QString DetailsContent::*text; // null for the manual, whose text is fixed
};

// From Year to Setup, in the order of their rows.
constexpr std::array<Fact, Platform> Facts{{
    {"lblYear", &DetailsContent::year},
    {"lblPublisher", &DetailsContent::publisher},
    {"lblDeveloper", &DetailsContent::developer},
    {"lblGenre", &DetailsContent::genre},
    {"lblSubGenre", &DetailsContent::subGenre},
    {"lblSubGenre2", &DetailsContent::subGenre2},
    {"lblSeries", &DetailsContent::series},
    {"lblSeries2", &DetailsContent::series2},
    {"lblDesigner", &DetailsContent::designer},
    {"lblDesigner2", &DetailsContent::designer2},
    {"lblManual2", nullptr},
    {"lblSetup", &DetailsContent::setup},
}};

constexpr std::array<const char *, CaptionCount> Captions{
    "Year:", "Publisher:", "Developer:", "Genre:", "SubGenres:", "Series:", "Designers:", "Manual:", "Setup:",
    "Platforms:"};

constexpr std::array<const char *, DetailsContent::PictureSlotCount> PictureNames{
    "imgFront", "imgBack", "imgTitle", "imgScreen", "imgMedia", "imgAdv"};

QString numbered(const char *stem, int number)
{
    return QLatin1String(stem) + QString::number(number);
}

bool isExtra(int label)
{
    return label >= Extra1 && label < LabelCount;
}

} // namespace

QString objectName(int label)
{
    if (label >= 0 && label < Platform)
        return QLatin1String(Facts[size_t(label)].objectName);
    if (label == Platform)
        return QStringLiteral("lblPlatform");
    if (platformIndex(label) > 0)
        return numbered("lblOtherPlatform", platformIndex(label));
    return isExtra(label) ? numbered("lblExtra", label - Extra1 + 1) : QString();
}

QPoint designPlace(int label)
{
    if (label >= 0 && label < Platform)
        return MainLayout::factValueAt(label);
    if (platformIndex(label) >= 0)
        return MainLayout::PlatformValueAt;
    return isExtra(label) ? QPoint(0, MainLayout::extraTop(label - Extra1)) : QPoint();
}

std::optional<Shown> shownFor(int label, const DetailsContent &content)
{
    if (label == Manual)
        return Shown{QStringLiteral("Available"), content.hasManual()};
    QString text;
    if (label >= 0 && label < Platform) {
        text = content.*Facts[size_t(label)].text;
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
    if (label >= 0 && label < Platform && Facts[size_t(label)].text) {
        click.field = DetailsContent::filterFieldOf(Facts[size_t(label)].text);
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

Arrangement arrange(const std::array<QRect, LabelCount> &labels)
{
    Arrangement a;
    for (size_t i = 0; i < labels.size(); ++i)
        a.labels[i] = labels[i].topLeft();
    QVector<QRect> beside;
    for (int id = FirstBesideExtras; id <= LastBesideExtras; ++id)
        beside.append(labels[size_t(id)]);
    const int extrasLeft = MainLayout::extrasColumnLeft(beside);
    a.extrasHeading = QPoint(extrasLeft, MainLayout::ExtrasHeadingTop);
    for (int i = 0; i < DetailsContent::ExtraCount; ++i)
        a.labels[size_t(Extra1 + i)] = QPoint(extrasLeft, MainLayout::extraTop(i));

    std::array<int, DetailsContent::OtherPlatformCount> widths{};
    for (size_t i = 0; i < widths.size(); ++i)
        widths[i] = labels[size_t(OtherPlatform1) + i].width();
    const QRect platform = labels[size_t(Platform)];
    const MainLayout::PlatformRow row = MainLayout::chainPlatformRow(platform, widths);
    for (size_t i = 0; i < widths.size(); ++i)
        a.labels[size_t(OtherPlatform1) + i] = QPoint(row.otherLefts[i], platform.y());
    for (size_t i = 0; i < a.separators.size(); ++i)
        a.separators[i] = QPoint(row.separatorLefts[i], platform.y());
    return a;
}

PictureRects pictureRects(const MainLayout::Result &r)
{
    return {{{r.front, r.simpleFront},
             {r.back, r.simpleBack},
             {r.title, r.simpleTitle},
             {r.screen, r.simpleScreen},
             {r.media, QRect()},
             {r.advert, QRect()}}};
}

QString captionName(int index)
{
    return QStringLiteral("lblDetail%1").arg(index + 1, 2, 10, QLatin1Char('0'));
}

QString captionText(int index)
{
    return index >= 0 && index < CaptionCount ? QLatin1String(Captions[size_t(index)]) : QString();
}

QString commaName(int index)
{
    return numbered("lblComma", index + 1);
}

QString pictureName(int slot, bool simpleView)
{
    if (slot < 0 || slot >= DetailsContent::PictureSlotCount)
        return {};
    if (slot == DetailsContent::Advert)
        return simpleView ? QString() : QLatin1String(PictureNames[size_t(slot)]);
    if (simpleView && slot == DetailsContent::Media)
        return {};
    return QLatin1String(PictureNames[size_t(slot)]) + (simpleView ? QLatin1String("02") : QLatin1String("01"));
}

} // namespace DetailsFacts

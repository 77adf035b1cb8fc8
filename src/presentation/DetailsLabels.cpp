#include "presentation/DetailsLabels.h"

#include <QVector>

#include <array>

static_assert(DetailsLabels::CaptionCount == MainLayout::FactCaptionCount, "one caption per caption place");
static_assert(DetailsContent::ExtraCount == MainLayout::ExtraCount, "one extra label per extra");

namespace DetailsLabels {

namespace {

using namespace DetailsFacts;

// From Year to Setup, in the order of their rows.
constexpr std::array<const char *, Platform> FactNames{
    "lblYear",   "lblPublisher", "lblDeveloper", "lblGenre",     "lblSubGenre", "lblSubGenre2",
    "lblSeries", "lblSeries2",   "lblDesigner",  "lblDesigner2", "lblManual2",  "lblSetup"};

constexpr std::array<const char *, CaptionCount> Captions{
    "Year:",   "Publisher:", "Developer:", "Genre:", "SubGenres:",
    "Series:", "Designers:", "Manual:",    "Setup:", "Platforms:"};

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
        return QLatin1String(FactNames[size_t(label)]);
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
    return QLatin1String(PictureNames[size_t(slot)]) +
           (simpleView ? QLatin1String("02") : QLatin1String("01"));
}

} // namespace DetailsLabels

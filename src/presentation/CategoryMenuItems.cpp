#include "presentation/CategoryMenuItems.h"

const std::array<CategoryMenuItems::Item, CategoryMenuCount> &CategoryMenuItems::all()
{
    static const std::array<Item, CategoryMenuCount> items{{
        {CategoryMenu::Developer, "mnuCatDeveloper", "&Developer"},
        {CategoryMenu::Publisher, "mnuCatPublisher", "Pu&blisher"},
        {CategoryMenu::DevOrPub, "mnuCatDevOrPub", "Dev. &or Pub."},
        {CategoryMenu::Platform, "mnuCatPlatform", "&Platform"},
        {CategoryMenu::Genre, "mnuCatGenre", "&Genre"},
        {CategoryMenu::SubGenres, "mnuCatSubGenres", "S&ubGenres"},
        {CategoryMenu::GenrePlus, "mnuCatGenrePlus", "Genre (&incl subs)"},
        {CategoryMenu::Emulator, "mnuCatEmu", "Emulator"},
    }};
    return items;
}

const std::array<QString, LetterGroupCount> &CategoryMenuItems::letterGroupCaptions()
{
    static const std::array<QString, LetterGroupCount> captions{
        QStringLiteral("#-C"), QStringLiteral("D-G"), QStringLiteral("H-K"), QStringLiteral("L-O"),
        QStringLiteral("P-S"), QStringLiteral("T-W"), QStringLiteral("X-Z")};
    return captions;
}

QString CategoryMenuItems::valueCaption(const QString &value)
{
    QString caption = value;
    caption.replace(QLatin1Char('&'), QLatin1String("&&"));
    // A tab would split the caption into text and shortcut.
    caption.replace(QLatin1Char('\t'), QLatin1Char(' '));
    return caption;
}

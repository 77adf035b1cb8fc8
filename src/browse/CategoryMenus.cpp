#include "browse/CategoryMenus.h"

#include "browse/FieldFilter.h"
#include "browse/ValueLists.h"
#include "library/GameTable.h"

const std::array<CategoryMenuInfo, CategoryMenuCount> &categoryMenus()
{
    static const std::array<CategoryMenuInfo, CategoryMenuCount> menus{{
        {CategoryMenu::Developer, "Developer", true},
        {CategoryMenu::Publisher, "Publisher", true},
        {CategoryMenu::DevOrPub, "Developer", true},
        {CategoryMenu::Platform, "Platform", false},
        {CategoryMenu::Genre, "Genre", false},
        {CategoryMenu::SubGenres, "SubGenre", false},
        {CategoryMenu::GenrePlus, "Genre", false},
        {CategoryMenu::Emulator, "Emulator", false},
    }};
    return menus;
}

const CategoryMenuInfo &categoryMenuInfo(CategoryMenu menu)
{
    return categoryMenus()[static_cast<size_t>(menu)];
}

int letterGroupOf(const QString &value)
{
    if (value.isEmpty())
        return 0;
    const char16_t initial = value.front().toUpper().unicode();
    if (initial < u'A' || initial > u'Z')
        return 0;
    // A-C, D-G, H-K, L-O, P-S, T-W, X-Z: four letters a group after the first three.
    const int letter = initial - u'A';
    return letter < 3 ? 0 : 1 + (letter - 3) / 4;
}

CategoryValues groupCategoryValues(QStringList values, bool letterGroups)
{
    CategoryValues result;
    result.grouped = letterGroups && values.size() >= LetterGroupThreshold;
    if (result.grouped) {
        for (const QString &value : values)
            result.groups[static_cast<size_t>(letterGroupOf(value))].append(value);
    }
    result.values = std::move(values);
    return result;
}

std::array<CategoryValues, CategoryMenuCount> collectCategoryValues(const GameTable &grid)
{
    // Each source column is read once; the menus that share columns merge what was read. Merging
    // the first spellings of the developers, then those of the publishers, keeps the spelling a
    // single pass over both would meet first.
    const auto collect = [&grid](const char *field) {
        ValueCollector collector;
        collector.addColumnsNamed(grid, QLatin1String(field), 1);
        return collector;
    };
    const ValueCollector developers = collect("Developer");
    const ValueCollector publishers = collect("Publisher");
    const ValueCollector genres = collect("Genre");
    ValueCollector companies = developers;
    companies.addValues(publishers);
    ValueCollector subGenres = collect("SubGenre");
    subGenres.addValues(collect("SubGenre2"));

    std::array<CategoryValues, CategoryMenuCount> menus;
    const auto set = [&menus](CategoryMenu menu, const ValueCollector &values) {
        menus[static_cast<size_t>(menu)] = groupCategoryValues(values.sorted(), categoryMenuInfo(menu).letterGroups);
    };
    set(CategoryMenu::Developer, developers);
    set(CategoryMenu::Publisher, publishers);
    set(CategoryMenu::DevOrPub, companies);
    set(CategoryMenu::Platform, collect("Platform"));
    set(CategoryMenu::Genre, genres);
    set(CategoryMenu::SubGenres, subGenres);
    set(CategoryMenu::GenrePlus, genres);
    set(CategoryMenu::Emulator, collect("Emulator"));
    return menus;
}

QString galleryHintFor(CategoryMenu menu, const QString &value)
{
    switch (menu) {
    case CategoryMenu::Developer:
    case CategoryMenu::Publisher:
    case CategoryMenu::DevOrPub:
        if (value == QLatin1String("Quillmark Software"))
            return QStringLiteral("Quillmark");
        break;
    case CategoryMenu::Platform:
        for (const char *hint : {"2600", "Arcade", "SNES"}) {
            if (value == QLatin1String(hint))
                return value;
        }
        break;
    case CategoryMenu::Emulator:
        if (value == QLatin1String("SNES"))
            return value;
        break;
    case CategoryMenu::Genre:
    case CategoryMenu::SubGenres:
    case CategoryMenu::GenrePlus:
        break;
    }
    return QString();
}

void switchModeFor(CategoryMenu menu, FilterModes &modes)
{
    if (menu == CategoryMenu::Developer)
        modes.devOrPub = false;
    else if (menu == CategoryMenu::DevOrPub)
        modes.devOrPub = true;
    else if (menu == CategoryMenu::GenrePlus)
        modes.genrePlus = true;
}

#include "presentation/SortMenuItems.h"

const std::array<SortMenuItems::Item, MainSortCount> &SortMenuItems::all()
{
    static const std::array<Item, MainSortCount> items{{
        {MainSort::Name, "mnuName", "&Name", false},
        {MainSort::Year, "mnuYear", "&Year", false},
        {MainSort::Platform, "mnuPlatform", "&Platform", false},
        {MainSort::Folder, "mnuFolder", "&Folder", false},
        {MainSort::Developer, "mnuDeveloper", "&Developer", false},
        {MainSort::Publisher, "mnuPublisher", "P&ublisher", false},
        {MainSort::Genre, "mnuGenre", "&Genre", false},
        {MainSort::SubGenre, "mnuSubGenre", "Su&bgenre", false},
        {MainSort::Series, "mnuSeries", "&Series", false},
        {MainSort::Rating, "mnuRating", "&Rating", false},
        // The dates are the folder's, not the game's: set apart from the fields of the game.
        {MainSort::DateCreated, "mnuDateCreated", "Date &Created", true},
        {MainSort::DateModified, "mnuDateModified", "Date &Modified", false},
    }};
    return items;
}

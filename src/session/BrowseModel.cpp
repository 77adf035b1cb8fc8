#include "session/BrowseModel.h"

#include "browse/MainList.h"
#include "browse/PlatformSwitch.h"
#include "browse/TextSearch.h"
#include "browse/ValueLists.h"
#include "library/GameRefresh.h"
#include "platform/Clock.h"
#include "platform/Random.h"
#include "session/LibraryModel.h"
#include "session/MainListModel.h"
#include "session/PreferencesModel.h"

#include <QDateTime>
#include <QScopeGuard>

#include <utility>

BrowseModel::BrowseModel(LibraryModel &library, PreferencesModel &preferences, Random &random, const Clock &clock,
                         Report report, QObject *parent)
    : QObject(parent), m_library(library), m_preferences(preferences), m_random(random), m_clock(clock),
      m_report(std::move(report)), m_list(new MainListModel(this))
{
}

BrowseModel::~BrowseModel() = default;

const GameTable &BrowseModel::table() const
{
    return m_library.table();
}

const QString &BrowseModel::libraryRoot() const
{
    return m_library.root();
}

const QStringList &BrowseModel::listEntries() const
{
    return m_list->entries();
}

QAbstractItemModel &BrowseModel::listModel()
{
    return *m_list;
}

void BrowseModel::sortBySortField()
{
    emit sorting(true);
    // The end is reported also when the sort ends in an exception, so no window keeps waiting.
    const auto sorted = qScopeGuard([this] { emit sorting(false); });
    applyMainSortField(m_library.workingTable(), m_sortField, m_sortColumn, m_listShowsSortValue);
}

void BrowseModel::sortAtStartUp()
{
    m_sortField = QStringLiteral("Name");
    sortBySortField();
}

void BrowseModel::rebuildList()
{
    MainListBuild build = buildMainList(
        m_library.workingTable(),
        MainListOptions{m_sortColumn, m_listShowsSortValue, m_listShowsRating, m_ratingColumn});
    m_ratingColumn = build.ratingColumn;
    m_names = std::move(build.names);
    m_list->setEntries(std::move(build.entries));
    m_totalText = std::move(build.totalText);
    if (m_selectedIndex >= listEntries().size())
        m_selectedIndex = -1;
    emit listChanged(static_cast<int>(listEntries().size()));
    select(m_selectedIndex);
}

void BrowseModel::selectFirst()
{
    const int count = static_cast<int>(listEntries().size());
    const Preferences &preferences = m_preferences.preferences();
    int index = preferences.lastSelectedIndex;
    if (index < 0 || index >= count)
        index = 0;
    if (!preferences.rememberLastSelected) {
        m_random.seed(static_cast<std::uint64_t>(m_clock.now().toMSecsSinceEpoch()));
        index = m_random.below(count);
    }
    select(count == 0 ? -1 : index);
}

void BrowseModel::setSortField(const QString &field)
{
    m_sortField = field;
    sortBySortField();
    rebuildList();
}

void BrowseModel::setListShowsRating(bool shown)
{
    m_listShowsRating = shown;
    rebuildList();
}

void BrowseModel::select(int listIndex)
{
    m_selectedRow = 0;
    m_selectedIndex = listIndex >= 0 && listIndex < listEntries().size() ? listIndex : -1;
    if (m_selectedIndex < 0) {
        m_noteLines.clear();
        emit selectionChanged(m_selectedIndex);
        return;
    }
    m_preferences.rememberSelectedIndex(m_selectedIndex);
    m_selectedGameName = gameNameOfEntry(listEntries().at(m_selectedIndex), m_listShowsSortValue, m_listShowsRating);
    m_selectedRow = m_forcedRowPending ? m_forcedRow : m_names.rowOf(m_selectedGameName);
    // The pictures are read, and found, off the window's thread.
    m_details = DetailsContent::forRow(table(), m_selectedRow, libraryRoot(), m_forcedRowPending,
                                       DetailsContent::PictureFiles::AsNamed);
    Result<QStringList> note = DetailsContent::readNoteLines(m_details.notePath);
    if (note) {
        m_noteLines = std::move(*note);
    } else {
        m_noteLines.clear();
        m_report(m_details.notePath, note.error().message());
    }
    if (m_details.platformsUpdated)
        m_entryPlatform = m_details.platform;
    m_forcedRowPending = false;
    emit selectionChanged(m_selectedIndex);
}

void BrowseModel::selectRandomEntry()
{
    select(m_random.below(table().rowCount() - 1));
}

bool BrowseModel::showPlatform(const QString &platform)
{
    if (m_selectedIndex < 0)
        return false;
    const int row = FindOtherPlatform(table(), m_selectedGameName, platform);
    if (row == 0)
        return false;
    m_forcedRow = row;
    m_forcedRowPending = true;
    select(m_selectedIndex);
    return true;
}

bool BrowseModel::showsPlatform(const QString &platform) const
{
    const int column = table().findColumn(QStringLiteral("Platform"));
    return m_selectedIndex >= 0 && m_selectedRow > 0 && column >= 0 &&
           table().cell(column, m_selectedRow) == platform;
}

void BrowseModel::refreshThisGame()
{
    if (m_selectedIndex < 0) {
        emit message(Failure(Failure::Kind::NoEntrySelected).message());
        return;
    }
    if (m_library.isScanRunning())
        return;
    const QString name = gameNameOfEntry(listEntries().at(m_selectedIndex), m_listShowsSortValue, m_listShowsRating);
    const int row = GameRefresh::rowFor(table(), name, m_entryPlatform);
    if (row == 0)
        return;
    if (const Result<void> refreshed = m_library.refreshRow(row); !refreshed) {
        emit message(refreshed.error().message());
        return;
    }
    if (followRefreshedRow(row, name))
        emit listChanged(static_cast<int>(listEntries().size()));
    select(m_selectedIndex);
}

bool BrowseModel::followRefreshedRow(int row, const QString &oldName)
{
    const GameTable &grid = table();
    const QString newName = grid.cell(m_names.nameColumn(), row);
    // The row stays where it is: the table is not sorted again, so neither is the list.
    const QString entry = mainListEntry(grid.cell(1, row), grid.cell(m_ratingColumn, row),
                                        grid.cell(m_sortColumn, row), m_listShowsSortValue, m_listShowsRating);
    const qsizetype at = m_selectedIndex;
    if (newName == oldName) {
        // Only the entry of the record it shows carries that record's rating and sort value.
        if (m_names.rowOf(newName) != row || listEntries().at(at) == entry)
            return false;
        m_list->setEntry(at, entry);
        return true;
    }
    m_names = NameIndex(grid);
    if (m_names.rowOf(oldName) != 0) {
        // The game's other platforms still bear the old name and keep the entry; the renamed
        // record gets one of its own next to it.
        m_list->insertEntry(at + 1, entry);
        ++m_selectedIndex;
    } else {
        m_list->setEntry(at, entry);
    }
    return true;
}

QStringList BrowseModel::valueListFor(const QString &field)
{
    // The quicksort is not stable: this sort also decides which record of a name a folded entry
    // opens after the filter that usually follows, so it stays even where it looks redundant.
    sortBySortField();
    m_names = NameIndex(table());
    return fieldValueList(table(), field);
}

void BrowseModel::applyFieldFilter(const QString &field, const QString &value)
{
    sortBySortField();
    ::applyFieldFilter(m_library.workingTable(), field, value, m_filterModes);
    rebuildList();
}

void BrowseModel::categoryChosen(CategoryMenu menu, const QString &value)
{
    m_galleryHint = galleryHintFor(menu, value);
    switchModeFor(menu, m_filterModes);
}

void BrowseModel::textSearch(const QString &text)
{
    applyTextSearch(m_library.workingTable(), text);
    rebuildList();
}

void BrowseModel::restoreAll()
{
    m_library.restoreAll();
    // The list build folds the games of one name, which is all that is left to do afterwards.
    setSortField(QStringLiteral("Name"));
}

void BrowseModel::rescan()
{
    m_library.reload();
    // The complete copy is in scan order; the list shows the order of the sort field.
    setSortField(m_sortField);
}

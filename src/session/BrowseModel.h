#pragma once

#include "browse/CategoryMenus.h"
#include "browse/DetailsContent.h"
#include "browse/FieldFilter.h"
#include "browse/NameIndex.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class Clock;
class GameTable;
class LibraryModel;
class MainListModel;
class PreferencesModel;
class QAbstractItemModel;
class Random;

// The main list and what it leads to: the sort of the working table, the entries built from it,
// the highlighted entry with its row and details, the switch to another platform's record, and
// the field filter and the text search that narrow the table. Filters delete rows of the working
// table and so accumulate until all games are restored.
class BrowseModel : public QObject
{
    Q_OBJECT
public:
    // A file that is there but cannot be read, told once a run: its path and the text.
    using Report = std::function<void(const QString &path, const QString &text)>;

    BrowseModel(LibraryModel &library, PreferencesModel &preferences, Random &random, const Clock &clock,
                Report report, QObject *parent = nullptr);
    ~BrowseModel() override;

    // The working table as the list was built from it, and the root its paths lead into.
    const GameTable &table() const;
    const QString &libraryRoot() const;

    // The main list as last built.
    const QStringList &listEntries() const;
    // The same entries for the list views. It changes only through this model: a new list is a
    // reset of it, which comes just before listChanged.
    QAbstractItemModel &listModel();
    const QString &totalText() const { return m_totalText; }
    bool listShowsSortValue() const { return m_listShowsSortValue; }
    bool listShowsRating() const { return m_listShowsRating; }

    // The highlighted entry, -1 for none; its game's name and the row of the record shown (0 for
    // none).
    int selectedIndex() const { return m_selectedIndex; }
    const QString &selectedGameName() const { return m_selectedGameName; }
    int selectedRow() const { return m_selectedRow; }
    // What the details show: valid while selectedIndex() is not -1.
    const DetailsContent &details() const { return m_details; }
    const QStringList &noteLines() const { return m_noteLines; }
    // What the last category choice says about the pictures of the games it lists.
    const QString &galleryHint() const { return m_galleryHint; }

    // Start-up: the table just read, sorted by name; the list follows with rebuildList().
    void sortAtStartUp();
    // Rebuilds the list from the working table, keeps the highlighted index where it still
    // exists and selects it again.
    void rebuildList();
    // Start-up's first selection: the remembered entry or a random one; none for an empty list.
    void selectFirst();
    // Sorts by another field and rebuilds the list.
    void setSortField(const QString &field);
    void setListShowsRating(bool shown);

    // The user highlighted a list entry (-1: none). Finds its row and fills the details.
    void select(int listIndex);
    // Fills the details of the highlighted entry again.
    void selectAgain() { select(m_selectedIndex); }
    // Attract mode's step: a random record number taken as a list index. The list can be shorter
    // than the table; an index past its end selects nothing.
    void selectRandomEntry();
    // The selected game's record on another platform, with the platform labels kept; false (and
    // nothing changed) when the table holds no such record.
    bool showPlatform(const QString &platform);
    // Whether the record on show is the selected game's on that platform.
    bool showsPlatform(const QString &platform) const;
    // Refresh This Game: the selected entry's row, on the platform whose record the entry opened,
    // read again from its game ini file, then shown again. A game renamed in its file keeps its
    // place in the list under the new name.
    void refreshThisGame();

    // The values the find panel offers for a field. The table is sorted by the main sort field
    // first; the list is not rebuilt, so the selection finds its row again.
    QStringList valueListFor(const QString &field);
    // Keeps the games whose field holds the value, after the same sort; rebuilds the list.
    void applyFieldFilter(const QString &field, const QString &value);
    // A choice from a category menu sets its one-shot mode and picture hint; the field filter of
    // its field follows.
    void categoryChosen(CategoryMenu menu, const QString &value);
    // Keeps the games one of whose cells contains the text, in any letter case.
    void textSearch(const QString &text);
    // All games again, sorted by name.
    void restoreAll();
    // The library read again when a scan is due, otherwise the complete copy; sorted as before.
    void rescan();
    // A refresh's tables are in: the list keeps the field it was sorted by.
    void resort() { setSortField(m_sortField); }

signals:
    // listEntries() and totalText() are new; a selectionChanged follows.
    void listChanged(int entryCount);
    void selectionChanged(int index);
    // A sort of the whole table started (true) or ended (false); on a large library it takes
    // long enough for the windows to show that they wait.
    void sorting(bool running);
    void message(const QString &text);

private:
    void sortBySortField();
    // After Refresh This Game: the selected entry made to lead to the row just read again, whose
    // name, rating or sort value may be new. True when the entries changed.
    bool followRefreshedRow(int row, const QString &oldName);

    LibraryModel &m_library;
    PreferencesModel &m_preferences;
    Random &m_random;
    const Clock &m_clock;
    Report m_report;
    MainListModel *m_list = nullptr; // a child

    QString m_sortField = QStringLiteral("Name");
    int m_sortColumn = 0;
    bool m_listShowsSortValue = false;
    bool m_listShowsRating = false;
    int m_ratingColumn = 0;
    NameIndex m_names;
    QString m_totalText;

    int m_selectedIndex = -1;
    int m_selectedRow = 0;
    QString m_selectedGameName;
    int m_forcedRow = 0;
    bool m_forcedRowPending = false;
    DetailsContent m_details;
    QStringList m_noteLines;
    // The platform of the record the highlighted entry opened, which the details' platform row
    // names; a switch to another platform's record leaves it as it is.
    QString m_entryPlatform;

    // The one-shot modes of the category menus, and the last category choice's picture hint.
    FilterModes m_filterModes;
    QString m_galleryHint;
};

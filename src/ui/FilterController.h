#pragma once

#include "browse/CategoryMenus.h"
#include "browse/FieldFilter.h"

#include <QObject>
#include <QSet>
#include <QString>

#include <functional>

class FindPanel;
class QLabel;
class ScanObserver;
class SettingsFile;
struct MainState;
struct Platform;

// What the filters need from the main window.
struct FilterWindowHooks
{
    // Rebuilds the list, the category menus and the details from GridMain.
    std::function<void()> LoadMainList;
    // Sorts GridMain by state.MainSortField and rebuilds the list.
    std::function<void()> cbMainSortByChange;
    // GridMain was sorted without a list build: the selection has to find its row again.
    std::function<void()> tableReordered;
    // Reports a scan that a restore has to run; messages go to the dialogs when there is none.
    ScanObserver *scanObserver = nullptr;
};

// Every way of narrowing the list and of getting all games back: the field filter of the find
// panel, the fact labels and the category menus, the text search, and the restores. Filters
// delete rows of GridMain and so accumulate until a restore.
class FilterController : public QObject
{
    Q_OBJECT
public:
    FilterController(MainState &state, SettingsFile &settings, const Platform &platform, FindPanel &panel,
                     FilterWindowHooks hooks, QObject *parent = nullptr);
    ~FilterController() override;

    // The field box's list from the table's field names; both boxes then read "All".
    void fillFieldList();

    // The field filter every caller runs: the field into the field box, its value list, the
    // value into the value box, then the filter.
    void fieldFilter(const QString &field, const QString &value);
    void cbShowOnly1Change();
    // The user changed the field box by hand.
    void fieldBoxChangedByUser();
    void cbShowOnly2Change();
    void btnGoFindClick();
    void btnClearFindClick();
    void mnuAllClick();
    void ShowAll1Click();
    void lblSearchFieldClick();
    // A value chosen from a category menu.
    void categoryClick(CategoryMenu menu, const QString &value);

    void HighlightLabel(QLabel *TheLabel);
    void DEHighlightLabel(QLabel *TheLabel);
    // Hover colouring for these labels from now on.
    void watchHover(const QList<QLabel *> &labels);

    // For the picture sheet: what the last category choice says about its pictures.
    const QString &galleryHint() const { return m_galleryHint; }
    const FilterModes &modes() const { return m_modes; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString fieldText() const;
    QString valueText() const;
    void restoreAllGames();
    void sortByMainSortField();
    void loadMainList();
    void sortAndLoadMainList();

    MainState &m_state;
    SettingsFile &m_settings;
    const Platform &m_platform;
    FindPanel &m_panel;
    FilterWindowHooks m_hooks;
    FilterModes m_modes;
    QString m_galleryHint;
    QSet<QObject *> m_hoverLabels;
};

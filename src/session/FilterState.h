#pragma once

#include "browse/CategoryMenus.h"

#include <QObject>
#include <QStringList>

#include <optional>

class BrowseModel;

// What the find panel holds and offers, and every way of narrowing the list or getting all games
// back: the field filter of the panel, the fact labels and the category menus, the text search
// and the restores. The browse model does the work on the table; filters delete rows of the working
// table and so accumulate until a restore. The panel's boxes show this state and hand on what the
// user typed into them.
class FilterState : public QObject
{
    Q_OBJECT
public:
    // What of the state a change touched.
    enum Change {
        FieldList = 0x1,
        ValueList = 0x2,
        Texts = 0x4,
        Controls = 0x8, // whether the value box takes input and the search is offered
    };
    Q_DECLARE_FLAGS(Changes, Change)

    explicit FilterState(BrowseModel &browse, QObject *parent = nullptr);

    // The field as the field box shows it.
    static QString fieldText(const std::optional<QString> &field);

    // No value: no field filter; a typed text that names no field, even an empty one, is kept
    // as the field name the filter looks up.
    const std::optional<QString> &field() const { return m_field; }
    const QString &value() const { return m_value; }
    const QStringList &fieldList() const { return m_fieldList; }
    const QStringList &valueList() const { return m_valueList; }
    bool valueEnabled() const { return m_valueEnabled; }
    // Whether the Go button of the text search is offered.
    bool searchOffered() const { return m_searchOffered; }

    // What the user typed into the boxes since the last operation; nothing is shown anew.
    void takeTyped(const QString &fieldText, const QString &value);

    // The field list from the table's field names; neither a field nor a value chosen.
    void fillFieldList();
    // The panel opened: both boxes empty.
    void clearTexts();
    // The field filter every caller runs: the field, its value list, the value, then the filter.
    void fieldFilter(const QString &fieldText, const QString &value);
    // The user changed the field: its value list, keeping the value typed.
    void chooseField(const QString &fieldText);
    // The user typed into the value box.
    void editValue(const QString &value);
    // The user chose or confirmed a value: the field filter, or with no field the search offered.
    void chooseValue(const QString &value);
    // Go: the text search for the value.
    void search();
    // Clear and Show All: all games from the data cache, both boxes empty.
    void restoreAll();
    // Show All Games: the same, and the boxes as after start-up.
    void showAllGames();
    // A click on the search field's caption: all games read again when a scan is due, otherwise
    // the complete copy; the value box waits for the next value list.
    void rescan();
    // A value chosen from a category menu: its mode and hint, then the field filter of its field.
    void categoryChosen(CategoryMenu menu, const QString &value);

signals:
    void changed(FilterState::Changes changes);

private:
    // The text the field box shows for no field filter, the first item of its list. The value
    // box shows it as well for no value, and a search for it searches for these letters.
    static QString noFilterText();
    // What a field box text means: no field filter for noFilterText(), otherwise a field name.
    static std::optional<QString> fieldOfText(const QString &text);
    // The value list of the field, the value kept; the value box takes input again.
    void listValues();
    void applyValue();

    BrowseModel &m_browse;
    std::optional<QString> m_field = QString();
    QString m_value;
    QStringList m_fieldList;
    QStringList m_valueList;
    bool m_valueEnabled = true;
    bool m_searchOffered = false;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(FilterState::Changes)

#include "session/FilterState.h"

#include "browse/ValueLists.h"
#include "session/BrowseModel.h"

FilterState::FilterState(BrowseModel &browse, QObject *parent) : QObject(parent), m_browse(browse)
{
}

QString FilterState::noFilterText()
{
    return QStringLiteral("All");
}

QString FilterState::fieldText(const std::optional<QString> &field)
{
    return field ? *field : noFilterText();
}

std::optional<QString> FilterState::fieldOfText(const QString &text)
{
    if (text == noFilterText())
        return std::nullopt;
    return text;
}

void FilterState::takeTyped(const QString &fieldText, const QString &value)
{
    m_field = fieldOfText(fieldText);
    m_value = value;
}

void FilterState::fillFieldList()
{
    m_fieldList = filterFieldList(m_browse.table());
    m_field.reset();
    m_value = noFilterText();
    emit changed(FieldList | Texts);
}

void FilterState::clearTexts()
{
    m_field = QString();
    m_value.clear();
    emit changed(Texts);
}

void FilterState::fieldFilter(const QString &fieldText, const QString &value)
{
    m_field = fieldOfText(fieldText);
    emit changed(Texts);
    listValues();
    m_value = value;
    emit changed(Texts);
    applyValue();
}

void FilterState::listValues()
{
    m_valueList = m_browse.valueListFor(fieldText(m_field));
    m_valueEnabled = true;
    if (m_field)
        m_searchOffered = false;
    emit changed(ValueList | Texts | Controls);
}

void FilterState::chooseField(const QString &fieldText)
{
    m_field = fieldOfText(fieldText);
    listValues();
    // No list build follows a change of the field alone, yet the sort behind the value list may
    // have moved the rows, another platform's record of the shown name among them.
    m_browse.selectAgain();
}

void FilterState::editValue(const QString &value)
{
    m_value = value;
    // Typing a value filters only once it is chosen or confirmed: filtering on every keystroke
    // would narrow the table by each unfinished prefix and leave nothing to find. A search text
    // is different: typing one offers the search at once.
    if (!m_field && !m_searchOffered) {
        m_searchOffered = true;
        emit changed(Controls);
    }
}

void FilterState::chooseValue(const QString &value)
{
    m_value = value;
    applyValue();
}

void FilterState::applyValue()
{
    if (!m_field) {
        m_searchOffered = true;
        emit changed(Controls);
        return;
    }
    m_browse.applyFieldFilter(*m_field, m_value);
}

void FilterState::search()
{
    m_browse.textSearch(m_value);
}

void FilterState::restoreAll()
{
    m_field = QString();
    m_value.clear();
    m_searchOffered = false;
    emit changed(Texts | Controls);
    m_browse.restoreAll();
}

void FilterState::showAllGames()
{
    // An item that promises all games shows all games; the boxes then read as after start-up.
    restoreAll();
    m_field.reset();
    emit changed(Texts);
    listValues();
}

void FilterState::rescan()
{
    m_value = noFilterText();
    m_valueEnabled = false;
    emit changed(Texts | Controls);
    m_browse.rescan();
}

void FilterState::categoryChosen(CategoryMenu menu, const QString &value)
{
    m_browse.categoryChosen(menu, value);
    fieldFilter(QLatin1String(categoryMenuInfo(menu).filterField), value);
}

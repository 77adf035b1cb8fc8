#include "library/GameTable.h"

#include <algorithm>
#include <atomic>
#include <deque>
#include <iterator>
#include <numeric>
#include <string_view>
#include <utility>

namespace {

const QString &emptyText()
{
    static const QString empty;
    return empty;
}

// After this many texts a column knows whether looking its texts up is worth the index.
constexpr size_t SampleSize = 512;
// A column read without look-ups gets an index later only when it holds few texts.
constexpr size_t MaxIndexedTexts = 4096;

} // namespace

// The texts of one column. Copies of a table share them, and texts are only ever added, never
// changed or taken away: a number means the same text to every table that holds it, whichever of
// them added texts since. A deque keeps every text where it is, so a reference to a cell stays
// good while other cells of its column change.
class GameTable::ColumnTexts
{
public:
    ColumnTexts() { m_texts.emplace_back(); }

    const QString &text(TextId id) const { return id < m_texts.size() ? m_texts[id] : emptyText(); }
    TextId size() const { return static_cast<TextId>(m_texts.size()); }

    TextId add(const QString &text)
    {
        if (text.isEmpty())
            return EmptyText;
        if (m_lookup == Lookup::Pending) {
            // Made only for a column of few texts: one of many thousand names would cost as much
            // as the column and find nothing.
            if (m_texts.size() > MaxIndexedTexts) {
                m_lookup = Lookup::Off;
            } else {
                for (TextId id = 1; id < size(); ++id)
                    m_index.insert(m_texts[id], id);
                m_lookup = Lookup::On;
            }
        }
        if (m_lookup == Lookup::Off)
            return push(text);
        // A column whose texts are nearly all different (names, numbers, file names) gains
        // nothing from the look-ups but their cost and an index as large as itself.
        if (++m_looks == SampleSize && m_index.size() * 10 > qsizetype(SampleSize) * 9) {
            m_lookup = Lookup::Off;
            m_index = QHash<QString, TextId>();
            return push(text);
        }
        if (const auto known = m_index.constFind(text); known != m_index.constEnd())
            return known.value();
        const TextId id = push(text);
        m_index.insert(text, id);
        return id;
    }

    // The look-up index serves filling; a table once filled rarely takes new texts.
    void dropIndex()
    {
        if (m_lookup == Lookup::Off || m_index.isEmpty())
            return;
        m_lookup = Lookup::Pending;
        m_index = QHash<QString, TextId>();
    }
    TextId append(const QString &text)
    {
        if (text.isEmpty())
            return EmptyText;
        if (m_lookup == Lookup::On) {
            // The index lacks this text from now on; it is made again when a look-up needs it.
            m_lookup = Lookup::Pending;
            m_index = QHash<QString, TextId>();
        }
        return push(text);
    }

    const std::vector<quint32> &order() const
    {
        if (m_ordered == m_texts.size())
            return m_order;
        // The first sixteen code units of each text, packed so that integer order is code unit
        // order (a shorter text padded with zeros, which sorts it first): most comparisons end
        // there, and only texts alike in their first sixteen units compare in full.
        constexpr int HeadWords = 4;
        struct Entry
        {
            quint64 head[HeadWords];
            TextId id;
        };
        std::vector<Entry> entries(m_texts.size());
        for (size_t i = 0; i < m_texts.size(); ++i) {
            const QString &t = m_texts[i];
            Entry &e = entries[i];
            std::fill(std::begin(e.head), std::end(e.head), 0);
            const qsizetype n = std::min<qsizetype>(t.size(), 4 * HeadWords);
            for (qsizetype u = 0; u < n; ++u)
                e.head[u / 4] |= quint64(t.at(u).unicode()) << (48 - 16 * (u % 4));
            e.id = static_cast<TextId>(i);
        }
        const auto view = [this](TextId id) {
            const QString &t = m_texts[id];
            return std::u16string_view(reinterpret_cast<const char16_t *>(t.constData()), static_cast<size_t>(t.size()));
        };
        const auto compare = [&](const Entry &a, const Entry &b) {
            for (int w = 0; w < HeadWords; ++w) {
                if (a.head[w] != b.head[w])
                    return a.head[w] < b.head[w] ? -1 : 1;
            }
            const int full = view(a.id).compare(view(b.id));
            return full < 0 ? -1 : full > 0 ? 1 : 0;
        };
        std::sort(entries.begin(), entries.end(), [&](const Entry &a, const Entry &b) { return compare(a, b) < 0; });
        m_order.assign(entries.size(), 0);
        quint32 place = 0;
        for (size_t i = 0; i < entries.size(); ++i) {
            if (i > 0 && compare(entries[i - 1], entries[i]) != 0)
                ++place;
            m_order[entries[i].id] = place;
        }
        m_ordered = m_texts.size();
        return m_order;
    }

private:
    enum class Lookup { On, Pending, Off };

    TextId push(const QString &text)
    {
        m_texts.push_back(text);
        return static_cast<TextId>(m_texts.size() - 1);
    }

    std::deque<QString> m_texts;
    QHash<QString, TextId> m_index;
    Lookup m_lookup = Lookup::On;
    size_t m_looks = 0;
    // The sort order of the texts, as of the last sort; a column only grows, so its size tells
    // whether the order still holds.
    mutable std::vector<quint32> m_order;
    mutable size_t m_ordered = 0;
};

GameTable::GameTable()
{
    m_columns.push_back(newColumn());
    changed();
}

void GameTable::changed()
{
    // Numbers come from one counter for all tables, so that only a copy can share one.
    static std::atomic<quint64> last{0};
    m_revision = ++last;
    m_cellsRevision = m_revision;
}

GameTable::Column GameTable::newColumn() const
{
    Column column;
    column.texts = std::make_shared<ColumnTexts>();
    column.ids.resize(m_places, EmptyText);
    return column;
}

int GameTable::addPlaces(int count)
{
    const int first = m_places;
    m_places += count;
    for (Column &column : m_columns)
        column.ids.resize(m_places, EmptyText);
    return first;
}

void GameTable::setRowCount(int rows)
{
    rows = std::max(rows, 1);
    const int current = rowCount();
    if (rows == current)
        return;
    if (rows < current) {
        m_order.resize(rows);
    } else {
        const int first = addPlaces(rows - current);
        m_order.reserve(rows);
        for (int place = first; place < m_places; ++place)
            m_order.append(place);
    }
    changed();
}

void GameTable::setColumnCount(int columns)
{
    columns = std::max(columns, 1);
    if (columns == columnCount())
        return;
    if (columns < columnCount()) {
        m_columns.resize(static_cast<size_t>(columns));
    } else {
        m_columns.reserve(static_cast<size_t>(columns));
        while (columnCount() < columns)
            m_columns.push_back(newColumn());
    }
    invalidateIndex();
    changed();
}

void GameTable::setSize(int columns, int rows)
{
    setColumnCount(columns);
    setRowCount(rows);
}

const QString &GameTable::cell(int column, int row) const
{
    if (row < 0 || column < 0 || row >= rowCount() || column >= columnCount())
        return emptyText();
    const Column &c = m_columns[static_cast<size_t>(column)];
    return c.texts->text(c.ids.constData()[m_order.constData()[row]]);
}

void GameTable::setCell(int column, int row, const QString &text)
{
    if (row < 0 || column < 0 || row >= rowCount() || column >= columnCount())
        return;
    Column &c = m_columns[static_cast<size_t>(column)];
    const TextId id = c.texts->add(text);
    const int place = m_order.constData()[row];
    // Writing a cell its own text again leaves a shared column shared.
    if (c.ids.constData()[place] != id) {
        c.ids[place] = id;
        changed();
    }
    if (row == 0)
        invalidateIndex();
}

std::vector<QString> GameTable::rowCells(int row) const
{
    std::vector<QString> cells;
    if (row < 0 || row >= rowCount())
        return cells;
    const int place = m_order.constData()[row];
    cells.reserve(m_columns.size());
    for (const Column &c : m_columns)
        cells.push_back(c.texts->text(c.ids.constData()[place]));
    return cells;
}

void GameTable::appendRow(const std::vector<QString> &cells)
{
    const int place = m_places++;
    for (size_t c = 0; c < m_columns.size(); ++c) {
        Column &column = m_columns[c];
        column.ids.append(c < cells.size() ? column.texts->add(cells[c]) : EmptyText);
    }
    m_order.append(place);
    changed();
}

void GameTable::keepOnly(const std::vector<int> &rows)
{
    // Only the order changes: the columns, and so whatever shares them, stay as they are.
    QList<int> kept;
    kept.reserve(static_cast<qsizetype>(rows.size()));
    const int *places = m_order.constData();
    for (const int row : rows)
        kept.append(places[row]);
    m_order = std::move(kept);
    invalidateIndex();
    changed();
}

void GameTable::permuteRows(const std::vector<int> &order)
{
    if (static_cast<int>(order.size()) != rowCount())
        return;
    const quint64 cells = m_cellsRevision;
    keepOnly(order);
    m_cellsRevision = cells;
}

const QString &GameTable::text(int column, TextId id) const
{
    if (column < 0 || column >= columnCount())
        return emptyText();
    return m_columns[static_cast<size_t>(column)].texts->text(id);
}

GameTable::TextId GameTable::textCount(int column) const
{
    return column < 0 || column >= columnCount() ? 0 : m_columns[static_cast<size_t>(column)].texts->size();
}

GameTable::TextId GameTable::addText(int column, const QString &text)
{
    return m_columns[static_cast<size_t>(column)].texts->add(text);
}

GameTable::TextId GameTable::appendText(int column, const QString &text)
{
    return m_columns[static_cast<size_t>(column)].texts->append(text);
}

void GameTable::dropLookups()
{
    for (Column &column : m_columns)
        column.texts->dropIndex();
}

void GameTable::setTextIds(int column, QList<TextId> ids)
{
    if (column < 0 || column >= columnCount() || ids.size() != m_places)
        return;
    m_columns[static_cast<size_t>(column)].ids = std::move(ids);
    invalidateIndex();
    changed();
}

const std::vector<quint32> &GameTable::textOrder(int column) const
{
    return m_columns[static_cast<size_t>(column)].texts->order();
}

void GameTable::buildIndex() const
{
    m_columnIndex.clear();
    // Later columns overwrite earlier ones, so a name listed twice resolves to its last column.
    for (int c = 0; c < columnCount(); ++c)
        m_columnIndex.insert(cell(c, 0), c);
    m_indexValid = true;
}

int GameTable::findColumn(const QString &fieldName) const
{
    if (!m_indexValid)
        buildIndex();
    return m_columnIndex.value(fieldName, -1);
}

int GameTable::column(const QString &fieldName) const
{
    const int c = findColumn(fieldName);
    return c < 0 ? 0 : c;
}

QStringList GameTable::fieldNames() const
{
    QStringList names;
    names.reserve(columnCount());
    for (int c = 0; c < columnCount(); ++c)
        names.append(cell(c, 0));
    return names;
}

bool GameTable::operator==(const GameTable &other) const
{
    if (rowCount() != other.rowCount() || columnCount() != other.columnCount())
        return false;
    const int rows = rowCount();
    for (int c = 0; c < columnCount(); ++c) {
        const bool shared = m_columns[static_cast<size_t>(c)].texts == other.m_columns[static_cast<size_t>(c)].texts;
        for (int r = 0; r < rows; ++r) {
            const TextId a = textId(c, r);
            const TextId b = other.textId(c, r);
            if ((!shared || a != b) && text(c, a) != other.text(c, b))
                return false;
        }
    }
    return true;
}

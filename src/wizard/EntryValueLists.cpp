#include "wizard/EntryValueLists.h"

#include "base/CaseFold.h"
#include "launch/EmulatorRegistry.h"
#include "library/GameTable.h"

#include <QSet>

#include <algorithm>
#include <vector>

namespace {

// Keeps the first spelling of every value, in the order met.
class FirstSpellings
{
public:
    void add(const QString &value)
    {
        if (value.isEmpty() || m_seen.contains(CaseFoldedKey{value}))
            return;
        m_seen.insert(CaseFoldedKey{value});
        m_values.append(value);
    }

    // Every column headed exactly `field`, in column order, rows top to bottom.
    void addColumns(const GameTable &table, const QString &field)
    {
        if (table.findColumn(field) < 0)
            return;
        for (int c = 0; c < table.columnCount(); ++c) {
            if (table.cell(c, 0) != field)
                continue;
            // Only the first row of each text can bring a spelling not met before.
            std::vector<bool> met(table.textCount(c), false);
            for (int r = 1; r < table.rowCount(); ++r) {
                const GameTable::TextId id = table.textId(c, r);
                if (!met[id]) {
                    met[id] = true;
                    add(table.text(c, id));
                }
            }
        }
    }

    const QStringList &values() const { return m_values; }

private:
    QSet<CaseFoldedKey> m_seen;
    QStringList m_values;
};

QStringList collect(const GameTable &table, std::initializer_list<const char *> fields)
{
    FirstSpellings spellings;
    for (const char *field : fields)
        spellings.addColumns(table, QLatin1String(field));
    return spellings.values();
}

} // namespace

EntryValueLists EntryValueLists::build(const GameTable &table, const EmulatorRegistry &emulators)
{
    EntryValueLists lists;
    const int nameColumn = table.columnCount() > 1 ? 1 : 0;
    lists.loadGame.reserve(table.rowCount());
    for (int r = 1; r < table.rowCount(); ++r)
        lists.loadGame.append(table.cell(nameColumn, r));

    // Older tables name the column DBConf; both spellings are the same field.
    lists.dbScumm = collect(table, {"DBConf/ScummID", "DBConf"});

    FirstSpellings emulator;
    emulator.addColumns(table, QStringLiteral("Emulator"));
    for (int i = 0; i < EmulatorRegistry::BuiltInCount; ++i)
        emulator.add(emulators.builtIn(i).Nick);
    for (int slot = 1; slot <= EmulatorRegistry::CustomSlotCount; ++slot)
        emulator.add(emulators.customSlot(slot).Nick);
    lists.emulator = emulator.values();
    std::stable_sort(lists.emulator.begin(), lists.emulator.end(), [](const QString &a, const QString &b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });

    lists.publisher = collect(table, {"Publisher"});
    lists.developer = collect(table, {"Developer"});
    lists.genre = collect(table, {"Genre"});
    lists.subGenre = collect(table, {"SubGenre", "SubGenre2"});
    lists.designer = collect(table, {"Designer", "Designer2"});
    lists.platform = collect(table, {"Platform"});
    lists.series = collect(table, {"Series", "Series2"});
    return lists;
}

QStringList ratingItems()
{
    return {QString(), QStringLiteral("*"), QStringLiteral("**"), QStringLiteral("***"), QStringLiteral("****"),
            QStringLiteral("*****"), QStringLiteral("Love"), QStringLiteral("Hate")};
}

#include "wizard/EntryFields.h"

namespace {

std::array<EntryFieldInfo, EntryFieldCount> makeTable()
{
    using F = EntryField;
    return {{
        {F::Name, "Name"},
        {F::Year, "Year"},
        {F::Series, "Series"},
        {F::Series2, "Series2"},
        {F::Platform, "Platform"},
        {F::Manual, "Manual"},
        {F::Publisher, "Publisher"},
        {F::Developer, "Developer"},
        {F::Genre, "Genre"},
        {F::SubGenre, "SubGenre"},
        {F::SubGenre2, "SubGenre2"},
        {F::Designer, "Designer"},
        {F::Designer2, "Designer2"},
        {F::Executable, "Executable"},
        {F::DBScumm, "DBConf/ScummID"},
        {F::Emulator, "Emulator"},
        {F::Setup, "Setup"},
        {F::Front01, "Front01"},
        {F::Back01, "Back01"},
        {F::Media01, "Media01"},
        {F::Screen01, "Screen01"},
        {F::Title01, "Title01"},
        {F::Adv01, "Adv01"},
        {F::Extra1, "Extra1"},
        {F::ExtraLink1, "ExtraLink1"},
        {F::Extra2, "Extra2"},
        {F::ExtraLink2, "ExtraLink2"},
        {F::Extra3, "Extra3"},
        {F::ExtraLink3, "ExtraLink3"},
        {F::Extra4, "Extra4"},
        {F::ExtraLink4, "ExtraLink4"},
        {F::Extra5, "Extra5"},
        {F::ExtraLink5, "ExtraLink5"},
        {F::Extra6, "Extra6"},
        {F::ExtraLink6, "ExtraLink6"},
        {F::Extra7, "Extra7"},
        {F::ExtraLink7, "ExtraLink7"},
        {F::About, "About"},
        {F::Rating, "Rating"},
        {F::CustomEmuPath, "CustomEmuPath"},
    }};
}

} // namespace

const std::array<EntryFieldInfo, EntryFieldCount> &entryFields()
{
    static const std::array<EntryFieldInfo, EntryFieldCount> table = makeTable();
    return table;
}

const EntryFieldInfo &entryFieldInfo(EntryField field)
{
    return entryFields()[static_cast<size_t>(field)];
}

QString storableValue(const QString &text)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            // A pasted CR LF is one break, and so is a run of them: one blank stands for it.
            while (i + 1 < text.size() && (text.at(i + 1) == QLatin1Char('\r') || text.at(i + 1) == QLatin1Char('\n')))
                ++i;
            if (!result.isEmpty() && !result.endsWith(QLatin1Char(' ')))
                result.append(QLatin1Char(' '));
            continue;
        }
        result.append(c);
    }
    qsizetype begin = 0;
    qsizetype end = result.size();
    auto blank = [](QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); };
    while (begin < end && blank(result.at(begin)))
        ++begin;
    while (end > begin && blank(result.at(end - 1)))
        --end;
    return result.mid(begin, end - begin);
}

GameEntry clearedEntry()
{
    GameEntry entry;
    entry[EntryField::Rating] = QStringLiteral("None");
    return entry;
}

const std::array<EntryField, 5> &frontCopyFields()
{
    static const std::array<EntryField, 5> fields{EntryField::Back01, EntryField::Media01, EntryField::Title01,
                                                  EntryField::Adv01, EntryField::Screen01};
    return fields;
}

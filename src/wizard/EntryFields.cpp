#include "wizard/EntryFields.h"

namespace {

std::array<EntryFieldInfo, EntryFieldCount> makeTable()
{
    using F = EntryField;
    return {{
        {F::Name, "Name", "eName"},
        {F::Year, "Year", "eYear"},
        {F::Series, "Series", "eSeries"},
        {F::Series2, "Series2", "eSeries2"},
        {F::Platform, "Platform", "ePlatform"},
        {F::Manual, "Manual", "eManual"},
        {F::Publisher, "Publisher", "ePublisher"},
        {F::Developer, "Developer", "eDeveloper"},
        {F::Genre, "Genre", "eGenre"},
        {F::SubGenre, "SubGenre", "eSubGenre"},
        {F::SubGenre2, "SubGenre2", "eSubGenre2"},
        {F::Designer, "Designer", "eDesigner"},
        {F::Designer2, "Designer2", "eDesigner2"},
        {F::Executable, "Executable", "eExecutable"},
        {F::DBScumm, "DBConf/ScummID", "eDBScumm"},
        {F::Emulator, "Emulator", "eEmulator"},
        {F::Setup, "Setup", "eSetup"},
        {F::Front01, "Front01", "eFront01"},
        {F::Back01, "Back01", "eBack01"},
        {F::Media01, "Media01", "eMedia01"},
        {F::Screen01, "Screen01", "eScreen01"},
        {F::Title01, "Title01", "eTitle01"},
        {F::Adv01, "Adv01", "eAdv01"},
        {F::Extra1, "Extra1", "eExtra1"},
        {F::ExtraLink1, "ExtraLink1", "eExtraLink1"},
        {F::Extra2, "Extra2", "eExtra2"},
        {F::ExtraLink2, "ExtraLink2", "eExtraLink2"},
        {F::Extra3, "Extra3", "eExtra3"},
        {F::ExtraLink3, "ExtraLink3", "eExtraLink3"},
        {F::Extra4, "Extra4", "eExtra4"},
        {F::ExtraLink4, "ExtraLink4", "eExtraLink4"},
        {F::Extra5, "Extra5", "eExtra5"},
        {F::ExtraLink5, "ExtraLink5", "eExtraLink5"},
        {F::Extra6, "Extra6", "eExtra6"},
        {F::ExtraLink6, "ExtraLink6", "eExtraLink6"},
        {F::Extra7, "Extra7", "eExtra7"},
        {F::ExtraLink7, "ExtraLink7", "eExtraLink7"},
        {F::About, "About", "eAbout"},
        {F::Rating, "Rating", "cbRating"},
        {F::CustomEmuPath, "CustomEmuPath", "eCustomEmuPath"},
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

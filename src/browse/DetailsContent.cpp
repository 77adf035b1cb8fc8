#include "browse/DetailsContent.h"

#include "base/TextCodec.h"
#include "library/GameTable.h"
#include "library/LibraryPaths.h"

#include <QFile>

namespace {

struct PictureField
{
    const char *field;
    const char *subfolder;
};

constexpr PictureField PictureFields[DetailsContent::PictureSlotCount] = {
    {"Front01", "Front"}, {"Back01", "Back"},   {"Title01", "Title"},
    {"Screen01", "Screen"}, {"Media01", "Media"}, {"Adv01", "Advert"},
};

} // namespace

DetailsContent DetailsContent::forRow(const GameTable &table, int row, const QString &libraryRoot,
                                      bool forcedRowPending, PictureFiles pictures)
{
    DetailsContent c;
    c.row = row;
    const auto cell = [&](const QString &field) { return table.cell(field, row); };

    c.name = cell(QStringLiteral("Name"));
    c.metadataFolder = LibraryPaths::metadataFolder(libraryRoot, table, row);
    c.createdText = QStringLiteral("Created: ") + cell(QStringLiteral("FolderDateCreated"));
    c.modifiedText = QStringLiteral("Modified: ") + cell(QStringLiteral("FolderDateModified"));

    c.year = cell(QStringLiteral("Year"));
    c.publisher = cell(QStringLiteral("Publisher"));
    c.developer = cell(QStringLiteral("Developer"));
    c.genre = cell(QStringLiteral("Genre"));
    c.subGenre = cell(QStringLiteral("SubGenre"));
    c.subGenre2 = cell(QStringLiteral("SubGenre2"));
    c.series = cell(QStringLiteral("Series"));
    c.series2 = cell(QStringLiteral("Series2"));
    c.designer = cell(QStringLiteral("Designer"));
    c.designer2 = cell(QStringLiteral("Designer2"));
    c.setup = cell(QStringLiteral("Setup"));
    c.manual = cell(QStringLiteral("Manual"));

    c.platformsUpdated = !forcedRowPending;
    if (c.platformsUpdated) {
        c.platform = cell(QStringLiteral("Platform"));
        for (int i = 0; i < OtherPlatformCount; ++i)
            c.otherPlatforms[size_t(i)] = cell(QStringLiteral("OtherPlatform") + QString::number(i + 1));
    }
    bool anyExtra = false;
    for (int i = 0; i < ExtraCount; ++i) {
        const QString n = QString::number(i + 1);
        Extra &extra = c.extras[size_t(i)];
        extra.title = cell(QStringLiteral("Extra") + n);
        extra.link = cell(QStringLiteral("ExtraLink") + n);
        anyExtra = anyExtra || !extra.title.isEmpty();
    }
    c.extrasHeading = anyExtra ? QStringLiteral("Extras") : QStringLiteral("No Extras");

    const QString about = cell(QStringLiteral("About"));
    if (!about.isEmpty())
        c.notePath = LibraryPaths::fileBelow(c.metadataFolder, QStringLiteral("About"), about);
    for (int slot = 0; slot < PictureSlotCount; ++slot) {
        const QString value = cell(QLatin1String(PictureFields[slot].field));
        if (value.isEmpty())
            continue;
        const QString subfolder = QLatin1String(PictureFields[slot].subfolder);
        c.picturePaths[size_t(slot)] =
            pictures == PictureFiles::Found
                ? LibraryPaths::fileBelow(c.metadataFolder, subfolder, value)
                : LibraryPaths::join(LibraryPaths::join(c.metadataFolder, subfolder), value);
    }
    return c;
}

QString DetailsContent::filterFieldOf(const QString DetailsContent::*fact)
{
    struct FilterField
    {
        const QString DetailsContent::*fact;
        const char *field;
    };
    // Both series filter over the two series columns, by the name of the first.
    static const FilterField filterFields[] = {
        {&DetailsContent::year, "Year"},           {&DetailsContent::publisher, "Publisher"},
        {&DetailsContent::developer, "Developer"}, {&DetailsContent::genre, "Genre"},
        {&DetailsContent::subGenre, "SubGenre"},   {&DetailsContent::subGenre2, "SubGenre2"},
        {&DetailsContent::series, "Series"},       {&DetailsContent::series2, "Series"},
        {&DetailsContent::designer, "Designer"},   {&DetailsContent::designer2, "Designer2"},
    };
    for (const FilterField &f : filterFields) {
        if (f.fact == fact)
            return QLatin1String(f.field);
    }
    return {};
}

Result<QStringList> DetailsContent::readNoteLines(const QString &path)
{
    if (!LibraryPaths::isRegularFile(path))
        return QStringList();
    QFile file(path);
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    if (file.error() != QFileDevice::NoError)
        return Failure(Failure::Kind::NoteUnreadable, path, file.errorString());
    QString text = TextCodec::decode(bytes).text;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(u'\r', u'\n');
    if (text.endsWith(u'\n'))
        text.chop(1);
    if (text.isEmpty())
        return QStringList();
    return text.split(u'\n');
}

#include "browse/DetailsContent.h"

#include "app/MainLayout.h"
#include "app/TextCodec.h"
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

const FactText *DetailsContent::fact(const QString &label) const
{
    for (const FactText &f : facts) {
        if (f.label == label)
            return &f;
    }
    return nullptr;
}

QString DetailsContent::factText(const QString &label) const
{
    const FactText *f = fact(label);
    return f ? f->text : QString();
}

bool DetailsContent::factVisible(const QString &label) const
{
    const FactText *f = fact(label);
    return f && f->visible;
}

DetailsContent DetailsContent::forRow(const GameTable &table, int row, const QString &libraryRoot,
                                      bool forcedRowPending)
{
    DetailsContent c;
    c.row = row;
    const auto cell = [&](const QString &field) { return table.cell(field, row); };
    const auto shown = [&](const QString &label, const QString &field) {
        const QString text = cell(field);
        c.facts.append(FactText{label, text, !text.isEmpty()});
    };
    const auto holder = [&](const QString &label, const QString &field) {
        c.facts.append(FactText{label, cell(field), false});
    };

    c.name = cell(QStringLiteral("Name"));
    c.metadataFolder = LibraryPaths::metadataFolder(libraryRoot, table, row);
    c.createdText = QStringLiteral("Created: ") + cell(QStringLiteral("FolderDateCreated"));
    c.modifiedText = QStringLiteral("Modified: ") + cell(QStringLiteral("FolderDateModified"));

    shown(QStringLiteral("lblYear"), QStringLiteral("Year"));
    shown(QStringLiteral("lblPublisher"), QStringLiteral("Publisher"));
    shown(QStringLiteral("lblDeveloper"), QStringLiteral("Developer"));
    shown(QStringLiteral("lblGenre"), QStringLiteral("Genre"));
    shown(QStringLiteral("lblSubGenre"), QStringLiteral("SubGenre"));
    shown(QStringLiteral("lblSubGenre2"), QStringLiteral("SubGenre2"));
    holder(QStringLiteral("lblManual"), QStringLiteral("Manual"));
    c.platformsUpdated = !forcedRowPending;
    if (c.platformsUpdated)
        shown(QStringLiteral("lblPlatform"), QStringLiteral("Platform"));
    shown(QStringLiteral("lblDesigner"), QStringLiteral("Designer"));
    shown(QStringLiteral("lblDesigner2"), QStringLiteral("Designer2"));
    shown(QStringLiteral("lblSeries"), QStringLiteral("Series"));
    shown(QStringLiteral("lblSeries2"), QStringLiteral("Series2"));
    shown(QStringLiteral("lblSetup"), QStringLiteral("Setup"));
    bool anyExtra = false;
    for (int i = 1; i <= MainLayout::ExtraCount; ++i) {
        const QString n = QString::number(i);
        shown(QStringLiteral("lblExtra") + n, QStringLiteral("Extra") + n);
        anyExtra = anyExtra || c.facts.back().visible;
        holder(QStringLiteral("lblExtraLink") + n, QStringLiteral("ExtraLink") + n);
    }
    if (c.platformsUpdated) {
        for (int i = 1; i <= 10; ++i) {
            const QString n = QString::number(i);
            shown(QStringLiteral("lblOtherPlatform") + n, QStringLiteral("OtherPlatform") + n);
        }
    }
    c.facts.append(FactText{QStringLiteral("lblManual2"), QStringLiteral("Available"),
                            !cell(QStringLiteral("Manual")).isEmpty()});
    c.extrasHeading = anyExtra ? QStringLiteral("Extras") : QStringLiteral("No Extras");

    const QString about = cell(QStringLiteral("About"));
    if (!about.isEmpty())
        c.notePath = LibraryPaths::fileBelow(c.metadataFolder, QStringLiteral("About"), about);
    for (int slot = 0; slot < PictureSlotCount; ++slot) {
        const QString value = cell(QLatin1String(PictureFields[slot].field));
        if (!value.isEmpty())
            c.picturePaths[size_t(slot)] =
                LibraryPaths::fileBelow(c.metadataFolder, QLatin1String(PictureFields[slot].subfolder), value);
    }
    return c;
}

QStringList DetailsContent::readNoteLines(const QString &path, QString *error)
{
    if (!LibraryPaths::isRegularFile(path))
        return {};
    QFile file(path);
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = QStringLiteral("Could not read the note \"%1\": %2").arg(path, file.errorString());
        return {};
    }
    QString text = TextCodec::decode(bytes).text;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(u'\r', u'\n');
    if (text.endsWith(u'\n'))
        text.chop(1);
    if (text.isEmpty())
        return {};
    return text.split(u'\n');
}

bool DetailsContent::noteNeedsScrollBar(int displayedLineCount)
{
    return MainLayout::noteNeedsScrollBar(displayedLineCount);
}

#include "browse/ImageSheet.h"

#include "browse/PngThumbnail.h"

#include "library/GameTable.h"
#include "library/LibraryPaths.h"

#include <QFile>
#include <QImageReader>

namespace ImageSheet {

namespace {

struct NamedKind
{
    const char *name;
    const char *mainField;
    const char *mainSubfolder;
    const char *fallbackField;
    const char *fallbackSubfolder;
};

constexpr NamedKind Kinds[] = {
    {"Fronts", "Front01", "Front", "Title01", "Title"},
    {"Titles", "Title01", "Title", "Screen01", "Screen"},
    {"Media", "Media01", "Media", "Front01", "Front"},
    {"Screens", "Screen01", "Screen", "Title01", "Title"},
};

SheetPicture pictureAt(const GameTable &table, int row, const QString &libraryRoot, const PictureKind &kind,
                       int nameColumn, int mainColumn, int fallbackColumn)
{
    SheetPicture picture;
    picture.row = row;
    picture.name = table.cell(nameColumn, row);
    picture.identity = rowIdentity(table, row);
    const QString main = table.cell(mainColumn, row);
    const QString fallback = table.cell(fallbackColumn, row);
    if (main.isEmpty() && fallback.isEmpty())
        return picture;
    const QString folder = LibraryPaths::metadataFolder(libraryRoot, table, row);
    picture.fallback = main.isEmpty();
    picture.path = picture.fallback ? LibraryPaths::fileBelow(folder, kind.fallbackSubfolder, fallback)
                                    : LibraryPaths::fileBelow(folder, kind.mainSubfolder, main);
    return picture;
}

} // namespace

QStringList kindNames()
{
    QStringList names;
    for (const NamedKind &kind : Kinds)
        names << QLatin1String(kind.name);
    return names;
}

PictureKind kindFor(const QString &name)
{
    const NamedKind *chosen = &Kinds[0];
    for (const NamedKind &kind : Kinds) {
        if (name == QLatin1String(kind.name))
            chosen = &kind;
    }
    return PictureKind{QLatin1String(chosen->mainField), QLatin1String(chosen->mainSubfolder),
                       QLatin1String(chosen->fallbackField), QLatin1String(chosen->fallbackSubfolder)};
}

QVector<SheetPicture> picturesOf(const GameTable &table, const QString &libraryRoot, const PictureKind &kind)
{
    const int nameColumn = table.findColumn(QStringLiteral("Name"));
    const int mainColumn = table.findColumn(kind.mainField);
    const int fallbackColumn = table.findColumn(kind.fallbackField);
    QVector<SheetPicture> pictures;
    for (int row = 1; row < table.rowCount(); ++row) {
        SheetPicture picture =
            pictureAt(table, row, libraryRoot, kind, nameColumn, mainColumn, fallbackColumn);
        // A main picture that is missing is not replaced by the fallback: the game shows nothing.
        if (!picture.path.isEmpty() && LibraryPaths::isRegularFile(picture.path))
            pictures.append(std::move(picture));
    }
    return pictures;
}

QString rowIdentity(const GameTable &table, int row)
{
    QString identity;
    for (const char *field : {"Folder", "Subfolder", "IniFile", "Name"})
        identity += table.cell(QLatin1String(field), row) + QChar(0);
    return identity;
}

int rowOf(const GameTable &table, const QString &identity, int likelyRow)
{
    if (likelyRow > 0 && likelyRow < table.rowCount() && rowIdentity(table, likelyRow) == identity)
        return likelyRow;
    for (int row = 1; row < table.rowCount(); ++row) {
        if (rowIdentity(table, row) == identity)
            return row;
    }
    return -1;
}

QSize thumbnailSize(const QSize &natural, const QSize &box)
{
    if (natural.isEmpty() || box.isEmpty())
        return QSize();
    if (natural.width() <= box.width() && natural.height() <= box.height())
        return natural;
    return natural.scaled(box, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

Result<QImage> decodeThumbnail(const QString &path, const QSize &box, PngThumbnail::UnpackBudget *budget)
{
    if (!LibraryPaths::isRegularFile(path) || box.isEmpty())
        return QImage();
    {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly) && file.peek(8).startsWith("\x89PNG")) {
            const QByteArray data = file.readAll();
            const QSize shown = thumbnailSize(PngThumbnail::pictureSize(data), box);
            QImage image = PngThumbnail::decode(data, shown, budget);
            if (!image.isNull())
                return image;
        }
    }
    QImageReader reader(path);
    reader.setAutoTransform(true);
    QSize natural = reader.size();
    // The reader scales before it turns the picture; a picture stored on its side swaps sides.
    const bool turned = reader.transformation().testFlag(QImageIOHandler::TransformationRotate90);
    if (turned)
        natural.transpose();
    QImage image;
    if (natural.isValid()) {
        QSize shown = thumbnailSize(natural, box);
        if (shown.isValid() && shown != natural) {
            if (turned)
                shown.transpose();
            reader.setScaledSize(shown);
        }
        image = reader.read();
    } else {
        // A format that cannot tell its size before decoding.
        image = reader.read();
        const QSize shown = thumbnailSize(image.size(), box);
        if (!image.isNull() && shown != image.size())
            image = image.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    if (image.isNull())
        return Failure(Failure::Kind::PictureUndecodable, path, reader.errorString());
    return image;
}

} // namespace ImageSheet

#pragma once

#include "base/Result.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <QVector>

class GameTable;
namespace PngThumbnail {
class UnpackBudget;
}

// The picture sheet below the windows: which picture each game shows and decoding a picture
// straight to thumbnail size.
namespace ImageSheet {

// One picture kind of the sheet: the field and sub-folder of the picture it shows, and the ones
// used when a game leaves the main field empty.
struct PictureKind
{
    QString mainField;
    QString mainSubfolder;
    QString fallbackField;
    QString fallbackSubfolder;
};

// The kinds the sheet offers, in the order they are listed.
QStringList kindNames();
// The kind named as in kindNames(); an unknown name gives the first kind, "Fronts".
PictureKind kindFor(const QString &name);

// A game that gets a thumbnail: its row in the working table, its name and the picture file.
struct SheetPicture
{
    int row = 0;
    QString name;
    QString path;
    bool fallback = false;
    // Which game it is, whatever the row holds after later filters and sorts.
    QString identity;
};

// Every row whose picture file exists, in table order. A row shows the main field's file, or the
// fallback field's when the main field is empty; the path is resolved as it exists on disk.
QVector<SheetPicture> picturesOf(const GameTable &table, const QString &libraryRoot, const PictureKind &kind);

// What tells a game from the others: its folders, ini file and name.
QString rowIdentity(const GameTable &table, int row);
// The row that holds the game now: `likelyRow` when it still does, otherwise a search; -1 when
// the working table no longer holds it.
int rowOf(const GameTable &table, const QString &identity, int likelyRow);

// The picture decoded at the size it is shown in a box: scaled down proportionally when it is
// larger, its natural size otherwise. Large pictures are never decoded whole where the format
// can decode at a smaller scale. Null when the file is missing (or the box empty); a failure when
// it is there but cannot be decoded. The workers of one sheet share one `budget` of memory for
// unpacking.
Result<QImage> decodeThumbnail(const QString &path, const QSize &box, PngThumbnail::UnpackBudget *budget = nullptr);
// The size a picture of natural size `natural` is shown at in `box`.
QSize thumbnailSize(const QSize &natural, const QSize &box);

} // namespace ImageSheet

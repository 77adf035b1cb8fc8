#pragma once

#include "base/Result.h"
#include "browse/ImageSheet.h"
#include "browse/ThumbnailLoader.h"

#include <QImage>
#include <QMap>
#include <QRect>
#include <QString>
#include <QVector>

#include <functional>
#include <optional>

class GameTable;

// One build of the image sheet, from "Load" to its last picture: which game each job is, where
// its thumbnail goes, how far the sheet is whole, and what became of the pictures that could not
// be shown. The tab makes the thumbnails; this keeps the books.
class SheetBuild
{
public:
    // Where a picture's thumbnail goes on the sheet; asked once a picture, in sheet order.
    using Place = std::function<QRect(const ImageSheet::SheetPicture &)>;
    // The one message of a build that had pictures it could not show; `paths` (one a line) tells
    // one such list from another.
    struct Unreadable
    {
        QString paths;
        QString text;
    };
    // The row of the working table a clicked thumbnail starts, or -1 with what to tell the user.
    struct Start
    {
        int row = -1;
        QString message;
    };

    SheetBuild() = default;
    // Every picture of the kind the table has, in table order, where `place` puts it; a job each.
    SheetBuild(const GameTable &table, const QString &libraryRoot, const ImageSheet::PictureKind &kind,
               const Place &place);

    int size() const { return int(m_placed.size()); }
    const ImageSheet::SheetPicture &picture(int job) const { return m_placed[job].picture; }
    const QRect &rect(int job) const { return m_placed[job].rect; }
    QVector<ThumbnailLoader::Job> jobs() const;

    // The loader delivered a job. True when it gets a thumbnail: a picture, or a placeholder for
    // one that is there but could not be decoded. A file gone since the listing gets none.
    bool arrive(int job, const Result<QImage> &picture);
    int shownCount() const { return m_shown; }
    // The row of the last game up to which every picture has arrived, 0 before the first.
    // Pictures come back in any order; the bar shows how far the sheet is whole.
    int progressRow() const;
    // Once, when the build is complete: nothing when every arrival could be shown.
    std::optional<Unreadable> takeUnreadable();

    // Filters since the build may have moved the game to another row, or taken it away.
    Start startFor(const GameTable &table, int job) const;

private:
    struct Placed
    {
        ImageSheet::SheetPicture picture;
        QRect rect;
    };

    QVector<Placed> m_placed;
    QVector<bool> m_done;
    int m_progressCursor = 0;
    int m_shown = 0;
    // Why the pictures that have a placeholder could not be shown, by job, in sheet order.
    QMap<int, QString> m_unreadable;
};

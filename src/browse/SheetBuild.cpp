#include "browse/SheetBuild.h"

#include "library/GameTable.h"

#include <QStringList>

#include <utility>

namespace {

// As many files as one message box names.
constexpr int NamedFiles = 10;

// '"path": reason', as the library scan names the files it could not read. The decoder's
// sentence names the file in quotes before the reason.
QString unreadableLine(const QString &path, const QString &error)
{
    const QString quoted = QLatin1Char('"') + path + QLatin1Char('"');
    const qsizetype at = error.indexOf(quoted + QLatin1String(": "));
    return at < 0 ? quoted + QLatin1String(": ") + error : error.mid(at);
}

} // namespace

SheetBuild::SheetBuild(const GameTable &table, const QString &libraryRoot, const ImageSheet::PictureKind &kind,
                       const Place &place)
{
    for (ImageSheet::SheetPicture &picture : ImageSheet::picturesOf(table, libraryRoot, kind)) {
        const QRect rect = place(picture);
        m_placed.append(Placed{std::move(picture), rect});
    }
    m_done = QVector<bool>(m_placed.size(), false);
}

QVector<ThumbnailLoader::Job> SheetBuild::jobs() const
{
    QVector<ThumbnailLoader::Job> jobs;
    jobs.reserve(m_placed.size());
    for (const Placed &placed : m_placed)
        jobs.append(ThumbnailLoader::Job{placed.picture.path, placed.rect.size()});
    return jobs;
}

bool SheetBuild::arrive(int job, const Result<QImage> &picture)
{
    m_done[job] = true;
    while (m_progressCursor < m_done.size() && m_done[m_progressCursor])
        ++m_progressCursor;
    if (picture && picture->isNull())
        return false;
    if (!picture)
        m_unreadable.insert(job, unreadableLine(m_placed[job].picture.path, picture.error().message()));
    ++m_shown;
    return true;
}

int SheetBuild::progressRow() const
{
    return m_progressCursor > 0 ? m_placed[m_progressCursor - 1].picture.row : 0;
}

std::optional<SheetBuild::Unreadable> SheetBuild::takeUnreadable()
{
    if (m_unreadable.isEmpty())
        return std::nullopt;
    QStringList paths;
    for (const int job : m_unreadable.keys())
        paths.append(m_placed[job].picture.path);
    const QStringList lines = m_unreadable.values();
    QString text = QStringLiteral("These pictures could not be shown, so the sheet shows the names of their games "
                                  "instead:\n") +
                   QStringList(lines.mid(0, NamedFiles)).join(QLatin1Char('\n'));
    if (lines.size() > NamedFiles)
        text += QStringLiteral("\n... and %1 more.").arg(lines.size() - NamedFiles);
    m_unreadable.clear();
    return Unreadable{paths.join(QLatin1Char('\n')), text};
}

SheetBuild::Start SheetBuild::startFor(const GameTable &table, int job) const
{
    const ImageSheet::SheetPicture &picture = m_placed[job].picture;
    const int row = ImageSheet::rowOf(table, picture.identity, picture.row);
    if (row < 0)
        return Start{-1, QStringLiteral("\"%1\" is no longer listed. Press Load to build the sheet again.")
                             .arg(picture.name)};
    return Start{row, QString()};
}

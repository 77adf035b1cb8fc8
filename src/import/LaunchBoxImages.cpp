#include "import/LaunchBoxImages.h"

#include "export/LaunchBoxText.h"
#include "import/SourcePaths.h"

#include <QFileInfo>

#include <utility>
#include <vector>

namespace {

// LaunchBox's picture folders for each of our kinds, the better first.
const std::array<std::vector<const char *>, PictureKindCount> &kindFolders()
{
    static const std::array<std::vector<const char *>, PictureKindCount> folders{{
        {"Box - Front", "Box - Front - Reconstructed", "Fanart - Box - Front"},
        {"Box - Back", "Box - Back - Reconstructed", "Fanart - Box - Back"},
        {"Screenshot - Game Title"},
        {"Screenshot - Gameplay", "Screenshot"},
        {"Cart - Front", "Disc", "Fanart - Cart - Front", "Fanart - Disc"},
        {"Advertisement Flyer - Front"},
    }};
    return folders;
}

QString looseKey(const QString &title)
{
    QString key;
    for (const QChar c : title) {
        if (c.isLetterOrNumber())
            key.append(c);
    }
    return key;
}

bool isPicture(const QString &name)
{
    static const QStringList suffixes = {QStringLiteral("png"), QStringLiteral("jpg"), QStringLiteral("jpeg"),
                                         QStringLiteral("gif"), QStringLiteral("bmp"), QStringLiteral("webp")};
    return suffixes.contains(QFileInfo(name).suffix(), Qt::CaseInsensitive);
}

} // namespace

LaunchBoxImages::LaunchBoxImages(SourcePaths &paths, const QString &imagesFolder)
    : m_paths(paths), m_images(imagesFolder)
{
}

QString LaunchBoxImages::fileTitle(const QString &title)
{
    static const QString written = QStringLiteral("':/\\?*\"<>|");
    QString name = title;
    for (QChar &c : name) {
        if (written.contains(c))
            c = u'_';
    }
    return name;
}

void LaunchBoxImages::addFolder(KindFolder &index, const QString &folder, int rank)
{
    for (const QString &name : m_paths.entries(folder)) {
        const QString path = folder + QLatin1Char('/') + name;
        if (!isPicture(name) || !QFileInfo(path).isFile())
            continue;
        // "<title>-01.png": the number counts the pictures of one kind of one game.
        QString stem = QFileInfo(name).completeBaseName();
        int number = 0;
        const qsizetype dash = stem.lastIndexOf(u'-');
        bool numbered = false;
        if (dash > 0)
            number = stem.mid(dash + 1).toInt(&numbered);
        if (numbered)
            stem.truncate(dash);
        const Found found{path, rank, number};
        const auto better = [&found](const Found &old) {
            return found.rank != old.rank ? found.rank < old.rank : found.number < old.number;
        };
        for (auto [table, key] : {std::pair{&index.exact, stem}, std::pair{&index.loose, looseKey(stem)}}) {
            const CaseFoldedKey folded{key};
            auto it = table->find(folded);
            if (it == table->end())
                table->insert(folded, found);
            else if (better(*it))
                *it = found;
        }
    }
}

const LaunchBoxImages::KindFolder &LaunchBoxImages::kindFolder(const QString &platform, const QString &kind)
{
    const QString id = platform + QLatin1Char('\n') + kind;
    auto it = m_folders.find(id);
    if (it != m_folders.end())
        return *it;
    KindFolder index;
    const QString platformFolder = m_paths.child(m_images, fileTitle(platform));
    const QString folder = platformFolder.isEmpty() ? QString() : m_paths.child(platformFolder, kind);
    if (!folder.isEmpty()) {
        addFolder(index, folder, 0);
        // Region folders ("North America", "Europe") after the kind's own pictures.
        int rank = 1;
        for (const QString &name : m_paths.entries(folder)) {
            const QString region = folder + QLatin1Char('/') + name;
            if (QFileInfo(region).isDir())
                addFolder(index, region, rank++);
        }
    }
    return *m_folders.insert(id, std::move(index));
}

std::array<QString, PictureKindCount> LaunchBoxImages::findExported(const QString &title, const QString &id)
{
    std::array<QString, PictureKindCount> found;
    if (id.isEmpty() || m_images.isEmpty())
        return found;
    const QString folder = m_paths.child(m_images, LaunchBoxText::imageFolderName(title, id));
    if (folder.isEmpty())
        return found;
    found[size_t(PictureKind::Front)] = m_paths.child(folder, QStringLiteral("Front.jpg"));
    found[size_t(PictureKind::Back)] = m_paths.child(folder, QStringLiteral("Back.jpg"));
    const QString screenshots = m_paths.child(folder, QStringLiteral("Screenshots"));
    if (screenshots.isEmpty())
        return found;
    // The export puts the medium, the title and the screen side by side under their own names;
    // only the medium's name is fixed, and a title picture says so in its name.
    for (const QString &name : m_paths.entries(screenshots)) {
        const QString path = screenshots + QLatin1Char('/') + name;
        PictureKind kind = PictureKind::Screen;
        if (name.compare(QLatin1String("xmedia.jpg"), Qt::CaseInsensitive) == 0)
            kind = PictureKind::Media;
        else if (name.contains(QLatin1String("title"), Qt::CaseInsensitive))
            kind = PictureKind::Title;
        if (found[size_t(kind)].isEmpty() && QFileInfo(path).isFile())
            found[size_t(kind)] = path;
    }
    return found;
}

std::array<QString, PictureKindCount> LaunchBoxImages::find(const QString &title, const QString &platform,
                                                            const QString &id)
{
    std::array<QString, PictureKindCount> found = findExported(title, id);
    if (m_images.isEmpty())
        return found;
    const CaseFoldedKey exact{fileTitle(title)};
    const CaseFoldedKey loose{looseKey(fileTitle(title))};
    for (int kind = 0; kind < PictureKindCount; ++kind) {
        QString &picture = found[size_t(kind)];
        for (const char *folderName : kindFolders()[size_t(kind)]) {
            if (!picture.isEmpty())
                break;
            const KindFolder &folder = kindFolder(platform, QLatin1String(folderName));
            if (const auto it = folder.exact.constFind(exact); it != folder.exact.constEnd())
                picture = it->path;
            else if (const auto near = folder.loose.constFind(loose); !loose.text.isEmpty() && near != folder.loose.constEnd())
                picture = near->path;
        }
    }
    return found;
}

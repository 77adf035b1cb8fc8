#pragma once

#include "base/CaseFold.h"
#include "import/ImportGame.h"

#include <QHash>
#include <QString>

#include <array>

class SourcePaths;

// The pictures of LaunchBox's Images folder: its own layout,
// Images/<Platform>/<kind>/[<region>/]<Title>-01.<ext>, in which some characters of a title are
// written as "_", and the one our export writes, Images/<Name>.<ID>/Front.jpg and so on. Each
// kind folder of a platform is listed once, at the first game of that platform that asks.
class LaunchBoxImages
{
public:
    LaunchBoxImages(SourcePaths &paths, const QString &imagesFolder);

    // The picture files of a game, by kind; empty where none was found.
    std::array<QString, PictureKindCount> find(const QString &title, const QString &platform, const QString &id);

    // How LaunchBox names a title's pictures: ' : / \ ? * " < > | as "_".
    static QString fileTitle(const QString &title);

private:
    struct Found
    {
        QString path;
        int rank = 0; // lower is better: the kind folder's own files before its region folders
        int number = 0;
    };
    using Index = QHash<CaseFoldedKey, Found>;
    struct KindFolder
    {
        Index exact;  // by the file title as LaunchBox writes it
        Index loose;  // by its letters and digits alone, for titles written another way
    };

    const KindFolder &kindFolder(const QString &platform, const QString &kind);
    void addFolder(KindFolder &index, const QString &folder, int rank);
    std::array<QString, PictureKindCount> findExported(const QString &title, const QString &id);

    SourcePaths &m_paths;
    QString m_images;
    QHash<QString, KindFolder> m_folders; // by platform folder and kind
};
